// The view windows driven as a user drives them: mouse drags and arrow keys
// land on the model coordinates the view's axes give, the zoom window, the
// pick rule, undo after a drag, and the display dialogs.
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "files/design_file.h"
#include "model/app_state.h"
#include "model/undo.h"
#include "views/animate_delay_dialog.h"
#include "views/display_mode_dialog.h"
#include "views/key_step_dialog.h"
#include "views/line_colors_dialog.h"
#include "views/paint_list.h"
#include "views/picking.h"
#include "views/row_column_move_dialog.h"
#include "surface/surface_build.h"
#include "views/single_line_dialog.h"
#include "views/view_window.h"

using namespace skelmora;
using namespace skelmora::app;

Q_DECLARE_METATYPE(skelmora::ViewId)
Q_DECLARE_METATYPE(Qt::Key)

namespace {

// A design from examples/ with every view open and the net shown, and a
// private undo directory.
struct Session {
  QTemporaryDir work;
  AppState state;

  bool open(const char* name) {
    std::string message;
    const std::string path = std::string(SKELMORA_EXAMPLES_DIR) + "/" + name;
    if (!ReadDesignFile(state.design, *state.surface, path, message)) return false;
    HullDesign& d = state.design;
    d.DesignOpen = true;
    d.ShowVertexNet = true;
    d.BodyViewOpen = d.PlanViewOpen = d.ProfileViewOpen = d.PerspectiveViewOpen = true;
    d.PickedColumn = d.PickedRow = -1;
    state.history = UndoHistory(work.path().toStdString());
    return work.isValid();
  }
  Vertex vertex(int column, int row) const { return state.design.Net[column][row]; }
};

std::unique_ptr<ViewWindow> MakeWindow(ViewId view, AppState& state) {
  std::unique_ptr<ViewWindow> window;
  switch (view) {
    case kBodyView:
      window = std::make_unique<Tfbody>(state);
      break;
    case kPlanView:
      window = std::make_unique<Tfplan>(state);
      break;
    case kProfileView:
      window = std::make_unique<Tfprofile>(state);
      break;
    case kPerspectiveView:
      window = std::make_unique<Tfperspective>(state);
      break;
  }
  window->resize(800, 600);
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
  window->repaint();
  return window;
}

// Where a vertex is drawn, in the window's pixels.
QPoint DevicePoint(const ViewWindow& w, const AppState& state, int column, int row) {
  const LogicalPoint p =
      VertexLogical(state.design, *state.surface, w.viewId(), w.mapping(), column, row);
  return QPoint(qRound(w.mapping().DeviceX(p.x)), qRound(w.mapping().DeviceY(p.y)));
}

// What a click at a pixel picks (the window's own mapping and rule).
VertexIndex PickAt(const ViewWindow& w, const AppState& state, QPoint device) {
  return PickVertex(state.design, *state.surface, w.viewId(), w.mapping(), state.viewOptions,
                    w.mapping().ToLogical(device.x(), device.y()));
}

double ModelAt(const ViewWindow& w, double device, bool horizontal) {
  const LogicalPoint p = w.mapping().ToLogical(horizontal ? device : 0, horizontal ? 0 : device);
  return w.mapping().ToModel(horizontal ? p.x : p.y);
}

void Click(QWidget* w, QPoint at) {
  QTest::mousePress(w, Qt::LeftButton, {}, at);
  QTest::mouseRelease(w, Qt::LeftButton, {}, at);
}

}  // namespace

class ViewsTest : public QObject {
  Q_OBJECT

 private slots:
  void dragLandsOnViewAxes_data();
  void dragLandsOnViewAxes();
  void undoAfterDragRestoresVertex();
  void vertexNetModeEvaluatesOnlyAtRelease();
  void keyMoves_data();
  void keyMoves();
  void keysWithoutSelectionChangeNothing();
  void keyRunIsOneUndoStep();
  void pickPrefersLowerColumnThenRow_data();
  void pickPrefersLowerColumnThenRow();
  void zoomWindow();
  void doubleClicks();
  void cursorsFollowTheMode();
  void printFitsPage();
  void colourDialog();
  void displayModeRules();
  void animationDrawsTwentyFourPictures();
  void animationDelayDialog();
  void keyStepDialog();
  void singleLineSelector();
  void rowColumnMoveDialog();
};

