// A text file's layout as a table: its lines in file order, each with the
// fields it holds and the record member each field binds. One table drives
// both the writer and the reader, so the two cannot drift apart; a format
// is added by writing its table, not another reader.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "files/text_io.h"

namespace skelmora::layout {

// Where a field's value lives in the record.
using Slot = std::variant<int32_t*, bool*, float*, double*>;
using ConstSlot = std::variant<const int32_t*, const bool*, const float*, const double*>;

// One value on a line. Integers and booleans are written as integers (an
// integer with a width right-aligned in it), reals in fixed point
// (right-aligned, at least `width` wide, `decimals` decimals).
// index is the element for lines that repeat (Each, Packed), else 0.
template <class R>
struct Field {
  Slot (*bind)(R&, int index) = nullptr;
  ConstSlot (*view)(const R&, int index) = nullptr;
  int width = 0;
  int decimals = 0;
  // Integers are written clamped to this range, so that a bad value in
  // memory can neither index past a list nor make a file its reader refuses.
  int32_t writeMin = std::numeric_limits<int32_t>::min();
  int32_t writeMax = std::numeric_limits<int32_t>::max();
  // A value not above 0 is written as 1 and read as 1 (vertex weights).
  bool oneIfNotPositive = false;

  Field WrittenWithin(int32_t low, int32_t high) const {
    Field f = *this;
    f.writeMin = low;
    f.writeMax = high;
    return f;
  }
  Field OneIfNotPositive() const {
    Field f = *this;
    f.oneIfNotPositive = true;
    return f;
  }
};

namespace detail {
template <class R, class T>
R RecordOfMember(T R::*);
template <class R, class T>
T TypeOfMember(T R::*);
template <auto M>
using RecordOf = decltype(RecordOfMember(M));
template <auto M>
using TypeOf = decltype(TypeOfMember(M));
template <class T>
constexpr bool kIsInteger = std::is_same_v<T, int32_t> || std::is_same_v<T, bool>;
template <class T>
constexpr bool kIsReal = std::is_same_v<T, float> || std::is_same_v<T, double>;
}  // namespace detail

// An integer or boolean member.
template <auto M>
Field<detail::RecordOf<M>> Value() {
  using R = detail::RecordOf<M>;
  static_assert(detail::kIsInteger<detail::TypeOf<M>>);
  Field<R> f;
  f.bind = [](R& r, int) -> Slot { return &(r.*M); };
  f.view = [](const R& r, int) -> ConstSlot { return &(r.*M); };
  return f;
}

// A real member, written width:decimals.
template <auto M>
Field<detail::RecordOf<M>> Real(int width, int decimals) {
  using R = detail::RecordOf<M>;
  static_assert(detail::kIsReal<detail::TypeOf<M>>);
  Field<R> f;
  f.bind = [](R& r, int) -> Slot { return &(r.*M); };
  f.view = [](const R& r, int) -> ConstSlot { return &(r.*M); };
  f.width = width;
  f.decimals = decimals;
  return f;
}

// Element index + Offset of an array member: integers / booleans, reals.
template <auto M, int Offset = 0>
Field<detail::RecordOf<M>> Item() {
  using R = detail::RecordOf<M>;
  static_assert(detail::kIsInteger<typename detail::TypeOf<M>::value_type>);
  Field<R> f;
  f.bind = [](R& r, int i) -> Slot { return &(r.*M)[i + Offset]; };
  f.view = [](const R& r, int i) -> ConstSlot { return &(r.*M)[i + Offset]; };
  return f;
}
template <auto M, int Offset = 0>
Field<detail::RecordOf<M>> RealItem(int width, int decimals) {
  using R = detail::RecordOf<M>;
  static_assert(detail::kIsReal<typename detail::TypeOf<M>::value_type>);
  Field<R> f;
  f.bind = [](R& r, int i) -> Slot { return &(r.*M)[i + Offset]; };
  f.view = [](const R& r, int i) -> ConstSlot { return &(r.*M)[i + Offset]; };
  f.width = width;
  f.decimals = decimals;
  return f;
}

enum class LineKind {
  kFields,   // one line holding `fields`
  kKeyword,  // the text `keyword`; a lenient reader reads past it unchecked
  kText,     // free text, written by writeText and read by readText (if any)
  kEach,     // one line of `fields` for each of count() elements
  kPacked,   // count() values of fields[0], perLine to a line: a line ends
             // after every perLine-th value and after the last
};

// Run after a line is read, before anything later can use its values (a
// count bounds the lines that follow). False refuses the file, with a
// message naming the problem; subject names the file ("The file x.s98").
template <class R>
using Check = bool (*)(const R&, const std::string& subject, std::string& message);

template <class R>
struct Line {
  LineKind kind = LineKind::kFields;
  std::vector<Field<R>> fields;
  std::string_view keyword;
  std::string (*writeText)(const R&) = nullptr;
  void (*readText)(R&, std::string_view) = nullptr;
  int (*count)(const R&) = nullptr;
  int perLine = 1;
  bool (*present)(const R&) = nullptr;  // an optional line: there when true
  Check<R> check = nullptr;

