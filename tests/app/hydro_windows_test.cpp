// The Calc commands end to end: the report window against a separate core
// run, the printed report and curve table read back from PDF, the hull
// guard, the drag table and chart, the curve spinner and the displacement
// dialog's Ok and Cancel.
#include <QChart>
#include <QLineEdit>
#include <QLineSeries>
#include <QPrinter>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

#include "files/design_file.h"
#include "files/text_io.h"
#include "hydro/curve_window.h"
#include "hydro/disp_dialog.h"
#include "hydro/drag_window.h"
#include "hydro/calculation_records.h"
#include "hydro/hydro_report.h"
#include "hydro/hydrostatics_window.h"
#include "hydro/text_printing.h"
#include "shell_fixtures.h"
#include "stability/stability_editor.h"
#include "support/same_bytes.h"
#include "when_shown.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

QString Fixed(double value, int width, int decimals) {
  return QString::fromStdString(FormatFixed(value, width, decimals));
}

// The printed lines read back from a PDF set in a fixed-pitch font: each
// word's position gives its column, so the blanks between words come back
// exactly as printed. Lines are the words' baselines, top to bottom.
QStringList PdfLines(const QString& pdf) {
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  text.waitForFinished();
  const QString html = QString::fromUtf8(text.readAllStandardOutput());
  static const QRegularExpression word(QStringLiteral(
      "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"
      "([^<]*)</word>"));
  struct Word {
    int page;
    double x, y;
    QString text;
  };
  std::vector<Word> words;
  double pitch = 0.0;
  const QStringList pages = html.split(QStringLiteral("<page "));
  for (int page = 0; page < pages.size(); ++page) {
  for (auto it = word.globalMatch(pages[page]); it.hasNext();) {
    const auto m = it.next();
    QString w = m.captured(5);
    w.replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    const double x0 = m.captured(1).toDouble(), x1 = m.captured(3).toDouble();
    if (w.size() >= 4 && pitch == 0.0) pitch = (x1 - x0) / w.size();
    words.push_back({page, x0, m.captured(4).toDouble(), w});
  }
  }
  QStringList lines;
  if (words.empty() || pitch <= 0.0) return lines;
  // pdftotext gives words in reading order, column by column; put them
  // back in print order.
  std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
    if (a.page != b.page) return a.page < b.page;
    if (std::fabs(a.y - b.y) > 0.5) return a.y < b.y;
    return a.x < b.x;
  });
  double left = words.front().x;
  for (const Word& w : words) left = std::min(left, w.x);
  double lineY = -1.0;
  int linePage = -1;
  for (const Word& w : words) {
    if (w.page != linePage || std::fabs(w.y - lineY) > 0.5) {
      lines << QString();
      lineY = w.y;
      linePage = w.page;
    }
    QString& line = lines.last();
    const int column = static_cast<int>(std::lround((w.x - left) / pitch));
    if (line.size() < column) line += QString(column - line.size(), QLatin1Char(' '));
    line += w.text;
  }
  return lines;
}

// Lines that carry text, without the page's left margin (every printed line
// starts with the same two blanks) and trailing blanks.
QStringList TextLines(const QStringList& lines) {
  QStringList kept;
  for (const QString& line : lines) {
    QString trimmed = line;
    while (trimmed.endsWith(QLatin1Char(' '))) trimmed.chop(1);
    if (!trimmed.trimmed().isEmpty()) kept << trimmed;
  }
  int margin = 1000;
  for (const QString& line : kept) {
    int lead = 0;
    while (lead < line.size() && line[lead] == QLatin1Char(' ')) ++lead;
    margin = std::min(margin, lead);
  }
  for (QString& line : kept) line.remove(0, margin);
  return kept;
}

bool HavePdfToText() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

// The page sizes of a PDF, in points.
QList<QSizeF> PdfPages(const QString& pdf) {
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  text.waitForFinished();
  static const QRegularExpression page(
      QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">"));
  QList<QSizeF> pages;
  const QString html = QString::fromUtf8(text.readAllStandardOutput());
  for (auto it = page.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    pages << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
  }
  return pages;
}

