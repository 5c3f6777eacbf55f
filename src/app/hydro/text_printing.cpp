#include "hydro/text_printing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace skelmora::app {

namespace {

constexpr double kTextPointSize = 10.0;
constexpr double kSmallestPointSize = 5.0;

QFont FixedFont(double points) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(points);
  return font;
}

}  // namespace

PrintOutcome PrintTextLines(QPrinter& printer, const std::string& text, bool onePage,
                            const PageHeading& heading) {
  QString all = QString::fromStdString(text);
  if (all.endsWith(QLatin1Char('\n'))) all.chop(1);
  const QStringList lines = all.split(QLatin1Char('\n'));
  QPainter painter;
  if (!painter.begin(&printer)) return PrintOutcome::kNotStarted;
  const QRect page = painter.viewport();

  // Measured at the normal size; a fixed-pitch font scales in proportion.
  double points = kTextPointSize;
  {
    const QFontMetricsF metrics(FixedFont(points), painter.device());
    double widest = 0.0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest > page.width()) points *= page.width() / widest;
    const double tall = metrics.lineSpacing() * lines.size();
    if (onePage && tall > page.height()) {
      points = std::min(points, kTextPointSize * page.height() / tall);
    }
    points = std::max(kSmallestPointSize, std::floor(points * 4.0) / 4.0);
  }
  painter.setFont(FixedFont(points));
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double step = metrics.lineSpacing();
  double top = 0.0;
  if (heading) {
    painter.save();
    top = std::clamp(heading(painter, page), 0.0, static_cast<double>(page.height()));
    painter.restore();
  }
  double y = top + metrics.ascent();
  PrintOutcome outcome = PrintOutcome::kPrinted;
  for (const QString& line : lines) {
    if (y + metrics.descent() > page.height()) {
      if (!printer.newPage()) {
        outcome = PrintOutcome::kFailed;
        break;
      }
      y = metrics.ascent();
    }
    painter.drawText(QPointF(0.0, y), line);
    y += step;
  }
  if (!painter.end() && outcome == PrintOutcome::kPrinted) outcome = PrintOutcome::kFailed;
  return outcome;
}

void CopyPrinterSettings(const QPrinter& from, QPrinter& to) {
  to.setOutputFormat(from.outputFormat());
  if (from.outputFormat() == QPrinter::NativeFormat) {
    to.setPrinterName(from.printerName());
  } else {
    to.setOutputFileName(from.outputFileName());
  }
  to.setPageLayout(from.pageLayout());
  to.setCopyCount(from.copyCount());
  to.setCollateCopies(from.collateCopies());
  to.setColorMode(from.colorMode());
  to.setDuplex(from.duplex());
  to.setPrintRange(from.printRange());
  to.setFromTo(from.fromPage(), from.toPage());
  to.setFullPage(from.fullPage());
  to.setDocName(from.docName());
}

ReportPrinter::ReportPrinter(const QPrinter& setup, Prompter& prompter, PrintDialogRunner dialog)
    : setup_(setup), prompter_(prompter), dialog_(std::move(dialog)) {}

void ReportPrinter::PrepareJob(QPrinter& job, QPageLayout::Orientation orientation) const {
  const QPageLayout layout = setup_.pageLayout();
  job.setPageSize(layout.pageSize());
  job.setPageMargins(layout.margins(), layout.units());
  job.setPageOrientation(orientation);
}

bool ReportPrinter::Print(QWidget* parent, const std::string& text, bool onePage,
                          const PageHeading& heading,
                          QPageLayout::Orientation orientation) {
  PrintOutcome outcome = PrintOutcome::kNotStarted;
  {
    QPrinter job(QPrinter::HighResolution);
    // The printer chosen in the set-up, else the default one (a fresh
    // printer starts on it); a PDF file of File › Print is not taken over.
    if (setup_.outputFormat() == QPrinter::NativeFormat && !setup_.printerName().isEmpty()) {
      job.setPrinterName(setup_.printerName());
    }
    if (job.outputFormat() == QPrinter::NativeFormat && !job.printerName().isEmpty()) {
      PrepareJob(job, orientation);
      outcome = PrintTextLines(job, text, onePage, heading);
    }
  }
  if (outcome == PrintOutcome::kNotStarted) {
    prompter_.ShowInformation(kNoPrinterMessage);
    QPrinter chosen(QPrinter::HighResolution);
    PrepareJob(chosen, orientation);
    if (!dialog_ || !dialog_(chosen, parent)) return false;
    outcome = PrintTextLines(chosen, text, onePage, heading);
  }
  switch (outcome) {
    case PrintOutcome::kPrinted:
      return true;
    case PrintOutcome::kFailed:
      prompter_.ShowError(kPrintingFailedMessage);
      return false;
    case PrintOutcome::kNotStarted:
      break;
  }
  prompter_.ShowError(kPrinterNotStartedMessage);
  return false;
}

}  // namespace skelmora::app
