// Pieces of the curves windows: a FROM / TO / STEP row of number fields, a
// read-only table of text cells, and the chart drawn above a printed table.
#pragma once

#include <QColor>
#include <QList>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>
#include <vector>

class QChart;
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

// The colour of a chart's series k: ten colours told apart at a glance,
// then hues spread round the circle by the golden angle, so no two series
// of a chart share one.
QColor SeriesColour(int k);
// Gives every series of the chart its own colour, in the order added.
void ColourSeries(QChart* chart);
// Whether every series has the colour ColourSeries gives it.
bool HasSeriesColours(const QChart* chart);

// The chart's legend written out in full below it: a swatch of each
// series' colour and its whole name, the entries wrapped onto as many
// lines as they need (the chart's own legend cuts long names short).
class SeriesLegend : public QLabel {
  Q_OBJECT
 public:
  explicit SeriesLegend(QWidget* parent = nullptr);
  // Takes the chart's series as they are now.
  void Show(const QChart* chart);
  // The names shown, in order.
  const QStringList& entries() const { return entries_; }
  const QList<QColor>& colours() const { return colours_; }

 private:
  QStringList entries_;
  QList<QColor> colours_;
};

// The chart across the page's width at the top of the first page, at most
// half the page tall, with the legend (when given and not empty) below it
// at the same scale; returns the height taken with a gap below.
double DrawChartHeading(QChartView* view, QPainter& painter, const QRect& page,
                        const SeriesLegend* legend = nullptr);

}  // namespace skelmora::app
