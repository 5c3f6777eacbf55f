#include "resistance/resistance_window.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "hydro/hydrostatics.h"
#include "model/app_state.h"
#include "resistance/resistance_fields.h"
#include "resistance/resistance_table.h"
#include "resistance/table_csv.h"
#include "views/real_field.h"

namespace skelmora::app {

namespace {

constexpr ResistanceMethod kMethods[] = {ResistanceMethod::kHoltrop, ResistanceMethod::kSavitsky,
                                         ResistanceMethod::kYacht};

QString Title(ResistanceMethod method) {
  switch (method) {
    case ResistanceMethod::kHoltrop:
      return QStringLiteral("Holtrop-Mennen (ships)");
    case ResistanceMethod::kSavitsky:
      return QStringLiteral("Savitsky (planing hulls)");
    case ResistanceMethod::kYacht:
      return QStringLiteral("Yacht series");
  }
  return {};
}

bool Metric(const AppState& state) { return FactorsFor(state.design.Units).metric; }

}  // namespace

TResistanceWindow::TResistanceWindow(AppState& state, ReportPrinter& printer, FileChooser& files,
                                     const HullResistanceSource& hull, QWidget* parent)
    : TCurvesWindow(state, printer, QStringLiteral("Resistance and Power"), Qt::AlignTop, parent),
      files_(files),
      hull_(hull),
      edited_(hull.inputs) {
  setObjectName(QStringLiteral("ResistanceWindow"));
  method_ = new QComboBox(this);
  method_->setObjectName(QStringLiteral("Method"));
  for (ResistanceMethod m : kMethods) method_->addItem(Title(m));
  water_ = new QComboBox(this);
  water_->setObjectName(QStringLiteral("Water"));
  water_->addItems({QStringLiteral("Salt water"), QStringLiteral("Fresh water")});
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("Method"), this));
  top->addWidget(method_);
  top->addWidget(water_);
  top->addStretch();
  QHBoxLayout* speedRow = speeds_.Build(this, QStringLiteral("Speed (knots)"),
                                        QStringLiteral("Speed"));
  speedRow->addWidget(compute_);
  speedRow->addStretch();

  inputs_ = new QTableWidget(0, 4, this);
  inputs_->setObjectName(QStringLiteral("Inputs"));
  inputs_->setHorizontalHeaderLabels({QStringLiteral("Input"), QStringLiteral("Value"),
                                      QStringLiteral("Unit"), QStringLiteral("Hull")});
  inputs_->verticalHeader()->hide();
  inputs_->setSelectionBehavior(QAbstractItemView::SelectRows);
  inputs_->setMinimumWidth(420);
  auto* reset = new QPushButton(QStringLiteral("Reset to Hull"), this);
  reset->setObjectName(QStringLiteral("ResetButton"));
  warnings_ = new QListWidget(this);
  warnings_->setObjectName(QStringLiteral("Warnings"));
  warnings_->setMaximumHeight(90);
  auto* inputsColumn = new QVBoxLayout;
  inputsColumn->addWidget(inputs_, 1);
  inputsColumn->addWidget(reset);
  inputsColumn->addWidget(new QLabel(QStringLiteral("Warnings"), this));
  inputsColumn->addWidget(warnings_);

  auto* save = new QPushButton(QStringLiteral("Save Table..."), this);
  save->setObjectName(QStringLiteral("SaveTableButton"));
  connect(save, &QPushButton::clicked, this, [this] { SaveTable(); });
  connect(reset, &QPushButton::clicked, this, [this] { ResetInputs(); });

  resistance_ = new QLineSeries;
  resistance_->setName(QStringLiteral("Total resistance (kN)"));
  power_ = new QLineSeries;
  power_->setName(QStringLiteral("Effective power (kW)"));
  chart_->addSeries(resistance_);
  chart_->addSeries(power_);
  powerAxis_ = new QValueAxis;
  powerAxis_->setTitleText(QStringLiteral("Effective power kW"));
  chart_->addAxis(powerAxis_, Qt::AlignRight);
  xAxis_->setTitleText(QStringLiteral("Speed knots"));
  yAxis_->setTitleText(QStringLiteral("Total resistance kN"));
  resistance_->attachAxis(xAxis_);
  resistance_->attachAxis(yAxis_);
  power_->attachAxis(xAxis_);
  power_->attachAxis(powerAxis_);

  // The inputs beside the chart; the table of results below both.
  auto* upper = new QWidget(this);
  auto* upperLayout = new QHBoxLayout(upper);
  upperLayout->setContentsMargins(0, 0, 0, 0);
  upperLayout->addLayout(inputsColumn);
  upperLayout->addWidget(chartArea_, 1);  // the chart with its legend below
  Arrange({top, speedRow}, upper, save);

  method_->setCurrentIndex(static_cast<int>(
      std::find(std::begin(kMethods), std::end(kMethods), BestFittingMethod(hull_)) -
      std::begin(kMethods)));
  FillInputs();
  SetDefaultSpeeds();
  connect(method_, &QComboBox::currentIndexChanged, this, [this] {
    FillInputs();
    SetDefaultSpeeds();
    Compute();
  });
  resize(1100, 780);
}

