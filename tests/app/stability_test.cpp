// Calc › "Stability" driven through its dialog: the shift and "Reset
// Waterline", the weights grid, the heel input errors, a run into the
// results window with every plot choice and the criteria table, closing.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QChart>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

#include "hydro/hydrostatics.h"
#include "shell_fixtures.h"
#include "support/same_bytes.h"
#include "when_shown.h"
#include "stability/stability_data.h"
#include "hydro/text_printing.h"
#include "stability/stability_dialog.h"
#include "stability/stability_results.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

struct Open {
  Shell shell;
  // Nothing in these tests prints; with no printer the dialog is cancelled.
  ReportPrinter printer{QPrinter(), shell.prompter, [](QPrinter&, QWidget*) { return false; }};
  std::unique_ptr<Tdraw_stability_Dlg> dialog;
  Open() {
    const QString path = shell.copyExample("sailboat.s98");
    if (!shell.open(path)) return;
    dialog = std::make_unique<Tdraw_stability_Dlg>(shell.state, printer, shell.files);
  }
  HullDesign& design() { return shell.state.design; }
};

double Cell(QTableWidget* grid, int row, int column) {
  return grid->item(row, column)->text().trimmed().toDouble();
}

}  // namespace

class StabilityTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void shiftLowersHullAndBallastAndResetRestores() {
    Open o;
    QVERIFY(o.dialog);
    Tdraw_stability_Dlg& d = *o.dialog;
    const VertexNet before = o.design().Net;
    const double weightBefore = d.field("RefDisplacement")->text().toDouble();
    d.grid()->item(0, kBallastHeight)->setText(QStringLiteral("5"));
    QVERIFY(!d.button("CalcDispButton")->isEnabled());
    QTest::keyClicks(d.field("Shift"), QStringLiteral("2"));  // "02"
    QVERIFY(d.button("CalcDispButton")->isEnabled());
    d.field("Shift")->setText(QStringLiteral("2"));
    QVERIFY(d.CalcDisplacement());
    QVERIFY(!d.button("CalcDispButton")->isEnabled());
    QCOMPARE(d.accumulatedShift(), 2.0);
    for (int c = 0; c <= o.design().LastColumn; ++c) {
      for (int r = 0; r <= o.design().LastRow; ++r) {
        QVERIFY(std::fabs(o.design().Net[c][r].z - (before[c][r].z - 2.0f)) < 1e-4);
        QCOMPARE(o.design().Net[c][r].x, before[c][r].x);
      }
    }
    QCOMPARE(Cell(d.grid(), 0, kBallastHeight), 3.0);
    for (int r = 1; r < d.grid()->rowCount(); ++r) QCOMPARE(Cell(d.grid(), r, kBallastHeight), -2.0);
    QVERIFY(d.field("RefDisplacement")->text().toDouble() > weightBefore);

