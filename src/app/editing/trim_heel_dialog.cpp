#include "editing/trim_heel_dialog.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <algorithm>

#include "model/shown_calculations.h"
#include "shapes/trim.h"
#include "ui_trim_heel_dialog.h"
#include "views/real_field.h"

namespace skelmora::app {

TtrimHeelDlg::TtrimHeelDlg(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(new Ui::TtrimHeelDlg) {
  ui_->setupUi(this);
  connect(ui_->angleButton, &QRadioButton::toggled, this, &TtrimHeelDlg::modeChanged);
  connect(ui_->trimButton, &QPushButton::clicked, this, &TtrimHeelDlg::Trim);
  connect(ui_->heelList, &QListWidget::currentRowChanged, this, &TtrimHeelDlg::ChooseHeel);
}

TtrimHeelDlg::~TtrimHeelDlg() = default;

QRadioButton* TtrimHeelDlg::angleButton() const { return ui_->angleButton; }
QRadioButton* TtrimHeelDlg::sternButton() const { return ui_->sternButton; }
RealField* TtrimHeelDlg::angleEdit() const { return ui_->angleEdit; }
RealField* TtrimHeelDlg::sternEdit() const { return ui_->sternEdit; }
QPushButton* TtrimHeelDlg::trimButton() const { return ui_->trimButton; }
QListWidget* TtrimHeelDlg::heelList() const { return ui_->heelList; }
QLabel* TtrimHeelDlg::heelNote() const { return ui_->heelNote; }

namespace {
QString UnitName(const HullDesign& design) {
  return design.Units == kMillimetres ? QStringLiteral("mm") : QStringLiteral("in");
}
}  // namespace

void TtrimHeelDlg::prepare(Prompter& prompter) {
  prompter_ = &prompter;
  ui_->angleButton->setChecked(true);
  ui_->angleEdit->setText(QStringLiteral("0"));
  ui_->sternEdit->setText(QStringLiteral("0"));
  ui_->sternButton->setText(
      QStringLiteral("Trim at Stern (%1), + stern deeper").arg(UnitName(state_.design)));
  modeChanged();
  ShowWaterline();
  ShowHeels();
}

void TtrimHeelDlg::modeChanged() {
  const bool byAngle = ui_->angleButton->isChecked();
  ui_->angleEdit->setEnabled(byAngle);
  ui_->sternEdit->setEnabled(!byAngle);
}

void TtrimHeelDlg::ShowWaterline() {
  const double length = WaterlineLength(state_.design, *state_.surface, *state_.cuts);
  ui_->waterlineLabel->setText(
      length > 0.0 ? QStringLiteral("Waterline length %1 %2")
                         .arg(FixedText(length, 2), UnitName(state_.design))
                   : QString::fromLatin1(kNoFlotationMessage));
  ui_->waterlineLabel->setWordWrap(true);
}

void TtrimHeelDlg::ShowHeels() {
  // Heels of a hull that has changed since the run are not offered.
  const std::vector<HeelStep>& steps = ShownCalculations(state_)->heelSteps;
  const QSignalBlocker block(ui_->heelList);
  ui_->heelList->clear();
  ui_->heelList->addItem(QStringLiteral("Upright"));
  for (const HeelStep& step : steps) {
    ui_->heelList->addItem(FixedText(step.heel, 1) + QChar(0x00B0));
  }
  const int last = static_cast<int>(steps.size()) - 1;
  ui_->heelList->setCurrentRow(std::clamp(state_.viewOptions.heelStep, -1, last) + 1);
  ui_->heelList->setEnabled(!steps.empty());
  ui_->heelNote->setText(
      QString::fromLatin1(steps.empty() ? kNoHeelRunNote : kHeelChoiceNote));
}

bool TtrimHeelDlg::Trim() {
  if (!prompter_) return false;
  const bool byAngle = ui_->angleButton->isChecked();
  const RealField* field = byAngle ? ui_->angleEdit : ui_->sternEdit;
  const std::optional<double> value = field->value();
  if (!value) {
    prompter_->ShowError(RealField::ConversionError(
        (byAngle ? ui_->angleButton : ui_->sternButton)->text(), field->text()));
    return false;
  }
  double degrees = *value;
  if (!byAngle) {
    const std::optional<double> angle =
        TrimAngleFor(state_.design, *state_.surface, *state_.cuts, *value);
    if (!angle) {
      prompter_->ShowError(kNoFlotationMessage);
      return false;
    }
    degrees = *angle;
  }
  if (!TrimHull(state_.design, *state_.surface, *state_.cuts, state_.history, *prompter_,
                degrees)) {
    return false;
  }
  emit trimmed();
  ShowWaterline();
  // The run's heels were of the hull before the trim.
  ShowHeels();
  return true;
}

void TtrimHeelDlg::ChooseHeel(int row) {
  if (row < 0) return;
  const int count = static_cast<int>(state_.hydro->heelSteps.size());
  const int step = std::min(row - 1, count - 1);
  if (step == state_.viewOptions.heelStep) return;
  state_.viewOptions.heelStep = step;
  emit heelChosen();
}

}  // namespace skelmora::app
