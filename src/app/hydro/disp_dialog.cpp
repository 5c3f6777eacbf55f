#include "hydro/disp_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "files/text_io.h"
#include "hydro/calculation_records.h"
#include "model/app_state.h"
#include "model/design_session.h"
#include "views/real_field.h"
#include "views/wait_cursor.h"

namespace skelmora::app {


TDispDialog::TDispDialog(AppState& state, CalculationRecords& records, QWidget* parent)
    : QDialog(parent), state_(state), records_(records) {
  setObjectName(QStringLiteral("DispDialog"));
  setWindowTitle(QStringLiteral("Change Displacement Dialog"));
  auto* form = new QFormLayout;
  form_ = form;
  auto add = [&](const char* caption, const char* name, bool readOnly) {
    auto* edit = new RealField(this);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(readOnly);
    form->addRow(QLatin1String(caption), edit);
    return edit;
  };
  initialDisplacement_ = add("Initial Displacement", "InitialDisplacement", true);
  initialDraft_ = add("Initial Draft", "InitialDraft", true);
  newDisplacement_ = add("New Displacement", "NewDisplacement", false);
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
  connect(ok, &QPushButton::clicked, this, &TDispDialog::accept);
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

QLabel* TDispDialog::caption(const char* name) const {
  return qobject_cast<QLabel*>(form_->labelForField(field(name)));
}

void TDispDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!begun_) Begin();
}

void TDispDialog::Begin() {
  begun_ = true;
  {
    WaitCursor wait;
    search_ = BeginDraftSearch(state_.design, *state_.surface, *state_.cuts, records_.results);
    *netBefore_ = state_.design.Net;
  }
  adjust_->setEnabled(true);
  // The captions carry the units: the figures are the design's own.
  const QString weight = QLatin1String(DisplacementUnit(state_.design.Units));
  const QString length = QLatin1String(DraftUnit(state_.design.Units));
  const std::pair<const char*, QString> captions[] = {
      {"InitialDisplacement", QStringLiteral("Initial Displacement (%1)").arg(weight)},
      {"InitialDraft", QStringLiteral("Initial Draft (%1)").arg(length)},
      {"NewDisplacement", QStringLiteral("New Displacement (%1)").arg(weight)},
      {"Displacement", QStringLiteral("Displacement (%1)").arg(weight)},
      {"PPI", QStringLiteral("PPI/PPmm (%1/%2)").arg(weight, length)},
      {"Draft", QStringLiteral("Draft (%1)").arg(length)},
  };
  for (const auto& [name, text] : captions) {
    if (QLabel* label = caption(name)) label->setText(text);
  }
  initialDraft_->setText(FixedText(search_.initialDraft, 2, 5));
  initialDisplacement_->setText(FixedText(search_.initialDisplacement, 1, 6));
  for (QLineEdit* edit : {displacement_, rate_, draft_, steps_}) edit->setText(QStringLiteral("0"));
}

bool TDispDialog::Adjust() {
  if (!begun_) Begin();
  const double target = newDisplacement_->valueOrZero();
  bool moved = false;
  {
    WaitCursor wait;
    moved = AdjustDisplacement(state_.design, *state_.surface, *state_.cuts, records_.results,
                               *state_.prompter, search_, target);
  }
  if (!moved) return false;
  if (!search_.steps.empty()) {
    const DraftStep& last = search_.steps.back();
    displacement_->setText(FixedText(last.displacement, 3, 6));
    rate_->setText(FixedText(last.rate, 2, 5));
  }
  steps_->setText(QString::number(search_.iterations));
  draft_->setText(FixedText(search_.finalDraft, 2, 5));
  adjust_->setEnabled(false);
  // A target beyond what the hull displaces (or a hull that stays dry)
  // leaves the hull where the search stopped; say so rather than let the
  // figures pass for the answer.
  if (!search_.reached) state_.prompter->ShowInformation(DraftNotReachedMessage(target, search_));
  return true;
}

void TDispDialog::accept() {
  // The kept hull is one undo step: the history gets the net as it was
  // before the search moved it.
  HullDesign& design = state_.design;
  if (begun_ && search_.accumulatedShift != 0.0) {
    auto moved = std::make_unique<VertexNet>(design.Net);
    design.Net = *netBefore_;
    state_.TakeSnapshot();
    design.Net = *moved;
  }
  QDialog::accept();
}

void TDispDialog::reject() {
  if (begun_) CancelDraftSearch(state_.design, *state_.surface, search_);
  QDialog::reject();
}

}  // namespace skelmora::app
