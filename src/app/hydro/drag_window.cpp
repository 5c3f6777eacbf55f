#include "hydro/drag_window.h"

#include <algorithm>

#include <QChart>
#include <QChartView>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

namespace skelmora::app {

TWavefriction::TWavefriction(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Wavefriction"));
  setWindowTitle(QStringLiteral("Wave & Friction Drag"));
  setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
  setStyleSheet(QStringLiteral("QDialog { background: white; }"));
  QFont bold(QStringLiteral("Arial"));
  bold.setBold(true);
  setFont(bold);

  table_ = new QTableWidget(kDragRows + 1, 4, this);
  table_->horizontalHeader()->hide();
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);

  maxVelocity_ = new QLineEdit(this);
  maxVelocity_->setObjectName(QStringLiteral("MaxVelocity"));
  maxVelocity_->setReadOnly(true);
  velocityStep_ = new QLineEdit(this);
  velocityStep_->setObjectName(QStringLiteral("VelocityStep"));
  velocityStep_->setReadOnly(true);

  chart_ = new QChart;
  chart_->legend()->setAlignment(Qt::AlignTop);
  wave_ = new QLineSeries;
  wave_->setName(QStringLiteral("Wave Drag"));
  wave_->setColor(Qt::red);
  friction_ = new QLineSeries;
  friction_->setName(QStringLiteral("Friction Drag"));
  friction_->setColor(Qt::green);
  chart_->addSeries(wave_);
  chart_->addSeries(friction_);
  auto* x = new QValueAxis;
  x->setTitleText(QStringLiteral("Velocity"));
  auto* y = new QValueAxis;
  y->setTitleText(QStringLiteral("Wave and Fricition Drag"));
  chart_->addAxis(x, Qt::AlignBottom);
  chart_->addAxis(y, Qt::AlignLeft);
  for (QLineSeries* series : {wave_, friction_}) {
    series->attachAxis(x);
    series->attachAxis(y);
  }
  view_ = new QChartView(chart_, this);
  view_->setRubberBand(QChartView::RectangleRubberBand);
  view_->setToolTip(QStringLiteral("Drag Top Left to Low RIght To Zoom"));
  view_->setMinimumSize(480, 360);

  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("OkButton"));
  zoomOff_ = new QPushButton(QStringLiteral("Zoom Off"), this);
  zoomOff_->setObjectName(QStringLiteral("ZoomOffButton"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(zoomOff_, &QPushButton::clicked, chart_, &QChart::zoomReset);

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(QStringLiteral("Max Velocity")), 0, 0);
  fields->addWidget(maxVelocity_, 0, 1);
  fields->addWidget(new QLabel(QStringLiteral("Knots")), 0, 2);
  fields->addWidget(new QLabel(QStringLiteral("Velocity Step")), 1, 0);
  fields->addWidget(velocityStep_, 1, 1);
  fields->addWidget(new QLabel(QStringLiteral("Knots")), 1, 2);
  auto* left = new QVBoxLayout;
  left->addWidget(table_);
  left->addLayout(fields);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(zoomOff_);
  buttons->addWidget(ok);
  auto* right = new QVBoxLayout;
  right->addWidget(view_);
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(right, 1);
}

void TWavefriction::Fill(const DragResults& drag, bool metric) {
  const DragTable rows = FormatDragTable(drag);
  for (int r = 0; r <= kDragRows; ++r) {
    for (int c = 0; c < 4; ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(rows[r][c]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(r, c, item);
    }
  }
  // All four columns in view at the window's own size: as wide as their
  // texts, and the table as wide as the columns with room for its scroll bar.
  table_->resizeColumnsToContents();
  int width = 2 * table_->frameWidth() +
              table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table_);
  for (int c = 0; c < table_->columnCount(); ++c) width += table_->columnWidth(c);
  table_->setMinimumWidth(width);
  maxVelocity_->setText(QString::fromStdString(rows[kDragRows][0]).trimmed());
  velocityStep_->setText(QString::fromStdString(FormatVelocityStep(drag)).trimmed());

  chart_->setTitle(QString::fromStdString(DragChartTitle(metric)));
  wave_->clear();
  friction_->clear();
  double top = 0.0;
  for (int i = 1; i <= kDragRows; ++i) {
    const double v = DragSpeed(drag, i);
    wave_->append(v, drag.waveDrag[i]);
    friction_->append(v, drag.frictionDrag[i]);
    top = std::max({top, drag.waveDrag[i], drag.frictionDrag[i]});
  }
  // Each point in its colour: blue on the wave line, red on the friction line.
  for (int i = 0; i < kDragRows; ++i) {
    wave_->setPointConfiguration(i, QXYSeries::PointConfiguration::Color, QColor(Qt::blue));
    friction_->setPointConfiguration(i, QXYSeries::PointConfiguration::Color, QColor(Qt::red));
  }
  const auto axes = chart_->axes();
  for (QAbstractAxis* axis : axes) {
    if (axis->orientation() == Qt::Horizontal) {
      axis->setRange(0.0, std::max(drag.maxVelocity, 1e-6));
    } else {
      axis->setRange(0.0, top > 0.0 ? top * 1.05 : 1.0);
    }
    // Round tick values rather than fifths of the largest value.
    if (auto* values = qobject_cast<QValueAxis*>(axis)) values->applyNiceNumbers();
  }
  chart_->zoomReset();
}

}  // namespace skelmora::app
