// "Show Centres" and the heeled body view from the program's side (the
// calculations fill the records, the views and prints draw from them, a
// changed hull drops them), and Tools › "&Trim / Heel hull".
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <memory>

#include "editing/edit_commands.h"
#include "editing/trim_heel_dialog.h"
#include "files/design_file.h"
#include "hydro/hydrostatics_window.h"
#include "model/shown_calculations.h"
#include "model/silent_prompter.h"
#include "shapes/trim.h"
#include "shell_fixtures.h"
#include "stability/stability_dialog.h"
#include "stability/stability_results.h"
#include "views/centres_drawing.h"
#include "views/paint_list.h"
#include "views/projection.h"
#include "views/real_field.h"
#include "when_shown.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

struct Open : Shell {
  bool opened = false;
  QString path;
  Open() {
    path = copyExample("sailboat.s98");
    opened = open(path);
    form->resize(1280, 900);
    form->show();
    opened = QTest::qWaitForWindowExposed(form.get()) && opened;
  }
  // Calc › Hydrostatics with its report closed.
  bool hydrostatics() {
    WhenShown<THydroReport> report([](THydroReport* window) { window->accept(); });
    form->trigger(QStringLiteral("Hydrostatics1"));
    return report.shown == 1;
  }
  void showCentres(bool on) {
    QAction* action = form->command(QStringLiteral("ShowCentres1"));
    if (action->isChecked() != on) action->trigger();
  }
  const DisplayList& painted(ViewWindow* view) {
    view->repaint();
    return view->displayList();
  }
  TtrimHeelDlg& trimDialog() {
    TtrimHeelDlg& dialog = *form->editCommands().trimHeelDialog();
    dialog.prepare(prompter);
    return dialog;
  }
};

int Count(const DisplayList& list, Element element) {
  int n = 0;
  for (const Polyline& line : list.polylines()) n += line.element == element;
  for (const Label& label : list.labels()) n += label.element == element;
  return n;
}

bool HasCentres(const DisplayList& list) {
  return Count(list, Element::kCentreOfBuoyancy) > 0 && Count(list, Element::kCentreOfGravity) > 0 &&
         Count(list, Element::kCentreOfFlotation) > 0 && Count(list, Element::kFlotationWaterline) > 0;
}

bool AnyCentre(const DisplayList& list) {
  return Count(list, Element::kCentreOfBuoyancy) + Count(list, Element::kCentreOfGravity) +
             Count(list, Element::kCentreOfFlotation) + Count(list, Element::kFlotationWaterline) >
         0;
}

// Pixels of the centres' colour in a view rendered for print.
int CentrePixels(ViewWindow* view) {
  QImage page(900, 600, QImage::Format_RGB32);
  QPainter painter(&page);
  view->renderForPrint(painter, page.rect());
  painter.end();
  const QColor wanted = ToQColor(kCentresColor);
  int n = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) n += page.pixelColor(x, y) == wanted;
  return n;
}

// Every point of the heeled stations lies inside the window's drawing.
bool HeeledPictureInside(ViewWindow* view) {
  const DisplayList& list = view->displayList();
  const ViewMapping& m = view->mapping();
  int points = 0;
  for (const Polyline& line : list.polylines()) {
    if (line.element != Element::kHeeledSection) continue;
    for (const LogicalPoint& p : list.Points(line)) {
      const double x = m.DeviceX(p.x), y = m.DeviceY(p.y);
      if (x < 0 || y < 0 || x > view->width() || y > view->height()) return false;
      ++points;
    }
  }
  return points > 0;
}

QString NetDifference(const VertexNet& a, const VertexNet& b, const HullDesign& d) {
  for (int c = 0; c <= d.LastColumn; ++c)
    for (int r = 0; r <= d.LastRow; ++r)
      if (a[c][r].x != b[c][r].x || a[c][r].y != b[c][r].y || a[c][r].z != b[c][r].z)
        return QStringLiteral("vertex %1,%2").arg(c).arg(r);
  return {};
}

}  // namespace

class CentresTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void showCentresDrawsTheHydrostaticsCentres() {
    Open s;
    QVERIFY(s.opened);
    ViewWindow* profile = s.form->views().profile();
    ViewWindow* body = s.form->views().body();
    // Nothing to draw before a run, with the option on or off.
    s.showCentres(true);
    QVERIFY(!AnyCentre(s.painted(profile)));
    QCOMPARE(s.form->statusBar()->currentMessage(), QString::fromLatin1(kNoCentresStatus));
    s.showCentres(false);

