#include "files/design_layout.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "files/file_messages.h"
#include "files/text_io.h"

namespace skelmora {

namespace {

using D = HullDesign;
using layout::Item;
using layout::Real;
using layout::RealItem;
using layout::Value;
using Line = layout::Line<D>;
using Field = layout::Field<D>;

constexpr int kValuesPerLine = 5;

// ---- checks run as the lines are read -------------------------------------

bool CheckLastIndex(int32_t last, std::string_view what, const std::string& subject,
                    std::string& message) {
  if (last >= 0 && last <= kMaxIndex) return true;
  const int64_t count = static_cast<int64_t>(last) + 1;
  if (count > 0) {
    message = subject + " has " + std::to_string(count) + " " + std::string(what) +
              "; at most " + std::to_string(kNetSize) + " are allowed.";
  } else {
    message = subject + " gives an invalid number of " + std::string(what) + " (" +
              std::to_string(count) + ").";
  }
  return false;
}

bool CheckTension(int32_t tension, std::string_view what, const std::string& subject,
                  std::string& message) {
  if (tension >= 1) return true;
  message = subject + " has a " + std::string(what) + " tension of " + std::to_string(tension) +
            "; it must be at least 1.";
  return false;
}


// The count in a special section's own block, checked before it bounds the
// values that follow.
bool CheckListed(int32_t count, int max, std::string_view what, const std::string& subject,
                 std::string& message) {
  if (count >= 0 && count <= max) return true;
  message = subject + " lists " + std::to_string(count) + " special " + std::string(what) +
            "; between 0 and " + std::to_string(max) + " are allowed.";
  return false;
}

bool CheckSpecialCount(int32_t count, int max, std::string_view what, const std::string& subject,
                       std::string& message) {
  if (count >= 0 && count <= max) return true;
  message = subject + " gives " + std::to_string(count) + " as its number of special " +
            std::string(what) + "; between 0 and " + std::to_string(max) + " are allowed.";
  return false;
}

// The counts of settings B are written after the lists and win over theirs.
bool CheckSettingsB(const D& d, const std::string& subject, std::string& message) {
  return CheckSpecialCount(d.SpecialStationCount, kMaxSpecialStations, "stations", subject,
                           message) &&
         CheckSpecialCount(d.SpecialWaterlineCount, kMaxSpecialWaterlines, "waterlines",
                           subject, message) &&
         CheckSpecialCount(d.SpecialButtockCount, kMaxSpecialButtocks, "buttocks", subject,
                           message);
}

bool CheckChineCount(int32_t count, std::string_view what, const std::string& subject,
                     std::string& message) {
  if (count >= 0 && count <= kMaxChines) return true;
  message = subject + " lists " + std::to_string(count) + " " + std::string(what) +
            " chines; between 0 and " + std::to_string(kMaxChines) + " are allowed.";
  return false;
}

// Chines must lie strictly inside the net, ascending, and their expansion
// (tension - 1 extra copies each) must fit the 51 working slots.
bool CheckChines(int32_t count, const std::array<int32_t, kMaxChines>& chines, int32_t last,
                 int32_t tension, std::string_view what, const std::string& subject,
                 std::string& message) {
  for (int i = 0; i < count; ++i) {
    const int32_t c = chines[i];
    if (c <= 0 || c >= last || (i > 0 && c <= chines[i - 1])) {
      message = subject + " has a " + std::string(what) + " chine at " + std::string(what) + " " +
                std::to_string(c) + "; chines must lie strictly between " + std::string(what) +
                " 0 and " + std::string(what) + " " + std::to_string(last) +
                ", in ascending order.";
      return false;
    }
  }
  const int64_t working = static_cast<int64_t>(count) * (static_cast<int64_t>(tension) - 1) + last;
  if (working > kMaxIndex) {
    message = subject + " needs " + std::to_string(working + 1) + " working " +
              std::string(what) + "s for its " + std::string(what) + " chines at tension " +
              std::to_string(tension) + "; at most " + std::to_string(kNetSize) +
              " are allowed.";
    return false;
  }
  return true;
}

// ---- the special-section lists -----------------------------------------------

// Keyword, count, then the values 1..count as 7:3, five to a line; present
// only while the list's flag is set.
template <bool D::*On, int32_t D::*Count, auto Values, int Max>
void AddSpecialList(std::vector<Line>& lines, std::string_view keyword, layout::Check<D> check) {
  const auto present = [](const D& d) { return d.*On; };
  const auto count = [](const D& d) { return std::clamp<int>(d.*Count, 0, Max); };
  // Only flags line 3 says whether the list is there: the keyword is not read.
  lines.push_back(layout::Keyword<D>(keyword).When(present));
  lines.push_back(
      layout::Fields<D>({Value<Count>().WrittenWithin(0, Max)}).When(present).Then(check));
  lines.push_back(
      layout::Packed<D>(count, kValuesPerLine, RealItem<Values, 1>(7, 3)).When(present));
}

// The three lists, in file order.
void AddSpecialLists(std::vector<Line>& lines) {
  AddSpecialList<&D::SpecialStationsOn, &D::SpecialStationCount, &D::SpecialStations,
                 kMaxSpecialStations>(
      lines, "SINGLESTATION", [](const D& d, const std::string& subject, std::string& message) {
        return CheckListed(d.SpecialStationCount, kMaxSpecialStations, "stations", subject,
                           message);
      });
  AddSpecialList<&D::SpecialWaterlinesOn, &D::SpecialWaterlineCount, &D::SpecialWaterlines,
                 kMaxSpecialWaterlines>(
      lines, "SINGLEWATERLINE", [](const D& d, const std::string& subject, std::string& message) {
        return CheckListed(d.SpecialWaterlineCount, kMaxSpecialWaterlines, "waterlines", subject,
                           message);
      });
  AddSpecialList<&D::SpecialButtocksOn, &D::SpecialButtockCount, &D::SpecialButtocks,
                 kMaxSpecialButtocks>(
      lines, "SINGLEBUTT", [](const D& d, const std::string& subject, std::string& message) {
        return CheckListed(d.SpecialButtockCount, kMaxSpecialButtocks, "buttocks", subject,
                           message);
      });
}

}  // namespace

// The net's size and the tensions bound everything read after them.
bool CheckDesignHeader(const D& d, const std::string& subject, std::string& message) {
  return CheckLastIndex(d.LastColumn, "columns", subject, message) &&
         CheckLastIndex(d.LastRow, "rows", subject, message) &&
         CheckTension(d.WaterlineTension, "waterline", subject, message) &&
         CheckTension(d.StationTension, "station", subject, message);
}

layout::Line<D> DesignHeaderLine() {
  return layout::Fields<D>({Value<&D::Units>(), Value<&D::WaterlineTension>(),
                            Value<&D::StationTension>(),
                            Value<&D::LastColumn>().WrittenWithin(0, kMaxIndex),
                            Value<&D::LastRow>().WrittenWithin(0, kMaxIndex)})
      .Then(CheckDesignHeader);
}

bool CheckChineCounts(const D& d, const std::string& subject, std::string& message) {
  return CheckChineCount(d.ColumnChineCount, "column", subject, message) &&
         CheckChineCount(d.RowChineCount, "row", subject, message);
}

bool CheckChineLists(const D& d, const std::string& subject, std::string& message) {
  return CheckChines(d.ColumnChineCount, d.ColumnChines, d.LastColumn, d.WaterlineTension,
                     "column", subject, message) &&
         CheckChines(d.RowChineCount, d.RowChines, d.LastRow, d.StationTension, "row", subject,
                     message);
}

std::vector<layout::Line<HullDesign>> DesignSettingsLines(bool snapshot, bool specialSections) {
  std::vector<Line> lines;
  lines.push_back(layout::Fields<D>(
      {Value<&D::StationColor>(), Value<&D::MarkerColor>(), Value<&D::ButtockColor>(),
       Value<&D::WaterlineColor>(), Value<&D::EdgeColor>(), Value<&D::ChineColor>(),
       Value<&D::HighlightColor>(), Value<&D::NetColor>(), Value<&D::RefHullColor>(),
       Value<&D::SpecialLineColor>(), Value<&D::PaperColor>()}));
  // Flags 1: a snapshot keeps which windows are open, a file what is drawn.
  std::vector<Field> views =
      snapshot ? std::vector<Field>{Value<&D::BodyViewOpen>(), Value<&D::PlanViewOpen>(),
                                    Value<&D::ProfileViewOpen>(),
                                    Value<&D::PerspectiveViewOpen>()}
               : std::vector<Field>{Value<&D::BodyViewOn>(), Value<&D::PlanViewOn>(),
                                    Value<&D::ProfileViewOn>(), Value<&D::PerspectiveViewOn>()};
  views.insert(views.end(), {Value<&D::StationRefCutwater>(), Value<&D::ShowVertexNet>(),
                             Value<&D::KeelRudderShown>()});
  lines.push_back(layout::Fields<D>(std::move(views)));
  lines.push_back(layout::Fields<D>(
      {Value<&D::HighlightPending>(), Value<&D::HighlightRows>(), Value<&D::HighlightColumns>()}));
  lines.push_back(layout::Fields<D>({Value<&D::SpecialStationsOn>(), Value<&D::ShowStations>(),
                                     Value<&D::ShowWaterlines>(), Value<&D::ShowButtocks>(),
                                     Value<&D::ShowSurface>(), Value<&D::SpecialWaterlinesOn>(),
                                     Value<&D::SpecialButtocksOn>()}));

  if (specialSections) AddSpecialLists(lines);

  lines.push_back(layout::Fields<D>({Value<&D::StationCount>(), Value<&D::WaterlineCount>(),
                                     Value<&D::ButtockCount>(), Value<&D::KeelRudderCount>(),
                                     Value<&D::HighlightIndex>(), Value<&D::SectionPointCount>(),
                                     Value<&D::EdgeLinePoints>(), Value<&D::ChineLinePoints>()}));
  lines.push_back(
      layout::Fields<D>({Value<&D::StoredSetting1>(), Value<&D::StoredSetting2>(),
                         Value<&D::StoredSetting3>(),
                         Value<&D::SpecialStationCount>().WrittenWithin(0, kMaxSpecialStations),
                         Value<&D::SpecialWaterlineCount>().WrittenWithin(0, kMaxSpecialWaterlines),
                         Value<&D::SpecialButtockCount>().WrittenWithin(0, kMaxSpecialButtocks)})
          .Then(CheckSettingsB));
  lines.push_back(layout::Fields<D>(
      {Value<&D::RefHullShown>(), Value<&D::RefHullLoaded>(), Value<&D::MarkersShown>()}));
  lines.push_back(layout::Text<D>(
      [](const D& d) {
        // The name is one line of the file; a line break in it would shift
        // every line after it.
        const std::string& name = d.MarkerFileName;
        return name.substr(0, name.find_first_of("\r\n"));
      },
      [](D& d, std::string_view text) { d.MarkerFileName.assign(text); }));
  lines.push_back(layout::Fields<D>(
      {Real<&D::PerspectiveAzimuth>(5, 4), Real<&D::PerspectiveElevation>(5, 4)}));

  return lines;
}

namespace {

DesignTable MakeTable(bool snapshot) {
  DesignTable table;
  std::vector<Line>& lines = table.lines;
  if (snapshot) {
    lines.push_back(layout::Text<D>(
        [](const D& d) { return "Undocount=" + std::to_string(d.UndoCount); }, nullptr));
  } else {
    // Checked before the table is read (StartsWithDesignMarker).
    lines.push_back(layout::Keyword<D>(kDesignFileMarker));
  }
  lines.push_back(DesignHeaderLine());
  lines.push_back(layout::Each<D>(
      NetVertexCount, {NetCoordinate<&Vertex::x>(5, 4), NetCoordinate<&Vertex::y>(5, 4),
                       NetCoordinate<&Vertex::z>(5, 4),
                       NetCoordinate<&Vertex::w>(5, 4).OneIfNotPositive()}));
  lines.push_back(layout::Fields<D>({Real<&D::WaterlineSpacing>(5, 4),
                                     Real<&D::ButtockSpacing>(5, 4),
                                     Real<&D::SectionPosition>(5, 4),
                                     Real<&D::StationSpacing>(5, 4),
                                     Real<&D::SurfaceAccuracy>(6, 5)}));
  std::vector<Line> settings = DesignSettingsLines(snapshot, true);
  lines.insert(lines.end(), settings.begin(), settings.end());

  // The chine block: both counts, then all ten slots of each list whatever
  // the counts.
  const auto slots = [](const D&) { return kMaxChines; };
  table.trailer = {
      layout::Fields<D>({Value<&D::ColumnChineCount>().WrittenWithin(0, kMaxChines),
                         Value<&D::RowChineCount>().WrittenWithin(0, kMaxChines)})
          .Then(CheckChineCounts),
      layout::Packed<D>(slots, kValuesPerLine, Item<&D::ColumnChines>()),
      layout::Packed<D>(slots, kValuesPerLine, Item<&D::RowChines>()),
  };
  return table;
}

}  // namespace

const DesignTable& DesignFileTable() {
  static const DesignTable table = MakeTable(false);
  return table;
}

const DesignTable& SnapshotTable() {
  static const DesignTable table = MakeTable(true);
  return table;
}

bool StartsWithDesignMarker(std::string_view text) {
  std::string_view first;
  LineReader(text).Next(first);
  const size_t start = first.find_first_not_of(" \t");
  if (start == std::string_view::npos) return false;
  const size_t end = first.find_last_not_of(" \t");
  return first.substr(start, end - start + 1) == kDesignFileMarker;
}

}  // namespace skelmora
