#include "stability/section_box.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace skelmora::app {

SectionBox::SectionBox(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PaintBox"));
  setMinimumSize(280, 220);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

void SectionBox::ShowSections(std::vector<HeeledSection> sections, const HullExtents& extents,
                              Rgb colour) {
  sections_ = std::move(sections);
  extents_ = extents;
  colour_ = colour;
  update();
}

void SectionBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const double w = width(), h = height();
  // Origin at the centre, z up; the hull's largest reach (a heeled hull
  // can turn its depth sideways) with a margin of 1.6 fits the box.
  const double reach = std::max({extents_.halfBreadth, std::fabs(extents_.highestZ),
                                 std::fabs(extents_.lowestZ), 1e-6});
  const double scale = std::min(w, h) / (1.6 * 2.0 * reach);
  auto at = [&](double x, double z) { return QPointF(w / 2 + x * scale, h / 2 - z * scale); };

  painter.setPen(QPen(Qt::blue, 1));
  painter.drawLine(QPointF(0, h / 2), QPointF(w, h / 2));
  painter.drawLine(QPointF(w / 2, 0), QPointF(w / 2, h));
  painter.drawText(QRectF(w - 40, h / 2 - 18, 38, 16), Qt::AlignRight, QStringLiteral("Lwl"));
  painter.drawText(QRectF(w / 2 + 4, 2, w / 2 - 6, 16), Qt::AlignLeft,
                   QStringLiteral("Center Line"));

  const QColor colour(colour_ & 0xFF, (colour_ >> 8) & 0xFF, (colour_ >> 16) & 0xFF);
  painter.setPen(QPen(colour, 1));
  for (const HeeledSection& s : sections_) {
    if (s.empty) continue;
    QPainterPath path(at(s.x[0], s.z[0]));
    for (int k = 1; k <= s.last; ++k) path.lineTo(at(s.x[k], s.z[k]));
    painter.drawPath(path);
  }
}

}  // namespace skelmora::app
