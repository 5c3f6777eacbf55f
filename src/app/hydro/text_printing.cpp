#include "hydro/text_printing.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

namespace skelmora::app {

bool PrintTextLines(QPrinter& printer, const std::string& text) {
  QString all = QString::fromStdString(text);
  if (all.endsWith(QLatin1Char('\n'))) all.chop(1);
  const QStringList lines = all.split(QLatin1Char('\n'));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  QFont font(QStringLiteral("Courier New"), 10);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  painter.setFont(font);
  const QFontMetrics metrics(painter.font(), painter.device());
  const QRect page = painter.viewport();
  const int step = metrics.lineSpacing();
  int y = metrics.ascent();
  bool ok = true;
  for (const QString& line : lines) {
    if (y + metrics.descent() > page.height()) {
      if (!printer.newPage()) {
        ok = false;
        break;
      }
      y = metrics.ascent();
    }
    painter.drawText(0, y, line);
    y += step;
  }
  painter.end();
  return ok;
}

}  // namespace skelmora::app