    QVERIFY(s.hydrostatics());
    const std::optional<FloatingCentres> expected =
        CentresFromResults(s.state.hydro->results, s.state.design.Units);
    QVERIFY(expected && s.state.hydro->centres);
    QCOMPARE(s.state.hydro->centres->lcb, expected->lcb);
    QCOMPARE(s.state.hydro->centres->zcg, expected->zcg);
    QVERIFY(!AnyCentre(s.painted(profile)));
    const int printedOff = CentrePixels(profile);

    s.showCentres(true);
    QVERIFY(s.state.viewOptions.showCentres);
    QVERIFY(HasCentres(s.painted(profile)));
    QVERIFY(HasCentres(s.painted(body)));
    // B's circle is centred where the profile view puts (lcb, zcb).
    const DisplayList& list = s.painted(profile);
    int circles = 0;
    for (const Polyline& line : list.polylines()) {
      if (line.element != Element::kCentreOfBuoyancy || line.index != 0) continue;
      ++circles;
      double sx = 0, sy = 0;
      for (const LogicalPoint& p : list.Points(line)) sx += p.x, sy += p.y;
      const ViewProjector projector(s.state.design, *s.state.surface, kProfileView,
                                    profile->mapping().scale);
      const LogicalPoint at = projector.Project(0.0, expected->lcb, expected->zcb);
      const double n = double(line.count);
      QVERIFY(std::fabs(sx / n - at.x) < 0.1 * CentreSymbolRadius(profile->mapping()) + 2);
      QVERIFY(std::fabs(sy / n - at.y) < 0.1 * CentreSymbolRadius(profile->mapping()) + 2);
    }
    QCOMPARE(circles, 1);
    // Prints draw from the same records.
    QVERIFY(CentrePixels(profile) > printedOff + 20);

