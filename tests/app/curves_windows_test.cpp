// Calc › "Hydrostatic Curves" and "Cross Curves (KN)": computed on opening,
// recomputed from the fields, refusals shown with the table kept, the plot
// choices, printing the chart with the table, and the design left alone.
#include <QChart>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QLineSeries>
#include <QSet>
#include <QXYSeries>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QValueAxis>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <memory>

#include "curves/cross_curves_window.h"
#include "curves/curves_widgets.h"
#include "curves/hydro_curves_window.h"
#include "hydro/hydro_report.h"
#include "shell_fixtures.h"
#include "support/same_bytes.h"
#include "views/real_field.h"
#include "when_shown.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

bool CanReadPrints() {
  return QPrinterInfo::availablePrinters().isEmpty() &&
         !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString PdfText(const QString& pdf) {
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  text.waitForFinished();
  return QString::fromUtf8(text.readAllStandardOutput());
}

// Width over height of the first page.
double PdfAspect(const QString& pdf) {
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {pdf});
  info.waitForFinished();
  const QString text = QString::fromUtf8(info.readAllStandardOutput());
  const QRegularExpression size(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)"));
  const auto m = size.match(text);
  return m.hasMatch() ? m.captured(1).toDouble() / m.captured(2).toDouble() : 0.0;
}

int SeriesCount(QChart* chart) { return static_cast<int>(chart->series().size()); }

// Every series of the chart in a colour of its own.
bool DistinctColours(QChart* chart) {
  QSet<QRgb> colours;
  for (QAbstractSeries* series : chart->series()) {
    colours.insert(static_cast<QXYSeries*>(series)->color().rgb());
  }
  return colours.size() == chart->series().size();
}

// The legend names every series in full, and has the room to show it all.
bool LegendInFull(TCurvesWindow* window) {
  QStringList names;
  for (QAbstractSeries* series : window->chart()->series()) names << series->name();
  const SeriesLegend* legend = window->legend();
  if (legend->entries() != names || window->chart()->legend()->isVisible()) return false;
  if (!legend->isVisible()) return names.isEmpty();
  for (const QString& name : names) {
    if (!legend->text().contains(name.toHtmlEscaped())) return false;
  }
  return legend->height() >= legend->heightForWidth(legend->width());
}

struct NetCopy {
  std::unique_ptr<VertexNet> net;
  explicit NetCopy(const HullDesign& d) : net(std::make_unique<VertexNet>(d.Net)) {}
  bool same(const HullDesign& d) const { return skelmora::testing::SameNet(*net, d.Net); }
};

}  // namespace

class CurvesWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void hydrostaticCurvesTablePlotRefusalsAndPrint() {
    PdfAnswer answer;
    Shell shell(answer.installer());
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    answer.file = shell.dir.filePath(QStringLiteral("curves.pdf"));
    const NetCopy before(shell.state.design);

    // The upright run as Calc › Hydrostatics makes it, for the draft-0 row.
    HydrostaticResults upright;
    QVERIFY(ComputeHydrostatics(shell.state.design, *shell.state.surface, *shell.state.cuts,
                                upright, shell.prompter));

