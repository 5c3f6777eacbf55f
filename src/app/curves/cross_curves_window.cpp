#include "curves/cross_curves_window.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "files/text_io.h"
#include "hydro/text_printing.h"
#include "model/app_state.h"
#include "views/real_field.h"
#include "views/wait_cursor.h"

namespace skelmora::app {

namespace {

// The seed list: 60 % to 140 % of the design's displacement by 20 %, each
// rounded to three significant figures.
std::string SeedDisplacements(double design) {
  std::string text;
  if (!(design > 0.0)) return text;
  const double unit = std::pow(10.0, std::floor(std::log10(design)) - 2.0);
  for (const double f : {0.6, 0.8, 1.0, 1.2, 1.4}) {
    if (!text.empty()) text += ',';
    text += FormatFixed(std::round(f * design / unit) * unit, 0, 0);
  }
  return text;
}

}  // namespace

TCrossCurvesWindow::TCrossCurvesWindow(AppState& state, ReportPrinter& printer,
                                       double designDisplacement, QWidget* parent)
    : TCurvesWindow(state, printer, QStringLiteral("Cross Curves (KN)"), Qt::AlignRight,
                    parent) {
  setObjectName(QStringLiteral("CrossCurvesWindow"));
  const bool metric = FactorsFor(state_.design.Units).metric;
  const QString weight = metric ? QStringLiteral("kg") : QStringLiteral("lb");
  yAxis_->setTitleText(QStringLiteral("KN (%1), G at the keel")
                           .arg(metric ? QStringLiteral("m") : QStringLiteral("ft")));

  displacements_ = new QLineEdit(this);
  displacements_->setObjectName(QStringLiteral("DisplacementList"));
  displacements_->setText(QString::fromStdString(SeedDisplacements(designDisplacement)));
  against_ = new QComboBox(this);
  against_->setObjectName(QStringLiteral("PlotAgainst"));
  against_->addItem(QStringLiteral("Against displacement, a curve per angle"));
  against_->addItem(QStringLiteral("Against angle, a curve per displacement"));
  table_->setObjectName(QStringLiteral("KnTable"));

  auto* weights = new QHBoxLayout;
  weights->addWidget(new QLabel(QStringLiteral("Displacements (%1)").arg(weight), this));
  weights->addWidget(displacements_, 1);
  QHBoxLayout* heels = angles_.Build(this, QStringLiteral("Heel angles (deg)"),
                                     QStringLiteral("Angle"));
  angles_.Set(0.0, 90.0, 10.0, 0);
  heels->addWidget(compute_);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("KnProgress"));
  progress_->setFormat(QStringLiteral("%v of %m displacements"));
  progress_->setRange(0, 1);
  progress_->setValue(0);
  heels->addWidget(progress_);
  heels->addStretch();
  Arrange({weights, heels}, nullptr, against_);

  connect(against_, &QComboBox::currentIndexChanged, this, [this] { Plot(); });
  resize(860, 680);
}

