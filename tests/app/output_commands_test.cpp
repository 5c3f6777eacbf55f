// The Output menu: every writer through the scripted chooser and the atomic
// save, the offsets guard, the offsets and vertices printed to PDF and read
// back, and File › Save As "Text Offset File".
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QtTest>

#include "files/export_commands.h"
#include "files/file_messages.h"
#include "files/text_io.h"
#include "shell_fixtures.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool HavePdfToText() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

// The text of a PDF with its layout kept, and its page count.
QString PdfText(const QString& pdf) {
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  text.waitForFinished();
  return QString::fromUtf8(text.readAllStandardOutput());
}

// The print dialog answered with a PDF file.
std::function<void(ShellServices&)> PrintTo(const QString* file, int* shown) {
  return [file, shown](ShellServices& services) {
    services.printDialog = [file, shown](QPrinter& printer, QWidget*) {
      ++*shown;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(*file);
      return true;
    };
  };
}

QStringList Words(const QString& line) { return line.split(QLatin1Char(' '), Qt::SkipEmptyParts); }

}  // namespace

class OutputCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void everyWriterSavesWhatTheChooserNames_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("starts");
    QTest::addColumn<QByteArray>("holds");
    QTest::newRow("iges") << "IGESNURBSurface1" << "IGES NURB Surface"
                          << QByteArray("Hull surface from skelmora") << QByteArray("\n128,");
    QTest::newRow("stations") << "DXFStations1" << "DXF Stations" << QByteArray("0\nSECTION")
                              << QByteArray("\nSTATIONS\n");
    QTest::newRow("waterlines") << "DXFWaterlines1" << "DXF Waterlines"
                                << QByteArray("0\nSECTION") << QByteArray("8\nWATERLINES\n");
    QTest::newRow("buttocks") << "DXFButtocks1" << "DXF Buttocks" << QByteArray("0\nSECTION")
                              << QByteArray("8\nBUTTOCKS\n");
    QTest::newRow("vertices") << "DXFVertices1" << "DXF Vertices" << QByteArray("0\nSECTION")
                              << QByteArray("POINT\n8\nNET\n");
    QTest::newRow("surface") << "DXF3DSurface1" << "DXF 3D Surface" << QByteArray("0\nSECTION")
                             << QByteArray("3DFACE\n8\nSURFACE\n");
    QTest::newRow("stl") << "STLClosedHull1" << "STL Closed Hull" << QByteArray() << QByteArray();
    QTest::newRow("ghs") << "GHSGeometryFile1" << "GHS Geometry File"
                         << QByteArray("GHS geometry") << QByteArray("\r\nP:F\r\n*\r\n");
  }
  void everyWriterSavesWhatTheChooserNames() {
    QFETCH(QString, action);
    QFETCH(QString, caption);
    QFETCH(QByteArray, starts);
    QFETCH(QByteArray, holds);
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    QVERIFY(shell.enabled(action.toLatin1().constData()));
    const QString out = shell.dir.filePath(QStringLiteral("out.file"));
    shell.files.saveAnswers.push_back(ChosenFile{out, 1});
    shell.form->trigger(action);
    QCOMPARE(shell.files.saveRequests.size(), size_t(1));
    QCOMPARE(shell.files.saveRequests[0].caption, caption);
    QVERIFY(shell.files.saveRequests[0].fileName.startsWith(QStringLiteral("sailboat.")));
    QVERIFY(shell.prompter.errors.empty());
    const QByteArray written = Contents(out);
    // The status bar says what went where.
    const QString said = QStringLiteral("%1 written to %2 (%3 bytes)")
                             .arg(caption, QDir::toNativeSeparators(QFileInfo(out).absoluteFilePath()),
                                  QString::number(written.size()));
    QCOMPARE(shell.form->statusBar()->currentMessage(), said);
    QVERIFY(written.startsWith(starts));
    QVERIFY2(written.contains(holds), holds.constData());
    if (action == QLatin1String("STLClosedHull1")) {
      QVERIFY(written.size() > 84);
      const quint32 count = *reinterpret_cast<const quint32*>(written.constData() + 80);
      QCOMPARE(written.size(), qsizetype(84 + 50 * count));
    }
    // Cancelled: nothing written, nothing said.
    QFile::remove(out);
    shell.files.saveAnswers.push_back(std::nullopt);
    shell.form->statusBar()->clearMessage();
    shell.form->trigger(action);
    QVERIFY(!QFile::exists(out));
    QVERIFY(shell.prompter.errors.empty());
    QVERIFY(shell.form->statusBar()->currentMessage().isEmpty());
  }

  void aFileThatCannotBeWrittenIsSaidAndTheOldOneKept() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    const QString missing = shell.dir.filePath(QStringLiteral("no/such/dir/x.igs"));
    shell.files.saveAnswers.push_back(ChosenFile{missing, 1});
    shell.form->trigger(QStringLiteral("IGESNURBSurface1"));
    QCOMPARE(shell.prompter.errors.size(), size_t(1));
    QCOMPARE(shell.prompter.errors[0], CannotSaveMessage(missing.toStdString()));
    QVERIFY(!QFile::exists(missing));
    QVERIFY(!shell.form->statusBar()->currentMessage().contains(QStringLiteral("written")));
  }

  void writersNeedADesign() {
    Shell shell;
    for (const char* name : {"IGESNURBSurface1", "DXF3DSurface1", "GHSGeometryFile1",
                             "printoffsets1", "printvertices1"}) {
      shell.form->trigger(QLatin1String(name));
    }
    QVERIFY(shell.files.saveRequests.empty());
    QVERIFY(shell.prompter.errors.empty());
  }

  void printOffsetsIsRefusedWithoutStationsAndWaterlines() {
    QString pdf;
    int shown = 0;
    Shell shell(PrintTo(&pdf, &shown));
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    shell.state.design.ShowStations = true;
    shell.state.design.ShowWaterlines = false;
    pdf = shell.dir.filePath(QStringLiteral("offsets.pdf"));
    shell.form->trigger(QStringLiteral("printoffsets1"));
    QCOMPARE(shell.prompter.errors.size(), size_t(1));
    QCOMPARE(shell.prompter.errors[0], std::string("Please Select Both Stations And Waterlines\r\n"
                                                   "Before Printing Offsets"));
    QCOMPARE(shown, 0);
    QVERIFY(!QFile::exists(pdf));
  }

  void printedOffsetsAndVerticesReadBack() {
    if (!HavePdfToText()) QSKIP("pdftotext is not installed");
    if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("a printer is set up; the print would go to it");
    QString pdf;
    int shown = 0;
    Shell shell(PrintTo(&pdf, &shown));
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    shell.state.design.ShowStations = true;
    shell.state.design.ShowWaterlines = true;
    pdf = shell.dir.filePath(QStringLiteral("offsets.pdf"));
    shell.form->trigger(QStringLiteral("printoffsets1"));
    QVERIFY(shell.prompter.errors.empty());
    QCOMPARE(shown, 1);
    const QString printed = PdfText(pdf);
    QVERIFY(printed.contains(QStringLiteral("TABLE OF OFFSETS")));
    // Every station row comes back word for word.
    const QStringList expected =
        QString::fromStdString(OffsetsText(shell.state)).split(QLatin1Char('\n'));
    QStringList printedRows;
    for (const QString& line : printed.split(QLatin1Char('\n'))) printedRows << Words(line).join(QLatin1Char(' '));
    int rows = 0;
    for (int k = 6; k < expected.size(); ++k) {
      if (Words(expected[k]).isEmpty()) continue;
      QVERIFY2(printedRows.contains(Words(expected[k]).join(QLatin1Char(' '))), qPrintable(expected[k]));
      ++rows;
    }
    QVERIFY(rows > 5);

    pdf = shell.dir.filePath(QStringLiteral("vertices.pdf"));
    shell.form->trigger(QStringLiteral("printvertices1"));
    QCOMPARE(shown, 2);
    const QString vertices = PdfText(pdf);
    QVERIFY(vertices.contains(QStringLiteral("VERTEX NET")));
    const Vertex& v = shell.state.design.Net[2][1];
    const QString row = QStringLiteral("2 1 %1 %2 %3")
                            .arg(QString::fromStdString(FormatFixed(v.x, 1, 3)),
                                 QString::fromStdString(FormatFixed(v.y, 1, 3)),
                                 QString::fromStdString(FormatFixed(v.z, 1, 3)));
    bool found = false;
    for (const QString& line : vertices.split(QLatin1Char('\n'))) {
      found = found || Words(line).join(QLatin1Char(' ')).startsWith(row);
    }
    QVERIFY2(found, qPrintable(row));
  }

  void saveAsTextOffsetFileWritesTheTable() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    const QString out = shell.dir.filePath(QStringLiteral("offsets.txt"));
    shell.files.saveAnswers.push_back(ChosenFile{out, 4});
    shell.form->trigger(QStringLiteral("FileSaveAsItem"));
    QVERIFY(shell.prompter.errors.empty());
    QCOMPARE(Contents(out).toStdString(), OffsetsText(shell.state));
    QVERIFY(Contents(out).contains("feet-inches-eighths"));
    // A copy of the table: the design keeps its own name.
    QVERIFY(QString::fromStdString(shell.state.design.DesignFileName).endsWith(QStringLiteral("sailboat.s98")));
  }
};

QTEST_MAIN(OutputCommandsTest)
#include "output_commands_test.moc"
