#include "hydro/report_layout.h"

#include <algorithm>
#include <vector>

namespace skelmora::app {

namespace {

constexpr const char* kMargin = "  ";
constexpr size_t kColumnGap = 4;

// A report value is a number (blank-padded, width 5, 3 decimals) followed by
// its unit text.
struct SplitValue {
  std::string number;
  std::string unit;
};

SplitValue Split(const std::string& value) {
  size_t start = value.find_first_not_of(' ');
  if (start == std::string::npos) return {};
  size_t end = start;
  if (value[end] == '-') ++end;
  while (end < value.size() && ((value[end] >= '0' && value[end] <= '9') || value[end] == '.')) {
    ++end;
  }
  return {value.substr(start, end - start), value.substr(end)};
}

std::string Padded(const std::string& text, size_t width, bool right) {
  if (text.size() >= width) return text;
  const std::string blanks(width - text.size(), ' ');
  return right ? blanks + text : text + blanks;
}

// Caption and number widths over one column's groups, so the numbers of the
// whole column stand on one decimal point.
struct ColumnWidths {
  size_t caption = 0, integer = 0, fraction = 0;
};

ColumnWidths Widths(const HydrostaticsReport& report, size_t first, size_t last) {
  ColumnWidths w;
  for (size_t g = first; g < last; ++g) {
    for (const ReportLine& line : report.groups[g].lines) {
      w.caption = std::max(w.caption, line.caption.size());
      const std::string number = Split(line.value).number;
      const size_t point = std::min(number.find('.'), number.size());
      w.integer = std::max(w.integer, point);
      w.fraction = std::max(w.fraction, number.size() - point);
    }
  }
  return w;
}

// A group's heading, then one line per value.
std::vector<std::string> Block(const ReportGroup& group, const ColumnWidths& w) {
  std::vector<std::string> lines{group.heading};
  for (const ReportLine& line : group.lines) {
    const SplitValue value = Split(line.value);
    const size_t point = std::min(value.number.find('.'), value.number.size());
    const std::string whole = Padded(value.number.substr(0, point), w.integer, true);
    const std::string part = Padded(value.number.substr(point), w.fraction, false);
    std::string text = Padded(line.caption, w.caption, false) + "  " + whole + part + value.unit;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    lines.push_back(std::move(text));
  }
  return lines;
}

}  // namespace

std::string FormatReportColumns(const HydrostaticsReport& report,
                                const std::string& designFileName, const std::string& dateTime) {
  std::string text = std::string("\n\n") + kMargin + "Hydrostatics Data for " + designFileName +
                     "\n\n" + kMargin + dateTime + "\n\n";
  // As the window: the first half of the groups on the left, each beside
  // its counterpart on the right, an empty line between the pairs.
  const size_t count = report.groups.size();
  const size_t half = (count + 1) / 2;
  const ColumnWidths left = Widths(report, 0, half);
  const ColumnWidths right = Widths(report, half, count);
  std::vector<std::vector<std::string>> pairs[2];
  size_t leftWidth = 0;
  for (size_t g = 0; g < half; ++g) {
    pairs[0].push_back(Block(report.groups[g], left));
    for (const std::string& line : pairs[0].back()) leftWidth = std::max(leftWidth, line.size());
    pairs[1].push_back(half + g < count ? Block(report.groups[half + g], right)
                                        : std::vector<std::string>{});
  }
  const size_t margin = std::string(kMargin).size();
  for (size_t p = 0; p < half; ++p) {
    if (p > 0) text += '\n';
    const auto& a = pairs[0][p];
    const auto& b = pairs[1][p];
    for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
      std::string line = kMargin;
      if (i < a.size()) line += a[i];
      if (i < b.size()) line = Padded(line, margin + leftWidth + kColumnGap, false) + b[i];
      while (line.size() > margin && line.back() == ' ') line.pop_back();
      text += (line == kMargin ? std::string() : line) + '\n';
    }
  }
  return text;
}

}  // namespace skelmora::app
