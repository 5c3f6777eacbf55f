// File › New › "Parametric Hull Design" and "Parametric Shape Design": the
// two dialogs (defaults, unit conversion, typing, the file name rules, the
// refusals) and the flows through the chooser, the display mode dialog and
// the unsaved-changes question.
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTreeView>
#include <QtTest>

#include "files/design_file.h"
#include "files/new_type_dialog.h"
#include "shapes/hull_input_dialog.h"
#include "shapes/shape_dialog.h"
#include "shell_fixtures.h"
#include "views/display_mode_dialog.h"
#include "views/real_field.h"
#include "when_shown.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

QString Text(Thullinputdlg& d, const char* field) { return d.field(field)->text(); }

void ClickOk(QDialog* dialog) {
  dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

}  // namespace

class NewDesignTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void hullDialogStartsWithTheSailboatInInches() {
    RecordingPrompter prompter;
    QTemporaryDir dir;
    Thullinputdlg d(dir.path(), prompter);
    QVERIFY(d.button("sailboat")->isChecked());
    QVERIFY(d.button("Inchbutton")->isChecked());
    QVERIFY(d.button("flatbutton")->isChecked());
    QCOMPARE(Text(d, "editloa"), QStringLiteral("360.0000"));
    QCOMPARE(Text(d, "editdeckbeam"), QStringLiteral("60.0000"));
    QCOMPARE(Text(d, "editfreeboard"), QStringLiteral("40.0000"));
    QCOMPARE(Text(d, "editdraft"), QStringLiteral("24.0000"));
    QCOMPARE(Text(d, "editbow"), QStringLiteral("35.0000"));
    QCOMPARE(Text(d, "editstern"), QStringLiteral("40.0000"));
    QVERIFY(!d.field("editdeadrise")->isEnabled());
    QVERIFY(!d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->isEnabled());
    QCOMPARE(d.findChild<QLineEdit*>(QStringLiteral("editfilename"))->text(),
             dir.path() + QStringLiteral("/newfile"));
    QCOMPARE(d.findChild<QLabel*>(QStringLiteral("final_name"))->text(),
             dir.path() + QStringLiteral("/newfile.s98"));
  }

  void typesFillTheirDefaultsForTheUnit_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("loa");
    QTest::addColumn<QString>("draft");
    QTest::addColumn<QString>("bow");
    QTest::addColumn<bool>("anglesEnabled");
    QTest::newRow("no chine, inches") << "nochinepwr" << "" << "264.0000" << "11.3000"
                                      << "20.0000" << false;
    QTest::newRow("1 chine, feet") << "chinepwr" << "feetbutton" << "21.9800" << "0.9417"
                                   << "20.0000" << false;
    QTest::newRow("2 chine, mm") << "chinepwr2" << "mmbutton" << "8900.0000" << "-525.8000"
                                 << "20.0000" << false;
    QTest::newRow("cargo, metres keeps the angles")
        << "Cargo" << "meterbutton" << "86.1240" << "-4.5810" << "35.0000" << false;
    QTest::newRow("sailboat, metres") << "sailboat" << "meterbutton" << "9.1440" << "0.6100"
                                      << "35.0000" << true;
  }
  void typesFillTheirDefaultsForTheUnit() {
    QFETCH(QString, type);
    QFETCH(QString, unit);
    QFETCH(QString, loa);
    QFETCH(QString, draft);
    QFETCH(QString, bow);
    QFETCH(bool, anglesEnabled);
    RecordingPrompter prompter;
    Thullinputdlg d(QString(), prompter);
    if (!unit.isEmpty()) d.button(unit.toLatin1())->click();
    d.button(type.toLatin1())->click();
    QCOMPARE(Text(d, "editloa"), loa);
    QCOMPARE(Text(d, "editdraft"), draft);
    QCOMPARE(Text(d, "editbow"), bow);
    QCOMPARE(d.field("editbow")->isEnabled(), anglesEnabled);
    QCOMPARE(d.field("editstern")->isEnabled(), anglesEnabled);
    QCOMPARE(d.button("canoebutton")->isEnabled(), anglesEnabled);
    QCOMPARE(d.field("editdeadrise")->isEnabled(), !anglesEnabled);
  }

  // Inches to mm and back gives the lengths again; the angles stay.
  void unitsConvertTheFourLengths() {
    RecordingPrompter prompter;
    Thullinputdlg d(QString(), prompter);
    d.button("mmbutton")->click();
    QCOMPARE(Text(d, "editloa"), QStringLiteral("9144.0000"));
    QCOMPARE(Text(d, "editdraft"), QStringLiteral("609.6000"));
    QCOMPARE(Text(d, "editbow"), QStringLiteral("35.0000"));
    d.button("feetbutton")->click();
    QCOMPARE(Text(d, "editloa"), QStringLiteral("29.9996"));  // 9144 x 0.0032808
    d.button("Inchbutton")->click();
    QVERIFY(std::abs(d.field("editloa")->valueOrZero() - 360.0) < 0.01);
    QVERIFY(std::abs(d.field("editdeckbeam")->valueOrZero() - 60.0) < 0.01);
    QCOMPARE(d.inputs().units, int32_t{kInputInches});
  }

  void typingAndTheFileName() {
    RecordingPrompter prompter;
    QTemporaryDir dir;
    Thullinputdlg d(dir.path(), prompter);
    RealField* loa = d.field("editloa");
    loa->clear();
    QTest::keyClicks(loa, QStringLiteral("12a"));
    QCOMPARE(loa->text(), QStringLiteral("12"));
    QCOMPARE(d.inputs().length, 12.0);

    auto* name = d.findChild<QLineEdit*>(QStringLiteral("editfilename"));
    auto* shown = d.findChild<QLabel*>(QStringLiteral("final_name"));
    // Typed name of any length stays as typed, key by key.
    name->setText(dir.path() + QStringLiteral("/"));
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClicks(name, QStringLiteral("new-onechine"));
    QCOMPARE(name->text(), dir.path() + QStringLiteral("/new-onechine"));
    QCOMPARE(shown->text(), dir.path() + QStringLiteral("/new-onechine.s98"));
    QCOMPARE(d.designFileName(), dir.path() + QStringLiteral("/new-onechine.s98"));
    // A typed ".s98" is not doubled.
    QTest::keyClicks(name, QStringLiteral(".s98"));
    QCOMPARE(d.designFileName(), dir.path() + QStringLiteral("/new-onechine.s98"));
    // Another folder keeps the name typed so far.
    QTemporaryDir other;
    d.chooseDirectory(other.path() + QStringLiteral("/"));
    QCOMPARE(name->text(), other.path() + QStringLiteral("/new-onechine.s98"));
  }

  // The folder list opens on the design directory, not at the root.
  void folderListStartsInTheDesignDirectory() {
    RecordingPrompter prompter;
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("designs/boats")));
    const QString designs = dir.path() + QStringLiteral("/designs/boats");
    Thullinputdlg d(designs, prompter);
    d.show();
    QTRY_COMPARE(d.directoryShown(), designs);
    auto* list = d.findChild<QTreeView*>(QStringLiteral("DirectoryList"));
    QTRY_VERIFY(list->isExpanded(list->currentIndex().parent()));
    QVERIFY(list->visualRect(list->currentIndex()).intersects(list->viewport()->rect()));
  }

  void fileNamesOkRefuses_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("folder only") << "/" << "Please enter a name for the new design file.";
    QTest::newRow("dot dot") << "/.." << "Please enter a name for the new design file.";
    QTest::newRow("too long") << "/" + QString(260, QLatin1Char('a'))
                              << "\"" + QString(260, QLatin1Char('a')) +
                                     ".s98\" is not a valid file name.";
    QTest::newRow("no such folder") << "/missing/boat" << "The folder \"DIR/missing/\" does not exist.";
  }
  void fileNamesOkRefuses() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    RecordingPrompter prompter;
    QTemporaryDir dir;
    Thullinputdlg d(dir.path(), prompter);
    d.show();
    d.findChild<QLineEdit*>(QStringLiteral("editfilename"))->setText(dir.path() + name);
    ClickOk(&d);
    QVERIFY(d.isVisible());
    message.replace(QStringLiteral("DIR"), dir.path());
    QCOMPARE(prompter.errors, std::vector<std::string>{message.toStdString()});
  }

  // The ship's template has no round stern: the button is off for it.
  void cargoShipOffersNoRoundStern() {
    RecordingPrompter prompter;
    Thullinputdlg d(QString(), prompter);
    d.button("roundbutton")->click();
    QVERIFY(d.button("roundbutton")->isChecked());
    d.button("Cargo")->click();
    QVERIFY(!d.button("roundbutton")->isEnabled());
    QVERIFY(d.button("flatbutton")->isChecked());
    QCOMPARE(d.inputs().sternType, 'F');
    d.button("nochinepwr")->click();
    QVERIFY(d.button("roundbutton")->isEnabled());
  }

  void okRefusesWhatTheGeneratorCannotUse_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "editdraft" << "" << "\"Maximum Draft\": '' is not a valid number";
    QTest::newRow("lone sign") << "editloa" << "-"
                               << "\"Length Over All\": '-' is not a valid number";
    QTest::newRow("zero beam") << "editdeckbeam" << "0"
                               << "\"1/2 Beam @ Deck\" must be greater than zero.";
    QTest::newRow("steep bow") << "editbow" << "89"
                               << "\"Bow Angle\" is too large for this length and freeboard: the "
                                  "stem would reach past the first station.";
  }
  void okRefusesWhatTheGeneratorCannotUse() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    RecordingPrompter prompter;
    QTemporaryDir dir;
    Thullinputdlg d(dir.path(), prompter);
    d.show();
    d.field(field.toLatin1())->setText(text);
    ClickOk(&d);
    QVERIFY(d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(prompter.errors, std::vector<std::string>{message.toStdString()});
  }

  void shapeDialogPagesAndDefaults() {
    RecordingPrompter prompter;
    TShapedlg d(prompter);
    QCOMPARE(d.notebook()->count(), 5);
    QCOMPARE(d.notebook()->tabText(3), QStringLiteral("Plate"));
    QCOMPARE(d.field("htedit")->text(), QStringLiteral("20"));
    QCOMPARE(d.field("cylinderlen")->text(), QStringLiteral("40"));
    QCOMPARE(d.field("platewide")->text(), QStringLiteral("20"));
    QCOMPARE(d.verticesPerEdge()->value(), 3);
    QCOMPARE(d.verticesPerEdge()->maximum(), 51);
    QCOMPARE(d.verticesPerEdge()->minimum(), 2);
    d.notebook()->setCurrentIndex(2);
    d.button("MillimetersButton")->click();
    d.field("cylinderdiam")->setText(QStringLiteral("300"));
    QCOMPARE(d.solidType(), SolidType::kCylinder);
    QCOMPARE(d.inputs().diameter, 300.0);
    QCOMPARE(d.inputs().units, int32_t{kMillimetres});
    // Only the page shown is read: an empty box field does not stop the
    // cylinder; a zero diameter does.
    d.field("boxht")->clear();
    d.show();
    d.field("cylinderdiam")->setText(QStringLiteral("0"));
    ClickOk(&d);
    QCOMPARE(prompter.errors,
             std::vector<std::string>{"\"Diameter\" must be greater than zero."});
    d.field("cylinderdiam")->setText(QStringLiteral("300"));
    ClickOk(&d);
    QCOMPARE(d.result(), int(QDialog::Accepted));
  }

  // Through File › New: the chooser, the dialog, the display mode dialog;
  // a cancelled dimensions dialog leaves the open design as it was.
  void parametricHullFromTheNewMenu() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    const int before = shell.state.design.LastColumn;
    shell.form->fileCommands().chooseNewKind = [](QWidget*) {
      return std::optional<NewDesignKind>(NewDesignKind::kParametricHull);
    };
    {
      WhenShown<Thullinputdlg> cancel([](Thullinputdlg* d) { d->reject(); });
      shell.form->trigger(QStringLiteral("FileNewItem"));
      QCOMPARE(cancel.shown, 1);
    }
    QCOMPARE(shell.state.design.LastColumn, before);

    const QString name = shell.dir.filePath(QStringLiteral("runabout"));
    WhenShown<Thullinputdlg> fill([&](Thullinputdlg* d) {
      d->button("chinepwr2")->click();
      d->button("feetbutton")->click();
      d->field("editloa")->setText(QStringLiteral("24"));
      d->findChild<QLineEdit*>(QStringLiteral("editfilename"))->setText(name);
      ClickOk(d);
    });
    WhenShown<TchooseDspldlg> display([](TchooseDspldlg* d) {
      d->findChild<QRadioButton*>(QStringLiteral("SectionsRadio"))->click();
      d->accept();
    });
    shell.form->trigger(QStringLiteral("FileNewItem"));
    QCOMPARE(fill.shown, 1);
    QCOMPARE(display.shown, 1);
    const HullDesign& design = shell.state.design;
    QVERIFY(design.DesignOpen);
    QCOMPARE(design.LastColumn, 13);
    QCOMPARE(design.LastRow, 5);
    QCOMPARE(design.Units, int32_t{kInches});
    QCOMPARE(design.DesignDimensions[kDimensionLength], 24.0 * 12);
    QCOMPARE(QString::fromStdString(design.DesignFileName), name + QStringLiteral(".s98"));
    QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - ") + name + ".s98");
    QVERIFY(design.ShowStations);
    QVERIFY(design.BodyViewOn && design.PlanViewOn && design.ProfileViewOn &&
            design.PerspectiveViewOn);
    QCOMPARE(design.UndoCount, 0);
    QVERIFY(shell.form->HasUnsavedChanges());
    QVERIFY(!QFile::exists(name + QStringLiteral(".s98")));
  }

  // Unsaved edits are asked about first; Cancel keeps them and shows no
  // chooser.
  void newAsksAboutUnsavedChangesFirst() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    shell.edit([](HullDesign& d) { d.Net[1][1].x += 1.0f; });
    int chooser = 0;
    shell.form->fileCommands().chooseNewKind = [&](QWidget*) {
      ++chooser;
      return std::optional<NewDesignKind>(NewDesignKind::kParametricShape);
    };
    shell.prompter.answers = {-1};
    shell.form->trigger(QStringLiteral("FileNewItem"));
    QCOMPARE(chooser, 0);
    QVERIFY(!shell.prompter.questions.empty());
    QVERIFY(shell.form->HasUnsavedChanges());
  }

  void parametricShapeFromTheNewMenu() {
    Shell shell;
    shell.state.design.DesignDirectory = (shell.dir.path() + QStringLiteral("/")).toStdString();
    shell.form->fileCommands().chooseNewKind = [](QWidget*) {
      return std::optional<NewDesignKind>(NewDesignKind::kParametricShape);
    };
    WhenShown<TShapedlg> fill([](TShapedlg* d) {
      d->notebook()->setCurrentIndex(4);
      d->field("spherediameter")->setText(QStringLiteral("50"));
      ClickOk(d);
    });
    WhenShown<TchooseDspldlg> display([](TchooseDspldlg* d) { d->reject(); });
    shell.form->trigger(QStringLiteral("FileNewItem"));
    QCOMPARE(fill.shown, 1);
    const HullDesign& design = shell.state.design;
    QVERIFY(design.DesignOpen);
    QCOMPARE(design.LastColumn, 5);
    QCOMPARE(design.WaterlineTension, 2);
    QCOMPARE(QString::fromStdString(design.DesignFileName),
             shell.dir.filePath(QStringLiteral("Newshape.s98")));
    QVERIFY(design.BodyViewOpen);
    QVERIFY(shell.state.surface->extents.halfBreadth > 20.0);
    // Nothing was shown before: the sections and the net come up, even when
    // the display mode dialog is cancelled.
    QVERIFY(design.ShowStations && design.ShowWaterlines && design.ShowButtocks);
    QVERIFY(design.ShowVertexNet);
  }

  // A new design named like a file that is already there does not replace
  // it unasked at its first save.
  void firstSaveAsksBeforeReplacingAFile() {
    Shell shell;
    shell.state.design.DesignDirectory = (shell.dir.path() + QStringLiteral("/")).toStdString();
    const QString taken = shell.writeFile("Newshape.s98", "someone else's design");
    shell.form->fileCommands().chooseNewKind = [](QWidget*) {
      return std::optional<NewDesignKind>(NewDesignKind::kParametricShape);
    };
    shell.form->fileCommands().chooseNewShape = [](QWidget*, Prompter&) {
      return std::optional<NewShapeChoice>(
          NewShapeChoice{SolidType::kBox, DefaultSolidInputs(SolidType::kBox)});
    };
    {
      WhenShown<TchooseDspldlg> display([](TchooseDspldlg* d) { d->accept(); });
      shell.form->trigger(QStringLiteral("FileNewItem"));
    }
    QCOMPARE(QString::fromStdString(shell.state.design.DesignFileName), taken);
    const std::string question = ReplaceFileQuestion(taken.toStdString());

    shell.prompter.answers = {0};  // No: the save dialog, cancelled
    shell.form->trigger(QStringLiteral("FileSaveItem"));
    QCOMPARE(shell.prompter.questions, std::vector<std::string>{question});
    QCOMPARE(shell.files.saveRequests.size(), size_t{1});
    QFile file(taken);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("someone else's design"));
    file.close();

    shell.prompter.answers = {1};
    shell.form->trigger(QStringLiteral("FileSaveItem"));
    QVERIFY(!shell.form->HasUnsavedChanges());
    auto saved = std::make_unique<HullDesign>();
    auto surface = std::make_unique<Surface>();
    std::string message;
    QVERIFY(ReadDesignFile(*saved, *surface, taken.toStdString(), message));
    QCOMPARE(saved->LastColumn, 3);
    // Once saved the file is the design's own: no more questions.
    shell.prompter.questions.clear();
    shell.form->trigger(QStringLiteral("FileSaveItem"));
    QVERIFY(shell.prompter.questions.empty());
  }

  void theChooserOffersTheGenerators() {
    TNewTypeDlg dialog;
    QVERIFY(dialog.button(NewDesignKind::kParametricHull)->isEnabled());
    QVERIFY(dialog.button(NewDesignKind::kParametricShape)->isEnabled());
    QCOMPARE(dialog.choice(), NewDesignKind::kParametricHull);
  }
};

QTEST_MAIN(NewDesignTest)
#include "new_design_test.moc"
