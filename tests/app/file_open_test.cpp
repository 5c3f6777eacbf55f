// File › Open through the open-dialog loop, with the user's choices
// scripted: the filter list, the refusals that show the dialog again, the
// after-import reset, the caption rule, and a design named on the command
// line.
#include <QLabel>
#include <QStandardPaths>
#include <QtTest>

#include "files/design_file.h"
#include "files/file_commands.h"
#include "shell_fixtures.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

class FileOpenTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void opensThroughTheDialogWithTheGivenFilters() {
    Shell shell;
    shell.state.design.DesignDirectory = "/some/where/";
    const QString path = shell.copyExample("sailboat.s98");
    QVERIFY(shell.open(path));

    QCOMPARE(shell.files.openRequests.size(), size_t{1});
    const FileRequest& request = shell.files.openRequests.front();
    QCOMPARE(request.filters,
             QStringLiteral("SKELMORA 98 Hull Files|*.s98|DXF Hull Files|*.dxf|DXF Keel / Rudder "
                            "Files|*.dxf|Measure Marker Files|*.mkr|SKELMORA 5&6 Hull "
                            "Files|*.shl|IGES NURB Hull Files|*.igs|FastShip IDF Files|*.idf"));
    QCOMPARE(request.filterIndex, 1);
    QCOMPARE(request.directory, QStringLiteral("/some/where/"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("s98"));

    QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - ") + path);
    auto* statension = shell.form->findChild<QLabel*>(QStringLiteral("statension"));
    auto* wlstension = shell.form->findChild<QLabel*>(QStringLiteral("wlstension"));
    QVERIFY(statension && wlstension);
    QCOMPARE(statension->text(),
             QStringLiteral("Sta.Tension=%1").arg(shell.state.design.StationTension));
    QCOMPARE(wlstension->text(),
             QStringLiteral("Wls.Tension=%1").arg(shell.state.design.WaterlineTension));
    QVERIFY(shell.prompter.errors.empty());
    QVERIFY(!shell.enabled("EditUndoItem"));
    QVERIFY(!shell.enabled("undo_button"));
    QVERIFY(!shell.form->HasUnsavedChanges());
  }

  void captionStartsWithTheTitleAlone() {
    Shell shell;
    QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - "));
  }

  // A refused choice shows its message and the dialog again; Cancel then
  // leaves the design that was open exactly as it was.
  void refusedChoicesReopenTheDialog_data() {
    QTest::addColumn<int>("filter");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("DXF hull") << 2 << QByteArray("0\nSECTION\n")
                              << QStringLiteral("This file type is NOT a SKELMORA hull file");
    QTest::newRow("DXF keel") << 3 << QByteArray("0\nSECTION\n")
                              << QStringLiteral("This file type is NOT a SKELMORA hull file");
    QTest::newRow("markers") << 4 << QByteArray("0 0\n1 2 3\n")
                             << QStringLiteral("This file type is NOT a SKELMORA hull file");
    QTest::newRow("IDF") << 7 << QByteArray("x\n")
                         << QStringLiteral("This file type is NOT a SKELMORA hull file");
    QTest::newRow("net too large") << 1 << QByteArray("111234\n1 3 3 60 6\n")
                                   << QStringLiteral("61 columns");
    QTest::newRow("ends early") << 1 << QByteArray("111234\n1 3 3 2 2\n0 0 0 1\n")
                                << QStringLiteral("ends");
  }
  void refusedChoicesReopenTheDialog() {
    QFETCH(int, filter);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    Shell shell;
    const QString good = shell.copyExample("sailboat.s98");
    QVERIFY(shell.open(good));
    const HullDesign before = shell.state.design;
    const QString caption = shell.form->windowTitle();

    const QString bad = shell.writeFile("bad.s98", content);
    shell.files.openAnswers = {ChosenFile{bad, filter}, std::nullopt};
    shell.files.openRequests.clear();
    shell.form->trigger(QStringLiteral("FileOpenItem"));

    QCOMPARE(shell.files.openRequests.size(), size_t{2});
    QCOMPARE(shell.prompter.errors.size(), size_t{1});
    QVERIFY2(QString::fromStdString(shell.prompter.errors[0]).contains(message),
             shell.prompter.errors[0].c_str());
    QCOMPARE(shell.form->windowTitle(), caption);
    const HullDesign& after = shell.state.design;
    QCOMPARE(after.DesignFileName, before.DesignFileName);
    QCOMPARE(after.LastColumn, before.LastColumn);
    QCOMPARE(after.Net[3][2].z, before.Net[3][2].z);
    QVERIFY(!shell.form->HasUnsavedChanges());
  }

  void aRefusalThenAGoodChoiceOpensIt() {
    Shell shell;
    const QString path = shell.copyExample("workboat.s98");
    shell.files.openAnswers = {ChosenFile{path, 2}, ChosenFile{path, 1}};
    shell.form->trigger(QStringLiteral("FileOpenItem"));
    QCOMPARE(shell.files.openRequests.size(), size_t{2});
    QCOMPARE(shell.prompter.errors,
             std::vector<std::string>{"This file type is NOT a SKELMORA hull file"});
    QVERIFY(shell.state.design.DesignOpen);
    QCOMPARE(QString::fromStdString(shell.state.design.DesignFileName), path);
  }

