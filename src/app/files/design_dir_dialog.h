// Options › "&Set Design Directory": a drive (volume) list and a directory
// tree. Every directory the user selects becomes the design directory at
// once, so Cancel keeps the last selection too.
#pragma once

#include <QDialog>
#include <memory>

#include "model/hull_design.h"

namespace Ui {
class TDesignDirDlg;
}
class QFileSystemModel;

namespace skelmora::app {

class TDesignDirDlg : public QDialog {
  Q_OBJECT
 public:
  TDesignDirDlg(HullDesign& design, QWidget* parent = nullptr);
  ~TDesignDirDlg() override;

  // Shows the tree on the volume holding the design directory (or the
  // current directory) with that directory selected.
  void start();
  // What a click in the directory list does.
  void selectDirectory(const QString& path);

 private:
  void showVolume(const QString& root);
  void onCurrentChanged();

  HullDesign& design_;
  std::unique_ptr<Ui::TDesignDirDlg> ui_;
  QFileSystemModel* model_ = nullptr;
};

// The form DesignDirectory keeps: absolute, with a trailing separator, so
// that a file name can be appended directly.
QString DirectoryWithSeparator(const QString& path);

}  // namespace skelmora::app
