// The main window with its dialogs scripted: a file chooser that answers
// from a queue and records what each dialog was asked to show, and a
// prompter that records every message and answers questions from a queue.
#pragma once

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/file_chooser.h"
#include "model/app_state.h"
#include "model/prompter.h"
#include "support/recording_prompter.h"
#include "model/undo.h"
#include "shell/main_form.h"
#include "views/view_window.h"

namespace skelmora::app::testing {

class ScriptedFileChooser : public FileChooser {
 public:
  // nullopt answers "Cancel"; an empty queue cancels too.
  std::deque<std::optional<ChosenFile>> openAnswers;
  std::deque<std::optional<ChosenFile>> saveAnswers;
  std::vector<FileRequest> openRequests;
  std::vector<FileRequest> saveRequests;

  std::optional<ChosenFile> ChooseOpen(QWidget*, const FileRequest& request) override {
    openRequests.push_back(request);
    return Next(openAnswers);
  }
  std::optional<ChosenFile> ChooseSave(QWidget*, const FileRequest& request) override {
    saveRequests.push_back(request);
    return Next(saveAnswers);
  }

 private:
  static std::optional<ChosenFile> Next(std::deque<std::optional<ChosenFile>>& queue) {
    if (queue.empty()) return std::nullopt;
    const bool cancel = !queue.front().has_value();
    const ChosenFile file = cancel ? ChosenFile{} : *queue.front();
    queue.pop_front();
    if (cancel) return std::nullopt;
    return file;
  }
};

using skelmora::testing::RecordingPrompter;

// A main window on a private work directory and settings file.
struct Shell {
  QTemporaryDir dir;
  AppState state;
  ScriptedFileChooser files;
  RecordingPrompter prompter;
  std::unique_ptr<TMainForm> form;

  // configure may script further services (the print dialogs).
  explicit Shell(const std::function<void(ShellServices&)>& configure = {}) {
    QDir().mkpath(dir.filePath(QStringLiteral("work")));
    state.history = UndoHistory(dir.filePath(QStringLiteral("work")).toStdString());
    ShellServices services;
    services.files = &files;
    services.prompter = &prompter;
    services.settingsFile = dir.filePath(QStringLiteral("s.ini"));
    if (configure) configure(services);
    form = std::make_unique<TMainForm>(state, services);
  }

  // A writable copy of a design from examples/.
  QString copyExample(const char* name) const {
    const QString target = dir.filePath(QLatin1String(name));
    QFile::remove(target);
    QFile::copy(QStringLiteral(SKELMORA_EXAMPLES_DIR "/%1").arg(QLatin1String(name)), target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
  }

  QString writeFile(const char* name, const QByteArray& text) const {
    const QString target = dir.filePath(QLatin1String(name));
    QFile file(target);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(text);
    return target;
  }

  // File › Open with the given file and filter chosen.
  bool open(const QString& path, int filterIndex = 1) {
    files.openAnswers.push_back(ChosenFile{path, filterIndex});
    form->trigger(QStringLiteral("FileOpenItem"));
    return state.design.DesignOpen &&
           state.design.DesignFileName == QDir(path).absolutePath().toStdString();
  }

  // An edit as a view makes one: an undo step, the change, and the view's
  // signals that tell the main window.
  template <typename Change>
  void edit(Change change) {
    state.TakeSnapshot();
    ViewWindow* body = form->views().body();
    emit body->snapshotTaken();
    change(state.design);
    emit body->designEdited();
  }

  bool enabled(const char* name) const {
    QAction* action = form->command(QLatin1String(name));
    return action && action->isEnabled();
  }
};

// The print dialog answered with a PDF file (the test machine has no
// printer): a shell made with installer() prints there.
struct PdfAnswer {
  QString file;
  std::function<void(ShellServices&)> installer() {
    return [this](ShellServices& services) {
      services.printDialog = [this](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
      };
    };
  }
};

}  // namespace skelmora::app::testing
