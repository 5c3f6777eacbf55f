// The loading window's two grids as text cells: what each column shows and
// how a typed cell changes a copy of the condition. A cell is parsed with
// the core's parser and checked as the file is, so a refused cell leaves the
// condition as it was.
#pragma once

#include <QStringList>
#include <QStyledItemDelegate>
#include <optional>
#include <string>

#include "loading/loading_condition.h"
#include "loading/tanks.h"

namespace skelmora::app {

// Items: the lightship is row 0 (its name fixed), then the deadweight items.
enum ItemColumn { kItemName, kItemWeight, kItemLcg, kItemVcg, kItemTcg, kItemColumns };
// Tanks: the box, density and fill typed; volume and weight may be typed in
// place of the fill; capacity and free-surface moment only shown.
enum TankColumn {
  kTankName,
  kTankFore,
  kTankAft,
  kTankXMin,
  kTankXMax,
  kTankZMin,
  kTankZMax,
  kTankDensity,
  kTankFill,
  kTankVolume,
  kTankWeight,
  kTankCapacity,
  kTankMoment,
  kTankColumns
};

QStringList ItemHeadings(int32_t units);
QStringList TankHeadings(int32_t units);

// The text a cell shows.
std::string ItemCellText(const WeightItem& item, int column);
std::string TankCellText(const Tank& tank, const TankState& state, int column);
bool TankColumnEditable(int column);

// The typed text into the item or tank; the reason it is refused (not a
// number, a name with blanks, a value the condition's checks refuse, a
// volume or weight beyond the capacity), and then nothing changed.
std::optional<std::string> ApplyItemCell(WeightItem& item, int column, const std::string& text);
std::optional<std::string> ApplyTankCell(Tank& tank, const TankState& state, int column,
                                         const std::string& text, int32_t units);

// Numeric cells are edited in the program's number field.
class RealCellDelegate : public QStyledItemDelegate {
 public:
  // Columns from firstNumeric on hold numbers.
  RealCellDelegate(int firstNumeric, QObject* parent)
      : QStyledItemDelegate(parent), firstNumeric_(firstNumeric) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;

 private:
  int firstNumeric_;
};


}  // namespace skelmora::app
