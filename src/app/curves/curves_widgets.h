// Pieces of the curves windows: a FROM / TO / STEP row of number fields, a
// read-only table of text cells, and the chart drawn above a printed table.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>
#include <vector>

class QChartView;
class QHBoxLayout;
class QPainter;
class QRect;
class QTableWidget;
class QWidget;

namespace skelmora::app {

class RealField;

struct RangeFields {
  RealField* from = nullptr;
  RealField* to = nullptr;
  RealField* step = nullptr;

  // The three fields after their captions, in one row.
  QHBoxLayout* Build(QWidget* parent, const QString& caption, const QString& objectPrefix);
  void Set(double from, double to, double step, int decimals);
  // The three numbers; nothing, with the field's conversion message, when
  // one is not a number.
  std::optional<std::array<double, 3>> Read(std::string& message) const;
};

// Replaces the table's contents: the headings, then the rows of cells,
// right-aligned and not editable.
void FillTable(QTableWidget* table, const QStringList& headings,
               const std::vector<std::vector<std::string>>& rows);

// The chart across the page's width at the top of the first page, at most
// half the page tall; returns the height taken with a gap below.
double DrawChartHeading(QChartView* view, QPainter& painter, const QRect& page);

}  // namespace skelmora::app