// Each editing view moves the vertex along its own two axes; the body view
// mirrors a vertex of the aft half, so dragging it right of the centreline
// makes its x negative.
void ViewsTest::dragLandsOnViewAxes_data() {
  QTest::addColumn<ViewId>("view");
  QTest::addColumn<int>("column");
  QTest::addColumn<int>("row");
  QTest::addColumn<QPoint>("shift");  // pixels, from the vertex
  QTest::newRow("body fore half") << kBodyView << 2 << 3 << QPoint(40, -30);
  QTest::newRow("body aft half") << kBodyView << 3 << 3 << QPoint(320, -30);
  QTest::newRow("plan") << kPlanView << 4 << 3 << QPoint(-60, 25);
  QTest::newRow("profile") << kProfileView << 4 << 3 << QPoint(35, 40);
}

void ViewsTest::dragLandsOnViewAxes() {
  QFETCH(ViewId, view);
  QFETCH(int, column);
  QFETCH(int, row);
  QFETCH(QPoint, shift);
  Session s;
  QVERIFY(s.open("sailboat.s98"));
  auto w = MakeWindow(view, s.state);
  QVERIFY(w);
  const Vertex before = s.vertex(column, row);
  const QPoint from = DevicePoint(*w, s.state, column, row);
  const VertexIndex picked = PickAt(*w, s.state, from);
  QCOMPARE(picked.column, column);
  QCOMPARE(picked.row, row);

  QSignalSpy edited(w.get(), &ViewWindow::designEdited);
  QSignalSpy snapshots(w.get(), &ViewWindow::snapshotTaken);
  const QPoint to = from + shift;
  QTest::mousePress(w.get(), Qt::LeftButton, {}, from);
  QTest::mouseMove(w.get(), from + shift / 2);
  QTest::mouseMove(w.get(), to);
  QTest::mouseRelease(w.get(), Qt::LeftButton, {}, to);

  QCOMPARE(snapshots.count(), 1);
  QCOMPARE(edited.count(), 1);
  QCOMPARE(s.state.design.UndoCount, 1);
  const Vertex after = s.vertex(column, row);
  const double h = ModelAt(*w, to.x(), true);
  const double v = ModelAt(*w, to.y(), false);
  const float tolerance = 1e-3f;
  switch (view) {
    case kBodyView: {
      const bool aft = column == 3;
      QVERIFY(std::abs(after.x - (aft ? -h : h)) < tolerance);
      QVERIFY(std::abs(after.z - v) < tolerance);
      QCOMPARE(after.y, before.y);
      if (aft) QVERIFY(after.x < 0);  // dragged right of the centreline
      break;
    }
    case kPlanView:
      QVERIFY(std::abs(after.y - h) < tolerance);
      QVERIFY(std::abs(after.x - v) < tolerance);
      QCOMPARE(after.z, before.z);
      break;
    default:
      QVERIFY(std::abs(after.y - h) < tolerance);
      QVERIFY(std::abs(after.z - v) < tolerance);
      QCOMPARE(after.x, before.x);
      break;
  }
}

void ViewsTest::undoAfterDragRestoresVertex() {
  Session s;
  QVERIFY(s.open("workboat.s98"));
  auto w = MakeWindow(kProfileView, s.state);
  QVERIFY(w);
  const Vertex before = s.vertex(3, 4);
  const QPoint from = DevicePoint(*w, s.state, 3, 4);
  QTest::mousePress(w.get(), Qt::LeftButton, {}, from);
  QTest::mouseMove(w.get(), from + QPoint(30, 30));
  QTest::mouseRelease(w.get(), Qt::LeftButton, {}, from + QPoint(30, 30));
  QVERIFY(s.vertex(3, 4).z != before.z);

  QVERIFY(s.state.Undo());
  QCOMPARE(s.vertex(3, 4).y, before.y);
  QCOMPARE(s.vertex(3, 4).z, before.z);
  QCOMPARE(s.state.design.UndoCount, 0);
}

// With "Update &Vertex Net in Real Time" the surface waits for the release.
void ViewsTest::vertexNetModeEvaluatesOnlyAtRelease() {
  Session s;
  QVERIFY(s.open("sailboat.s98"));
  s.state.interaction.realTimeHull = false;
  auto w = MakeWindow(kPlanView, s.state);
  QVERIFY(w);
  const Surface& surface = *s.state.surface;
  const int mid = s.state.design.ColumnDivisions / 2;
  const double gridBefore = surface.grid[mid][40].x;
  const float startX = s.vertex(2, 3).x;
  const QPoint from = DevicePoint(*w, s.state, 2, 3);
  QTest::mousePress(w.get(), Qt::LeftButton, {}, from);
  QTest::mouseMove(w.get(), from + QPoint(0, -60));
  w->repaint();  // the XOR feedback, not a rebuilt list
  QVERIFY(s.vertex(2, 3).x > startX + 5.0f);
  QCOMPARE(surface.grid[mid][40].x, gridBefore);
  QTest::mouseRelease(w.get(), Qt::LeftButton, {}, from + QPoint(0, -60));
  QVERIFY(surface.grid[mid][40].x != gridBefore);
}