// The print dialog as the user answers it: print to a PDF file, or Cancel
// while file is empty. Counts its showings.
struct PrintAnswers {
  int shown = 0;
  QString file;
  bool takeOffered = false;  // accept the file the dialog opens on
  QStringList offered;       // the PDF file each showing opened on, "" for a printer
  std::function<void(ShellServices&)> installer() {
    return [this](ShellServices& services) {
      services.printDialog = [this](QPrinter& printer, QWidget*) {
        ++shown;
        offered << (printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                                  : QString());
        if (takeOffered) return true;
        if (file.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
      };
    };
  }
};

// The report prints are tested on a machine without printers: they offer
// the print dialog.
bool NoPrinter() { return QPrinterInfo::availablePrinters().isEmpty(); }

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<float> Heights(const HullDesign& design) {
  std::vector<float> z;
  for (const auto& row : design.Net)
    for (const Vertex& v : row) z.push_back(v.z);
  return z;
}

}  // namespace

class HydroWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  // English and metric: the unit texts, the unit-specific captions and the
  // factors (freshwater 1025 x 0.9718 kg per cubic metre, not 1000).
  void reportShowsTheRunsResults_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("salt");
    QTest::addColumn<double>("fresh");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<double>("toLength");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("trimCaption");
    QTest::addColumn<QString>("trimUnit");
    QTest::addColumn<QString>("immersionCaption");
    QTest::newRow("english") << "sailboat.s98" << 64.0 << 62.2 << " Lbs" << 1.0 / 12.0 << " Ft"
                             << "Mom To Trim 1\"" << " Lbs-Ft" << "Pounds/In Immer";
    QTest::newRow("metric") << "workboat.s98" << 1025.0 << 1025.0 * 0.9718 << " Kgs" << 0.001
                            << " Meters" << "Mom To Trim 1cm" << " Kg-m" << "KG/Cm Immer";
  }
  void reportShowsTheRunsResults() {
    QFETCH(QString, file);
    QFETCH(double, salt);
    QFETCH(double, fresh);
    QFETCH(QString, weight);
    QFETCH(double, toLength);
    QFETCH(QString, length);
    QFETCH(QString, trimCaption);
    QFETCH(QString, trimUnit);
    QFETCH(QString, immersionCaption);
    Shell shell;
    const QString path = shell.copyExample(file.toLatin1().constData());
    QVERIFY(shell.open(path));
    QVERIFY(shell.enabled("Hydrostatics1") && shell.enabled("calcbutton"));

    // The same design run through the core alone.
    auto design = std::make_unique<HullDesign>();
    auto surface = std::make_unique<Surface>();
    auto cuts = std::make_unique<CutBuffers>();
    std::string message;
    QVERIFY(ReadDesignFile(*design, *surface, path.toStdString(), message));
    RecordingPrompter quiet;
    HydrostaticResults expected;
    QVERIFY(HullGuard(*design, *surface, quiet));
    QVERIFY(ComputeHydrostatics(*design, *surface, *cuts, expected, quiet));
    const HydrostaticsReport report = BuildHydrostaticsReport(expected, design->Units);

    QString title, status;
    QStringList groups;
    std::vector<std::pair<QString, QString>> shownValues;
    WhenShown<THydroReport> script([&](THydroReport* window) {
      title = window->windowTitle();
      groups = window->groupTitles();
      for (const ReportGroup& group : report.groups)
        for (const ReportLine& line : group.lines)
          shownValues.emplace_back(QString::fromStdString(line.caption),
                                   window->valueFor(QString::fromStdString(line.caption)));
      status = shell.form->statusBar()->currentMessage();
      window->accept();
    });
    shell.form->trigger(QStringLiteral("Hydrostatics1"));
    QCOMPARE(script.shown, 1);
    QVERIFY(shell.prompter.errors.empty() && shell.prompter.information.empty());
    QCOMPARE(title, QStringLiteral("Displacement + Hydrostatics"));
    QCOMPARE(groups, (QStringList{"Displacement", "Coefficients", "Ratios", "Centers",
                                  "Transverse Metacenters - Estimate", "Length / Width / Height",
                                  "Areas", "Required Power", "Centers of Action",
                                  "Longitudinal Metacenters - Estimate"}));
    QCOMPARE(status, QStringLiteral("Hydrostatics Data"));
    size_t k = 0;
    for (const ReportGroup& group : report.groups)
      for (const ReportLine& line : group.lines)
        QCOMPARE(shownValues[k++].second, QString::fromStdString(line.value));
    QCOMPARE(k, shownValues.size());
    auto shown = [&](const char* caption) {
      for (const auto& [c, v] : shownValues)
        if (c == QLatin1String(caption)) return v;
      return QString();
    };
    // A few by their definitions.
    auto caption = [](const QString& text) { return text.toUtf8(); };
    QCOMPARE(shown("Saltwater"), Fixed(expected.volume * salt, 5, 3) + weight);
    QCOMPARE(shown("Fresh Water"), Fixed(expected.volume * fresh, 5, 3) + weight);
    QCOMPARE(shown("Fairbody Draft"), Fixed(-expected.lowestZ * toLength, 5, 3) + length);
    QVERIFY(expected.lowestZ < 0.0);
    QCOMPARE(shown(caption(trimCaption).constData()),
             Fixed(expected.momentToTrim, 5, 3) + trimUnit);
    QCOMPARE(shown(caption(immersionCaption).constData()), Fixed(expected.immersion, 5, 3));
    // The program's record holds the run, and the design its dimensions.
    QCOMPARE((*shell.state.hydro).results.cp, expected.cp);
    QCOMPARE((*shell.state.hydro).results.lowestZ, expected.lowestZ);

    // The tool button shows the same report without the guard.
    WhenShown<THydroReport> again([](THydroReport* window) { window->accept(); });
    shell.form->trigger(QStringLiteral("calcbutton"));
    QCOMPARE(again.shown, 1);
  }

  // One portrait page on A4 and on Letter, in fixed pitch: the groups in
  // two columns as on screen, each column's numbers on one decimal point.
  void printedReportIsOnePortraitPage_data() {
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<double>("width");
    QTest::newRow("A4") << int(QPageSize::A4) << 595.3;
    QTest::newRow("Letter") << int(QPageSize::Letter) << 612.0;
  }
  void printedReportIsOnePortraitPage() {
    QFETCH(int, pageSize);
    QFETCH(double, width);
    if (!HavePdfToText()) QSKIP("pdftotext is not installed");
    if (!NoPrinter()) QSKIP("a printer is set up; the report would go to it");
    PrintAnswers answers;
    Shell shell(answers.installer());
    const QString path = shell.copyExample("sailboat.s98");
    QVERIFY(shell.open(path));
    // File › Print Setup chose the paper; its landscape is for the views.
    shell.form->printer().setPageSize(QPageSize(QPageSize::PageSizeId(pageSize)));
    answers.file = shell.dir.filePath(QStringLiteral("report.pdf"));
    std::string sent;
    WhenShown<THydroReport> script([&](THydroReport* window) {
      sent = window->PrintedText();
      window->printButton()->click();
      window->accept();
    });
    shell.form->trigger(QStringLiteral("Hydrostatics1"));
    QCOMPARE(script.shown, 1);
    QCOMPARE(answers.shown, 1);

    const QList<QSizeF> pages = PdfPages(answers.file);
    QCOMPARE(pages.size(), 1);
    QVERIFY(std::fabs(pages[0].width() - width) < 1.0);
    QVERIFY(pages[0].height() > pages[0].width());

    const QStringList printed = TextLines(PdfLines(answers.file));
    const QStringList expected = TextLines(QString::fromStdString(sent).split(QLatin1Char('\n')));
    QCOMPARE(printed.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
      if (i == 1) continue;  // the date and time, a moment apart
      QCOMPARE(printed[i], expected[i]);
    }
    QCOMPARE(expected[0], QStringLiteral("Hydrostatics Data for ") + path);
    // Blank lines: two at the top, around the date.
    const QStringList raw = QString::fromStdString(sent).split(QLatin1Char('\n'));
    QVERIFY(raw[0].isEmpty() && raw[1].isEmpty() && raw[3].isEmpty() && raw[5].isEmpty());

    auto lineWith = [&](const char* text) {
      for (const QString& line : expected)
        if (line.contains(QLatin1String(text))) return line;
      return QString();
    };
    // Left and right groups side by side, headings over their captions.
    const QString headings = lineWith("Displacement");
    QVERIFY(headings.startsWith(QStringLiteral("Displacement ")));
    const int right = headings.indexOf(QStringLiteral("Length - Width - Height"));
    QVERIFY(right > 20);
    QCOMPARE(lineWith("Load Waterline").indexOf(QStringLiteral("Load Waterline")), right);
    QCOMPARE(lineWith("Waterplane  ").indexOf(QStringLiteral("Waterplane")), right);
    QVERIFY(lineWith("Transverse Metacenters")
                .contains(QStringLiteral("Longitudinal Metacenters")));
    // Numbers on one decimal point down the left column, across groups.
    const int point = lineWith("Saltwater").indexOf(QLatin1Char('.'));
    for (const char* caption : {"Fresh Water", "Prismatic Cp", "Length/Beam", "LCB", "Gmt"})
      QCOMPARE(lineWith(caption).indexOf(QLatin1Char('.')), point);
  }

  // With no printer the report's Print goes straight to the print dialog,
  // on a PDF file in the design directory named after the design and the
  // report, with no message first; a cancelled dialog prints nothing, and
  // File › Print to a PDF works afterwards (the failed start used to leave
  // the one printer active).
  void reportPrintWithoutAPrinterOffersAPdfFile() {
    if (!NoPrinter()) QSKIP("a printer is set up");
    PrintAnswers answers;
    Shell shell(answers.installer());
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    QTemporaryDir designs;
    shell.state.design.DesignDirectory = (designs.path() + QLatin1Char('/')).toStdString();
    const QString offered = designs.filePath(QStringLiteral("sailboat-hydrostatics.pdf"));
    bool printed = true;
    WhenShown<THydroReport> script([&](THydroReport* window) {
      printed = window->Print();
      window->accept();
    });
    shell.form->trigger(QStringLiteral("Hydrostatics1"));
    QCOMPARE(script.shown, 1);
    QVERIFY(!printed);
    QCOMPARE(answers.offered, QStringList{offered});
    QVERIFY(shell.prompter.information.empty());
    QVERIFY(shell.prompter.errors.empty());
    QVERIFY(!QFile::exists(offered));
    QVERIFY(shell.form->printer().printerState() != QPrinter::Active);

    // Taken as offered, the file is written there.
    answers.takeOffered = true;
    WhenShown<THydroReport> again([&](THydroReport* window) {
      printed = window->Print();
      window->accept();
    });
    shell.form->trigger(QStringLiteral("Hydrostatics1"));
    QVERIFY(printed);
    QCOMPARE(answers.offered.last(), offered);
    if (HavePdfToText()) {
      QVERIFY(TextLines(PdfLines(offered)).value(0).startsWith(QStringLiteral("Hydrostatics Data")));
    }
    QVERIFY(shell.prompter.information.empty());

    // The view print is offered a file of its own.
    answers.takeOffered = false;
    const QString pdf = shell.dir.filePath(QStringLiteral("view.pdf"));
    answers.file = pdf;
    shell.form->trigger(QStringLiteral("FilePrintItem"));
    QCOMPARE(answers.shown, 3);
    QVERIFY(answers.offered.last().startsWith(designs.filePath(QStringLiteral("sailboat-"))));
    QVERIFY(answers.offered.last().endsWith(QStringLiteral("-view.pdf")));
    QVERIFY(shell.prompter.errors.empty());
    QCOMPARE(shell.form->statusBar()->currentMessage(), QStringLiteral("Printed."));
    QVERIFY(QFileInfo(pdf).size() > 1000);
    QVERIFY(shell.form->printer().printerState() != QPrinter::Active);
  }

  // Every report names its own file.
  void eachReportOffersAFileNamedAfterIt() {
    QCOMPARE(ReportName(QStringLiteral("Cross Curves (KN)")), QStringLiteral("cross-curves-kn"));
    QCOMPARE(ReportName(QStringLiteral("  ")), QStringLiteral("report"));
    QCOMPARE(DefaultPrintFile("/boats/sailboat.s98", "/designs/", QStringLiteral("offsets")),
             QStringLiteral("/designs/sailboat-offsets.pdf"));
    // No design directory: beside the design.
    QCOMPARE(DefaultPrintFile("/boats/sailboat.s98", "", QStringLiteral("offsets")),
             QStringLiteral("/boats/sailboat-offsets.pdf"));
    // A printer chosen stays chosen; none is replaced by the file.
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/tmp/old.pdf"));
    QVERIFY(ChoosePdfWhenNoPrinter(printer, QStringLiteral("/designs/a-b.pdf")));
    QCOMPARE(printer.outputFileName(), QStringLiteral("/designs/a-b.pdf"));
  }

  // The stability data editor asks for the printer every time, even with one
  // set up, and prints landscape in the font the editor shows.
  void stabilityDataPrintsLandscapeInTheEditorsFont() {
    if (!HavePdfToText()) QSKIP("pdftotext is not installed");
    Shell shell;
    const QString data = shell.writeFile(
        "stabdata.dat", "Heel   Displ    GZ\r\n  0.0  9241.0  0.000\r\n 10.0  9241.0  0.412\r\n");
    const QString pdf = shell.dir.filePath(QStringLiteral("data.pdf"));
    QPrinter setup;
    QList<QPageLayout::Orientation> asked;
    ReportPrinter printer(setup, shell.prompter, [&](QPrinter& job, QWidget*) {
      asked << job.pageLayout().orientation();
      job.setOutputFormat(QPrinter::PdfFormat);
      job.setOutputFileName(pdf);
      return true;
    });
    TStabedit editor(shell.state, printer, shell.files, data);
    QVERIFY(editor.Load());
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(14.0);
    editor.text()->setFont(font);
    QVERIFY(editor.Print());
    QCOMPARE(asked, QList<QPageLayout::Orientation>{QPageLayout::Landscape});
    const QList<QSizeF> pages = PdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages[0].width() > pages[0].height());
    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {pdf});
    fonts.waitForFinished();
    const QString used = QString::fromUtf8(fonts.readAllStandardOutput());
    QVERIFY2(used.contains(QStringLiteral("DejaVuSerif")), qPrintable(used));
    // A word's box is about the point size tall (Courier at 10 gives about 11).
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    text.waitForFinished();
    const QRegularExpression heel(
        QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">Heel<"));
    const auto m = heel.match(QString::fromUtf8(text.readAllStandardOutput()));
    QVERIFY(m.hasMatch());
    const double tall = m.captured(2).toDouble() - m.captured(1).toDouble();
    QVERIFY2(tall > 13.0 && tall < 20.0, QByteArray::number(tall));
    QVERIFY(shell.prompter.errors.empty() && shell.prompter.information.empty());
  }

  // After File › Print wrote a PDF, the report prints leave that file alone
  // unless the user picks it in the print dialog.
  void reportPrintsNeverWriteOverThePrintedFile() {
    if (!NoPrinter()) QSKIP("a printer is set up");
    PrintAnswers answers;
    Shell shell(answers.installer());
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    const QString pdf = shell.dir.filePath(QStringLiteral("view.pdf"));
    answers.file = pdf;
    shell.form->trigger(QStringLiteral("FilePrintItem"));
    const QByteArray before = Contents(pdf);
    QVERIFY(before.size() > 1000);

    answers.file.clear();  // the dialog is cancelled
    WhenShown<THydroReport> report([](THydroReport* window) {
      window->printButton()->click();
      window->accept();
    });
    shell.form->trigger(QStringLiteral("Hydrostatics1"));
    QCOMPARE(report.shown, 1);
    shell.prompter.texts = {std::string("label")};
    WhenShown<Tarea_length_dlg> curve([](Tarea_length_dlg* window) {
      window->PrintData();
      window->accept();
    });
    shell.form->trigger(QStringLiteral("Cureofareas1"));
    QCOMPARE(curve.shown, 1);
    QCOMPARE(answers.shown, 3);  // File › Print, then each report print asked
    QCOMPARE(Contents(pdf), before);
  }

  // The menu items refuse a hull above the waterline through the guard; the
  // tool button skips the guard and the run refuses it itself.
  void refusesAHullAboveTheWaterline() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    RaiseHull(shell.state.design, *shell.state.surface, 1000.0);
    WhenShown<QDialog> anyWindow([](QDialog* window) { window->reject(); });
    for (const char* name : {"Hydrostatics1", "Wavefrictiondrag1", "Cureofareas1",
                             "Curveofwettedlengths1"}) {
      shell.prompter.information.clear();
      shell.form->trigger(QLatin1String(name));
      QCOMPARE(shell.prompter.information,
               std::vector<std::string>{kNoDisplacementMessage});
    }
    QVERIFY(shell.prompter.errors.empty());
    shell.prompter.information.clear();
    shell.form->trigger(QStringLiteral("calcbutton"));
    QVERIFY(shell.prompter.information.empty());
    QCOMPARE(shell.prompter.errors, std::vector<std::string>{kAboveWaterlineMessage});
    QCOMPARE(anyWindow.shown, 0);
  }

  void dragTableAndChart() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    QStringList froude, speed;
    QString maxVelocity, step, chartTitle;
    int wavePoints = 0;
    bool zoomedBefore = false, zoomedAfter = true;
    WhenShown<TWavefriction> script([&](TWavefriction* window) {
      QTableWidget* table = window->table();
      // All four columns in view at the window's default size, none cut.
      for (int c = 0; c < 4; ++c) {
        const int right = table->columnViewportPosition(c) + table->columnWidth(c);
        QVERIFY2(right <= table->viewport()->width(), qPrintable(QString::number(c)));
        for (int r = 0; r <= kDragRows; ++r) {
          const int text = table->fontMetrics().horizontalAdvance(table->item(r, c)->text());
          QVERIFY(text <= table->columnWidth(c));
        }
      }
      QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
      for (int r = 0; r <= kDragRows; ++r) {
        froude << table->item(r, 1)->text().trimmed();
        speed << table->item(r, 0)->text().trimmed();
      }
      maxVelocity = window->maxVelocity()->text();
      step = window->velocityStep()->text();
      chartTitle = window->chart()->title();
      wavePoints = window->waveSeries()->count();
      window->chart()->zoomIn(QRectF(window->chart()->plotArea().center(), QSizeF(20, 20)));
      zoomedBefore = window->chart()->isZoomed();
      window->zoomOffButton()->click();
      zoomedAfter = window->chart()->isZoomed();
      window->accept();
    });
    shell.form->trigger(QStringLiteral("Wavefrictiondrag1"));
    QCOMPARE(script.shown, 1);
    const DragResults& drag = (*shell.state.hydro).drag;
    QCOMPARE(froude[0], QStringLiteral("Froude"));
    QCOMPARE(speed[0], QStringLiteral("Vel.Kts"));
    // Every row's speed is its own Froude number's: Fn sqrt(g LWL).
    const double lwlMetres = (*shell.state.hydro).results.lwl * 0.0254;
    const double knotsPerFroude = std::sqrt(9.80665 * lwlMetres) * 3600.0 / 1852.0;
    for (int i = 1; i <= kDragRows; ++i) {
      QCOMPARE(froude[i], QString::number(0.1 + 0.025 * i, 'f', 3));
      QCOMPARE(speed[i], QString::number((0.1 + 0.025 * i) * knotsPerFroude, 'f', 3));
    }
    QCOMPARE(maxVelocity, speed[14]);
    QCOMPARE(step, QString::number(0.025 * knotsPerFroude, 'f', 3));
    QCOMPARE(chartTitle, QStringLiteral("Displacement Mode Wave & Friction Drag in Pounds"));
    QCOMPARE(wavePoints, kDragRows);
    QVERIFY(zoomedBefore);
    QVERIFY(!zoomedAfter);
    QCOMPARE(drag.frictionDrag[0], 0.0);
    QVERIFY(drag.frictionDrag[14] > drag.frictionDrag[1]);
  }

  void curveStationsAndPrintedTable() {
    PrintAnswers answers;
    Shell shell(answers.installer());
    const QString path = shell.copyExample("sailboat.s98");
    QVERIFY(shell.open(path));
    const QString pdf = shell.dir.filePath(QStringLiteral("curve.pdf"));
    answers.file = pdf;
    (*shell.state.hydro).curves.stations = kDefaultCurveStations;
    QList<int> points;
    int spinnerAfterEighty = 0;
    bool undoBefore = true, undoAfterZoom = false, undoAfterUndo = true;
    bool cancelledPrint = true, printed = false;
    QString axis, title;
    shell.prompter.texts = {std::nullopt, std::string("Cruiser areas")};
    WhenShown<Tarea_length_dlg> script([&](Tarea_length_dlg* window) {
      points << window->series()->count();
      title = window->chart()->title();
      window->stations()->setValue(20);
      points << window->series()->count();
      window->stations()->setValue(80);
      points << window->series()->count();
      spinnerAfterEighty = window->stations()->value();
      window->stations()->setValue(10);
      points << window->series()->count();
      undoBefore = window->undoZoomButton()->isEnabled();
      window->chart()->zoomIn(QRectF(window->chart()->plotArea().center(), QSizeF(30, 30)));
      undoAfterZoom = window->undoZoomButton()->isEnabled();
      window->undoZoomButton()->click();
      undoAfterUndo = window->undoZoomButton()->isEnabled();
      cancelledPrint = window->PrintData();
      printed = window->PrintData();
      window->accept();
    });
    shell.form->trigger(QStringLiteral("Cureofareas1"));
    QCOMPARE(script.shown, 1);
    QCOMPARE(points, (QList<int>{11, 21, 51, 11}));
    QCOMPARE(spinnerAfterEighty, 50);
    QCOMPARE(title, path + QStringLiteral(" - Curve of Immersed Areas"));
    QVERIFY(!undoBefore && undoAfterZoom && !undoAfterUndo);
    QVERIFY(!cancelledPrint);
    QVERIFY(printed);
    QCOMPARE((*shell.state.hydro).curveLabel, std::string("Cruiser areas"));

    if (HavePdfToText() && NoPrinter()) {
      const CurveResults& curves = (*shell.state.hydro).curves;
      const QStringList lines = TextLines(PdfLines(pdf));
      QCOMPARE(lines.size(), 2 + 11);  // label, heading, stations 0..10
      QCOMPARE(lines[0].trimmed(), QStringLiteral("Cruiser areas"));
      QCOMPARE(lines[1].trimmed(),
               QStringLiteral("Section     Area SqFt    % Of Max"));
      for (int i = 0; i <= 10; ++i) {
        const QStringList cells = lines[2 + i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QCOMPARE(cells.size(), 3);
        QCOMPARE(cells[0], QString::number(i));
        QCOMPARE(cells[1], QString::number(curves.areas[i], 'f', 3));
        QCOMPARE(cells[2], QString::number(100.0 * curves.areas[i] / curves.maxArea, 'f', 2));
      }
    }

    // The lengths reuse the window with the station count kept.
    (*shell.state.hydro).curves.stations = 7;
    QString axisTitle;
    int lengthPoints = 0;
    WhenShown<Tarea_length_dlg> lengths([&](Tarea_length_dlg* window) {
      lengthPoints = window->series()->count();
      for (QAbstractAxis* a : window->chart()->axes(Qt::Vertical)) axisTitle = a->titleText();
      window->accept();
    });
    shell.form->trigger(QStringLiteral("Curveofwettedlengths1"));
    QCOMPARE(lengths.shown, 1);
    QCOMPARE(lengthPoints, 8);
    QCOMPARE(axisTitle, QStringLiteral("Wetted Lengths - Ft"));
  }

  void draftDialogOkKeepsCancelRestores() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    const std::vector<float> before = Heights(shell.state.design);

    // A target of 0 is refused and leaves the button for another try;
    // Cancel then moves every vertex back.
    double initial = 0.0;
    WhenShown<TDispDialog> cancelled([&](TDispDialog* dialog) {
      initial = dialog->search().initialDisplacement;
      QCOMPARE(dialog->field("InitialDisplacement")->text(), Fixed(initial, 6, 1));
      QCOMPARE(dialog->field("Steps")->text(), QStringLiteral("0"));
      dialog->field("NewDisplacement")->setText(QStringLiteral("0"));
      dialog->adjustButton()->click();
      QVERIFY(dialog->adjustButton()->isEnabled());
      dialog->field("NewDisplacement")->setText(QString::number(initial * 1.2, 'f', 1));
      dialog->adjustButton()->click();
      QVERIFY(!dialog->adjustButton()->isEnabled());
      QVERIFY(dialog->field("Steps")->text().toInt() >= 1);
      dialog->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    });
    shell.form->trigger(QStringLiteral("Findwaterline1"));
    QCOMPARE(cancelled.shown, 1);
    QCOMPARE(shell.prompter.information,
             std::vector<std::string>{kNoTargetDisplacementMessage});
    const std::vector<float> restored = Heights(shell.state.design);
    for (size_t i = 0; i < before.size(); ++i)
      QVERIFY(std::fabs(restored[i] - before[i]) <= 1e-4f * std::max(1.0f, std::fabs(before[i])));
    QCOMPARE(shell.state.design.UndoCount, 0);  // a cancelled search is no step

    // Ok keeps the hull where the search left it: deeper, heavier.
    double target = 0.0;
    double finalDraft = 0.0, initialDraft = 0.0;
    WhenShown<TDispDialog> kept([&](TDispDialog* dialog) {
      initialDraft = dialog->search().initialDraft;
      target = std::round(dialog->search().initialDisplacement * 1.2);
      dialog->field("NewDisplacement")->setText(QString::number(target, 'f', 0));
      dialog->adjustButton()->click();
      finalDraft = dialog->search().finalDraft;
      QCOMPARE(dialog->field("Draft")->text(), Fixed(finalDraft, 5, 2));
      dialog->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    shell.form->trigger(QStringLiteral("Findwaterline1"));
    QCOMPARE(kept.shown, 1);
    const std::vector<float> moved = Heights(shell.state.design);
    QVERIFY(moved != before);
    const double weight =
        DisplacementWeight(StationVolume(shell.state.design, *shell.state.surface,
                                         *shell.state.cuts),
                           shell.state.design.Units);
    QVERIFY2(std::fabs(weight - target) < 0.01 * target, qPrintable(QString::number(weight)));
    QCOMPARE((*shell.state.hydro).results.lowestZ, finalDraft);
    QVERIFY(finalDraft < initialDraft);

    // The kept hull is one undo step: Undo puts it back (to the history's
    // four decimals).
    QCOMPARE(shell.state.design.UndoCount, 1);
    QVERIFY(shell.enabled("EditUndoItem"));
    shell.form->trigger(QStringLiteral("EditUndoItem"));
    const std::vector<float> undone = Heights(shell.state.design);
    for (size_t i = 0; i < before.size(); ++i)
      QVERIFY(std::fabs(undone[i] - restored[i]) <= 1e-4f * std::max(1.0f, std::fabs(restored[i])));
    QCOMPARE(shell.state.design.UndoCount, 0);
  }

  // A target beyond what the closed hull displaces is refused before
  // anything moves, naming it; the captions carry the design's units.
  void draftDialogRefusesATargetBeyondTheHull() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    const auto before = std::make_unique<VertexNet>(shell.state.design.Net);
    QString draftCaption, weightCaption;
    WhenShown<TDispDialog> dialog([&](TDispDialog* window) {
      draftCaption = window->caption("InitialDraft")->text();
      weightCaption = window->caption("Displacement")->text();
      window->field("NewDisplacement")->setText(QStringLiteral("1e9"));
      window->adjustButton()->click();
      QVERIFY(window->adjustButton()->isEnabled());
      window->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    });
    shell.form->trigger(QStringLiteral("Findwaterline1"));
    QCOMPARE(dialog.shown, 1);
    QCOMPARE(draftCaption, QStringLiteral("Initial Draft (in)"));
    QCOMPARE(weightCaption, QStringLiteral("Displacement (lb)"));
    QCOMPARE(shell.prompter.errors.size(), std::size_t(1));
    QVERIFY2(shell.prompter.errors[0].rfind(
                 "The new displacement 1.00000E+09 lb is more than this hull can displace", 0) == 0,
             shell.prompter.errors[0].c_str());
    QVERIFY(skelmora::testing::SameNet(*before, shell.state.design.Net));
  }

  // A hull wholly above the water has no displacement to search from: the
  // hydrostatics' own message, and no dialog.
  void draftSearchRefusesADryHull() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    RaiseHull(shell.state.design, *shell.state.surface, 1000.0);
    const std::vector<float> before = Heights(shell.state.design);
    WhenShown<TDispDialog> dialog([](TDispDialog* window) { window->reject(); });
    shell.form->trigger(QStringLiteral("Findwaterline1"));
    QCOMPARE(dialog.shown, 0);
    QCOMPARE(shell.prompter.information, std::vector<std::string>{kNoDisplacementMessage});
    QCOMPARE(Heights(shell.state.design), before);
    QCOMPARE(shell.state.design.UndoCount, 0);
  }
};

QTEST_MAIN(HydroWindowsTest)
#include "hydro_windows_test.moc"
