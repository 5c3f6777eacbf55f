// The ready-made solids, drawn at the origin in the current model-view
// matrix; wire and solid forms differ only in primitive or draw style.
#include "gl_args.h"
#include "teapot_data.h"
#include "vistrel_ctrl.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace vistrel {

namespace {

using Vec = std::array<double, 3>;

double dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
Vec cross(const Vec& a, const Vec& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec unit(Vec v)
{
    const double n = std::sqrt(dot(v, v));
    return n > 0 ? Vec{v[0] / n, v[1] / n, v[2] / n} : v;
}

// A convex polyhedron centred on the origin, as faces of vertex indices
// ordered counter-clockwise seen from outside, each with its outward normal.
struct Polyhedron {
    std::vector<Vec> vertices;
    std::vector<std::vector<int>> faces;
    std::vector<Vec> normals;
};

// The face facing each direction is the set of vertices furthest along it.
Polyhedron fromFaceDirections(std::vector<Vec> vertices, const std::vector<Vec>& directions)
{
    Polyhedron p;
    p.vertices = std::move(vertices);
    for (const Vec& d0 : directions) {
        const Vec n = unit(d0);
        double best = -1e300;
        for (const Vec& v : p.vertices) best = std::max(best, dot(n, v));
        std::vector<int> face;
        for (int k = 0; k < static_cast<int>(p.vertices.size()); ++k)
            if (dot(n, p.vertices[static_cast<size_t>(k)]) > best - 1e-9 * std::max(1.0, std::fabs(best)))
                face.push_back(k);
        // Order by angle about the normal.
        Vec c{0, 0, 0};
        for (int k : face)
            for (int i = 0; i < 3; ++i) c[static_cast<size_t>(i)] += p.vertices[static_cast<size_t>(k)][static_cast<size_t>(i)] / face.size();
        const Vec seed = p.vertices[static_cast<size_t>(face[0])];
        const Vec u = unit({seed[0] - c[0], seed[1] - c[1], seed[2] - c[2]});
        const Vec w = cross(n, u);
        auto angle = [&](int k) {
            const Vec& v = p.vertices[static_cast<size_t>(k)];
            const Vec r{v[0] - c[0], v[1] - c[1], v[2] - c[2]};
            return std::atan2(dot(r, w), dot(r, u));
        };
        std::sort(face.begin(), face.end(), [&](int a, int b) { return angle(a) < angle(b); });
        p.faces.push_back(face);
        p.normals.push_back(n);
    }
    return p;
}

const Polyhedron& icosahedron()
{
    static const Polyhedron p = [] {
        const double X = 0.525731112119133606, Z = 0.850650808352039932;
        std::vector<Vec> v = {{-X, 0, Z}, {X, 0, Z}, {-X, 0, -Z}, {X, 0, -Z}, {0, Z, X}, {0, Z, -X},
                              {0, -Z, X}, {0, -Z, -X}, {Z, X, 0}, {-Z, X, 0}, {Z, -X, 0}, {-Z, -X, 0}};
        // Its faces look along the dodecahedron's vertex directions.
        const double a = 0.618033988749894848, b = 1.618033988749894848;
        std::vector<Vec> d;
        for (int sx : {-1, 1})
            for (int sy : {-1, 1}) {
                for (int sz : {-1, 1}) d.push_back({1.0 * sx, 1.0 * sy, 1.0 * sz});
                d.push_back({0, a * sx, b * sy});
                d.push_back({a * sx, b * sy, 0});
                d.push_back({b * sx, 0, a * sy});
            }
        return fromFaceDirections(v, d);
    }();
    return p;
}

const Polyhedron& octahedron()
{
    static const Polyhedron p = [] {
        std::vector<Vec> v = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
        std::vector<Vec> d;
        for (int sx : {-1, 1})
            for (int sy : {-1, 1})
                for (int sz : {-1, 1}) d.push_back({1.0 * sx, 1.0 * sy, 1.0 * sz});
        return fromFaceDirections(v, d);
    }();
    return p;
}

const Polyhedron& tetrahedron()
{
    static const Polyhedron p = [] {
        const double T = 1.73205080756887729;
        std::vector<Vec> v = {{T, T, T}, {T, -T, -T}, {-T, T, -T}, {-T, -T, T}};
        std::vector<Vec> d;
        for (const Vec& x : v) d.push_back({-x[0], -x[1], -x[2]}); // each face faces away from one vertex
        return fromFaceDirections(v, d);
    }();
    return p;
}

const Polyhedron& dodecahedron()
{
    static const Polyhedron p = [] {
        const double alpha = std::sqrt(2.0 / (3.0 + std::sqrt(5.0)));
        const double beta = 1.0 + std::sqrt(6.0 / (3.0 + std::sqrt(5.0)) - 2.0 + 2.0 * alpha);
        std::vector<Vec> v = {{-alpha, 0, beta}, {alpha, 0, beta}, {-1, -1, -1}, {-1, -1, 1}, {-1, 1, -1},
                              {-1, 1, 1},        {1, -1, -1},      {1, -1, 1},   {1, 1, -1},   {1, 1, 1},
                              {beta, alpha, 0},  {beta, -alpha, 0}, {-beta, alpha, 0}, {-beta, -alpha, 0},
                              {-alpha, 0, -beta}, {alpha, 0, -beta}, {0, beta, alpha}, {0, beta, -alpha},
                              {0, -beta, alpha}, {0, -beta, -alpha}};
        // Its faces look along the icosahedron's vertex directions.
        const double phi = 1.618033988749894848;
        std::vector<Vec> d;
        for (int s1 : {-1, 1})
            for (int s2 : {-1, 1}) {
                d.push_back({0, 1.0 * s1, phi * s2});
                d.push_back({1.0 * s1, phi * s2, 0});
                d.push_back({phi * s2, 0, 1.0 * s1});
            }
        return fromFaceDirections(v, d);
    }();
    return p;
}

void drawPolyhedron(const Polyhedron& p, double scale, bool solid)
{
    for (size_t f = 0; f < p.faces.size(); ++f) {
        const auto& face = p.faces[f];
        glBegin(solid ? (face.size() == 3 ? GL_TRIANGLES : GL_TRIANGLE_FAN) : GL_LINE_LOOP);
        glNormal3dv(p.normals[f].data());
        for (int k : face) {
            const Vec& v = p.vertices[static_cast<size_t>(k)];
            glVertex3d(v[0] * scale, v[1] * scale, v[2] * scale);
        }
        glEnd();
    }
}

void drawBox(double width, double depth, double height, bool solid)
{
    static constexpr double normals[6][3] = {{-1, 0, 0}, {0, 1, 0}, {1, 0, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    static constexpr int faces[6][4] = {{0, 1, 2, 3}, {3, 2, 6, 7}, {7, 6, 5, 4}, {4, 5, 1, 0}, {5, 6, 2, 1}, {7, 4, 0, 3}};
    const double x = width / 2, y = depth / 2, z = height / 2;
    const double v[8][3] = {{-x, -y, -z}, {-x, -y, z}, {-x, y, z}, {-x, y, -z},
                            {x, -y, -z},  {x, -y, z},  {x, y, z},  {x, y, -z}};
    for (int f = 0; f < 6; ++f) {
        glBegin(solid ? GL_QUADS : GL_LINE_LOOP);
        glNormal3dv(normals[f]);
        for (int k = 0; k < 4; ++k) glVertex3dv(v[faces[f][k]]);
        glEnd();
    }
}

void drawTorus(double tube, double ring, bool solid)
{
    constexpr int rings = 15, sides = 8;
    const double twoPi = 2.0 * M_PI;
    for (int i = 0; i < rings; ++i) {
        const double theta[2] = {i * twoPi / rings, (i + 1) * twoPi / rings};
        for (int j = 0; j < sides; ++j) {
            const double phi[2] = {j * twoPi / sides, (j + 1) * twoPi / sides};
            glBegin(solid ? GL_QUADS : GL_LINE_LOOP);
            const int order[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
            for (const auto& o : order) {
                const double t = theta[o[0]], p = phi[o[1]];
                const double c = std::cos(t), s = std::sin(t), cp = std::cos(p), sp = std::sin(p);
                glNormal3d(cp * c, -cp * s, sp);
                const double dist = cp * tube + ring;
                glVertex3d(dist * c, -dist * s, sp * tube);
            }
            glEnd();
        }
    }
}

void drawTeapot(double size, bool solid)
{
    const int grid = solid ? 14 : 10;
    const GLenum mode = solid ? GL_FILL : GL_LINE;
    static const float tex[2][2][2] = {{{0, 0}, {1, 0}}, {{0, 1}, {1, 1}}};
    glPushAttrib(GL_ENABLE_BIT | GL_EVAL_BIT);
    glEnable(GL_AUTO_NORMAL);
    glEnable(GL_NORMALIZE);
    glEnable(GL_MAP2_VERTEX_3);
    glEnable(GL_MAP2_TEXTURE_COORD_2);
    glPushMatrix();
    glRotatef(270.0f, 1.0f, 0.0f, 0.0f);
    glScaled(0.5 * size, 0.5 * size, 0.5 * size);
    glTranslatef(0.0f, 0.0f, -1.5f);
    auto draw = [&](const float (&patch)[4][4][3]) {
        glMap2f(GL_MAP2_VERTEX_3, 0, 1, 3, 4, 0, 1, 12, 4, &patch[0][0][0]);
        glMap2f(GL_MAP2_TEXTURE_COORD_2, 0, 1, 2, 2, 0, 1, 4, 2, &tex[0][0][0]);
        glMapGrid2f(grid, 0.0f, 1.0f, grid, 0.0f, 1.0f);
        glEvalMesh2(mode, 0, grid, 0, grid);
    };
    for (int i = 0; i < 10; ++i) {
        float p[4][4][3], q[4][4][3], r[4][4][3], s[4][4][3];
        for (int j = 0; j < 4; ++j)
            for (int k = 0; k < 4; ++k)
                for (int l = 0; l < 3; ++l) {
                    const float straight = teapot::kPoints[teapot::kPatches[i][j * 4 + k]][l];
                    const float reversed = teapot::kPoints[teapot::kPatches[i][j * 4 + (3 - k)]][l];
                    p[j][k][l] = straight;
                    q[j][k][l] = l == 1 ? -reversed : reversed; // mirror in y
                    r[j][k][l] = l == 0 ? -reversed : reversed; // mirror in x
                    s[j][k][l] = l < 2 ? -straight : straight;  // mirror in both
                }
        draw(p);
        draw(q);
        if (i < 6) {
            draw(r);
            draw(s);
        }
    }
    glPopMatrix();
    glPopAttrib();
}

} // namespace

// Shared by every control: one quadric for the quadric solids, made on demand.
GLUquadric* sharedQuadric()
{
    static GLUquadric* q = nullptr;
    if (!q) q = gluNewQuadric();
    return q;
}

bool CVistrelCtrl::drawSolid(hosting::DispId id, const Args& a)
{
    auto quadricSolid = [](bool solid) -> GLUquadric* {
        GLUquadric* q = sharedQuadric();
        if (!q) return nullptr;
        gluQuadricDrawStyle(q, solid ? GLU_FILL : GLU_LINE);
        gluQuadricNormals(q, GLU_SMOOTH);
        return q;
    };
    const double x = id == 13 ? a[0].f : a[0].d; // oauxSolidSphere takes a single
    switch (id) {
    case 13:
    case 17:
        if (auto* q = quadricSolid(id == 13)) gluSphere(q, x, 16, 16);
        return true;
    case 21:
    case 30:
        if (auto* q = quadricSolid(id == 30)) gluCylinder(q, x, x, a[1].d, 12, 2);
        return true;
    case 23:
    case 24:
        if (auto* q = quadricSolid(id == 24)) gluCylinder(q, x, 0.0, a[1].d, 15, 10);
        return true;
    case 18: drawBox(x, x, x, false); return true;
    case 27: drawBox(x, x, x, true); return true;
    case 19: drawBox(x, a[1].d, a[2].d, false); return true;
    case 28: drawBox(x, a[1].d, a[2].d, true); return true;
    case 20: drawTorus(x, a[1].d, false); return true;
    case 29: drawTorus(x, a[1].d, true); return true;
    case 31: case 32: drawPolyhedron(icosahedron(), x, id == 32); return true;
    case 33: case 34: drawPolyhedron(octahedron(), x, id == 34); return true;
    case 35: case 36: drawPolyhedron(tetrahedron(), x, id == 36); return true;
    case 37: case 38: drawPolyhedron(dodecahedron(), x / 2, id == 38); return true;
    case 25: drawTeapot(x, false); return true;
    case 26: drawTeapot(x, true); return true;
    default: return false;
    }
}

} // namespace vistrel
