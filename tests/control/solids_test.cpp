// The ready-made solids seen through a 30-degree perspective from 5 units away.
#include "host_fixture.h"

#include <GL/gl.h>

using namespace testhost;

namespace {

struct Shot {
    double share = 0;
    uint32_t centre = 0, nearEdge = 0;
};

Shot shoot(Hosted& h, hosting::DispId id, std::vector<Variant> args, bool lit)
{
    Shot s;
    h.draw([&] {
        h.call(ID("oglClearColor"), {0.0f, 0.0f, 0.0f, 1.0f});
        h.call(ID("oglClear"), {int16_t(3)});
        h.call(ID("oglMatrixMode"), {int16_t(GL_PROJECTION)});
        h.call(ID("oglLoadIdentity"));
        h.call(ID("ogluPerspective"), {30.0, 1.0, 1.0, 10.0});
        h.call(ID("oglMatrixMode"), {int16_t(GL_MODELVIEW)});
        h.call(ID("oglLoadIdentity"));
        h.call(ID("oglTranslate"), {0.0, 0.0, -5.0});
        h.call(ID("oglEnable"), {int16_t(GL_DEPTH_TEST)});
        if (lit) {
            h.call(ID("oglEnable"), {int16_t(GL_LIGHTING)});
            h.call(ID("oglEnable"), {int16_t(GL_LIGHT0)});
            h.call(ID("oglLightv"), {int16_t(GL_LIGHT0), int16_t(GL_POSITION), 0.0f, 0.0f, 1.0f, 0.0f});
            h.call(ID("oglMaterialv"), {int16_t(GL_FRONT_AND_BACK), int16_t(GL_DIFFUSE), 1.0f, 1.0f, 1.0f, 1.0f});
        } else {
            h.call(ID("oglColor3"), {1.0f, 1.0f, 1.0f});
        }
        h.call(id, args);
        h.call(ID("oglDisable"), {int16_t(GL_LIGHTING)});
        h.call(ID("oglDisable"), {int16_t(GL_DEPTH_TEST)});
        const auto px = readPixels(200, 200);
        s.share = shareNot(px, 0);
        s.centre = pixelAt(px, 200, 100, 100);
        s.nearEdge = pixelAt(px, 200, 100 + 70, 100);
    });
    return s;
}

} // namespace

TEST(Solids, ALitSolidSphereCoversItsProjectedDisc)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    // Radius 1 at distance 5: angular radius asin(0.2), disc radius
    // tan(asin 0.2) / tan(15 degrees) of the half-window, about 45.6% of the area.
    const Shot s = shoot(h, ID("oauxSolidSphere"), {1.0f}, true);
    EXPECT_GT(s.share, 0.42);
    EXPECT_LT(s.share, 0.47);
    // Lit from the viewer: bright in the middle, darker towards the rim.
    EXPECT_GT(s.centre & 0xFF, 200u);
    EXPECT_LT(s.nearEdge & 0xFF, s.centre & 0xFF);
    EXPECT_GT(s.nearEdge & 0xFF, 0u);
}

TEST(Solids, BoxesHaveTheirSizes)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    // A face at distance d with half-sizes a, b covers (a/d)(b/d)/tan^2(15 degrees).
    const double t = 0.267949192431123;
    auto expected = [&](double a, double b, double d) { return (a / d / t) * (b / d / t); };
    EXPECT_NEAR(shoot(h, ID("oauxSolidCube"), {1.0}, false).share, expected(0.5, 0.5, 4.5), 0.01);
    EXPECT_NEAR(shoot(h, ID("oauxSolidBox"), {1.0, 0.5, 2.0}, false).share, expected(0.5, 0.25, 4.0), 0.01);
}

TEST(Solids, EveryWireAndSolidFormDraws)
{
    Hosted h;
    ASSERT_TRUE(h.created);
    // The wire teapot's mesh is dense enough to cover nearly its silhouette.
    struct Pair { const char *wire, *solid; std::vector<Variant> args; double solidOverWire = 1.5; };
    const Pair pairs[] = {
        {"oauxWireSphere", "oauxSolidSphere", {1.0}},
        {"oauxWireCube", "oauxSolidCube", {1.0}},
        {"oauxWireBox", "oauxSolidBox", {1.0, 0.5, 0.7}},
        {"oauxWireTorus", "oauxSolidTorus", {0.2, 0.6}},
        {"oauxWireCylinder", "oauxSolidCylinder", {0.5, 1.0}},
        {"oauxWireCone", "oauxSolidCone", {0.5, 1.0}},
        {"oauxWireIcosahedron", "oauxSolidIcosahedron", {1.0}},
        {"oauxWireOctahedron", "oauxSolidOctahedron", {1.0}},
        {"oauxWireTetrahedron", "oauxSolidTetrahedron", {0.4}},
        {"oauxWireDodecahedron", "oauxSolidDodecahedron", {1.0}},
        {"oauxWireTeapot", "oauxSolidTeapot", {1.0}, 0.9},
    };
    for (const auto& p : pairs) {
        const hosting::DispId wire = h.control->idOfName(p.wire), solid = h.control->idOfName(p.solid);
        std::vector<Variant> args = p.args;
        if (solid == ID("oauxSolidSphere")) args = {1.0f};
        const double w = shoot(h, wire, p.args, false).share;
        const double s = shoot(h, solid, args, false).share;
        EXPECT_GT(w, 0.003) << p.wire;
        EXPECT_GT(s, w * p.solidOverWire) << p.solid;
        EXPECT_LT(s, 0.9) << p.solid;
    }
    EXPECT_EQ(*h.call(ID("oglGetError")).get<int16_t>(), GL_NO_ERROR);
}
