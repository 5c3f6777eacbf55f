// The vertex spreadsheet: the grid's headings and labels in both modes, the
// key filter, a selection change blocked by an empty cell, "Change" of a
// whole grid column, dragging in the drawing, Cancel and OK through the
// Edit command, and File › New by offset entry ending in it.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>
#include <cstring>
#include <memory>

#include "core/surface/test_nets.h"
#include "editing/new_offset_dialog.h"
#include "fairing/fairing_commands.h"
#include "fairing/hull_spreadsheet.h"
#include "files/design_file.h"
#include "files/older_file.h"
#include "shell_fixtures.h"
#include "support/same_bytes.h"
#include "views/real_field.h"
#include "when_shown.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

using skelmora::testing::SameNet;

struct Open {
  Shell shell;
  bool ok = false;
  Open() {
    nets::Hull hull = nets::MakeHull(6, 4, 3, 3, nets::BoatVertex);
    const QString path = shell.dir.filePath(QStringLiteral("boat.s98"));
    std::string message;
    ok = WriteDesignFile(hull.d(), path.toStdString(), message) && shell.open(path);
  }
  HullDesign& design() { return shell.state.design; }
};

QString Cell(QTableWidget* grid, int row, int column) {
  return grid->item(row, column) ? grid->item(row, column)->text() : QString();
}

double Value(QTableWidget* grid, int row, int column) {
  return Cell(grid, row, column).trimmed().toDouble();
}

}  // namespace

class SpreadsheetTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void gridHeadingsLabelsAndModes() {
    Open o;
    QVERIFY(o.ok);
    THullSpreadSheet sheet(o.shell.state, {});
    QTableWidget* grid = sheet.grid();
    QCOMPARE(grid->columnCount(), 5);
    QCOMPARE(grid->rowCount(), 6);  // headings and rows 0..4
    QCOMPARE(Cell(grid, 0, 1), QStringLiteral("1/2Beam"));
    QCOMPARE(Cell(grid, 0, 2), QStringLiteral("Aft \"0\""));
    QCOMPARE(Cell(grid, 0, 3), QStringLiteral("Height"));
    QCOMPARE(Cell(grid, 0, 4), QStringLiteral("Weight"));
    QCOMPARE(Cell(grid, 1, 0), QStringLiteral("Fairbody 0"));
    QCOMPARE(Cell(grid, 2, 0), QStringLiteral("Vertex 1"));
    QCOMPARE(Cell(grid, 5, 0), QStringLiteral("Sheer/Deck"));
    // Four decimals in a width of 12.
    const Vertex& v = o.design().Net[0][4];
    QCOMPARE(Cell(grid, 5, 3), FixedText(v.z, 4, 12));
    QCOMPARE(Cell(grid, 5, 3).size(), 12);
    QCOMPARE(sheet.label("ColumnsRangeLabel")->text(), QStringLiteral("Columns= 0 to 6"));
    QCOMPARE(sheet.label("RowsRangeLabel")->text(), QStringLiteral("Rows    = 0 to 4"));
    QCOMPARE(sheet.label("ViewLabel")->text(), QStringLiteral("Body View"));
    QCOMPARE(sheet.indexSpin()->maximum(), 6);

