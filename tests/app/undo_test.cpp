// Edit › Undo in the program: enabled exactly while there is history, after
// a drag in a view and after the spline tension dialog; the history lives
// in a work directory that each running copy locks for itself.
#include <QLabel>
#include <QMdiSubWindow>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include "editing/spline_tension_dialog.h"
#include "model/work_directory.h"
#include "shell_fixtures.h"
#include "views/picking.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

class UndoTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void undoAfterADragInTheBodyView() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    shell.form->resize(1400, 900);
    shell.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(shell.form.get()));
    // The file shows the net; the button takes it away and brings it back.
    QVERIFY(shell.state.design.ShowVertexNet);
    shell.form->trigger(QStringLiteral("net_onoff"));
    QVERIFY(!shell.state.design.ShowVertexNet);
    QVERIFY(shell.form->command(QStringLiteral("net_onoff"))->isChecked());
    shell.form->trigger(QStringLiteral("net_onoff"));
    QVERIFY(shell.state.design.ShowVertexNet);
    shell.form->trigger(QStringLiteral("Body1"));
    ViewWindow* body = shell.form->views().body();
    body->repaint();  // the mapping a press is read through
    QVERIFY(!shell.enabled("EditUndoItem"));

    const HullDesign& design = shell.state.design;
    const LogicalPoint at =
        VertexLogical(design, *shell.state.surface, kBodyView, body->mapping(), 5, 3);
    const QPoint from(qRound(body->mapping().DeviceX(at.x)),
                      qRound(body->mapping().DeviceY(at.y)));
    const QPoint to = from + QPoint(0, -40);
    QTest::mousePress(body, Qt::LeftButton, {}, from);
    const int column = design.PickedColumn;
    const int row = design.PickedRow;
    QVERIFY(column >= 0 && row >= 0);
    const Vertex before = design.Net[column][row];
    QTest::mouseMove(body, to);
    QTest::mouseRelease(body, Qt::LeftButton, {}, to);
    QVERIFY(design.Net[column][row].z > before.z);
    QVERIFY(shell.enabled("EditUndoItem"));
    QVERIFY(shell.enabled("undo_button"));
    auto* label2 = shell.form->findChild<QLabel*>(QStringLiteral("Label2"));
    QVERIFY(label2->text().startsWith(QLatin1String("y=")));
    QVERIFY(label2->text().size() > 2);

    shell.form->trigger(QStringLiteral("undo_button"));
    QCOMPARE(design.Net[column][row].z, before.z);
    QCOMPARE(design.UndoCount, 0);
    QVERIFY(!shell.enabled("EditUndoItem"));
    QVERIFY(!shell.enabled("undo_button"));
  }

  void tensionDialogTakesAStepThatUndoGivesBack() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    HullDesign& design = shell.state.design;
    const int tension = design.StationTension;
    Tsplinetension* dialog = shell.form->splineTensionDialog();
    QTimer::singleShot(0, dialog, [dialog] {
      dialog->stationSpin()->setValue(2);
      dialog->accept();
    });
    shell.form->trigger(QStringLiteral("Changestationsplinetension1"));
    auto* statension = shell.form->findChild<QLabel*>(QStringLiteral("statension"));
    QCOMPARE(design.StationTension, 2);
    QCOMPARE(statension->text(), QStringLiteral("Sta.Tension=2"));
    QCOMPARE(design.UndoCount, 1);
    QVERIFY(shell.enabled("EditUndoItem"));

    shell.form->trigger(QStringLiteral("EditUndoItem"));
    QCOMPARE(design.StationTension, tension);
    QCOMPARE(statension->text(), QStringLiteral("Sta.Tension=%1").arg(tension));
    QVERIFY(!shell.enabled("EditUndoItem"));
  }

  void tensionLimits_data() {
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<int>("lastColumn");
    QTest::addColumn<int>("stationMax");
    QTest::addColumn<int>("waterlineMax");
    QTest::newRow("three rows") << 2 << 10 << 2 << 4;
    QTest::newRow("two columns") << 6 << 1 << 4 << 1;
  }
  void tensionLimits() {
    QFETCH(int, lastRow);
    QFETCH(int, lastColumn);
    QFETCH(int, stationMax);
    QFETCH(int, waterlineMax);
    AppState state;
    state.design.LastRow = lastRow;
    state.design.LastColumn = lastColumn;
    state.design.StationTension = 1;
    state.design.WaterlineTension = 1;
    Tsplinetension dialog(state);
    dialog.prepare();
    QCOMPARE(dialog.stationSpin()->maximum(), stationMax);
    QCOMPARE(dialog.stationSpin()->minimum(), 1);
    QCOMPARE(dialog.waterlineSpin()->maximum(), waterlineMax);
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("stamaxlabel"))
                ->text() == QStringLiteral("Station Max Tension is %1").arg(stationMax));
    // The caption, the spin names and their labels.
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Spline Tension"));
    QCOMPARE(dialog.stationSpin()->objectName(), QStringLiteral("statension"));
    QCOMPARE(dialog.waterlineSpin()->objectName(), QStringLiteral("watertension"));
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
    QVERIFY(labels.contains(QStringLiteral("Station Spline Tension")));
    QVERIFY(labels.contains(QStringLiteral("Waterline Spline Tension")));
  }

  void threeEditsThreeUndos() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    HullDesign& design = shell.state.design;
    const Vertex original = design.Net[6][2];
    for (int step = 1; step <= 3; ++step) {
      shell.edit([](HullDesign& d) { d.Net[6][2].x += 1.0f; });
    }
    for (int step = 1; step <= 3; ++step) {
      QVERIFY(shell.enabled("EditUndoItem"));
      shell.form->trigger(QStringLiteral("EditUndoItem"));
    }
    QCOMPARE(design.Net[6][2].x, original.x);
    QVERIFY(!shell.enabled("EditUndoItem"));
    QVERIFY(!shell.form->HasUnsavedChanges());
  }

  void aLostHistoryDisablesUndo() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    shell.edit([](HullDesign& d) { d.Net[6][2].x += 1.0f; });
    const float moved = shell.state.design.Net[6][2].x;
    QVERIFY(QFile::remove(shell.dir.filePath(QStringLiteral("work/undofile.txt"))));
    shell.form->trigger(QStringLiteral("EditUndoItem"));
    QCOMPARE(shell.state.design.UndoCount, 0);
    QCOMPARE(shell.state.design.Net[6][2].x, moved);
    QVERIFY(!shell.enabled("EditUndoItem"));
  }

  void eachRunningCopyLocksItsOwnWorkDirectory() {
    QTemporaryDir base;
    auto first = WorkDirectory::Acquire(base.path());
    auto second = WorkDirectory::Acquire(base.path());
    QVERIFY(first && second);
    QCOMPARE(first->path(), base.filePath(QStringLiteral("work")));
    QCOMPARE(second->path(), base.filePath(QStringLiteral("work-2")));
    first.reset();
    auto third = WorkDirectory::Acquire(base.path());
    QVERIFY(third);
    QCOMPARE(third->path(), base.filePath(QStringLiteral("work")));
  }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
