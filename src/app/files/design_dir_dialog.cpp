#include "files/design_dir_dialog.h"

#include <QDir>
#include <QFileSystemModel>
#include <QStorageInfo>

#include "ui_design_dir_dialog.h"

namespace skelmora::app {

QString DirectoryWithSeparator(const QString& path) {
  QString dir = QDir(path).absolutePath();
  if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
  return dir;
}

TDesignDirDlg::TDesignDirDlg(HullDesign& design, QWidget* parent)
    : QDialog(parent), design_(design), ui_(new Ui::TDesignDirDlg) {
  ui_->setupUi(this);
  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  model_->setRootPath(QDir::rootPath());
  ui_->DirectoryListBox1->setModel(model_);
  for (int column = 1; column < model_->columnCount(); ++column) {
    ui_->DirectoryListBox1->hideColumn(column);
  }
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady()) ui_->DriveComboBox1->addItem(volume.rootPath());
  }
  connect(ui_->DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &TDesignDirDlg::onCurrentChanged);
  connect(ui_->DriveComboBox1, &QComboBox::textActivated, this, [this](const QString& root) {
    showVolume(root);
    selectDirectory(root);
  });
  connect(this, &QDialog::accepted, this, &TDesignDirDlg::onCurrentChanged);
}

TDesignDirDlg::~TDesignDirDlg() = default;

void TDesignDirDlg::start() {
  const QString start =
      design_.DesignDirectory.empty() ? QDir::currentPath()
                                      : QString::fromStdString(design_.DesignDirectory);
  const QString root = QStorageInfo(start).rootPath();
  const int at = ui_->DriveComboBox1->findText(root);
  if (at >= 0) ui_->DriveComboBox1->setCurrentIndex(at);
  showVolume(root.isEmpty() ? QDir::rootPath() : root);
  selectDirectory(start);
}

void TDesignDirDlg::showVolume(const QString& root) {
  ui_->DirectoryListBox1->setRootIndex(model_->index(root));
}

void TDesignDirDlg::selectDirectory(const QString& path) {
  const QModelIndex index = model_->index(QDir(path).absolutePath());
  if (index.isValid()) {
    ui_->DirectoryListBox1->setCurrentIndex(index);
    ui_->DirectoryListBox1->scrollTo(index);
  }
  // The model fills in lazily; take the path even before its row exists.
  if (QDir(path).exists()) {
    design_.DesignDirectory = DirectoryWithSeparator(path).toStdString();
    ui_->DirLabel->setText(DirectoryWithSeparator(path));
  }
}

void TDesignDirDlg::onCurrentChanged() {
  const QModelIndex index = ui_->DirectoryListBox1->currentIndex();
  if (!index.isValid()) return;
  const QString path = model_->filePath(index);
  design_.DesignDirectory = DirectoryWithSeparator(path).toStdString();
  ui_->DirLabel->setText(DirectoryWithSeparator(path));
}

}  // namespace skelmora::app
