// Plain text on a printer: fixed-pitch lines top to bottom, a new page when
// one is full, as a line printer would put them; and the report prints of
// the Calc windows, each on a printer of its own.
#pragma once

#include <QFont>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "model/prompter.h"

class QPainter;
class QPrinter;
class QRect;
class QWidget;

namespace skelmora::app {

inline constexpr const char* kPrinterNotOpenedMessage =
    "The printer could not be opened. Choose another printer, or a PDF file, in the print "
    "dialog.";
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

// Each '\n' ends a line, set in font (a fixed-pitch 10 point font when
// none is given). The font shrinks so that the longest line fits the page's
// width; with onePage also so that every line fits one page. The printer is
// closed again in every case.
PrintOutcome PrintTextLines(QPrinter& printer, const std::string& text, bool onePage = false,
                            const PageHeading& heading = {},
                            const std::optional<QFont>& font = std::nullopt);

// Copies what the user set up (printer or output file, page, copies, ...)
// onto a fresh printer, so a print job never uses the program's own
// printer: a job that fails to start leaves that one usable.
void CopyPrinterSettings(const QPrinter& from, QPrinter& to);

// The print dialog on a printer; true to go on.
using PrintDialogRunner = std::function<bool(QPrinter&, QWidget*)>;

// The PDF file offered when there is no printer: in the design directory
// (else the design's own folder), named after the design and what is
// printed, "sailboat-hydrostatics.pdf" for the design sailboat.s98 and the
// report "hydrostatics".
QString DefaultPrintFile(const std::string& designFileName, const std::string& designDirectory,
                         const QString& report);

// A printer that would print nowhere (no printer chosen and none set up as
// the default) is set to print to the PDF file instead, so the print dialog
// opens on that choice. True when it was.
bool ChoosePdfWhenNoPrinter(QPrinter& printer, const QString& file);

// A window's title as a report's name: "Cross Curves (KN)" is "cross-curves-kn".
QString ReportName(const QString& title);

// The default PDF file for a report's name.
using PrintFileNamer = std::function<QString(const QString& report)>;

// One report print.
struct ReportJob {
  std::string text;
  QString name;  // names the PDF file offered when there is no printer
  bool onePage = false;
  PageHeading heading;
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  std::optional<QFont> font;  // the fixed-pitch font when unset
  bool askForPrinter = false;  // show the print dialog even when a printer is there
};

// The report prints (hydrostatics, curve data, stability, offsets): on the
// page size of the program's printer set-up, sent to the printer chosen
// there when it is a printer, else to the default printer. With no printer
// at all the print dialog opens at once on printing to a PDF file named by
// the namer. Never to the file File › Print last wrote: a file is only
// written when the user confirms it in the print dialog.
class ReportPrinter {
 public:
  ReportPrinter(const QPrinter& setup, Prompter& prompter, PrintDialogRunner dialog,
                PrintFileNamer namer = {});

  // False when nothing was printed (cancelled, or the failure was shown).
  bool Print(QWidget* parent, const ReportJob& job);

 private:
  void PrepareJob(QPrinter& job, QPageLayout::Orientation orientation) const;

  const QPrinter& setup_;
  Prompter& prompter_;
  PrintDialogRunner dialog_;
  PrintFileNamer namer_;
};

}  // namespace skelmora::app
