#include "hydro/curve_window.h"

#include <algorithm>

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QValueAxis>
#include <QVBoxLayout>

#include "hydro/calculation_records.h"
#include "hydro/text_printing.h"
#include "model/app_state.h"
#include "views/wait_cursor.h"

namespace skelmora::app {

Tarea_length_dlg::Tarea_length_dlg(AppState& state, CalculationRecords& records, ReportPrinter& printer,
                                   QWidget* parent)
    : QDialog(parent), state_(state), records_(records), printer_(printer) {
  setObjectName(QStringLiteral("area_length_dlg"));
  setWindowTitle(QStringLiteral("Curve of Areas"));
  chart_ = new QChart;
  chart_->legend()->hide();
  series_ = new QLineSeries;
  series_->setColor(Qt::blue);
  chart_->addSeries(series_);
  xAxis_ = new QValueAxis;
  xAxis_->setTitleText(QStringLiteral("Station"));
  yAxis_ = new QValueAxis;
  chart_->addAxis(xAxis_, Qt::AlignBottom);
  chart_->addAxis(yAxis_, Qt::AlignLeft);
  series_->attachAxis(xAxis_);
  series_->attachAxis(yAxis_);
  view_ = new QChartView(chart_, this);
  view_->setRubberBand(QChartView::RectangleRubberBand);
  view_->setMinimumSize(560, 380);

  stations_ = new QSpinBox(this);
  stations_->setObjectName(QStringLiteral("StationsSpin"));
  // The spinner goes to 100; the curve holds 51 stations, so counts above
  // 50 are computed as 50 and the spinner shows what was computed.
  stations_->setRange(0, 100);
  print_ = new QPushButton(QStringLiteral("Print Data"), this);
  print_->setObjectName(QStringLiteral("PrintDataButton"));
  undoZoom_ = new QPushButton(QStringLiteral("Undo Zoom"), this);
  undoZoom_->setObjectName(QStringLiteral("UndoZoomButton"));
  undoZoom_->setEnabled(false);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OkButton"));

  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("Stations")));
  row->addWidget(stations_);
  row->addStretch();
  row->addWidget(print_);
  row->addWidget(undoZoom_);
  row->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  layout->addLayout(row);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(print_, &QPushButton::clicked, this, [this] { PrintData(); });
  connect(undoZoom_, &QPushButton::clicked, this, [this] {
    chart_->zoomReset();
    undoZoom_->setEnabled(false);
  });
  connect(stations_, &QSpinBox::valueChanged, this, &Tarea_length_dlg::StationsChanged);
  // A rubber-band zoom changes the axis ranges outside Plot.
  connect(xAxis_, &QValueAxis::rangeChanged, this, [this] {
    if (!plotting_ && chart_->isZoomed()) undoZoom_->setEnabled(true);
  });
}

bool Tarea_length_dlg::Compute() {
  WaitCursor wait;
  return ComputeCurves(state_.design, *state_.surface, *state_.cuts, records_.results,
                       *state_.prompter, records_.curves.stations, records_.curves);
}

void Tarea_length_dlg::Plot() {
  plotting_ = true;
  const CurveResults& curves = records_.curves;
  const CurveKind kind = records_.curveKind;
  const bool metric = FactorsFor(state_.design.Units).metric;
  {
    const QSignalBlocker block(stations_);
    stations_->setValue(curves.stations);
  }
  chart_->setTitle(QString::fromStdString(CurveChartTitle(state_.design.DesignFileName, kind)));
  yAxis_->setTitleText(QString::fromStdString(CurveAxisTitle(kind, metric)));
  const auto& values = kind == CurveKind::kAreas ? curves.areas : curves.lengths;
  series_->clear();
  double top = 0.0;
  for (int k = 0; k <= curves.stations; ++k) {
    series_->append(k, values[k]);
    top = std::max(top, values[k]);
  }
  chart_->zoomReset();
  xAxis_->setRange(0, curves.stations);
  // Ticks on whole stations, about ten of them.
  xAxis_->setTickType(QValueAxis::TicksDynamic);
  xAxis_->setTickAnchor(0.0);
  xAxis_->setTickInterval(std::max(1, (curves.stations + 9) / 10));
  xAxis_->setLabelFormat(QStringLiteral("%d"));
  yAxis_->setRange(0, top > 0.0 ? top * 1.05 : 1.0);
  yAxis_->applyNiceNumbers();
  undoZoom_->setEnabled(false);
  plotting_ = false;
}

void Tarea_length_dlg::StationsChanged(int value) {
  records_.curves.stations = CurveStationCount(value);
  if (Compute()) Plot();
}

bool Tarea_length_dlg::PrintData() {
  const auto label = state_.prompter->AskText(kCurveLabelCaption, kCurveLabelPrompt,
                                              records_.curveLabel);
  if (!label) return false;
  records_.curveLabel = *label;
  const bool metric = FactorsFor(state_.design.Units).metric;
  ReportJob job;
  job.text = FormatCurveTable(records_.curves, records_.curveKind, metric, *label);
  job.name = records_.curveKind == CurveKind::kAreas ? QStringLiteral("curve-of-areas")
                                                     : QStringLiteral("curve-of-wetted-lengths");
  return printer_.Print(this, job);
}

void Tarea_length_dlg::done(int result) {
  chart_->zoomReset();
  undoZoom_->setEnabled(false);
  QDialog::done(result);
}

}  // namespace skelmora::app
