// skelmora: the start-up screen, the per-user work directory, the main
// window, and a design named on the command line (the way a file manager
// opens a .s98 file); or, with --render, a picture of the realistic view.
#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

#include "model/app_state.h"
#include "model/work_directory.h"
#include "render/render_batch.h"
#include "shell/about_box.h"
#include "shell/main_form.h"
#include "shell/scaled_printing.h"

int main(int argc, char** argv) {
  using namespace skelmora::app;
  // Without a display Qt would abort; a picture or print from a script says why instead.
  auto given = [&](const char* option) {
    const size_t n = std::strlen(option);
    return std::any_of(argv + 1, argv + argc, [&](const char* a) {
      return std::strcmp(a, option) == 0 || (std::strncmp(a, option, n) == 0 && a[n] == '=');
    });
  };
  const char* batch = given("--render") ? "--render" : given("--print") ? "--print" : nullptr;
  if (batch && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
      !std::getenv("QT_QPA_PLATFORM")) {
    std::cerr << "skelmora " << batch << " needs a display: run it under xvfb-run -a -s \"-screen 0 "
                 "1280x1024x24\" skelmora " << batch << " ..."
              << (std::strcmp(batch, "--print") == 0 ? " (or with QT_QPA_PLATFORM=offscreen)" : "")
              << "\n";
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("skelmora"));
  QApplication::setApplicationVersion(QStringLiteral(SKELMORA_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Hull design for naval architects"));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("design"), QStringLiteral("A .s98 design to open."),
                               QStringLiteral("[design]"));
  // Batch modes: --render FILE --out PNG [--quality] [--size], and
  // --print VIEW FILE --scale S --out PDF [--label TEXT]; --out serves both.
  const QCommandLineOption render(QStringLiteral("render"),
                                  QStringLiteral("Render the design's realistic view and exit."),
                                  QStringLiteral("FILE.s98"));
  const QCommandLineOption out(QStringLiteral("out"),
                               QStringLiteral("The PNG --render writes, or the PDF --print writes."),
                               QStringLiteral("FILE"));
  const QCommandLineOption quality(QStringLiteral("quality"),
                                   QStringLiteral("low (default), medium or high."),
                                   QStringLiteral("QUALITY"), QStringLiteral("low"));
  const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("WxH, 818x602 by default."),
                                QStringLiteral("WxH"), QStringLiteral("818x602"));
  const QCommandLineOption print(QStringLiteral("print"),
                                 QStringLiteral("Print VIEW (body, plan, profile, perspective, "
                                                "all) of the design to a PDF and exit."),
                                 QStringLiteral("VIEW"));
  const QCommandLineOption scale(QStringLiteral("scale"),
                                 QStringLiteral("Print scale, inches = 1 ft."), QStringLiteral("S"));
  const QCommandLineOption label(QStringLiteral("label"), QStringLiteral("The drawing label."),
                                 QStringLiteral("TEXT"));
  parser.addOptions({render, out, quality, size, print, scale, label});
  parser.process(app);
  if (parser.isSet(render) && parser.isSet(print)) {
    std::cerr << "--render and --print are separate runs\n";
    return 2;
  }
  if (parser.isSet(print)) {
    const QStringList designs = parser.positionalArguments();
    return RunBatchPrint(parser.value(print), designs.isEmpty() ? QString() : designs.first(),
                         parser.value(scale), parser.value(out), parser.value(label), std::cerr);
  }
  if (!parser.isSet(render) && (parser.isSet(out) || parser.isSet(quality) || parser.isSet(size))) {
    std::cerr << "--out, --quality and --size go with --render\n";
    return 2;
  }
  if (parser.isSet(render)) {
    if (!parser.positionalArguments().isEmpty()) {
      std::cerr << "--render takes no design to open\n";
      return 2;
    }
    return RunRenderBatch({parser.value(render), parser.value(out), parser.value(quality),
                           parser.value(size)},
                          std::cerr);
  }

  TAboutBox* splash = TAboutBox::ShowSplash();
  QApplication::processEvents();

  auto state = std::make_unique<AppState>();
  // The undo history lives in a directory that only this copy uses.
  std::unique_ptr<WorkDirectory> work = WorkDirectory::Acquire(WorkDirectory::DefaultBase());
  QTemporaryDir fallback;
  state->history = skelmora::UndoHistory((work ? work->path() : fallback.path()).toStdString());

  TMainForm form(*state);
  // Without a window manager (a bare X server) maximising does nothing; the
  // size of the screen is the same thing there.
  if (const QScreen* screen = QApplication::primaryScreen()) {
    form.setGeometry(screen->availableGeometry());
  }
  form.showMaximized();
  splash->raise();
  splash->repaint();

  const QStringList files = parser.positionalArguments();
  if (files.isEmpty()) {
    splash->finishAfter(&form, 1500);
  } else {
    // A design from the file manager: the start-up screen makes way at once,
    // so that the design, or the message about it, is what the user sees.
    const QString path = files.constFirst();
    QTimer::singleShot(0, &form, [&form, splash, path] {
      splash->close();
      form.OpenDesignFile(path);
    });
  }
  return QApplication::exec();
}
