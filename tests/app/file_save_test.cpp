// File › Save and Save As through the save flow, and closing the main
// window with and without unsaved changes.
#include <QStandardPaths>
#include <QtTest>
#include <memory>

#include "files/design_file.h"
#include "model/undo.h"
#include "shell_fixtures.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

std::unique_ptr<HullDesign> ReadBack(const QString& path) {
  auto design = std::make_unique<HullDesign>();
  auto surface = std::make_unique<Surface>();
  std::string message;
  if (!ReadDesignFile(*design, *surface, path.toStdString(), message)) return nullptr;
  return design;
}

}  // namespace

class FileSaveTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void saveWritesTheDesignBack() {
    Shell shell;
    const QString path = shell.copyExample("sailboat.s98");
    QVERIFY(shell.open(path));
    HullDesign& design = shell.state.design;
    shell.edit([](HullDesign& d) { d.Net[4][3].x += 1.25f; });
    shell.edit([](HullDesign& d) { d.Net[4][3].z -= 0.5f; });
    QVERIFY(shell.form->HasUnsavedChanges());
    QVERIFY(shell.enabled("EditUndoItem"));

    shell.form->trigger(QStringLiteral("FileSaveItem"));
    QVERIFY(shell.prompter.questions.empty());  // no confirmation from the menu
    QVERIFY(shell.prompter.errors.empty());
    const auto saved = ReadBack(path);
    QVERIFY(saved);
    QCOMPARE(saved->Net[4][3].x, design.Net[4][3].x);
    QCOMPARE(saved->Net[4][3].z, design.Net[4][3].z);
    QVERIFY(!shell.form->HasUnsavedChanges());
    QCOMPARE(design.UndoCount, 0);
    QVERIFY(!shell.enabled("EditUndoItem"));
    QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - ") + path);
  }

  void saveWithoutADesignDoesNothing() {
    Shell shell;
    shell.form->trigger(QStringLiteral("FileSaveItem"));
    shell.form->trigger(QStringLiteral("FileSaveAsItem"));
    QVERIFY(shell.files.saveRequests.empty());
    QVERIFY(shell.prompter.errors.empty());
  }

  void saveAsTakesTheNewName_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("with extension") << QStringLiteral("copy.s98") << QStringLiteral("copy.s98");
    QTest::newRow("without extension") << QStringLiteral("copy") << QStringLiteral("copy.s98");
  }
  void saveAsTakesTheNewName() {
    QFETCH(QString, typed);
    QFETCH(QString, written);
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    shell.files.saveAnswers = {ChosenFile{shell.dir.filePath(typed), 1}};
    shell.form->trigger(QStringLiteral("FileSaveAsItem"));

    QCOMPARE(shell.files.saveRequests.size(), size_t{1});
    const FileRequest& request = shell.files.saveRequests.front();
    QCOMPARE(request.filters,
             QStringLiteral("SKELMORA 98 Hull Files|*.s98|Measure Marker Files|*.mkr|SKELMORA "
                            "5&6 Hull Files|*.shl|Text Offset File|*.txt"));
    QCOMPARE(request.filterIndex, 1);
    const QString target = shell.dir.filePath(written);
    QVERIFY(ReadBack(target));
    QCOMPARE(QString::fromStdString(shell.state.design.DesignFileName), target);
    QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - ") + target);
    QVERIFY(!shell.form->HasUnsavedChanges());
  }

  void saveAsMarkersLeavesTheDesignAlone() {
    Shell shell;
    const QString path = shell.copyExample("sailboat.s98");
    QVERIFY(shell.open(path));
    shell.files.saveAnswers = {ChosenFile{shell.dir.filePath(QStringLiteral("net.s98")), 2}};
    shell.form->trigger(QStringLiteral("FileSaveAsItem"));
    QFile markers(shell.dir.filePath(QStringLiteral("net.mkr")));
    QVERIFY(markers.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = markers.readAll().split('\n');
    const HullDesign& design = shell.state.design;
    QCOMPARE(lines.first().trimmed(),
             QByteArray::number(design.LastColumn) + ' ' + QByteArray::number(design.LastRow));
    QVERIFY(!QFile::exists(shell.dir.filePath(QStringLiteral("net.s98"))));
    QCOMPARE(QString::fromStdString(design.DesignFileName), path);
    QVERIFY(!design.MarkersShown);
  }

  void aFailedSaveAsKeepsTheOldName() {
    Shell shell;
    const QString path = shell.copyExample("sailboat.s98");
    QVERIFY(shell.open(path));
    shell.files.saveAnswers = {
        ChosenFile{shell.dir.filePath(QStringLiteral("no/such/dir/x.s98")), 1}};
    shell.form->trigger(QStringLiteral("FileSaveAsItem"));
    QCOMPARE(shell.prompter.errors.size(), size_t{1});
    QVERIFY(QString::fromStdString(shell.prompter.errors[0]).startsWith("Cannot save the file: "));
    QCOMPARE(QString::fromStdString(shell.state.design.DesignFileName), path);
    QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - ") + path);
  }

  // Closing asks only when there is something to lose: Yes saves and
  // closes, No closes, Cancel stays.
  void closing_data() {
    QTest::addColumn<bool>("edit");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("no changes") << false << -1 << false << true << false;
    QTest::newRow("yes") << true << 1 << true << true << true;
    QTest::newRow("no") << true << 0 << true << true << false;
    QTest::newRow("cancel") << true << -1 << true << false << false;
  }
  void closing() {
    QFETCH(bool, edit);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    Shell shell;
    const QString path = shell.copyExample("sailboat.s98");
    QVERIFY(shell.open(path));
    shell.form->show();
    HullDesign& design = shell.state.design;
    const float original = design.Net[2][2].y;
    if (edit) design.Net[2][2].y += 3.0f;
    shell.prompter.answers = {answer};

    QCOMPARE(shell.form->close(), closed);
    QCOMPARE(!shell.prompter.questions.empty(), asked);
    if (asked) {
      QCOMPARE(shell.prompter.questions.front(), "Save changes to " + design.DesignFileName + "?");
    }
    const auto onDisk = ReadBack(path);
    QVERIFY(onDisk);
    QCOMPARE(onDisk->Net[2][2].y, saved ? original + 3.0f : original);
  }

  // File › Open and File › New replace the design, so they ask as closing
  // does: Yes saves first, No goes on without saving, Cancel changes nothing
  // and shows no dialog.
  void replacingAsksToSaveFirst_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("saved");
    for (const char* command : {"FileOpenItem", "FileNewItem"}) {
      const QString name = QLatin1String(command);
      QTest::addRow("%s yes", command) << name << 1 << true << true;
      QTest::addRow("%s no", command) << name << 0 << true << false;
      QTest::addRow("%s cancel", command) << name << -1 << false << false;
    }
  }
  void replacingAsksToSaveFirst() {
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    QFETCH(bool, saved);
    Shell shell;
    const QString path = shell.copyExample("sailboat.s98");
    const QString other = shell.copyExample("workboat.s98");
    QVERIFY(shell.open(path));
    HullDesign& design = shell.state.design;
    const float original = design.Net[2][2].y;
    shell.edit([](HullDesign& d) { d.Net[2][2].y += 3.0f; });
    int chooserShown = 0;
    shell.form->fileCommands().chooseNewKind = [&](QWidget*) {
      ++chooserShown;
      return std::optional<NewDesignKind>();
    };
    shell.files.openRequests.clear();
    shell.files.openAnswers = {ChosenFile{other, 1}};
    shell.prompter.answers = {answer};

    shell.form->trigger(command);
    QCOMPARE(shell.prompter.questions,
             std::vector<std::string>{"Save changes to " + path.toStdString() + "?"});
    const bool dialogShown = command == QLatin1String("FileOpenItem")
                                 ? !shell.files.openRequests.empty()
                                 : chooserShown > 0;
    QCOMPARE(dialogShown, goesOn);
    const auto onDisk = ReadBack(path);
    QVERIFY(onDisk);
    QCOMPARE(onDisk->Net[2][2].y, saved ? original + 3.0f : original);
    if (command == QLatin1String("FileOpenItem")) {
      QCOMPARE(QString::fromStdString(design.DesignFileName), goesOn ? other : path);
    }
    if (!goesOn) QCOMPARE(design.Net[2][2].y, original + 3.0f);

    // Nothing unsaved: no question.
    shell.prompter.questions.clear();
    shell.files.openAnswers = {std::nullopt};
    if (!goesOn || !saved) {
      shell.form->trigger(QStringLiteral("FileSaveItem"));
      shell.prompter.questions.clear();
    }
    shell.form->trigger(QStringLiteral("FileOpenItem"));
    QVERIFY(shell.prompter.questions.empty());
  }

  // Painting works out section positions and writes them back into the
  // design; looking at a design is still not a change.
  void viewingIsNotAChange() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("workboat.s98")));
    shell.form->resize(1200, 800);
    shell.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(shell.form.get()));
    for (ViewWindow* view : shell.form->views().all()) view->repaint();
    shell.form->trigger(QStringLiteral("WindowCascadeItem"));
    QVERIFY(!shell.form->HasUnsavedChanges());
  }

  void closingAfterUndoingEveryEditDoesNotAsk() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    for (int step = 0; step < 2; ++step) {
      shell.edit([step](HullDesign& d) { d.Net[3][step].x += 1.0f; });
    }
    QVERIFY(shell.form->HasUnsavedChanges());
    shell.form->trigger(QStringLiteral("EditUndoItem"));
    QVERIFY(shell.form->HasUnsavedChanges());
    shell.form->trigger(QStringLiteral("undo_button"));
    QVERIFY(!shell.form->HasUnsavedChanges());
    shell.form->show();
    QVERIFY(shell.form->close());
    QVERIFY(shell.prompter.questions.empty());
  }

  void aFailedSaveOnCloseKeepsTheWindowOpen() {
    Shell shell;
    const QString path = shell.copyExample("sailboat.s98");
    QVERIFY(shell.open(path));
    shell.state.design.Net[1][1].z += 1.0f;
    // The design's directory is gone, so the save cannot be written.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir(shell.dir.path()).rename(shell.dir.path(), shell.dir.path() + "-moved"));
    shell.form->show();
    shell.prompter.answers = {1};
    QVERIFY(!shell.form->close());
    QCOMPARE(shell.prompter.errors.size(), size_t{1});
    QDir(shell.dir.path() + "-moved").rename(shell.dir.path() + "-moved", shell.dir.path());
  }
};

QTEST_MAIN(FileSaveTest)
#include "file_save_test.moc"
