// Calc › "Resistance and Power": the best-fitting method on opening, the
// hull's inputs editable and reset, refusals shown with the table kept,
// rows without values, the chart, Print (chart above table, landscape) and
// "Save Table..." as CSV; the design left alone.
#include <QChart>
#include <QComboBox>
#include <QFile>
#include <QLineSeries>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "resistance/resistance_window.h"
#include "resistance/table_csv.h"
#include "shell_fixtures.h"
#include "support/same_bytes.h"
#include "views/real_field.h"
#include "when_shown.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

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

int RowOf(TResistanceWindow* window, const char* key) {
  for (int row = 0; row < window->inputs()->rowCount(); ++row) {
    if (window->inputField(row)->objectName() == QLatin1String(key)) return row;
  }
  return -1;
}

}  // namespace

class ResistanceWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void cargoShipWithHoltrop() {
    PdfAnswer answer;
    Shell shell(answer.installer());
    QVERIFY(shell.open(shell.copyExample("cargo.s98")));
    answer.file = shell.dir.filePath(QStringLiteral("resistance.pdf"));
    const auto before = std::make_unique<VertexNet>(shell.state.design.Net);
    const QString csv = shell.dir.filePath(QStringLiteral("table.csv"));
    shell.files.saveAnswers.push_back(ChosenFile{csv, 1});

    QString methodOnOpening, hullLwl, savedCsv, tableCsv;
    int rows = 0, points = 0, rowsAfterRefusal = 0, warningsOnOpening = -1;
    bool refusedText = false, refusedZero = false, printed = false, saved = false;
    double editedLwl = 0.0, resetLwl = 0.0, hullValue = 0.0;
    WhenShown<TResistanceWindow> script([&](TResistanceWindow* window) {
      methodOnOpening = window->method()->currentText();
      rows = window->table()->rowCount();
      points = window->resistanceSeries()->count();
      warningsOnOpening = window->warnings()->count();
      const int lwl = RowOf(window, "lwl");
      hullLwl = window->inputs()->item(lwl, 3)->text();
      hullValue = window->run().inputs.lwl;
      // A field that is not a number, then an input that must be positive.
      window->inputField(lwl)->setText(QStringLiteral("-"));
      refusedText = !window->Compute();
      window->inputField(lwl)->setText(QStringLiteral("0"));
      refusedZero = !window->Compute();
      rowsAfterRefusal = window->table()->rowCount();
      window->inputField(lwl)->setText(QStringLiteral("100"));
      window->Compute();
      editedLwl = window->run().inputs.lwl;
      window->ResetInputs();
      window->Compute();
      resetLwl = window->run().inputs.lwl;
      printed = window->PrintCurves();
      saved = window->SaveTable();
      tableCsv = QString::fromStdString(TableCsv(*window->table()));
      window->accept();
    });
    shell.form->trigger(QStringLiteral("ResistancePower1"));
    QCOMPARE(script.shown, 1);
    QCOMPARE(methodOnOpening, QStringLiteral("Holtrop-Mennen (ships)"));
    QCOMPARE(rows, 14);
    QCOMPARE(points, 14);
    QCOMPARE(warningsOnOpening, 0);
    QCOMPARE(hullLwl, FixedText(hullValue, 4));
    QVERIFY(refusedText && refusedZero);
    QCOMPARE(rowsAfterRefusal, 14);
    QCOMPARE(shell.prompter.errors.size(), std::size_t(2));
    QVERIFY(shell.prompter.errors[1].find("more than 0") != std::string::npos);
    QCOMPARE(editedLwl, 100.0);
    QCOMPARE(resetLwl, hullValue);
    QVERIFY(skelmora::testing::SameNet(*before, shell.state.design.Net));
    QVERIFY(saved);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    savedCsv = QString::fromUtf8(file.readAll());
    QCOMPARE(savedCsv, tableCsv);
    QVERIFY(savedCsv.startsWith(QStringLiteral("Speed kn,Froude,Friction kN,1+k1,")));
    QCOMPARE(savedCsv.count(QStringLiteral("\r\n")), 15);
    QCOMPARE(shell.files.saveRequests.back().defaultSuffix, QStringLiteral("csv"));
    QVERIFY(printed);
    if (QPrinterInfo::availablePrinters().isEmpty() &&
        !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
      const QString text = PdfText(answer.file);
      QVERIFY(text.contains(QStringLiteral("Resistance and Power: Holtrop-Mennen")));
      QVERIFY(text.contains(QStringLiteral("Correlation kN")));
      QVERIFY(PdfAspect(answer.file) > 1.2);  // landscape
    }
  }

  // A speed the method cannot handle shows dashes and a warning, and no
  // point on the chart.
  void rowsWithoutValues() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("runabout.s98")));
    int rows = 0, points = 0, warnings = 0;
    QString firstTotal;
    WhenShown<TResistanceWindow> script([&](TResistanceWindow* window) {
      window->SetMethod(ResistanceMethod::kSavitsky);
      window->speeds().from->setText(QStringLiteral("0"));
      window->speeds().to->setText(QStringLiteral("30"));
      window->speeds().step->setText(QStringLiteral("10"));
      window->Compute();
      rows = window->table()->rowCount();
      points = window->resistanceSeries()->count();
      warnings = window->warnings()->count();
      firstTotal = window->table()->item(0, 6)->text();
      window->accept();
    });
    shell.form->trigger(QStringLiteral("ResistancePower1"));
    QCOMPARE(script.shown, 1);
    QCOMPARE(rows, 4);
    QCOMPARE(points, 3);
    QVERIFY(warnings >= 1);
    QCOMPARE(firstTotal, QStringLiteral("-"));
  }
};

QTEST_MAIN(ResistanceWindowTest)
#include "resistance_window_test.moc"
