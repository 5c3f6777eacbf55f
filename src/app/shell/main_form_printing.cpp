// Output › "Print / Plot &Hull": the print selection, then the printer.
#include <QPrinter>

#include "files/text_io.h"
#include "hydro/text_printing.h"
#include "shell/main_form.h"
#include "shell/print_select_dialog.h"
#include "shell/scaled_printing.h"

namespace skelmora::app {

QString TMainForm::PrintFileFor(const QString& report) const {
  return DefaultPrintFile(state_.design.DesignFileName, state_.design.DesignDirectory, report);
}

void TMainForm::Copyscreentoprinter1Click() {
  HullDesign& design = state_.design;
  if (!design.DesignOpen) {
    Status(QStringLiteral("No design is open; there is nothing to print."));
    return;
  }
  double width, height;
  PageInches(*printer_, width, height);
  printSelect_->prepare(design, *state_.surface, width, height);
  const bool ok = services_.printSelectDialog ? services_.printSelectDialog(*printSelect_)
                                              : printSelect_->exec() == QDialog::Accepted;
  if (!ok) return;
  const ScaledPrintChoice choice = printSelect_->choice();
  ChoosePdfWhenNoPrinter(
      *printer_, PrintFileFor(QStringLiteral("scaled-%1").arg(QLatin1String(PrintViewKeyword(choice.view)))));
  if (!RunPrintDialog(*printer_)) return;
  QPrinter job(QPrinter::HighResolution);
  CopyPrinterSettings(*printer_, job);
  // The print dialog may have chosen a smaller page.
  PageInches(job, width, height, choice.font);
  const double fits = MaxPrintScale(PrintSpansOf(design, *state_.surface, choice.view),
                                    DesignUnitsPerInch(design), width, height);
  const double scale = ClampPrintScale(choice.printScale, fits);
  if (!PrintScaledHull(job, state_, choice.view, scale, choice.label, choice.font)) {
    Status(QString::fromUtf8(kPrinterNotStartedMessage));
    prompter_->ShowError(kPrinterNotStartedMessage);
    return;
  }
  Status(scale < choice.printScale
             ? QStringLiteral("Printed at %1 in = 1 ft, the largest scale that fits this page.")
                   .arg(QString::fromStdString(FormatFixed(scale, 0, 4)))
             : QStringLiteral("Printed."));
}

}  // namespace skelmora::app
