// The realistic hull window with the real Vistrel control on a real GL
// context (xvfb-run, Mesa llvmpipe): opened from the main window, every
// interaction redrawn at "Low", the colour of a black hull read back, the
// printed picture's place on portrait and landscape PDF pages, the bitmap
// file and the clipboard, and the floating-point state around the window.
#include <QClipboard>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

#include <cfenv>
#include <functional>

#include "app/render/gl_drivers.h"
#include "app/shell_fixtures.h"
#include "app/when_shown.h"
#include "hydro/text_printing.h"
#include "render/gl_control_data.h"
#include "render/render_window.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

QString FirstExample() {
  return QDir(QStringLiteral(SKELMORA_EXAMPLES_DIR))
      .entryList({QStringLiteral("*.s98")}, QDir::Files, QDir::Name)
      .value(0);
}

// Share of the picture that is not the white background.
double HullShare(const QImage& image) {
  qint64 other = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ++other;
  return image.isNull() ? 0.0 : double(other) / (double(image.width()) * image.height());
}

// Opens the window through a main-window command and runs body while it is
// shown; the window is closed afterwards whatever body did.
void WhileOpen(Shell& shell, const QString& command, const std::function<void(TfrmNURBS&)>& body) {
  WhenShown<TfrmNURBS> act([&](TfrmNURBS* window) {
    struct Close {
      TfrmNURBS* w;
      ~Close() { w->reject(); }
    } close{window};
    QTest::qWait(50);
    body(*window);
  });
  shell.form->trigger(command);
  QCOMPARE(act.shown, 1);
}

template <typename T>
T* Child(TfrmNURBS& window, const char* name) {
  T* child = window.findChild<T*>(QLatin1String(name));
  if (!child) qWarning("no %s", name);
  return child;
}

// The bounding box of the dark pixels of a PDF page rasterised by pdftoppm,
// as fractions of the page.
struct Box {
  double left = 1, top = 1, right = 0, bottom = 0;
};
Box DarkBox(const QString& pdf) {
  Box box;
  QProcess p;
  p.start(QStringLiteral("pdftoppm"),
          {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-gray"),
           QStringLiteral("-singlefile"), pdf, pdf + QStringLiteral(".page")});
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return box;
  const QImage page(pdf + QStringLiteral(".page.pgm"));
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if (qGray(page.pixel(x, y)) > 64) continue;
      box.left = std::min(box.left, double(x) / page.width());
      box.right = std::max(box.right, double(x + 1) / page.width());
      box.top = std::min(box.top, double(y) / page.height());
      box.bottom = std::max(box.bottom, double(y + 1) / page.height());
    }
  }
  return box;
}

