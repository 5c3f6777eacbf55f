// Font display lists from the Font property: bitmaps from Qt's glyph images,
// outlines from the glyph paths, filled through the GLU tessellator.
#include "gl_args.h"
#include "vistrel_ctrl.h"

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRawFont>

#include <cmath>
#include <deque>
#include <vector>

namespace vistrel {

namespace {

QFont toQFont(const hosting::FontDesc& d)
{
    QFont f(QString::fromStdString(d.family));
    f.setPointSizeF(d.pointSize > 0 ? d.pointSize : 8.25);
    f.setWeight(static_cast<QFont::Weight>(std::clamp(d.weight, 100, 900)));
    f.setItalic(d.italic);
    f.setUnderline(d.underline);
    f.setStrikeOut(d.strikeout);
    return f;
}

quint32 glyphFor(const QRawFont& font, int code)
{
    if (code < 0 || code > 0xFFFF) return 0;
    const QChar c(static_cast<char16_t>(code));
    QList<quint32> glyphs = font.glyphIndexesForString(QString(c));
    return glyphs.isEmpty() ? 0 : glyphs.first();
}

// Collects the triangles the tessellator makes from a glyph's contours.
struct TessSink {
    std::vector<std::array<double, 3>> triangles;
    std::deque<std::array<double, 3>> combined;
};

void GLAPIENTRY tessBegin(GLenum, void*) {}
void GLAPIENTRY tessEdge(GLboolean, void*) {} // forces plain triangles
void GLAPIENTRY tessVertex(void* vertex, void* data)
{
    static_cast<TessSink*>(data)->triangles.push_back(*static_cast<std::array<double, 3>*>(vertex));
}
void GLAPIENTRY tessCombine(GLdouble coords[3], void*[4], GLfloat[4], void** out, void* data)
{
    auto& v = static_cast<TessSink*>(data)->combined.emplace_back(std::array<double, 3>{coords[0], coords[1], coords[2]});
    *out = v.data();
}

// Flattened contours of a glyph in em units, y up.
std::vector<QPolygonF> contours(const QRawFont& font, quint32 glyph, double em, double deviation)
{
    // Qt flattens curves to about half a unit; scaling by 0.5/deviation
    // makes that half unit the wanted deviation in em units.
    const double k = 0.5 / std::clamp(deviation, 1e-4, 1.0);
    QTransform toEm;
    toEm.scale(k / em, -k / em);
    std::vector<QPolygonF> out;
    for (QPolygonF poly : font.pathForGlyph(glyph).toSubpathPolygons(toEm)) {
        for (QPointF& p : poly) p /= k;
        if (poly.size() > 1 && poly.first() == poly.last()) poly.removeLast();
        if (poly.size() >= 3) out.push_back(poly);
    }
    return out;
}

void emitOutline(const std::vector<QPolygonF>& polys, float extrusion, int format)
{
    const double back = -static_cast<double>(extrusion);
    if (format == 0) {
        for (const QPolygonF& poly : polys) {
            glBegin(GL_LINE_LOOP);
            for (const QPointF& p : poly) glVertex3d(p.x(), p.y(), 0.0);
            glEnd();
            if (extrusion > 0) {
                glBegin(GL_LINE_LOOP);
                for (const QPointF& p : poly) glVertex3d(p.x(), p.y(), back);
                glEnd();
                glBegin(GL_LINES);
                for (const QPointF& p : poly) glVertex3d(p.x(), p.y(), 0.0), glVertex3d(p.x(), p.y(), back);
                glEnd();
            }
        }
        return;
    }
    TessSink sink;
    std::deque<std::array<double, 3>> points;
    GLUtesselator* tess = gluNewTess();
    if (!tess) return;
    gluTessCallback(tess, GLU_TESS_BEGIN_DATA, reinterpret_cast<_GLUfuncptr>(&tessBegin));
    gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<_GLUfuncptr>(&tessEdge));
    gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<_GLUfuncptr>(&tessVertex));
    gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(&tessCombine));
    gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    gluTessNormal(tess, 0, 0, 1);
    gluTessBeginPolygon(tess, &sink);
    for (const QPolygonF& poly : polys) {
        gluTessBeginContour(tess);
        for (const QPointF& p : poly) {
            auto& v = points.emplace_back(std::array<double, 3>{p.x(), p.y(), 0.0});
            gluTessVertex(tess, v.data(), v.data());
        }
        gluTessEndContour(tess);
    }
    gluTessEndPolygon(tess);
    gluDeleteTess(tess);

    glBegin(GL_TRIANGLES);
    glNormal3d(0, 0, 1);
    for (const auto& v : sink.triangles) glVertex3d(v[0], v[1], 0.0);
    if (extrusion > 0) {
        glNormal3d(0, 0, -1);
        for (size_t t = 0; t + 2 < sink.triangles.size(); t += 3)
            for (size_t k : {t + 2, t + 1, t}) glVertex3d(sink.triangles[k][0], sink.triangles[k][1], back);
    }
    glEnd();
    if (extrusion > 0) {
        glBegin(GL_QUADS);
        for (const QPolygonF& poly : polys) {
            for (qsizetype i = 0; i < poly.size(); ++i) {
                const QPointF a = poly[i], b = poly[(i + 1) % poly.size()];
                const QPointF d = b - a;
                const double len = std::hypot(d.x(), d.y());
                if (len > 0) glNormal3d(d.y() / len, -d.x() / len, 0);
                glVertex3d(a.x(), a.y(), 0.0), glVertex3d(a.x(), a.y(), back);
                glVertex3d(b.x(), b.y(), back), glVertex3d(b.x(), b.y(), 0.0);
            }
        }
        glEnd();
    }
}

} // namespace

