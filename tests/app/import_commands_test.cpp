// The geometry imports in the program: File › "Import IGES NURB File" with
// its two questions, and the GHS import with the reference hull it draws.
#include <QLabel>
#include <QStandardPaths>
#include <QtTest>

#include "files/design_file.h"
#include "files/file_commands.h"
#include "files/iges_import.h"
#include "views/view_window.h"
#include "shell_fixtures.h"
#include "support/sample_hull.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

QString CopyFixture(const Shell& shell, const char* name) {
  const QString target = shell.dir.filePath(QLatin1String(name));
  QFile::copy(QStringLiteral(SKELMORA_TESTS_DIR "/core/files/iges/%1").arg(QLatin1String(name)),
              target);
  return target;
}

}  // namespace

class ImportCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void igesImportAsksBothQuestionsAndOpensTheBodyView() {
    Shell shell;
    const QString path = CopyFixture(shell, "along_x_metres.igs");
    const QString other = shell.writeFile("hull.s98", "111234\n");
    shell.files.openAnswers = {ChosenFile{other, 1}, ChosenFile{path, 6}};
    shell.prompter.answers = {0, 0};
    shell.form->trigger(QStringLiteral("ImportIGESNURBFile1"));
    QCOMPARE(shell.files.openRequests.size(), size_t{2});
    QCOMPARE(shell.files.openRequests[0].filterIndex, 6);
    QCOMPARE(shell.prompter.errors,
             std::vector<std::string>{"This file type is NOT an IGES NURB file"});
    QCOMPARE(shell.prompter.questions,
             (std::vector<std::string>{kExchangeRowsQuestion, kIgesInchesQuestion}));
    const HullDesign& design = shell.state.design;
    QVERIFY(design.DesignOpen);
    QCOMPARE(design.LastColumn, 6);
    QCOMPARE(design.Units, int32_t{kMillimetres});
    QVERIFY(design.BodyViewOpen && !design.PlanViewOpen);
    const QString named = shell.dir.filePath(QStringLiteral("along_x_metres.s98"));
    QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - ") + named);
    auto* wls = shell.form->findChild<QLabel*>(QStringLiteral("wlstension"));
    QCOMPARE(wls->text(), QStringLiteral("Wls.Tension=3"));
    QVERIFY(!shell.enabled("EditUndoItem"));
    QVERIFY(!shell.enabled("DrawRefHull"));
    // Nothing on disk holds it yet.
    QVERIFY(shell.form->HasUnsavedChanges());
    QVERIFY(!QFile::exists(named));
  }

  void aFileWithoutASurfaceLeavesTheDesign() {
    Shell shell;
    auto hull = skelmora::testing::MakeSampleHull();
    const QString design =
        shell.writeFile("hull.s98", QByteArray::fromStdString(FormatDesignText(*hull, false)));
    QVERIFY(shell.open(design));
    const std::string before = FormatDesignText(shell.state.design, false);
    QByteArray line("110,128.,0.,0.,130.,0.,0.;");
    line = line.leftJustified(72, ' ') + "P      1\n";
    const QString path = shell.writeFile("line.igs", line);
    shell.files.openAnswers = {ChosenFile{path, 6}};
    shell.form->trigger(QStringLiteral("ImportIGESNURBFile1"));
    QCOMPARE(shell.prompter.errors, std::vector<std::string>{kNoIgesSurfaceMessage});
    QVERIFY(shell.prompter.questions.empty());
    QCOMPARE(FormatDesignText(shell.state.design, false), before);
    QCOMPARE(shell.form->windowTitle(), QStringLiteral("Skelmora - ") + design);
  }

  void ghsImportNeedsAnOpenDesign() {
    Shell shell;
    shell.form->trigger(QStringLiteral("ImportGHSFile1"));
    QCOMPARE(shell.prompter.information,
             std::vector<std::string>{"Please Create A New Hull Or Open an Existing Hull First"});
    QVERIFY(shell.files.openRequests.empty());
  }

  void ghsImportDrawsTheReferenceHullUntilItIsClosed() {
    Shell shell;
    auto hull = skelmora::testing::MakeSampleHull();
    const QString design =
        shell.writeFile("hull.s98", QByteArray::fromStdString(FormatDesignText(*hull, false)));
    QVERIFY(shell.open(design));
    const QString ghs = shell.writeFile(
        "hull.GF1", "*\ntitle\n2\n0.5,2\n0.0,-1.0\n1.0,0.5\n2.0,2\n0.0,-1.0\n1.5,0.5\n");
    shell.files.openAnswers = {ChosenFile{ghs, 1}};
    shell.prompter.texts = {std::string("F")};
    shell.form->trigger(QStringLiteral("ImportGHSFile1"));
    QCOMPARE(shell.files.openRequests.size(), size_t{2});  // the design's, then this
    const FileRequest& request = shell.files.openRequests.back();
    QCOMPARE(request.caption, QStringLiteral("Open GHS Files"));
    QCOMPARE(request.filters, QStringLiteral("GHS Damaged Stability File|*.GF1"));
    QCOMPARE(shell.prompter.questions, std::vector<std::string>{"Units Needed"});
    QVERIFY(shell.prompter.errors.empty());
    QCOMPARE(shell.state.design.Units, int32_t{kInches});
    QVERIFY(QFile::exists(shell.dir.filePath(QStringLiteral("work/tempdata"))));
    QVERIFY(!QFile::exists(shell.dir.filePath(QStringLiteral("work/TEMP"))));
    QCOMPARE(shell.state.attached.referenceHull.size(), size_t{4});
    QVERIFY(shell.enabled("DrawRefHull"));
    QVERIFY(shell.form->command(QStringLiteral("DrawRefHull"))->isChecked());
    QVERIFY(shell.enabled("CloseRefhull"));

    ViewWindow* body = shell.form->views().body();
    shell.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(shell.form.get()));
    const auto referenceLines = [&] {
      body->repaint();
      int lines = 0;
      for (const Polyline& line : body->displayList().polylines()) {
        lines += line.element == Element::kReferenceHull;
      }
      return lines;
    };
    QCOMPARE(referenceLines(), 2);  // one per section

    shell.form->trigger(QStringLiteral("CloseRefhull"));
    QVERIFY(!shell.state.design.RefHullShown);
    QCOMPARE(referenceLines(), 0);
    // View › Draw Reference Hull brings it back.
    shell.form->command(QStringLiteral("DrawRefHull"))->trigger();
    QVERIFY(shell.state.design.RefHullShown);
    QCOMPARE(referenceLines(), 2);
  }
};

QTEST_MAIN(ImportCommandsTest)
#include "import_commands_test.moc"
