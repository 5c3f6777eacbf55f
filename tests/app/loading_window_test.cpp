// Calc › "Loading Conditions": the example condition opened and floated as
// the core floats it, bad cells refused with the condition unchanged, the
// unsaved-changes question, saving and reading back, the levers as CSV and
// the report printed.
#include <QChart>
#include <QFile>
#include <QLineSeries>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

#include "files/text_io.h"
#include "loading/condition_file.h"
#include "loading/loading_cells.h"
#include "loading/loading_report.h"
#include "loading/loading_window.h"
#include "shell_fixtures.h"
#include "support/same_bytes.h"
#include "views/real_field.h"
#include "when_shown.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

bool CanReadPrints() {
  return QPrinterInfo::availablePrinters().isEmpty() &&
         !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString Run(const char* program, const QStringList& arguments) {
  QProcess process;
  process.start(QLatin1String(program), arguments);
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString CellText(QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item ? item->text() : QString();
}

// The cargo ship open and the window on it with the example condition.
struct Fixture {
  PdfAnswer answer;
  Shell shell{answer.installer()};
  std::unique_ptr<TLoadingWindow> window;
  QString conditionPath;

  bool Open() {
    if (!shell.open(shell.copyExample("cargo.s98"))) return false;
    answer.file = shell.dir.filePath(QStringLiteral("condition.pdf"));
    conditionPath = shell.copyExample("cargo.lcd");
    window = std::make_unique<TLoadingWindow>(shell.state, shell.form->reportPrinter(),
                                              shell.files);
    shell.files.openAnswers.push_back(ChosenFile{conditionPath, 1});
    return window->Open();
  }
  std::string ConditionText() const { return FormatConditionFile(window->condition()); }
};

}  // namespace

class LoadingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensAndFloatsAsTheCoreDoes() {
    Fixture f;
    QVERIFY(f.Open());
    LoadingCondition file;
    std::string message;
    QVERIFY(ReadConditionFile(f.conditionPath.toStdString(), file, message));
    QCOMPARE(f.ConditionText(), FormatConditionFile(file));
    QCOMPARE(f.window->items()->rowCount(), 3);  // the lightship and two items
    QCOMPARE(f.window->tanks()->rowCount(), 4);

    // The tanks' computed columns are the core's.
    const ConditionRun core = RunCondition(*f.shell.state.surface, f.shell.state.design.Units,
                                           file, std::nullopt);
    QVERIFY(core.equilibrium.ok());
    for (int r = 0; r < 4; ++r) {
      const TankState& s = core.weights.tanks[r];
      QVERIFY(s.capacity > 0.0);
      QCOMPARE(CellText(f.window->tanks(), r, kTankCapacity),
               QString::fromStdString(FormatFixed(s.capacity, 0, 0)));
      QCOMPARE(CellText(f.window->tanks(), r, kTankWeight),
               QString::fromStdString(FormatFixed(s.weight, 0, 1)));
      QCOMPARE(CellText(f.window->tanks(), r, kTankMoment),
               QString::fromStdString(FormatFixed(s.freeSurfaceMoment, 0, 0)));
    }

    QVERIFY(f.window->Float());
    QVERIFY(f.shell.prompter.errors.empty());
    const Equilibrium& e = f.window->run()->equilibrium;
    QCOMPARE(e.displacement, core.equilibrium.displacement);
    QCOMPARE(e.draftFore, core.equilibrium.draftFore);
    QCOMPARE(e.gmtFluid, core.equilibrium.gmtFluid);
    // The table shows them through the formatter, row by row.
    QTableWidget* position = f.window->position();
    const std::vector<std::pair<const char*, std::string>> shown{
        {"Draft forward", FormatFixed(core.equilibrium.draftFore, 0, 1)},
        {"Draft aft", FormatFixed(core.equilibrium.draftAft, 0, 1)},
        {"Displacement", FormatFixed(core.equilibrium.displacement, 0, 0)},
        {"GMt fluid", FormatFixed(core.equilibrium.gmtFluid, 0, 1)},
        {"KMt", FormatFixed(core.equilibrium.kmt, 0, 1)}};
    for (const auto& [name, text] : shown) {
      bool found = false;
      for (int r = 0; r < position->rowCount(); ++r) {
        if (CellText(position, r, 0) != QLatin1String(name)) continue;
        QCOMPARE(CellText(position, r, 1), QString::fromStdString(text));
        found = true;
      }
      QVERIFY2(found, name);
    }
    // The free surfaces lower G: fluid GM below solid.
    QVERIFY(e.gmtFluid < e.gmtSolid);
    QVERIFY(!f.window->modified());
  }

  // A row not found is neither drawn nor bridged; its heel shows "not found".
  void rowsNotFoundBreakTheCurve() {
    LeverCurve curve;
    const bool found[] = {true, true, false, true, false, false, true, true};
    for (int k = 0; k < 8; ++k) {
      LeverRow row;
      row.heel = 10.0 * k;
      row.found = found[k];
      row.gz = found[k] ? 2.0 * k : 0.0;
      curve.rows.push_back(row);
    }
    const std::vector<CurvePiece> pieces = FoundPieces(curve, 0.5);
    QCOMPARE(pieces.size(), std::size_t(3));
    QCOMPARE(pieces[0], (CurvePiece{{0.0, 0.0}, {10.0, 1.0}}));
    QCOMPARE(pieces[1], (CurvePiece{{30.0, 3.0}}));
    QCOMPARE(pieces[2], (CurvePiece{{60.0, 6.0}, {70.0, 7.0}}));
    const TextRows rows = LeverRows(curve);
    QCOMPARE(rows[2][0], std::string("20.0"));
    QCOMPARE(rows[2][1], std::string());
    QCOMPARE(rows[2].back(), std::string("not found"));
  }

  void calcMenuOpensTheWindowOnTheOpenHull() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("cargo.s98")));
    QVERIFY(shell.enabled("LoadingConditions1"));
    const QString lcd = shell.copyExample("cargo.lcd");
    bool floated = false;
    WhenShown<TLoadingWindow> script([&](TLoadingWindow* window) {
      shell.files.openAnswers.push_back(ChosenFile{lcd, 1});
      floated = window->Open() && window->Float();
      window->accept();
    });
    shell.form->trigger(QStringLiteral("LoadingConditions1"));
    QCOMPARE(script.shown, 1);
    QVERIFY(floated);
    QVERIFY(shell.prompter.errors.empty());
  }

  void refusesBadCellsBeforeAnythingChanges() {
    Fixture f;
    QVERIFY(f.Open());
    const std::string before = f.ConditionText();
    // Numbers are typed in the program's number field, names in a plain one.
    QTableWidget* items = f.window->items();
    QWidget* weightEditor = items->itemDelegate()->createEditor(
        items->viewport(), QStyleOptionViewItem(), items->model()->index(1, kItemWeight));
    QWidget* nameEditor = items->itemDelegate()->createEditor(
        items->viewport(), QStyleOptionViewItem(), items->model()->index(1, kItemName));
    QVERIFY(qobject_cast<RealField*>(weightEditor));
    QVERIFY(!qobject_cast<RealField*>(nameEditor));
    delete weightEditor;
    delete nameEditor;
    struct Case {
      bool tank;
      int row, column;
      const char* text;
    };
    const Case cases[] = {
        {false, 1, kItemWeight, "12x"},      // not a number
        {false, 1, kItemWeight, "-5"},       // a negative weight
        {false, 2, kItemName, "two words"},  // a name is one word
        {false, 0, kItemVcg, ""},            // empty
        {true, 0, kTankFill, "150"},         // beyond full
        {true, 0, kTankZMax, "-9000"},       // the box turned upside down
        {true, 1, kTankDensity, "-1"},
        {true, 2, kTankWeight, "1e12"},      // more than the tank holds
        {true, 3, kTankVolume, "-1"},
    };
    for (const Case& c : cases) {
      QTableWidget* grid = c.tank ? f.window->tanks() : f.window->items();
      const QString old = CellText(grid, c.row, c.column);
      const std::size_t errors = f.shell.prompter.errors.size();
      grid->item(c.row, c.column)->setText(QLatin1String(c.text));
      QVERIFY2(f.shell.prompter.errors.size() == errors + 1, c.text);
      QCOMPARE(f.ConditionText(), before);
      QCOMPARE(CellText(grid, c.row, c.column), old);
      QVERIFY(!f.window->modified());
    }

    // A weight typed for a tank becomes the percent of its capacity.
    const Tank tank = f.window->condition().tanks[1];
    const double capacity = ComputeTank(BuildFloatingHull(*f.shell.state.surface,
                                                          f.shell.state.design.Units),
                                        tank)
                                .capacity;
    const double full = FreshWaterWeight(capacity, f.shell.state.design.Units) * tank.density;
    f.window->tanks()->item(1, kTankWeight)->setText(
        QString::fromStdString(FormatFixed(0.25 * full, 0, 6)));
    QVERIFY(std::fabs(f.window->condition().tanks[1].fill - 25.0) < 1e-4);
    QCOMPARE(CellText(f.window->tanks(), 1, kTankFill), QStringLiteral("25.0"));
    QVERIFY(f.window->modified());

    // A weight the hull cannot carry is a good cell but no floating position.
    f.window->items()->item(0, kItemWeight)->setText(QStringLiteral("1e11"));
    const std::size_t errors = f.shell.prompter.errors.size();
    QVERIFY(!f.window->Float());
    QCOMPARE(f.shell.prompter.errors.size(), errors + 1);
    QVERIFY(f.shell.prompter.errors.back().find("sinks") != std::string::npos);
    QVERIFY(!f.window->run());
    QCOMPARE(f.window->position()->rowCount(), 0);
  }

  void asksBeforeReplacingAndSavesWhatItShows() {
    Fixture f;
    QVERIFY(f.Open());
    f.window->items()->item(1, kItemWeight)->setText(QStringLiteral("2100000"));
    QVERIFY(f.window->modified());
    const std::string edited = f.ConditionText();

    // Cancel keeps the edits; nothing was written.
    f.shell.prompter.answers.push_back(-1);
    QVERIFY(!f.window->New());
    QCOMPARE(f.ConditionText(), edited);
    QCOMPARE(f.shell.files.saveRequests.size(), std::size_t(0));
    // Save As writes where the user chose.
    const QString copy = f.shell.dir.filePath(QStringLiteral("copy.lcd"));
    f.shell.files.saveAnswers.push_back(ChosenFile{copy, 1});
    QVERIFY(f.window->SaveAs());
    QCOMPARE(f.window->path(), copy);
    QVERIFY(!f.window->modified());
    LoadingCondition back;
    std::string message;
    QVERIFY(ReadConditionFile(copy.toStdString(), back, message));
    QCOMPARE(FormatConditionFile(back), edited);
    QCOMPARE(back.items[0].weight, 2100000.0);
    // The example itself was not touched.
    LoadingCondition example;
    QVERIFY(ReadConditionFile(f.conditionPath.toStdString(), example, message));
    QCOMPARE(example.items[0].weight, 2200000.0);

    // A malformed file is refused and the window keeps its condition.
    const QString bad = f.shell.writeFile("bad.lcd", "SKELMORA LOADING CONDITION\r\nITEM A 1 2\r\n");
    QVERIFY(!f.window->Load(bad));
    QCOMPARE(f.ConditionText(), edited);
    QCOMPARE(f.window->path(), copy);

    // Closing with unsaved edits asks; Cancel keeps the window open.
    f.window->show();
    f.window->items()->item(2, kItemVcg)->setText(QStringLiteral("2600"));
    f.shell.prompter.answers.push_back(-1);
    f.window->reject();
    QVERIFY(f.window->isVisible());
    f.shell.prompter.answers.push_back(0);  // No: closed, nothing written
    f.window->reject();
    QVERIFY(!f.window->isVisible());
    QVERIFY(ReadConditionFile(copy.toStdString(), back, message));
    QCOMPARE(FormatConditionFile(back), edited);
  }

  void leversChartCsvAndPrint() {
    Fixture f;
    QVERIFY(f.Open());
    f.window->maxHeel()->setText(QStringLiteral("60"));
    f.window->heelStep()->setText(QStringLiteral("10"));
    const auto net = std::make_unique<VertexNet>(f.shell.state.design.Net);
    QVERIFY(f.window->RightingLevers());
    // The fixed-trim run moves the hull to the condition's draft and back.
    QVERIFY(skelmora::testing::SameNet(*net, f.shell.state.design.Net));
    const LeverCurve& curve = *f.window->run()->levers;
    QCOMPARE(curve.rows.size(), std::size_t(7));
    QCOMPARE(f.window->levers()->rowCount(), 7);
    QCOMPARE(f.window->criteria()->rowCount(), static_cast<int>(curve.criteria.size()));
    QVERIFY(!curve.criteria.empty());
    // Both curves drawn; the free-trim points are the found rows.
    int freePoints = 0, found = 0, fixedPoints = 0;
    for (QAbstractSeries* s : f.window->chart()->series()) {
      auto* line = qobject_cast<QLineSeries*>(s);
      QVERIFY(line);
      (line->name().startsWith(QStringLiteral("Free")) ? freePoints : fixedPoints) +=
          static_cast<int>(line->count());
    }
    for (const LeverRow& r : curve.rows) found += r.found ? 1 : 0;
    QCOMPARE(freePoints, found);
    QCOMPARE(fixedPoints, 7);

    const QString csv = f.shell.dir.filePath(QStringLiteral("levers.csv"));
    f.shell.files.saveAnswers.push_back(ChosenFile{csv, 1});
    QVERIFY(f.window->SaveTable());
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines =
        QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 8);
    QVERIFY(lines[0].startsWith(QStringLiteral("Heel (deg),GZ (")));
    QVERIFY(lines[2].startsWith(QStringLiteral("10.0,")));
    if (curve.rows[1].found) {
      QVERIFY(lines[2].contains(QString::fromStdString(FormatFixed(curve.rows[1].gz, 0, 2))));
    }

    if (!CanReadPrints()) QSKIP("no pdftotext, or a printer would take the job");
    QVERIFY(f.window->PrintReport());
    const QString text = Run("pdftotext", {QStringLiteral("-layout"), f.answer.file,
                                           QStringLiteral("-")});
    QVERIFY(text.contains(QStringLiteral("Floating position")));
    QVERIFY(text.contains(QStringLiteral("Righting levers at free trim")));
    QVERIFY(text.contains(QStringLiteral("FuelPort")));
    QVERIFY(text.contains(QString::fromStdString(
        FormatFixed(f.window->run()->equilibrium.displacement, 0, 0))));
    QVERIFY(text.contains(QLatin1String(kCriteriaTitle)));
    const QString info = Run("pdfinfo", {f.answer.file});
    const QRegularExpression size(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)"));
    const auto m = size.match(info);
    QVERIFY(m.hasMatch());
    QVERIFY(m.captured(1).toDouble() > m.captured(2).toDouble());  // landscape
  }
};

QTEST_MAIN(LoadingWindowTest)
#include "loading_window_test.moc"
