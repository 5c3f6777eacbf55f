// File › New › "Create a Deck for an Existing Hull" end to end (the deck
// builder itself is tested in the core).
#include <QStandardPaths>
#include <QtTest>

#include "shapes/deck.h"
#include "shell_fixtures.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

class DeckTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void fromTheNewMenu() {
    Shell shell;
    const QString hull = shell.copyExample("sailboat.s98");
    shell.form->fileCommands().chooseNewKind = [](QWidget*) {
      return std::optional<NewDesignKind>(NewDesignKind::kDeck);
    };
    shell.files.openAnswers = {ChosenFile{hull, 4}, ChosenFile{hull, 1}};
    shell.prompter.answers = {0};
    shell.prompter.texts = {std::string("3.0")};
    shell.form->trigger(QStringLiteral("FileNewItem"));

    QCOMPARE(shell.prompter.errors,
             std::vector<std::string>{"This file is not a hull file type. Please try again"});
    const HullDesign& design = shell.state.design;
    const QString deck = shell.dir.filePath(QStringLiteral("sailboatwdeck.s98"));
    QCOMPARE(QString::fromStdString(design.DesignFileName), deck);
    QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - ") + deck);
    QCOMPARE(design.LastRow, 8);  // four rows above the sheer
    QVERIFY(design.ShowVertexNet);
    QVERIFY(design.DesignOpen);
    QCOMPARE(design.UndoCount, 0);
    QVERIFY(!QFile::exists(deck));
    QVERIFY(shell.form->HasUnsavedChanges());  // the deck is not saved yet
  }
};

QTEST_MAIN(DeckTest)
#include "deck_test.moc"
