// The hull drawn true to scale on a printer or into a PDF, and the
// program's headless batch print (skelmora --print ...).
#pragma once

#include <QFont>
#include <QString>
#include <ostream>

#include "model/app_state.h"
#include "views/scaled_print.h"

class QPrinter;

namespace skelmora::app {

// Paints the view (or profile, plan and body) at printScale inches = 1 ft
// from the display list, with the label and the scale as a ratio in font at
// the page's foot. False when the printer does not start.
bool PrintScaledHull(QPrinter& printer, AppState& state, PrintView view, double printScale,
                     const QString& label, const QFont& font);

// What the hull may take of the printer's page, in inches: the printable
// area, kept a quarter inch inside the paper's edge, less the label's two
// lines in font at its foot.
void PageInches(QPrinter& printer, double& width, double& height, const QFont& font = QFont());

// skelmora --print VIEW FILE --scale S --out FILE.pdf [--label TEXT]: reads
// the design, clamps a scale above the largest that fits (saying so on
// err), prints into the PDF and returns the exit status.
int RunBatchPrint(const QString& view, const QString& file, const QString& scale,
                  const QString& out, const QString& label, std::ostream& err);

}  // namespace skelmora::app
