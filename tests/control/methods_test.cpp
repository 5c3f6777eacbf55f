// Members that differ from plain forwarding: control points, fonts, the
// swap hint, handles, strings, queries into the caller's arrays, selection.
#include "host_fixture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstring>

using namespace testhost;
namespace hr = hosting::hr;

namespace {

void identityView(Hosted& h)
{
    h.call(ID("oglMatrixMode"), {int16_t(GL_PROJECTION)});
    h.call(ID("oglLoadIdentity"));
    h.call(ID("oglMatrixMode"), {int16_t(GL_MODELVIEW)});
    h.call(ID("oglLoadIdentity"));
    h.call(ID("oglClearColor"), {0.0f, 0.0f, 0.0f, 1.0f});
    h.call(ID("oglClear"), {int16_t(3)});
}

double drawnShare(Hosted& h, const std::function<void()>& body)
{
    double share = -1;
    h.draw([&] {
        identityView(h);
        h.call(ID("oglColor3"), {1.0f, 1.0f, 1.0f});
        body();
        share = shareNot(readPixels(200, 200), 0);
    });
    return share;
}

} // namespace

TEST(ControlPoints, IndexMessagesAndMapsFromTheArrays)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    struct Case { hosting::DispId id; std::vector<Variant> args; const char* message; };
    const Case cases[] = {
        {ID("oauxSetControlPoint1"), {int16_t(257), int16_t(0), 1.0f}, "First index in oauxSetControlPoint1 is greater then 256"},
        {ID("oauxSetControlPoint1"), {int16_t(0), int16_t(5), 1.0f}, "Second index in oauxSetControlPoint1 is greater then 4"},
        {ID("oauxSetControlPoint2"), {int16_t(257), int16_t(0), int16_t(0), 1.0f}, "First index in oauxSetControlPoint2 is greater then 256"},
        {ID("oauxSetControlPoint2"), {int16_t(0), int16_t(256), int16_t(0), 1.0f}, "Second index in oauxSetControlPoint2 is greater then 255"},
        {ID("oauxSetControlPoint2"), {int16_t(0), int16_t(0), int16_t(4), 1.0f}, "Third index in oauxSetControlPoint2 is greater then 3"},
        {ID("oauxSetControlPoint1"), {int16_t(256), int16_t(4), 1.0f}, nullptr}, // past the array: ignored quietly
        {ID("oauxSetControlPoint2"), {int16_t(-3), int16_t(-3), int16_t(-3), 1.0f}, nullptr},
    };
    for (const auto& c : cases) {
        h.site.messages.clear();
        h.call(c.id, c.args);
        EXPECT_EQ(h.site.texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.args.size();
    }

    double coeff1[12] = {}, coeff2[12] = {};
    h.draw([&] {
        h.call(ID("oauxInitControlPoints1"), {int16_t(4), int16_t(3)});
        for (int16_t i = 0; i < 4; ++i)
            for (int16_t j = 0; j < 3; ++j) h.call(ID("oauxSetControlPoint1"), {i, j, float(10 * i + j)});
        h.call(ID("oglMap1"), {int16_t(GL_MAP1_VERTEX_3), 0.0, 1.0, int16_t(3), int16_t(4)});
        h.call(ID("oglGetMap"), {int16_t(GL_MAP1_VERTEX_3), int16_t(GL_COEFF), Variant::byRef(coeff1)});

        h.call(ID("oauxInitControlPoints2"), {int16_t(2), int16_t(2), int16_t(3)});
        for (int16_t i = 0; i < 2; ++i)
            for (int16_t j = 0; j < 2; ++j)
                for (int16_t k = 0; k < 3; ++k)
                    h.call(ID("oauxSetControlPoint2"), {i, j, k, float(100 * i + 10 * j + k)});
        h.call(ID("oglMap2"), {int16_t(GL_MAP2_VERTEX_3), 0.0, 1.0, int16_t(6), int16_t(2), 0.0, 1.0, int16_t(3),
                               int16_t(2), int16_t(99), int16_t(99)});
        h.call(ID("oglGetMap"), {int16_t(GL_MAP2_VERTEX_3), int16_t(GL_COEFF), Variant::byRef(coeff2)});
    });
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_EQ(coeff1[3 * i + j], 10 * i + j);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            for (int k = 0; k < 3; ++k) EXPECT_EQ(coeff2[(2 * i + j) * 3 + k], 100 * i + 10 * j + k);
}

