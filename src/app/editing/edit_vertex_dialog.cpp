#include "editing/edit_vertex_dialog.h"

#include <QSignalBlocker>

#include "ui_edit_vertex_dialog.h"
#include "views/real_field.h"

namespace skelmora::app {

namespace {
QString Shown(double value) { return QString::number(value, 'f', 4); }
}  // namespace

Teditvertex::Teditvertex(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state), ui_(new Ui::Teditvertex) {
  ui_->setupUi(this);
  for (QLineEdit* edit : {ui_->xedit, ui_->yedit, ui_->zedit, ui_->wedit}) {
    InstallRealFilter(edit);
  }
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
  return {RealFieldValue(ui_->xedit->text()), RealFieldValue(ui_->yedit->text()),
          RealFieldValue(ui_->zedit->text()), RealFieldValue(ui_->wedit->text())};
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
  if (prompter_ && !FinishVertexEdit(state_.design, *state_.surface, state_.history,
                                     *prompter_, session_, fields())) {
    return;
  }
  QDialog::done(result);
}

}  // namespace skelmora::app
