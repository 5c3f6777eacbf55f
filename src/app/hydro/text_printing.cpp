#include "hydro/text_printing.h"

#include <QDir>
#include <QFileInfo>
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
                            const PageHeading& heading, const std::optional<QFont>& font) {
  QString all = QString::fromStdString(text);
  if (all.endsWith(QLatin1Char('\n'))) all.chop(1);
  const QStringList lines = all.split(QLatin1Char('\n'));
  QPainter painter;
  if (!painter.begin(&printer)) return PrintOutcome::kNotStarted;
  const QRect page = painter.viewport();

  // Measured at the asked size; a font scales about in proportion.
  QFont chosen = font ? *font : FixedFont(kTextPointSize);
  if (chosen.pointSizeF() <= 0.0) chosen.setPointSizeF(kTextPointSize);
  const double asked = chosen.pointSizeF();
  double points = asked;
  {
    const QFontMetricsF metrics(chosen, painter.device());
    double widest = 0.0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest > page.width()) points *= page.width() / widest;
    const double tall = metrics.lineSpacing() * lines.size();
    if (onePage && tall > page.height()) points = std::min(points, asked * page.height() / tall);
    if (points < asked) points = std::max(kSmallestPointSize, std::floor(points * 4.0) / 4.0);
  }
  chosen.setPointSizeF(points);
  painter.setFont(chosen);
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

QString DefaultPrintFile(const std::string& designFileName, const std::string& designDirectory,
                         const QString& report) {
  const QFileInfo design(QString::fromStdString(designFileName));
  QString base = design.completeBaseName();
  if (base.isEmpty()) base = QStringLiteral("untitled");
  QString folder = QString::fromStdString(designDirectory);
  if (folder.isEmpty()) folder = designFileName.empty() ? QDir::homePath() : design.absolutePath();
  return QDir(folder).filePath(base + QLatin1Char('-') + report + QStringLiteral(".pdf"));
}

QString ReportName(const QString& title) {
  QString name;
  for (const QChar c : title.toLower()) {
    if (c.isLetterOrNumber()) {
      name += c;
    } else if (!name.isEmpty() && !name.endsWith(QLatin1Char('-'))) {
      name += QLatin1Char('-');
    }
  }
  while (name.endsWith(QLatin1Char('-'))) name.chop(1);
  return name.isEmpty() ? QStringLiteral("report") : name;
}

bool ChoosePdfWhenNoPrinter(QPrinter& printer, const QString& file) {
  if (printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty()) {
    return false;
  }
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  return true;
}

ReportPrinter::ReportPrinter(const QPrinter& setup, Prompter& prompter, PrintDialogRunner dialog,
                             PrintFileNamer namer)
    : setup_(setup), prompter_(prompter), dialog_(std::move(dialog)), namer_(std::move(namer)) {}

void ReportPrinter::PrepareJob(QPrinter& job, QPageLayout::Orientation orientation) const {
  const QPageLayout layout = setup_.pageLayout();
  job.setPageSize(layout.pageSize());
  job.setPageMargins(layout.margins(), layout.units());
  job.setPageOrientation(orientation);
}

bool ReportPrinter::Print(QWidget* parent, const ReportJob& report) {
  const auto ask = [&](QPrinter& printer) { return dialog_ && dialog_(printer, parent); };
  const QString file = namer_ ? namer_(report.name)
                              : DefaultPrintFile({}, {}, report.name);
  PrintOutcome outcome = PrintOutcome::kNotStarted;
  bool asked = false;
  {
    QPrinter job(QPrinter::HighResolution);
    // The printer chosen in the set-up, else the default one (a fresh
    // printer starts on it); a PDF file of File › Print is not taken over.
    if (setup_.outputFormat() == QPrinter::NativeFormat && !setup_.printerName().isEmpty()) {
      job.setPrinterName(setup_.printerName());
    }
    // No printer: straight to the dialog, on a PDF file.
    const bool noPrinter = ChoosePdfWhenNoPrinter(job, file);
    PrepareJob(job, report.orientation);
    if (noPrinter || report.askForPrinter) {
      if (!ask(job)) return false;
      asked = true;
    }
    outcome = PrintTextLines(job, report.text, report.onePage, report.heading, report.font);
  }
  if (outcome == PrintOutcome::kNotStarted && !asked) {
    // The printer is there but would not start: say so and let the user
    // choose another, or a file.
    prompter_.ShowInformation(kPrinterNotOpenedMessage);
    QPrinter chosen(QPrinter::HighResolution);
    chosen.setOutputFormat(QPrinter::PdfFormat);
    chosen.setOutputFileName(file);
    PrepareJob(chosen, report.orientation);
    if (!ask(chosen)) return false;
    outcome = PrintTextLines(chosen, report.text, report.onePage, report.heading, report.font);
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
