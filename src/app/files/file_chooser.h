// The open and save dialogs behind an interface, so that tests script the
// user's choice. Filter lists are written "Name|pattern|Name|pattern..." and
// filter indexes count from 1, the way the commands state them.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace skelmora::app {

struct FileRequest {
  QString caption;
  QString directory;      // where the dialog starts; empty = current directory
  QString fileName;       // proposed name (save dialog)
  QString filters;        // "SKELMORA 98 Hull Files|*.s98|..."
  int filterIndex = 1;    // preselected, from 1
  QString defaultSuffix;  // appended to a typed name without one
};

struct ChosenFile {
  QString path;
  int filterIndex = 1;  // the filter selected when the user pressed OK
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // An existing file; nullopt when cancelled.
  virtual std::optional<ChosenFile> ChooseOpen(QWidget* parent, const FileRequest& request) = 0;
  // A name to write, after the overwrite question; nullopt when cancelled.
  virtual std::optional<ChosenFile> ChooseSave(QWidget* parent, const FileRequest& request) = 0;
};

// "A|*.a|B|*.b" -> {"A (*.a)", "B (*.b)"}.
QStringList NameFilters(const QString& filters);

// The program's own: QFileDialog.
class DialogFileChooser : public FileChooser {
 public:
  std::optional<ChosenFile> ChooseOpen(QWidget* parent, const FileRequest& request) override;
  std::optional<ChosenFile> ChooseSave(QWidget* parent, const FileRequest& request) override;
};

}  // namespace skelmora::app
