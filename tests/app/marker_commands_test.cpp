// The measure marker commands of the File menu, the marker file's check on
// repaint, and File › New › "Convert Vertices to Measure Markers".
#include <QRadioButton>
#include <QStandardPaths>
#include <QtTest>

#include "files/file_commands.h"
#include "files/markers.h"
#include "files/new_type_dialog.h"
#include "shell_fixtures.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

QList<QByteArray> Lines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QList<QByteArray> lines = file.readAll().split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

class MarkerCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void readingMarkersNeedsADesign() {
    Shell shell;
    shell.form->trigger(QStringLiteral("ReadMeasureMarkerFile1"));
    QCOMPARE(shell.prompter.errors,
             std::vector<std::string>{"Open a SKELMORA hull file first, then read a marker file"});
    QVERIFY(shell.files.openRequests.empty());
  }

  void readShowAndCloseMarkers() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    const QString markers = shell.writeFile("points.mkr", "1 0\r\n1.0 2.0 3.0\r\n4.0 5.0 6.0\r\n");
    shell.files.openAnswers = {ChosenFile{markers, 4}};
    shell.files.openRequests.clear();
    shell.form->trigger(QStringLiteral("ReadMeasureMarkerFile1"));
    QCOMPARE(shell.files.openRequests.size(), size_t{1});
    QCOMPARE(shell.files.openRequests[0].filterIndex, 4);
    QCOMPARE(shell.files.openRequests[0].filters, QLatin1String(kOpenFilters));

    HullDesign& design = shell.state.design;
    QCOMPARE(QString::fromStdString(design.MarkerFileName), markers);
    QVERIFY(design.MarkersShown);
    QAction* drawMarkers = shell.form->command(QStringLiteral("DrawMarkers"));
    QVERIFY(drawMarkers->isEnabled() && drawMarkers->isChecked());

    shell.form->trigger(QStringLiteral("CloseMarkerFile1"));
    QVERIFY(!design.MarkersShown);
    QVERIFY(!drawMarkers->isChecked());
    shell.form->trigger(QStringLiteral("DrawMarkers"));
    QVERIFY(design.MarkersShown);
    QVERIFY(shell.prompter.errors.empty());
  }

  // The views read the file at every paint; a grid count beyond 50 is
  // refused there with the message, and the markers go off.
  void aBadMarkerFileIsRefusedOnRepaint() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    shell.form->resize(1200, 800);
    shell.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(shell.form.get()));
    const QString markers = shell.writeFile("bad.mkr", "51 3\r\n1.0 2.0 3.0\r\n");
    shell.files.openAnswers = {ChosenFile{markers, 4}};
    shell.form->trigger(QStringLiteral("ReadMeasureMarkerFile1"));
    shell.form->views().body()->repaint();
    QTRY_VERIFY(!shell.prompter.errors.empty());
    QCOMPARE(shell.prompter.errors.front(), std::string(kMarkerCountMessage));
    QVERIFY(!shell.state.design.MarkersShown);
    QCOMPARE(QString::fromStdString(shell.state.design.MarkerFileName), markers);
  }

  void closeCommandsClearOnlyTheirFlag() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    HullDesign& design = shell.state.design;
    design.RefHullShown = true;
    design.KeelRudderShown = true;
    design.MarkersShown = true;
    design.MarkerFileName = "m.mkr";
    QVERIFY(!shell.enabled("CloseRefhull"));
    shell.form->RefreshCommandStates();
    shell.form->trigger(QStringLiteral("CloseRefhull"));
    QVERIFY(!design.RefHullShown);
    QVERIFY(design.KeelRudderShown && design.MarkersShown);
    shell.form->trigger(QStringLiteral("CloseKeelRudderFiles1"));
    QVERIFY(!design.KeelRudderShown);
    QVERIFY(design.MarkersShown);
    QVERIFY(!shell.enabled("CloseRefhull") && !shell.enabled("CloseKeelRudderFiles1"));
    QVERIFY(shell.enabled("CloseMarkerFile1"));
  }

  void theChooserOffersWhatIsBuilt() {
    TNewTypeDlg dialog;
    QCOMPARE(dialog.choice(), NewDesignKind::kParametricHull);
    for (NewDesignKind kind : {NewDesignKind::kParametricHull, NewDesignKind::kParametricShape,
                               NewDesignKind::kOffsetTable, NewDesignKind::kDeck}) {
      dialog.setUnavailable(kind, QStringLiteral("later"));
    }
    QCOMPARE(dialog.choice(), NewDesignKind::kVerticesToMarkers);
    QVERIFY(!dialog.button(NewDesignKind::kParametricHull)->isEnabled());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select A New File Type"));
  }

  void convertVerticesToMarkers() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("workboat.s98")));
    shell.edit([](HullDesign& d) { d.Net[1][1].x += 1.0f; });
    const QString hull = shell.copyExample("sailboat.s98");
    shell.form->fileCommands().chooseNewKind = [](QWidget*) {
      return std::optional<NewDesignKind>(NewDesignKind::kVerticesToMarkers);
    };
    // A DXF choice is refused and the dialog shows again.
    shell.files.openAnswers = {ChosenFile{hull, 2}, ChosenFile{hull, 1}};
    shell.files.saveAnswers = {ChosenFile{shell.dir.filePath(QStringLiteral("net.s98")), 2}};
    shell.files.openRequests.clear();
    shell.prompter.answers = {0};  // "Save changes to ...?" No: the edit goes
    shell.form->trigger(QStringLiteral("FileNewItem"));

    QCOMPARE(shell.prompter.questions.size(), size_t{1});
    QCOMPARE(shell.prompter.errors,
             std::vector<std::string>{"This file is not a hull file type. Please try again"});
    QCOMPARE(shell.files.openRequests.size(), size_t{2});
    QCOMPARE(shell.files.saveRequests.at(0).filterIndex, 2);
    const QString markerPath = shell.dir.filePath(QStringLiteral("net.mkr"));
    const QList<QByteArray> lines = Lines(markerPath);
    HullDesign& design = shell.state.design;
    const int columns = design.LastColumn + 1;
    const int rows = design.LastRow + 1;
    QVERIFY(columns > 2 && rows > 2);
    QCOMPARE(lines.size(), 1 + columns * rows);
    QCOMPARE(lines[0].trimmed(),
             QByteArray::number(columns - 1) + ' ' + QByteArray::number(rows - 1));
    // Column by column: the second line is vertex [0][0], the last [C][R].
    QCOMPARE(lines[1].simplified().split(' ').at(2).toFloat(), design.Net[0][0].z);
    QCOMPARE(lines.last().simplified().split(' ').at(0).toFloat(),
             design.Net[columns - 1][rows - 1].x);
    QCOMPARE(QString::fromStdString(design.MarkerFileName), markerPath);
    QVERIFY(design.MarkersShown);
    QVERIFY(design.ShowStations);
    QVERIFY(!design.PerspectiveViewOpen);
    QCOMPARE(QString::fromStdString(design.DesignFileName), hull);
    QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - ") + hull);
    QCOMPARE(design.UndoCount, 0);
    QVERIFY(!shell.enabled("EditUndoItem"));
  }

  void cancellingTheMarkerNameChangesNothing() {
    Shell shell;
    const QString first = shell.copyExample("workboat.s98");
    QVERIFY(shell.open(first));
    shell.edit([](HullDesign& d) { d.Net[1][1].x += 1.0f; });
    const QString hull = shell.copyExample("sailboat.s98");
    shell.form->fileCommands().chooseNewKind = [](QWidget*) {
      return std::optional<NewDesignKind>(NewDesignKind::kVerticesToMarkers);
    };
    shell.files.openAnswers = {ChosenFile{hull, 1}};
    shell.files.saveAnswers = {std::nullopt};
    shell.form->trigger(QStringLiteral("FileNewItem"));
    QCOMPARE(QString::fromStdString(shell.state.design.DesignFileName), first);
    QCOMPARE(shell.state.design.UndoCount, 1);
    QVERIFY(shell.enabled("EditUndoItem"));
    QVERIFY(QDir(shell.dir.path()).entryList({QStringLiteral("*.mkr")}).isEmpty());
  }
};

QTEST_MAIN(MarkerCommandsTest)
#include "marker_commands_test.moc"