  // What the reset after a read clears: the reference hull, the history
  // and any armed pick mode; the draw items start disabled again. What the
  // file holds stays (see openKeepsTheSpecialSections).
  void afterImportReset() {
    Shell shell;
    HullDesign& design = shell.state.design;
    const QString first = shell.copyExample("sailboat.s98");
    QVERIFY(shell.open(first));
    // Leave some state behind that the next open must clear.
    const QString markers = shell.writeFile("m.mkr", "0 0\n1.0 2.0 3.0\n");
    shell.files.openAnswers = {ChosenFile{markers, 4}};
    shell.form->trigger(QStringLiteral("ReadMeasureMarkerFile1"));
    QVERIFY(shell.enabled("DrawMarkers"));
    shell.state.interaction.armed = ArmedMode::kZoomWindow;
    shell.state.viewOptions.singleLine = SingleLine{SingleLine::Kind::kRow, 6};
    design.UndoCount = 3;

    const QString second = shell.copyExample("workboat.s98");
    shell.prompter.answers = {0};  // the marker file is an unsaved change: "No"
    QVERIFY(shell.open(second));
    QVERIFY(!design.RefHullShown);
    QVERIFY(!design.MarkersShown);
    QCOMPARE(design.UndoCount, 0);
    QVERIFY(design.UndoFileFresh);
    QVERIFY(shell.state.interaction.armed == ArmedMode::kNone);
    QVERIFY(shell.state.viewOptions.singleLine.kind == SingleLine::Kind::kNone);
    QVERIFY(!shell.enabled("DrawMarkers"));
    QVERIFY(!shell.enabled("DrawRefHull"));
    QVERIFY(!shell.enabled("drawkeel"));
    QVERIFY(!shell.enabled("EditUndoItem"));
  }

  // A design file's special stations and waterlines come in with it and go
  // out again with the next save; only the geometry imports start empty.
  void openKeepsTheSpecialSections() {
    Shell shell;
    const QString path = shell.copyExample("workboat.s98");
    auto fromFile = std::make_unique<HullDesign>();
    auto surface = std::make_unique<Surface>();
    std::string message;
    // The workboat with special stations and waterlines saved in it.
    QVERIFY(ReadDesignFile(*fromFile, *surface, path.toStdString(), message));
    fromFile->SpecialStationsOn = fromFile->SpecialWaterlinesOn = true;
    fromFile->SpecialStationCount = 7;
    for (int i = 1; i <= 7; ++i) fromFile->SpecialStations[i] = 900.0 * i + 0.25;
    fromFile->SpecialWaterlineCount = 2;
    fromFile->SpecialWaterlines[1] = -120.5;
    fromFile->SpecialWaterlines[2] = 300.0;
    QVERIFY(WriteDesignFile(*fromFile, path.toStdString(), message));
    QVERIFY(ReadDesignFile(*fromFile, *surface, path.toStdString(), message));
    QVERIFY(fromFile->SpecialStationsOn && fromFile->SpecialStationCount == 7);
    QVERIFY(fromFile->SpecialWaterlinesOn && fromFile->SpecialWaterlineCount > 0);

    QVERIFY(shell.open(path));
    const HullDesign& design = shell.state.design;
    auto same = [](const HullDesign& a, const HullDesign& b) {
      if (a.SpecialStationsOn != b.SpecialStationsOn ||
          a.SpecialWaterlinesOn != b.SpecialWaterlinesOn ||
          a.SpecialButtocksOn != b.SpecialButtocksOn ||
          a.SpecialStationCount != b.SpecialStationCount ||
          a.SpecialWaterlineCount != b.SpecialWaterlineCount ||
          a.SpecialButtockCount != b.SpecialButtockCount)
        return false;
      for (int i = 1; i <= a.SpecialStationCount; ++i)
        if (a.SpecialStations[i] != b.SpecialStations[i]) return false;
      for (int i = 1; i <= a.SpecialWaterlineCount; ++i)
        if (a.SpecialWaterlines[i] != b.SpecialWaterlines[i]) return false;
      return true;
    };
    QVERIFY(same(design, *fromFile));
    QVERIFY(!shell.form->HasUnsavedChanges());

    shell.form->trigger(QStringLiteral("FileSaveItem"));
    QVERIFY(shell.prompter.errors.empty());
    auto saved = std::make_unique<HullDesign>();
    QVERIFY(ReadDesignFile(*saved, *surface, path.toStdString(), message));
    QVERIFY(same(*saved, *fromFile));
  }

  void commandLine_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("message");
    QTest::newRow("design") << QStringLiteral("a.s98") << QByteArray() << true << QString();
    QTest::newRow("malformed") << QStringLiteral("b.s98") << QByteArray("111234\n1 0 3 2 2\n")
                               << false << QStringLiteral("tension");
    QTest::newRow("missing") << QStringLiteral("gone.s98") << QByteArray() << false
                             << QStringLiteral("Cannot open the file");
    QTest::newRow("other type") << QStringLiteral("c.dxf") << QByteArray("0\n") << false
                                << QStringLiteral("This file type is NOT a SKELMORA hull file");
  }
  void commandLine() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, opens);
    QFETCH(QString, message);
    Shell shell;
    QString path = shell.dir.filePath(name);
    if (name == QLatin1String("a.s98")) {
      path = shell.copyExample("sailboat.s98");
    } else if (!content.isEmpty()) {
      path = shell.writeFile(name.toLatin1().constData(), content);
    }
    QCOMPARE(shell.form->OpenDesignFile(path), opens);
    QCOMPARE(shell.state.design.DesignOpen, opens);
    if (opens) {
      QVERIFY(shell.prompter.errors.empty());
      QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - ") + path);
    } else {
      QCOMPARE(shell.prompter.errors.size(), size_t{1});
      QVERIFY2(QString::fromStdString(shell.prompter.errors[0]).contains(message),
               shell.prompter.errors[0].c_str());
      QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - "));
    }
  }
};

QTEST_MAIN(FileOpenTest)
#include "file_open_test.moc"
