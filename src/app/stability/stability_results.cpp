#include "stability/stability_results.h"

#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "files/text_io.h"
#include "hydro/text_printing.h"
#include "model/app_state.h"
#include "stability/fixed_text.h"
#include "stability/stability_editor.h"

namespace skelmora::app {

namespace {

struct SeriesColumn {
  const char* title;
  int column;
};

struct PlotChoice {
  const char* label;
  bool secondTable;
  std::vector<SeriesColumn> series;
  const char* englishAxis;
  const char* metricAxis;
};

// Column indices of the file's rows: the first table Ang, Disp, Trim, LWL,
// Draft, BmWL, WPln, WSurf, Cp, Cb, Cw, LCB, VCB, TCB, LCF, VCGx, VCGz, LCG;
// the second Ang, Bmt, Gmt, Bml, Gml, Gz.
const std::vector<PlotChoice>& PlotChoices() {
  static const std::vector<PlotChoice> choices = {
      {"Gz -Righting Arm", true, {{"Gz Righting Arm", 5}}, "Gz Righting Arm - Feet",
       "Gz Righting Arm - Meters"},
      {"Cw, Cp, Cb", false, {{"Cw Waterplane", 10}, {"Cb Block", 9}, {"Cp Prismatic", 8}},
       "Cw, Cp, Cb", "Cw, Cp, Cb"},
      {"Bml, Gml", true, {{"BML", 3}, {"GML", 4}}, "BML & GML - FEET", "BML & GML - Meters"},
      {"Bmt, Gmt", true, {{"BMT", 1}, {"GMT", 2}}, "BMT & GMT - FEET", "BMT & GMT - Meters"},
      {"LWL", false, {{"LWL Waterline", 3}}, "Load Waterline - FEET", "Load Waterline - Meters"},
      {"LCB, LCF", false, {{"LCB Bouyancy", 11}, {"LCF Flotation", 14}}, "LCB, LCF - FEET",
       "LCB, LCF - Meters"},
      {"VCB", false, {{"Vertical Center of Bouyancy", 12}}, "VCB - FEET", "VCB - Meters"},
      {"TCB", false, {{"Transverse Center of Bouyancy", 13}}, "CB - FEET", "TCB - Meters"},
      {"BeamWL", false, {{"Max WL Beam", 5}}, "Waterline Beam - FEET", "Waterline Beam - Meters"},
      {"Water Plane", false, {{"Waterplane Area", 6}}, "Water Plane Area - Square FT",
       "Water Plane Area - Square Mts"},
      {"Wetted Surface", false, {{"Wetted Surface", 7}}, "Wetted Surface Sq.FEET",
       "Wetted Surface - Sq.Meters"},
  };
  return choices;
}

const Qt::GlobalColor kSeriesColours[3] = {Qt::red, Qt::green, Qt::blue};

}  // namespace

TStabilityResults::TStabilityResults(AppState& state, ReportPrinter& printer, FileChooser& files,
                                     QString dataPath, int rowCount,
                                     std::vector<Criterion> criteria, QWidget* parent)
    : QDialog(parent),
      state_(state),
      printer_(printer),
      files_(files),
      dataPath_(std::move(dataPath)),
      rowCount_(rowCount),
      criteria_(std::move(criteria)) {
  setObjectName(QStringLiteral("StabilityResults"));
  setWindowTitle(QStringLiteral("Stability Calculation"));
  chart_ = new QChart;
  xAxis_ = new QValueAxis;
  xAxis_->setTitleText(QStringLiteral("Heel Angle - Degrees"));
  yAxis_ = new QValueAxis;
  chart_->addAxis(xAxis_, Qt::AlignBottom);
  chart_->addAxis(yAxis_, Qt::AlignLeft);
  for (int k = 0; k < 3; ++k) {
    series_[k] = new QLineSeries;
    series_[k]->setColor(kSeriesColours[k]);
    series_[k]->setPointsVisible(true);
    chart_->addSeries(series_[k]);
    series_[k]->attachAxis(xAxis_);
    series_[k]->attachAxis(yAxis_);
  }
  view_ = new QChartView(chart_);
  view_->setRubberBand(QChartView::RectangleRubberBand);
  view_->setMinimumSize(560, 380);

  criteriaTable_ = new QTableWidget(static_cast<int>(criteria_.size()), 5);
  criteriaTable_->setObjectName(QStringLiteral("CriteriaTable"));
  criteriaTable_->setHorizontalHeaderLabels(
      {QStringLiteral("Criterion"), QStringLiteral("Value"), QStringLiteral("Required"),
       QStringLiteral("Unit"), QStringLiteral("Result")});
  criteriaTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  criteriaTable_->verticalHeader()->hide();
  for (int r = 0; r < static_cast<int>(criteria_.size()); ++r) {
    const Criterion& c = criteria_[static_cast<size_t>(r)];
    const QString value = c.value ? QString::fromStdString(StabilityFixed(*c.value, 0, 3))
                                  : QString::fromStdString(c.note);
    const QString cells[5] = {QString::fromStdString(c.name), value,
                              QString::fromStdString(StabilityFixed(c.required, 0, 3)),
                              QString::fromStdString(c.unit),
                              c.pass ? QStringLiteral("pass") : QStringLiteral("fail")};
    for (int col = 0; col < 5; ++col) {
      criteriaTable_->setItem(r, col, new QTableWidgetItem(cells[col]));
    }
  }
  criteriaTable_->resizeColumnsToContents();
  auto* print = new QPushButton(QStringLiteral("Print Criteria"));
  print->setObjectName(QStringLiteral("PrintCriteriaButton"));
  auto* criteriaPage = new QWidget;
  auto* criteriaLayout = new QVBoxLayout(criteriaPage);
  criteriaLayout->addWidget(new QLabel(QString::fromLatin1(kCriteriaTitle)));
  criteriaLayout->addWidget(criteriaTable_, 1);
  criteriaLayout->addWidget(print, 0, Qt::AlignLeft);

  pages_ = new QStackedWidget;
  pages_->addWidget(view_);
  pages_->addWidget(criteriaPage);

  auto* box = new QGroupBox(QStringLiteral("Data to Plot"));
  auto* boxLayout = new QVBoxLayout(box);
  choices_ = new QButtonGroup(this);
  for (int k = 0; k < kPlotChoices; ++k) {
    auto* radio = new QRadioButton(QString::fromLatin1(PlotChoices()[k].label));
    choices_->addButton(radio, k);
    boxLayout->addWidget(radio);
  }
  auto* criteriaRadio = new QRadioButton(QStringLiteral("Criteria"));
  choices_->addButton(criteriaRadio, kCriteriaChoice);
  boxLayout->addWidget(criteriaRadio);
  boxLayout->addStretch();

  undoZoom_ = new QPushButton(QStringLiteral("Undo Zoom"));
  undoZoom_->setObjectName(QStringLiteral("UndoZoomButton"));
  undoZoom_->setEnabled(false);
  auto* viewData = new QPushButton(QStringLiteral("View Data File"));
  viewData->setObjectName(QStringLiteral("ViewDataButton"));
  auto* close = new QPushButton(QStringLiteral("Close"));
  close->setObjectName(QStringLiteral("CloseButton"));

  auto* side = new QVBoxLayout;
  side->addWidget(box, 1);
  side->addWidget(undoZoom_);
  side->addWidget(viewData);
  side->addWidget(close);
  notFound_ = new QLabel(this);
  notFound_->setObjectName(QStringLiteral("NotFoundLabel"));
  notFound_->setStyleSheet(QStringLiteral("color: red"));
  notFound_->setWordWrap(true);
  notFound_->hide();
  auto* main = new QVBoxLayout;
  main->addWidget(pages_, 1);
  main->addWidget(notFound_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(main, 1);
  layout->addLayout(side);

  connect(choices_, &QButtonGroup::idClicked, this, [this](int id) { Choose(id); });
  connect(undoZoom_, &QPushButton::clicked, this, [this] {
    chart_->zoomReset();
    undoZoom_->setEnabled(false);
  });
  connect(xAxis_, &QValueAxis::rangeChanged, this, [this] {
    if (!plotting_ && chart_->isZoomed()) undoZoom_->setEnabled(true);
  });
  connect(viewData, &QPushButton::clicked, this, &TStabilityResults::ViewDataFile);
  connect(print, &QPushButton::clicked, this, [this] { PrintCriteria(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

TStabilityResults::~TStabilityResults() = default;

bool TStabilityResults::Load() {
  std::string text;
  if (ReadWholeFile(dataPath_.toStdString(), text, 64u << 20) != ReadFileResult::kOk) {
    state_.prompter->ShowError("Cannot open the file: " + dataPath_.toStdString());
    return false;
  }
  tables_ = ReadStabilityTables(text, rowCount_);
  if (!tables_.hasSecondTable) {
    state_.prompter->ShowError(kStabilityDataError);
    return false;
  }
  const bool metric = FactorsFor(state_.design.Units).metric;
  const QString name = QFileInfo(QString::fromStdString(state_.design.DesignFileName)).fileName();
  chart_->setTitle(QStringLiteral("Stability Analysis for ") + name +
                   (metric ? QStringLiteral(" in Meters and Kg")
                           : QStringLiteral(" in Feet and Pounds")));
  choices_->button(0)->setChecked(true);
  return Choose(0);
}

bool TStabilityResults::Choose(int choice) {
  if (choice == kCriteriaChoice) {
    pages_->setCurrentIndex(1);
    return true;
  }
  if (choice < 0 || choice >= kPlotChoices) return false;
  pages_->setCurrentIndex(0);
  // Each choice reads the file afresh.
  std::string text;
  if (ReadWholeFile(dataPath_.toStdString(), text, 64u << 20) != ReadFileResult::kOk) {
    state_.prompter->ShowError("Cannot open the file: " + dataPath_.toStdString());
    return false;
  }
  tables_ = ReadStabilityTables(text, rowCount_);
  const PlotChoice& plot = PlotChoices()[static_cast<size_t>(choice)];
  const bool metric = FactorsFor(state_.design.Units).metric;
  const auto& rows = plot.secondTable ? tables_.second : tables_.first;
  plotting_ = true;
  chart_->zoomReset();
  double low = 0.0, high = 0.0, left = 0.0, right = 1.0;
  bool first = true;
  for (QLineSeries* stretch : stretches_) {
    chart_->removeSeries(stretch);
    delete stretch;
  }
  stretches_.clear();
  for (int k = 0; k < 3; ++k) {
    series_[k]->clear();
    const bool used = k < static_cast<int>(plot.series.size());
    series_[k]->setVisible(used);
    if (!used) continue;
    series_[k]->setName(QString::fromLatin1(plot.series[static_cast<size_t>(k)].title));
    const size_t column = static_cast<size_t>(plot.series[static_cast<size_t>(k)].column);
    // A step not found holds only its angle: no point, and the line breaks.
    QLineSeries* stretch = series_[k];
    bool broken = false;
    for (const std::vector<double>& row : rows) {
      if (column >= row.size()) {
        broken = stretch->count() > 0;
        continue;
      }
      if (broken) {
        stretch = new QLineSeries;
        stretch->setColor(kSeriesColours[k]);
        stretch->setPointsVisible(true);
        chart_->addSeries(stretch);
        stretch->attachAxis(xAxis_);
        stretch->attachAxis(yAxis_);
        for (QLegendMarker* marker : chart_->legend()->markers(stretch)) marker->setVisible(false);
        stretches_.push_back(stretch);
        broken = false;
      }
      const double angle = row[0];
      const double value = row[column];
      stretch->append(angle, value);
      if (first) {
        low = high = value;
        left = right = angle;
        first = false;
      }
      low = std::min(low, value), high = std::max(high, value);
      left = std::min(left, angle), right = std::max(right, angle);
    }
  }
  QStringList missing;
  for (const double heel : tables_.notFound) {
    missing << QString::fromStdString(FormatFixed(heel, 0, heel == std::floor(heel) ? 0 : 2));
  }
  notFound_->setText(missing.isEmpty()
                         ? QString()
                         : QStringLiteral("Displacement not found at %1 deg: not plotted.")
                               .arg(missing.join(QStringLiteral(", "))));
  notFound_->setVisible(!missing.isEmpty());
  const double pad = high > low ? 0.05 * (high - low) : 1.0;
  xAxis_->setRange(left, right > left ? right : left + 1.0);
  yAxis_->setRange(low - pad, high + pad);
  // Round tick values (the heel in tens of degrees for a 0-90 run).
  xAxis_->applyNiceNumbers();
  yAxis_->applyNiceNumbers();
  yAxis_->setTitleText(QString::fromLatin1(metric ? plot.metricAxis : plot.englishAxis));
  undoZoom_->setEnabled(false);
  plotting_ = false;
  return true;
}

void TStabilityResults::ViewDataFile() {
  if (!editor_) editor_ = new TStabedit(state_, printer_, files_, dataPath_, this);
  editor_->Load();
  editor_->show();
  editor_->raise();
}

bool TStabilityResults::PrintCriteria() {
  std::string text = FormatCriteria(criteria_);
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return printer_.Print(this, {.text = text, .name = QStringLiteral("stability-criteria")});
}

void TStabilityResults::done(int result) {
  if (editor_ && editor_->isVisible()) {
    state_.prompter->ShowInformation(kCloseEditorFirst);
    return;
  }
  QDialog::done(result);
}

}  // namespace skelmora::app
