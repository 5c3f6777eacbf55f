#include "stability/stability_dialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "files/file_chooser.h"
#include "files/file_messages.h"
#include "files/text_io.h"
#include "hydro/draft_search.h"
#include "model/app_state.h"
#include "model/net_edit.h"
#include "model/shown_calculations.h"
#include "stability/ballast_file.h"
#include "stability/criteria.h"
#include "stability/heel_steps.h"
#include "stability/section_box.h"
#include "stability/stability_data.h"
#include "stability/stability_results.h"
#include "views/real_field.h"
#include "views/wait_cursor.h"

namespace skelmora::app {

namespace {

constexpr int kManualOption = 2;  // the third item of the check list

// Number cells take digits, one point, a minus sign, backspace, Escape and
// Ctrl+Y; keys that type nothing (moving, Enter) pass.
class NumberCellFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Escape) return false;
    if (key->modifiers() & Qt::ControlModifier) return key->key() != Qt::Key_Y;
    const QString text = key->text();
    if (text.isEmpty() || !text[0].isPrint()) return false;
    const QChar c = text[0];
    if (c.isDigit() || c == QLatin1Char('-')) return false;
    if (c == QLatin1Char('.')) {
      auto* edit = qobject_cast<QLineEdit*>(watched);
      return edit && edit->text().contains(QLatin1Char('.')) &&
             !edit->selectedText().contains(QLatin1Char('.'));
    }
    return true;
  }
};

class CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (index.column() != kBallastName && editor) {
      editor->installEventFilter(new NumberCellFilter(editor));
    }
    return editor;
  }
};

}  // namespace

// The run's progress in the dialog's fields and paint box. Sections come
// far faster than a screen shows them, so the box is repainted at most
// every 40 ms (the last one of a pass always).
class Tdraw_stability_Dlg::Progress : public StabilityProgress {
 public:
  explicit Progress(Tdraw_stability_Dlg& dialog) : d_(dialog) { clock_.start(); }
  void HeelStarted(double, const std::string& text) override {
    Show("HeelAngle", text);
  }
  void ReferenceDisplacement(double, const std::string& text) override {
    Show("RefDisplacement", text);
  }
  void SectionBuilt(const HeeledSection& section) override {
    last_ = section;
    if (clock_.elapsed() < 40) return;
    Draw();
  }
  void PassFinished(int, double, const std::string& text) override {
    Draw();
    Show("CalcDisplacement", text);
  }

 private:
  void Show(const char* name, const std::string& text) {
    QLineEdit* edit = d_.field(name);
    edit->setText(QString::fromStdString(text));
    edit->repaint();
  }
  void Draw() {
    d_.box_->ShowSections({last_}, d_.state_.surface->extents, d_.state_.design.StationColor);
    d_.box_->repaint();
    clock_.restart();
  }
  Tdraw_stability_Dlg& d_;
  HeeledSection last_;
  QElapsedTimer clock_;
};