  Line When(bool (*isPresent)(const R&)) const {
    Line l = *this;
    l.present = isPresent;
    return l;
  }
  Line Then(Check<R> checkAfter) const {
    Line l = *this;
    l.check = checkAfter;
    return l;
  }
};

template <class R>
Line<R> Fields(std::vector<Field<R>> fields) {
  Line<R> l;
  l.fields = std::move(fields);
  return l;
}
template <class R>
Line<R> Keyword(std::string_view keyword) {
  Line<R> l;
  l.kind = LineKind::kKeyword;
  l.keyword = keyword;
  return l;
}
template <class R>
Line<R> Text(std::string (*write)(const R&), void (*read)(R&, std::string_view)) {
  Line<R> l;
  l.kind = LineKind::kText;
  l.writeText = write;
  l.readText = read;
  return l;
}
template <class R>
Line<R> Each(int (*count)(const R&), std::vector<Field<R>> fields) {
  Line<R> l = Fields<R>(std::move(fields));
  l.kind = LineKind::kEach;
  l.count = count;
  return l;
}
template <class R>
Line<R> Packed(int (*count)(const R&), int perLine, Field<R> field) {
  Line<R> l = Fields<R>({field});
  l.kind = LineKind::kPacked;
  l.count = count;
  l.perLine = std::max(perLine, 1);
  return l;
}

// A file: `lines` in order, then a `trailer` block. Written once; a lenient
// read takes the trailer as often as the file repeats it (the last one
// wins), skipping blank lines, and none at all leaves the record as it was.
template <class R>
struct Table {
  std::vector<Line<R>> lines;
  std::vector<Line<R>> trailer;
};

// ---- writing --------------------------------------------------------------

namespace detail {

template <class R>
void WriteValue(const Field<R>& field, const R& record, int index, LineWriter& out) {
  std::visit(
      [&](auto* value) {
        using T = std::remove_cv_t<std::remove_pointer_t<decltype(value)>>;
        if constexpr (std::is_same_v<T, bool>) {
          out.Bool(*value);
        } else if constexpr (std::is_same_v<T, int32_t>) {
          const int32_t clamped = std::clamp(*value, field.writeMin, field.writeMax);
          // A width pads an integer on the left, as for reals.
          if (field.width > 0) {
            out.Fixed(clamped, field.width, 0);
          } else {
            out.Int(clamped);
          }
        } else {
          const double real = field.oneIfNotPositive && !(*value > 0) ? 1.0 : *value;
          out.Fixed(real, field.width, field.decimals);
        }
      },
      field.view(record, index));
}

template <class R>
void WriteLine(const Line<R>& line, const R& record, LineWriter& out) {
  if (line.present && !line.present(record)) return;
  switch (line.kind) {
    case LineKind::kFields:
      for (const Field<R>& field : line.fields) WriteValue(field, record, 0, out);
      out.EndLine();
      break;
    case LineKind::kKeyword:
      out.Line(line.keyword);
      break;
    case LineKind::kText:
      out.Line(line.writeText(record));
      break;
    case LineKind::kEach:
      for (int i = 0, n = line.count(record); i < n; ++i) {
        for (const Field<R>& field : line.fields) WriteValue(field, record, i, out);
        out.EndLine();
      }
      break;
    case LineKind::kPacked:
      for (int i = 0, n = line.count(record); i < n; ++i) {
        WriteValue(line.fields[0], record, i, out);
        if ((i + 1) % line.perLine == 0 || i + 1 == n) out.EndLine();
      }
      break;
  }
}

}  // namespace detail

template <class R>
void WriteTable(const Table<R>& table, const R& record, LineWriter& out) {
  for (const Line<R>& line : table.lines) detail::WriteLine(line, record, out);
  for (const Line<R>& line : table.trailer) detail::WriteLine(line, record, out);
}

// ---- reading --------------------------------------------------------------

struct ReadOptions {
  // Lenient (what a file read does): a malformed or missing value reads as
  // 0 and extra values on a line are ignored. Strict (for text this program
  // wrote itself): every line must be exactly as the writer writes it, and
  // the trailer is read once and must be there; what follows it is the
  // caller's to judge.
  bool strict = false;
  // Table lines before this one are not in the text: the caller has read
  // them (a history finds its snapshot by the snapshot's first line).
  int fromLine = 0;
  std::string subject;  // names the source in check messages
};

enum class ReadStatus {
  kOk,
  kEndsEarly,  // the text ended before a line of `lines` (or, strict, the trailer)
  kDamaged,    // strict: a line is not as the writer writes it
  kRefused,    // a check refused a value; message says why
};

namespace detail {

template <class T>
std::optional<T> ParseStrict(std::string_view token) {
  if constexpr (std::is_same_v<T, bool>) {
    const auto v = TryParseInt(token);
    if (!v || (*v != 0 && *v != 1)) return std::nullopt;
    return *v == 1;
  } else if constexpr (std::is_same_v<T, int32_t>) {
    return TryParseInt(token);
  } else {
    const auto v = TryParseReal(token);
    if (!v || std::fabs(*v) > static_cast<double>(std::numeric_limits<T>::max())) {
      return std::nullopt;
    }
    return static_cast<T>(*v);
  }
}

template <class T>
T ParseLenient(std::string_view token) {
  if constexpr (std::is_same_v<T, bool>) {
    return ParseBool(token);
  } else if constexpr (std::is_same_v<T, int32_t>) {
    return ParseInt(token);
  } else if constexpr (std::is_same_v<T, float>) {
    return ParseFloat(token);
  } else {
    return ParseReal(token);
  }
}

// Stores the next token of tokens into the field; false (strict only) when
// the token is missing or not wholly a value of the field's type.
template <class R>
bool ReadValue(const Field<R>& field, R& record, int index, TokenLine& tokens, bool strict) {
  const std::string_view token = tokens.Token();
  return std::visit(
      [&](auto* value) {
        using T = std::remove_pointer_t<decltype(value)>;
        if (strict) {
          const std::optional<T> v = ParseStrict<T>(token);
          if (!v) return false;
          *value = *v;
        } else {
          *value = ParseLenient<T>(token);
        }
        if constexpr (!std::is_same_v<T, bool>) {
          if (field.oneIfNotPositive && !(*value > 0)) *value = 1;
        }
        return true;
      },
      field.bind(record, index));
}

template <class R>
class TableReader {
 public:
  TableReader(R& record, LineReader& reader, const ReadOptions& options, std::string& message)
      : record_(record), reader_(reader), options_(options), message_(message) {}

