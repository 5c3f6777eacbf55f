// The fairing dialogs in the program: every arrow moves the view's
// coordinate by the step and rebuilds both plots, the step and weight
// rules, zoom, "Exit - Do Not Save" putting back every vertex, OK leaving
// one undo step, and the Edit menu's Fair commands with their guards.
#include <QChart>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>
#include <QValueAxis>
#include <QtTest>
#include <cstring>
#include <functional>
#include <memory>

#include "core/surface/test_nets.h"
#include "fairing/fair_chine_dialog.h"
#include "fairing/fair_columns_dialog.h"
#include "fairing/fair_rows_dialog.h"
#include "fairing/fair_sheer_dialog.h"
#include "fairing/fairing_commands.h"
#include "files/design_file.h"
#include "shell_fixtures.h"
#include "support/same_bytes.h"
#include "views/real_field.h"
#include "when_shown.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

using skelmora::testing::SameNet;

// A 9 x 6 boat with a row chine, opened from a file in the shell.
struct Open {
  Shell shell;
  bool ok = false;
  explicit Open(bool chine = true) {
    nets::Hull hull = nets::MakeHull(8, 5, 3, 3, nets::BoatVertex);
    if (chine) {
      hull.d().RowChineCount = 1;
      hull.d().RowChines[0] = 2;
    }
    const QString path = shell.dir.filePath(QStringLiteral("boat.s98"));
    std::string message;
    ok = WriteDesignFile(hull.d(), path.toStdString(), message) && shell.open(path);
  }
  HullDesign& design() { return shell.state.design; }
};

}  // namespace

class FairingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void arrowsMoveTheViewsCoordinateAndRebuildBothPlots_data() {
    QTest::addColumn<int>("dialog");
    QTest::addColumn<int>("view");
    QTest::newRow("columns") << 0 << int(kBodyView);
    QTest::newRow("sheer in plan") << 1 << int(kPlanView);
    QTest::newRow("sheer") << 1 << int(kProfileView);
    QTest::newRow("chines") << 2 << int(kBodyView);
    QTest::newRow("rows") << 3 << int(kPlanView);
  }
  void arrowsMoveTheViewsCoordinateAndRebuildBothPlots() {
    QFETCH(int, dialog);
    QFETCH(int, view);
    Open o;
    QVERIFY(o.ok);
    std::unique_ptr<FairingDialog> d;
    switch (dialog) {
      case 0: d = std::make_unique<TFair_columnsDlg>(o.shell.state); break;
      case 1: d = std::make_unique<TFair_sheerDlg>(o.shell.state); break;
      case 2: d = std::make_unique<TFair_chineDlg>(o.shell.state); break;
      default: d = std::make_unique<TFair_vertexrows>(o.shell.state); break;
    }
    d->SetView(static_cast<ViewId>(view));
    d->stepField()->setText(QStringLiteral("0.25"));
    if (auto* sheer = qobject_cast<TFair_sheerDlg*>(d.get())) sheer->StepVertex(3);
    if (auto* rows = qobject_cast<TFair_vertexrows*>(d.get())) rows->vertexSpin()->setValue(4);
    if (auto* chines = qobject_cast<TFair_chineDlg*>(d.get())) chines->vertexSpin()->setValue(4);
    if (auto* columns = qobject_cast<TFair_columnsDlg*>(d.get())) columns->vertexSpin()->setValue(3);
    int column = 0, row = 0;
    SelectedVertex(o.design(), d->selection(), column, row);
    // The chine dialog's first chine is row 2; the sheer is the last row.
    if (dialog == 1) QCOMPARE(row, 5);
    if (dialog == 2) QCOMPARE(row, 2);
    const auto sampledBefore = d->curveChart()->series().at(0);
    const QList<QPointF> curveBefore = static_cast<QLineSeries*>(sampledBefore)->points();
    const QList<QPointF> curvatureBefore =
        static_cast<QLineSeries*>(d->curvatureChart()->series().at(0))->points();

    struct Move {
      const char* button;
      int coordinate;  // 0 x, 1 y, 2 z
      double sign;
    };
    const ViewId v = static_cast<ViewId>(view);
    const int across = v == kBodyView ? 0 : 1;
    const int up = v == kPlanView ? 0 : 2;
    const Move moves[] = {{"UpButton", up, 1}, {"DownButton", up, -1},
                          {"RightButton", across, 1}, {"LeftButton", across, -1}};
    for (const Move& m : moves) {
      const Vertex before = o.design().Net[column][row];
      const int plots = d->plotCount();
      QTest::mouseClick(d->button(m.button), Qt::LeftButton);
      const Vertex after = o.design().Net[column][row];
      const float b[3] = {before.x, before.y, before.z};
      const float a[3] = {after.x, after.y, after.z};
      for (int k = 0; k < 3; ++k) {
        const double expected = b[k] + (k == m.coordinate ? m.sign * 0.25 : 0.0);
        QVERIFY2(std::fabs(a[k] - expected) < 1e-5, m.button);
      }
      QCOMPARE(d->plotCount(), plots + 1);
    }
    // Up then right: the line and its curvature have moved.
    QTest::mouseClick(d->button("UpButton"), Qt::LeftButton);
    QVERIFY(static_cast<QLineSeries*>(d->curveChart()->series().at(0))->points() != curveBefore);
    QVERIFY(static_cast<QLineSeries*>(d->curvatureChart()->series().at(0))->points() !=
            curvatureBefore);
    // The grid follows the net.
    nets::Hull fresh;
    fresh.d() = o.design();
    fresh.Rebuild();
    QCOMPARE(o.shell.state.surface->grid[25][25].z, fresh.s().grid[25][25].z);
  }

  void cancelPutsBackEveryVertexAndOkLeavesOneUndoStep() {
    Open o;
    QVERIFY(o.ok);
    const auto before = std::make_unique<VertexNet>(o.design().Net);
    const int count = o.design().UndoCount;
    auto moveAround = [](FairingDialog& d) {
      auto& columns = static_cast<TFair_columnsDlg&>(d);
      columns.Move(Nudge::kUp);
      columns.SetView(kPlanView);
      columns.Move(Nudge::kRight);
      columns.columnSpin()->setValue(3);
      columns.SetView(kProfileView);
      columns.Move(Nudge::kDown);
      columns.ChangeWeight(kWeightStep);
    };
    WhenShown<TFair_columnsDlg> cancel([&](TFair_columnsDlg* d) {
      moveAround(*d);
      QVERIFY(!SameNet(o.design().Net, *before));
      QTest::mouseClick(d->button("CancelButton"), Qt::LeftButton);
    });
    QVERIFY(!RunFairingCommand(o.shell.state, FairingKind::kColumns, o.shell.form.get()));
    QCOMPARE(cancel.shown, 1);
    QVERIFY(SameNet(o.design().Net, *before));
    QCOMPARE(o.design().UndoCount, count);
    nets::Hull fresh;
    fresh.d() = o.design();
    fresh.Rebuild();
    QCOMPARE(o.shell.state.surface->grid[10][40].x, fresh.s().grid[10][40].x);

    VertexNet faired{};
    WhenShown<TFair_columnsDlg> ok([&](TFair_columnsDlg* d) {
      moveAround(*d);
      faired = o.design().Net;
      QTest::mouseClick(d->button("OKButton"), Qt::LeftButton);
    });
    o.shell.form->trigger(QStringLiteral("Fairvertexcolumns1"));
    QCOMPARE(ok.shown, 1);
    QVERIFY(SameNet(o.design().Net, faired));
    QCOMPARE(o.design().UndoCount, count + 1);
    QVERIFY(o.shell.enabled("EditUndoItem"));
    // Edit › Undo takes the whole fairing back.
    o.shell.form->trigger(QStringLiteral("EditUndoItem"));
    QVERIFY(SameNet(o.design().Net, *before));
    QCOMPARE(o.design().UndoCount, count);
  }

  void stepFieldsAndWeights() {
    Open o;
    QVERIFY(o.ok);
    TFair_columnsDlg columns(o.shell.state);
    QCOMPARE(columns.stepField()->text(), QStringLiteral("0.5"));  // inches
    QCOMPARE(columns.selection().index, 1);
    QCOMPARE(columns.selection().view, kBodyView);
    columns.stepField()->clear();
    const float z = o.design().Net[1][0].z;
    columns.Move(Nudge::kUp);
    QCOMPARE(columns.stepField()->text(), QStringLiteral("0.1"));
    QVERIFY(std::fabs(o.design().Net[1][0].z - (z + 0.1f)) < 1e-5);
    columns.stepField()->setText(QStringLiteral("-3"));
    emit columns.stepField()->editingFinished();
    QCOMPARE(columns.stepField()->text(), QStringLiteral("0.1"));
    // The column turns the view: the stem in profile, the transom in plan.
    columns.columnSpin()->setValue(0);
    QCOMPARE(columns.selection().view, kProfileView);
    columns.columnSpin()->setValue(8);
    QCOMPARE(columns.selection().view, kPlanView);
    // A weight of 0.05 decreased is 0, shown as such.
    o.design().Net[8][0].w = 0.05f;
    columns.ChangeWeight(-kWeightStep);
    QCOMPARE(o.design().Net[8][0].w, 0.0f);
    QCOMPARE(columns.valueField(3)->text().trimmed(), QStringLiteral("0.0000"));

    TFair_vertexrows rows(o.shell.state);
    QCOMPARE(rows.selection().view, kPlanView);
    QCOMPARE(rows.rowSpin()->minimum(), 1);
    QCOMPARE(rows.rowSpin()->maximum(), 4);
    rows.stepField()->setText(QStringLiteral("-2"));
    emit rows.stepField()->editingFinished();
    QCOMPARE(rows.stepField()->text(), QStringLiteral("0.1"));
    // Row 1 of 5 rows lies at v = 1/5 and is sampled at 51 points.
    QCOMPARE(rows.curve().sampleCount, kFairLineSamples);

    TFair_sheerDlg sheer(o.shell.state);
    QCOMPARE(sheer.selection().view, kProfileView);
    sheer.StepVertex(-1);
    QCOMPARE(sheer.selection().vertex, 0);
    for (int k = 0; k < 12; ++k) QTest::mouseClick(sheer.button("VertexUpButton"), Qt::LeftButton);
    QCOMPARE(sheer.selection().vertex, 8);
    QCOMPARE(sheer.vertexLabel()->text(), QStringLiteral("Vertex Number 8"));
    QTest::mouseClick(sheer.button("FairbodyButton"), Qt::LeftButton);
    QCOMPARE(sheer.curveChart()->title(), QStringLiteral("Fairbody / Centerline"));
    int column = 0, row = 0;
    SelectedVertex(o.design(), sheer.selection(), column, row);
    QCOMPARE(row, 0);
    // Typed as it stands: a character that breaks the number is dropped.
    sheer.stepField()->clear();
    QTest::keyClicks(sheer.stepField(), QStringLiteral("1x5"));
    QCOMPARE(sheer.stepField()->text(), QStringLiteral("15"));
  }

  void zoomCentresOnTheRememberedCurvature() {
    Open o;
    QVERIFY(o.ok);
    TFair_sheerDlg d(o.shell.state);
    d.resize(1000, 760);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.StepVertex(4);
    QVERIFY(!d.button("UndoZoomButton")->isEnabled());
    QTest::mouseClick(d.button("ZoomButton"), Qt::LeftButton);
    QVERIFY(d.curvatureChart()->isZoomed());
    QVERIFY(d.button("UndoZoomButton")->isEnabled());
    // The zoomed window holds the vertex and the remembered value.
    auto* x = static_cast<QValueAxis*>(d.curvatureChart()->axes(Qt::Horizontal).at(0));
    auto* y = static_cast<QValueAxis*>(d.curvatureChart()->axes(Qt::Vertical).at(0));
    const double at = o.design().Net[4][5].y;
    QVERIFY(x->min() < at && at < x->max());
    QVERIFY(y->min() <= d.rememberedCurvature() && d.rememberedCurvature() <= y->max());
    // A nudge keeps the zoom.
    d.Move(Nudge::kUp);
    QVERIFY(d.curvatureChart()->isZoomed());
    QTest::mouseClick(d.button("UndoZoomButton"), Qt::LeftButton);
    QVERIFY(!d.curvatureChart()->isZoomed());
    QVERIFY(!d.button("UndoZoomButton")->isEnabled());
    d.reject();
  }

  void editMenuOpensTheDialogsWithTheirGuards() {
    Open o(false);
    QVERIFY(o.ok);
    // No chines and a station tension above 1: the dialog does not open.
    o.shell.form->trigger(QStringLiteral("FairChines1"));
    QCOMPARE(o.shell.prompter.information.back(), std::string("No Chines Present"));
    // Tension 1: every interior row is a chine while the dialog is open.
    o.design().StationTension = 1;
    o.shell.state.Regenerate(Change::kTopology);
    int chines = 0;
    WhenShown<TFair_chineDlg> chine([&](TFair_chineDlg* d) {
      chines = d->chineSpin()->maximum();
      QTest::mouseClick(d->button("OKButton"), Qt::LeftButton);
    });
    o.shell.form->trigger(QStringLiteral("FairChines1"));
    QCOMPARE(chine.shown, 1);
    QCOMPARE(chines, 4);
    QCOMPARE(o.design().RowChineCount, 0);

    WhenShown<TFair_columnsDlg> columns([](TFair_columnsDlg* d) { d->accept(); });
    WhenShown<TFair_sheerDlg> sheer([](TFair_sheerDlg* d) { d->accept(); });
    WhenShown<TFair_vertexrows> rows([](TFair_vertexrows* d) { d->accept(); });
    o.shell.form->trigger(QStringLiteral("Fairvertexcolumns1"));
    o.shell.form->trigger(QStringLiteral("FairSheerBowFairbodyStern1"));
    o.shell.form->trigger(QStringLiteral("FairVertexRows1"));
    QCOMPARE(columns.shown, 1);
    QCOMPARE(sheer.shown, 1);
    QCOMPARE(rows.shown, 1);
    QVERIFY(o.shell.enabled("Fairvertexcolumns1"));
    QVERIFY(o.shell.form->command(QStringLiteral("FairChines1"))->statusTip().isEmpty());
  }
};

QTEST_MAIN(FairingTest)
#include "fairing_test.moc"
