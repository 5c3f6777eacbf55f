// Older ".shl" files in the program: File › Open with the older type, the
// current-format file that is renamed, the save flow's older branch with
// the "File Type" choice, and Save As with the older type.
#include <QLabel>
#include <QStandardPaths>
#include <QtTest>

#include <QRadioButton>

#include "files/design_file.h"
#include "files/file_format_dialog.h"
#include "files/older_file.h"
#include "shell_fixtures.h"
#include "support/sample_hull.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

QByteArray OlderText(OlderVersion version) {
  auto hull = skelmora::testing::MakeSampleHull();
  hull->StationTension = 2;
  return QByteArray::fromStdString(FormatOlderText(*hull, version));
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class OlderFileCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void opensBothVersionsWithTheOlderType_data() {
    QTest::addColumn<int>("version");
    QTest::newRow("5") << 5;
    QTest::newRow("6") << 6;
  }
  void opensBothVersionsWithTheOlderType() {
    QFETCH(int, version);
    Shell shell;
    const QString path = shell.writeFile("old.shl", OlderText(static_cast<OlderVersion>(version)));
    QVERIFY(shell.open(path, 5));
    QCOMPARE(shell.state.design.LastColumn, 6);
    QCOMPARE(shell.state.design.StationTension, 2);
    QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - ") + path);
    auto* statension = shell.form->findChild<QLabel*>(QStringLiteral("statension"));
    QCOMPARE(statension->text(), QStringLiteral("Sta.Tension=2"));
    QVERIFY(shell.prompter.shown.empty());
    QVERIFY(!shell.form->HasUnsavedChanges());
  }

  void aRefusedOlderFileKeepsTheOpenDesignAndReopensTheDialog() {
    Shell shell;
    const QString good = shell.writeFile("good.shl", OlderText(OlderVersion::kVersion6));
    QVERIFY(shell.open(good, 5));
    const std::string before = FormatDesignText(shell.state.design, false);
    const QString bad = shell.writeFile("bad.shl", "111234\n1 3 3 2 2\n11 0\n");
    shell.files.openAnswers = {ChosenFile{bad, 5}, std::nullopt};
    shell.form->trigger(QStringLiteral("FileOpenItem"));
    QCOMPARE(shell.files.openRequests.size(), size_t{3});
    QCOMPARE(shell.prompter.errors.size(), size_t{1});
    QVERIFY(QString::fromStdString(shell.prompter.errors[0]).contains("11 column chines"));
    QCOMPARE(FormatDesignText(shell.state.design, false), before);
    QCOMPARE(QString::fromStdString(shell.state.design.DesignFileName), good);
  }

  void aCurrentFormatFileIsRenamedAndNoDesignStaysOpen() {
    Shell shell;
    const QString good = shell.writeFile("good.shl", OlderText(OlderVersion::kVersion6));
    QVERIFY(shell.open(good, 5));
    auto hull = skelmora::testing::MakeSampleHull();
    const QString path =
        shell.writeFile("new.shl", QByteArray::fromStdString(FormatDesignText(*hull, false)));
    shell.files.openAnswers = {ChosenFile{path, 5}};
    shell.form->trigger(QStringLiteral("FileOpenItem"));
    QCOMPARE(shell.files.openRequests.size(), size_t{2});  // not shown again
    const QString renamed = shell.dir.filePath(QStringLiteral("new.s98"));
    QVERIFY(QFile::exists(renamed));
    QVERIFY(!QFile::exists(path));
    QVERIFY(!shell.state.design.DesignOpen);
    QCOMPARE(shell.prompter.information,
             std::vector<std::string>{"Please reopen " + renamed.toStdString() + " as a S98 file"});
    QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - "));
    // The new name opens with the current type.
    QVERIFY(shell.open(renamed, 1));
  }

  void savingAnOlderDesignAsksToConvert_data() {
    QTest::addColumn<bool>("convert");
    QTest::newRow("yes: written as .s98") << true;
    QTest::newRow("no: version 5 under its name") << false;
  }
  void savingAnOlderDesignAsksToConvert() {
    QFETCH(bool, convert);
    Shell shell;
    const QString path = shell.writeFile("old.shl", OlderText(OlderVersion::kVersion6));
    QVERIFY(shell.open(path, 5));
    int asked = 0;
    shell.form->fileCommands().chooseOlderVersion = [&](QWidget*) {
      ++asked;
      return OlderVersion::kVersion5;
    };
    shell.edit([](HullDesign& d) { d.Net[1][1].x += 1.0f; });
    shell.prompter.answers = {convert ? 1 : 0};
    shell.form->trigger(QStringLiteral("FileSaveItem"));
    QCOMPARE(shell.prompter.questions,
             std::vector<std::string>{
                 "File is Older Skelmora 5/6 type. Save it as SKELMORA V7 Version?"});
    const QString s98 = shell.dir.filePath(QStringLiteral("old.s98"));
    const HullDesign& design = shell.state.design;
    if (convert) {
      QCOMPARE(asked, 0);
      QVERIFY(QFile::exists(s98));
      QCOMPARE(QString::fromStdString(design.DesignFileName), s98);
      QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - ") + s98);
    } else {
      QCOMPARE(asked, 1);
      QVERIFY(!QFile::exists(s98));
      QCOMPARE(FileBytes(path),
               QByteArray::fromStdString(FormatOlderText(design, OlderVersion::kVersion5)));
      QCOMPARE(QString::fromStdString(design.DesignFileName), path);
    }
    QVERIFY(!shell.form->HasUnsavedChanges());
    QVERIFY(!shell.enabled("EditUndoItem"));
  }

  void saveAsWithTheOlderTypeWritesAShlFile() {
    Shell shell;
    const QString path = shell.writeFile("old.shl", OlderText(OlderVersion::kVersion5));
    QVERIFY(shell.open(path, 5));
    shell.form->fileCommands().chooseOlderVersion = [](QWidget*) {
      return OlderVersion::kVersion6;
    };
    shell.files.saveAnswers = {ChosenFile{shell.dir.filePath(QStringLiteral("copy")), 3}};
    shell.form->trigger(QStringLiteral("FileSaveAsItem"));
    const QString target = shell.dir.filePath(QStringLiteral("copy.shl"));
    QCOMPARE(FileBytes(target), QByteArray::fromStdString(FormatOlderText(
                                    shell.state.design, OlderVersion::kVersion6)));
    QCOMPARE(QString::fromStdString(shell.state.design.DesignFileName), target);
    QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - ") + target);
  }

  void fileTypeDialogOffersBothVersionsWithSixChosen() {
    Tfileformatdlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("File Type"));
    QCOMPARE(dialog.choice(), OlderVersion::kVersion6);
    auto* five = dialog.findChild<QRadioButton*>(QStringLiteral("Version5"));
    QVERIFY(five);
    QCOMPARE(five->text(), QStringLiteral("Version 5 (Old)"));
    five->setChecked(true);
    QCOMPARE(dialog.choice(), OlderVersion::kVersion5);
  }
};

QTEST_MAIN(OlderFileCommandsTest)
#include "older_file_commands_test.moc"
