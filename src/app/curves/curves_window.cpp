#include "curves/curves_window.h"

#include <QChart>
#include <QAbstractSeries>
#include <QChartView>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include "curves/curves_widgets.h"
#include "hydro/text_printing.h"

namespace skelmora::app {

TCurvesWindow::TCurvesWindow(AppState& state, ReportPrinter& printer, const QString& title,
                             Qt::Alignment legend, QWidget* parent)
    : QDialog(parent), state_(state), printer_(printer) {
  setWindowTitle(title);
  chart_ = new QChart;
  xAxis_ = new QValueAxis;
  yAxis_ = new QValueAxis;
  chart_->legend()->setAlignment(legend);
  // The chart's own legend cuts long names; SeriesLegend writes them out.
  chart_->legend()->hide();
  chart_->addAxis(xAxis_, Qt::AlignBottom);
  chart_->addAxis(yAxis_, Qt::AlignLeft);
  view_ = new QChartView(chart_, this);
  view_->setRubberBand(QChartView::RectangleRubberBand);
  view_->setMinimumSize(520, 360);
  legend_ = new SeriesLegend(this);
  legend_->hide();
  chartArea_ = new QWidget(this);
  auto* chartLayout = new QVBoxLayout(chartArea_);
  chartLayout->setContentsMargins(0, 0, 0, 0);
  chartLayout->addWidget(view_, 1);
  chartLayout->addWidget(legend_);
  // Whoever adds or replaces series, the colours and the legend follow.
  connect(view_->scene(), &QGraphicsScene::changed, this, [this] {
    QStringList names;
    for (const QAbstractSeries* series : chart_->series()) names << series->name();
    if (names != shownSeries_ || !HasSeriesColours(chart_)) RefreshSeries();
  });
  table_ = new QTableWidget(this);
  table_->setMinimumHeight(160);
  compute_ = new QPushButton(QStringLiteral("Compute"), this);
  compute_->setObjectName(QStringLiteral("ComputeButton"));
  print_ = new QPushButton(QStringLiteral("Print"), this);
  print_->setObjectName(QStringLiteral("PrintButton"));
  connect(compute_, &QPushButton::clicked, this, [this] { Compute(); });
  connect(print_, &QPushButton::clicked, this, [this] { PrintCurves(); });
}

void TCurvesWindow::RefreshSeries() {
  shownSeries_.clear();
  for (const QAbstractSeries* series : chart_->series()) shownSeries_ << series->name();
  ColourSeries(chart_);
  legend_->Show(chart_);
}

void TCurvesWindow::Arrange(const std::vector<QLayout*>& inputs, QWidget* top, QWidget* left) {
  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->addWidget(top ? top : chartArea_);
  splitter->addWidget(table_);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("CloseButton"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  if (left) buttons->addWidget(left);
  buttons->addStretch();
  buttons->addWidget(print_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  for (QLayout* row : inputs) layout->addLayout(row);
  layout->addWidget(splitter, 1);
  layout->addLayout(buttons);
}

bool TCurvesWindow::PrintWithChart(const std::string& text) {
  RefreshSeries();
  // The wide tables read better across the long side of the page.
  return printer_.Print(
      this, {.text = text,
             .name = ReportName(windowTitle()),
             .heading = [this](QPainter& painter, const QRect& page) {
               return DrawChartHeading(view_, painter, page, legend_);
             },
             .orientation = QPageLayout::Landscape});
}

}  // namespace skelmora::app
