// Painting a core display list with QPainter: the logical-to-device mapping
// is a QTransform, lines are cosmetic (their width is in device pixels
// whatever the scale), texts are drawn upright at their device position.
#pragma once

#include <QColor>
#include <QTransform>

#include "model/hull_design.h"
#include "views/display_list.h"
#include "views/view_mapping.h"

class QPainter;

namespace skelmora::app {

// 0x00BBGGRR <-> QColor.
inline QColor ToQColor(Rgb rgb) {
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}
inline Rgb FromQColor(const QColor& color) {
  return static_cast<Rgb>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

// Logical (y up) to device (y down) for a mapping.
inline QTransform LogicalToDevice(const ViewMapping& m) {
  return QTransform(m.pixelsPerLogical, 0, 0, -m.pixelsPerLogical, m.originX, m.originY);
}

struct PaintStyle {
  int lineWidth = 0;        // cosmetic pen width in device pixels (0 = 1 pixel)
  // Messages ("No Reference Hull In Memory") start at this device point,
  // one line each.
  QPointF messageOrigin{4, 4};
};

// Every item in list order. The painter's own transform is combined with
// the mapping, so a printer can pre-scale.
void PaintDisplayList(QPainter& painter, const DisplayList& list, const ViewMapping& mapping,
                      const PaintStyle& style = {});

// Drag feedback in XOR: each line of `list` drawn with the colour
// lineColor ^ paper, so a line over paper shows lineColor and one drawn
// twice vanishes.
void PaintXorLines(QPainter& painter, const DisplayList& list, const ViewMapping& mapping,
                   Rgb paper);

}  // namespace skelmora::app
