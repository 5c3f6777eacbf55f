#include "views/paint_list.h"

#include <QPainter>
#include <QPen>
#include <QPoint>
#include <vector>

namespace skelmora::app {

namespace {

// LogicalPoint and QPoint are both two ints; the copy keeps the two types
// independent of each other's layout.
const QPoint* ToQPoints(std::span<const LogicalPoint> in, std::vector<QPoint>& out) {
  out.resize(in.size());
  for (size_t i = 0; i < in.size(); ++i) out[i] = QPoint(in[i].x, in[i].y);
  return out.data();
}

QPen CosmeticPen(const QColor& color, int width) {
  QPen pen(color);
  pen.setWidth(width);
  pen.setCosmetic(true);
  return pen;
}

}  // namespace

void PaintDisplayList(QPainter& painter, const DisplayList& list, const ViewMapping& mapping,
                      const PaintStyle& style) {
  const QTransform outer = painter.transform();
  const QTransform toDevice = LogicalToDevice(mapping) * outer;
  painter.setTransform(toDevice);
  painter.setBrush(Qt::NoBrush);

  std::vector<QPoint> buffer;
  Rgb penColor = -1;
  auto usePen = [&](Rgb color) {
    if (color == penColor) return;
    penColor = color;
    painter.setPen(CosmeticPen(ToQColor(color), style.lineWidth));
  };

  const QFontMetrics metrics = painter.fontMetrics();
  int messageLine = 0;
  for (const DisplayList::Item& item : list.items()) {
    switch (item.kind) {
      case DisplayList::Kind::kPolyline: {
        const Polyline& line = list.polylines()[item.index];
        usePen(line.color);
        const auto points = list.Points(line);
        painter.drawPolyline(ToQPoints(points, buffer), static_cast<int>(points.size()));
        break;
      }
      case DisplayList::Kind::kSquare: {
        const Square& square = list.squares()[item.index];
        const QRect rect(square.centre.x - square.halfSize, square.centre.y - square.halfSize,
                         2 * square.halfSize, 2 * square.halfSize);
        if (square.filled) {
          painter.fillRect(rect, ToQColor(square.color));
        } else {
          usePen(square.color);
          painter.drawRect(rect);
        }
        break;
      }
      case DisplayList::Kind::kLabel: {
        const Label& label = list.labels()[item.index];
        const QPointF at = toDevice.map(QPointF(label.anchor.x, label.anchor.y));
        painter.setTransform(outer);
        painter.setPen(ToQColor(label.color));
        painter.drawText(at, QString::fromStdString(label.text));
        painter.setTransform(toDevice);
        penColor = -1;
        break;
      }
      case DisplayList::Kind::kMessage: {
        const Message& message = list.messages()[item.index];
        painter.setTransform(outer);
        painter.setPen(ToQColor(message.color));
        const QPointF at = style.messageOrigin +
                           QPointF(0, metrics.ascent() + messageLine++ * metrics.lineSpacing());
        painter.drawText(at, QString::fromStdString(message.text));
        painter.setTransform(toDevice);
        penColor = -1;
        break;
      }
    }
  }
  painter.setTransform(outer);
}

void PaintXorLines(QPainter& painter, const DisplayList& list, const ViewMapping& mapping,
                   Rgb paper) {
  painter.save();
  painter.setTransform(LogicalToDevice(mapping) * painter.transform());
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  std::vector<QPoint> buffer;
  for (const Polyline& line : list.polylines()) {
    painter.setPen(CosmeticPen(ToQColor(line.color ^ paper), 0));
    const auto points = list.Points(line);
    painter.drawPolyline(ToQPoints(points, buffer), static_cast<int>(points.size()));
  }
  painter.restore();
}

}  // namespace skelmora::app