  ReadStatus Read(const Table<R>& table) {
    for (size_t i = static_cast<size_t>(std::max(options_.fromLine, 0)); i < table.lines.size();
         ++i) {
      if (ReadStatus s = ReadLine(table.lines[i], true); s != ReadStatus::kOk) return s;
    }
    if (table.trailer.empty()) return ReadStatus::kOk;
    if (options_.strict) return ReadTrailer(table.trailer, std::nullopt);
    std::string_view text;
    while (reader_.Next(text)) {
      if (TokenLine(text).Empty()) continue;
      if (ReadStatus s = ReadTrailer(table.trailer, text); s != ReadStatus::kOk) return s;
    }
    return ReadStatus::kOk;
  }

 private:
  // The trailer's first line may have been fetched already (to skip blanks).
  ReadStatus ReadTrailer(const std::vector<Line<R>>& trailer,
                         std::optional<std::string_view> first) {
    pending_ = first;
    for (const Line<R>& line : trailer) {
      if (ReadStatus s = ReadLine(line, options_.strict); s != ReadStatus::kOk) return s;
    }
    return ReadStatus::kOk;
  }

  // The next line's text; false at the end when the line is required (a
  // line that need not be there reads as empty: every value 0).
  bool NextText(std::string_view& text, bool required) {
    if (pending_) {
      text = *pending_;
      pending_.reset();
      return true;
    }
    reader_.Next(text);
    return !(required && reader_.PastEnd());
  }

