#include "views/key_step_dialog.h"

#include <QMessageBox>

#include "ui_key_step_dialog.h"
#include "views/real_field.h"

namespace skelmora::app {

TKeymovestepchng::TKeymovestepchng(InteractionState& interaction, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TKeymovestepchng>()), interaction_(interaction) {
  ui_->setupUi(this);
  message_ = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };
}

TKeymovestepchng::~TKeymovestepchng() = default;

void TKeymovestepchng::setMessageHandler(std::function<void(const QString&)> handler) {
  message_ = std::move(handler);
}

void TKeymovestepchng::showEvent(QShowEvent* event) {
  ui_->stepedit->setText(PlainText(interaction_.keyStep));
  ui_->stepedit->selectAll();
  QDialog::showEvent(event);
}

void TKeymovestepchng::done(int result) {
  const double step = ui_->stepedit->valueOrZero();
  if (step == 0.0) {
    message_(QStringLiteral("Step Size MUST be greater than 0"));
    return;
  }
  interaction_.keyStep = step;
  QDialog::done(result);
}

}  // namespace skelmora::app
