#include "editing/edit_vertex_dialog.h"

#include <QSignalBlocker>

#include "model/undo.h"
#include "ui_edit_vertex_dialog.h"
#include "views/real_field.h"

namespace skelmora::app {

namespace {
QString Shown(double value) { return FixedText(value, 4); }
}  // namespace

Teditvertex::Teditvertex(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(new Ui::Teditvertex) {
  ui_->setupUi(this);
  connect(ui_->colUpDown, &QSpinBox::valueChanged, this,
          [this](int column) { step(column, session_.row); });
  connect(ui_->rowUpDown, &QSpinBox::valueChanged, this,
          [this](int row) { step(session_.column, row); });
}

Teditvertex::~Teditvertex() = default;

QSpinBox* Teditvertex::columnUpDown() const { return ui_->colUpDown; }
QSpinBox* Teditvertex::rowUpDown() const { return ui_->rowUpDown; }
QLineEdit* Teditvertex::xEdit() const { return ui_->xedit; }
QLineEdit* Teditvertex::yEdit() const { return ui_->yedit; }
QLineEdit* Teditvertex::zEdit() const { return ui_->zedit; }
QLineEdit* Teditvertex::weightEdit() const { return ui_->wedit; }

void Teditvertex::prepare(Prompter& prompter) {
  prompter_ = &prompter;
  session_ = BeginVertexEdit(state_.design);
  restored_ = false;
  const QSignalBlocker blockColumn(ui_->colUpDown);
  const QSignalBlocker blockRow(ui_->rowUpDown);
  ui_->colUpDown->setRange(0, state_.design.LastColumn);
  ui_->rowUpDown->setRange(0, state_.design.LastRow);
  ui_->colUpDown->setValue(session_.column);
  ui_->rowUpDown->setValue(session_.row);
  fill();
}

void Teditvertex::fill() {
  const VertexEditFields values = VertexEditValues(state_.design, session_);
  const std::pair<QLabel*, QLineEdit*> rows[] = {{ui_->xold, ui_->xedit},
                                                 {ui_->yold, ui_->yedit},
                                                 {ui_->zold, ui_->zedit},
                                                 {ui_->wold, ui_->wedit}};
  const double shown[] = {values.x, values.y, values.z, values.w};
  for (int i = 0; i < 4; ++i) {
    rows[i].first->setText(Shown(shown[i]));
    rows[i].second->setText(Shown(shown[i]));
  }
}

VertexEditFields Teditvertex::fields() const {
  return {ui_->xedit->valueOrZero(), ui_->yedit->valueOrZero(),
          ui_->zedit->valueOrZero(), ui_->wedit->valueOrZero()};
}

void Teditvertex::step(int column, int row) {
  VertexEditFields values = fields();
  if (!StepVertexEdit(state_.design, state_.history, *prompter_, session_, values, column,
                      row)) {
    const QSignalBlocker blockColumn(ui_->colUpDown);
    const QSignalBlocker blockRow(ui_->rowUpDown);
    ui_->colUpDown->setValue(session_.column);
    ui_->rowUpDown->setValue(session_.row);
    return;
  }
  fill();
}

void Teditvertex::done(int result) {
  if (result == QDialog::Rejected) {
    // Stepping stored each vertex left; the session's one undo step holds
    // the net from before the first of them.
    if (session_.snapshotTaken) {
      // Undo puts the curves back to placement by number; a cancel leaves
      // them as they were.
      HullDesign& design = state_.design;
      const double spacings[] = {design.StationSpacing, design.WaterlineSpacing,
                                 design.ButtockSpacing};
      restored_ = state_.Undo();
      if (restored_) {
        design.StationSpacing = spacings[0];
        design.WaterlineSpacing = spacings[1];
        design.ButtockSpacing = spacings[2];
      }
    }
    if (restored_) {
      session_.changed = false;
    } else if (session_.changed) {
      // The history could not give the net back: what was stored stays.
      state_.Regenerate(Change::kVertices);
    }
    QDialog::done(result);
    return;
  }
  if (prompter_ && !FinishVertexEdit(state_.design, *state_.surface, state_.history,
                                     *prompter_, session_, fields())) {
    return;
  }
  QDialog::done(result);
}

}  // namespace skelmora::app
