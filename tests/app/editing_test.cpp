// Net editing in the program: the armed modes carried out by real clicks in
// a view, the row / column dialog, the transform dialogs, and Edit › Undo
// after every command giving the design back exactly.
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "editing/edit_commands.h"
#include "editing/accuracy_dialog.h"
#include "editing/curve_settings_dialog.h"
#include "editing/edit_vertex_dialog.h"
#include "editing/new_offset_dialog.h"
#include "editing/single_cuts_dialog.h"
#include "editing/vertex_offsets_dialog.h"
#include "editing/row_col_dialog.h"
#include "editing/stretch_hull_dialog.h"
#include "model/net_edit.h"
#include "model/net_rows_columns.h"
#include "model/row_column_tools.h"
#include "shell_fixtures.h"
#include "views/picking.h"
#include "views/real_field.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

// What an edit may change and Undo must give back.
struct NetState {
  std::unique_ptr<VertexNet> net = std::make_unique<VertexNet>();
  int lastColumn = 0, lastRow = 0, stationTension = 0, waterlineTension = 0;
  std::vector<int> columnChines, rowChines;
  int units = 0;

  explicit NetState(const HullDesign& d)
      : lastColumn(d.LastColumn),
        lastRow(d.LastRow),
        stationTension(d.StationTension),
        waterlineTension(d.WaterlineTension),
        columnChines(d.ColumnChines.begin(), d.ColumnChines.begin() + d.ColumnChineCount),
        rowChines(d.RowChines.begin(), d.RowChines.begin() + d.RowChineCount),
        units(d.Units) {
    *net = d.Net;
  }
  // The first difference, or empty.
  QString differenceFrom(const NetState& o) const {
    if (lastColumn != o.lastColumn || lastRow != o.lastRow) return QStringLiteral("counts");
    if (stationTension != o.stationTension || waterlineTension != o.waterlineTension)
      return QStringLiteral("tensions");
    if (columnChines != o.columnChines || rowChines != o.rowChines) return QStringLiteral("chines");
    if (units != o.units) return QStringLiteral("units");
    for (int c = 0; c <= lastColumn; ++c) {
      for (int r = 0; r <= lastRow; ++r) {
        const Vertex& a = (*net)[c][r];
        const Vertex& b = (*o.net)[c][r];
        if (a.x != b.x || a.y != b.y || a.z != b.z || a.w != b.w)
          return QStringLiteral("vertex %1,%2").arg(c).arg(r);
      }
    }
    return {};
  }
};

struct EditShell : Shell {
  EditShell() {
    opened = open(copyExample("sailboat.s98"));
    form->resize(1400, 900);
    form->show();
    opened = QTest::qWaitForWindowExposed(form.get()) && opened;
  }
  bool opened = false;
  HullDesign& design() { return state.design; }
  // The profile view, active and painted (its mapping is what a press reads).
  ViewWindow* profile() {
    form->trigger(QStringLiteral("Profile1"));
    ViewWindow* view = form->views().profile();
    view->repaint();
    return view;
  }
  QPoint device(ViewWindow* view, int column, int row) {
    const LogicalPoint at =
        VertexLogical(state.design, *state.surface, view->viewId(), view->mapping(), column, row);
    return {qRound(view->mapping().DeviceX(at.x)), qRound(view->mapping().DeviceY(at.y))};
  }
  void click(ViewWindow* view, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(view, button, {}, at);
    QTest::mouseRelease(view, button, {}, at);
    view->repaint();
  }
  void undo() { form->trigger(QStringLiteral("EditUndoItem")); }
};

// The newest message, or "" when none was shown.
std::string Last(const std::vector<std::string>& messages) {
  return messages.empty() ? std::string() : messages.back();
}

// The vertex editor on the selected vertex, as a right click opens it.
void edit_vertex_open(EditShell& shell) {
  PressAction action;
  action.kind = PressAction::Kind::kEditVertex;
  shell.form->editCommands().Press(kBodyView, action);
}