bool TCrossCurvesWindow::Compute() {
  Prompter& prompter = *state_.prompter;
  std::string message;
  const auto weights = ParseDisplacementList(displacements_->text().toStdString(), message);
  if (!weights) {
    prompter.ShowError(message);
    return false;
  }
  const auto range = angles_.Read(message);
  const auto angles =
      range ? CheckCrossAngles((*range)[0], (*range)[1], (*range)[2], message) : std::nullopt;
  if (!angles) {
    prompter.ShowError(message);
    return false;
  }
  // Each displacement is a full stability run: say how far it has come.
  class Progress : public CrossCurvesProgress {
   public:
    explicit Progress(QProgressBar* bar) : bar_(bar) {}
    void DisplacementDone(std::size_t done, std::size_t count) override {
      bar_->setRange(0, static_cast<int>(count));
      bar_->setValue(static_cast<int>(done));
      bar_->repaint();
    }

   private:
    QProgressBar* bar_;
  } progress(progress_);
  progress_->setRange(0, static_cast<int>(weights->size()));
  progress_->setValue(0);
  progress_->repaint();
  std::vector<KnPoint> points;
  bool ok = false;
  {
    WaitCursor wait;
    ok = ComputeCrossCurves(state_.design, *state_.surface, *state_.cuts, *weights, *angles,
                            prompter, points, message, &progress);
  }
  // What was computed is shown even when a displacement failed.
  points_ = std::move(points);
  const CrossCurveTable table = TabulateCrossCurves(points_);
  QStringList headings{QStringLiteral("Angle")};
  for (const double w : table.displacements) headings << FixedText(w, 0);
  std::vector<std::vector<std::string>> rows;
  for (std::size_t a = 0; a < table.angles.size(); ++a) {
    std::vector<std::string> row{FormatFixed(table.angles[a], 0, 1)};
    row.insert(row.end(), table.cells[a].begin(), table.cells[a].end());
    rows.push_back(std::move(row));
  }
  FillTable(table_, headings, rows);
  Plot();
  if (!ok) {
    prompter.ShowError(message);
    return false;
  }
  return true;
}

void TCrossCurvesWindow::Plot() {
  chart_->removeAllSeries();
  chart_->setTitle(QStringLiteral("Cross Curves (KN) %1")
                       .arg(QString::fromStdString(state_.design.DesignFileName)));
  const bool metric = FactorsFor(state_.design.Units).metric;
  const bool byAngle = against_->currentIndex() == kKnAgainstAngle;
  const CrossCurveTable table = TabulateCrossCurves(points_);
  const std::vector<double>& families = byAngle ? table.displacements : table.angles;
  double xLow = 0.0, xHigh = 1.0, knLow = 0.0, knHigh = 0.0;
  bool first = true;
  for (const double family : families) {
    // Upright every KN is 0: no curve to show.
    if (!byAngle && family == 0.0) continue;
    auto* series = new QLineSeries;
    series->setName(byAngle ? QStringLiteral("%1 %2").arg(FixedText(family, 0),
                                                          metric ? QStringLiteral("kg")
                                                                 : QStringLiteral("lb"))
                            : QStringLiteral("%1 deg").arg(FixedText(family, 1)));
    for (const KnPoint& p : points_) {
      if ((byAngle ? p.displacement : p.angle) != family) continue;
      const double x = byAngle ? p.angle : p.displacement;
      series->append(x, p.kn);
      xLow = first ? x : std::min(xLow, x);
      xHigh = first ? x : std::max(xHigh, x);
      knLow = std::min(knLow, p.kn);
      knHigh = std::max(knHigh, p.kn);
      first = false;
    }
    chart_->addSeries(series);
    series->attachAxis(xAxis_);
    series->attachAxis(yAxis_);
  }
  xAxis_->setTitleText(byAngle ? QStringLiteral("Heel (deg)")
                               : QStringLiteral("Displacement (%1)")
                                     .arg(metric ? QStringLiteral("kg") : QStringLiteral("lb")));
  if (!(xHigh > xLow)) xHigh = xLow + 1.0;
  // Upright KN is 0 up to rounding; a hair below must not pull the axis
  // down a whole tick.
  if (knLow > -1e-9 * std::max(1.0, knHigh)) knLow = 0.0;
  if (!(knHigh > knLow)) knHigh = knLow + 1.0;
  xAxis_->setRange(xLow, xHigh);
  yAxis_->setRange(knLow, knHigh + 0.05 * (knHigh - knLow));
  xAxis_->applyNiceNumbers();
  yAxis_->applyNiceNumbers();
}

bool TCrossCurvesWindow::PrintCurves() {
  if (points_.empty()) return false;
  const std::string text =
      FormatCrossCurves(points_, state_.design.Units, state_.design.DesignFileName);
  return PrintWithChart(text);
}

}  // namespace skelmora::app
