// File › New › "Create a Deck for an Existing Hull": how many rows the deck
// gets, the camber, the chine at the joint, the refusals, and the command
// end to end.
#include <QStandardPaths>
#include <QtTest>
#include <cmath>
#include <memory>

#include "shapes/deck.h"
#include "shell_fixtures.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

// A net of (lastColumn + 1) x (lastRow + 1) vertices; the sheer row is at
// x = 10 + column, z = 5.
std::unique_ptr<HullDesign> Net(int lastColumn, int lastRow) {
  auto design = std::make_unique<HullDesign>();
  design->LastColumn = lastColumn;
  design->LastRow = lastRow;
  design->StationTension = 3;
  design->WaterlineTension = 3;
  for (int c = 0; c <= lastColumn; ++c) {
    for (int r = 0; r <= lastRow; ++r) {
      design->Net[c][r] = Vertex{static_cast<float>((10 + c) * r) / lastRow,
                                 static_cast<float>(12 * c), static_cast<float>(r) - lastRow + 5,
                                 1.0f};
    }
  }
  UpdateWorkingCounts(*design);
  return design;
}

}  // namespace

class DeckTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void fileName_data() {
    QTest::addColumn<QString>("hull");
    QTest::addColumn<QString>("deck");
    QTest::newRow("design") << "/d/hull.s98" << "/d/hullwdeck.s98";
    QTest::newRow("dotted directory") << "/d.x/hull.s98" << "/d.x/hullwdeck.s98";
    QTest::newRow("two dots") << "/d/hull.v2.s98" << "/d/hulls98wdeck.s98";
    QTest::newRow("no extension") << "/d/hull" << "/d/hullwdeck.s98";
  }
  void fileName() {
    QFETCH(QString, hull);
    QFETCH(QString, deck);
    QCOMPARE(QString::fromStdString(DeckFileName(hull.toStdString())), deck);
  }

  void rowCount_data() {
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<int>("rows");
    QTest::newRow("room for as many again") << 12 << 12;
    QTest::newRow("30 rows, no chines") << 30 << 20;
    QTest::newRow("full net") << 50 << 0;
  }
  void rowCount() {
    QFETCH(int, lastRow);
    QFETCH(int, rows);
    QCOMPARE(DeckRowCount(*Net(3, lastRow)), rows);
  }

  // The deck rises by the camber at the centreline and meets the sheer.
  void camberIsParabolic() {
    auto design = Net(2, 30);
    RecordingPrompter prompter;
    prompter.answers = {0};
    prompter.texts = {std::string("none"), std::string(" 3 ")};
    QVERIFY(AddDeck(*design, prompter));
    QCOMPARE(prompter.questions,
             (std::vector<std::string>{kDeckChineQuestion, "Set Deck Camber", "Set Deck Camber"}));
    QCOMPARE(design->LastRow, 50);
    QCOMPARE(design->WorkingLastRow, 50);
    const Vertex sheer = design->Net[0][30];
    QCOMPARE(sheer.x, 10.0f);
    const Vertex top = design->Net[0][50];
    QCOMPARE(top.x, 0.0f);
    QCOMPARE(top.y, sheer.y);
    QCOMPARE(top.z, sheer.z + 3.0f);
    const Vertex next = design->Net[0][31];
    QCOMPARE(next.x, 9.5f);
    QVERIFY(std::abs(next.z - (sheer.z + 3.0f - 3.0f * 0.95f * 0.95f)) < 1e-5f);
    QVERIFY(next.z - sheer.z < 0.3f);
    QCOMPARE(design->Net[2][40].w, 1.0f);
  }

  void chineAtTheJoint() {
    auto design = Net(2, 8);
    RecordingPrompter prompter;
    prompter.answers = {1};
    prompter.texts = {std::string("2")};
    QVERIFY(AddDeck(*design, prompter));
    QCOMPARE(design->RowChineCount, 1);
    QCOMPARE(design->RowChines[0], 8);
    // With the chine the working net has 2 more rows: 8 + 2 = 10, so the
    // deck gets 8 rows.
    QCOMPARE(design->LastRow, 16);
    QCOMPARE(design->WorkingLastRow, 18);
  }

  void refusals_data() {
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<int>("chines");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("cancelCamber");
    QTest::addColumn<bool>("message");
    QTest::newRow("two rows") << 1 << 0 << 0 << false << true;
    QTest::newRow("chine leaves no room") << 47 << 2 << 1 << false << true;
    QTest::newRow("camber cancelled") << 10 << 0 << 1 << true << false;
  }
  void refusals() {
    QFETCH(int, lastRow);
    QFETCH(int, chines);
    QFETCH(int, answer);
    QFETCH(bool, cancelCamber);
    QFETCH(bool, message);
    auto design = Net(2, lastRow);
    design->StationTension = 2;
    for (int k = 0; k < chines; ++k) design->RowChines[design->RowChineCount++] = 1 + k;
    UpdateWorkingCounts(*design);
    const HullDesign before = *design;
    RecordingPrompter prompter;
    prompter.answers = {answer};
    if (cancelCamber) prompter.texts = {std::nullopt};
    QVERIFY(!AddDeck(*design, prompter));
    QCOMPARE(prompter.errors.size(), size_t{message ? 1u : 0u});
    if (message) QCOMPARE(prompter.errors[0], std::string(kTooFewDeckVertices));
    QCOMPARE(design->LastRow, before.LastRow);
    QCOMPARE(design->RowChineCount, before.RowChineCount);
    QCOMPARE(design->WorkingLastRow, before.WorkingLastRow);
  }

  void aFullChineListIsNotOfferedTheJoint() {
    auto design = Net(2, 20);
    design->StationTension = 1;
    design->RowChineCount = kMaxChines;
    for (int k = 0; k < kMaxChines; ++k) design->RowChines[k] = 1 + k;
    RecordingPrompter prompter;
    prompter.texts = {std::string("1")};
    QVERIFY(AddDeck(*design, prompter));
    QCOMPARE(prompter.questions, std::vector<std::string>{"Set Deck Camber"});
    QCOMPARE(design->RowChineCount, kMaxChines);
  }

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
