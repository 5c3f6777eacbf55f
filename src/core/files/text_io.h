// Number formatting and parsing for every text file the program reads or
// writes. Independent of the process locale: the decimal separator is always
// a point, in both directions.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace skelmora {

// The value as reports and exports give it: NaN and infinities become 0,
// and so does -0.0, which would otherwise print as "-0".
double CleanNumber(double value);

// value in fixed-point with `decimals` decimals, right-aligned with leading
// blanks in a field at least `width` characters wide (never truncated).
// NaN and infinities are written as 0, which is what a reader makes of them;
// a value that rounds to zero carries no minus sign.
std::string FormatFixed(double value, int width, int decimals);

// A value echoed in a message: fixed with `decimals` decimals while it is
// of a size a person reads that way, else in scientific notation with six
// significant digits ("1.00000E+308"), so that a huge entry never runs to
// hundreds of digits. NaN and infinities read as 0, as in FormatFixed.
std::string FormatEcho(double value, int decimals = 3);

// Token parsers. A token that is not wholly a number, or whose value the
// type cannot hold (int beyond 32 bits, a real beyond double or, for float,
// beyond float range, NaN, infinity), reads as 0: a damaged value becomes
// 0 rather than a wrapped or undefined one. A leading '+' is accepted.
int32_t ParseInt(std::string_view token);
double ParseReal(std::string_view token);
float ParseFloat(std::string_view token);
// The same, for input that must be a number (command arguments, dialog
// fields): nothing when the token is not wholly a finite number.
std::optional<int32_t> TryParseInt(std::string_view token);
std::optional<double> TryParseReal(std::string_view token);

// What an entry that is not a number says: the field's caption and its text.
inline std::string NotANumberMessage(std::string_view caption, std::string_view text) {
  return "\"" + std::string(caption) + "\": '" + std::string(text) + "' is not a valid number";
}

// True only for the integer 1.
bool ParseBool(std::string_view token);

// The blank-separated tokens of one line, taken in order. A token the line
// does not have reads as 0 / false.
class TokenLine {
 public:
  TokenLine() = default;
  explicit TokenLine(std::string_view line) : rest_(line) {}

  std::string_view Token();  // empty when the line has no more
  int32_t Int() { return ParseInt(Token()); }
  double Real() { return ParseReal(Token()); }
  float Float() { return ParseFloat(Token()); }
  bool Bool() { return ParseBool(Token()); }
  bool Empty() const;  // no tokens left

 private:
  std::string_view rest_;
};

// Lines of a text held in memory. A line ends at LF; a CR just before it
// (or at the very end of the text) is not part of the line. A last line
// without a line end still counts.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }

  // The next line's text; false at the end, where line is set empty and
  // PastEnd() becomes true.
  bool Next(std::string_view& line);

  // The next line as tokens; at the end an empty TokenLine (all values 0).
  TokenLine NextTokens();

  // A read was attempted after the last line.
  bool PastEnd() const { return pastEnd_; }
  // Lines consumed so far.
  int LineNumber() const { return lineNumber_; }

 private:
  std::string_view text_;
  size_t pos_ = 0;
  int lineNumber_ = 0;
  bool pastEnd_ = false;
};

// Builds a text file line by line: values on a line are separated by one
// blank, and every line, the last one included, ends with CR LF.
class LineWriter {
 public:
  LineWriter& Int(int64_t value);
  LineWriter& Bool(bool value) { return Int(value ? 1 : 0); }
  LineWriter& Fixed(double value, int width, int decimals);
  // Text as one value (separated like a number, written as is).
  LineWriter& Text(std::string_view text);
  // Ends the current line (an empty one if nothing was written on it).
  LineWriter& EndLine();
  // Text as a whole line of its own.
  LineWriter& Line(std::string_view text) { return Text(text).EndLine(); }

  const std::string& str() const { return out_; }
  std::string Take() { return std::move(out_); }

 private:
  void Separate();
  std::string out_;
  bool lineStarted_ = false;
};

// Writes contents to a uniquely named temporary file beside target, syncs
// it, renames it over target and syncs the directory, so target is either
// the old file or the complete new one, also after a crash. On any failure
// the temporary file is removed, target is left as it was and false is
// returned. A symbolic link is followed and the file it names is written
// (the link stays); an existing file keeps its permission bits. A file with
// several hard links is rewritten in place so that all its names keep
// sharing it (not all-or-nothing then). Anything that is not a regular file
// (directory, device node, pipe) is refused. Should only the directory sync
// fail, false is returned with the new contents already in place.
// Where the file system allows it the temporary file has no name until it
// is complete, so a save killed while writing leaves nothing behind; the
// named leftovers of saves killed on other systems ("NAME.saving-XXXXXX",
// no longer held by a running save) are removed by the next save of NAME.
bool SaveFileAtomically(const std::filesystem::path& target, std::string_view contents);

// The leftovers of killed saves of target, as above; the number removed.
int RemoveStaleSaveFiles(const std::filesystem::path& target);

// Whether text holds part, ignoring ASCII case; last gets where its last
// occurrence starts. File names from other systems often carry ".S98".
bool ContainsNoCase(std::string_view text, std::string_view part, size_t* last = nullptr);

enum class ReadFileResult { kOk, kCannotOpen, kTooLarge, kNotRegular };

// The whole file into text, refusing one larger than maxBytes (a reader
// should not try to hold a file that cannot be what it expects) and,
// before it is opened, anything that is not a regular file: a named pipe
// or a device would block the reader or never end.
ReadFileResult ReadWholeFile(const std::filesystem::path& path, std::string& text,
                             std::uintmax_t maxBytes);

// ReadWholeFile for a reader: false with the message a user sees
// (ReadFileMessage).
bool ReadWholeFile(const std::filesystem::path& path, std::string& text, std::uintmax_t maxBytes,
                   std::string_view kind, std::string& message);

// What a refused read says: "Cannot open the file: ...", "The file ... is
// too large to be " + kind + "." or "The file ... is not a regular file
// (a folder, pipe or device); it cannot be read." Empty for kOk.
std::string ReadFileMessage(ReadFileResult result, const std::filesystem::path& path,
                            std::string_view kind);

}  // namespace skelmora
