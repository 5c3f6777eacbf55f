// The realistic window without its control: not registered, registered but
// not loadable, or loaded with no OpenGL to be had (this program runs with
// no display at all). Each time one message says what to do, no window
// opens and the program goes on.
#include <QPrinter>
#include <QtTest>

#include <cstdlib>
#include <filesystem>

#include "app/shell_fixtures.h"
#include "app/when_shown.h"
#include "host_loader.h"
#include "render/render_messages.h"
#include "render/render_window.h"
#include "vistrel_typelib.h"

using namespace skelmora;
using namespace skelmora::app;
using namespace skelmora::app::testing;

namespace {

std::string RegistryKey() { return "CLSID\\" + vistrel::kClassId.toString() + "\\InprocServer32"; }

void RegisterPath(const std::string& path) {
  hosting::Registry registry;
  registry.setDefault(RegistryKey(), path);
  QVERIFY(registry.save(hosting::Registry::defaultPath()));
}

void ClearRegistry() {
  std::error_code ec;
  std::filesystem::remove(hosting::Registry::defaultPath(), ec);
}

// A session with a small boat, as if a design were open.
struct OpenDesign {
  DesignSession session;
  OpenDesign() {
    HullDesign& d = session.design;
    d.DesignOpen = true;
    d.Units = kInches;
    d.LastColumn = 4;
    d.LastRow = 3;
    d.WaterlineTension = 3;
    d.StationTension = 3;
    for (int c = 0; c <= 4; ++c)
      for (int r = 0; r <= 3; ++r)
        d.Net[c][r] = Vertex{float(r), float(25 * c), float(3 * r - 4), 1.0f};
    session.Regenerate(Change::kTopology);
  }
};

}  // namespace

class RenderMissingTest : public QObject {
  Q_OBJECT

 private slots:
  void notRegisteredSaysHowToRegister();
  void aLibraryThatWillNotLoadIsNamed();
  void noOpenGlFromTheViewMenuAndTheButton();
};

void RenderMissingTest::notRegisteredSaysHowToRegister() {
  ClearRegistry();
  OpenDesign open;
  RecordingPrompter prompter;
  ScriptedFileChooser files;
  QPrinter printer;
  TfrmNURBS form(open.session, prompter, files, printer, nullptr, {});
  WhenShown<TfrmNURBS> close([](TfrmNURBS* w) { w->reject(); });
  form.Open();
  QCOMPARE(close.shown, 0);
  QCOMPARE(prompter.errors, std::vector<std::string>{kControlNotRegisteredMessage});
  // Nothing was entered in the registry on the way.
  QVERIFY(!hosting::serverPath(vistrel::kClassId));

  // No design open: the window does nothing at all.
  open.session.design.DesignOpen = false;
  form.Open();
  QCOMPARE(prompter.errors.size(), size_t(1));
}

void RenderMissingTest::aLibraryThatWillNotLoadIsNamed() {
  QTemporaryDir dir;
  const QString fake = dir.filePath(QStringLiteral("libvistrel.so"));
  QFile file(fake);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("not a shared library\n");
  file.close();
  RegisterPath(fake.toStdString());

  OpenDesign open;
  RecordingPrompter prompter;
  ScriptedFileChooser files;
  QPrinter printer;
  TfrmNURBS form(open.session, prompter, files, printer, nullptr, {});
  WhenShown<TfrmNURBS> close([](TfrmNURBS* w) { w->reject(); });
  form.Open();
  QCOMPARE(close.shown, 0);
  QCOMPARE(prompter.errors.size(), size_t(1));
  const QString text = QString::fromStdString(prompter.errors[0]);
  QVERIFY2(text.startsWith(QStringLiteral("The Vistrel rendering control could not be loaded (")),
           qPrintable(text));
  QVERIFY2(text.contains(fake), qPrintable(text));  // dlopen names the file
  QVERIFY(text.contains(QStringLiteral("vistrel-register")));
  ClearRegistry();
}

void RenderMissingTest::noOpenGlFromTheViewMenuAndTheButton() {
  // The program's own copies are found and registered; the control loads,
  // but no GL context can be made without a display.
  ClearRegistry();
  Shell shell;
  const QString example = QDir(QStringLiteral(SKELMORA_EXAMPLES_DIR))
                              .entryList({QStringLiteral("*.s98")}, QDir::Files, QDir::Name)
                              .value(0);
  QVERIFY(!example.isEmpty());
  QVERIFY(shell.form->OpenDesignFile(shell.copyExample(qPrintable(example))));
  WhenShown<TfrmNURBS> close([](TfrmNURBS* w) { w->reject(); });
  shell.form->trigger(QStringLiteral("ColorRendering1"));
  shell.form->trigger(QStringLiteral("SpeedButton5"));
  QCOMPARE(close.shown, 0);
  QCOMPARE(shell.prompter.errors,
           (std::vector<std::string>{kControlNoContextMessage, kControlNoContextMessage}));
  QVERIFY(hosting::serverPath(vistrel::kClassId));
  // The program goes on: the views still draw and File › Save still works.
  shell.form->trigger(QStringLiteral("FileSaveItem"));
  QVERIFY(shell.form->isEnabled());
  ClearRegistry();
}

int main(int argc, char** argv) {
  // No display of any kind, and a registry of this test's own.
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  QTemporaryDir config;
  setenv("XDG_CONFIG_HOME", qPrintable(config.path()), 1);
  QApplication app(argc, argv);
  RenderMissingTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "render_missing_test.moc"
