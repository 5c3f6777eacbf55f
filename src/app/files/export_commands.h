// The Output menu's writers and printouts: each asks for a file name through
// the injectable chooser (which asks before replacing a file), writes the
// core's text with the atomic save, and says when it cannot.
#pragma once

#include <QString>
#include <string>

#include "files/file_chooser.h"
#include "model/prompter.h"

class QWidget;

namespace skelmora::app {

struct AppState;
class ReportPrinter;

enum class ExportKind {
  kIges,
  kDxfStations,
  kDxfWaterlines,
  kDxfButtocks,
  kDxfSpecial,
  kDxfVertices,
  kDxfSurface,
  kStl,
  kGhs,
};

inline constexpr const char* kOffsetsGuardMessage =
    "Please Select Both Stations And Waterlines\r\nBefore Printing Offsets";

// False when cancelled or the file could not be written (the message shown).
// On success the file's path goes to *written when given.
bool RunExport(AppState& state, QWidget* parent, FileChooser& files, Prompter& prompter,
               ExportKind kind, QString* written = nullptr);

// What the status bar says after an export: what was written, where, and
// how large it is.
QString ExportedMessage(ExportKind kind, const QString& path);

// The table of offsets and the vertex table as printed and saved.
std::string OffsetsText(AppState& state);
std::string VerticesText(AppState& state);

// File › Save As with "Text Offset File": the table into path.
bool SaveOffsetsText(AppState& state, const std::string& path, Prompter& prompter);

// Output › "Print Offsets" (refused with kOffsetsGuardMessage unless stations
// and waterlines are both shown) and "Print Vertices", paginated.
bool PrintOffsets(AppState& state, QWidget* parent, ReportPrinter& printer, Prompter& prompter);
bool PrintVertices(AppState& state, QWidget* parent, ReportPrinter& printer);

}  // namespace skelmora::app