    sheet.radio("RowsRadio")->setChecked(true);
    QCOMPARE(sheet.mode(), THullSpreadSheet::Mode::kRows);
    QCOMPARE(grid->rowCount(), 8);
    QCOMPARE(Cell(grid, 1, 0), QStringLiteral("Bow 0"));
    QCOMPARE(Cell(grid, 7, 0), QStringLiteral("Stern"));
    QCOMPARE(sheet.indexSpin()->maximum(), 4);
    QCOMPARE(sheet.label("IndexLabel")->text(), QStringLiteral("Vertex Row Number"));
    QCOMPARE(sheet.label("ChangeLabel")->text(), QStringLiteral("Change all Vertex Row Values"));
    QCOMPARE(sheet.label("ViewLabel")->text(), QStringLiteral("Profile View"));
    // Row 0 along the columns: vertex k of the row is column k.
    QCOMPARE(Cell(grid, 4, 2), FixedText(o.design().Net[3][0].y, 4, 12));
    QTest::mouseClick(sheet.button("PlanButton"), Qt::LeftButton);
    QCOMPARE(sheet.label("ViewLabel")->text(), QStringLiteral("Plan View"));
  }

  void cellsTakeOnlyNumbersAndTheDrawingFollows() {
    Open o;
    QVERIFY(o.ok);
    THullSpreadSheet sheet(o.shell.state, {});
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    QTableWidget* grid = sheet.grid();
    grid->setCurrentCell(3, 1);
    grid->editItem(grid->item(3, 1));
    auto* editor = grid->findChild<QLineEdit*>(QStringLiteral("CellEditor"));
    QVERIFY(editor);
    editor->clear();
    QTest::keyClicks(editor, QStringLiteral("1a2.5.3-x"));
    QCOMPARE(editor->text(), QStringLiteral("12.53-"));
    editor->clear();
    QTest::keyClicks(editor, QStringLiteral("42"));
    // The drawing shows the typed value before the cell is committed.
    const std::vector<PlanePoint> points = sheet.PlottedPoints();
    QCOMPARE(points[2].h, 42.0);
    const Square& square = sheet.sheetDrawing().list.squares()[2];
    QCOMPARE(square.centre.x, RoundClamped(42.0 * sheet.sheetDrawing().scaleH));
    sheet.reject();
  }

  void emptyCellKeepsTheOldColumnAndChangeSetsAGridColumn() {
    Open o;
    QVERIFY(o.ok);
    THullSpreadSheet sheet(o.shell.state, {});
    QTableWidget* grid = sheet.grid();
    grid->item(2, 1)->setText(QStringLiteral("7.5"));
    grid->item(4, 2)->setText(QString());
    sheet.indexSpin()->setValue(2);
    QCOMPARE(o.shell.prompter.errors.back(), std::string(kEmptyCellMessage));
    QCOMPARE(sheet.indexSpin()->value(), 0);
    QCOMPARE(sheet.selectedIndex(), 0);
    QCOMPARE(Cell(grid, 2, 1), QStringLiteral("7.5"));
    QVERIFY(o.design().Net[0][1].x != 7.5f);

    // Typing in a change field selects its radio; "Change" fills the column.
    QVERIFY(!sheet.radio("AftBowRadio")->isChecked());
    sheet.changeField(THullSpreadSheet::kAftBow)->clear();
    QTest::keyClicks(sheet.changeField(THullSpreadSheet::kAftBow), QStringLiteral("12.25"));
    QVERIFY(sheet.radio("AftBowRadio")->isChecked());
    QVERIFY(!sheet.radio("HalfBeamRadio")->isChecked());
    QTest::mouseClick(sheet.button("ChangeButton"), Qt::LeftButton);
    for (int row = 1; row <= 5; ++row) QCOMPARE(Cell(grid, row, 2), QStringLiteral("12.25"));
    QCOMPARE(Cell(grid, 2, 1), QStringLiteral("7.5"));
    // Now the column can be left: its edits go to the net.
    sheet.indexSpin()->setValue(2);
    QCOMPARE(sheet.selectedIndex(), 2);
    for (int r = 0; r <= 4; ++r) QCOMPARE(o.design().Net[0][r].y, 12.25f);
    QCOMPARE(o.design().Net[0][1].x, 7.5f);
    QCOMPARE(Cell(grid, 1, 2), FixedText(o.design().Net[2][0].y, 4, 12));
    // "Undo" drops what is not written yet.
    grid->item(1, 3)->setText(QStringLiteral("99"));
    QTest::mouseClick(sheet.button("UndoButton"), Qt::LeftButton);
    QCOMPARE(Cell(grid, 1, 3), FixedText(o.design().Net[2][0].z, 4, 12));
    // A cell that does not read as a number is refused with its text.
    grid->item(1, 3)->setText(QStringLiteral("-"));
    sheet.indexSpin()->setValue(3);
    QCOMPARE(sheet.selectedIndex(), 2);
    QVERIFY(o.shell.prompter.errors.back().find("'-' is not a valid number") != std::string::npos);
  }

  void draggingAVertexRewritesItsCells() {
    Open o;
    QVERIFY(o.ok);
    THullSpreadSheet sheet(o.shell.state, {});
    const std::vector<PlanePoint> points = sheet.PlottedPoints();
    const SheetDrawing& d = sheet.sheetDrawing();
    sheet.PressAt(points[3].h * d.scaleH + 2, points[3].v * d.scaleV - 2);
    QCOMPARE(sheet.pickedVertex(), 3);
    sheet.DragTo(100.0 * d.scaleH, -50.0 * d.scaleV);
    sheet.Release();
    QCOMPARE(Value(sheet.grid(), 4, 1), 100.0);
    QCOMPARE(Value(sheet.grid(), 4, 3), -50.0);
    QCOMPARE(sheet.pickedVertex(), -1);
    sheet.PressAt(1e6, 1e6);
    QCOMPARE(sheet.pickedVertex(), -1);
  }

  void cancelLeavesTheNetAsBeforeAndOkWritesIt() {
    Open o;
    QVERIFY(o.ok);
    const auto before = std::make_unique<VertexNet>(o.design().Net);
    const int count = o.design().UndoCount;
    auto edit = [&](THullSpreadSheet* sheet) {
      sheet->grid()->item(2, 1)->setText(QStringLiteral("3.5"));
      sheet->indexSpin()->setValue(1);  // column 0 is written
      QCOMPARE(o.design().Net[0][1].x, 3.5f);
      sheet->grid()->item(3, 3)->setText(QStringLiteral("-2"));
    };
    WhenShown<THullSpreadSheet> cancel([&](THullSpreadSheet* sheet) {
      edit(sheet);
      QTest::mouseClick(sheet->button("CancelButton"), Qt::LeftButton);
    });
    o.shell.form->trigger(QStringLiteral("Vertexspreadsheet1"));
    QCOMPARE(cancel.shown, 1);
    QVERIFY(SameNet(o.design().Net, *before));
    QCOMPARE(o.design().UndoCount, count);

    WhenShown<THullSpreadSheet> ok([&](THullSpreadSheet* sheet) {
      edit(sheet);
      QTest::mouseClick(sheet->button("OKButton"), Qt::LeftButton);
    });
    o.shell.form->trigger(QStringLiteral("Vertexspreadsheet1"));
    QCOMPARE(ok.shown, 1);
    QCOMPARE(o.design().Net[0][1].x, 3.5f);
    QCOMPARE(o.design().Net[1][2].z, -2.0f);
    // Writing the grid clears the history.
    QCOMPARE(o.design().UndoCount, 0);
    QVERIFY(!o.shell.enabled("EditUndoItem"));
    QVERIFY(o.shell.form->HasUnsavedChanges());
  }

  void saveAsksFirstAndMarksTheDesignSaved() {
    Open o;
    QVERIFY(o.ok);
    o.shell.edit([](HullDesign& d) { d.Net[2][2].x += 1.0f; });
    QVERIFY(o.shell.form->HasUnsavedChanges());
    o.shell.prompter.answers = {0, 1};  // No, then Yes
    WhenShown<THullSpreadSheet> sheet([&](THullSpreadSheet* s) {
      QVERIFY(!s->Save());
      QVERIFY(s->Save());
      QTest::mouseClick(s->button("CancelButton"), Qt::LeftButton);
    });
    o.shell.form->trigger(QStringLiteral("Vertexspreadsheet1"));
    QCOMPARE(sheet.shown, 1);
    QCOMPARE(o.shell.prompter.questions.at(0), std::string("Save Design to Disk?"));
    QVERIFY(!o.shell.form->HasUnsavedChanges());
    QCOMPARE(o.design().UndoCount, 0);
  }

  // The spreadsheet's Save is File › Save after its question: a design
  // read from a ".shl" file is offered the current format.
  void saveOffersTheCurrentFormatForAnOlderFile() {
    Shell shell;
    nets::Hull hull = nets::MakeHull(6, 4, 3, 3, nets::BoatVertex);
    const QString path = shell.dir.filePath(QStringLiteral("boat.shl"));
    std::string message;
    QVERIFY(WriteOlderFile(hull.d(), path.toStdString(), OlderVersion::kVersion6, message));
    QVERIFY(shell.open(path, 5));
    shell.prompter.answers = {1, 1};  // Save to disk: Yes; the current format: Yes
    WhenShown<THullSpreadSheet> sheet([&](THullSpreadSheet* s) {
      QVERIFY(s->Save());
      QTest::mouseClick(s->button("CancelButton"), Qt::LeftButton);
    });
    shell.form->trigger(QStringLiteral("Vertexspreadsheet1"));
    QCOMPARE(sheet.shown, 1);
    QCOMPARE(shell.prompter.questions,
             (std::vector<std::string>{"Save Design to Disk?",
                                       "File is Older Skelmora 5/6 type. Save it as SKELMORA "
                                       "V7 Version?"}));
    const QString written = shell.dir.filePath(QStringLiteral("boat.s98"));
    QCOMPARE(QString::fromStdString(shell.state.design.DesignFileName), written);
    QVERIFY(QFile::exists(written));
  }

  void offsetEntryEndsInTheSpreadsheetWithTheBoxNet() {
    Open o;
    QVERIFY(o.ok);
    o.shell.form->fileCommands().chooseNewKind = [](QWidget*) {
      return std::optional<NewDesignKind>(NewDesignKind::kOffsetTable);
    };
    WhenShown<Tnewoffsetdlg> offsets([](Tnewoffsetdlg* d) {
      d->stationSpin()->setValue(5);
      d->rowSpin()->setValue(4);
      d->accept();
    });
    QString caption;
    QString stem;
    WhenShown<THullSpreadSheet> sheet([&](THullSpreadSheet* s) {
      caption = o.shell.form->windowTitle();
      stem = Cell(s->grid(), 4, 3);
      s->indexSpin()->setValue(4);
      QCOMPARE(Value(s->grid(), 1, 2), 360.0);
      QCOMPARE(Value(s->grid(), 1, 3), -9.6);
      QCOMPARE(Value(s->grid(), 4, 1), 48.0);
      s->grid()->item(2, 1)->setText(QStringLiteral("20"));
      QTest::mouseClick(s->button("OKButton"), Qt::LeftButton);
    });
    o.shell.form->trigger(QStringLiteral("FileNewItem"));
    QCOMPARE(offsets.shown, 1);
    QCOMPARE(sheet.shown, 1);
    QVERIFY2(caption.endsWith(QStringLiteral("Newdesgn.s98")), qPrintable(caption));
    QCOMPARE(stem.trimmed(), QStringLiteral("48.0000"));  // the stem's top, z = H
    HullDesign& d = o.design();
    QVERIFY(d.DesignOpen);
    QCOMPARE(d.LastColumn, 4);
    QCOMPARE(d.LastRow, 3);
    QCOMPARE(d.Net[4][1].x, 20.0f);
    QCOMPARE(d.Net[4][3].z, 48.0f);
    QVERIFY(QString::fromStdString(d.DesignFileName).endsWith(QStringLiteral("Newdesgn.s98")));
    QVERIFY(o.shell.form->windowTitle().endsWith(QStringLiteral("Newdesgn.s98")));
    QCOMPARE(d.UndoCount, 0);

    // Cancelled in the spreadsheet: the design before File › New stays.
    const auto before = std::make_unique<VertexNet>(d.Net);
    const std::string name = d.DesignFileName;
    o.shell.prompter.answers = {0};  // do not save the offsets design
    WhenShown<Tnewoffsetdlg> again([](Tnewoffsetdlg* dlg) { dlg->accept(); });
    WhenShown<THullSpreadSheet> cancel(
        [](THullSpreadSheet* s) { QTest::mouseClick(s->button("CancelButton"), Qt::LeftButton); });
    o.shell.form->trigger(QStringLiteral("FileNewItem"));
    QCOMPARE(cancel.shown, 1);
    QVERIFY(d.DesignOpen);
    QCOMPARE(d.LastColumn, 4);
    QCOMPARE(d.DesignFileName, name);
    QVERIFY(SameNet(d.Net, *before));
  }
};

QTEST_MAIN(SpreadsheetTest)
#include "spreadsheet_test.moc"
