// skelmora --render, run as a script runs it: every example at the size and
// quality asked, a PNG of exactly that size in which the hull takes a
// plausible share; refused requests and unreadable designs exit non-zero
// with a message.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
  int code = -1;
  QString err;
};

Run Render(const QStringList& args, QProcessEnvironment env = QProcessEnvironment::systemEnvironment()) {
  // In the sanitizer build the program's GL driver is unloaded before the
  // leak check, and its allocations cannot be told from the program's; the
  // window's test, which keeps the driver, checks the shared code for leaks.
  env.insert(QStringLiteral("ASAN_OPTIONS"),
             env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(SKELMORA_PROGRAM_PATH), QStringList{QStringLiteral("--render")} + args);
  if (!p.waitForFinished(120000)) return {};
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
          QString::fromUtf8(p.readAllStandardError())};
}

double HullShare(const QImage& image) {
  qint64 other = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ++other;
  return double(other) / (double(image.width()) * image.height());
}

}  // namespace

class RenderBatchTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The program registers its own copy of the control, here in a registry of the test's.
    qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
  }
  void everyExampleAtTheAskedSize_data();
  void everyExampleAtTheAskedSize();
  void refusedRequestsSayWhy_data();
  void refusedRequestsSayWhy();
  void withoutADisplayItSaysSo();
  void pictureOptionsNeedRender();

 private:
  QTemporaryDir config_;
  QTemporaryDir out_;
};

void RenderBatchTest::everyExampleAtTheAskedSize_data() {
  QTest::addColumn<QString>("design");
  QTest::addColumn<QStringList>("options");
  QTest::addColumn<QSize>("size");
  const QDir examples(QStringLiteral(SKELMORA_EXAMPLES_DIR));
  const QStringList designs = examples.entryList({QStringLiteral("*.s98")}, QDir::Files, QDir::Name);
  QVERIFY(!designs.isEmpty());
  for (const QString& name : designs) {
    const QString path = examples.filePath(name);
    QTest::newRow(qPrintable(name + QStringLiteral(" default"))) << path << QStringList{} << QSize(818, 602);
    QTest::newRow(qPrintable(name + QStringLiteral(" high 640x480")))
        << path << QStringList{QStringLiteral("--quality"), QStringLiteral("high"), QStringLiteral("--size"),
                               QStringLiteral("640x480")}
        << QSize(640, 480);
    QTest::newRow(qPrintable(name + QStringLiteral(" medium 300x500")))
        << path << QStringList{QStringLiteral("--quality=medium"), QStringLiteral("--size=300x500")}
        << QSize(300, 500);
  }
}

void RenderBatchTest::everyExampleAtTheAskedSize() {
  QFETCH(QString, design);
  QFETCH(QStringList, options);
  QFETCH(QSize, size);
  const QString png = out_.filePath(QStringLiteral("hull.png"));
  QFile::remove(png);
  const Run run = Render(QStringList{design, QStringLiteral("--out"), png} + options);
  QVERIFY2(run.code == 0, qPrintable(run.err));
  const QImage image(png, "PNG");
  QCOMPARE(image.size(), size);
  const double share = HullShare(image);
  QVERIFY2(share > 0.02 && share < 0.9, qPrintable(QString::number(share)));
}

void RenderBatchTest::refusedRequestsSayWhy_data() {
  QTest::addColumn<QStringList>("args");
  QTest::addColumn<int>("code");
  QTest::addColumn<QString>("message");
  const QString example = QDir(QStringLiteral(SKELMORA_EXAMPLES_DIR))
                              .entryInfoList({QStringLiteral("*.s98")}, QDir::Files, QDir::Name)
                              .value(0)
                              .filePath();
  const QString out = out_.filePath(QStringLiteral("refused.png"));
  const QString o = QStringLiteral("--out");
  QTest::newRow("no out") << QStringList{example} << 2 << QStringLiteral("usage: skelmora --render");
  QTest::newRow("quality") << QStringList{example, o, out, QStringLiteral("--quality"), QStringLiteral("best")}
                           << 2 << QStringLiteral("--quality takes low, medium or high");
  for (const char* size : {"0x100", "100", "5000x10", "axb", "10x-4"})
    QTest::newRow(size) << QStringList{example, o, out, QStringLiteral("--size"), QLatin1String(size)} << 2
                        << QStringLiteral("--size takes WxH");
  QTest::newRow("missing design") << QStringList{out_.filePath(QStringLiteral("none.s98")), o, out} << 1
                                  << QString();
  QTest::newRow("unwritable out") << QStringList{example, o, out_.filePath(QStringLiteral("no/dir/x.png"))}
                                  << 1 << QStringLiteral("could not be written");
}

void RenderBatchTest::refusedRequestsSayWhy() {
  QFETCH(QStringList, args);
  QFETCH(int, code);
  QFETCH(QString, message);
  const Run run = Render(args);
  QCOMPARE(run.code, code);
  QVERIFY2(run.err.contains(message) && !run.err.trimmed().isEmpty(), qPrintable(run.err));
  QVERIFY(!QFile::exists(out_.filePath(QStringLiteral("refused.png"))));
}

void RenderBatchTest::withoutADisplayItSaysSo() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  const QString png = out_.filePath(QStringLiteral("nodisplay.png"));
  const Run run = Render({QStringLiteral("x.s98"), QStringLiteral("--out"), png}, env);
  QCOMPARE(run.code, 1);
  QVERIFY2(run.err.contains(QStringLiteral("needs a display")), qPrintable(run.err));
  QVERIFY(!QFile::exists(png));
}

void RenderBatchTest::pictureOptionsNeedRender() {
  QProcess p;
  p.start(QStringLiteral(SKELMORA_PROGRAM_PATH),
          {QStringLiteral("--out"), out_.filePath(QStringLiteral("x.png"))});
  QVERIFY(p.waitForFinished(60000));
  QCOMPARE(p.exitCode(), 2);
  QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("go with --render")));
}

QTEST_GUILESS_MAIN(RenderBatchTest)
#include "render_batch_gltest.moc"