TEST(Fonts, BitmapAndOutlineListsFromTheFontProperty)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    hosting::FontDesc font;
    font.family = "DejaVu Sans";
    font.pointSize = 24;
    std::vector<Variant> f{font};
    ASSERT_EQ(h.control->invoke(vistrel::stock::font, hosting::InvokeKind::PropertyPut, f, nullptr, nullptr), hr::ok);

    EXPECT_EQ(*h.call(ID("owglUseFontBitmap"), {int16_t(65), int16_t(26), int16_t(1000)}).get<bool>(), true);
    EXPECT_TRUE(h.site.messages.empty());
    const double text = drawnShare(h, [&] {
        EXPECT_TRUE(*h.call(ID("oglIsList"), {int16_t(1025)}).get<bool>());
        EXPECT_FALSE(*h.call(ID("oglIsList"), {int16_t(1026)}).get<bool>());
        h.call(ID("oglListBase"), {int16_t(1000 - 65)});
        h.call(ID("oglCallLists"), {int16_t(3), int16_t(GL_UNSIGNED_BYTE), Variant("WMW")});
        // More names than the string holds are not read.
        h.call(ID("oglCallLists"), {int16_t(1000), int16_t(GL_UNSIGNED_SHORT), Variant("W")});
    });
    EXPECT_GT(text, 0.002);

    EXPECT_EQ(*h.call(ID("owglUseFontOutlines"), {int16_t(65), int16_t(26), int16_t(2000), 0.01f, 0.2f, int16_t(1)})
                   .get<bool>(), true);
    const float box = *h.call(ID("oauxBlackBoxX"), {int16_t('W' - 65)}).get<float>();
    const float cell = *h.call(ID("oauxCellIncX"), {int16_t('W' - 65)}).get<float>();
    EXPECT_GT(box, 0.5f);
    EXPECT_LT(box, 1.5f);
    EXPECT_GT(cell, box * 0.8f);
    const float boxY = *h.call(ID("oauxBlackBoxY"), {int16_t('W' - 65)}).get<float>();
    EXPECT_GT(boxY, 0.5f);
    EXPECT_EQ(*h.call(ID("oauxCellIncY"), {int16_t('W' - 65)}).get<float>(), 0.0f);
    EXPECT_EQ(*h.call(ID("oauxBlackBoxX"), {int16_t(300)}).get<float>(), 0.0f); // no such record
    const double filled = drawnShare(h, [&] {
        h.call(ID("oglScale"), {1.0, 1.0, 1.0});
        h.call(ID("oglTranslate"), {-0.6, -0.3, 0.0});
        h.call(ID("oglCallList"), {int16_t(2000 + 'W' - 65)});
    });
    // Filled, the glyph covers a good part of its black box (a quarter of
    // the window's two-by-two units per square unit).
    const double boxShare = box * boxY / 4.0;
    EXPECT_GT(filled, 0.2 * boxShare);
    EXPECT_LT(filled, 0.8 * boxShare);
    EXPECT_EQ(*h.call(ID("owglUseFontOutlines"), {int16_t(65), int16_t(26), int16_t(3000), 0.0f, 0.0f, int16_t(0)})
                   .get<bool>(), true);
    const double lines = drawnShare(h, [&] { h.call(ID("oglCallList"), {int16_t(3000 + 'W' - 65)}); });
    EXPECT_GT(lines, 0.001);
    EXPECT_LT(lines, filled / 2);

    // No list base, or an unknown format: nothing generated, and the message.
    EXPECT_EQ(*h.call(ID("owglUseFontBitmap"), {int16_t(65), int16_t(5), int16_t(0)}).get<bool>(), false);
    EXPECT_EQ(*h.call(ID("owglUseFontOutlines"), {int16_t(65), int16_t(5), int16_t(10), 0.0f, 0.0f, int16_t(7)})
                   .get<bool>(), false);
    EXPECT_EQ(h.site.texts(), (std::vector<std::string>{"Character list not generated", "Character list not generated"}));
}

TEST(Methods, SwapHintNeedsTheExtension)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    std::string extensions;
    h.draw([&] {
        extensions = *h.call(ID("oglGetString"), {int16_t(GL_EXTENSIONS)}).get<std::string>();
        h.call(ID("oglAddSwapHintRectWIN"), {int16_t(0), int16_t(0), int16_t(10), int16_t(10)});
    });
    EXPECT_FALSE(extensions.empty());
    if (extensions.find("GL_WIN_swap_hint") == std::string::npos)
        EXPECT_EQ(h.site.texts(), std::vector<std::string>{
                                      "Your implementation of OpenGL does not support glAddSwapHintRectWIN extension function."});
    else
        EXPECT_TRUE(h.site.messages.empty());
}