    s.showCentres(false);
    QVERIFY(!AnyCentre(s.painted(profile)));
    QCOMPARE(CentrePixels(profile), printedOff);
  }

  void aChangedHullDropsItsCentres() {
    Open s;
    QVERIFY(s.opened);
    QVERIFY(s.hydrostatics());
    s.showCentres(true);
    ViewWindow* profile = s.form->views().profile();
    QVERIFY(HasCentres(s.painted(profile)));
    // The views and the hull guard touch nothing that counts.
    s.state.Regenerate(Change::kExtents);
    QVERIFY(HasCentres(s.painted(profile)));
    s.edit([](HullDesign& d) { d.Net[1][1].z += 3.0f; });
    s.state.Regenerate(Change::kTopology);  // what a drag's release does with the grid
    QVERIFY(!AnyCentre(s.painted(profile)));
    QVERIFY(!s.state.hydro->centres);
    // Undo gives the hull back, not the dropped centres.
    s.form->trigger(QStringLiteral("EditUndoItem"));
    QVERIFY(!AnyCentre(s.painted(profile)));
    QVERIFY(s.hydrostatics());
    QVERIFY(HasCentres(s.painted(profile)));
    // So does a vertex weight.
    s.edit([](HullDesign& d) { d.Net[2][2].w = 2.0f; });
    s.state.Regenerate(Change::kTopology);
    QVERIFY(!AnyCentre(s.painted(profile)));
    QVERIFY(s.hydrostatics());
    // A file read replaces the hull too (the edit is not saved).
    s.prompter.answers = {0};
    QVERIFY(s.open(s.copyExample("runabout.s98")));
    QVERIFY(!AnyCentre(s.painted(profile)));
  }

  void stabilityRunGivesTheHeeledBodyView() {
    Open s;
    QVERIFY(s.opened);
    {
      TtrimHeelDlg& dialog = s.trimDialog();
      QVERIFY(!dialog.heelList()->isEnabled());
      QCOMPARE(dialog.heelNote()->text(), QString::fromLatin1(kNoHeelRunNote));
    }
    const VertexNet before = s.state.design.Net;
    // The run is made with the waterline shifted 2 up, so the run's hull
    // stood 2 lower than the net the dialog gives back.
    WhenShown<TStabilityResults> results([](TStabilityResults* w) { w->accept(); });
    bool ran = false;
    WhenShown<Tdraw_stability_Dlg> weights([&](Tdraw_stability_Dlg* d) {
      d->field("MaxHeel")->setText(QStringLiteral("20"));
      d->field("HeelStep")->setText(QStringLiteral("10"));
      d->field("Shift")->setText(QStringLiteral("2"));
      ran = d->CalculateStability();
      // Nothing is handed over while the dialog still holds the hull down.
      ran = ran && s.state.hydro->heelSteps.empty();
      d->reject();
    });
    s.prompter.answers = {0};  // no ballast file
    s.form->trigger(QStringLiteral("Stability1"));
    QVERIFY(ran);
    // The hull is back, to within single-precision rounding.
    for (int c = 0; c <= s.state.design.LastColumn; ++c)
      for (int r = 0; r <= s.state.design.LastRow; ++r)
        QVERIFY(std::fabs(s.state.design.Net[c][r].z - before[c][r].z) < 1e-4);
    const std::vector<HeelStep>& steps = s.state.hydro->heelSteps;
    QCOMPARE(int(steps.size()), 3);
    for (const HeelStep& step : steps) QCOMPARE(step.lift, -2.0);
    QCOMPARE(steps[2].heel, 20.0);
    QCOMPARE(s.state.viewOptions.heelStep, -1);

    ViewWindow* body = s.form->views().body();
    QCOMPARE(Count(s.painted(body), Element::kHeeledSection), 0);
    TtrimHeelDlg& dialog = s.trimDialog();
    QVERIFY(dialog.heelList()->isEnabled());
    QCOMPARE(dialog.heelList()->count(), 4);
    QCOMPARE(dialog.heelList()->item(0)->text(), QStringLiteral("Upright"));
    QCOMPARE(dialog.heelList()->currentRow(), 0);
    dialog.heelList()->setCurrentRow(3);
    QCOMPARE(s.state.viewOptions.heelStep, 2);
    const DisplayList& heeled = s.painted(body);
    QCOMPARE(Count(heeled, Element::kHeeledSection), 21);
    QVERIFY(Count(heeled, Element::kCentreOfBuoyancy) > 0);
    QVERIFY(Count(heeled, Element::kCentreOfGravity) > 0);
    bool named = false;
    for (const Message& m : heeled.messages()) named = named || m.text.find("20") != std::string::npos;
    QVERIFY(named);
    // The caption says so, the picture fits the window as it is and once
    // maximised, and Upright is one click away.
    QCOMPARE(body->windowTitle(), QStringLiteral("Body View - heeled 20.0") + QChar(0x00B0));
    QVERIFY(HeeledPictureInside(body));
    QWidget* frame = body->parentWidget();
    frame->showMaximized();
    QTest::qWait(50);
    s.painted(body);
    QVERIFY(HeeledPictureInside(body));
    frame->showNormal();
    auto* upright = body->findChild<QToolButton*>(QStringLiteral("UprightButton"));
    QVERIFY(upright && upright->isVisible());
    // The profile view stays upright.
    QCOMPARE(Count(s.painted(s.form->views().profile()), Element::kHeeledSection), 0);
    upright->click();
    QCOMPARE(s.state.viewOptions.heelStep, -1);
    QCOMPARE(Count(s.painted(body), Element::kHeeledSection), 0);
    QCOMPARE(body->windowTitle(), QStringLiteral("Body View"));
    QVERIFY(!upright->isVisible());
    // Opened again, the dialog offers the heels from upright.
    QCOMPARE(s.trimDialog().heelList()->currentRow(), 0);
    dialog.heelList()->setCurrentRow(3);
    QCOMPARE(Count(s.painted(body), Element::kHeeledSection), 21);

    dialog.heelList()->setCurrentRow(0);
    QCOMPARE(s.state.viewOptions.heelStep, -1);
    QCOMPARE(Count(s.painted(body), Element::kHeeledSection), 0);

    // A trim changes the hull: the run's heels are no longer offered.
    dialog.heelList()->setCurrentRow(1);
    dialog.angleEdit()->setText(QStringLiteral("1"));
    QVERIFY(dialog.Trim());
    QVERIFY(!dialog.heelList()->isEnabled());
    QCOMPARE(dialog.heelList()->count(), 1);
    QCOMPARE(s.state.viewOptions.heelStep, -1);
    QCOMPARE(Count(s.painted(body), Element::kHeeledSection), 0);
  }

  void trimByAngleOrSternTrim_data() {
    QTest::addColumn<bool>("byAngle");
    QTest::addColumn<double>("value");
    QTest::newRow("2 degrees by the stern") << true << 2.0;
    QTest::newRow("1.5 degrees by the head") << true << -1.5;
    QTest::newRow("stern 8 in down") << false << 8.0;
  }
  void trimByAngleOrSternTrim() {
    QFETCH(bool, byAngle);
    QFETCH(double, value);
    Open s;
    QVERIFY(s.opened);
    // The same trim through the core alone.
    DesignSession core;
    std::string message;
    QVERIFY(ReadDesignFile(core.design, *core.surface, s.path.toStdString(), message));
    SilentPrompter quiet;
    const std::optional<double> angle =
        byAngle ? std::optional<double>(value)
                : TrimAngleFor(core.design, *core.surface, *core.cuts, value);
    QVERIFY(angle);
    QVERIFY(TrimHull(core.design, *core.surface, *core.cuts, core.history, quiet, *angle));

    const VertexNet before = s.state.design.Net;
    const int undoBefore = s.state.design.UndoCount;
    QVERIFY(!s.form->HasUnsavedChanges());
    TtrimHeelDlg& dialog = s.trimDialog();
    (byAngle ? dialog.angleButton() : dialog.sternButton())->setChecked(true);
    QVERIFY(dialog.angleEdit()->isEnabled() == byAngle);
    (byAngle ? dialog.angleEdit() : dialog.sternEdit())->setText(PlainText(value));
    dialog.trimButton()->click();
    QVERIFY(s.prompter.errors.empty());
    QCOMPARE(NetDifference(s.state.design.Net, core.design.Net, s.state.design), QString());
    QVERIFY(!NetDifference(s.state.design.Net, before, s.state.design).isEmpty());
    QCOMPARE(s.state.design.UndoCount, undoBefore + 1);
    QVERIFY(s.form->HasUnsavedChanges());
    QVERIFY(s.enabled("EditUndoItem"));
    if (!byAngle) {
      // The aft draft less the forward draft is the trim asked for, to
      // within what one step of the pivot's iteration leaves.
      QVERIFY(std::fabs(std::tan(*angle * M_PI / 180.0) *
                            WaterlineLength(s.state.design, *s.state.surface, *s.state.cuts) -
                        value) < 0.05 * std::fabs(value));
    }

    s.form->trigger(QStringLiteral("EditUndoItem"));
    QCOMPARE(NetDifference(s.state.design.Net, before, s.state.design), QString());
    QCOMPARE(s.state.design.UndoCount, undoBefore);
  }

  void refusedTrimsChangeNothing() {
    Open s;
    QVERIFY(s.opened);
    const VertexNet before = s.state.design.Net;
    const int undoBefore = s.state.design.UndoCount;
    TtrimHeelDlg& dialog = s.trimDialog();
    struct Case {
      bool byAngle;
      const char* text;
      std::string message;
    };
    const std::vector<Case> cases = {
        {true, "50", kTrimRangeMessage},
        {true, "-46", kTrimRangeMessage},
        {true, "-", RealField::ConversionError(dialog.angleButton()->text(), QStringLiteral("-"))},
        {false, "", RealField::ConversionError(dialog.sternButton()->text(), QString())},
        // A stern trim steeper than 45 degrees over this waterline.
        {false, "100000", kTrimRangeMessage},
    };
    for (const Case& c : cases) {
      s.prompter.errors.clear();
      (c.byAngle ? dialog.angleButton() : dialog.sternButton())->setChecked(true);
      (c.byAngle ? dialog.angleEdit() : dialog.sternEdit())->setText(QString::fromLatin1(c.text));
      QVERIFY2(!dialog.Trim(), c.text);
      QCOMPARE(s.prompter.errors, std::vector<std::string>{c.message});
      QCOMPARE(NetDifference(s.state.design.Net, before, s.state.design), QString());
      QCOMPARE(s.state.design.UndoCount, undoBefore);
    }
    QVERIFY(!s.form->HasUnsavedChanges());

    // A hull clear of the water has no centre of flotation, either way.
    s.edit([](HullDesign& d) {
      for (int c = 0; c <= d.LastColumn; ++c)
        for (int r = 0; r <= d.LastRow; ++r) d.Net[c][r].z += 500.0f;
    });
    s.state.Regenerate(Change::kTopology);
    const VertexNet raised = s.state.design.Net;
    const int undoRaised = s.state.design.UndoCount;
    for (bool byAngle : {true, false}) {
      s.prompter.errors.clear();
      (byAngle ? dialog.angleButton() : dialog.sternButton())->setChecked(true);
      (byAngle ? dialog.angleEdit() : dialog.sternEdit())->setText(QStringLiteral("2"));
      QVERIFY(!dialog.Trim());
      QCOMPARE(s.prompter.errors, std::vector<std::string>{kNoFlotationMessage});
      QCOMPARE(NetDifference(s.state.design.Net, raised, s.state.design), QString());
      QCOMPARE(s.state.design.UndoCount, undoRaised);
    }
  }

  void theMenuItemOpensTheDialog() {
    Open s;
    QVERIFY(s.opened);
    QVERIFY(s.enabled("TrimHeelhull1"));
    QString title, stern;
    WhenShown<TtrimHeelDlg> shown([&](TtrimHeelDlg* d) {
      title = d->windowTitle();
      stern = d->sternButton()->text();
      d->reject();
    });
    s.form->trigger(QStringLiteral("TrimHeelhull1"));
    QCOMPARE(shown.shown, 1);
    QCOMPARE(title, QStringLiteral("Trim / Heel Hull"));
    QCOMPARE(stern, QStringLiteral("Trim at Stern (in), + stern deeper"));
  }
};

QTEST_MAIN(CentresTest)
#include "centres_test.moc"