void ViewsTest::keyMoves_data() {
  QTest::addColumn<ViewId>("view");
  QTest::addColumn<int>("column");
  QTest::addColumn<int>("row");
  QTest::addColumn<Qt::Key>("key");
  QTest::addColumn<double>("dx");
  QTest::addColumn<double>("dy");
  QTest::addColumn<double>("dz");
  QTest::newRow("body fore right") << kBodyView << 2 << 3 << Qt::Key_Right << 2.5 << 0.0 << 0.0;
  QTest::newRow("body aft right") << kBodyView << 3 << 3 << Qt::Key_Right << -2.5 << 0.0 << 0.0;
  QTest::newRow("body aft left") << kBodyView << 3 << 3 << Qt::Key_Left << 2.5 << 0.0 << 0.0;
  QTest::newRow("body up") << kBodyView << 2 << 3 << Qt::Key_Up << 0.0 << 0.0 << 2.5;
  QTest::newRow("plan up") << kPlanView << 4 << 3 << Qt::Key_Up << 2.5 << 0.0 << 0.0;
  QTest::newRow("plan left") << kPlanView << 4 << 3 << Qt::Key_Left << 0.0 << -2.5 << 0.0;
  QTest::newRow("profile down") << kProfileView << 4 << 3 << Qt::Key_Down << 0.0 << 0.0 << -2.5;
  QTest::newRow("profile right") << kProfileView << 4 << 3 << Qt::Key_Right << 0.0 << 2.5 << 0.0;
}

void ViewsTest::keyMoves() {
  QFETCH(ViewId, view);
  QFETCH(int, column);
  QFETCH(int, row);
  QFETCH(Qt::Key, key);
  QFETCH(double, dx);
  QFETCH(double, dy);
  QFETCH(double, dz);
  Session s;
  QVERIFY(s.open("sailboat.s98"));
  s.state.interaction.keyStep = 2.5;
  auto w = MakeWindow(view, s.state);
  QVERIFY(w);
  Click(w.get(), DevicePoint(*w, s.state, column, row));
  QCOMPARE(s.state.design.PickedColumn, column);
  QCOMPARE(s.state.design.PickedRow, row);

  const Vertex before = s.vertex(column, row);
  QSignalSpy readout(w.get(), &ViewWindow::cursorReadout);
  QTest::keyClick(w.get(), key);
  const Vertex after = s.vertex(column, row);
  QVERIFY(std::abs(after.x - before.x - dx) < 1e-4);
  QVERIFY(std::abs(after.y - before.y - dy) < 1e-4);
  QVERIFY(std::abs(after.z - before.z - dz) < 1e-4);
  QCOMPARE(readout.count(), 1);
  QVERIFY(readout[0][0].toString().startsWith("x="));
  QVERIFY(readout[0][1].toString().startsWith("y="));
}

void ViewsTest::keysWithoutSelectionChangeNothing() {
  Session s;
  QVERIFY(s.open("sailboat.s98"));
  auto w = MakeWindow(kPlanView, s.state);
  QVERIFY(w);
  Click(w.get(), QPoint(790, 10));  // no vertex up there
  QCOMPARE(s.state.design.PickedColumn, -1);
  const VertexNet before = s.state.design.Net;
  QSignalSpy edited(w.get(), &ViewWindow::designEdited);
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
    QTest::keyClick(w.get(), key);
  }
  QCOMPARE(edited.count(), 0);
  QVERIFY(std::memcmp(&before, &s.state.design.Net, sizeof before) == 0);
}

