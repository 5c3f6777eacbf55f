#include "shell/about_box.h"

#include <QCoreApplication>
#include <QIcon>
#include <QTimer>

#include "ui_about_box.h"

// Resources of a static library are registered by hand.
static void InitIconResources() { Q_INIT_RESOURCE(icons); }

namespace skelmora::app {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), ui_(new Ui::TAboutBox) {
  ui_->setupUi(this);
  InitIconResources();
  ui_->ProgramIcon->setPixmap(QIcon(QStringLiteral(":/icons/skelmora.svg")).pixmap(64, 64));
  setWindowTitle(QStringLiteral("About %1").arg(QLatin1String(kProductTitle)));
  QFont title = ui_->ProductName->font();
  title.setPointSize(title.pointSize() * 2);
  title.setBold(true);
  ui_->ProductName->setFont(title);
  ui_->ProductName->setText(QLatin1String(kProductTitle));
  ui_->Version->setText(QStringLiteral("Version %1").arg(QCoreApplication::applicationVersion()));
}

TAboutBox::~TAboutBox() = default;

TAboutBox* TAboutBox::ShowSplash() {
  auto* box = new TAboutBox;
  box->splash_ = true;
  box->setAttribute(Qt::WA_DeleteOnClose);
  // Not kept on top: a message about a design named on the command line
  // must show above it.
  box->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  box->ui_->OKButton->hide();
  box->show();
  return box;
}

void TAboutBox::finishAfter(QWidget* mainWindow, int milliseconds) {
  // Not modal: a design opened from the file manager is already loaded in
  // the main window behind it.
  QTimer::singleShot(milliseconds, this, [this, mainWindow] {
    if (mainWindow) mainWindow->activateWindow();
    close();
  });
}

void TAboutBox::mousePressEvent(QMouseEvent* event) {
  if (splash_) close();
  QDialog::mousePressEvent(event);
}

}  // namespace skelmora::app
