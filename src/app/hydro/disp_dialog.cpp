#include "hydro/disp_dialog.h"

#include <QApplication>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/text_io.h"
#include "hydro/calculation_records.h"
#include "model/app_state.h"

namespace skelmora::app {

namespace {

QString Fixed(double value, int width, int decimals) {
  return QString::fromStdString(FormatFixed(value, width, decimals));
}

}  // namespace

TDispDialog::TDispDialog(AppState& state, CalculationRecords& records, QWidget* parent)
    : QDialog(parent), state_(state), records_(records) {
  setObjectName(QStringLiteral("DispDialog"));
  setWindowTitle(QStringLiteral("Change Displacement Dialog"));
  auto* form = new QFormLayout;
  auto add = [&](const char* caption, const char* name, bool readOnly) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(readOnly);
    form->addRow(QLatin1String(caption), edit);
    return edit;
  };
  initialDisplacement_ = add("Initial Displacement", "InitialDisplacement", true);
  initialDraft_ = add("Initial Draft", "InitialDraft", true);
  newDisplacement_ = add("New Displacement", "NewDisplacement", false);
  newDisplacement_->setValidator(new QDoubleValidator(0.0, 1e12, 3, newDisplacement_));
  displacement_ = add("Displacement", "Displacement", true);
  rate_ = add("PPI/PPmm", "PPI", true);
  draft_ = add("Draft", "Draft", true);
  steps_ = add("Number of steps", "Steps", true);

  adjust_ = new QPushButton(QStringLiteral("Adjust Displacement"), this);
  adjust_->setObjectName(QStringLiteral("AdjustButton"));
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setObjectName(QStringLiteral("OkButton"));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  adjust_->setAutoDefault(false);
  ok->setAutoDefault(false);
  cancel->setAutoDefault(false);
  connect(adjust_, &QPushButton::clicked, this, [this] { Adjust(); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &TDispDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(adjust_);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
}

QLineEdit* TDispDialog::field(const char* name) const {
  return findChild<QLineEdit*>(QLatin1String(name));
}

void TDispDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!begun_) Begin();
}

void TDispDialog::Begin() {
  begun_ = true;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  search_ = BeginDraftSearch(state_.design, *state_.surface, *state_.cuts, records_.results);
  QApplication::restoreOverrideCursor();
  adjust_->setEnabled(true);
  initialDraft_->setText(Fixed(search_.initialDraft, 5, 2));
  initialDisplacement_->setText(Fixed(search_.initialDisplacement, 6, 1));
  for (QLineEdit* edit : {displacement_, rate_, draft_, steps_}) edit->setText(QStringLiteral("0"));
}

bool TDispDialog::Adjust() {
  if (!begun_) Begin();
  const double target = QLocale().toDouble(newDisplacement_->text());
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool moved = AdjustDisplacement(state_.design, *state_.surface, *state_.cuts,
                                        records_.results, *state_.prompter, search_, target);
  QApplication::restoreOverrideCursor();
  if (!moved) return false;
  if (!search_.steps.empty()) {
    const DraftStep& last = search_.steps.back();
    displacement_->setText(Fixed(last.displacement, 6, 3));
    rate_->setText(Fixed(last.rate, 5, 2));
  }
  steps_->setText(QString::number(search_.iterations));
  draft_->setText(Fixed(search_.finalDraft, 5, 2));
  adjust_->setEnabled(false);
  return true;
}

void TDispDialog::reject() {
  if (begun_) CancelDraftSearch(state_.design, *state_.surface, search_);
  QDialog::reject();
}

}  // namespace skelmora::app