// The first arrow key after a pick takes a snapshot; the rest of the run
// undoes with it.
void ViewsTest::keyRunIsOneUndoStep() {
  Session s;
  QVERIFY(s.open("sailboat.s98"));
  auto w = MakeWindow(kProfileView, s.state);
  QVERIFY(w);
  HullDesign& d = s.state.design;
  Click(w.get(), DevicePoint(*w, s.state, 4, 3));
  QCOMPARE(d.UndoCount, 1);  // the press
  const Vertex picked = s.vertex(4, 3);
  QSignalSpy snapshots(w.get(), &ViewWindow::snapshotTaken);
  for (int i = 0; i < 3; ++i) QTest::keyClick(w.get(), Qt::Key_Up);
  QTest::keyClick(w.get(), Qt::Key_Left);
  QCOMPARE(snapshots.count(), 1);
  QCOMPARE(d.UndoCount, 2);
  QCOMPARE(s.vertex(4, 3).z, picked.z + 3.0f);

  QVERIFY(s.state.Undo());
  QCOMPARE(s.vertex(4, 3).y, picked.y);
  QCOMPARE(s.vertex(4, 3).z, picked.z);
  // The undo leaves nothing selected; after a new pick (its own snapshot)
  // the next key starts a new run.
  QTest::keyClick(w.get(), Qt::Key_Down);
  QCOMPARE(snapshots.count(), 1);
  QCOMPARE(s.vertex(4, 3).z, picked.z);
  w->repaint();
  Click(w.get(), DevicePoint(*w, s.state, 4, 3));
  QTest::keyClick(w.get(), Qt::Key_Down);
  QTest::keyClick(w.get(), Qt::Key_Down);
  QCOMPARE(snapshots.count(), 3);
  QCOMPARE(d.UndoCount, 3);
}

// Two vertices in one pick square: the lower column wins, then the lower
// row.
void ViewsTest::pickPrefersLowerColumnThenRow_data() {
  QTest::addColumn<QPoint>("first");   // (column, row), moved onto the target
  QTest::addColumn<QPoint>("second");  // moved one unit beside it
  QTest::addColumn<QPoint>("winner");
  QTest::newRow("columns") << QPoint(4, 1) << QPoint(3, 4) << QPoint(3, 4);
  QTest::newRow("rows of one column") << QPoint(5, 4) << QPoint(5, 2) << QPoint(5, 2);
}

void ViewsTest::pickPrefersLowerColumnThenRow() {
  QFETCH(QPoint, first);
  QFETCH(QPoint, second);
  QFETCH(QPoint, winner);
  Session s;
  QVERIFY(s.open("sailboat.s98"));
  HullDesign& d = s.state.design;
  d.Net[first.x()][first.y()].y = 200.0f;
  d.Net[first.x()][first.y()].x = 30.0f;
  d.Net[second.x()][second.y()].y = 201.0f;
  d.Net[second.x()][second.y()].x = 30.0f;
  EvaluateSurfaceGrid(d, *s.state.surface);
  auto w = MakeWindow(kPlanView, s.state);
  QVERIFY(w);
  Click(w.get(), DevicePoint(*w, s.state, first.x(), first.y()));
  QCOMPARE(d.PickedColumn, winner.x());
  QCOMPARE(d.PickedRow, winner.y());
}

void ViewsTest::zoomWindow() {
  Session s;
  QVERIFY(s.open("sailboat.s98"));
  auto w = MakeWindow(kProfileView, s.state);
  QVERIFY(w);
  InteractionState& interaction = s.state.interaction;

  // A rectangle of zero width leaves the view unzoomed.
  interaction.armed = ArmedMode::kZoomWindow;
  QTest::mousePress(w.get(), Qt::LeftButton, {}, QPoint(200, 100));
  QTest::mouseMove(w.get(), QPoint(200, 300));
  QTest::mouseRelease(w.get(), Qt::LeftButton, {}, QPoint(200, 300));
  QVERIFY(!w->isZoomed());
  QCOMPARE(interaction.armed, ArmedMode::kNone);
  w->repaint();
  QVERIFY(!w->horizontalBar()->isVisible());

  // A real one: its lower-left corner goes to the window's lower-left.
  interaction.armed = ArmedMode::kZoomWindow;
  const double left = ModelAt(*w, 200, true);
  const double bottom = ModelAt(*w, 300, false);
  QTest::mousePress(w.get(), Qt::LeftButton, {}, QPoint(200, 100));
  QTest::mouseMove(w.get(), QPoint(420, 300));
  QTest::mouseRelease(w.get(), Qt::LeftButton, {}, QPoint(420, 300));
  QVERIFY(w->isZoomed());
  w->repaint();
  QVERIFY(w->horizontalBar()->isVisible());
  QVERIFY(w->verticalBar()->isVisible());
  const ViewMapping& m = w->mapping();
  QVERIFY(std::abs(m.DeviceX(left * m.scale)) < 2.0);
  QVERIFY(std::abs(m.DeviceY(bottom * m.scale) - m.clientHeight) < 2.0);

  // A scroll bar shifts the picture by its position in logical units.
  const double x0 = m.DeviceX(0);
  w->horizontalBar()->setValue(100);
  w->repaint();
  QVERIFY(std::abs(w->mapping().DeviceX(0) - (x0 - 100 * m.pixelsPerLogical)) < 1e-6);

  w->zoomOff();
  w->repaint();
  QVERIFY(!w->isZoomed());
  QVERIFY(!w->horizontalBar()->isVisible());
}

