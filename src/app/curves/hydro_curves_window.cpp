#include "curves/hydro_curves_window.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "files/text_io.h"
#include "hydro/draft_search.h"
#include "hydro/text_printing.h"
#include "model/app_state.h"
#include "views/real_field.h"
#include "views/wait_cursor.h"

namespace skelmora::app {

namespace {

// The columns plotted when the window opens.
constexpr const char* kFirstPlotted[] = {"displacementSaltwater", "kmt", "momentToTrim",
                                         "immersion"};

// 1, 2 or 5 times a power of ten, the nearest at or below value.
double RoundStep(double value) {
  if (!(value > 0.0)) return 1.0;
  const double power = std::pow(10.0, std::floor(std::log10(value)));
  for (const double m : {5.0, 2.0}) {
    if (value >= m * power) return m * power;
  }
  return power;
}

// One column's values down the rows, by field name.
std::vector<double> ColumnValues(const std::vector<std::vector<ResultField>>& rows,
                                 const std::string& name) {
  std::vector<double> values;
  for (const std::vector<ResultField>& fields : rows) {
    const auto at = std::find_if(fields.begin(), fields.end(),
                                 [&](const ResultField& f) { return f.name == name; });
    values.push_back(at != fields.end() ? at->value : 0.0);
  }
  return values;
}

}  // namespace

THydroCurvesWindow::THydroCurvesWindow(AppState& state, ReportPrinter& printer, QWidget* parent)
    : TCurvesWindow(state, printer, QStringLiteral("Hydrostatic Curves"), Qt::AlignBottom,
                    parent) {
  setObjectName(QStringLiteral("HydroCurvesWindow"));
  const bool metric = FactorsFor(state_.design.Units).metric;
  const QString unit = metric ? QStringLiteral("mm") : QStringLiteral("in");
  yAxis_->setTitleText(QStringLiteral("Draft change (%1), positive deeper").arg(unit));

  columns_ = new QListWidget(this);
  columns_->setObjectName(QStringLiteral("CurveColumns"));
  const std::vector<std::string> units = CurveColumnUnits(state_.design.Units);
  const auto& list = CurveTableColumns();
  for (std::size_t k = 1; k < list.size(); ++k) {  // every column but the draft itself
    const QString text = units[k].empty()
                             ? QString::fromLatin1(list[k].heading)
                             : QStringLiteral("%1 (%2)").arg(QLatin1String(list[k].heading),
                                                             QString::fromStdString(units[k]));
    auto* item = new QListWidgetItem(text, columns_);
    item->setData(Qt::UserRole, QString::fromLatin1(list[k].name));
    const bool first = std::any_of(std::begin(kFirstPlotted), std::end(kFirstPlotted),
                                   [&](const char* n) { return std::string(n) == list[k].name; });
    item->setCheckState(first ? Qt::Checked : Qt::Unchecked);
  }
  columns_->setMaximumWidth(170);
  table_->setObjectName(QStringLiteral("CurveTable"));
  range_ = new QLabel(this);

  QHBoxLayout* inputs = drafts_.Build(this, QStringLiteral("Draft changes (%1)").arg(unit),
                                      QStringLiteral("Draft"));
  inputs->addWidget(compute_);
  inputs->addStretch();
  auto* plot = new QHBoxLayout;
  plot->addWidget(chartArea_, 1);
  plot->addWidget(columns_);
  auto* plotArea = new QWidget(this);
  plotArea->setLayout(plot);
  Arrange({inputs}, plotArea, range_);

  connect(columns_, &QListWidget::itemChanged, this, [this] { Plot(); });
  SetDefaultDrafts();
  resize(900, 680);
}

void THydroCurvesWindow::SetDefaultDrafts() {
  // Keel to deck edge, as the curves allow it; five steps either way of a
  // round tenth of the draft, pulled in to what the hull allows.
  const double keel = state_.surface->extents.lowestZ;
  const double deck = GridLowestTop(*state_.surface);
  const double step = RoundStep(std::fabs(keel) / 10.0);
  double from = -5.0 * step, to = 5.0 * step;
  while (from <= keel && from < 0.0) from += step;
  while (to >= deck && to > 0.0) to -= step;
  const int decimals = step < 1.0 ? 2 : 1;
  drafts_.Set(from, to, step, decimals);
  range_->setText(QStringLiteral("The hull allows changes between %1 (keel) and %2 (deck edge).")
                      .arg(FixedText(keel, 2), FixedText(deck, 2)));
}

bool THydroCurvesWindow::Compute() {
  Prompter& prompter = *state_.prompter;
  std::string message;
  const auto range = drafts_.Read(message);
  const auto drafts = range ? DraftSeries((*range)[0], (*range)[1], (*range)[2], message)
                            : std::nullopt;
  if (!drafts) {
    prompter.ShowError(message);
    return false;
  }
  std::vector<CurveRow> rows;
  bool ok = false;
  {
    WaitCursor wait;
    ok = ComputeHydrostaticCurves(state_.design, *state_.surface, *state_.cuts, *drafts,
                                  prompter, rows, message);
  }
  if (!ok) {
    prompter.ShowError(message);
    return false;
  }
  rows_ = std::move(rows);
  QStringList headings;
  const std::vector<std::string> units = CurveColumnUnits(state_.design.Units);
  const auto& list = CurveTableColumns();
  for (std::size_t k = 0; k < list.size(); ++k) {
    headings << (units[k].empty() ? QString::fromLatin1(list[k].heading)
                                  : QStringLiteral("%1\n%2").arg(
                                        QLatin1String(list[k].heading),
                                        QString::fromStdString(units[k])));
  }
  std::vector<std::vector<std::string>> cells;
  for (const CurveRow& row : rows_) cells.push_back(CurveRowCells(row, state_.design.Units));
  FillTable(table_, headings, cells);
  Plot();
  return true;
}

void THydroCurvesWindow::Plot() {
  chart_->removeAllSeries();
  chart_->setTitle(QStringLiteral("Hydrostatic Curves %1")
                       .arg(QString::fromStdString(state_.design.DesignFileName)));
  std::vector<std::pair<std::string, QString>> checked;
  for (int k = 0; k < columns_->count(); ++k) {
    const QListWidgetItem* item = columns_->item(k);
    if (item->checkState() == Qt::Checked) {
      checked.emplace_back(item->data(Qt::UserRole).toString().toStdString(), item->text());
    }
  }
  // Each row's fields once, whatever the number of columns plotted.
  std::vector<std::vector<ResultField>> fields;
  for (const CurveRow& row : rows_) fields.push_back(CurveRowFields(row, state_.design.Units));
  const bool fractions = checked.size() > 1;
  double low = 0.0, high = 0.0;
  bool first = true;
  for (const auto& [name, caption] : checked) {
    const std::vector<double> values = ColumnValues(fields, name);
    double largest = 0.0;
    for (const double v : values) largest = std::max(largest, std::fabs(v));
    auto* series = new QLineSeries;
    series->setName(fractions ? QStringLiteral("%1 to %2").arg(caption, FixedText(largest, 1))
                              : caption);
    for (std::size_t k = 0; k < rows_.size(); ++k) {
      double value = values[k];
      if (fractions) value = largest > 0.0 ? value / largest : 0.0;
      series->append(value, rows_[k].draft);
      low = first ? value : std::min(low, value);
      high = first ? value : std::max(high, value);
      first = false;
    }
    chart_->addSeries(series);
    series->attachAxis(xAxis_);
    series->attachAxis(yAxis_);
  }
  RefreshSeries();
  xAxis_->setTitleText(fractions ? QStringLiteral("Fraction of the largest value")
                           : checked.empty() ? QString()
                                             : checked.front().second);
  if (fractions) low = std::min(low, 0.0);
  if (!(high > low)) high = low + 1.0;
  xAxis_->setRange(low, high + 0.02 * (high - low));
  xAxis_->applyNiceNumbers();
  if (!rows_.empty()) {
    const double top = rows_.back().draft, bottom = rows_.front().draft;
    yAxis_->setRange(bottom, top > bottom ? top : bottom + 1.0);
    yAxis_->applyNiceNumbers();
  }
}

bool THydroCurvesWindow::PrintCurves() {
  if (rows_.empty()) return false;
  const std::string text =
      FormatCurveRows(rows_, state_.design.Units, state_.design.DesignFileName);
  return PrintWithChart(text);
}

}  // namespace skelmora::app