ResistanceMethod TResistanceWindow::Chosen() const {
  return kMethods[std::clamp(method_->currentIndex(), 0, 2)];
}

void TResistanceWindow::SetMethod(ResistanceMethod method) {
  method_->setCurrentIndex(static_cast<int>(
      std::find(std::begin(kMethods), std::end(kMethods), method) - std::begin(kMethods)));
}

RealField* TResistanceWindow::inputField(int row) const {
  return qobject_cast<RealField*>(inputs_->cellWidget(row, 1));
}

void TResistanceWindow::FillInputs() {
  // What was typed for inputs the new method shares is kept.
  for (int row = 0; row < static_cast<int>(shownFields_.size()); ++row) {
    const ResistanceField& f = ResistanceFields()[shownFields_[row]];
    if (const auto value = inputField(row)->value()) edited_.*(f.value) = *value;
  }
  shownFields_.clear();
  const auto& fields = ResistanceFields();
  for (int k = 0; k < static_cast<int>(fields.size()); ++k) {
    if (UsedBy(fields[k], Chosen())) shownFields_.push_back(k);
  }
  inputs_->setRowCount(static_cast<int>(shownFields_.size()));
  for (int row = 0; row < static_cast<int>(shownFields_.size()); ++row) {
    const ResistanceField& f = fields[shownFields_[row]];
    auto cell = [&](int column, const QString& text) {
      auto* item = new QTableWidgetItem(text);
      item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
      inputs_->setItem(row, column, item);
    };
    cell(0, QString::fromUtf8(f.caption));
    cell(2, QString::fromUtf8(f.unit));
    cell(3, FixedText(hull_.inputs.*(f.value), 4));
    auto* field = new RealField;
    field->setObjectName(QString::fromUtf8(f.key));
    field->setValue(edited_.*(f.value), 4);
    inputs_->setCellWidget(row, 1, field);
  }
  inputs_->resizeColumnsToContents();
}

void TResistanceWindow::ResetInputs() {
  QList<int> rows;
  for (const QModelIndex& index : inputs_->selectionModel()->selectedRows()) rows << index.row();
  if (rows.isEmpty()) {
    for (int row = 0; row < inputs_->rowCount(); ++row) rows << row;
  }
  for (int row : rows) {
    const ResistanceField& f = ResistanceFields()[shownFields_[row]];
    edited_.*(f.value) = hull_.inputs.*(f.value);
    inputField(row)->setValue(hull_.inputs.*(f.value), 4);
  }
}

void TResistanceWindow::SetDefaultSpeeds() {
  ResistanceInputs in = edited_;
  for (int row = 0; row < static_cast<int>(shownFields_.size()); ++row) {
    if (const auto value = inputField(row)->value()) {
      in.*(ResistanceFields()[shownFields_[row]].value) = *value;
    }
  }
  const std::vector<double> speeds = DefaultSpeeds(Chosen(), in);
  if (speeds.size() < 2 || !std::isfinite(speeds.back())) {
    speeds_.Set(1.0, 14.0, 1.0, 2);
    return;
  }
  // Round steps in the fields, the last speed a whole number of them on.
  const double from = std::round(speeds.front() * 100.0) / 100.0;
  const double step =
      std::max(0.01, std::round((speeds.back() - speeds.front()) / (speeds.size() - 1) * 100.0) /
                         100.0);
  speeds_.Set(from, from + step * (speeds.size() - 1), step, 2);
}