void ViewsTest::doubleClicks() {
  Session s;
  QVERIFY(s.open("sailboat.s98"));
  auto body = MakeWindow(kBodyView, s.state);
  QVERIFY(body);
  QTest::mouseDClick(body.get(), Qt::LeftButton, {}, QPoint(700, 50));
  QMenu* menu = body->popupMenu();
  QVERIFY(menu->isVisible());
  QCOMPARE(menu->pos(), body->mapToGlobal(QPoint(10, 100)));
  QStringList captions;
  for (QAction* action : menu->actions()) captions << action->text();
  QCOMPARE(captions,
           QStringList({"&Close Body View", "&Zoom Off", "&Set Key Move Step Size"}));
  QVERIFY(!menu->actions()[1]->isEnabled());  // not zoomed
  menu->hide();
  menu->actions()[0]->trigger();
  QVERIFY(!s.state.design.BodyViewOpen);

  auto perspective = MakeWindow(kPerspectiveView, s.state);
  QVERIFY(perspective);
  QTest::mouseDClick(perspective.get(), Qt::LeftButton, {}, QPoint(300, 300));
  QVERIFY(!s.state.design.PerspectiveViewOpen);
  perspective->repaint();
  QVERIFY(perspective->displayList().items().empty());
}

// An armed mode shows the pointing hand, the net the cross-hair.
void ViewsTest::cursorsFollowTheMode() {
  Session s;
  QVERIFY(s.open("sailboat.s98"));
  auto plan = MakeWindow(kPlanView, s.state);
  auto perspective = MakeWindow(kPerspectiveView, s.state);
  QVERIFY(plan && perspective);
  HullDesign& d = s.state.design;
  auto shapes = [&] {
    plan->updateCursor();
    perspective->updateCursor();
    return std::pair{plan->cursor().shape(), perspective->cursor().shape()};
  };
  QCOMPARE(shapes(), std::pair(Qt::CrossCursor, Qt::ArrowCursor));
  s.state.interaction.armed = ArmedMode::kZoomWindow;
  QCOMPARE(shapes(), std::pair(Qt::PointingHandCursor, Qt::PointingHandCursor));
  s.state.interaction.armed = ArmedMode::kNone;
  ArmHighlight(d, s.state.interaction, true);
  QCOMPARE(shapes().first, Qt::PointingHandCursor);
  // The highlight pick happens at the release and disarms.
  Click(plan.get(), DevicePoint(*plan, s.state, 4, 3));
  QVERIFY(d.HighlightRows);
  QCOMPARE(d.HighlightIndex, 3);
  QCOMPARE(plan->cursor().shape(), Qt::CrossCursor);
  // A wide main window swaps the cross-hair for the selection cursor; an
  // armed mode still shows the hand.
  plan->setUseSelectCursor(true);
  perspective->setUseSelectCursor(true);
  QCOMPARE(shapes(), std::pair(Qt::BitmapCursor, Qt::ArrowCursor));
  QVERIFY(!plan->cursor().pixmap().isNull());
  s.state.interaction.armed = ArmedMode::kZoomWindow;
  QCOMPARE(shapes().first, Qt::PointingHandCursor);
  s.state.interaction.armed = ArmedMode::kNone;
  plan->setUseSelectCursor(false);
  QCOMPARE(shapes().first, Qt::CrossCursor);
  d.ShowVertexNet = false;
  QCOMPARE(shapes(), std::pair(Qt::ArrowCursor, Qt::ArrowCursor));
}

// Printing builds the view for the page: the lines stay inside it.
void ViewsTest::printFitsPage() {
  Session s;
  QVERIFY(s.open("sailboat.s98"));
  auto w = MakeWindow(kPlanView, s.state);
  QVERIFY(w);
  QImage image(1200, 900, QImage::Format_RGB32);
  image.fill(Qt::gray);
  const QRect page(100, 50, 1000, 700);
  {
    QPainter painter(&image);
    w->renderForPrint(painter, page);
  }
  const QRgb station = ToQColor(s.state.design.StationColor).rgb();
  int inside = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (!page.contains(x, y)) {
        QCOMPARE(pixel, QColor(Qt::gray).rgb());
      } else if (pixel == station) {
        ++inside;
      }
    }
  }
  QVERIFY(inside > 500);
}

