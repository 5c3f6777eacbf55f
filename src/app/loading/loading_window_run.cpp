// The loading window's files, runs, chart, print and CSV.
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPageLayout>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>
#include <algorithm>
#include <memory>

#include "curves/curves_widgets.h"
#include "files/file_chooser.h"
#include "files/file_messages.h"
#include "files/text_io.h"
#include "hydro/draft_search.h"
#include "hydro/text_printing.h"
#include "loading/condition_file.h"
#include "loading/loading_cells.h"
#include "resistance/table_csv.h"
#include "loading/loading_report.h"
#include "loading/loading_window.h"
#include "model/app_state.h"
#include "stability/stability_run.h"
#include "views/real_field.h"
#include "views/wait_cursor.h"

namespace skelmora::app {

namespace {

// A curve in pieces of one colour, one legend entry.
void AddCurve(QChart* chart, QValueAxis* x, QValueAxis* y, const QString& name, const QColor& color,
              const std::vector<CurvePiece>& pieces, double& low, double& high) {
  bool named = false;
  for (const CurvePiece& piece : pieces) {
    auto* series = new QLineSeries;
    series->setColor(color);
    series->setName(name);
    for (const auto& [heel, gz] : piece) {
      series->append(heel, gz);
      low = std::min(low, gz);
      high = std::max(high, gz);
    }
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    if (named) {
      for (QLegendMarker* marker : chart->legend()->markers(series)) marker->setVisible(false);
    }
    named = true;
  }
}

// The upright height of the water at which the closed hull displaces
// volume; nothing when it cannot.
std::optional<double> UprightLevel(const FloatingHull& hull, double volume) {
  const Vec3 up{0.0, 0.0, 1.0};
  const auto span = SpanAlong(hull.soup, up);
  if (!(span[1] > span[0]) || !(volume > 0.0) || !(volume < hull.volume)) return std::nullopt;
  double low = span[0], high = span[1];
  for (int k = 0; k < 60; ++k) {
    const double mid = 0.5 * (low + high);
    (CutBelow(hull.soup, up, mid).below.volume < volume ? low : high) = mid;
  }
  return 0.5 * (low + high);
}

// The net as it was, put back on every path.
class NetRestorer {
 public:
  explicit NetRestorer(AppState& state)
      : state_(state), net_(std::make_unique<VertexNet>(state.design.Net)) {}
  ~NetRestorer() {
    state_.design.Net = *net_;
    state_.Regenerate(Change::kTopology);
  }
  NetRestorer(const NetRestorer&) = delete;
  NetRestorer& operator=(const NetRestorer&) = delete;