QString PdfImages(const QString& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
  p.waitForFinished(60000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class RenderWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void opensWithItsResetsAndDrawsTheHull();
  void everyInteractionRedrawsAtLow();
  void blackHullKeepsItsReddishHighlight();
  void printKeepsTheProportionsCentred_data();
  void printKeepsTheProportionsCentred();
  void bitmapFileAndClipboard();
  void printWithoutAPrinterOffersAPdfFile();

 private:
  std::unique_ptr<Shell> shell_;
};

void RenderWindowTest::init() {
  shell_ = std::make_unique<Shell>();
  const QString example = FirstExample();
  QVERIFY(!example.isEmpty());
  QVERIFY(shell_->open(shell_->copyExample(qPrintable(example))));
}

void RenderWindowTest::opensWithItsResetsAndDrawsTheHull() {
  // The floating-point state the program had when the window was created
  // is the one it gets back when the window closes.
  std::fesetround(FE_UPWARD);
  Shell shell;
  std::fesetround(FE_TONEAREST);
  QVERIFY(shell.open(shell.copyExample(qPrintable(FirstExample()))));
  // Weights other than 1 are drawn unweighted.
  shell.state.design.Net[1][1].w = 3.0f;
  shell.state.Regenerate(Change::kTopology);
  std::fesetround(FE_UPWARD);

  TfrmNURBS* render = shell.form->renderWindow();
  render->view().ViewShift = {1, 2, 3};
  render->view().LightPosition = {4, 5, 6};
  int roundingInside = -1, trapsInside = -1;
  WhileOpen(shell, QStringLiteral("SpeedButton5"), [&](TfrmNURBS& w) {
    roundingInside = std::fegetround();
    trapsInside = fegetexcept();
    QCOMPARE(w.windowTitle(), QStringLiteral("SKELMORA 98 Hull Rendering"));
    QCOMPARE(w.size(), QSize(818, 727));
    QVERIFY(w.host().controlWidget());
    QCOMPARE(w.host().controlWidget()->size(), QSize(818, 602));
    QVERIFY(w.drawCount() > 0);
    QCOMPARE(w.quality(), 0);
    QCOMPARE(w.view().QualitySteps, 10);
    QCOMPARE(w.view().ViewShift, (std::array<int32_t, 3>{-20, -50, -180}));
    QCOMPARE(w.view().ViewAngles, (std::array<int32_t, 3>{20, -20, 0}));
    QCOMPARE(w.view().LightPosition, (std::array<int32_t, 3>{0, 90, 150}));
    QCOMPARE(w.view().HullDiffuse, (std::array<float, 3>{0.8f, 0.8f, 0.8f}));
    const RenderControlPoints& points = w.controlPoints();
    QVERIFY(points.valid);
    for (int k = 3; k < points.pointValues; k += 4) QCOMPARE(points.hull[k], 1.0f);
    // Created from the form's stored data: the control saves the same.
    const std::vector<uint8_t> stored(std::begin(kGlControlData), std::end(kGlControlData));
    QCOMPARE(w.host().SaveData(), stored);
    const QImage picture = w.CapturePicture();
    QCOMPARE(picture.size(), QSize(818, 602));
    const double share = HullShare(picture);
    QVERIFY2(share > 0.02 && share < 0.9, qPrintable(QString::number(share)));
  });
  const int roundingAfter = std::fegetround();
  std::fesetround(FE_TONEAREST);
  QCOMPARE(roundingInside, FE_TONEAREST);
  QCOMPARE(trapsInside, 0);
  QCOMPARE(roundingAfter, FE_UPWARD);

  // The View menu opens it the same way; with no design open nothing opens.
  WhileOpen(shell, QStringLiteral("ColorRendering1"), [](TfrmNURBS& w) { QVERIFY(w.drawCount() > 0); });
  Shell empty;
  WhenShown<TfrmNURBS> none([](TfrmNURBS* w) { w->reject(); });
  empty.form->trigger(QStringLiteral("ColorRendering1"));
  QCoreApplication::processEvents();
  QCOMPARE(none.shown, 0);
  QVERIFY(empty.prompter.errors.empty());
}

void RenderWindowTest::everyInteractionRedrawsAtLow() {
  WhileOpen(*shell_, QStringLiteral("SpeedButton5"), [](TfrmNURBS& w) {
    auto* high = Child<QRadioButton>(w, "renderqualHigh");
    auto* low = Child<QRadioButton>(w, "renderqualLow");
    QVERIFY(high && low);
    const char* buttons[] = {"lightupbtn", "lightdownbtn", "lightleftbtn", "lightrightbtn",
                             "zoomin",     "zoomout",      "moveup",       "movedown",
                             "moveleft",   "moveright",    "up",           "down",
                             "left",       "right",        "rollleft",     "rollright"};
    auto viewValues = [&w] {
      const RenderViewState& v = w.view();
      return std::vector<int32_t>{v.ViewShift[0], v.ViewShift[1], v.ViewShift[2],
                                  v.ViewAngles[0], v.ViewAngles[1], v.ViewAngles[2],
                                  v.LightPosition[0], v.LightPosition[1], v.LightPosition[2]};
    };
    for (const char* name : buttons) {
      QTest::mouseClick(high, Qt::LeftButton);
      QVERIFY(high->isChecked());
      QCOMPARE(w.view().QualitySteps, 75);  // the click on the group redrew
      const int before = w.drawCount();
      const auto values = viewValues();
      auto* button = Child<QToolButton>(w, name);
      QVERIFY(button);
      QTest::mouseClick(button, Qt::LeftButton);
      QVERIFY2(low->isChecked(), name);
      QVERIFY2(w.drawCount() > before, name);
      QVERIFY2(w.view().QualitySteps == 10, name);
      QVERIFY2(viewValues() != values, name);
    }
    const std::pair<const char*, int> sliders[] = {{"hullred", 0}, {"hullgreen", 1}, {"hullblue", 2}};
    for (const auto& [name, component] : sliders) {
      QTest::mouseClick(high, Qt::LeftButton);
      const int before = w.drawCount();
      auto* slider = Child<QSlider>(w, name);
      QVERIFY(slider);
      slider->setValue(35);
      QVERIFY2(low->isChecked(), name);
      QVERIFY2(w.drawCount() > before, name);
      QCOMPARE(w.view().QualitySteps, 10);
      QCOMPARE(w.view().HullDiffuse[component], 0.35f);
      slider->setValue(80);
    }
  });
}

void RenderWindowTest::blackHullKeepsItsReddishHighlight() {
  struct Look {
    int hull = 0, reddish = 0, grey = 0, dark = 0;
  };
  auto look = [](const QImage& picture) {
    Look l;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const QRgb p = picture.pixel(x, y);
        const int r = qRed(p), g = qGreen(p), b = qBlue(p);
        if ((p & 0xFFFFFF) == 0xFFFFFF) continue;
        ++l.hull;
        if (r > 40 && r > g + 20 && r > b + 20) ++l.reddish;
        if (r > 60 && std::abs(r - g) < 12 && std::abs(r - b) < 12) ++l.grey;
        if (r + g + b < 90) ++l.dark;
      }
    }
    return l;
  };
  Look black, coloured;
  WhileOpen(*shell_, QStringLiteral("SpeedButton5"), [&](TfrmNURBS& w) {
    coloured = look(w.CapturePicture());
    for (const char* name : {"hullred", "hullgreen", "hullblue"}) Child<QSlider>(w, name)->setValue(0);
    // Turned broadside on, so the side faces the viewer and the light.
    const std::pair<const char*, int> clicks[] = {{"right", 14}, {"zoomout", 20}, {"moveleft", 25}};
    for (const auto& [name, count] : clicks)
      for (int i = 0; i < count; ++i) QTest::mouseClick(Child<QToolButton>(w, name), Qt::LeftButton);
    QTest::mouseClick(Child<QRadioButton>(w, "renderqualHigh"), Qt::LeftButton);
    black = look(w.CapturePicture());
  });
  // At 80 the hull is grey; at 0 it is dark, with a reddish highlight.
  QVERIFY2(coloured.grey > coloured.hull / 2, qPrintable(QString::number(coloured.grey)));
  QCOMPARE(coloured.reddish, 0);
  QVERIFY(black.hull > 0);
  QVERIFY2(black.dark > black.hull / 2, qPrintable(QString::number(black.dark)));
  QVERIFY2(black.reddish > 20, qPrintable(QString::number(black.reddish)));
  QCOMPARE(black.grey, 0);
}