// Cancel, or closing without a choice, restores the colours of the opening
// and leaves no undo step; the single-section rows share one colour.
void ViewsTest::colourDialog() {
  Session s;
  QVERIFY(s.open("sailboat.s98"));
  HullDesign& d = s.state.design;
  const HullDesign original = d;
  const QColor red(255, 0, 0);
  auto script = [&](Tlines_color_frm& dialog) {
    dialog.setColorChooser([&](const QColor&, QWidget*) { return std::optional<QColor>(red); });
    dialog.show();
    dialog.findChild<QRadioButton*>("StationsRadio")->click();
    dialog.findChild<QRadioButton*>("SingleWaterlineRadio")->click();
  };
  {
    Tlines_color_frm dialog(s.state);
    QCOMPARE(d.UndoCount, 1);  // the snapshot of the opening
    script(dialog);
    QCOMPARE(d.StationColor, 0x0000FF);
    QCOMPARE(d.SpecialLineColor, 0x0000FF);
    for (const char* swatch : {"SingleStationNew", "SingleWaterlineNew", "SingleButtockNew"}) {
      QCOMPARE(dialog.findChild<QLabel*>(swatch)->palette().color(QPalette::Window), red);
    }
    QCOMPARE(dialog.findChild<QLabel*>("StationsOld")->palette().color(QPalette::Window),
             ToQColor(original.StationColor));
    dialog.findChild<QPushButton*>("CancelBtn")->click();
    QCOMPARE(d.StationColor, original.StationColor);
    QCOMPARE(d.SpecialLineColor, original.SpecialLineColor);
    QCOMPARE(d.UndoCount, 0);
  }
  {
    Tlines_color_frm dialog(s.state);
    dialog.setColorChooser([](const QColor&, QWidget*) { return std::optional<QColor>(); });
    dialog.show();
    dialog.findChild<QRadioButton*>("PaperRadio")->click();  // chooser cancelled
    dialog.findChild<QPushButton*>("DrawBtn")->click();
    QVERIFY(!dialog.colorChosen());
    QCOMPARE(d.PaperColor, original.PaperColor);
    QCOMPARE(d.UndoCount, 0);
  }
  {
    Tlines_color_frm dialog(s.state);
    QSignalSpy edited(&dialog, &Tlines_color_frm::designEdited);
    script(dialog);
    dialog.findChild<QPushButton*>("DrawBtn")->click();
    QCOMPARE(edited.count(), 1);
    QCOMPARE(d.StationColor, 0x0000FF);
    QCOMPARE(d.SpecialLineColor, 0x0000FF);
    QCOMPARE(d.WaterlineColor, original.WaterlineColor);
  }
  // The kept colours are one undo step.
  QCOMPARE(d.UndoCount, 1);
  QVERIFY(s.state.Undo());
  QCOMPARE(d.StationColor, original.StationColor);
  QCOMPARE(d.SpecialLineColor, original.SpecialLineColor);
}