    d.ResetWaterline();
    QCOMPARE(d.accumulatedShift(), 0.0);
    QCOMPARE(d.field("Shift")->text(), QStringLiteral("0"));
    // Exactly as found, not to single-precision rounding.
    QVERIFY(skelmora::testing::SameNet(o.design().Net, before));
    QCOMPARE(Cell(d.grid(), 0, kBallastHeight), 5.0);
    QCOMPARE(Cell(d.grid(), 1, kBallastHeight), 0.0);
    // Single-precision heights come back to within rounding.
    QVERIFY(std::fabs(d.field("RefDisplacement")->text().toDouble() - weightBefore) < 0.02);
  }

  void gridRowsTotalsAndWarning() {
    Open o;
    QVERIFY(o.dialog);
    Tdraw_stability_Dlg& d = *o.dialog;
    QCOMPARE(d.grid()->rowCount(), 10);
    QCOMPARE(d.grid()->horizontalHeaderItem(0)->text(), QStringLiteral("Wt Name"));
    QCOMPARE(d.grid()->item(0, 0)->text(), QStringLiteral("Name"));
    d.AddWeight();
    QCOMPARE(d.grid()->rowCount(), 11);
    QCOMPARE(d.grid()->item(10, 0)->text(), QStringLiteral("Name12"));
    d.SetTable(BallastTable::Reset(2));
    d.grid()->setCurrentCell(0, 0);
    QVERIFY(!d.DeleteWeight());
    QCOMPARE(d.grid()->rowCount(), 1);

    d.grid()->item(0, kBallastWeight)->setText(QStringLiteral("100"));
    d.grid()->item(0, kBallastHeight)->setText(QStringLiteral("-10"));
    QCOMPARE(d.field("BallastWt")->text(), QStringLiteral("100.00"));
    QCOMPARE(d.field("WeightVcg")->text(), QStringLiteral("-10.00"));
    QVERIFY(d.warning()->text().isEmpty());
    d.grid()->item(0, kBallastWeight)->setText(QStringLiteral("99999999"));
    QCOMPARE(d.warning()->text(), QString::fromLatin1(kWeightsExceedMessage));
  }

  void ballastFilesThroughTheDialog() {
    Open o;
    QVERIFY(o.dialog);
    Tdraw_stability_Dlg& d = *o.dialog;
    d.grid()->item(0, kBallastName)->setText(QStringLiteral("keel"));
    d.grid()->item(0, kBallastWeight)->setText(QStringLiteral("1200"));
    const QString path = o.shell.dir.filePath(QStringLiteral("Balldata.bdt"));
    o.shell.files.saveAnswers.push_back(ChosenFile{path, 1});
    QVERIFY(d.SaveBallast());
    const FileRequest& save = o.shell.files.saveRequests.back();
    QCOMPARE(save.caption, QStringLiteral("Save Ballast Data"));
    QCOMPARE(save.fileName, QStringLiteral("Balldata.bdt"));
    QCOMPARE(save.filters, QStringLiteral("Ballast Data Files|*.bdt"));

    d.SetTable(BallastTable::Reset(3));
    o.shell.files.openAnswers.push_back(ChosenFile{path, 1});
    QVERIFY(d.OpenBallast());
    QCOMPARE(o.shell.files.openRequests.back().caption, QStringLiteral("Weight and Ballast Files"));
    QCOMPARE(d.grid()->rowCount(), 10);
    QCOMPARE(d.grid()->item(0, kBallastName)->text(), QStringLiteral("keel"));
    QCOMPARE(d.field("BallastWt")->text(), QStringLiteral("1200.00"));

    // A count the grid cannot hold leaves the table as it was.
    const QString bad = o.shell.writeFile("bad.bdt", "-NBAL-\r\n5000\r\n");
    o.shell.files.openAnswers.push_back(ChosenFile{bad, 1});
    QVERIFY(!d.OpenBallast());
    QVERIFY(!o.shell.prompter.errors.empty());
    QCOMPARE(d.grid()->item(0, kBallastName)->text(), QStringLiteral("keel"));
  }

  void numberCellsTakeOnlyNumberKeys() {
    Open o;
    QVERIFY(o.dialog);
    Tdraw_stability_Dlg& d = *o.dialog;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    for (int column : {kBallastWeight, kBallastName}) {
      QTableWidgetItem* item = d.grid()->item(1, column);
      d.grid()->setCurrentItem(item);
      d.grid()->editItem(item);
      auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
      QVERIFY(editor);
      editor->clear();
      QTest::keyClicks(editor, QStringLiteral("-1a2.5.x"));
      QCOMPARE(editor->text(), column == kBallastName ? QStringLiteral("-1a2.5.x")
                                                      : QStringLiteral("-12.5"));
      QTest::keyClick(editor, Qt::Key_Return);
    }
    QCOMPARE(d.grid()->item(1, kBallastWeight)->text(), QStringLiteral("-12.5"));
    o.shell.prompter.answers.push_back(0);
    d.reject();
  }

  void heelInputErrors() {
    Open o;
    QVERIFY(o.dialog);
    Tdraw_stability_Dlg& d = *o.dialog;
    const std::pair<const char*, const char*> inputs[] = {{"-5", "5"}, {"45", "0.5"}, {"5", "5"}};
    const char* messages[] = {kHeelNegativeMessage, kStepTooSmallMessage, kHeelBelowStepMessage};
    WhenShown<TStabilityResults> never([](TStabilityResults* w) { w->reject(); });
    for (int k = 0; k < 3; ++k) {
      d.field("MaxHeel")->setText(QString::fromLatin1(inputs[k].first));
      d.field("HeelStep")->setText(QString::fromLatin1(inputs[k].second));
      QVERIFY(!d.CalculateStability());
      QCOMPARE(o.shell.prompter.errors.back(), std::string(messages[k]));
    }
    QCOMPARE(never.shown, 0);
    QCOMPARE(d.accumulatedShift(), 0.0);
  }

  void runFillsTheResultsWindow() {
    Open o;
    QVERIFY(o.dialog);
    Tdraw_stability_Dlg& d = *o.dialog;
    d.field("MaxHeel")->setText(QStringLiteral("10"));
    d.field("HeelStep")->setText(QStringLiteral("5"));
    QStringList names, axes;
    QList<int> points;
    int criteriaRows = 0;
    bool criteriaPage = false;
    QString title;
    WhenShown<TStabilityResults> results([&](TStabilityResults* w) {
      title = w->chart()->title();
      for (int choice = 0; choice < kPlotChoices; ++choice) {
        w->choices()->button(choice)->click();
        axes << w->leftAxis()->titleText();
        for (int k = 0; k < 3; ++k) {
          if (!w->series(k)->isVisible()) continue;
          names << w->series(k)->name();
          points << w->series(k)->count();
        }
      }
      w->choices()->button(kCriteriaChoice)->click();
      criteriaPage = w->pages()->currentIndex() == 1;
      criteriaRows = w->criteriaTable()->rowCount();
      w->accept();
    });
    QVERIFY(d.CalculateStability());
    QCOMPARE(results.shown, 1);
    QCOMPARE(title, QStringLiteral("Stability Analysis for sailboat.s98 in Feet and Pounds"));
    QCOMPARE(names, (QStringList{"Gz Righting Arm", "Cw Waterplane", "Cb Block", "Cp Prismatic",
                                 "BML", "GML", "BMT", "GMT", "LWL Waterline", "LCB Bouyancy",
                                 "LCF Flotation", "Vertical Center of Bouyancy",
                                 "Transverse Center of Bouyancy", "Max WL Beam",
                                 "Waterplane Area", "Wetted Surface"}));
    for (int count : points) QCOMPARE(count, 3);  // n + 1 for 0, 5, 10
    QCOMPARE(axes.first(), QStringLiteral("Gz Righting Arm - Feet"));
    QCOMPARE(axes.last(), QStringLiteral("Wetted Surface Sq.FEET"));
    QVERIFY(criteriaPage);
    QCOMPARE(criteriaRows, 6);
    QCOMPARE(static_cast<int>(d.lastRun().rows.size()), 3);
    QFile file(QDir(QString::fromStdString(o.shell.state.history.Directory().string()))
                   .filePath(QString::fromLatin1(kStabilityDataName)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("SKELMORA V7 Hydrostatics Analysis For..."));
  }

  void resultsWindowRefusesAFileWithoutTheSecondTable() {
    Open o;
    QVERIFY(o.dialog);
    const QString path = o.shell.writeFile("stabdata.dat", "only the first table\r\n  Ang\r\n");
    TStabilityResults w(o.shell.state, o.printer, o.shell.files, path, 3, {});
    QVERIFY(!w.Load());
    QCOMPARE(o.shell.prompter.errors.back(), std::string(kStabilityDataError));
  }

  void centreSetByHandFarFromTheHullIsRefused() {
    Open o;
    QVERIFY(o.dialog);
    Tdraw_stability_Dlg& d = *o.dialog;
    d.SetManual(true);
    d.field("Vcg")->setText(QStringLiteral("1e308"));
    d.field("Lcg")->setText(QStringLiteral("-1e308"));
    WhenShown<TStabilityResults> never([](TStabilityResults* w) { w->reject(); });
    QVERIFY(!d.CalculateStability());
    QCOMPARE(never.shown, 0);
    QVERIFY(o.shell.prompter.errors.back().find("more than 100 hull lengths") !=
            std::string::npos);
    QCOMPARE(d.accumulatedShift(), 0.0);
  }

  void resultsWindowLeavesStepsNotFoundOutOfTheChart() {
    Open o;
    QVERIFY(o.dialog);
    // Four steps, the third not found: the GZ line breaks there.
    const QString path = o.shell.writeFile(
        "stabdata.dat",
        "SKELMORA V7 Hydrostatics Analysis For...x...\r\n\r\nUnits\r\n***\r\n"
        "  Ang     Disp\r\n___\r\n"
        "  0.00  1.0 0 1 1 1 1 1 0.5 0.5 0.5 1 1 0 1 0 0 1\r\n"
        " 10.00  1.0 0 1 1 1 1 1 0.5 0.5 0.5 1 1 0 1 0 0 1\r\n"
        " 20.00  not found (the displacement search missed by 7.5 %)\r\n"
        " 30.00  1.0 0 1 1 1 1 1 0.5 0.5 0.5 1 1 0 1 0 0 1\r\n"
        "\r\n SKELMORA V7 Stability Analysis in Feet\r\n"
        " Ang      Bmt      Gmt       Bml       Gml        Gz\r\n"
        " 0.000 1 1 1 1 0.000\r\n10.000 1 1 1 1 0.100\r\n20.000   not found\r\n"
        "30.000 1 1 1 1 0.250\r\n  0.000 \r\n");
    TStabilityResults w(o.shell.state, o.printer, o.shell.files, path, 4, {});
    QVERIFY(w.Load());
    QCOMPARE(w.series(0)->count(), 2);
    int points = 0, lines = 0;
    for (QAbstractSeries* series : w.chart()->series()) {
      auto* line = qobject_cast<QLineSeries*>(series);
      if (!line || !line->isVisible()) continue;
      ++lines;
      points += line->count();
      for (const QPointF& p : line->points()) QVERIFY(p.x() != 20.0);
    }
    QCOMPARE(lines, 2);
    QCOMPARE(points, 3);
    QVERIFY(w.notFoundLabel()->text().contains(QStringLiteral("not found at 20 deg")));
    // The first table's plots break the same way.
    w.choices()->button(4)->click();  // LWL
    QCOMPARE(w.series(0)->count(), 2);
  }

  void closingPutsTheHullBackAndAsksToSave() {
    Open o;
    QVERIFY(o.dialog);
    Tdraw_stability_Dlg& d = *o.dialog;
    const VertexNet before = o.design().Net;
    // Two shifts that single precision cannot undo exactly.
    d.field("Shift")->setText(QStringLiteral("3.1"));
    QVERIFY(d.CalcDisplacement());
    d.field("Shift")->setText(QStringLiteral("-0.7"));
    QVERIFY(d.CalcDisplacement());
    o.shell.prompter.answers.push_back(0);  // No
    d.reject();
    QCOMPARE(o.shell.prompter.questions.back(), std::string(kSaveBallastQuestion));
    QVERIFY(o.shell.files.saveRequests.empty());
    QVERIFY(skelmora::testing::SameNet(o.design().Net, before));
    QVERIFY(!o.shell.form->HasUnsavedChanges());
    QCOMPARE(Cell(d.grid(), 0, kBallastHeight), 0.0);
  }

  void menuCommandGuardsAndOpensTheDialog() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    WhenShown<Tdraw_stability_Dlg> shown([&](Tdraw_stability_Dlg* d) {
      shell.prompter.answers.push_back(0);
      d->reject();
    });
    shell.form->trigger(QStringLiteral("Stability1"));
    QCOMPARE(shown.shown, 1);
    QVERIFY(shell.prompter.errors.empty());
  }
};

QTEST_MAIN(StabilityTest)
#include "stability_test.moc"