bool CVistrelCtrl::useFontBitmaps(int first, int count, int listBase)
{
    const bool wasCurrent = isCurrent();
    bool ok = count >= 0 && first >= 0 && static_cast<uint16_t>(listBase) != 0 && makeCurrent();
    QRawFont font;
    if (ok) {
        font = QRawFont::fromFont(toQFont(props_.font));
        ok = font.isValid();
    }
    if (ok) {
        GLint alignment = 4;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        for (int n = 0; n < count; ++n) {
            const quint32 glyph = glyphFor(font, first + n);
            const QImage alpha = font.alphaMapForGlyph(glyph, QRawFont::PixelAntialiasing);
            const QRectF box = font.boundingRect(glyph);
            const QPointF advance = font.advancesForGlyphIndexes(QList<quint32>{glyph}).value(0);
            // One bit per pixel, rows bottom first, as glBitmap takes them.
            const int w = alpha.width(), h = alpha.height(), rowBytes = (w + 7) / 8;
            std::vector<GLubyte> bits(static_cast<size_t>(rowBytes) * std::max(h, 1));
            for (int y = 0; y < h; ++y) {
                const int row = h - 1 - y;
                for (int x = 0; x < w; ++x)
                    if (qAlpha(alpha.pixel(x, y)) > 127 || qGray(alpha.pixel(x, y)) > 127)
                        bits[static_cast<size_t>(row * rowBytes + x / 8)] |= static_cast<GLubyte>(0x80 >> (x % 8));
            }
            const float xorig = static_cast<float>(-std::floor(box.left()));
            const float yorig = static_cast<float>(std::floor(box.top()) + h);
            glNewList(static_cast<GLuint>(static_cast<uint16_t>(listBase)) + static_cast<GLuint>(n), GL_COMPILE);
            glBitmap(w, h, xorig, yorig, static_cast<float>(advance.x()), static_cast<float>(-advance.y()),
                     w && h ? bits.data() : nullptr);
            glEndList();
        }
        glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    }
    if (!wasCurrent && !held_ && !painting_) releaseCurrent();
    if (!ok) notify(hosting::MessageKind::Error, "Character list not generated");
    return ok;
}

bool CVistrelCtrl::useFontOutlines(int first, int count, int listBase, float deviation, float extrusion, int format)
{
    const bool wasCurrent = isCurrent();
    bool ok = count >= 0 && first >= 0 && static_cast<uint16_t>(listBase) != 0 && (format == 0 || format == 1) &&
              makeCurrent();
    QRawFont font;
    if (ok) {
        font = QRawFont::fromFont(toQFont(props_.font));
        ok = font.isValid();
    }
    if (ok) {
        const double em = 1024.0;
        font.setPixelSize(em);
        metrics_.fill(GlyphMetrics{});
        for (int n = 0; n < count; ++n) {
            const quint32 glyph = glyphFor(font, first + n);
            const QRectF box = font.boundingRect(glyph);
            const QPointF advance = font.advancesForGlyphIndexes(QList<quint32>{glyph}).value(0);
            if (n < static_cast<int>(metrics_.size())) {
                // Only the first 256 glyphs of a range have metrics records.
                GlyphMetrics& m = metrics_[static_cast<size_t>(n)];
                m.blackBoxX = static_cast<float>(box.width() / em);
                m.blackBoxY = static_cast<float>(box.height() / em);
                m.originX = static_cast<float>(box.left() / em);
                m.originY = static_cast<float>(-box.top() / em);
                m.cellIncX = static_cast<float>(advance.x() / em);
                m.cellIncY = static_cast<float>(-advance.y() / em);
            }
            glNewList(static_cast<GLuint>(static_cast<uint16_t>(listBase)) + static_cast<GLuint>(n), GL_COMPILE);
            emitOutline(contours(font, glyph, em, deviation), std::isfinite(extrusion) ? extrusion : 0.0f, format);
            glTranslated(advance.x() / em, -advance.y() / em, 0.0);
            glEndList();
        }
    }
    if (!wasCurrent && !held_ && !painting_) releaseCurrent();
    if (!ok) notify(hosting::MessageKind::Error, "Character list not generated");
    return ok;
}

} // namespace vistrel