void ViewsTest::displayModeRules() {
  HullDesign d;
  TchooseDspldlg dialog(d);
  auto box = [&](const char* name) { return dialog.findChild<QCheckBox*>(name); };
  auto radio = [&](const char* name) { return dialog.findChild<QRadioButton*>(name); };
  auto group = [&](const char* name) { return dialog.findChild<QGroupBox*>(name); };

  // The B-spline mode on: the section switches go at once, even on Cancel.
  d.ShowSurface = true;
  d.ShowStations = d.ShowButtocks = true;
  d.ShowVertexNet = true;
  dialog.show();
  QVERIFY(radio("BSplinesRadio")->isChecked());
  QVERIFY(group("BSplineGroup")->isEnabled());
  QVERIFY(!group("SectionsGroup")->isEnabled());
  QVERIFY(box("BSplineSurfaceCheck")->isChecked());
  QVERIFY(box("BSplineNetCheck")->isChecked());
  QVERIFY(!d.ShowStations && !d.ShowButtocks);
  box("BSplineNetCheck")->click();
  dialog.reject();
  QVERIFY(d.ShowSurface);
  QVERIFY(!d.ShowVertexNet);  // either button stores the boxes
  QVERIFY(!d.ShowStations);

  // Sections shown; switching to B-splines clears and disables them.
  d = HullDesign();
  d.ShowWaterlines = true;
  dialog.show();
  QVERIFY(radio("SectionsRadio")->isChecked());
  QVERIFY(box("WaterlinesCheck")->isChecked());
  QVERIFY(!box("StationsCheck")->isChecked());
  QVERIFY(!box("SectionsNetCheck")->isChecked());
  radio("BSplinesRadio")->click();
  QVERIFY(box("BSplineSurfaceCheck")->isChecked());
  QVERIFY(!box("WaterlinesCheck")->isChecked());
  QVERIFY(!group("SectionsGroup")->isEnabled());
  radio("SectionsRadio")->click();
  QVERIFY(box("StationsCheck")->isChecked());
  QVERIFY(!box("BSplineSurfaceCheck")->isChecked());
  QVERIFY(!group("BSplineGroup")->isEnabled());
  box("ButtocksCheck")->click();
  dialog.accept();
  QVERIFY(!d.ShowSurface);
  QVERIFY(d.ShowStations && !d.ShowWaterlines && d.ShowButtocks);
  QVERIFY(!d.ShowVertexNet);

  // Nothing shown yet: both "Vertex Net" boxes follow the net; no mode is
  // chosen until the user picks one.
  d = HullDesign();
  d.ShowVertexNet = true;
  dialog.show();
  QVERIFY(!radio("BSplinesRadio")->isChecked() && !radio("SectionsRadio")->isChecked());
  QVERIFY(box("BSplineNetCheck")->isChecked() && box("SectionsNetCheck")->isChecked());
  radio("SectionsRadio")->click();
  dialog.accept();
  QVERIFY(d.ShowStations && d.ShowVertexNet && !d.ShowSurface);
}

void ViewsTest::animationDrawsTwentyFourPictures() {
  Session s;
  QVERIFY(s.open("sailboat.s98"));
  auto w = MakeWindow(kPerspectiveView, s.state);
  QVERIFY(w);
  auto* perspective = static_cast<Tfperspective*>(w.get());
  QCoreApplication::processEvents();

  // Record the angles of every picture the window paints (its scroll bars
  // repaint on their own, which only exposes their strips).
  struct Recorder : QObject {
    const HullDesign* design = nullptr;
    QPoint centre;
    QList<QPoint> angles;  // (elevation, azimuth)
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint &&
          static_cast<QPaintEvent*>(event)->region().contains(centre)) {
        angles << QPoint(qRound(design->PerspectiveElevation), qRound(design->PerspectiveAzimuth));
      }
      return false;
    }
  } recorder;
  recorder.centre = perspective->rect().center();
  recorder.design = &s.state.design;
  perspective->installEventFilter(&recorder);

  perspective->startAnimation(200);
  QVERIFY(perspective->animationTimer().isActive());
  QCOMPARE(perspective->animationTimer().interval(), 200);
  // The ticks are driven here; on a slow (sanitizer) build a real one could
  // fire inside a tick's event processing and add pictures of its own.
  perspective->animationTimer().setInterval(3600 * 1000);
  for (int tick = 0; tick < 40 && perspective->animationTimer().isActive(); ++tick) {
    perspective->animationTick();
  }
  QVERIFY(!perspective->animationTimer().isActive());
  QList<QPoint> expected;
  for (int elevation = -30; elevation <= 20; elevation += 10) {
    for (int azimuth : {-25, 0, 25, 50}) expected << QPoint(elevation, azimuth);
  }
  QCOMPARE(recorder.angles, expected);
  // The last picture's window shows the perspective, not a blank.
  QVERIFY(!perspective->displayList().polylines().empty());
}

void ViewsTest::animationDelayDialog() {
  Session s;
  QVERIFY(s.open("sailboat.s98"));
  auto w = MakeWindow(kPerspectiveView, s.state);
  QVERIFY(w);
  auto* perspective = static_cast<Tfperspective*>(w.get());
  TANimate_delay dialog(*perspective);
  dialog.show();
  auto* slider = dialog.findChild<QSlider*>("TrackBar1");
  QCOMPARE(slider->value(), 1);
  slider->setValue(5);
  QCOMPARE(perspective->animationTimer().interval(), 1000);
  s.state.design.PerspectiveAzimuth = 10;
  dialog.findChild<QPushButton*>("StartBtn")->click();
  QVERIFY(perspective->animationTimer().isActive());
  QCOMPARE(perspective->animationTimer().interval(), 1000);
  QCOMPARE(s.state.design.PerspectiveAzimuth, -50.0);
  QCOMPARE(s.state.design.PerspectiveElevation, -30.0);
  dialog.close();  // closing in any way stops the animation
  QVERIFY(!perspective->animationTimer().isActive());

  dialog.show();
  QCOMPARE(slider->value(), 1);
  dialog.findChild<QPushButton*>("StartBtn")->click();
  dialog.findChild<QPushButton*>("StopBtn")->click();
  QVERIFY(!perspective->animationTimer().isActive());
  QVERIFY(!dialog.isVisible());
}

