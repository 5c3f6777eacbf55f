// The type information a host binds to, and how dispatch answers calls that
// do not fit it.
#include "host_fixture.h"

#include <GL/gl.h>

#include <cmath>

using namespace testhost;
using hosting::ArgKind;
namespace hr = hosting::hr;

TEST(TypeInfo, ListsTwoHundredCustomMembersWithTheirKinds)
{
    const hosting::TypeLibrary* lib = exportedTypeLibrary();
    ASSERT_NE(lib, nullptr);
    EXPECT_EQ(lib->libraryId, vistrel::kLibraryId);
    EXPECT_EQ(lib->classId, vistrel::kClassId);
    EXPECT_EQ(lib->dispatchId, vistrel::kDispatchId);
    EXPECT_EQ(lib->eventsId, vistrel::kEventsId);
    int custom = 0;
    for (const auto& m : lib->members)
        if (m.id >= 1 && m.id <= 200) ++custom;
    EXPECT_EQ(custom, 200);
    for (hosting::DispId id = 1; id <= 200; ++id) ASSERT_NE(lib->findMember(id), nullptr) << id;

    using K = ArgKind;
    struct Case { hosting::DispId id; const char* name; std::vector<K> args; K result; };
    const Case cases[] = {
        {1, "Texture", {}, K::Picture},
        {2, "DoubleBuffer", {}, K::Bool},
        {7, "oglTranslate", {K::R8, K::R8, K::R8}, K::Void},
        {11, "oglRotate", {K::I2, K::R8, K::R8, K::R8}, K::Void},
        {13, "oauxSolidSphere", {K::R4}, K::Void},
        {14, "oglClearColor", {K::R4, K::R4, K::R4, K::R4}, K::Void},
        {15, "oglClear", {K::I2}, K::Void},
        {22, "oglLoadIdentity", {}, K::Void},
        {39, "oglEnable", {K::I2}, K::Void},
        {55, "ogluPerspective", {K::R8, K::R8, K::R8, K::R8}, K::Void},
        {57, "oglMatrixMode", {K::I2}, K::Void},
        {59, "oglMaterialv", {K::I2, K::I2, K::R4, K::R4, K::R4, K::R4}, K::Void},
        {40, "oglLightv", {K::I2, K::I2, K::R4, K::R4, K::R4, K::R4}, K::Void},
        {63, "oauxRGBImageLoad", {K::String, K::Variant}, K::Void},
        {86, "owglUseFontBitmap", {K::I2, K::I2, K::I2}, K::Bool},
        {89, "ogluNewQuadric", {}, K::I4},
        {115, "oglLightModel", {K::I2, K::R4}, K::Void},
        {146, "oglSelectBuffer", {K::I4, K::I4Ref}, K::Void},
        {156, "oglGetPolygonStipple", {K::StringRef}, K::Void},
        {157, "oglGetString", {K::I2}, K::String},
        {161, "ogluNewNurbsRenderer", {}, K::I4},
        {162, "ogluDeleteNurbsRenderer", {K::I4}, K::Void},
        {163, "ogluBeginSurface", {K::I4}, K::Void},
        {164, "ogluEndSurface", {K::I4}, K::Void},
        {170, "ogluNurbsProperty", {K::I4, K::I4, K::R4}, K::Void},
        {171, "ogluNurbsSurface", {K::I4, K::I2, K::R4Ref, K::I2, K::R4Ref, K::I2, K::I2, K::R4Ref, K::I2, K::I2, K::I2}, K::Void},
        {185, "ogluTessBeginPolygon", {K::I4, K::VariantRef}, K::Void},
        {189, "ogluProject", {K::R8, K::R8, K::R8, K::R8Ref, K::R8Ref, K::I2Ref, K::R8Ref, K::R8Ref, K::R8Ref}, K::I2},
        {196, "oglColor16M", {K::I4}, K::Void},
        {200, "oglAddSwapHintRectWIN", {K::I2, K::I2, K::I2, K::I2}, K::Void},
        {-515, "hWnd", {}, K::WindowHandle},
        {-550, "Refresh", {}, K::Void},
    };
    for (const auto& c : cases) {
        const hosting::MemberInfo* m = lib->findMember(c.id);
        ASSERT_NE(m, nullptr) << c.name;
        EXPECT_EQ(m->name, c.name);
        EXPECT_EQ(std::vector<K>(m->arguments().begin(), m->arguments().end()), c.args) << c.name;
        EXPECT_EQ(m->result, c.result) << c.name;
    }
    ASSERT_NE(lib->findEvent(vistrel::event::mouseDown), nullptr);
    EXPECT_EQ(lib->findEvent(vistrel::event::mouseDown)->argc, 4);
    EXPECT_EQ(lib->findEvent(vistrel::event::error)->argc, 7);
    EXPECT_EQ(lib->events.size(), 12u);
}

