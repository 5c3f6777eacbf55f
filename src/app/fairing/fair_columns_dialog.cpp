#include "fairing/fair_columns_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "views/real_field.h"

namespace skelmora::app {

TFair_columnsDlg::TFair_columnsDlg(AppState& state, QWidget* parent)
    : FairingDialog(state, FairLine::kColumn, QStringLiteral("Fair Vertex Columns"), parent) {
  setObjectName(QStringLiteral("Fair_columnsDlg"));
  SetCurveTitle(QStringLiteral("Station Detail Plot"));
  SetCurvatureTitle(QStringLiteral(" Curvature"));
  const HullDesign& d = design();
  column_ = new QSpinBox(this);
  column_->setObjectName(QStringLiteral("ColumnSpin"));
  column_->setRange(0, ClampIndex(d.LastColumn));
  vertex_ = new QSpinBox(this);
  vertex_->setObjectName(QStringLiteral("VertexSpin"));
  vertex_->setRange(0, ClampIndex(d.LastRow));
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Column  Number"), column_);
  form->addRow(QStringLiteral("Vertex Number"), vertex_);
  const char* names[4] = {"HalfBeamField", "AftBowField", "HeightField", "WeightField"};
  const char* captions[4] = {"Half Beam", "Aft Bow", "Height", "Weight"};
  for (int k = 0; k < 4; ++k) {
    values_[k] = new QLineEdit(this);
    values_[k]->setObjectName(QLatin1String(names[k]));
    values_[k]->setReadOnly(true);
    form->addRow(QLatin1String(captions[k]), values_[k]);
  }
  controls()->addLayout(form);
  auto* increase = new QPushButton(QStringLiteral("Increase Weight"), this);
  increase->setObjectName(QStringLiteral("IncreaseWeightButton"));
  auto* decrease = new QPushButton(QStringLiteral("Decrease Weight"), this);
  decrease->setObjectName(QStringLiteral("DecreaseWeightButton"));
  increase->setAutoDefault(false);
  decrease->setAutoDefault(false);
  controls()->addWidget(increase);
  controls()->addWidget(decrease);
  connect(increase, &QPushButton::clicked, this, [this] { ChangeWeight(kWeightStep); });
  connect(decrease, &QPushButton::clicked, this, [this] { ChangeWeight(-kWeightStep); });

  step_->setText(PlainText(InitialColumnStep(d.Units)));
  connect(step_, &QLineEdit::editingFinished, this, [this] { CheckedStep(); });

  const int startColumn = std::min(1, ClampIndex(d.LastColumn));
  column_->setValue(startColumn);
  connect(column_, &QSpinBox::valueChanged, this, [this](int c) {
    // The view turns with the column: the stem in profile, the transom in plan.
    selection_.view = ColumnView(c, ClampIndex(design().LastColumn));
    Select(c, vertex_->value());
  });
  connect(vertex_, &QSpinBox::valueChanged, this,
          [this](int r) { Select(column_->value(), r); });
  Start(startColumn, 0, ColumnView(startColumn, ClampIndex(d.LastColumn)));
}

void TFair_columnsDlg::ShowVertex() {
  int column = 0, row = 0;
  SelectedVertex(design(), selection_, column, row);
  const Vertex& v = design().Net[column][row];
  const double values[4] = {v.x, v.y, v.z, v.w};
  for (int k = 0; k < 4; ++k) values_[k]->setText(FixedText(values[k], 4, 6));
}

void TFair_columnsDlg::ChangeWeight(double delta) {
  int column = 0, row = 0;
  SelectedVertex(design(), selection_, column, row);
  skelmora::ChangeWeight(design().Net[column][row], delta);
  state_.Regenerate(Change::kVertices);
  ShowVertex();
  Replot();
}

}  // namespace skelmora::app
