#include "fairing/fair_chine_dialog.h"

#include <QFormLayout>
#include <QSpinBox>

namespace skelmora::app {

TFair_chineDlg::TFair_chineDlg(AppState& state, QWidget* parent)
    : FairingDialog(state, FairLine::kChine, QStringLiteral("Fair Chines"), parent) {
  setObjectName(QStringLiteral("Fair_chineDlg"));
  SetCurveTitle(QStringLiteral("Chine Detail Plot"));
  const IndexRange chines = LineIndexRange(design(), FairLine::kChine);
  chine_ = new QSpinBox(this);
  chine_->setObjectName(QStringLiteral("ChineSpin"));
  chine_->setRange(1, std::max(chines.hi, 1));
  vertex_ = new QSpinBox(this);
  vertex_->setObjectName(QStringLiteral("VertexSpin"));
  vertex_->setRange(0, ClampIndex(design().LastColumn));
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Chine Number"), chine_);
  form->addRow(QStringLiteral("Vertex Number"), vertex_);
  controls()->addLayout(form);
  connect(chine_, &QSpinBox::valueChanged, this, [this](int k) { Select(k, vertex_->value()); });
  connect(vertex_, &QSpinBox::valueChanged, this, [this](int c) { Select(chine_->value(), c); });
  Start(1, 0, kProfileView);
}

}  // namespace skelmora::app
