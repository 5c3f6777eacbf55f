#include "editing/stretch_hull_dialog.h"

#include "ui_stretch_hull_dialog.h"
#include "ui_translate_dialog.h"
#include "views/real_field.h"

namespace skelmora::app {


TstretchHullDlg::TstretchHullDlg(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(new Ui::TstretchHullDlg) {
  ui_->setupUi(this);
  for (QRadioButton* b : {ui_->overallButton, ui_->lengthbutton, ui_->beambutton,
                          ui_->freebutton, ui_->draftbutton}) {
    connect(b, &QRadioButton::toggled, this, [this](bool on) {
      if (on) showCurrent();
    });
  }
  connect(ui_->SetDimen, &QRadioButton::toggled, this, &TstretchHullDlg::modeChanged);
}

TstretchHullDlg::~TstretchHullDlg() = default;

QRadioButton* TstretchHullDlg::button(const char* name) const {
  return findChild<QRadioButton*>(QLatin1String(name));
}
QLineEdit* TstretchHullDlg::dimensionEdit() const { return ui_->editdimen; }
QLineEdit* TstretchHullDlg::scaleEdit() const { return ui_->editscale; }

void TstretchHullDlg::prepare(Prompter& prompter) {
  prompter_ = &prompter;
  ui_->SetDimen->setChecked(true);
  ui_->overallButton->setChecked(true);
  ui_->editscale->setText(QStringLiteral("0"));
  modeChanged();
  showCurrent();
}

HullParameter TstretchHullDlg::parameter() const {
  if (ui_->lengthbutton->isChecked()) return HullParameter::kLength;
  if (ui_->beambutton->isChecked()) return HullParameter::kHalfBeam;
  if (ui_->freebutton->isChecked()) return HullParameter::kFreeboard;
  if (ui_->draftbutton->isChecked()) return HullParameter::kDraft;
  return HullParameter::kOverall;
}

void TstretchHullDlg::showCurrent() {
  ui_->editdimen->setText(
      FixedText(StretchCurrentValue(state_.design, parameter()), 3));
}

void TstretchHullDlg::modeChanged() {
  const bool set = ui_->SetDimen->isChecked();
  ui_->editdimen->setEnabled(set);
  ui_->editscale->setEnabled(!set);
}

void TstretchHullDlg::accept() {
  if (!prompter_) return;
  const bool set = ui_->SetDimen->isChecked();
  const RealField* field = set ? ui_->editdimen : ui_->editscale;
  // Nothing changes without a number; the field is named by its mode.
  const std::optional<double> value = field->value();
  if (!value) {
    prompter_->ShowError(RealField::ConversionError(
        (set ? ui_->SetDimen : ui_->setscale)->text(), field->text()));
    return;
  }
  if (!StretchHull(state_.design, *state_.surface, state_.history, *prompter_,
                   set ? StretchMode::kSetDimension : StretchMode::kScaleByPercent, parameter(),
                   *value)) {
    return;
  }
  QDialog::accept();
}

Ttranslatedlg::Ttranslatedlg(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(new Ui::Ttranslatedlg) {
  ui_->setupUi(this);
  connect(ui_->bowtozerobutton, &QRadioButton::toggled, this,
          [this](bool on) { ui_->Edit1->setEnabled(!on); });
}

Ttranslatedlg::~Ttranslatedlg() = default;

QRadioButton* Ttranslatedlg::button(const char* name) const {
  return findChild<QRadioButton*>(QLatin1String(name));
}
QLineEdit* Ttranslatedlg::distanceEdit() const { return ui_->Edit1; }

void Ttranslatedlg::prepare(Prompter& prompter) {
  prompter_ = &prompter;
  ui_->bowtozerobutton->setChecked(true);
  ui_->Edit1->setEnabled(false);
}

void Ttranslatedlg::accept() {
  if (!prompter_) return;
  ShiftKind kind = ShiftKind::kBowToZero;
  if (ui_->foreaftbutton->isChecked()) kind = ShiftKind::kForeAft;
  if (ui_->updnbutton->isChecked()) kind = ShiftKind::kUpDown;
  if (ui_->rtlftbutton->isChecked()) kind = ShiftKind::kRightLeft;
  double distance = 0.0;
  if (kind != ShiftKind::kBowToZero) {
    const std::optional<double> value = ui_->Edit1->value();
    if (!value) {
      prompter_->ShowError(
          RealField::ConversionError(ui_->DistanceGroup->title(), ui_->Edit1->text()));
      return;
    }
    distance = *value;
  }
  if (!TranslateHull(state_.design, *state_.surface, state_.history, kind, distance, prompter_)) {
    return;
  }
  QDialog::accept();
}

}  // namespace skelmora::app