bool TResistanceWindow::Compute() {
  std::string message;
  ResistanceInputs in = edited_;
  in.water = water_->currentIndex() == 1 ? Water::kFresh : Water::kSalt;
  for (int row = 0; row < static_cast<int>(shownFields_.size()); ++row) {
    const ResistanceField& f = ResistanceFields()[shownFields_[row]];
    RealField* field = inputField(row);
    const auto value = field->value();
    if (!value) {
      state_.prompter->ShowError(
          RealField::ConversionError(QString::fromUtf8(f.caption), field->text()));
      return false;
    }
    if (const auto bad = CheckFieldValue(f, *value, f.caption)) {
      state_.prompter->ShowError(*bad);
      return false;
    }
    in.*(f.value) = *value;
  }
  const auto range = speeds_.Read(message);
  if (!range) {
    state_.prompter->ShowError(message);
    return false;
  }
  const auto speeds = SpeedRange((*range)[0], (*range)[1], (*range)[2], message);
  if (!speeds) {
    state_.prompter->ShowError(message);
    return false;
  }
  if (const auto bad = CheckInputs(Chosen(), in)) {
    state_.prompter->ShowError(*bad);
    return false;
  }
  edited_ = in;
  run_ = ComputeResistance(Chosen(), in, *speeds);
  if (Chosen() == ResistanceMethod::kSavitsky && in.chineBeam == hull_.inputs.chineBeam) {
    if (const auto note = ChineNote(hull_)) run_.warnings.insert(run_.warnings.begin(), *note);
  }
  Show();
  return true;
}

void TResistanceWindow::Show() {
  const ResistanceTable table = FormatResistanceTable(run_, Metric(state_));
  QStringList headings;
  for (const std::string& h : table.headings) headings << QString::fromStdString(h);
  FillTable(table_, headings, table.rows);
  warnings_->clear();
  for (const std::string& w : run_.warnings) warnings_->addItem(QString::fromStdString(w));

  resistance_->clear();
  power_->clear();
  double top = 0.0, topPower = 0.0, fastest = 0.0;
  for (const ResistanceRow& r : run_.rows) {
    fastest = std::max(fastest, r.speed);
    if (!r.valid) continue;
    resistance_->append(r.speed, r.total);
    power_->append(r.speed, r.effectivePower);
    top = std::max(top, r.total);
    topPower = std::max(topPower, r.effectivePower);
  }
  xAxis_->setRange(0.0, fastest > 0.0 ? fastest : 1.0);
  yAxis_->setRange(0.0, top > 0.0 ? top * 1.05 : 1.0);
  powerAxis_->setRange(0.0, topPower > 0.0 ? topPower * 1.05 : 1.0);
  for (QValueAxis* axis : {xAxis_, yAxis_, powerAxis_}) axis->applyNiceNumbers();
  chart_->setTitle(QStringLiteral("Resistance and Power: ") + Title(run_.method));
  chart_->zoomReset();
}

bool TResistanceWindow::PrintCurves() {
  if (run_.rows.empty()) return false;
  return PrintWithChart(ResistanceReportText(run_, Metric(state_)));
}

bool TResistanceWindow::SaveTable() {
  return SaveTableCsv(this, *table_, files_, *state_.prompter, QStringLiteral("resistance.csv"));
}

bool RunResistanceWindow(AppState& state, QWidget* parent, ReportPrinter& printer,
                         FileChooser& files) {
  if (!HullGuard(state.design, *state.surface, *state.prompter)) return false;
  HullResistanceSource hull;
  if (!HullResistanceInputs(state.design, *state.surface, *state.cuts, *state.prompter,
                            Water::kSalt, hull)) {
    return false;
  }
  TResistanceWindow window(state, printer, files, hull, parent);
  window.Compute();
  window.exec();
  return true;
}

}  // namespace skelmora::app
