#include "shell/scaled_printing.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QtMath>
#include <algorithm>
#include <memory>

#include "files/design_file.h"
#include "files/older_file.h"
#include "files/file_messages.h"
#include "files/text_io.h"
#include "model/shown_calculations.h"
#include "model/silent_prompter.h"
#include "views/paint_list.h"

namespace skelmora::app {

namespace {

// Paper a printer may not reach, in inches: nothing is drawn nearer the
// paper's edge, whatever margins the page was set up with.
constexpr double kLeastMargin = 0.25;
// Between the drawing and the label under it.
constexpr double kLabelGap = 0.1;

QFont LabelFont(const QFont& font) {
  QFont text = font;
  if (text.pointSizeF() <= 0) text.setPointSize(10);
  return text;
}

// The printable part of the page in the painter's device pixels (origin at
// the page's top left), at least kLeastMargin inside the paper.
QRectF PrintableRect(const QPrinter& printer) {
  const double margin = kLeastMargin * printer.resolution();
  const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  return paper.adjusted(margin, margin, -margin, -margin)
      .intersected(page)
      .translated(-page.topLeft());
}

// Where the hull goes: the printable part less the two label lines at its foot.
QRectF DrawingRect(QPrinter& printer, const QFont& font) {
  const QRectF printable = PrintableRect(printer);
  const QFontMetricsF metrics(LabelFont(font), &printer);
  const double label = 2.0 * metrics.lineSpacing() + kLabelGap * printer.resolution();
  return printable.adjusted(0.0, 0.0, 0.0, -std::min(label, printable.height()));
}

}  // namespace

void PageInches(QPrinter& printer, double& width, double& height, const QFont& font) {
  const QRectF area = DrawingRect(printer, font);
  const double dpi = printer.resolution();
  width = area.width() / dpi;
  height = area.height() / dpi;
}

bool PrintScaledHull(QPrinter& printer, AppState& state, PrintView view, double printScale,
                     const QString& label, const QFont& font) {
  HullDesign& design = state.design;
  if (!design.DesignOpen) return false;
  const QRectF printable = PrintableRect(printer);
  const QRectF area = DrawingRect(printer, font);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const double dpi = printer.resolution();
  painter.fillRect(printable, ToQColor(design.PaperColor));

  auto scratch = std::make_unique<DrawScratch>();
  DrawInputs inputs;
  inputs.options = &state.viewOptions;
  inputs.attached = &state.attached;
  inputs.calculations = ShownCalculations(state);
  std::vector<PrintPanel> panels =
      LayOutScaledPrint(design, *state.surface, inputs, *scratch, view, printScale, dpi,
                        qFloor(area.width()), qFloor(area.height()));
  PaintStyle style;
  // About 0.2 mm.
  style.lineWidth = std::max(1, qRound(dpi / 127.0));
  // A drawing larger than the page (a scale past the largest) is cut at the
  // printable edge rather than run off the paper.
  painter.setClipRect(printable);
  for (PrintPanel& panel : panels) {
    panel.mapping.originX += area.left();
    panel.mapping.originY += area.top();
    PaintDisplayList(painter, panel.list, panel.mapping, style);
  }

  const QFont text = LabelFont(font);
  painter.setFont(text);
  painter.setPen(Qt::black);
  const QString scaleText =
      QStringLiteral("Scale %1 in = 1 ft (%2)")
          .arg(QString::fromStdString(FormatFixed(printScale, 0, 4)),
               QString::fromStdString(ScaleRatioText(printScale)));
  painter.drawText(printable, Qt::AlignLeft | Qt::AlignBottom,
                   label + QStringLiteral("\n") + scaleText);
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
    message = kNotHullFileMessage;
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
    err << "The scale " << FormatEcho(*wanted, 4) << " does not fit the page; printed at "
        << FormatFixed(printScale, 0, 4) << ", the largest that does.\n";
  }
  const QString text = label.isEmpty() ? QStringLiteral("Scaled Print of ") +
                                             QString::fromStdString(state.design.DesignFileName)
                                       : label;
  if (!PrintScaledHull(printer, state, *printView, printScale, text, QFont())) {
    err << CannotSaveMessage(out.toStdString()) << '\n';
    return 1;
  }
  return 0;
}

}  // namespace skelmora::app
