// Numbers typed into and shown by the program's fields under a locale whose
// decimal separator is a comma: every field reads and shows a point, as the
// design files do, whatever the locale.
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <clocale>
#include <functional>

#include "editing/edit_commands.h"
#include "editing/stretch_hull_dialog.h"
#include "editing/value_dialog.h"
#include "editing/vertex_offsets_dialog.h"
#include "files/text_io.h"
#include "hydro/disp_dialog.h"
#include "hydro/draft_search.h"
#include "shell_fixtures.h"
#include "views/key_step_dialog.h"
#include "views/real_field.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

// A plain name for the metatype: Qt's debug build refuses a template
// spelling that is not in its normalised form.
using TypeAndRead = std::function<double(const QString&)>;
Q_DECLARE_METATYPE(TypeAndRead)

class NumberFieldsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // The C library's numbers too, where the machine has the locale.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
  }

  // Typed with a point, read as the number; a comma is not a number's
  // character and goes as it is typed.
  void fieldsReadAPoint_data() {
    QTest::addColumn<TypeAndRead>("typeAndRead");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<double>("value");
    auto offsets = [](const QString& typed) {
      Tvertex_offsetsDlg dialog;
      HullDesign design;
      dialog.prepare(design);
      dialog.beamEdit()->clear();
      QTest::keyClicks(dialog.beamEdit(), typed);
      return dialog.offsets().beam;
    };
    auto value = [](const QString& typed) {
      Tdataeditdlg dialog;
      dialog.prepare(QStringLiteral("x"), QString());
      QTest::keyClicks(dialog.valueEdit(), typed);
      return dialog.value();
    };
    auto keyStep = [](const QString& typed) {
      InteractionState interaction;
      TKeymovestepchng dialog(interaction);
      dialog.show();
      auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("stepedit"));
      edit->clear();
      QTest::keyClicks(edit, typed);
      dialog.accept();
      return interaction.keyStep;
    };
    using F = TypeAndRead;
    QTest::newRow("vertex offset") << F(offsets) << "1.25" << "1.25" << 1.25;
    QTest::newRow("vertex offset, comma") << F(offsets) << "1,25" << "125" << 125.0;
    QTest::newRow("value") << F(value) << "-0.5e1" << "-0.5e1" << -5.0;
    QTest::newRow("key step") << F(keyStep) << "2.5" << "2.5" << 2.5;
  }
  void fieldsReadAPoint() {
    QFETCH(TypeAndRead, typeAndRead);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(double, value);
    QCOMPARE(typeAndRead(typed), value);
    RealField field;
    QTest::keyClicks(&field, typed);
    QCOMPARE(field.text(), kept);
    QCOMPARE(field.value().value_or(-1e9), value);
  }

  void fieldsShowAPoint() {
    RealField field;
    field.setValue(1234.5678, 2);
    QCOMPARE(field.text(), QStringLiteral("1234.57"));
    QCOMPARE(PlainText(1.0), QStringLiteral("1"));
    QCOMPARE(PlainText(-2.25), QStringLiteral("-2.25"));

    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    TstretchHullDlg* stretch = shell.form->editCommands().stretchDialog();
    stretch->prepare(shell.prompter);
    const QString shown = stretch->dimensionEdit()->text();
    QVERIFY2(shown.contains(QLatin1Char('.')) && !shown.contains(QLatin1Char(',')),
             qPrintable(shown));
  }

  // The displacement dialog read its target with the locale: "12345.5" in
  // German is no number, so the search refused it.
  void displacementDialogReadsAPoint() {
    Shell shell;
    QVERIFY(shell.open(shell.copyExample("sailboat.s98")));
    QString initial, kept;
    bool searched = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<TDispDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      timer.stop();
      initial = dialog->field("InitialDisplacement")->text();
      const double target = dialog->search().initialDisplacement * 1.1;
      const QString typed = QString::fromStdString(FormatFixed(target, 0, 1));
      QTest::keyClicks(dialog->field("NewDisplacement"), typed);
      kept = dialog->field("NewDisplacement")->text() == typed ? typed : QString();
      dialog->adjustButton()->click();
      searched = !dialog->search().steps.empty();
      dialog->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    });
    timer.start(10);
    shell.form->trigger(QStringLiteral("Findwaterline1"));
    QVERIFY2(initial.contains(QLatin1Char('.')) && !initial.contains(QLatin1Char(',')),
             qPrintable(initial));
    QVERIFY(!kept.isEmpty());
    QVERIFY(kept.contains(QLatin1Char('.')));
    QVERIFY(searched);
    QVERIFY(shell.prompter.information.empty());
  }
};

QTEST_MAIN(NumberFieldsTest)
#include "number_fields_test.moc"