void RenderWindowTest::printKeepsTheProportionsCentred_data() {
  QTest::addColumn<int>("orientation");
  QTest::newRow("portrait") << int(QPageLayout::Portrait);
  QTest::newRow("landscape") << int(QPageLayout::Landscape);
}

void RenderWindowTest::printKeepsTheProportionsCentred() {
  QFETCH(int, orientation);
  const QString pdf = shell_->dir.filePath(QStringLiteral("hull.pdf"));
  QPrinter& setup = shell_->form->printer();
  setup.setOutputFormat(QPrinter::PdfFormat);
  setup.setOutputFileName(pdf);
  setup.setPageSize(QPageSize(QPageSize::A4));
  setup.setPageOrientation(static_cast<QPageLayout::Orientation>(orientation));
  setup.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);

  WhileOpen(*shell_, QStringLiteral("SpeedButton5"), [&](TfrmNURBS& w) {
    QTest::mouseClick(Child<QPushButton>(w, "Button3"), Qt::LeftButton);
  });
  QVERIFY(shell_->prompter.errors.empty());
  // The captured picture, whole, with both directions scaled alike.
  const QStringList rows = PdfImages(pdf).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  QCOMPARE(rows.size(), 3);  // header, rule, one image
  const QStringList f = rows[2].simplified().split(QLatin1Char(' '));
  QCOMPARE(f.value(3), QStringLiteral("818"));
  QCOMPARE(f.value(4), QStringLiteral("602"));
  QVERIFY2(std::abs(f.value(12).toInt() - f.value(13).toInt()) <= 1, qPrintable(rows[2]));

  // Where it goes: a black picture of the same size, through the same path.
  QImage black(818, 602, QImage::Format_RGB32);
  black.fill(Qt::black);
  QPrinter job(QPrinter::HighResolution);
  CopyPrinterSettings(setup, job);
  const QString blackPdf = shell_->dir.filePath(QStringLiteral("black.pdf"));
  job.setOutputFileName(blackPdf);
  QVERIFY(TfrmNURBS::PrintPicture(job, black));
  const Box box = DarkBox(blackPdf);
  const QSizeF page = setup.pageLayout().fullRect(QPageLayout::Millimeter).size();
  const double w = (box.right - box.left) * page.width(), h = (box.bottom - box.top) * page.height();
  QVERIFY2(std::abs(w / h - 665.0 / 490.0) < 0.02, qPrintable(QStringLiteral("%1 x %2").arg(w).arg(h)));
  // Centred both ways on the page, whose margins are equal.
  QVERIFY(std::abs(box.left - (1 - box.right)) < 0.01);
  QVERIFY(std::abs(box.top - (1 - box.bottom)) < 0.01);
  // The largest that fits: the width limits on a portrait page, the height on a landscape one.
  if (orientation == QPageLayout::Portrait)
    QVERIFY2(std::abs(w - (page.width() - 20)) < 2, qPrintable(QString::number(w)));
  else
    QVERIFY2(std::abs(h - (page.height() - 20)) < 2, qPrintable(QString::number(h)));
}