// Runs a stretch or shift command: chooses the mode's radio button, types
// text into the enabled fields and presses OK. True when the dialog stayed
// open (OK refused); it is then cancelled.
bool OkInTransformDialog(EditShell& shell, const QString& command, const QString& mode,
                         const QString& text) {
  bool stayed = false;
  QTimer::singleShot(0, shell.form.get(), [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    dialog->findChild<QRadioButton*>(mode)->setChecked(true);
    for (auto* edit : dialog->findChildren<QLineEdit*>()) {
      if (edit->isEnabled()) edit->setText(text);
    }
    dialog->accept();
    stayed = dialog->isVisible();
    dialog->reject();
  });
  shell.form->trigger(command);
  return stayed;
}

QPoint Toward(QPoint from, QPoint to, int pixels) {
  const QPointF d = QPointF(to - from);
  const double length = std::hypot(d.x(), d.y());
  return from + (d * (pixels / length)).toPoint();
}

}  // namespace

class EditingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  // A click just beside a vertex: on its aft side the new column goes after
  // it, on its forward side after the column before it.
  void addColumnWithTheMouseOnEachSideOfAVertex_data() {
    QTest::addColumn<int>("towardColumn");  // +1 or -1
    QTest::addColumn<int>("insertedAfterOffset");
    QTest::newRow("toward next column") << 1 << 0;
    QTest::newRow("toward previous column") << -1 << -1;
  }
  void addColumnWithTheMouseOnEachSideOfAVertex() {
    QFETCH(int, towardColumn);
    QFETCH(int, insertedAfterOffset);
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    ViewWindow* view = shell.profile();
    const int c = d.LastColumn / 2, r = d.LastRow / 2;
    const NetState before(d);
    // Next column lies farther aft (larger y, larger logical x) in the profile.
    QVERIFY(d.Net[c + 1][r].y > d.Net[c][r].y);
    shell.form->trigger(QStringLiteral("AddColWMouse"));
    QCOMPARE(shell.state.interaction.armed, ArmedMode::kAddColumn);
    shell.click(view, Toward(shell.device(view, c, r), shell.device(view, c + towardColumn, r), 4));

    QCOMPARE(shell.state.interaction.armed, ArmedMode::kNone);
    QCOMPARE(d.LastColumn, before.lastColumn + 1);
    const int after = c + insertedAfterOffset;
    const Vertex& a = (*before.net)[after][r];
    const Vertex& b = (*before.net)[after + 1][r];
    QCOMPARE(d.Net[after + 1][r].y, (a.y + b.y) / 2);
    QCOMPARE(d.Net[after + 2][r].y, b.y);
    QVERIFY(shell.enabled("EditUndoItem"));

    shell.undo();
    QCOMPARE(NetState(d).differenceFrom(before), QString());
  }

  void deleteARowWithTheMouse() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    ViewWindow* view = shell.profile();
    const NetState before(d);
    const int c = d.LastColumn / 2, r = 1;
    shell.form->trigger(QStringLiteral("DelRowWMouse"));
    QCOMPARE(shell.state.interaction.armed, ArmedMode::kDeleteRow);
    shell.click(view, shell.device(view, c, r));
    QCOMPARE(d.LastRow, before.lastRow - 1);
    for (int column = 0; column <= d.LastColumn; ++column) {
      QCOMPARE(d.Net[column][r].z, (*before.net)[column][r + 1].z);
    }
    shell.undo();
    QCOMPARE(NetState(d).differenceFrom(before), QString());
  }

  void chineAColumnWithTheMouse() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    ViewWindow* view = shell.profile();
    const NetState before(d);
    int c = 2;
    while (std::count(before.columnChines.begin(), before.columnChines.end(), c)) ++c;
    QVERIFY(c < d.LastColumn);
    shell.form->trigger(QStringLiteral("Vertica1"));
    shell.click(view, shell.device(view, c, 1));
    QCOMPARE(d.ColumnChineCount, int(before.columnChines.size()) + 1);
    QVERIFY(std::count(d.ColumnChines.begin(), d.ColumnChines.begin() + d.ColumnChineCount, c));
    QVERIFY(std::is_sorted(d.ColumnChines.begin(), d.ColumnChines.begin() + d.ColumnChineCount));
    QCOMPARE(shell.state.interaction.armed, ArmedMode::kNone);
    shell.undo();
    QCOMPARE(NetState(d).differenceFrom(before), QString());
  }

  // START and END on one row in the profile: the vertex between drops
  // vertically onto the line through them; its y and x stay.
  void straightenThreeVertices() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    ViewWindow* view = shell.profile();
    const NetState before(d);
    const int c = d.LastColumn / 2 - 1, r = d.LastRow / 2;
    shell.form->trigger(QStringLiteral("Straightenrowcoloumn1"));
    QCOMPARE(Last(shell.prompter.information), std::string(kStartEndPrompt));
    shell.click(view, shell.device(view, c, r));
    QCOMPARE(d.UndoCount, 0);
    shell.click(view, shell.device(view, c + 2, r));

    const Vertex& a = (*before.net)[c][r];
    const Vertex& m = (*before.net)[c + 1][r];
    const Vertex& b = (*before.net)[c + 2][r];
    const double expected = b.z + (m.y - b.y) * (a.z - b.z) / (a.y - b.y);
    QVERIFY(std::abs(d.Net[c + 1][r].z - expected) < 1e-4 * (1 + std::abs(expected)));
    QCOMPARE(d.Net[c + 1][r].y, m.y);
    QCOMPARE(d.Net[c + 1][r].x, m.x);
    QCOMPARE(shell.state.interaction.armed, ArmedMode::kNone);
    QCOMPARE(d.UndoCount, 1);
    shell.undo();
    QCOMPARE(NetState(d).differenceFrom(before), QString());
  }

  // Right click: the vertex editor on that vertex; its change is one step.
  void rightClickEditsTheVertex() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    ViewWindow* view = shell.profile();
    const NetState before(d);
    const int c = 3, r = 2;
    Teditvertex* dialog = shell.form->editCommands().vertexDialog();
    QTimer::singleShot(0, dialog, [dialog] {
      QCOMPARE(dialog->columnUpDown()->value(), 3);
      QCOMPARE(dialog->rowUpDown()->value(), 2);
      dialog->xEdit()->setText(QStringLiteral("12.5"));
      dialog->accept();
    });
    QTest::mousePress(view, Qt::RightButton, {}, shell.device(view, c, r));
    QTest::mouseRelease(view, Qt::RightButton, {}, shell.device(view, c, r));
    QCOMPARE(d.Net[c][r].x, 12.5f);
    QCOMPARE(d.Net[c][r].y, (*before.net)[c][r].y);
    QVERIFY(shell.enabled("EditUndoItem"));
    shell.undo();
    QCOMPARE(NetState(d).differenceFrom(before), QString());
  }

  void rowColumnDialogKeepsOnlyAnIndex() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    const NetState before(d);
    shell.form->trigger(QStringLiteral("AddRoWByIndex"));
    TRowColDlg* dialog = shell.form->editCommands().rowColumnDialog();
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Add a new row ABOVE this row"));
    QVERIFY(dialog->rowEdit()->isEnabled());
    QVERIFY(!dialog->columnEdit()->isEnabled());

    QLineEdit* edit = dialog->rowEdit();
    QTest::keyClicks(edit, QStringLiteral("a"));
    QCOMPARE(edit->text(), QString());
    QTest::keyClicks(edit, QStringLiteral("-"));
    QCOMPARE(edit->text(), QString());
    QTest::keyClicks(edit, QString::number(d.LastRow + 1));
    QVERIFY(edit->text().toInt() <= d.LastRow);  // the out-of-range number went
    edit->clear();
    // OK with nothing in the field leaves the dialog open and the net alone.
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(dialog->isVisible());
    QCOMPARE(d.LastRow, before.lastRow);

    QTest::keyClicks(edit, QStringLiteral("1"));
    QCOMPARE(edit->text(), QStringLiteral("1"));
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(d.LastRow, before.lastRow + 1);
    shell.undo();
    QCOMPARE(NetState(d).differenceFrom(before), QString());
  }

  // Cancel in a transform dialog changes nothing and takes no step.
  void cancelledDialogsChangeNothing_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("stretch") << QStringLiteral("Stretchshrinkhull1");
    QTest::newRow("shift") << QStringLiteral("Shifthull1");
  }
  void cancelledDialogsChangeNothing() {
    QFETCH(QString, command);
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    const NetState before(d);
    QTimer::singleShot(0, shell.form.get(), [] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      for (auto* edit : dialog->findChildren<QLineEdit*>()) edit->setText(QStringLiteral("40"));
      dialog->reject();
    });
    shell.form->trigger(command);
    QCOMPARE(NetState(d).differenceFrom(before), QString());
    QCOMPARE(d.UndoCount, 0);
  }

  // OK with no number in the enabled field: an error that names the field,
  // the dialog stays open, and nothing changes (no undo step either).
  void okWithoutANumberNamesTheField_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("mode");   // the radio button chosen
    QTest::addColumn<QString>("text");   // left in the field
    QTest::addColumn<QString>("caption");
    QTest::newRow("set dimension, empty") << QStringLiteral("Stretchshrinkhull1")
                                          << QStringLiteral("SetDimen") << QString()
                                          << QStringLiteral("Set Dimension");
    QTest::newRow("scale, a lone sign") << QStringLiteral("Stretchshrinkhull1")
                                        << QStringLiteral("setscale") << QStringLiteral("-")
                                        << QStringLiteral("Scale By Percent");
    QTest::newRow("shift up, empty") << QStringLiteral("Shifthull1") << QStringLiteral("updnbutton")
                                     << QString() << QStringLiteral("Distance in mm/inches");
    QTest::newRow("shift aft, no exponent") << QStringLiteral("Shifthull1")
                                            << QStringLiteral("foreaftbutton")
                                            << QStringLiteral("2e")
                                            << QStringLiteral("Distance in mm/inches");
  }
  void okWithoutANumberNamesTheField() {
    QFETCH(QString, command);
    QFETCH(QString, mode);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    const NetState before(d);
    QVERIFY(OkInTransformDialog(shell, command, mode, text));
    QCOMPARE(shell.prompter.errors,
             std::vector<std::string>{RealField::ConversionError(caption, text)});
    QVERIFY(QString::fromStdString(shell.prompter.errors[0]).contains(caption));
    QCOMPARE(NetState(d).differenceFrom(before), QString());
    QCOMPARE(d.UndoCount, 0);
  }

  // A shift the float net cannot hold is refused with the core's message,
  // and the dialog stays open with nothing changed.
  void shiftBeyondTheNetIsRefusedWithItsMessage() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    const NetState before(d);
    QVERIFY(OkInTransformDialog(shell, QStringLiteral("Shifthull1"),
                                QStringLiteral("foreaftbutton"), QStringLiteral("4e38")));
    QCOMPARE(shell.prompter.errors, std::vector<std::string>{kNetOverflowMessage});
    QCOMPARE(NetState(d).differenceFrom(before), QString());
    QCOMPARE(d.UndoCount, 0);
  }

  // Cancel in "Edit Vertex Data" leaves every vertex of the session as it
  // was, also one already stored by stepping to the next, and no undo step.
  void vertexEditorCancelLeavesTheVertex() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    const NetState before(d);
    d.PickedColumn = 1;
    d.PickedRow = 1;
    d.StationSpacing = 24.0;  // stations placed by spacing stay so
    Teditvertex* dialog = shell.form->editCommands().vertexDialog();
    QTimer::singleShot(0, dialog, [dialog, &shell] {
      dialog->xEdit()->setText(QStringLiteral("12.5"));
      dialog->columnUpDown()->setValue(2);  // stores vertex 1,1
      QCOMPARE(shell.state.design.Net[1][1].x, 12.5f);
      dialog->zEdit()->setText(QStringLiteral("-3"));
      QPushButton* cancel =
          dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
      QVERIFY(cancel);
      cancel->click();
    });
    edit_vertex_open(shell);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(NetState(d).differenceFrom(before), QString());
    QCOMPARE(d.StationSpacing, 24.0);
    QCOMPARE(d.UndoCount, 0);
    QVERIFY(!shell.enabled("EditUndoItem"));
  }

  // The picks of a waiting tool are marked in the view they were made in:
  // "X" for straighten, "1" and "2" for offset; the marks go with the mode.
  void toolPicksAreMarkedInTheirView() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    ViewWindow* view = shell.profile();
    auto marks = [&](ViewWindow* window) {
      window->repaint();
      QStringList found;
      for (const Label& label : window->displayList().labels()) {
        if (label.element != Element::kToolMark) continue;
        found << QString::fromStdString(label.text);
        const LogicalPoint at = label.anchor;
        bool onAVertex = false;
        for (int c = 0; c <= d.LastColumn && !onAVertex; ++c)
          for (int r = 0; r <= d.LastRow && !onAVertex; ++r) {
            const LogicalPoint v = VertexLogical(d, *shell.state.surface, window->viewId(),
                                                 window->mapping(), c, r);
            onAVertex = v.x == at.x && v.y == at.y;
          }
        if (!onAVertex) found << QStringLiteral("(off a vertex)");
      }
      return found;
    };
    const int c = d.LastColumn / 2 - 1, r = d.LastRow / 2;
    shell.form->trigger(QStringLiteral("Straightenrowcoloumn1"));
    shell.click(view, shell.device(view, c, r));
    QCOMPARE(marks(view), QStringList{QStringLiteral("X")});
    QCOMPARE(marks(shell.form->views().body()), QStringList());
    shell.click(view, shell.device(view, c + 2, r));
    QCOMPARE(marks(view), QStringList());

    shell.form->trigger(QStringLiteral("Offsetvertices1"));
    shell.click(view, shell.device(view, c, r));
    QCOMPARE(marks(view), QStringList{QStringLiteral("1")});
    shell.click(view, shell.device(view, c + 2, r));
    QCOMPARE(marks(view), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    Tvertex_offsetsDlg* offsets = shell.form->editCommands().offsetsDialog();
    QTimer::singleShot(0, offsets, [offsets] { offsets->reject(); });
    shell.click(view, shell.device(view, c + 1, 1));
    QCOMPARE(shell.state.interaction.armed, ArmedMode::kNone);
    QCOMPARE(marks(view), QStringList());
  }

  // An armed mode's status prompt stays while it waits and goes when the
  // click (or the zoom rectangle) has carried it out.
  void statusPromptGoesWhenTheModeEnds_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("clicks");  // 0: drag a zoom rectangle
    QTest::newRow("delete row") << QStringLiteral("DelRowWMouse") << 1;
    QTest::newRow("chine column") << QStringLiteral("Vertica1") << 1;
    QTest::newRow("straighten") << QStringLiteral("Straightenrowcoloumn1") << 2;
    QTest::newRow("zoom window") << QStringLiteral("Zoomwindow1") << 0;
  }
  void statusPromptGoesWhenTheModeEnds() {
    QFETCH(QString, command);
    QFETCH(int, clicks);
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    ViewWindow* view = shell.profile();
    QStatusBar* status = shell.form->statusBar();
    shell.form->trigger(command);
    QVERIFY(shell.state.interaction.armed != ArmedMode::kNone);
    const int c = d.LastColumn / 2 - 1, r = d.LastRow / 2;
    if (clicks == 0) {
      QVERIFY(!status->currentMessage().isEmpty());
      const QPoint from(view->width() / 4, view->height() / 4);
      const QPoint to(view->width() / 2, view->height() / 2);
      QTest::mousePress(view, Qt::LeftButton, {}, from);
      QTest::mouseMove(view, to);
      QTest::mouseRelease(view, Qt::LeftButton, {}, to);
    }
    for (int k = 0; k < clicks; ++k) {
      if (k == 0 && clicks == 1) QVERIFY(!status->currentMessage().isEmpty());
      shell.click(view, shell.device(view, c + 2 * k, r));
      if (k + 1 < clicks) QVERIFY(!status->currentMessage().isEmpty());
    }
    QCOMPARE(shell.state.interaction.armed, ArmedMode::kNone);
    QCOMPARE(status->currentMessage(), QString());
  }

  // Selecting a vertex, or missing every vertex, repaints every view, so the
  // selection mark is where the selection is in all of them.
  void theSelectionMarkFollowsInEveryView() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    shell.form->trigger(QStringLiteral("Plan1"));
    ViewWindow* plan = shell.form->views().plan();
    ViewWindow* view = shell.profile();
    plan->repaint();
    auto marked = [](const ViewWindow* window) {
      for (const Square& square : window->displayList().squares())
        if (square.element == Element::kSelection) return true;
      return false;
    };
    QVERIFY(!marked(plan));
    const int c = d.LastColumn / 2, r = d.LastRow / 2;
    QTest::mousePress(view, Qt::LeftButton, {}, shell.device(view, c, r));
    QTest::mouseRelease(view, Qt::LeftButton, {}, shell.device(view, c, r));
    QTRY_VERIFY(marked(plan));
    QPoint empty(3, 3);
    QVERIFY(!PickVertex(d, *shell.state.surface, kProfileView, view->mapping(),
                        shell.state.viewOptions, view->mapping().ToLogical(empty.x(), empty.y()))
                 .valid());
    QTest::mousePress(view, Qt::LeftButton, {}, empty);
    QTest::mouseRelease(view, Qt::LeftButton, {}, empty);
    QCOMPARE(d.PickedColumn, -1);
    QTRY_VERIFY(!marked(plan));
  }

  // Each command changes the design, and one Undo gives it back exactly.
  void everyCommandIsUndone_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialogButton");  // a radio button to choose first
    QTest::addColumn<QString>("value");         // typed into the enabled field
    QTest::newRow("units") << QStringLiteral("Changeunitsinmm1") << QString() << QString();
    QTest::newRow("beam/length") << QStringLiteral("ExchangeBeamandLength1") << QString()
                                 << QString();
    QTest::newRow("beam/height") << QStringLiteral("ExchangeBeamandHeightCoordinates1")
                                 << QString() << QString();
    QTest::newRow("length/height") << QStringLiteral("ExchangeLengthandHeightCoordinates1")
                                   << QString() << QString();
    QTest::newRow("stretch by percent")
        << QStringLiteral("Stretchshrinkhull1") << QStringLiteral("setscale")
        << QStringLiteral("-50");
    QTest::newRow("stretch set length")
        << QStringLiteral("Stretchshrinkhull1") << QStringLiteral("SetDimen")
        << QStringLiteral("500");
    QTest::newRow("shift up") << QStringLiteral("Shifthull1") << QStringLiteral("updnbutton")
                              << QStringLiteral("7.5");
  }
  void everyCommandIsUndone() {
    QFETCH(QString, command);
    QFETCH(QString, dialogButton);
    QFETCH(QString, value);
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    const NetState before(d);
    shell.prompter.answers.push_back(1);  // "Change From INCHES to MILLIMETERS?"
    if (!dialogButton.isEmpty()) {
      QTimer::singleShot(0, shell.form.get(), [dialogButton, value] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* button = dialog->findChild<QRadioButton*>(dialogButton);
        QVERIFY(button);
        button->setChecked(true);
        for (auto* edit : dialog->findChildren<QLineEdit*>()) {
          if (edit->isEnabled()) edit->setText(value);
        }
        dialog->accept();
      });
    }
    shell.form->trigger(command);
    QVERIFY(!NetState(d).differenceFrom(before).isEmpty());
    QCOMPARE(d.UndoCount, 1);
    QVERIFY(shell.enabled("EditUndoItem"));
    shell.undo();
    QCOMPARE(NetState(d).differenceFrom(before), QString());
    QCOMPARE(d.UndoCount, 0);
  }

  // START and END on one row, then a vertex of the master row: the run
  // becomes the master row's vertices plus the typed offsets.
  void offsetARunFromAMasterRow() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    ViewWindow* view = shell.profile();
    const NetState before(d);
    const int c = 1, r = d.LastRow - 1, master = 2;
    shell.form->trigger(QStringLiteral("Offsetvertices1"));
    QCOMPARE(Last(shell.prompter.information), std::string(kOffsetPrompt));
    shell.click(view, shell.device(view, c, r));
    shell.click(view, shell.device(view, c + 2, r));
    Tvertex_offsetsDlg* dialog = shell.form->editCommands().offsetsDialog();
    QTimer::singleShot(0, dialog, [dialog] {
      QCOMPARE(dialog->beamEdit()->text(), QStringLiteral("0"));
      dialog->beamEdit()->clear();
      dialog->accept();  // an empty field: beeps and stays open
      QVERIFY(dialog->isVisible());
      QTest::keyClicks(dialog->beamEdit(), QStringLiteral("1.5x"));  // the x is dropped
      QCOMPARE(dialog->beamEdit()->text(), QStringLiteral("1.5"));
      dialog->heightEdit()->setText(QStringLiteral("-2"));
      dialog->accept();
    });
    shell.click(view, shell.device(view, c + 1, master));
    for (int column = c; column <= c + 2; ++column) {
      const Vertex& m = (*before.net)[column][master];
      QCOMPARE(d.Net[column][r].x, float(m.x + 1.5));
      QCOMPARE(d.Net[column][r].y, m.y);
      QCOMPARE(d.Net[column][r].z, float(m.z - 2));
      QCOMPARE(d.Net[column][r].w, (*before.net)[column][r].w);
    }
    QCOMPARE(shell.state.interaction.armed, ArmedMode::kNone);
    shell.undo();
    QCOMPARE(NetState(d).differenceFrom(before), QString());
  }

  void smoothARunThenUndo() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    ViewWindow* view = shell.profile();
    const NetState before(d);
    const int r = d.LastRow / 2;
    shell.form->trigger(QStringLiteral("Smoothrowcolumn1"));
    shell.click(view, shell.device(view, 1, r));
    shell.click(view, shell.device(view, d.LastColumn - 1, r));
    QCOMPARE(d.UndoCount, 1);
    QCOMPARE(shell.state.interaction.armed, ArmedMode::kNone);
    shell.undo();
    QCOMPARE(NetState(d).differenceFrom(before), QString());
  }

  void vertexEditorWeightRules() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    d.PickedColumn = 1;
    d.PickedRow = 1;
    Teditvertex* dialog = shell.form->editCommands().vertexDialog();
    QTimer::singleShot(0, dialog, [dialog, &shell] {
      dialog->weightEdit()->setText(QStringLiteral("0.5"));
      dialog->columnUpDown()->setValue(2);  // stores the weight, raised to 1
      QCOMPARE(Last(shell.prompter.information), std::string(kWeightAtLeastOne));
      QCOMPARE(shell.state.design.Net[1][1].w, 1.0f);
      // Past the last column is refused; the up-down stops at the net.
      dialog->columnUpDown()->setValue(shell.state.design.LastColumn + 5);
      QCOMPARE(dialog->columnUpDown()->value(), shell.state.design.LastColumn);
      dialog->weightEdit()->setText(QStringLiteral("0"));
      dialog->accept();
      QCOMPARE(Last(shell.prompter.information), std::string(kWeightPositive));
      QVERIFY(dialog->isVisible());
      dialog->weightEdit()->setText(QStringLiteral("2"));
      dialog->accept();
    });
    edit_vertex_open(shell);
    QCOMPARE(d.Net[d.LastColumn][1].w, 2.0f);
    QCOMPARE(d.UndoCount, 1);  // one step for the whole session
  }

  void accuracyDialog() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    // Cancel after typing: back to 0.01.
    shell.form->editCommands().AccuracyCommand([](QDialog& dialog) {
      QTimer::singleShot(0, &dialog, [&dialog] {
        auto& accuracy = static_cast<Thullaccuracy&>(dialog);
        accuracy.accuracyEdit()->setText(QStringLiteral("0.5"));
        dialog.reject();
      });
    });
    QCOMPARE(d.SurfaceAccuracy, 0.01);
    shell.form->editCommands().AccuracyCommand([](QDialog& dialog) {
      QTimer::singleShot(0, &dialog, [&dialog] {
        static_cast<Thullaccuracy&>(dialog).accuracyEdit()->setText(QStringLiteral("0.5"));
        dialog.accept();
      });
    });
    QCOMPARE(d.SurfaceAccuracy, 0.5);
  }

  void curveSettingsBestQualityAndNumbers() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    shell.form->editCommands().CurveSettingsCommand([](QDialog& dialog) {
      QTimer::singleShot(0, &dialog, [&dialog] {
        auto& settings = static_cast<TcurvesetDlg&>(dialog);
        settings.button("bestbutton")->click();
        settings.edit("stationedit")->setText(QStringLiteral("21"));
        QVERIFY(!settings.edit("stationspace")->isEnabled());
        dialog.accept();
      });
    });
    QCOMPARE(d.ColumnDivisions, std::min(200, d.LastColumn * 10));
    QCOMPARE(d.RowDivisions, std::min(200, d.LastRow * 10));
    QCOMPARE(d.StationCount, 21);
    QCOMPARE(d.StationSpacing, 0.0);
  }

  void curveSettingsInSurfaceModeDisableSectionOnlyFields() {
    EditShell shell;
    QVERIFY(shell.opened);
    shell.design().ShowSurface = true;
    bool checked = false;
    shell.form->editCommands().CurveSettingsCommand([&checked](QDialog& dialog) {
      QTimer::singleShot(0, &dialog, [&dialog, &checked] {
        auto& settings = static_cast<TcurvesetDlg&>(dialog);
        for (const char* name : {"chineptsedit", "edgeptsedit", "buttedit"}) {
          QVERIFY2(!settings.edit(name)->isEnabled(), name);
        }
        for (const char* name : {"numberbutton", "spacingbutton", "cutwaterbutton"}) {
          QVERIFY2(!settings.button(name)->isEnabled(), name);
        }
        QVERIFY(settings.edit("stationedit")->isEnabled());
        checked = true;
        dialog.reject();
      });
    });
    QVERIFY(checked);
  }

  void singleSectionsPackedInGridOrder() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    Tsinglecutsdlg* dialog = shell.form->editCommands().singleCutsDialog();
    QTimer::singleShot(0, dialog, [dialog, &shell] {
      dialog->pushButton("clearall")->click();
      dialog->check("stationcheck")->setChecked(true);
      QVERIFY(dialog->grid(SectionKind::kStation)->isEnabled());
      dialog->enterValue(SectionKind::kStation, 1, 30);
      dialog->enterValue(SectionKind::kStation, 4, 10);
      dialog->enterValue(SectionKind::kStation, 9, 20);
      dialog->enterValue(SectionKind::kStation, 6, 1e7);  // beyond the hull
      QCOMPARE(Last(shell.prompter.errors), std::string(kStationTooFar));
      QCOMPARE(dialog->grid(SectionKind::kStation)->item(6, 0)->text(), QString());
      QCOMPARE(dialog->grid(SectionKind::kStation)->item(4, 0)->text(), QStringLiteral("10.000"));
      dialog->accept();
    });
    shell.form->trigger(QStringLiteral("SpecialStationsWlsButts1"));
    QCOMPARE(d.SpecialStationCount, 3);
    // The list counts from 1.
    QCOMPARE(d.SpecialStations[1], 30.0);
    QCOMPARE(d.SpecialStations[2], 10.0);
    QCOMPARE(d.SpecialStations[3], 20.0);
    QVERIFY(d.SpecialStationsOn);

    // "Hide All Lines" unchecks every kind: the lists empty at OK.
    QTimer::singleShot(0, dialog, [dialog] {
      dialog->check("hidecheck")->setChecked(true);
      QVERIFY(!dialog->check("stationcheck")->isChecked());
      QVERIFY(!dialog->check("stationcheck")->isEnabled());
      dialog->accept();
    });
    shell.form->trigger(QStringLiteral("SpecialStationsWlsButts1"));
    QCOMPARE(d.SpecialStationCount, 0);
    QVERIFY(!d.SpecialStationsOn);
  }

  void offsetEntryBuildsTheBoxNet() {
    HullDesign design;
    Surface surface;
    RecordingPrompter prompter;
    Tnewoffsetdlg dialog(design, surface, prompter);
    dialog.stationSpin()->setValue(5);
    dialog.rowSpin()->setValue(4);
    dialog.edit("beamedit")->setText(QStringLiteral("0"));
    dialog.show();
    dialog.accept();
    QVERIFY(dialog.isVisible());  // a zero dimension keeps it open
    QCOMPARE(Last(prompter.errors), std::string("One or more hull dimensions are zero"));
    dialog.edit("beamedit")->setText(QStringLiteral("48"));
    dialog.accept();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(design.LastColumn, 4);
    QCOMPARE(design.LastRow, 3);
    QCOMPARE(design.Net[4][0].y, 360.0f);
    QCOMPARE(design.Net[4][0].z, -9.6f);
    QCOMPARE(design.Net[4][3].x, 48.0f);
    QCOMPARE(design.Net[4][3].z, 48.0f);
  }

  // The delete guard refuses before anything is armed.
  void deleteRefusedWhenTooFewWouldRemain() {
    EditShell shell;
    QVERIFY(shell.opened);
    HullDesign& d = shell.design();
    d.StationTension = d.LastRow - 1;
    shell.form->trigger(QStringLiteral("DelRowWMouse"));
    QCOMPARE(shell.state.interaction.armed, ArmedMode::kNone);
    QCOMPARE(Last(shell.prompter.errors), std::string(kTooFewToDelete));
    shell.form->trigger(QStringLiteral("delRowBYRC"));
    QVERIFY(!shell.form->editCommands().rowColumnDialog()->isVisible());
  }
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
