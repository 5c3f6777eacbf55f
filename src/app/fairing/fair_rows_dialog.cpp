#include "fairing/fair_rows_dialog.h"

#include <QFormLayout>
#include <QSpinBox>

#include "views/real_field.h"

namespace skelmora::app {

TFair_vertexrows::TFair_vertexrows(AppState& state, QWidget* parent)
    : FairingDialog(state, FairLine::kRow, QStringLiteral("Fair Vertex Rows"), parent) {
  setObjectName(QStringLiteral("Fair_vertexrows"));
  SetCurveTitle(QStringLiteral("Vertex Row Plot"));
  const IndexRange rows = LineIndexRange(design(), FairLine::kRow);
  row_ = new QSpinBox(this);
  row_->setObjectName(QStringLiteral("RowSpin"));
  row_->setRange(1, std::max(rows.hi, 1));
  vertex_ = new QSpinBox(this);
  vertex_->setObjectName(QStringLiteral("VertexSpin"));
  vertex_->setRange(0, ClampIndex(design().LastColumn));
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Row Number"), row_);
  form->addRow(QStringLiteral("Vertex Number"), vertex_);
  controls()->addLayout(form);
  // The step is checked when the field is left; a move uses what it holds.
  connect(step_, &QLineEdit::editingFinished, this, [this] { CheckedStep(); });
  connect(row_, &QSpinBox::valueChanged, this, [this](int r) { Select(r, vertex_->value()); });
  connect(vertex_, &QSpinBox::valueChanged, this, [this](int c) { Select(row_->value(), c); });
  Start(1, 0, kPlanView);
}

}  // namespace skelmora::app
