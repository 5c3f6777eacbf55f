// Output › "Print / Plot &Hull": the print selection dialog's scale rules,
// the print true to scale into a PDF (the hull measured on the rendered
// page), and the headless batch print.
#include <QFontComboBox>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QtTest>
#include <QImage>
#include <cmath>
#include <set>
#include <sstream>

#include "files/design_file.h"
#include "model/shape_changed.h"
#include "shell/print_select_dialog.h"
#include "shell/scaled_printing.h"
#include "shell_fixtures.h"
#include "support/sample_hull.h"
#include "views/real_field.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

constexpr Rgb kMagenta = 0xFF00FF;

// A 30-unit hull whose edge lines (sheer and fairbody, the full length of
// the surface) are the only magenta on the page.
QByteArray HullText(int32_t units) {
  skelmora::testing::SampleHullSize size;
  if (units == kMillimetres) {
    size.length *= 25.4, size.halfBeam *= 25.4, size.draft *= 25.4, size.freeboard *= 25.4;
  }
  auto hull = skelmora::testing::MakeSampleHull(size);
  hull->Units = units;
  hull->EdgeColor = kMagenta;
  hull->ShowVertexNet = false;
  return QByteArray::fromStdString(FormatDesignText(*hull, false));
}

// The width in inches of the magenta on the PDF's first page, rendered at 200 dpi.
double MagentaWidth(const QString& pdf) {
  constexpr int kDpi = 200;
  const QString prefix = pdf + QStringLiteral("-page");
  QProcess render;
  render.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-f"),
                QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                QStringLiteral("-singlefile"), pdf, prefix});
  if (!render.waitForFinished(60000) || render.exitCode() != 0) return -1.0;
  QFile file(prefix + QStringLiteral(".ppm"));
  if (!file.open(QIODevice::ReadOnly)) return -1.0;
  const QByteArray data = file.readAll();
  // "P6\n<w> <h>\n255\n" then RGB bytes.
  QList<QByteArray> header;
  int at = 0;
  while (header.size() < 4 && at < data.size()) {
    while (at < data.size() && QChar(data[at]).isSpace()) ++at;
    const int start = at;
    while (at < data.size() && !QChar(data[at]).isSpace()) ++at;
    header.append(data.mid(start, at - start));
  }
  ++at;
  if (header.size() < 4 || header[0] != "P6") return -1.0;
  const int w = header[1].toInt(), h = header[2].toInt();
  int left = w, right = -1;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const auto* p = reinterpret_cast<const unsigned char*>(data.constData() + at + 3 * (y * w + x));
      if (p[0] > 160 && p[1] < 110 && p[2] > 160) left = std::min(left, x), right = std::max(right, x);
    }
  }
  return right < left ? 0.0 : double(right - left + 1) / kDpi;
}

// The box, in pixels at 200 dpi, of every non-white pixel on the PDF's first
// page (only the magenta ones with magentaOnly).
QRect InkBox(const QString& pdf, bool magentaOnly = false) {
  const QString prefix = pdf + QStringLiteral("-ink");
  QProcess render;
  render.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QStringLiteral("200"), QStringLiteral("-f"), QStringLiteral("1"),
                QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-png"),
                QStringLiteral("-singlefile"), pdf, prefix});
  if (!render.waitForFinished(60000) || render.exitCode() != 0) return {};
  const QImage page(prefix + QStringLiteral(".png"));
  QRect box;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      const QColor c = page.pixelColor(x, y);
      const bool magenta = c.red() > 160 && c.green() < 110 && c.blue() > 160;
      const bool ink = c.red() < 240 || c.green() < 240 || c.blue() < 240;
      if (magentaOnly ? magenta : ink) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

}  // namespace

class ScaledPrintTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void dialogMaximumScaleClampAndViews() {
    auto hull = skelmora::testing::MakeSampleHull();
    hull->DesignFileName = "/boats/hull.s98";
    auto surface = std::make_unique<Surface>();
    RebuildSurface(*hull, *surface);
    TPrintSelectDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Select Dialog"));
    dialog.setView(PrintView::kProfile);
    // 30 long on a page 10 inches wide and 2 high.
    dialog.prepare(*hull, *surface, 10.0, 2.0);
    auto* hscale = dialog.findChild<RealField*>(QStringLiteral("hscaleEdit"));
    auto* vscale = dialog.findChild<RealField*>(QStringLiteral("vscaleEdit"));
    QCOMPARE(hscale->text(), QStringLiteral("4.0000"));
    QCOMPARE(vscale->text(), QStringLiteral("4.0000"));
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(),
             QStringLiteral("Scaled Print of /boats/hull.s98"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("RatioLabel"))->text(),
             QStringLiteral("1 : 3"));

    vscale->clear();
    QTest::keyClicks(vscale, QStringLiteral("10"));
    QCOMPARE(vscale->value().value(), 4.0);
    vscale->clear();
    QTest::keyClicks(vscale, QStringLiteral("2"));
    ScaledPrintChoice choice = dialog.choice();
    QCOMPARE(choice.view, PrintView::kProfile);
    QCOMPARE(choice.printScale, 2.0);
    QCOMPARE(choice.printFactor, 6.0);
    QCOMPARE(choice.limitFactor, 3.0);

    // The plan is 10 high: the page height decides now.
    dialog.button(PrintView::kPlan)->setChecked(true);
    QCOMPARE(dialog.maxScale(), 2.4);
    QCOMPARE(vscale->text(), QStringLiteral("2.4000"));
    QCOMPARE(QString::fromLatin1(PrintViewKeyword(dialog.choice().view)), QStringLiteral("plan"));
  }

  void printsTrueToScaleIntoAPdf_data() {
    QTest::addColumn<int>("units");
    QTest::newRow("inches") << int{kInches};
    QTest::newRow("millimetres, true to the scale shown") << int{kMillimetres};
  }
  void printsTrueToScaleIntoAPdf() {
    QFETCH(int, units);
    const QString pdf = QDir::temp().filePath(
        QStringLiteral("skelmora-scaled-%1-%2.pdf").arg(QCoreApplication::applicationPid()).arg(units));
    Shell shell([&](ShellServices& services) {
      services.printSelectDialog = [](TPrintSelectDlg& dialog) {
        dialog.setView(PrintView::kProfile);
        dialog.findChild<RealField*>(QStringLiteral("vscaleEdit"))->setValue(2.0, 4);
        return true;
      };
      services.printDialog = [&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
      };
    });
    QVERIFY(shell.open(shell.writeFile("hull.s98", HullText(units))));
    shell.form->trigger(QStringLiteral("Copyscreentoprinter1"));
    QVERIFY(shell.prompter.errors.empty());
    // 30 inches (or 762 mm) at 2 inches = 1 ft: 5 inches on paper.
    const double width = MagentaWidth(pdf);
    QVERIFY2(std::abs(width - 5.0) < 0.05, QByteArray::number(width));
    QFile::remove(pdf);
    QFile::remove(pdf + QStringLiteral("-page.ppm"));
  }

  // At the largest scale the combined print stays a quarter inch inside the
  // paper, marks the design waterline, and draws vertex squares only when
  // the net is shown.
  void combinedPrintStaysInsideTheMarginsAndMarksTheWaterline() {
    for (const bool net : {false, true}) {
      Shell shell;
      auto hull = skelmora::testing::MakeSampleHull();
      hull->EdgeColor = kMagenta;
      hull->ShowVertexNet = net;
      const QString design =
          shell.writeFile("hull.s98", QByteArray::fromStdString(FormatDesignText(*hull, false)));
      const QString pdf = shell.dir.filePath(QStringLiteral("all.pdf"));
      std::ostringstream err;
      QCOMPARE(RunBatchPrint(QStringLiteral("all"), design, QStringLiteral("100"), pdf, {}, err), 0);
      // Anything drawn that is not white, on the whole page.
      const QRect ink = InkBox(pdf);
      QVERIFY(!ink.isEmpty());
      const double left = ink.left() / 200.0, top = ink.top() / 200.0;
      QVERIFY2(left >= 0.24 && top >= 0.24, qPrintable(QStringLiteral("%1 %2").arg(left).arg(top)));
      QVERIFY(InkBox(pdf, true).width() > 0);  // the hull's edge lines
      QProcess text;
      text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
      text.waitForFinished();
      QCOMPARE(QString::fromUtf8(text.readAllStandardOutput()).count(QStringLiteral("DWL")), 2);

      // The squares are in the lists exactly when the net is shown.
      AppState state;
      std::string message;
      QVERIFY(ReadDesignFile(state.design, *state.surface, design.toStdString(), message));
      state.Regenerate(Change::kExtents);
      auto scratch = std::make_unique<DrawScratch>();
      DrawInputs inputs;
      const auto panels = LayOutScaledPrint(state.design, *state.surface, inputs, *scratch,
                                            PrintView::kAll, 1.0, 600.0, 6000, 4000);
      QCOMPARE(panels.size(), size_t{3});
      std::set<double> halfInches;
      for (const PrintPanel& panel : panels) {
        QCOMPARE(panel.list.squares().empty(), !net);
        for (const Square& square : panel.list.squares()) {
          halfInches.insert(std::round(square.halfSize * panel.mapping.pixelsPerLogical / 6.0));
        }
      }
      // The same size in every panel (to 0.01 inch).
      QVERIFY(halfInches.size() <= 1);
    }
  }

  void batchPrintClampsTheScaleAndSaysSo() {
    Shell shell;
    const QString design = shell.writeFile("hull.s98", HullText(kInches));
    const QString pdf = shell.dir.filePath(QStringLiteral("hull.pdf"));
    std::ostringstream err;
    QCOMPARE(RunBatchPrint(QStringLiteral("profile"), design, QStringLiteral("100"), pdf,
                           QStringLiteral("Lines"), err),
             0);
    QVERIFY2(err.str().find("does not fit the page; printed at") != std::string::npos,
             err.str().c_str());
    // The largest scale fills the page's width (less its margins) with the hull.
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    double pageWidth, pageHeight;
    PageInches(printer, pageWidth, pageHeight);
    const double width = MagentaWidth(pdf);
    QVERIFY2(std::abs(width - pageWidth) < 0.01 * pageWidth,
             QByteArray::number(width) + " on " + QByteArray::number(pageWidth));

    std::ostringstream bad;
    QCOMPARE(RunBatchPrint(QStringLiteral("side"), design, QStringLiteral("1"), pdf, {}, bad), 2);
    QCOMPARE(RunBatchPrint(QStringLiteral("plan"), design, QStringLiteral("0"), pdf, {}, bad), 2);
    QCOMPARE(RunBatchPrint(QStringLiteral("plan"), shell.dir.filePath("gone.s98"),
                           QStringLiteral("1"), pdf, {}, bad),
             1);
  }
};

QTEST_MAIN(ScaledPrintTest)
#include "scaled_print_test.moc"