void ViewsTest::keyStepDialog() {
  InteractionState interaction;
  TKeymovestepchng dialog(interaction);
  QStringList messages;
  dialog.setMessageHandler([&](const QString& text) { messages << text; });
  dialog.show();
  auto* edit = dialog.findChild<QLineEdit*>("stepedit");
  QCOMPARE(edit->text(), QString("1"));

  edit->clear();
  QTest::keyClicks(edit, "0");
  dialog.accept();
  QCOMPARE(messages, QStringList{"Step Size MUST be greater than 0"});
  QVERIFY(dialog.isVisible());
  QCOMPARE(interaction.keyStep, 1.0);

  edit->clear();
  QTest::keyClicks(edit, "-2x.5");  // the x is refused as it is typed
  QCOMPARE(edit->text(), QString("-2.5"));
  dialog.accept();
  QVERIFY(!dialog.isVisible());
  QCOMPARE(interaction.keyStep, -2.5);
  QCOMPARE(messages.size(), 1);
}

void ViewsTest::singleLineSelector() {
  Session s;
  QVERIFY(s.open("sailboat.s98"));  // last column 5, last row 4
  TsingcolrowDlg dialog(s.state);
  QSignalSpy changed(&dialog, &TsingcolrowDlg::netLinesChanged);
  dialog.show();
  dialog.findChild<QRadioButton*>("SingleColumnRadio")->click();
  auto* spin = dialog.findChild<QSpinBox*>("SpinEdit1");
  spin->setValue(40);
  QCOMPARE(spin->value(), 5);
  const SingleLine& single = s.state.viewOptions.singleLine;
  QCOMPARE(single.kind, SingleLine::Kind::kColumn);
  QCOMPARE(single.index, 5);
  dialog.findChild<QRadioButton*>("SingleRowRadio")->click();
  QCOMPARE(spin->value(), 4);
  QCOMPARE(single.kind, SingleLine::Kind::kRow);
  QCOMPARE(single.index, 4);
  QCOMPARE(changed.count(), 3);

  // Only the chosen row is drawn and picked.
  auto w = MakeWindow(kPlanView, s.state);
  QVERIFY(w);
  int netLines = 0;
  for (const Polyline& line : w->displayList().polylines()) {
    netLines += line.element == Element::kNetColumn || line.element == Element::kNetRow;
  }
  QCOMPARE(netLines, 1);
  Click(w.get(), DevicePoint(*w, s.state, 4, 3));
  QCOMPARE(s.state.design.PickedColumn, -1);

  dialog.findChild<QPushButton*>("AllBtn")->click();
  QCOMPARE(single.kind, SingleLine::Kind::kNone);
  QVERIFY(!dialog.isVisible());
}

// "Choose Row or Column & Constraints" opens on a column, X only, and each
// click sets its mode at once, before OK.
void ViewsTest::rowColumnMoveDialog() {
  InteractionState interaction;
  RowColumnMoveSettings& how = interaction.moveSettings;
  {
    Tchooserowcoldlg dialog(how);
    dialog.show();
    QVERIFY(dialog.findChild<QRadioButton*>("MoveColumnRadio")->isChecked());
    QVERIFY(dialog.findChild<QRadioButton*>("XOnlyRadio")->isChecked());
    QVERIFY(how.horizontal && !how.vertical && !how.moveRow);
    dialog.findChild<QRadioButton*>("YOnlyRadio")->click();
    QVERIFY(!how.horizontal && how.vertical);
    dialog.findChild<QRadioButton*>("XAndYRadio")->click();
    QVERIFY(how.horizontal && how.vertical);
    dialog.findChild<QRadioButton*>("MoveRowRadio")->click();
    QVERIFY(how.moveRow);
    dialog.reject();
  }
  // The next opening shows what was chosen.
  Tchooserowcoldlg again(how);
  again.show();
  QVERIFY(again.findChild<QRadioButton*>("MoveRowRadio")->isChecked());
  QVERIFY(again.findChild<QRadioButton*>("XAndYRadio")->isChecked());
}

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
#include "surface/surface_build.h"
