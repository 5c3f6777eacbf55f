#include "files/design_file.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "files/design_layout.h"
#include "files/file_messages.h"
#include "model/shape_changed.h"
#include "model/undo.h"

namespace skelmora {

namespace {

// No design file comes near this; anything larger is not one.
constexpr std::uintmax_t kMaxDesignFileBytes = 16u << 20;

std::string Subject(const std::string& fileName) {
  return fileName.empty() ? std::string("The design file") : "The file " + fileName;
}

// What every read starts from: the lists a file does not carry must not
// keep another design's values, and a file that ends before its chine
// block has no chines.
void ClearForRead(HullDesign& d) {
  ResetNet(d);
  d.SpecialStations.fill(0.0);
  d.SpecialWaterlines.fill(0.0);
  d.SpecialButtocks.fill(0.0);
  d.DesignOpen = true;
  ClearTransientDrawFlags(d);
  d.ColumnChineCount = 0;
  d.RowChineCount = 0;
  d.ColumnChines.fill(0);
  d.RowChines.fill(0);
}

// Reads table into design (through a copy, so that a refusal leaves it as
// it was) and checks what no single line can.
bool ReadIntoCopy(HullDesign& design, const DesignTable& table, LineReader& reader,
                  const layout::ReadOptions& options, std::string& message,
                  std::unique_ptr<HullDesign>& copy) {
  copy = std::make_unique<HullDesign>(design);
  ClearForRead(*copy);
  switch (layout::ReadTable(table, *copy, reader, options, message)) {
    case layout::ReadStatus::kOk:
      break;
    case layout::ReadStatus::kEndsEarly:
      message = options.subject + " ends early, after line " +
                std::to_string(reader.LineNumber() + options.fromLine) +
                "; it is not a complete hull design file.";
      return false;
    case layout::ReadStatus::kDamaged:
      message = options.subject + " is damaged at line " +
                std::to_string(reader.LineNumber() + options.fromLine) + ".";
      return false;
    case layout::ReadStatus::kRefused:
      return false;
  }
  return CheckChineLists(*copy, options.subject, message);
}

}  // namespace

std::string FormatDesignText(const HullDesign& design, bool snapshotLayout) {
  LineWriter out;
  layout::WriteTable(snapshotLayout ? SnapshotTable() : DesignFileTable(), design, out);
  return out.Take();
}

void SetWrittenWeights(HullDesign& design) {
  const int lastColumn = ClampIndex(design.LastColumn);
  const int lastRow = ClampIndex(design.LastRow);
  for (int a = 0; a <= lastColumn; ++a) {
    for (int b = 0; b <= lastRow; ++b) {
      Vertex& v = design.Net[a][b];
      if (!(v.w > 0.0f)) v.w = 1.0f;
    }
  }
}

bool ParseDesignText(HullDesign& design, Surface& surface, std::string_view text,
                     std::string& message, const std::string& fileName) {
  // A text file or a PDF under ".s98" is not a damaged design: say what it
  // is rather than which of its lines fails as one.
  if (!StartsWithDesignMarker(text)) {
    message = kNotHullFileMessage;
    return false;
  }
  LineReader reader(text);
  layout::ReadOptions options;
  options.subject = Subject(fileName);
  std::unique_ptr<HullDesign> copy;
  if (!ReadIntoCopy(design, DesignFileTable(), reader, options, message, copy)) return false;
  copy->BodyViewOpen = copy->BodyViewOn;
  copy->PlanViewOpen = copy->PlanViewOn;
  copy->ProfileViewOpen = copy->ProfileViewOn;
  copy->PerspectiveViewOpen = copy->PerspectiveViewOn;
  copy->UserBowOffset = 0.0;
  design = std::move(*copy);
  RebuildSurface(design, surface);
  message.clear();
  return true;
}

bool ParseSnapshotText(HullDesign& design, std::string_view text, std::string& message,
                       const std::string& fileName) {
  LineReader reader(text);
  layout::ReadOptions options;
  options.strict = true;
  options.fromLine = 1;  // the "Undocount=" line, by which the history found it
  options.subject = Subject(fileName);
  std::unique_ptr<HullDesign> copy;
  if (!ReadIntoCopy(design, SnapshotTable(), reader, options, message, copy)) return false;
  // A whole snapshot ends with its chine block's line end, where the
  // history ends or the next snapshot begins.
  std::string_view next;
  const bool whole = reader.AtEnd() ? !text.empty() && text.back() == '\n'
                                    : reader.Next(next) && next.rfind("Undocount=", 0) == 0;
  if (!whole) {
    message = options.subject + " is cut short or damaged after line " +
              std::to_string(reader.LineNumber()) + ".";
    return false;
  }
  // The snapshot holds the open flags; the views draw what is open.
  copy->BodyViewOn = copy->BodyViewOpen;
  copy->PlanViewOn = copy->PlanViewOpen;
  copy->ProfileViewOn = copy->ProfileViewOpen;
  copy->PerspectiveViewOn = copy->PerspectiveViewOpen;
  design = std::move(*copy);
  message.clear();
  return true;
}

bool ReadDesignFile(HullDesign& design, Surface& surface, const std::string& path,
                    std::string& message) {
  std::string text;
  if (!ReadWholeFile(path, text, kMaxDesignFileBytes, "a hull design file", message)) return false;
  return ParseDesignText(design, surface, text, message, path);
}

bool WriteDesignFile(HullDesign& design, const std::string& path, std::string& message) {
  SetWrittenWeights(design);
  if (!SaveFileAtomically(path, FormatDesignText(design, false))) {
    message = CannotSaveMessage(path);
    return false;
  }
  message.clear();
  return true;
}

bool SaveDesign(HullDesign& design, Prompter& prompter, const SaveOptions& options) {
  if (!design.DesignOpen) return false;
  if (options.confirm && !prompter.AskYesNo(kSaveToDiskQuestion)) return false;

  const std::string name = design.DesignFileName;
  // Names are matched without regard to case: files from other systems
  // often carry ".S98" or ".SHL".
  bool thisFormat = ContainsNoCase(name, ".s98");
  if (!thisFormat) {
    // Without an older-format writer a No could not be honoured; don't ask.
    thisFormat = !options.writeOlder ||
                 prompter.AskYesNo(kOlderFormatQuestion);
  }

  std::string message;
  if (thisFormat) {
    std::string target = name;
    size_t at = 0;
    if (ContainsNoCase(name, ".shl", &at)) {
      target.erase(at, 4);
      target += ".s98";
    }
    if (!WriteDesignFile(design, target, message)) {
      prompter.ShowError(message);
      return false;
    }
    design.DesignFileName = target;
  } else if (!options.writeOlder(design, name, message)) {
    // An older writer that asked for another name and was cancelled has
    // nothing more to say.
    if (!message.empty()) prompter.ShowError(message);
    return false;
  }
  ResetHistory(design);
  return true;
}

}  // namespace skelmora