void RenderWindowTest::bitmapFileAndClipboard() {
  const QString path = shell_->dir.filePath(QStringLiteral("hull.bmp"));
  {
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older file, replaced after the overwrite question");
  }
  shell_->files.saveAnswers.push_back(ChosenFile{path, 1});
  shell_->files.saveAnswers.push_back(std::nullopt);  // then Cancel
  WhileOpen(*shell_, QStringLiteral("SpeedButton5"), [&](TfrmNURBS& w) {
    QTest::mouseClick(Child<QPushButton>(w, "Button4"), Qt::LeftButton);
    const QImage saved(path, "BMP");
    QCOMPARE(saved.size(), QSize(818, 602));
    QVERIFY(HullShare(saved) > 0.02);
    QFile::remove(path);
    QTest::mouseClick(Child<QPushButton>(w, "Button4"), Qt::LeftButton);
    QVERIFY(!QFile::exists(path));

    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(Child<QPushButton>(w, "Button1"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(818, 602));
  });
  QCOMPARE(shell_->files.saveRequests.size(), size_t(2));
  const FileRequest& request = shell_->files.saveRequests[0];
  QCOMPARE(request.caption, QStringLiteral("Save Rendered Image to Bitmap File"));
  QCOMPARE(request.fileName, QStringLiteral("SkRender.bmp"));
  QCOMPARE(request.defaultSuffix, QStringLiteral("bmp"));
  QVERIFY(request.filters.endsWith(QStringLiteral("|*.bmp")));
  QVERIFY(shell_->prompter.errors.empty());
}

// With no printer set up, Print Image opens the print dialog on a PDF file
// named after the design, and prints there only when the dialog is accepted.
void RenderWindowTest::printWithoutAPrinterOffersAPdfFile() {
  for (const bool accept : {false, true}) {
    QString offered;
    QPrinter::OutputFormat format = QPrinter::NativeFormat;
    const QString pdf = QDir(QDir::tempPath()).filePath(QStringLiteral("skelmora-print-image.pdf"));
    QFile::remove(pdf);
    Shell shell([&](ShellServices& services) {
      services.printDialog = [&](QPrinter& printer, QWidget*) {
        offered = printer.outputFileName();
        format = printer.outputFormat();
        printer.setOutputFileName(pdf);
        return accept;
      };
    });
    QVERIFY(shell.open(shell.copyExample(qPrintable(FirstExample()))));
    QPrinter& setup = shell.form->printer();
    // As on a machine without printers: no printer and no file.
    setup.setOutputFormat(QPrinter::NativeFormat);
    setup.setPrinterName(QString());
    setup.setOutputFileName(QString());
    WhileOpen(shell, QStringLiteral("SpeedButton5"), [&](TfrmNURBS& w) {
      QTest::mouseClick(Child<QPushButton>(w, "Button3"), Qt::LeftButton);
    });
    QVERIFY2(shell.prompter.errors.empty(),
             shell.prompter.errors.empty() ? "" : shell.prompter.errors.front().c_str());
    QCOMPARE(format, QPrinter::PdfFormat);
    QVERIFY2(offered.endsWith(QStringLiteral("-realistic-hull.pdf")), qPrintable(offered));
    QCOMPARE(QFileInfo::exists(pdf), accept);
    QFile::remove(pdf);
  }
}

int main(int argc, char** argv) {
  // A registry of this test's own: the program registers its copy there.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QApplication app(argc, argv);
  RenderWindowTest test;
  const int failed = QTest::qExec(&test, argc, argv);
  PinGlDrivers();
  return failed;
}

#include "render_window_gltest.moc"