Tdraw_stability_Dlg::Tdraw_stability_Dlg(AppState& state, ReportPrinter& printer, FileChooser& files,
                                         QWidget* parent)
    : QDialog(parent), state_(state), printer_(printer), files_(files) {
  setObjectName(QStringLiteral("draw_stability_Dlg"));
  setWindowTitle(QStringLiteral("Stability Calculation"));

  auto lineEdit = [this](const char* name, bool readOnly, const QString& text = QString()) {
    auto* edit = new RealField(this);
    edit->setText(text);
    // Wide enough for a displacement of a ship in pounds.
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-0000000.00")) + 12);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(readOnly);
    return edit;
  };
  auto pushButton = [this](const char* name, const char* text) {
    auto* b = new QPushButton(QString::fromLatin1(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };

  grid_ = new QTableWidget(this);
  grid_->setObjectName(QStringLiteral("WeightsGrid"));
  grid_->setColumnCount(kBallastColumns);
  grid_->setItemDelegate(new CellDelegate(grid_));
  grid_->setMinimumWidth(420);

  auto* units = new QLabel(this);
  units->setObjectName(QStringLiteral("UnitsLabel"));
  auto* weights = new QLabel(this);
  weights->setObjectName(QStringLiteral("WeightsLabel"));
  warning_ = new QLabel(this);
  warning_->setObjectName(QStringLiteral("WarningLabel"));
  warning_->setStyleSheet(QStringLiteral("color: red"));

  options_ = new QListWidget(this);
  options_->setObjectName(QStringLiteral("OptionsList"));
  for (const char* text : {".............", ".............", "Set VCG LCG Manually"}) {
    auto* item = new QListWidgetItem(QString::fromLatin1(text), options_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  options_->setMaximumHeight(70);

  box_ = new SectionBox(this);

  auto* form = new QGridLayout;
  int row = 0;
  auto add = [&](const char* label, QWidget* widget) {
    form->addWidget(new QLabel(QString::fromLatin1(label), this), row, 0);
    form->addWidget(widget, row++, 1);
  };
  add("Ballast Wt", lineEdit("BallastWt", true));
  add("Weight VCG", lineEdit("WeightVcg", true));
  add("Weight LCG", lineEdit("WeightLcg", true));
  add("Weight TCG", lineEdit("WeightTcg", true));
  add("VCG", lineEdit("Vcg", true));
  add("LCG", lineEdit("Lcg", true));
  add("Net VCG", lineEdit("NetVcg", true));
  add("Net LCG", lineEdit("NetLcg", true));
  QLineEdit* shift = lineEdit("Shift", false, QStringLiteral("0"));
  shift->setToolTip(QStringLiteral("+ values Inc. Draft, - Values Dec. Draft"));
  add("Shift Load Waterline +up,-dn", shift);
  form->addWidget(new QLabel(QStringLiteral("in/mm"), this), row - 1, 2);
  add("Max Heel", lineEdit("MaxHeel", false, QStringLiteral("45")));
  add("Heel Step Deg", lineEdit("HeelStep", false, QStringLiteral("5")));
  add("Heel Angle", lineEdit("HeelAngle", true));
  add("Ref. Displacement", lineEdit("RefDisplacement", true));
  add("Calc. Displacement", lineEdit("CalcDisplacement", true));

  auto* buttons = new QGridLayout;
  buttons->addWidget(pushButton("CalculateButton", "Calculate Stability"), 0, 0);
  buttons->addWidget(pushButton("CalcDispButton", "Calc Displacement"), 0, 1);
  buttons->addWidget(pushButton("ResetButton", "Reset Waterline"), 0, 2);
  buttons->addWidget(pushButton("AddButton", "Add New Wt"), 1, 0);
  buttons->addWidget(pushButton("DeleteButton", "Delete Weight"), 1, 1);
  buttons->addWidget(pushButton("SaveButton", "Save"), 1, 2);
  buttons->addWidget(pushButton("OpenButton", "Open"), 2, 0);
  buttons->addWidget(pushButton("CloseButton", "Close"), 2, 2);

  auto* left = new QVBoxLayout;
  left->addWidget(units);
  left->addWidget(weights);
  left->addWidget(grid_, 1);
  left->addWidget(warning_);
  left->addWidget(options_);
  left->addLayout(buttons);
  auto* middle = new QVBoxLayout;
  middle->addLayout(form);
  middle->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 3);
  layout->addLayout(middle, 2);
  layout->addWidget(box_, 3);

  connect(button("CalculateButton"), &QPushButton::clicked, this, [this] { CalculateStability(); });
  connect(button("CalcDispButton"), &QPushButton::clicked, this, [this] { CalcDisplacement(); });
  connect(button("ResetButton"), &QPushButton::clicked, this, [this] { ResetWaterline(); });
  connect(button("AddButton"), &QPushButton::clicked, this, [this] { AddWeight(); });
  connect(button("DeleteButton"), &QPushButton::clicked, this, [this] { DeleteWeight(); });
  connect(button("SaveButton"), &QPushButton::clicked, this, [this] { SaveBallast(); });
  connect(button("OpenButton"), &QPushButton::clicked, this, [this] { OpenBallast(); });
  connect(button("CloseButton"), &QPushButton::clicked, this, &QDialog::reject);
  connect(grid_, &QTableWidget::itemChanged, this, [this] { Totals(); });
  connect(shift, &QLineEdit::textEdited, this, [this](const QString& text) {
    button("CalcDispButton")->setEnabled(TryParseReal(text.toStdString()).has_value());
  });
  connect(options_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (options_->row(item) == kManualOption) SetManual(item->checkState() == Qt::Checked);
  });
  for (const char* name : {"Vcg", "Lcg"}) {
    connect(field(name), &QLineEdit::editingFinished, this, [this] {
      if (!field("Vcg")->isReadOnly()) {
        field("NetVcg")->setText(field("Vcg")->text());
        field("NetLcg")->setText(field("Lcg")->text());
      }
    });
  }

  const bool metric = FactorsFor(state_.design.Units).metric;
  units->setText(metric ? QStringLiteral("Dimensions in mm") : QStringLiteral("Dimension-Inches"));
  weights->setText(metric ? QStringLiteral("Weights in Kg") : QStringLiteral("Weights in Lbs"));
  Reset();
}

Tdraw_stability_Dlg::~Tdraw_stability_Dlg() = default;

QLineEdit* Tdraw_stability_Dlg::field(const char* name) const {
  return findChild<QLineEdit*>(QString::fromLatin1(name));
}

QPushButton* Tdraw_stability_Dlg::button(const char* name) const {
  return findChild<QPushButton*>(QString::fromLatin1(name));
}

StabilityRecords Tdraw_stability_Dlg::Records() {
  return StabilityRecordsOf(state_);
}

BallastTable Tdraw_stability_Dlg::Table() const {
  BallastTable table = BallastTable::Reset(grid_->rowCount() + 1);
  for (int r = 0; r < grid_->rowCount(); ++r) {
    for (int c = 0; c < kBallastColumns; ++c) {
      const QTableWidgetItem* item = grid_->item(r, c);
      table.rows[static_cast<size_t>(r + 1)][c] = item ? item->text().toStdString() : std::string();
    }
  }
  return table;
}

void Tdraw_stability_Dlg::SetTable(const BallastTable& table) {
  const QSignalBlocker block(grid_);
  grid_->setRowCount(table.RowCount() - 1);
  QStringList headings;
  for (const std::string& heading : table.rows[0]) headings << QString::fromStdString(heading);
  grid_->setHorizontalHeaderLabels(headings);
  for (int r = 1; r < table.RowCount(); ++r) {
    for (int c = 0; c < kBallastColumns; ++c) {
      grid_->setItem(r - 1, c,
                     new QTableWidgetItem(QString::fromStdString(table.rows[static_cast<size_t>(r)][c])));
    }
  }
}

void Tdraw_stability_Dlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  DrawBodySections();
}

void Tdraw_stability_Dlg::Reset() {
  button("CalcDispButton")->setEnabled(false);
  for (const char* name : {"BallastWt", "WeightVcg", "WeightLcg", "WeightTcg"}) {
    field(name)->setText(QStringLiteral("0.0"));
  }
  running_ = false;
  accumulatedShift_ = 0.0;
  field("RefDisplacement")->clear();
  field("CalcDisplacement")->clear();
  field("Shift")->setText(QStringLiteral("0"));
  SetTable(BallastTable::Reset());
  warning_->clear();
  ComputeHullWeight();
}

void Tdraw_stability_Dlg::ComputeHullWeight(bool keepTyped) {
  StabilityRecords records = Records();
  const bool manual = options_->item(kManualOption)->checkState() == Qt::Checked;
  const double vcg = RealFieldValue(field("Vcg")->text());
  const double lcg = RealFieldValue(field("Lcg")->text());
  hull_ = skelmora::ComputeHullWeight(records);
  if (manual && keepTyped) {
    hull_.vcg = vcg;
    hull_.lcg = lcg;
    records.results.vcgHull = vcg;
    records.results.lcgHull = lcg;
  }
  field("RefDisplacement")->setText(FixedText(hull_.weight, 2, 0));
  field("Vcg")->setText(FixedText(hull_.vcg, 2, 0));
  field("Lcg")->setText(FixedText(hull_.lcg, 2, 0));
  field("NetVcg")->setText(FixedText(hull_.vcg, 2, 0));
  field("NetLcg")->setText(FixedText(hull_.lcg, 2, 0));
  field("Vcg")->setReadOnly(!manual);
  field("Lcg")->setReadOnly(!manual);
}

bool Tdraw_stability_Dlg::Totals() {
  std::vector<BallastItem> items;
  std::string message;
  if (!BallastItems(Table(), items, message)) {
    state_.prompter->ShowError(message);
    return false;
  }
  const BallastTotals t = ComputeBallastTotals(items, hull_.weight, hull_.vcg, hull_.lcg);
  warning_->setText(t.exceedsHull ? QString::fromLatin1(kWeightsExceedMessage) : QString());
  const bool none = t.weight == 0.0;
  field("BallastWt")->setText(none ? QStringLiteral("0.00") : FixedText(t.weight, 2, 6));
  field("WeightVcg")->setText(none ? QStringLiteral("0.00") : FixedText(t.vcg, 2, 6));
  field("WeightLcg")->setText(none ? QStringLiteral("0.00") : FixedText(t.lcg, 2, 6));
  field("WeightTcg")->setText(none ? QStringLiteral("0.00") : FixedText(t.tcg, 2, 6));
  field("NetVcg")->setText(FixedText(t.netVcg, 2, 0));
  field("NetLcg")->setText(FixedText(t.netLcg, 2, 0));
  return true;
}

bool Tdraw_stability_Dlg::MoveHull(double dz) {
  if (!netAsFound_) netAsFound_ = std::make_unique<VertexNet>(state_.design.Net);
  bool moved = false;
  {
    WaitCursor wait;
    moved = RaiseHull(state_.design, *state_.surface, dz);
    state_.Regenerate(Change::kExtents);
  }
  if (!moved) state_.prompter->ShowError(kNetOverflowMessage);
  return moved;
}

bool Tdraw_stability_Dlg::ShiftHeights(double shift) {
  // Cells are written back with one decimal: without a shift they stay as
  // typed.
  if (shift == 0.0) return true;
  BallastTable table = Table();
  std::string message;
  if (!ShiftBallastHeights(table, shift, message)) {
    state_.prompter->ShowError(message);
    return false;
  }
  SetTable(table);
  return true;
}

bool Tdraw_stability_Dlg::CalculateStability() {
  const bool manual = options_->item(kManualOption)->checkState() == Qt::Checked;
  if (manual) {
    hull_.vcg = RealFieldValue(field("Vcg")->text());
    hull_.lcg = RealFieldValue(field("Lcg")->text());
  }
  const double shift = RealFieldValue(field("Shift")->text());
  std::string message;
  const std::optional<HeelSteps> heel =
      CheckHeelInputs(RealFieldValue(field("MaxHeel")->text()),
                      RealFieldValue(field("HeelStep")->text()), message);
  if (!heel) {
    state_.prompter->ShowError(message);
    return false;
  }
  if (manual && !CheckCentreOfGravity(hull_.vcg, hull_.lcg, state_.surface->extents, message)) {
    state_.prompter->ShowError(message);
    return false;
  }
  if (!ShiftHeights(shift)) return false;
  StabilityInputs inputs;
  inputs.heel = *heel;
  inputs.manualCentre = manual;
  inputs.manualVcg = hull_.vcg;
  inputs.manualLcg = hull_.lcg;
  if (!BallastItems(Table(), inputs.ballast, message)) {
    state_.prompter->ShowError(message);
    return false;
  }
  if (!MoveHull(-shift)) {
    ShiftHeights(-shift);
    return false;
  }
  accumulatedShift_ += shift;

  {
    WaitCursor wait;
    running_ = true;
    Progress progress(*this);
    StabilityRecords records = Records();
    run_ = RunStability(records, inputs, *state_.prompter, &progress);
    running_ = false;
  }
  // The body view's heels are handed over on closing, when the hull is back
  // (a failed run replaced the rows, so nothing is).
  heelsPending_ = run_.ok && !run_.rows.empty();
  runShift_ = accumulatedShift_;
  // Steps not found are marked in the file and the chart; the dialog says
  // which, so the run is not taken for a whole one.
  warning_->setText(QString::fromStdString(NotFoundMessage(run_)));

  // The file as far as the run wrote it, in this copy's work directory.
  const QString path = QDir(QString::fromStdString(state_.history.Directory().string()))
                           .filePath(QString::fromLatin1(kStabilityDataName));
  const bool written = SaveFileAtomically(
      path.toStdString(), FormatStabilityData(run_, state_.design.DesignFileName, state_.design.Units));
  if (!written) state_.prompter->ShowError(CannotSaveMessage(path.toStdString()));
  if (run_.ok && written) {
    TStabilityResults results(state_, printer_, files_, path, static_cast<int>(run_.rows.size()),
                              EvaluateCriteria(run_, state_.design.Units), this);
    if (results.Load()) results.exec();
  }
  DrawBodySections();
  return run_.ok && written && run_.NotFound().empty();
}

bool Tdraw_stability_Dlg::CalcDisplacement() {
  const double shift = RealFieldValue(field("Shift")->text());
  if (!MoveHull(-shift)) return false;
  accumulatedShift_ += shift;
  button("CalcDispButton")->setEnabled(false);
  ShiftHeights(shift);
  ComputeHullWeight();
  DrawBodySections();
  return Totals();
}

void Tdraw_stability_Dlg::MoveHullBack() {
  if (!netAsFound_) return;
  state_.design.Net = *netAsFound_;
  netAsFound_.reset();
  state_.Regenerate(Change::kTopology);
}

void Tdraw_stability_Dlg::ResetWaterline() {
  field("Shift")->setText(QStringLiteral("0"));
  MoveHullBack();
  ShiftHeights(-accumulatedShift_);
  accumulatedShift_ = 0.0;
  DrawBodySections();
  button("CalcDispButton")->setEnabled(false);
  ComputeHullWeight();
}

void Tdraw_stability_Dlg::AddWeight() {
  BallastTable table = Table();
  if (!AddBallastRow(table)) return;
  SetTable(table);
  Totals();
}

bool Tdraw_stability_Dlg::DeleteWeight() {
  BallastTable table = Table();
  if (!DeleteBallastRow(table, grid_->currentRow() + 1)) {
    QApplication::beep();
    return false;
  }
  SetTable(table);
  Totals();
  return true;
}

bool Tdraw_stability_Dlg::SaveBallast() {
  FileRequest request;
  request.caption = QStringLiteral("Save Ballast Data");
  request.fileName = QStringLiteral("Balldata.bdt");
  request.filters = QStringLiteral("Ballast Data Files|*.bdt");
  request.defaultSuffix = QStringLiteral("bdt");
  const std::optional<ChosenFile> chosen = files_.ChooseSave(this, request);
  if (!chosen) return false;
  std::string message;
  if (!WriteBallastFile(chosen->path.toStdString(), Table(), message)) {
    state_.prompter->ShowError(message);
    return false;
  }
  return true;
}

bool Tdraw_stability_Dlg::OpenBallast() {
  FileRequest request;
  request.caption = QStringLiteral("Weight and Ballast Files");
  request.filters = QStringLiteral("Ballast Data Files|*.bdt");
  const std::optional<ChosenFile> chosen = files_.ChooseOpen(this, request);
  if (!chosen) return false;
  BallastTable table = Table();
  std::string message;
  if (!ReadBallastFile(chosen->path.toStdString(), table, message)) {
    state_.prompter->ShowError(message);
    return false;
  }
  SetTable(table);
  return Totals();
}

void Tdraw_stability_Dlg::SetManual(bool manual) {
  {
    const QSignalBlocker block(options_);
    options_->item(kManualOption)->setCheckState(manual ? Qt::Checked : Qt::Unchecked);
  }
  // Either way the fields start again from the hull's own centroid.
  ComputeHullWeight(false);
  if (!manual) Totals();
}

void Tdraw_stability_Dlg::DrawBodySections() {
  if (running_) return;
  box_->ShowSections(UprightBodySections(state_.design, *state_.surface, *state_.cuts),
                     state_.surface->extents, state_.design.StationColor);
}

void Tdraw_stability_Dlg::done(int result) {
  if (running_) return;
  // The heights as the designer typed them, then the hull back in place.
  ShiftHeights(-accumulatedShift_);
  if (state_.prompter->AskYesNo(kSaveBallastQuestion)) SaveBallast();
  field("Shift")->setText(QStringLiteral("0"));
  MoveHullBack();
  if (heelsPending_) {
    // The run's hull stood runShift_ below the original net, which is back.
    const double lift = -runShift_;
    KeepHeelSteps(state_, HeelStepsOf(run_, lift));
    heelsPending_ = false;
  }
  accumulatedShift_ = 0.0;
  QDialog::done(result);
}

}  // namespace skelmora::app
