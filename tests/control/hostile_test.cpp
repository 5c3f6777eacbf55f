// Every member driven with hostile arguments: sizes, indices, counts, file
// contents and handles that do not fit. Run under AddressSanitizer, any
// read or write outside an array fails the run.
#include "bmp_files.h"
#include "host_fixture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <deque>
#include <limits>
#include <random>

using namespace testhost;
using hosting::ArgKind;

namespace {

// Caller-owned arrays stay alive until the control is gone: selection and
// feedback buffers, like GL's own, are written when the render mode changes.
struct Arena {
    std::deque<std::vector<int16_t>> i2;
    std::deque<std::vector<int32_t>> i4;
    std::deque<std::vector<float>> r4;
    std::deque<std::vector<double>> r8;
    std::deque<std::unique_ptr<bool[]>> b;
    std::deque<std::string> s;
    std::deque<Variant> v;
};

std::vector<std::string> hostileFiles()
{
    const std::string dir = tempDir();
    std::vector<std::string> paths = {dir + "/does-not-exist.bmp"};
    auto add = [&](const std::string& name, std::vector<uint8_t> bytes) {
        paths.push_back(writeFile(dir + "/" + name, bytes));
    };
    auto patch32 = [](std::vector<uint8_t>& f, size_t at, uint32_t v) {
        for (int k = 0; k < 4; ++k) f[at + k] = static_cast<uint8_t>(v >> (8 * k));
    };
    const std::vector<Bgr> px(64, Bgr{10, 20, 30});
    add("empty.bmp", {});
    add("bm-only.bmp", {'B', 'M'});
    add("short-header.bmp", {'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 40, 0, 0});
    add("good24.bmp", makeBmp(8, 8, 24, px));
    add("good8.bmp", makeBmp(8, 8, 8, px, std::vector<Bgr>(256, Bgr{1, 2, 3})));
    auto huge = makeBmp(8, 8, 24, px);
    patch32(huge, 18, 30000), patch32(huge, 22, 30000);
    add("huge-dims.bmp", huge);
    auto colours = makeBmp(8, 8, 8, px, {});
    patch32(colours, 46, 0xFFFFFFFFu);
    add("colours-used.bmp", colours);
    auto fewColours = makeBmp(8, 8, 8, px, {});
    patch32(fewColours, 46, 300);
    add("colours-past-end.bmp", fewColours);
    auto big = makeBmp(8, 8, 24, px);
    patch32(big, 14, 0x7FFFFFFF);
    add("header-size.bmp", big);
    auto negative = makeBmp(8, 8, 24, px);
    patch32(negative, 22, static_cast<uint32_t>(-8));
    add("negative-height.bmp", negative);
    for (int bpp : {1, 4, 16, 32}) {
        auto other = makeBmp(8, 8, 24, px);
        other[28] = static_cast<uint8_t>(bpp);
        add("depth" + std::to_string(bpp) + ".bmp", other);
    }
    auto cut = makeBmp(64, 64, 24, std::vector<Bgr>(64 * 64, Bgr{1, 1, 1}));
    cut.resize(100);
    add("truncated.bmp", cut);
    return paths;
}

class Driver {
public:
    explicit Driver(hosting::Control& c) : control_(c), files_(hostileFiles()) {}

    Variant value(ArgKind kind, size_t pick, size_t arg, hosting::DispId id)
    {
        static const int16_t i2[] = {-32768, -1, 0, 1, 2, 3, 4, 7, 8, 16, 255, 256, 257, 1024,
                                     GL_TEXTURE_2D, GL_TEXTURE_1D, GL_RGB, GL_RGBA, GL_UNSIGNED_BYTE, GL_FLOAT,
                                     GL_COLOR_INDEX, GL_BITMAP, GL_SELECT, GL_FEEDBACK, GL_COMPILE,
                                     GL_MAP1_VERTEX_3, GL_MAP2_VERTEX_4, GL_COEFF, GL_ORDER, GL_VIEWPORT,
                                     GL_PIXEL_MAP_I_TO_R, GL_MODELVIEW_MATRIX, static_cast<int16_t>(0x86A3), 32767};
        static const int32_t i4[] = {std::numeric_limits<int32_t>::min(), -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 16,
                                     40, 100, 100012, GLU_MAP1_TRIM_2, GLU_MAP1_TRIM_3, GLU_SAMPLING_TOLERANCE,
                                     GL_MAP2_VERTEX_3, std::numeric_limits<int32_t>::max()};
        static const double reals[] = {0, -1, 1, 0.5, 3, 1e-30, 1e30, -1e30, std::nan(""), INFINITY, -INFINITY};
        static const size_t counts[] = {0, 1, 3, 4, 16, 17};
        const size_t n = counts[pick % std::size(counts)];
        switch (kind) {
        case ArgKind::I2: {
            int16_t v = i2[pick % std::size(i2)];
            // Sizes and counts of the drawing members are capped so the sweep
            // stays quick; larger ones only take longer.
            if (isSize(id, arg) && v > 300) v = 300;
            return v;
        }
        case ArgKind::I4:
        case ArgKind::WindowHandle: return i4[pick % std::size(i4)];
        case ArgKind::R4: return static_cast<float>(reals[pick % std::size(reals)]);
        case ArgKind::R8: return reals[pick % std::size(reals)];
        case ArgKind::Bool: return (pick & 1) != 0;
        case ArgKind::String: {
            const std::string strings[] = {"", "A", std::string(5000, 'x'), "\xff\xfe\x00\x01"};
            if (id == vistrel::id("oauxRGBImageLoad")) return files_[pick % files_.size()];
            return strings[pick % std::size(strings)];
        }
        case ArgKind::Variant: {
            const Variant vs[] = {Variant(), int16_t(0), int16_t(25), int16_t(26), int32_t(-1), 1e9, 3.7, "x"};
            return vs[pick % std::size(vs)];
        }
        case ArgKind::I2Ref: return ref(arena_.i2, n, int16_t(3));
        case ArgKind::I4Ref: return ref(arena_.i4, n, int32_t(3));
        case ArgKind::R4Ref: return ref(arena_.r4, n, 0.5f);
        case ArgKind::R8Ref: return ref(arena_.r8, n, 0.5);
        case ArgKind::BoolRef: {
            if (n == 0) return Variant::byRef(static_cast<bool*>(nullptr), 0);
            arena_.b.push_back(std::make_unique<bool[]>(n));
            return Variant::byRef(arena_.b.back().get(), n);
        }
        case ArgKind::StringRef: return Variant(&arena_.s.emplace_back("abc"));
        case ArgKind::VariantRef: return Variant(&arena_.v.emplace_back());
        default: return Variant();
        }
    }

    void call(hosting::DispId id, std::vector<Variant> args)
    {
        Variant result;
        hosting::ExceptionInfo error;
        const hosting::HResult h = control_.invoke(id, hosting::InvokeKind::Method, args, &result, &error);
        // Anything but a crash is acceptable; refusals are counted for the record.
        if (h != hosting::hr::ok) ++refused;
        ++calls;
    }

    void sweep(const hosting::MemberInfo& m, std::mt19937& rng, int randomRounds)
    {
        for (size_t column = 0; column < 40; ++column) {
            std::vector<Variant> args;
            for (size_t k = 0; k < m.argc; ++k) args.push_back(value(m.args[k], column, k, m.id));
            call(m.id, args);
        }
        for (int round = 0; round < randomRounds; ++round) {
            std::vector<Variant> args;
            for (size_t k = 0; k < m.argc; ++k) args.push_back(value(m.args[k], rng(), k, m.id));
            call(m.id, args);
        }
    }

    int calls = 0, refused = 0;

private:
    template <class T>
    Variant ref(std::deque<std::vector<T>>& store, size_t n, T fill)
    {
        if (n == 0) return Variant::byRef(static_cast<T*>(nullptr), 0);
        auto& v = store.emplace_back(n, fill);
        return Variant::byRef(v.data(), v.size());
    }

    static bool isSize(hosting::DispId id, size_t arg)
    {
        struct Sizes { hosting::DispId id; std::initializer_list<size_t> args; };
        static const Sizes sizes[] = {{88, {3, 4}}, {91, {4, 5}}, {92, {2, 3}}, {93, {3, 4}}, {129, {1, 2}},
                                      {133, {1, 2, 3, 4}}, {86, {1}}, {87, {1}}, {70, {3, 4}}, {122, {3}},
                                      {106, {2, 3}}};
        for (const auto& s : sizes)
            if (s.id == id) return std::find(s.args.begin(), s.args.end(), arg) != s.args.end();
        return false;
    }

    hosting::Control& control_;
    std::vector<std::string> files_;
    Arena arena_;
};

void sweepAll(Driver& d, int randomRounds)
{
    std::mt19937 rng(20261210);
    for (const auto& m : vistrel::kMembers)
        if (m.kind == hosting::MemberKind::Method) d.sweep(m, rng, randomRounds);
    // The host owns what it created: delete every handle the sweep may have made.
    for (int32_t handle = 1; handle < 5000; ++handle)
        for (const char* del : {"ogluDeleteQuadric", "ogluDeleteNurbsRenderer", "ogluDeleteTess"})
            d.call(vistrel::kTypeLibrary.findMember(del)->id, {handle});
}

} // namespace

TEST(Hostile, EveryMethodWithoutAWindow)
{
    Site site;
    hosting::Control* c = factory()->createInstance(site);
    ASSERT_NE(c, nullptr);
    {
        Driver d(*c);
        sweepAll(d, 5);
        EXPECT_GT(d.calls, 8000);
    }
    c->release();
}

TEST(Hostile, EveryMethodWithItsContextCurrent)
{
    // Declared first so the arrays outlive the control.
    auto host = std::make_unique<Hosted>(64, 64);
    ASSERT_TRUE(host->created);
    Driver d(*host->control);
    host->call(ID("owglMakeCurrent"), {true});
    sweepAll(d, 40);
    host->call(ID("SetTimerInterval"), {int16_t(0)});
    host->call(ID("owglMakeCurrent"), {true});

    // Every state query, with a one-value array: GL may return many values.
    int32_t one[1] = {};
    float f1[1] = {};
    double d1[1] = {};
    bool b1[1] = {};
    for (int pname = 0; pname < 0x10000; ++pname) {
        const auto p = static_cast<int16_t>(static_cast<uint16_t>(pname));
        host->call(ID("oglGetInteger"), {p, Variant::byRef(one)});
        host->call(ID("oglGetFloat"), {p, Variant::byRef(f1)});
        host->call(ID("oglGetDouble"), {p, Variant::byRef(d1)});
        host->call(ID("oglGetBoolean"), {p, Variant::byRef(b1)});
    }
    for (int16_t target : {int16_t(GL_MAP1_VERTEX_3), int16_t(GL_MAP2_VERTEX_4), int16_t(GL_MAP2_COLOR_4)})
        for (int16_t query : {int16_t(GL_COEFF), int16_t(GL_ORDER), int16_t(GL_DOMAIN)})
            host->call(ID("oglGetMap"), {target, query, Variant::byRef(d1)});
    for (int map = GL_PIXEL_MAP_I_TO_I; map <= GL_PIXEL_MAP_A_TO_A; ++map)
        host->call(ID("oglGetPixelMap"), {int16_t(map), Variant::byRef(f1)});

    // Every slot filled from every hostile file, then uploaded at sizes that
    // do and do not fit its pixels.
    for (const std::string& file : hostileFiles()) {
        host->invoke(ID("oauxRGBImageLoad"), {file, Variant()});
        for (int16_t size : {int16_t(1), int16_t(4), int16_t(8), int16_t(9), int16_t(64), int16_t(256)})
            for (int16_t format : {int16_t(GL_RGB), int16_t(GL_RGBA), int16_t(GL_COLOR_INDEX), int16_t(GL_LUMINANCE)})
                for (int16_t type : {int16_t(GL_UNSIGNED_BYTE), int16_t(GL_FLOAT), int16_t(GL_BITMAP)}) {
                    host->call(ID("oglTexImage2D"), {int16_t(GL_TEXTURE_2D), int16_t(0), int16_t(4), size, size,
                                                     int16_t(0), format, type, Variant()});
                    host->call(ID("oglTexImage1D"), {int16_t(GL_TEXTURE_1D), int16_t(0), int16_t(4), size, int16_t(0),
                                                     format, type, Variant()});
                }
    }

    // Control points at and past the ends of their arrays, with dimensions
    // from the init members as large as they go.
    for (int16_t dims : {int16_t(1), int16_t(4), int16_t(256), int16_t(32767), int16_t(-32768)}) {
        host->call(ID("oauxInitControlPoints1"), {dims, dims});
        host->call(ID("oauxInitControlPoints2"), {dims, dims, dims});
        for (int16_t i : {int16_t(-32768), int16_t(-1), int16_t(0), int16_t(255), int16_t(256)})
            for (int16_t j : {int16_t(-1), int16_t(0), int16_t(3), int16_t(4), int16_t(255)}) {
                host->call(ID("oauxSetControlPoint1"), {i, j, 1.0f});
                host->call(ID("oauxSetControlPoint2"), {i, j, int16_t(3), 1.0f});
            }
        for (int16_t order : {int16_t(1), int16_t(4), int16_t(30), int16_t(31), int16_t(1024)})
            for (int16_t stride : {int16_t(0), int16_t(3), int16_t(4), int16_t(256), int16_t(32767)}) {
                host->call(ID("oglMap1"), {int16_t(GL_MAP1_VERTEX_4), 0.0, 1.0, stride, order});
                host->call(ID("oglMap2"), {int16_t(GL_MAP2_VERTEX_4), 0.0, 1.0, stride, order, 0.0, 1.0, stride,
                                           order, int16_t(0), int16_t(0)});
            }
    }
    host->call(ID("owglMakeCurrent"), {false});
    EXPECT_GT(d.calls, 15000);
    host.reset();
}
