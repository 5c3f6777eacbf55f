#include "fairing/fairing_dialog.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "views/real_field.h"

namespace skelmora::app {

namespace {

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

// An axis range around lo..hi with a little room, never empty.
void FitAxis(QValueAxis* axis, double lo, double hi) {
  if (!(hi > lo)) {
    const double pad = std::max(std::fabs(lo) * 0.05, 0.5);
    lo -= pad;
    hi += pad;
  }
  const double margin = (hi - lo) * 0.05;
  axis->setRange(lo - margin, hi + margin);
}

QValueAxis* AddAxis(QChart* chart, Qt::Alignment where) {
  auto* axis = new QValueAxis;
  axis->setLabelFormat(QStringLiteral("%.2f"));
  chart->addAxis(axis, where);
  return axis;
}

}  // namespace

FairingDialog::FairingDialog(AppState& state, FairLine line, const QString& caption,
                             QWidget* parent)
    : QDialog(parent), state_(state), curve_(std::make_unique<FairCurve>()) {
  setWindowTitle(caption);
  selection_.line = line;
  // The backup that "Exit - Do Not Save" puts back.
  design().ScratchNet = design().Net;
  BuildCharts();

  controls_ = new QVBoxLayout;
  auto* views = new QHBoxLayout;
  views->addWidget(AddButton(this, "BodyButton", QStringLiteral("Body")));
  views->addWidget(AddButton(this, "ProfileButton", QStringLiteral("Profile")));
  views->addWidget(AddButton(this, "PlanButton", QStringLiteral("Plan")));
  connect(button("BodyButton"), &QPushButton::clicked, this, [this] { SetView(kBodyView); });
  connect(button("ProfileButton"), &QPushButton::clicked, this, [this] { SetView(kProfileView); });
  connect(button("PlanButton"), &QPushButton::clicked, this, [this] { SetView(kPlanView); });

  auto* arrows = new QGridLayout;
  struct Arrow {
    const char* name;
    const char* text;
    Nudge nudge;
    int row, column;
  };
  const Arrow kArrows[] = {{"UpButton", "Up", Nudge::kUp, 0, 1},
                           {"LeftButton", "Left", Nudge::kLeft, 1, 0},
                           {"RightButton", "Right", Nudge::kRight, 1, 2},
                           {"DownButton", "Down", Nudge::kDown, 2, 1}};
  for (const Arrow& a : kArrows) {
    QPushButton* arrow = AddButton(this, a.name, QLatin1String(a.text));
    // Holding the button repeats the move.
    arrow->setAutoRepeat(true);
    arrow->setAutoRepeatInterval(60);
    const Nudge nudge = a.nudge;
    connect(arrow, &QPushButton::clicked, this, [this, nudge] { Move(nudge); });
    arrows->addWidget(arrow, a.row, a.column);
  }

  step_ = new RealField(this);
  step_->setObjectName(QStringLiteral("StepEdit"));
  step_->setText(QStringLiteral("0.5"));
  auto* stepRow = new QHBoxLayout;
  stepRow->addWidget(new QLabel(QStringLiteral("Move Step"), this));
  stepRow->addWidget(step_);

  QPushButton* zoom = AddButton(this, "ZoomButton", QStringLiteral("Zoom"));
  undoZoom_ = AddButton(this, "UndoZoomButton", QStringLiteral("Undo Zoom"));
  undoZoom_->setEnabled(false);
  connect(zoom, &QPushButton::clicked, this, &FairingDialog::Zoom);
  connect(undoZoom_, &QPushButton::clicked, this, &FairingDialog::UndoZoom);
  auto* zoomRow = new QHBoxLayout;
  zoomRow->addWidget(zoom);
  zoomRow->addWidget(undoZoom_);

  QPushButton* ok = AddButton(this, "OKButton", QStringLiteral("OK"));
  QPushButton* cancel = AddButton(this, "CancelButton", QStringLiteral("Exit - Do Not Save"));
  connect(ok, &QPushButton::clicked, this, &FairingDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &FairingDialog::reject);

  auto* panel = new QVBoxLayout;
  panel->addLayout(controls_);
  panel->addLayout(views);
  panel->addLayout(arrows);
  panel->addLayout(stepRow);
  panel->addLayout(zoomRow);
  panel->addStretch();
  panel->addWidget(ok);
  panel->addWidget(cancel);

  auto* plots = new QVBoxLayout;
  plots->addWidget(curveView_, 1);
  plots->addWidget(curvatureView_, 1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(plots, 1);
  layout->addLayout(panel);
  resize(980, 720);
}

FairingDialog::~FairingDialog() = default;

void FairingDialog::BuildCharts() {
  curveChart_ = new QChart;
  curveChart_->legend()->hide();
  sampled_ = new QLineSeries;
  sampled_->setColor(Qt::red);
  vertices_ = new QLineSeries;
  vertices_->setColor(Qt::blue);
  vertices_->setPointsVisible(true);
  selected_ = new QScatterSeries;
  selected_->setColor(Qt::green);
  selected_->setBorderColor(Qt::darkGreen);
  selected_->setMarkerSize(11);
  curveX_ = AddAxis(curveChart_, Qt::AlignBottom);
  curveY_ = AddAxis(curveChart_, Qt::AlignLeft);
  for (QXYSeries* series : {static_cast<QXYSeries*>(sampled_), static_cast<QXYSeries*>(vertices_),
                            static_cast<QXYSeries*>(selected_)}) {
    curveChart_->addSeries(series);
    series->attachAxis(curveX_);
    series->attachAxis(curveY_);
  }
  curveView_ = new QChartView(curveChart_, this);
  curveView_->setObjectName(QStringLiteral("CurvePlot"));
  curveView_->setRenderHint(QPainter::Antialiasing);
  curveView_->setMinimumSize(560, 280);

  curvatureChart_ = new QChart;
  curvatureChart_->legend()->hide();
  curvatureChart_->setTitle(QStringLiteral("Curvature"));
  curvature_ = new QLineSeries;
  curvature_->setColor(Qt::red);
  marker_ = new QLineSeries;
  marker_->setColor(Qt::green);
  curvatureX_ = AddAxis(curvatureChart_, Qt::AlignBottom);
  curvatureY_ = AddAxis(curvatureChart_, Qt::AlignLeft);
  // Curvatures of a hull in millimetres are small numbers.
  curvatureY_->setLabelFormat(QStringLiteral("%.3g"));
  for (QLineSeries* series : {curvature_, marker_}) {
    curvatureChart_->addSeries(series);
    series->attachAxis(curvatureX_);
    series->attachAxis(curvatureY_);
  }
  curvatureView_ = new QChartView(curvatureChart_, this);
  curvatureView_->setObjectName(QStringLiteral("CurvaturePlot"));
  curvatureView_->setRenderHint(QPainter::Antialiasing);
  curvatureView_->setRubberBand(QChartView::RectangleRubberBand);
  curvatureView_->setMinimumSize(560, 260);
  connect(curvatureX_, &QValueAxis::rangeChanged, this, [this] {
    if (curvatureChart_->isZoomed()) {
      zoomed_ = true;
      undoZoom_->setEnabled(true);
    }
  });
}

QPushButton* FairingDialog::button(const char* name) const {
  return findChild<QPushButton*>(QLatin1String(name));
}

void FairingDialog::SetCurveTitle(const QString& title) { curveChart_->setTitle(title); }
void FairingDialog::SetCurvatureTitle(const QString& title) { curvatureChart_->setTitle(title); }

void FairingDialog::Start(int index, int vertex, ViewId view) {
  selection_.view = view;
  Select(index, vertex);
}

void FairingDialog::Select(int index, int vertex) {
  selection_.index = index;
  const IndexRange along = VertexRange(design(), selection_.line);
  selection_.vertex = std::clamp(vertex, along.lo, along.hi);
  ShowVertex();
  Replot();
}

void FairingDialog::SetView(ViewId view) {
  selection_.view = view;
  Replot();
}

double FairingDialog::StepForMove() { return step_->valueOrZero(); }

double FairingDialog::CheckedStep() {
  const StepField field = ReadStepField(step_->value());
  if (field.replaced) step_->setText(QLatin1String(kDefaultStepText));
  return field.step;
}

void FairingDialog::Move(Nudge direction) {
  if (!LineIndexRange(design(), selection_.line).Contains(selection_.index)) return;
  const double step = StepForMove();
  int column = 0, row = 0;
  SelectedVertex(design(), selection_, column, row);
  NudgeVertex(design().Net[column][row], selection_.view, direction, step);
  state_.Regenerate(Change::kVertices);
  ShowVertex();
  Replot();
}

void FairingDialog::Replot() {
  SampleFairCurve(design(), *state_.surface, *state_.cuts, selection_, *curve_);
  remembered_ = RememberedCurvature(design(), selection_, *curve_);
  const AxisTitles titles = ViewAxisTitles(selection_.view);
  curveX_->setTitleText(QLatin1String(titles.horizontal));
  curveY_->setTitleText(QLatin1String(titles.vertical));
  curvatureX_->setTitleText(QLatin1String(titles.horizontal));
  PlotCurve();
  PlotCurvature();
  ++plotCount_;
}

void FairingDialog::PlotCurve() {
  const FairCurve& c = *curve_;
  QList<QPointF> points;
  points.reserve(c.sampleCount);
  double h0 = 1e300, h1 = -1e300, v0 = 1e300, v1 = -1e300;
  auto widen = [&](double h, double v) {
    h0 = std::min(h0, h), h1 = std::max(h1, h);
    v0 = std::min(v0, v), v1 = std::max(v1, v);
  };
  for (int k = 0; k < c.sampleCount; ++k) {
    points.append(QPointF(c.samples[k].h, c.samples[k].v));
    widen(c.samples[k].h, c.samples[k].v);
  }
  sampled_->replace(points);

  std::array<PlanePoint, kNetSize> line;
  const int count = LineVertices(design(), selection_, line);
  QList<QPointF> net;
  for (int k = 0; k < count; ++k) {
    net.append(QPointF(line[k].h, line[k].v));
    widen(line[k].h, line[k].v);
  }
  vertices_->replace(net);
  QList<QPointF> chosen;
  const int at = selection_.vertex - VertexRange(design(), selection_.line).lo;
  if (at >= 0 && at < count) chosen.append(QPointF(line[at].h, line[at].v));
  selected_->replace(chosen);
  if (h1 < h0) h0 = h1 = v0 = v1 = 0.0;
  FitAxis(curveX_, h0, h1);
  FitAxis(curveY_, v0, v1);
}

void FairingDialog::PlotCurvature() {
  const FairCurve& c = *curve_;
  QList<QPointF> points;
  points.reserve(c.curvatureCount);
  double h0 = 1e300, h1 = -1e300;
  for (int k = 0; k < c.curvatureCount; ++k) {
    if (!c.curvature[k].defined) continue;  // coinciding samples: no value there
    points.append(QPointF(c.curvature[k].at, c.curvature[k].value));
    h0 = std::min(h0, c.curvature[k].at);
    h1 = std::max(h1, c.curvature[k].at);
  }
  curvature_->replace(points);

  int column = 0, row = 0;
  SelectedVertex(design(), selection_, column, row);
  double h = 0.0, v = 0.0;
  ViewCoordinatesOf(design().Net[column][row], selection_.view, h, v);
  const double top = c.MarkerHeight();
  marker_->replace(QList<QPointF>{QPointF(h, 0.0), QPointF(h, top)});
  // A zoomed chart keeps its window while the designer nudges.
  if (zoomed_) return;
  if (h1 < h0) h0 = h1 = h;
  FitAxis(curvatureX_, std::min(h0, h), std::max(h1, h));
  curvatureY_->setRange(0.0, top > 0.0 ? top * 1.1 : 1.0);
}

void FairingDialog::Zoom() {
  int column = 0, row = 0;
  SelectedVertex(design(), selection_, column, row);
  double h = 0.0, v = 0.0;
  ViewCoordinatesOf(design().Net[column][row], selection_.view, h, v);
  const QPointF centre = curvatureChart_->mapToPosition(QPointF(h, remembered_), curvature_);
  curvatureChart_->zoomIn(QRectF(centre.x() - 50.0, centre.y() - 50.0, 100.0, 100.0));
  zoomed_ = true;
  undoZoom_->setEnabled(true);
}

void FairingDialog::UndoZoom() {
  if (!zoomed_) return;
  curvatureChart_->zoomReset();
  zoomed_ = false;
  undoZoom_->setEnabled(false);
  Replot();
}

void FairingDialog::reject() {
  design().Net = design().ScratchNet;
  state_.Regenerate(Change::kVertices);
  QDialog::reject();
}

}  // namespace skelmora::app
