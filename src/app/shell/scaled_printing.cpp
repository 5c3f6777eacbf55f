#include "shell/scaled_printing.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "files/design_file.h"
#include "files/older_file.h"
#include "files/text_io.h"
#include "model/shown_calculations.h"
#include "model/silent_prompter.h"
#include "views/paint_list.h"

namespace skelmora::app {

void PageInches(const QPrinter& printer, double& width, double& height) {
  const QRectF page = printer.pageRect(QPrinter::Inch);
  width = page.width();
  height = page.height();
}

bool PrintScaledHull(QPrinter& printer, AppState& state, PrintView view, double printScale,
                     const QString& label, const QFont& font) {
  HullDesign& design = state.design;
  if (!design.DesignOpen) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = painter.viewport();
  const double dpi = printer.resolution();
  painter.fillRect(page, ToQColor(design.PaperColor));

  auto scratch = std::make_unique<DrawScratch>();
  DrawInputs inputs;
  inputs.options = &state.viewOptions;
  inputs.attached = &state.attached;
  inputs.calculations = ShownCalculations(state);
  const std::vector<PrintPanel> panels =
      LayOutScaledPrint(design, *state.surface, inputs, *scratch, view, printScale, dpi,
                        page.width(), page.height());
  PaintStyle style;
  // About 0.2 mm.
  style.lineWidth = std::max(1, qRound(dpi / 127.0));
  for (const PrintPanel& panel : panels) PaintDisplayList(painter, panel.list, panel.mapping, style);

  QFont text = font;
  if (text.pointSizeF() <= 0) text.setPointSize(10);
  painter.setFont(text);
  painter.setPen(Qt::black);
  const QString scaleText =
      QStringLiteral("Scale %1 in = 1 ft (%2)")
          .arg(QString::fromStdString(FormatFixed(printScale, 0, 4)),
               QString::fromStdString(ScaleRatioText(printScale)));
  const int line = painter.fontMetrics().height();
  painter.drawText(QRect(page.left(), page.bottom() - 2 * line, page.width(), 2 * line),
                   Qt::AlignLeft | Qt::AlignBottom, label + QStringLiteral("\n") + scaleText);
  return painter.end();
}

namespace {

bool LoadForPrint(const QString& file, AppState& state, std::string& message) {
  const std::string path = file.toStdString();
  const QString suffix = QFileInfo(file).suffix().toLower();
  if (suffix == QLatin1String("s98")) {
    if (!ReadDesignFile(state.design, *state.surface, path, message)) return false;
  } else if (suffix == QLatin1String("shl")) {
    SilentPrompter nobody;
    OlderReadOptions options;
    options.renameCurrentFormat = false;
    if (ReadOlderFile(state.design, *state.surface, path, nobody, message, options) !=
        OlderRead::kRead) {
      return false;
    }
  } else {
    message = "This file type is NOT a SKELMORA hull file";
    return false;
  }
  state.design.DesignFileName = QFileInfo(file).absoluteFilePath().toStdString();
  state.Regenerate(Change::kExtents);
  return true;
}

}  // namespace

int RunBatchPrint(const QString& view, const QString& file, const QString& scale,
                  const QString& out, const QString& label, std::ostream& err) {
  const std::optional<PrintView> printView = PrintViewFromKeyword(view.toStdString());
  if (!printView) {
    err << "--print needs body, plan, profile, perspective or all\n";
    return 2;
  }
  const std::optional<double> wanted = TryParseReal(scale.toStdString());
  if (file.isEmpty() || out.isEmpty() || !wanted || !(*wanted > 0.0)) {
    err << "usage: skelmora --print VIEW FILE.s98 --scale S --out FILE.pdf [--label TEXT]\n";
    return 2;
  }
  AppState state;
  std::string message;
  if (!LoadForPrint(file, state, message)) {
    err << message << '\n';
    return 1;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(out);
  // A lines plan is wider than high, as the program's printer is set up.
  printer.setPageOrientation(QPageLayout::Landscape);
  double width, height;
  PageInches(printer, width, height);
  const double maxScale = MaxPrintScale(PrintSpansOf(state.design, *state.surface, *printView),
                                        DesignUnitsPerInch(state.design), width, height);
  const double printScale = ClampPrintScale(*wanted, maxScale);
  if (printScale < *wanted) {
    err << "The scale " << FormatFixed(*wanted, 0, 4) << " does not fit the page; printed at "
        << FormatFixed(printScale, 0, 4) << ", the largest that does.\n";
  }
  const QString text = label.isEmpty() ? QStringLiteral("Scaled Print of ") +
                                             QString::fromStdString(state.design.DesignFileName)
                                       : label;
  if (!PrintScaledHull(printer, state, *printView, printScale, text, QFont())) {
    err << "Cannot save the file: " << out.toStdString() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace skelmora::app