TEST(Methods, HandlesNameOneObjectOfOneKindUntilDeleted)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    const int32_t q = *h.call(ID("ogluNewQuadric")).get<int32_t>();
    const int32_t n = *h.call(ID("ogluNewNurbsRenderer")).get<int32_t>();
    EXPECT_NE(q, 0);
    EXPECT_NE(q, n);
    auto sphere = [&](int32_t handle) {
        return drawnShare(h, [&] { h.call(ID("ogluSphere"), {handle, 0.5, int16_t(12), int16_t(12)}); });
    };
    EXPECT_GT(sphere(q), 0.1);
    EXPECT_EQ(sphere(n), 0.0); // a NURBS handle is no quadric
    EXPECT_EQ(sphere(123456), 0.0);
    h.call(ID("ogluDeleteQuadric"), {q});
    EXPECT_EQ(sphere(q), 0.0); // stale
    h.call(ID("ogluDeleteQuadric"), {q}); // deleting twice does nothing
    const int32_t q2 = *h.call(ID("ogluNewQuadric")).get<int32_t>();
    EXPECT_NE(q2, q); // a deleted handle never names a newer object
    h.call(ID("ogluDeleteQuadric"), {q2});
    h.call(ID("ogluDeleteNurbsRenderer"), {n});
}

TEST(Methods, NurbsSurfaceAndTessellatorDraw)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    float knots[8] = {0, 0, 0, 0, 1, 1, 1, 1};
    float ctl[48];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            float* p = &ctl[(i * 4 + j) * 3];
            p[0] = -0.8f + 1.6f * i / 3, p[1] = -0.8f + 1.6f * j / 3, p[2] = 0;
        }
    auto surface = [&](size_t ctlCount) {
        return drawnShare(h, [&] {
            const int32_t n = *h.call(ID("ogluNewNurbsRenderer")).get<int32_t>();
            h.call(ID("ogluNurbsProperty"), {n, int32_t(GLU_SAMPLING_TOLERANCE), 25.0f});
            h.call(ID("ogluBeginSurface"), {n});
            h.call(ID("ogluNurbsSurface"), {n, int16_t(8), Variant::byRef(knots), int16_t(8), Variant::byRef(knots),
                                            int16_t(12), int16_t(3), Variant::byRef(ctl, ctlCount), int16_t(4),
                                            int16_t(4), int16_t(GL_MAP2_VERTEX_3)});
            h.call(ID("ogluEndSurface"), {n});
            h.call(ID("ogluDeleteNurbsRenderer"), {n});
        });
    };
    EXPECT_NEAR(surface(48), 0.64, 0.05);
    EXPECT_EQ(surface(47), 0.0); // the array is short of what GLU would read: not called

    const double square = drawnShare(h, [&] {
        const int32_t t = *h.call(ID("ogluNewTess")).get<int32_t>();
        h.call(ID("ogluTessBeginPolygon"), {t, Variant(static_cast<Variant*>(nullptr))});
        h.call(ID("ogluTessBeginContour"), {t});
        for (auto [x, y] : {std::pair{-0.5, -0.5}, {0.5, -0.5}, {0.5, 0.5}, {-0.5, 0.5}}) {
            double v[3] = {x, y, 0}; // gone before the polygon ends: the control keeps its own copy
            h.call(ID("ogluTessVertex"), {t, Variant::byRef(v), Variant::byRef(v)});
        }
        h.call(ID("ogluTessEndContour"), {t});
        h.call(ID("ogluTessEndPolygon"), {t});
        h.call(ID("ogluDeleteTess"), {t});
    });
    EXPECT_NEAR(square, 0.25, 0.02);
}

