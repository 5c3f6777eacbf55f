#include "fairing/fair_sheer_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace skelmora::app {

TFair_sheerDlg::TFair_sheerDlg(AppState& state, QWidget* parent)
    : FairingDialog(state, FairLine::kSheer, QStringLiteral("Fair Sheer & Fairbody"), parent) {
  setObjectName(QStringLiteral("Fair_sheerDlg"));
  auto* lines = new QHBoxLayout;
  auto* sheer = new QPushButton(QStringLiteral("Sheer/Deck"), this);
  sheer->setObjectName(QStringLiteral("SheerButton"));
  auto* fairbody = new QPushButton(QStringLiteral("Fairbody"), this);
  fairbody->setObjectName(QStringLiteral("FairbodyButton"));
  lines->addWidget(sheer);
  lines->addWidget(fairbody);
  connect(sheer, &QPushButton::clicked, this, [this] { ChooseLine(FairLine::kSheer); });
  connect(fairbody, &QPushButton::clicked, this, [this] { ChooseLine(FairLine::kFairbody); });

  auto* vertex = new QHBoxLayout;
  vertexLabel_ = new QLabel(this);
  vertexLabel_->setObjectName(QStringLiteral("VertexNumberLabel"));
  auto* down = new QPushButton(QStringLiteral("-"), this);
  down->setObjectName(QStringLiteral("VertexDownButton"));
  auto* up = new QPushButton(QStringLiteral("+"), this);
  up->setObjectName(QStringLiteral("VertexUpButton"));
  vertex->addWidget(vertexLabel_, 1);
  vertex->addWidget(down);
  vertex->addWidget(up);
  connect(down, &QPushButton::clicked, this, [this] { StepVertex(-1); });
  connect(up, &QPushButton::clicked, this, [this] { StepVertex(1); });
  for (QPushButton* b : {sheer, fairbody, down, up}) b->setAutoDefault(false);
  controls()->addLayout(lines);
  controls()->addLayout(vertex);
  SetCurveTitle(QStringLiteral("Sheer / Deck"));
  Start(0, 0, kProfileView);
}

void TFair_sheerDlg::ChooseLine(FairLine line) {
  selection_.line = line;
  SetCurveTitle(line == FairLine::kSheer ? QStringLiteral("Sheer / Deck")
                                         : QStringLiteral("Fairbody / Centerline"));
  Select(0, selection_.vertex);
}

void TFair_sheerDlg::StepVertex(int delta) {
  Select(0, StepVertexNumber(selection_.vertex, delta, ClampIndex(design().LastColumn)));
}

void TFair_sheerDlg::ShowVertex() {
  vertexLabel_->setText(QStringLiteral("Vertex Number %1").arg(selection_.vertex));
}

}  // namespace skelmora::app
