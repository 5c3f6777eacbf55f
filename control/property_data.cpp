#include "property_data.h"

#include <cmath>
#include <cstring>
#include <string>
#include <string_view>

namespace vistrel {

namespace {

// Layout: "VSPX", u32 version, then named entries: u16 name length, name,
// u8 type, payload. Types: 1 i32, 2 bool, 3 bytes (u32 length), 4 font.
constexpr char kMagic[4] = {'V', 'S', 'P', 'X'};
enum : uint8_t { kInt = 1, kBool = 2, kBytes = 3, kFont = 4 };

class Writer {
public:
    std::vector<uint8_t> out;
    void u8(uint8_t v) { out.push_back(v); }
    void u16(uint16_t v) { u8(v & 0xFF), u8(v >> 8); }
    void u32(uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); }
    void bytes(const void* p, size_t n)
    {
        u32(static_cast<uint32_t>(n));
        out.insert(out.end(), static_cast<const uint8_t*>(p), static_cast<const uint8_t*>(p) + n);
    }
    void name(std::string_view n, uint8_t type)
    {
        u16(static_cast<uint16_t>(n.size()));
        out.insert(out.end(), n.begin(), n.end());
        u8(type);
    }
};

class Reader {
public:
    explicit Reader(std::span<const uint8_t> d) : data_(d) {}
    bool ok() const { return ok_; }
    bool atEnd() const { return pos_ >= data_.size(); }
    uint8_t u8()
    {
        if (pos_ + 1 > data_.size()) return fail();
        return data_[pos_++];
    }
    uint16_t u16() { uint16_t lo = u8(); return static_cast<uint16_t>(lo | u8() << 8); }
    uint32_t u32() { uint32_t lo = u16(); return lo | static_cast<uint32_t>(u16()) << 16; }
    std::span<const uint8_t> take(size_t n)
    {
        if (!ok_ || n > data_.size() - pos_) { fail(); return {}; }
        auto s = data_.subspan(pos_, n);
        pos_ += n;
        return s;
    }
    std::string text(size_t n)
    {
        auto s = take(n);
        return std::string(s.begin(), s.end());
    }

private:
    uint8_t fail() { ok_ = false; pos_ = data_.size(); return 0; }
    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    bool ok_ = true;
};

} // namespace

std::vector<uint8_t> saveProperties(const PersistentProperties& p)
{
    Writer w;
    w.out.insert(w.out.end(), kMagic, kMagic + 4);
    w.u32(kPropertyVersion);
    w.name("_ExtentX", kInt), w.u32(static_cast<uint32_t>(p.extentX));
    w.name("_ExtentY", kInt), w.u32(static_cast<uint32_t>(p.extentY));
    w.name("Font", kFont);
    w.bytes(p.font.family.data(), p.font.family.size());
    uint64_t size;
    std::memcpy(&size, &p.font.pointSize, sizeof size);
    w.u32(static_cast<uint32_t>(size)), w.u32(static_cast<uint32_t>(size >> 32));
    w.u32(static_cast<uint32_t>(p.font.weight));
    w.u8(static_cast<uint8_t>(p.font.italic | p.font.underline << 1 | p.font.strikeout << 2));
    w.name("Texture", kBytes), w.bytes(p.texture.bytes.data(), p.texture.bytes.size());
    w.name("DoubleBuffer", kBool), w.u8(p.doubleBuffer ? 1 : 0);
    return w.out;
}

PersistentProperties loadProperties(std::span<const uint8_t> data)
{
    PersistentProperties p;
    if (data.size() < 8 || std::memcmp(data.data(), kMagic, 4) != 0) return p;
    Reader r(data.subspan(4));
    uint32_t version = r.u32();
    if ((version >> 16) != (kPropertyVersion >> 16)) return p;
    PersistentProperties read = p;
    while (r.ok() && !r.atEnd()) {
        std::string name = r.text(r.u16());
        uint8_t type = r.u8();
        if (!r.ok()) break;
        if (type == kInt) {
            int32_t v = static_cast<int32_t>(r.u32());
            if (name == "_ExtentX") read.extentX = v;
            else if (name == "_ExtentY") read.extentY = v;
        } else if (type == kBool) {
            bool v = r.u8() != 0;
            if (name == "DoubleBuffer") read.doubleBuffer = v;
        } else if (type == kBytes) {
            auto bytes = r.take(r.u32());
            if (name == "Texture") read.texture.bytes.assign(bytes.begin(), bytes.end());
        } else if (type == kFont) {
            hosting::FontDesc f;
            f.family = r.text(r.u32());
            uint64_t lo = r.u32(), hi = r.u32();
            uint64_t bits = lo | hi << 32;
            std::memcpy(&f.pointSize, &bits, sizeof bits);
            f.weight = static_cast<int32_t>(r.u32());
            uint8_t flags = r.u8();
            f.italic = flags & 1, f.underline = flags & 2, f.strikeout = flags & 4;
            const bool sane = std::isfinite(f.pointSize) && f.pointSize > 0 && f.pointSize <= 1000;
            if (name == "Font" && r.ok() && sane) read.font = f;
        } else {
            break; // an unknown type has no known length
        }
    }
    return read; // entries read before a fault are kept
}

} // namespace vistrel