TEST(TypeInfo, ConstantEnumerationCarriesTheControlsOwnCodes)
{
    const hosting::TypeLibrary* lib = exportedTypeLibrary();
    ASSERT_NE(lib, nullptr);
    EXPECT_EQ(lib->enumName, "GL_constant");
    struct Case { const char* name; int32_t value; };
    const Case cases[] = {
        {"GL_COLOR_BUFFER_BIT", 1}, {"GL_DEPTH_BUFFER_BIT", 2}, {"GL_ACCUM_BUFFER_BIT", 4},
        {"GL_STENCIL_BUFFER_BIT", 8}, {"GL_VERTEX_ARRAY_EXT", -32652}, {"GL_NORMAL_ARRAY_POINTER_EXT", -32625},
        {"GL_LIGHTING", 0x0B50}, {"GL_LIGHT0", 0x4000}, {"GL_TRIANGLES", 4}, {"GL_MODELVIEW", 0x1700},
        {"GLU_FILL", 100012}, {"GLU_TESS_WINDING_ODD", 100130}, {"GLU_SAMPLING_TOLERANCE", 100203},
        {"WGL_FONT_LINES", 0}, {"WGL_FONT_POLYGONS", 1},
    };
    for (const auto& c : cases) {
        const hosting::ConstantInfo* k = lib->findConstant(c.name);
        ASSERT_NE(k, nullptr) << c.name;
        EXPECT_EQ(k->value, c.value) << c.name;
    }
    // OpenGL 1.2 and GLU 1.3 names are not part of it.
    EXPECT_EQ(lib->findConstant("GL_RESCALE_NORMAL"), nullptr);
    EXPECT_EQ(lib->findConstant("GLU_NURBS_MODE"), nullptr);
}

TEST(Dispatch, CallsThatDoNotFitTheTableAreRefusedWithoutEffect)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    struct Case { hosting::DispId id; std::vector<Variant> args; HResult expected; };
    const Case cases[] = {
        {0, {}, hr::memberNotFound},
        {201, {}, hr::memberNotFound},
        {-999, {}, hr::memberNotFound},
        {15, {}, hr::badParamCount},
        {15, {int16_t(1), int16_t(2)}, hr::badParamCount},
        {15, {Variant("colour")}, hr::typeMismatch},
        {15, {70000.0}, hr::overflow},
        {15, {int32_t(-40000)}, hr::overflow},
        {15, {std::nan("")}, hr::overflow},
        {148, {int16_t(GL_VIEWPORT), Variant::byRef(static_cast<float*>(nullptr), 0)}, hr::typeMismatch},
        {148, {int16_t(GL_VIEWPORT), 4.0}, hr::typeMismatch},
        {63, {int16_t(1), Variant()}, hr::typeMismatch},
    };
    for (const auto& c : cases) EXPECT_EQ(h.invoke(c.id, c.args), c.expected) << "dispatch id " << c.id;
    // Numeric kinds convert as a host expects: an int32 for a short, a double for a single.
    EXPECT_EQ(h.invoke(ID("oglClear"), {int32_t(0)}), hr::ok);
    EXPECT_EQ(h.invoke(ID("oglColor3"), {1, 0.5, int16_t(0)}), hr::ok);
    EXPECT_EQ(h.control->idOfName("ogluNurbsSurface"), 171);
    EXPECT_EQ(h.control->idOfName("NoSuchMember"), hosting::kDispIdUnknown);
    // Properties are not methods and methods are not properties.
    EXPECT_EQ(h.invoke(2, {false}, nullptr, hosting::InvokeKind::Method), hr::memberNotFound);
    EXPECT_EQ(h.invoke(15, {int16_t(1)}, nullptr, hosting::InvokeKind::PropertyPut), hr::memberNotFound);
}
