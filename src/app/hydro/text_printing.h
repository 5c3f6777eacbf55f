// Plain text on a printer: fixed-pitch lines top to bottom, a new page when
// one is full, as a line printer would put them; and the report prints of
// the Calc windows, each on a printer of its own.
#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>
#include <string>

#include "model/prompter.h"

class QPainter;
class QPrinter;
class QRect;
class QWidget;

namespace skelmora::app {

inline constexpr const char* kNoPrinterMessage =
    "No printer could be opened. Choose a printer, or a PDF file, in the print dialog.";
inline constexpr const char* kPrinterNotStartedMessage = "The printer could not be started.";
inline constexpr const char* kPrintingFailedMessage =
    "The printer reported an error; printing stopped.";

enum class PrintOutcome {
  kPrinted,
  kNotStarted,  // the printer could not be opened; nothing was printed
  kFailed,      // a page could not be started part way
};

// Draws above the text on the first page (a chart) and returns the height it
// took, in the painter's units.
using PageHeading = std::function<double(QPainter&, const QRect& page)>;

// Each '\n' ends a line. The font shrinks so that the longest line fits the
// page's width; with onePage also so that every line fits one page. The
// printer is closed again in every case.
PrintOutcome PrintTextLines(QPrinter& printer, const std::string& text, bool onePage = false,
                            const PageHeading& heading = {});

// Copies what the user set up (printer or output file, page, copies, ...)
// onto a fresh printer, so a print job never uses the program's own
// printer: a job that fails to start leaves that one usable.
void CopyPrinterSettings(const QPrinter& from, QPrinter& to);

// The print dialog on a printer; true to go on.
using PrintDialogRunner = std::function<bool(QPrinter&, QWidget*)>;

// The report prints (hydrostatics, curve data): portrait unless asked, on the page size of
// the program's printer set-up, sent to the printer chosen there when it is a
// printer, else to the default printer. Never to the file File › Print
// last wrote: a file is only written when chosen in the print dialog, which
// is offered, after kNoPrinterMessage, when no printer can be opened.
class ReportPrinter {
 public:
  ReportPrinter(const QPrinter& setup, Prompter& prompter, PrintDialogRunner dialog);

  // False when nothing was printed (cancelled, or the failure was shown).
  bool Print(QWidget* parent, const std::string& text, bool onePage,
             const PageHeading& heading = {},
             QPageLayout::Orientation orientation = QPageLayout::Portrait);

 private:
  void PrepareJob(QPrinter& job, QPageLayout::Orientation orientation) const;

  const QPrinter& setup_;
  Prompter& prompter_;
  PrintDialogRunner dialog_;
};

}  // namespace skelmora::app
