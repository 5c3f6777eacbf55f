#include "views/single_line_dialog.h"

#include <algorithm>

#include "ui_single_line_dialog.h"

namespace skelmora::app {

TsingcolrowDlg::TsingcolrowDlg(AppState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      ui_(std::make_unique<Ui::TsingcolrowDlg>()),
      state_(state) {
  ui_->setupUi(this);
  connect(ui_->SingleRowRadio, &QRadioButton::clicked, this, &TsingcolrowDlg::apply);
  connect(ui_->SingleColumnRadio, &QRadioButton::clicked, this, &TsingcolrowDlg::apply);
  connect(ui_->SpinEdit1, &QSpinBox::valueChanged, this, &TsingcolrowDlg::apply);
  connect(ui_->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_->AllBtn, &QPushButton::clicked, this, &TsingcolrowDlg::drawAll);
}

TsingcolrowDlg::~TsingcolrowDlg() = default;

void TsingcolrowDlg::showEvent(QShowEvent* event) {
  // Show the restriction in force, without applying anything yet.
  const SingleLine& single = state_.viewOptions.singleLine;
  const QSignalBlocker block(ui_->SpinEdit1);
  if (single.kind == SingleLine::Kind::kColumn) {
    ui_->SingleColumnRadio->setChecked(true);
  } else {
    ui_->SingleRowRadio->setChecked(true);
  }
  ui_->SpinEdit1->setValue(single.kind == SingleLine::Kind::kNone ? 0 : single.index);
  QDialog::showEvent(event);
}

void TsingcolrowDlg::apply() {
  const HullDesign& d = state_.design;
  const bool column = ui_->SingleColumnRadio->isChecked();
  const int last = ClampIndex(column ? d.LastColumn : d.LastRow);
  if (ui_->SpinEdit1->value() > last) {
    const QSignalBlocker block(ui_->SpinEdit1);
    ui_->SpinEdit1->setValue(last);
  }
  SingleLine& single = state_.viewOptions.singleLine;
  single.kind = column ? SingleLine::Kind::kColumn : SingleLine::Kind::kRow;
  single.index = ui_->SpinEdit1->value();
  emit netLinesChanged();
}

void TsingcolrowDlg::drawAll() {
  state_.viewOptions.singleLine = SingleLine{};
  close();
  emit netLinesChanged();
}

}  // namespace skelmora::app