    int rowsOnOpening = 0, tableRows = 0, seriesOnOpening = 0, seriesWithOne = 0;
    double designRowDisplacement = -1.0;
    QString oneAxis;
    bool refusedText = true, refusedRange = true, printed = false, legendOnOpening = false;
    int rowsAfterRefusals = 0;
    WhenShown<THydroCurvesWindow> script([&](THydroCurvesWindow* window) {
      rowsOnOpening = static_cast<int>(window->rows().size());
      seriesOnOpening = SeriesCount(window->chart());
      QTest::qWait(50);  // the layout settles
      legendOnOpening = LegendInFull(window) && DistinctColours(window->chart());
      // 0 to 4 by 1: the first row is the design waterline.
      window->drafts().from->setText(QStringLiteral("0"));
      window->drafts().to->setText(QStringLiteral("4"));
      window->drafts().step->setText(QStringLiteral("1"));
      window->computeButton()->click();
      tableRows = window->table()->rowCount();
      if (!window->rows().empty()) {
        designRowDisplacement = SaltwaterDisplacement(window->rows()[0].results, kInches);
      }
      for (int k = 0; k < window->columns()->count(); ++k) {
        window->columns()->item(k)->setCheckState(k == 0 ? Qt::Checked : Qt::Unchecked);
      }
      seriesWithOne = SeriesCount(window->chart());
      oneAxis = static_cast<QValueAxis*>(window->chart()->axes(Qt::Horizontal).front())->titleText();
      window->drafts().step->setText(QStringLiteral("-"));
      refusedText = !window->Compute();
      window->drafts().step->setText(QStringLiteral("1"));
      window->drafts().to->setText(QStringLiteral("900"));
      refusedRange = !window->Compute();
      rowsAfterRefusals = window->table()->rowCount();
      // Two curves, so each is drawn to its own scale, named in the legend.
      for (int k = 0; k < window->columns()->count(); ++k) {
        QListWidgetItem* item = window->columns()->item(k);
        if (item->text().startsWith(QStringLiteral("TPI/TPcm"))) item->setCheckState(Qt::Checked);
      }
      printed = window->PrintCurves();
      window->accept();
    });
    shell.form->trigger(QStringLiteral("HydrostaticCurves1"));
    QCOMPARE(script.shown, 1);
    QVERIFY(rowsOnOpening >= 3);
    QCOMPARE(seriesOnOpening, 4);
    QVERIFY(legendOnOpening);
    QCOMPARE(tableRows, 5);
    QCOMPARE(designRowDisplacement, SaltwaterDisplacement(upright, kInches));
    QCOMPARE(seriesWithOne, 1);
    QCOMPARE(oneAxis, QStringLiteral("Displ (lb)"));
    QVERIFY(refusedText && refusedRange);
    QCOMPARE(rowsAfterRefusals, 5);
    QCOMPARE(shell.prompter.errors.size(), std::size_t(2));
    QVERIFY(shell.prompter.errors[1].find("outside the hull") != std::string::npos);
    QVERIFY(before.same(shell.state.design));
    QVERIFY(!shell.enabled("EditUndoItem"));
    QVERIFY(printed);
    if (CanReadPrints()) {
      const QString text = PdfText(answer.file);
      // The chart's title above the table's own.
      QCOMPARE(text.count(QStringLiteral("Hydrostatic Curves")), 2);
      QVERIFY(text.contains(QStringLiteral("KMt")));
      QVERIFY(text.contains(QStringLiteral("Draft change (in), positive deeper")));
      // The legend printed under the chart, its scale values whole.
      QVERIFY(text.contains(QRegularExpression(QStringLiteral("TPI/TPcm \\(lb/in\\) to [0-9]+\\.[0-9]"))));
      QVERIFY(PdfAspect(answer.file) > 1.2);  // landscape
    }
  }

  // However many series a chart has, no two share a colour.
  void seriesColoursAreDistinct() {
    QSet<QRgb> colours;
    for (int k = 0; k < 60; ++k) colours.insert(SeriesColour(k).rgb());
    QCOMPARE(colours.size(), 60);
  }

  void crossCurvesFamilyRefusalsAndPrint() {
    PdfAnswer answer;
    Shell shell(answer.installer());
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    answer.file = shell.dir.filePath(QStringLiteral("kn.pdf"));
    const NetCopy before(shell.state.design);

    QString seed;
    int points = 0, byDisplacement = 0, byAngle = 0, columns = 0, rows = 0;
    double kn0 = 1.0;
    bool refusedList = true, refusedHeavy = true, printed = false;
    bool legendByDisplacement = false, legendByAngle = false;
    std::size_t pointsAfterRefusals = 0;
    int progressDone = 0, progressOf = 0;
    WhenShown<TCrossCurvesWindow> script([&](TCrossCurvesWindow* window) {
      seed = window->displacements()->text();
      points = static_cast<int>(window->points().size());
      byDisplacement = SeriesCount(window->chart());
      QTest::qWait(50);  // the series' colours follow once the chart has them
      legendByDisplacement = LegendInFull(window) && DistinctColours(window->chart());
      window->against()->setCurrentIndex(kKnAgainstAngle);
      byAngle = SeriesCount(window->chart());
      QTest::qWait(50);
      legendByAngle = LegendInFull(window) && DistinctColours(window->chart());
      columns = window->table()->columnCount();
      rows = window->table()->rowCount();
      if (!window->points().empty()) kn0 = window->points().front().kn;
      window->displacements()->setText(QStringLiteral("2000,,3000"));
      refusedList = !window->Compute();
      window->displacements()->setText(QStringLiteral("2000,9e9"));
      refusedHeavy = !window->Compute();
      pointsAfterRefusals = window->points().size();
      progressDone = window->progress()->value();
      progressOf = window->progress()->maximum();
      printed = window->PrintCurves();
      window->accept();
    });
    shell.form->trigger(QStringLiteral("CrossCurves1"));
    QCOMPARE(script.shown, 1);
    QCOMPARE(seed.split(QLatin1Char(',')).size(), 5);
    QCOMPARE(points, 5 * 10);          // five displacements, 0 to 90 by 10
    QCOMPARE(byDisplacement, 9);       // a curve per angle but the upright one
    QCOMPARE(byAngle, 5);              // a curve per displacement
    QVERIFY(legendByDisplacement);     // 10 and 60 degrees apart too
    QVERIFY(legendByAngle);
    QCOMPARE(columns, 1 + 5);
    QCOMPARE(rows, 10);
    QVERIFY(std::fabs(kn0) < 1e-9);
    QVERIFY(refusedList && refusedHeavy);
    // The heavy one is named; the rows of 2000 stay shown.
    QCOMPARE(pointsAfterRefusals, std::size_t(10));
    QCOMPARE(progressDone, 2);
    QCOMPARE(progressOf, 2);
    QCOMPARE(shell.prompter.errors.size(), std::size_t(2));
    QVERIFY(shell.prompter.errors[1].find("displacement 9000000000.000: The hull cannot displace") !=
            std::string::npos);
    QVERIFY(before.same(shell.state.design));
    QVERIFY(printed);
    if (CanReadPrints()) {
      const QString text = PdfText(answer.file);
      QCOMPARE(text.count(QStringLiteral("Cross Curves (KN)")), 2);
      QVERIFY(text.contains(QStringLiteral("G at the keel")));
    }
  }
};

QTEST_MAIN(CurvesWindowsTest)
#include "curves_windows_test.moc"