 private:
  AppState& state_;
  std::unique_ptr<VertexNet> net_;  // large: not on the stack
};

}  // namespace

bool TLoadingWindow::SaveChangesFirst() {
  if (!modified_) return true;
  const std::string name =
      path_.isEmpty() ? std::string("the new loading condition") : path_.toStdString();
  const int answer = state_.prompter->AskYesNoCancel("Save changes to " + name + "?");
  if (answer < 0) return false;
  return answer == 0 || Save();
}

bool TLoadingWindow::New() {
  if (!SaveChangesFirst()) return false;
  condition_ = LoadingCondition{};
  path_.clear();
  modified_ = false;
  run_.reset();
  fixedTrim_.clear();
  Fill();
  ShowRun();
  return true;
}

bool TLoadingWindow::Open() {
  if (!SaveChangesFirst()) return false;
  FileRequest request;
  request.caption = QStringLiteral("Open Loading Condition");
  request.directory = path_.isEmpty() ? QString() : QFileInfo(path_).absolutePath();
  request.filters = QString::fromLatin1(kConditionFilters);
  request.defaultSuffix = QStringLiteral("lcd");
  const std::optional<ChosenFile> chosen = files_.ChooseOpen(this, request);
  return chosen && Load(chosen->path);
}

bool TLoadingWindow::Load(const QString& path) {
  LoadingCondition read;
  std::string message;
  if (!ReadConditionFile(path.toStdString(), read, message)) {
    state_.prompter->ShowError(message);
    return false;
  }
  condition_ = std::move(read);
  path_ = path;
  modified_ = false;
  run_.reset();
  fixedTrim_.clear();
  Fill();
  ShowRun();
  return true;
}

bool TLoadingWindow::WriteTo(const QString& path) {
  std::string message;
  if (!WriteConditionFile(path.toStdString(), condition_, message)) {
    state_.prompter->ShowError(message);
    return false;
  }
  path_ = path;
  modified_ = false;
  setWindowTitle(Title());
  return true;
}

bool TLoadingWindow::Save() { return path_.isEmpty() ? SaveAs() : WriteTo(path_); }

bool TLoadingWindow::SaveAs() {
  FileRequest request;
  request.caption = QStringLiteral("Save Loading Condition As");
  request.fileName = path_.isEmpty() ? QStringLiteral("condition.lcd") : path_;
  request.filters = QString::fromLatin1(kConditionFilters);
  request.defaultSuffix = QStringLiteral("lcd");
  const std::optional<ChosenFile> chosen = files_.ChooseSave(this, request);
  return chosen && WriteTo(chosen->path);
}

void TLoadingWindow::done(int result) {
  // Closing in any way asks about unsaved edits; Cancel keeps the window.
  if (!SaveChangesFirst()) return;
  QDialog::done(result);
}

bool TLoadingWindow::Float() {
  ConditionRun run;
  {
    WaitCursor wait;
    run = RunCondition(*state_.surface, state_.design.Units, condition_, std::nullopt);
  }
  if (!run.equilibrium.ok()) {
    state_.prompter->ShowError(run.equilibrium.message);
    return false;
  }
  run_ = std::move(run);
  fixedTrim_.clear();
  ShowRun();
  results_->setCurrentWidget(position_);
  return true;
}

bool TLoadingWindow::RightingLevers() {
  std::string message;
  const std::optional<double> maxHeel = maxHeel_->value(), step = heelStep_->value();
  if (!maxHeel || !step) {
    state_.prompter->ShowError(RealField::ConversionError(
        maxHeel ? QStringLiteral("Step") : QStringLiteral("Max heel"),
        maxHeel ? heelStep_->text() : maxHeel_->text()));
    return false;
  }
  const std::optional<HeelSteps> heels = CheckHeelInputs(*maxHeel, *step, message);
  if (!heels) {
    state_.prompter->ShowError(message);
    return false;
  }
  ConditionRun run;
  {
    WaitCursor wait;
    run = RunCondition(*state_.surface, state_.design.Units, condition_, heels);
  }
  if (!run.equilibrium.ok()) {
    state_.prompter->ShowError(run.equilibrium.message);
    return false;
  }
  // The stability run's fixed-trim levers at the same displacement: the
  // hull lowered until its design waterline floats the condition's weight,
  // G where the condition puts it (raised for the free surfaces), then the
  // net put back as it was. A copy of the records keeps the program's
  // hydrostatics as they were.
  std::vector<StabilityRow> fixed;
  const std::optional<double> level =
      UprightLevel(run.hull, run.weights.weight / SeawaterWeight(1.0, run.hull.units));
  if (level) {
    WaitCursor wait;
    NetRestorer restore(state_);
    if (RaiseHull(state_.design, *state_.surface, -*level)) {
      state_.Regenerate(Change::kExtents);
      HydrostaticResults results = state_.hydro->results;
      StabilityRecords records{state_.design, *state_.surface, *state_.cuts, results};
      StabilityInputs inputs;
      inputs.heel = *heels;
      inputs.manualCentre = true;
      inputs.manualVcg = run.weights.vcg + run.weights.VirtualRise() - *level;
      inputs.manualLcg = run.weights.lcg;
      const StabilityRun stability = RunStability(records, inputs, *state_.prompter);
      if (stability.ok) fixed = stability.rows;
    }
  }
  run_ = std::move(run);
  fixedTrim_ = std::move(fixed);
  ShowRun();
  results_->setCurrentWidget(levers_);
  return true;
}

void TLoadingWindow::ShowRun() {
  const int32_t units = state_.design.Units;
  TextRows position, levers, criteria;
  if (run_) {
    position = EquilibriumRows(run_->equilibrium, units);
    if (run_->levers) {
      levers = LeverRows(*run_->levers);
      criteria = CriteriaRows(run_->levers->criteria);
    }
  }
  FillTable(position_, {QStringLiteral("Quantity"), QStringLiteral("Value"), QStringLiteral("Unit")},
            position);
  FillTable(levers_, LeverHeadings(units), levers);
  FillTable(criteria_, CriteriaHeadings(), criteria);
  Plot();
}

void TLoadingWindow::Plot() {
  chart_->removeAllSeries();
  const double toChart = FactorsFor(state_.design.Units).length;
  double low = 0.0, high = 0.0, maxHeel = 90.0;
  if (run_ && run_->levers) {
    for (const LeverRow& r : run_->levers->rows) maxHeel = r.heel;
    AddCurve(chart_, xAxis_, yAxis_, QStringLiteral("Free trim (condition)"), QColor(0, 90, 200),
             FoundPieces(*run_->levers, toChart), low, high);
    CurvePiece fixed;
    for (const StabilityRow& r : fixedTrim_) fixed.push_back({r.heel, r.gz * toChart});
    if (!fixed.empty()) {
      AddCurve(chart_, xAxis_, yAxis_, QStringLiteral("Fixed trim (stability run)"),
               QColor(200, 60, 0), {fixed}, low, high);
    }
  }
  const QString name = path_.isEmpty() ? QStringLiteral("new condition") : QFileInfo(path_).fileName();
  chart_->setTitle(QStringLiteral("Righting levers, %1").arg(name));
  if (!(high > low)) high = low + 1.0;
  xAxis_->setRange(0.0, std::max(maxHeel, 1.0));
  yAxis_->setRange(low, high + 0.05 * (high - low));
  xAxis_->applyNiceNumbers();
  yAxis_->applyNiceNumbers();
}

bool TLoadingWindow::PrintReport() {
  if (!run_ && !Float()) return false;
  const std::string text =
      LoadingReport(condition_, *run_, state_.design.DesignFileName,
                    path_.isEmpty() ? std::string() : QFileInfo(path_).fileName().toStdString());
  PageHeading heading;
  if (run_->levers) {
    heading = [this](QPainter& painter, const QRect& page) {
      return DrawChartHeading(view_, painter, page);
    };
  }
  return printer_.Print(this, {.text = text,
                               .name = QStringLiteral("loading-condition"),
                               .heading = heading,
                               .orientation = QPageLayout::Landscape});
}

bool TLoadingWindow::SaveTable() {
  if (!run_) {
    state_.prompter->ShowError("Float the condition, or compute its righting levers, first.");
    return false;
  }
  const int32_t units = state_.design.Units;
  const std::string csv =
      run_->levers ? CsvText(LeverHeadings(units), LeverRows(*run_->levers))
                   : CsvText({QStringLiteral("Quantity"), QStringLiteral("Value"),
                              QStringLiteral("Unit")},
                             EquilibriumRows(run_->equilibrium, units));
  FileRequest request;
  request.caption = QStringLiteral("Save Table");
  request.fileName = run_->levers ? QStringLiteral("levers.csv") : QStringLiteral("position.csv");
  request.filters = QStringLiteral("CSV Files|*.csv");
  request.defaultSuffix = QStringLiteral("csv");
  const std::optional<ChosenFile> chosen = files_.ChooseSave(this, request);
  if (!chosen) return false;
  if (!SaveFileAtomically(chosen->path.toStdString(), csv)) {
    state_.prompter->ShowError(CannotSaveMessage(chosen->path.toStdString()));
    return false;
  }
  return true;
}

}  // namespace skelmora::app
