// skelmora: the start-up screen, the per-user work directory, the main
// window, and a design named on the command line (the way a file manager
// opens a .s98 file).
#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "model/app_state.h"
#include "model/work_directory.h"
#include "shell/about_box.h"
#include "shell/main_form.h"
#include "shell/scaled_printing.h"

#include <iostream>

int main(int argc, char** argv) {
  using namespace skelmora::app;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("skelmora"));
  QApplication::setApplicationVersion(QStringLiteral(SKELMORA_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Hull design for naval architects"));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("design"), QStringLiteral("A .s98 design to open."),
                               QStringLiteral("[design]"));
  // Batch printing: --print VIEW FILE --scale S --out FILE.pdf [--label TEXT].
  const QCommandLineOption print(QStringLiteral("print"),
                                 QStringLiteral("Print VIEW (body, plan, profile, perspective, "
                                                "all) of the design to a PDF and exit."),
                                 QStringLiteral("VIEW"));
  const QCommandLineOption scale(QStringLiteral("scale"),
                                 QStringLiteral("Print scale, inches = 1 ft."), QStringLiteral("S"));
  const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("The PDF to write."),
                               QStringLiteral("FILE"));
  const QCommandLineOption label(QStringLiteral("label"), QStringLiteral("The drawing label."),
                                 QStringLiteral("TEXT"));
  parser.addOptions({print, scale, out, label});
  parser.process(app);
  if (parser.isSet(print)) {
    const QStringList designs = parser.positionalArguments();
    return RunBatchPrint(parser.value(print), designs.isEmpty() ? QString() : designs.first(),
                         parser.value(scale), parser.value(out), parser.value(label), std::cerr);
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