TEST(Methods, StringsQueriesColoursAndSelection)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    h.draw([&] {
        identityView(h);
        EXPECT_FALSE(h.call(ID("oglGetString"), {int16_t(GL_VENDOR)}).get<std::string>()->empty());
        EXPECT_EQ(*h.call(ID("oglGetString"), {int16_t(12345)}).get<std::string>(), "");
        EXPECT_EQ(h.call(ID("ogluGetString"), {int32_t(GLU_VERSION)}).get<std::string>()->substr(0, 2), "1.");
        EXPECT_FALSE(h.call(ID("ogluErrorString"), {int32_t(GLU_INVALID_ENUM)}).get<std::string>()->empty());
        EXPECT_EQ(*h.call(ID("ogluErrorString"), {int32_t(54321)}).get<std::string>(), "");
        EXPECT_EQ(*h.call(ID("oglGetError")).get<int16_t>(), GL_INVALID_ENUM); // from oglGetString(12345)

        // The caller's array takes as many values as it holds, no more.
        int32_t viewport[6] = {-7, -7, -7, -7, -7, -7};
        h.call(ID("oglGetInteger"), {int16_t(GL_VIEWPORT), Variant::byRef(viewport, 2)});
        EXPECT_EQ((std::vector<int32_t>(viewport, viewport + 6)), (std::vector<int32_t>{0, 0, -7, -7, -7, -7}));

        // The vertex-array constants pass as their 16-bit values.
        h.call(ID("oglEnable"), {int16_t(-32652)});
        EXPECT_TRUE(*h.call(ID("oglIsEnabled"), {int16_t(-32652)}).get<bool>());
        EXPECT_TRUE(glIsEnabled(GL_VERTEX_ARRAY));
        h.call(ID("oglDisable"), {int16_t(-32652)});

        float colour[4] = {};
        h.call(ID("oglColor16M"), {int32_t(0x00FF8000)});
        h.call(ID("oglGetFloat"), {int16_t(GL_CURRENT_COLOR), Variant::byRef(colour)});
        EXPECT_NEAR(colour[0], 0.0f, 1e-6);
        EXPECT_NEAR(colour[1], 128 / 255.0f, 1e-6);
        EXPECT_NEAR(colour[2], 1.0f, 1e-6);
        h.call(ID("oglClearColorRGB"), {int16_t(255), int16_t(0), int16_t(51)});
        h.call(ID("oglGetFloat"), {int16_t(GL_COLOR_CLEAR_VALUE), Variant::byRef(colour)});
        EXPECT_NEAR(colour[2], 0.2f, 1e-6);
        EXPECT_EQ(colour[3], 1.0f);

        bool mask[1] = {};
        for (auto [arg, expected] : {std::pair{int16_t(0), false}, {int16_t(2), false}, {int16_t(1), true},
                                     {int16_t(-1), true}}) {
            h.call(ID("oglDepthMask"), {arg});
            h.call(ID("oglGetBoolean"), {int16_t(GL_DEPTH_WRITEMASK), Variant::byRef(mask)});
            EXPECT_EQ(mask[0], expected) << arg;
        }

        float shininess[4] = {};
        h.call(ID("oglMaterial"), {int16_t(GL_FRONT), int16_t(GL_AMBIENT), int16_t(50)});
        h.call(ID("oglGetMaterial"), {int16_t(GL_FRONT), int16_t(GL_SHININESS), Variant::byRef(shininess)});
        EXPECT_EQ(shininess[0], 50.0f);

        double m[16] = {};
        h.call(ID("oglRotate"), {int16_t(90), 0.0, 0.0, 1.0});
        h.call(ID("oglGetDouble"), {int16_t(GL_MODELVIEW_MATRIX), Variant::byRef(m)});
        EXPECT_NEAR(m[1], 1.0, 1e-9);
        EXPECT_NEAR(m[4], -1.0, 1e-9);
        h.call(ID("oglLoadIdentity"));

        double model[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, win[3] = {};
        int16_t view[4] = {0, 0, 200, 200};
        EXPECT_EQ(*h.call(ID("ogluProject"), {0.0, 0.0, 0.0, Variant::byRef(model), Variant::byRef(model), Variant::byRef(view),
                                              Variant::byRef(&win[0], 1), Variant::byRef(&win[1], 1), Variant::byRef(&win[2], 1)})
                       .get<int16_t>(), 1);
        EXPECT_EQ(win[0], 100.0);
        EXPECT_EQ(win[2], 0.5);
        EXPECT_EQ(*h.call(ID("ogluProject"), {0.0, 0.0, 0.0, Variant::byRef(model, 15), Variant::byRef(model),
                                              Variant::byRef(view), Variant::byRef(&win[0], 1),
                                              Variant::byRef(&win[1], 1), Variant::byRef(&win[2], 1)})
                       .get<int16_t>(), 0);

        // Selection: one hit naming 7, copied to the host's array when selection ends.
        int32_t hits[32] = {};
        h.call(ID("oglSelectBuffer"), {int32_t(32), Variant::byRef(hits)});
        h.call(ID("oglRenderMode"), {int16_t(GL_SELECT)});
        h.call(ID("oglInitNames"));
        h.call(ID("oglPushName"), {int16_t(7)});
        h.call(ID("oglRect"), {-0.5, -0.5, 0.5, 0.5});
        EXPECT_EQ(*h.call(ID("oglRenderMode"), {int16_t(GL_RENDER)}).get<int16_t>(), 1);
        EXPECT_EQ(hits[0], 1);
        EXPECT_EQ(hits[3], 7);
    });
}
