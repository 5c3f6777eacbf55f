#include "loading/loading_cells.h"

#include <algorithm>

#include "files/text_io.h"
#include "hydro/hydrostatics.h"
#include "views/real_field.h"

namespace skelmora::app {

namespace {

QString Weight(int32_t units) {
  return FactorsFor(units).metric ? QStringLiteral("kg") : QStringLiteral("lb");
}
QString Length(int32_t units) {
  return FactorsFor(units).metric ? QStringLiteral("mm") : QStringLiteral("in");
}

std::optional<double> Number(const std::string& text, const char* caption,
                             std::string& message) {
  const std::optional<double> value = TryParseReal(text);
  if (!value) message = NotANumberMessage(caption, text);
  return value;
}

}  // namespace

QStringList ItemHeadings(int32_t units) {
  const QString w = Weight(units), l = Length(units);
  return {QStringLiteral("Name"), QStringLiteral("Weight (%1)").arg(w),
          QStringLiteral("LCG (%1)").arg(l), QStringLiteral("VCG (%1)").arg(l),
          QStringLiteral("TCG (%1)").arg(l)};
}

QStringList TankHeadings(int32_t units) {
  const QString w = Weight(units), l = Length(units);
  return {QStringLiteral("Name"),
          QStringLiteral("Fore (%1)").arg(l),
          QStringLiteral("Aft (%1)").arg(l),
          QStringLiteral("X min (%1)").arg(l),
          QStringLiteral("X max (%1)").arg(l),
          QStringLiteral("Z min (%1)").arg(l),
          QStringLiteral("Z max (%1)").arg(l),
          QStringLiteral("Density"),
          QStringLiteral("Fill %"),
          QStringLiteral("Volume (") + l + QStringLiteral("³)"),
          QStringLiteral("Weight (%1)").arg(w),
          QStringLiteral("Capacity (") + l + QStringLiteral("³)"),
          QStringLiteral("FSM (%1·%2)").arg(w, l)};
}

std::string ItemCellText(const WeightItem& item, int column) {
  switch (column) {
    case kItemName:
      return item.name;
    case kItemWeight:
      return FormatFixed(item.weight, 0, 1);
    case kItemLcg:
      return FormatFixed(item.lcg, 0, 1);
    case kItemVcg:
      return FormatFixed(item.vcg, 0, 1);
    case kItemTcg:
      return FormatFixed(item.tcg, 0, 1);
    default:
      return {};
  }
}

std::string TankCellText(const Tank& tank, const TankState& state, int column) {
  switch (column) {
    case kTankName:
      return tank.name;
    case kTankFore:
      return FormatFixed(tank.yFore, 0, 1);
    case kTankAft:
      return FormatFixed(tank.yAft, 0, 1);
    case kTankXMin:
      return FormatFixed(tank.xMin, 0, 1);
    case kTankXMax:
      return FormatFixed(tank.xMax, 0, 1);
    case kTankZMin:
      return FormatFixed(tank.zMin, 0, 1);
    case kTankZMax:
      return FormatFixed(tank.zMax, 0, 1);
    case kTankDensity:
      return FormatFixed(tank.density, 0, 3);
    case kTankFill:
      return FormatFixed(tank.fill, 0, 1);
    case kTankVolume:
      return FormatFixed(state.volume, 0, 0);
    case kTankWeight:
      return FormatFixed(state.weight, 0, 1);
    case kTankCapacity:
      return FormatFixed(state.capacity, 0, 0);
    case kTankMoment:
      return FormatFixed(state.freeSurfaceMoment, 0, 0);
    default:
      return {};
  }
}

bool TankColumnEditable(int column) { return column < kTankCapacity; }

std::optional<std::string> ApplyItemCell(WeightItem& item, int column, const std::string& text) {
  WeightItem copy = item;
  std::string message;
  if (column == kItemName) {
    copy.name = text;
  } else {
    static const char* const kCaptions[] = {"Name", "Weight", "LCG", "VCG", "TCG"};
    const std::optional<double> value = Number(text, kCaptions[column], message);
    if (!value) return message;
    double* fields[] = {nullptr, &copy.weight, &copy.lcg, &copy.vcg, &copy.tcg};
    *fields[column] = *value;
  }
  if (auto refused = CheckWeightItem(copy)) return item.name + ": " + *refused + ".";
  item = copy;
  return std::nullopt;
}

std::optional<std::string> ApplyTankCell(Tank& tank, const TankState& state, int column,
                                         const std::string& text, int32_t units) {
  Tank copy = tank;
  std::string message;
  if (column == kTankName) {
    copy.name = text;
  } else {
    static const char* const kCaptions[] = {"Name",  "Fore",    "Aft",  "X min",  "X max",
                                            "Z min", "Z max",   "Density", "Fill %",
                                            "Volume", "Weight"};
    if (column >= kTankCapacity) return std::string("This column is computed.");
    const std::optional<double> value = Number(text, kCaptions[column], message);
    if (!value) return message;
    double* fields[] = {nullptr,       &copy.yFore, &copy.yAft,    &copy.xMin,
                        &copy.xMax,    &copy.zMin,  &copy.zMax,    &copy.density,
                        &copy.fill};
    if (column <= kTankFill) {
      *fields[column] = *value;
    } else {
      // A volume or a weight becomes the percent of the capacity it fills.
      double volume = *value;
      if (column == kTankWeight) {
        const double perVolume = FreshWaterWeight(1.0, units) * copy.density;
        if (!(perVolume > 0.0)) return std::string("A tank of density 0 holds no weight.");
        volume = *value / perVolume;
      }
      if (!(state.capacity > 0.0)) return "Tank " + copy.name + " has no capacity inside the hull.";
      if (volume < 0.0 || volume > state.capacity * (1.0 + 1e-9)) {
        return "Tank " + copy.name + " holds " + FormatFixed(state.capacity, 0, 0) +
               " at most; " + text + " does not fit.";
      }
      copy.fill = std::min(100.0, 100.0 * volume / state.capacity);
    }
  }
  if (auto refused = CheckTank(copy)) return tank.name + ": " + *refused + ".";
  tank = copy;
  return std::nullopt;
}

QWidget* RealCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
  if (index.column() < firstNumeric_) return QStyledItemDelegate::createEditor(parent, option, index);
  auto* field = new RealField(parent);
  field->setFrame(false);
  return field;
}


}  // namespace skelmora::app
