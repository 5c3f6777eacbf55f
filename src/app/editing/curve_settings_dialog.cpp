#include "editing/curve_settings_dialog.h"

#include <cmath>

#include "ui_curve_settings_dialog.h"
#include "views/real_field.h"

namespace skelmora::app {

namespace {
int IntOf(const QLineEdit* edit) { return int(std::lround(RealFieldValue(edit->text()))); }
}  // namespace

TcurvesetDlg::TcurvesetDlg(AppState& state, bool spacingMode, QWidget* parent)
    : QDialog(parent), state_(state), ui_(new Ui::TcurvesetDlg) {
  ui_->setupUi(this);
  const CurveSettings s = CurveSettingsOf(state_.design, spacingMode);
  ui_->stationedit->setText(QString::number(s.stationCount));
  ui_->wateredit->setText(QString::number(s.waterlineCount));
  ui_->buttedit->setText(QString::number(s.buttockCount));
  ui_->stationspace->setText(FixedText(s.stationSpacing, 2));
  ui_->waterspace->setText(FixedText(s.waterlineSpacing, 2));
  ui_->buttspace->setText(FixedText(s.buttockSpacing, 2));
  ui_->userBowData->setText(FixedText(s.userBowOffset, 2));
  ui_->chineptsedit->setText(QString::number(s.chineLinePoints));
  ui_->edgeptsedit->setText(QString::number(s.edgeLinePoints));
  (s.spacingMode ? ui_->spacingbutton : ui_->numberbutton)->setChecked(true);
  switch (s.stationReference) {
    case StationReference::kBow:
      ui_->bowrefbutton->setChecked(true);
      break;
    case StationReference::kCutwater:
      ui_->cutwaterbutton->setChecked(true);
      break;
    case StationReference::kUserSpecified:
      ui_->userbutton->setChecked(true);
      break;
  }
  switch (CurrentLinesQuality(state_.design)) {
    case LinesQuality::kGood:
      ui_->goodbutton->setChecked(true);
      break;
    case LinesQuality::kBetter:
      ui_->betterbutton->setChecked(true);
      break;
    case LinesQuality::kBest:
      ui_->bestbutton->setChecked(true);
      break;
    case LinesQuality::kNone:
      break;
  }

  // The user bow offset is a distance aft of the bow: never negative.
  connect(ui_->userBowData, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (text.contains(QLatin1Char('-'))) ui_->userBowData->setText(QString(text).remove('-'));
  });
  auto modeChanged = [this] {
    const bool spacing = ui_->spacingbutton->isChecked();
    QWidget* const numbers[] = {ui_->stationedit,  ui_->wateredit,  ui_->buttedit,
                                ui_->stationLabel, ui_->waterLabel, ui_->buttLabel};
    QWidget* const spacings[] = {ui_->stationspace,      ui_->waterspace,      ui_->buttspace,
                                 ui_->stationspaceLabel, ui_->waterspaceLabel, ui_->buttspaceLabel};
    for (QWidget* w : numbers) w->setEnabled(!spacing);
    for (QWidget* w : spacings) w->setEnabled(spacing);
  };
  connect(ui_->spacingbutton, &QRadioButton::toggled, this, modeChanged);
  modeChanged();
  // Surface lines come straight from the grid: these settings have no effect there.
  if (state_.design.ShowSurface) {
    QWidget* const unused[] = {ui_->chineptsedit, ui_->edgeptsedit, ui_->buttedit,
                               ui_->Num_Space, ui_->Sta_ref};
    for (QWidget* w : unused) w->setEnabled(false);
  }
  connect(ui_->bowrefbutton, &QRadioButton::toggled, this, &TcurvesetDlg::referenceChanged);
  connect(ui_->cutwaterbutton, &QRadioButton::toggled, this, &TcurvesetDlg::referenceChanged);
  const std::pair<QRadioButton*, LinesQuality> qualities[] = {
      {ui_->goodbutton, LinesQuality::kGood},
      {ui_->betterbutton, LinesQuality::kBetter},
      {ui_->bestbutton, LinesQuality::kBest}};
  for (const auto& [b, quality] : qualities) {
    connect(b, &QRadioButton::clicked, this,
            [this, quality] { SetLinesQuality(state_.design, quality); });
  }
}

TcurvesetDlg::~TcurvesetDlg() = default;

QLineEdit* TcurvesetDlg::edit(const char* name) const {
  return findChild<QLineEdit*>(QLatin1String(name));
}
QRadioButton* TcurvesetDlg::button(const char* name) const {
  return findChild<QRadioButton*>(QLatin1String(name));
}

void TcurvesetDlg::referenceChanged() {
  if (ui_->bowrefbutton->isChecked() || ui_->cutwaterbutton->isChecked()) {
    ui_->userBowData->setText(QStringLiteral("0.00"));
  }
}

bool TcurvesetDlg::spacingMode() const { return ui_->spacingbutton->isChecked(); }

CurveSettings TcurvesetDlg::settings() const {
  CurveSettings s;
  s.stationCount = IntOf(ui_->stationedit);
  s.waterlineCount = IntOf(ui_->wateredit);
  s.buttockCount = IntOf(ui_->buttedit);
  s.stationSpacing = ui_->stationspace->valueOrZero();
  s.waterlineSpacing = ui_->waterspace->valueOrZero();
  s.buttockSpacing = ui_->buttspace->valueOrZero();
  s.spacingMode = spacingMode();
  s.stationReference = ui_->userbutton->isChecked()       ? StationReference::kUserSpecified
                       : ui_->cutwaterbutton->isChecked() ? StationReference::kCutwater
                                                          : StationReference::kBow;
  s.userBowOffset = ui_->userBowData->valueOrZero();
  s.chineLinePoints = IntOf(ui_->chineptsedit);
  s.edgeLinePoints = IntOf(ui_->edgeptsedit);
  return s;
}

void TcurvesetDlg::done(int result) {
  CloseCurveSettings(state_.design, *state_.surface, settings(), result == QDialog::Accepted);
  QDialog::done(result);
}

}  // namespace skelmora::app
