#include "stability/ballast_file.h"

#include <algorithm>

#include "files/file_messages.h"
#include "files/text_io.h"

namespace skelmora {

namespace {

// Ten columns of a thousand rows of short cells is far below this.
constexpr std::uintmax_t kMaxBallastFileBytes = 16u << 20;

constexpr BallastColumn kFileOrder[] = {kBallastName, kBallastWeight, kBallastBeam,
                                        kBallastAftBow, kBallastHeight};

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A cell is one line: line breaks typed into it would shift every later cell.
std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\r', ' ');
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

}  // namespace

std::string FormatBallastFile(const BallastTable& table) {
  LineWriter out;
  out.Line(kBallastFileMarker);
  out.Int(table.RowCount()).EndLine();
  for (BallastColumn column : kFileOrder) {
    for (int r = 1; r < table.RowCount(); ++r) out.Line(OneLine(table.rows[r][column]));
    out.EndLine();
  }
  return out.Take();
}

bool ParseBallastFile(std::string_view text, BallastTable& table, std::string& message) {
  LineReader reader(text);
  std::string_view line;
  reader.Next(line);
  int rows = kBallastDefaultFileRows;
  if (line.find(kBallastFileMarker) != std::string_view::npos) {
    reader.Next(line);
    const std::optional<int32_t> count = TryParseInt(Trimmed(line));
    if (!count) {
      message = "The ballast file's row count is not a whole number: \"" +
                std::string(Trimmed(line).substr(0, 40)) + "\"";
      return false;
    }
    if (*count < 2 || *count > kBallastMaxRows) {
      message = "The ballast file has " + std::to_string(*count) +
                " rows; a weights table holds from 2 to " + std::to_string(kBallastMaxRows) +
                " rows.";
      return false;
    }
    rows = *count;
  }
  BallastTable read = BallastTable::Reset(rows);
  for (BallastColumn column : kFileOrder) {
    // rows lines per block: rows 1 .. rows - 1, then the line after the last.
    for (int r = 1; r <= rows; ++r) {
      reader.Next(line);
      if (r < rows) read.rows[r][column] = std::string(line);
    }
  }
  table = std::move(read);
  return true;
}

bool ReadBallastFile(const std::filesystem::path& path, BallastTable& table,
                     std::string& message) {
  std::string text;
  if (!ReadWholeFile(path, text, kMaxBallastFileBytes, "a ballast data file", message)) return false;
  BallastTable read = table;
  if (!ParseBallastFile(text, read, message)) {
    message = "The ballast file " + path.string() + ": " + message;
    return false;
  }
  // A file whose number cells are not numbers (another kind of file) is
  // refused here, named, rather than quoted cell by cell later.
  if (const std::optional<BallastCell> bad = FirstBadBallastCell(read)) {
    message = "The file " + path.string() + " is not a ballast data file: row " +
              std::to_string(bad->row) + ", column \"" + kBallastHeadings[bad->column] +
              "\" is not a number.";
    return false;
  }
  table = std::move(read);
  return true;
}

bool WriteBallastFile(const std::filesystem::path& path, const BallastTable& table,
                      std::string& message) {
  if (SaveFileAtomically(path, FormatBallastFile(table))) return true;
  message = CannotSaveMessage(path.string());
  return false;
}

}  // namespace skelmora