  ReadStatus ReadLine(const Line<R>& line, bool required) {
    if (line.present && !line.present(record_)) return ReadStatus::kOk;
    const bool strict = options_.strict;
    std::string_view text;
    switch (line.kind) {
      case LineKind::kFields:
        if (!NextText(text, required)) return ReadStatus::kEndsEarly;
        if (!ReadFields(line.fields, 0, text)) return ReadStatus::kDamaged;
        break;
      case LineKind::kKeyword:
        if (!NextText(text, required)) return ReadStatus::kEndsEarly;
        if (strict && text != line.keyword) return ReadStatus::kDamaged;
        break;
      case LineKind::kText:
        if (!NextText(text, required)) return ReadStatus::kEndsEarly;
        if (line.readText) line.readText(record_, text);
        break;
      case LineKind::kEach:
        for (int i = 0, n = line.count(record_); i < n; ++i) {
          if (!NextText(text, required)) return ReadStatus::kEndsEarly;
          if (!ReadFields(line.fields, i, text)) return ReadStatus::kDamaged;
        }
        break;
      case LineKind::kPacked:
        for (int i = 0, n = line.count(record_); i < n;) {
          if (!NextText(text, required)) return ReadStatus::kEndsEarly;
          TokenLine tokens(text);
          for (int k = 0; k < line.perLine && i < n; ++k, ++i) {
            if (!ReadValue(line.fields[0], record_, i, tokens, strict)) return ReadStatus::kDamaged;
          }
          if (strict && !tokens.Empty()) return ReadStatus::kDamaged;
        }
        break;
    }
    if (line.check && !line.check(record_, options_.subject, message_)) return ReadStatus::kRefused;
    return ReadStatus::kOk;
  }

  bool ReadFields(const std::vector<Field<R>>& fields, int index, std::string_view text) {
    TokenLine tokens(text);
    for (const Field<R>& field : fields) {
      if (!ReadValue(field, record_, index, tokens, options_.strict)) return false;
    }
    return !options_.strict || tokens.Empty();
  }

  R& record_;
  LineReader& reader_;
  const ReadOptions& options_;
  std::string& message_;
  std::optional<std::string_view> pending_;
};

}  // namespace detail

// Reads the table's lines from reader into record. On anything but kOk the
// record may be partly filled: read into a copy. message is set only by a
// refusing check; the other outcomes are the caller's to phrase (the
// reader's LineNumber() says where it stopped).
template <class R>
ReadStatus ReadTable(const Table<R>& table, R& record, LineReader& reader,
                     const ReadOptions& options, std::string& message) {
  return detail::TableReader<R>(record, reader, options, message).Read(table);
}

}  // namespace skelmora::layout
