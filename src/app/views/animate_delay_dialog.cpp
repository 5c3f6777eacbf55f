#include "views/animate_delay_dialog.h"

#include "ui_animate_delay_dialog.h"
#include "views/view_window.h"

namespace skelmora::app {

TANimate_delay::TANimate_delay(Tfperspective& perspective, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TANimate_delay>()), perspective_(perspective) {
  ui_->setupUi(this);
  connect(ui_->TrackBar1, &QSlider::valueChanged, this, [this](int position) {
    perspective_.animationTimer().setInterval(position * kMillisecondsPerStep);
  });
  connect(ui_->StartBtn, &QPushButton::clicked, this, [this] {
    perspective_.startAnimation(ui_->TrackBar1->value() * kMillisecondsPerStep);
  });
  connect(ui_->StopBtn, &QPushButton::clicked, this, &QDialog::close);
}

TANimate_delay::~TANimate_delay() = default;

void TANimate_delay::showEvent(QShowEvent* event) {
  ui_->TrackBar1->setValue(1);
  perspective_.animationTimer().setInterval(kMillisecondsPerStep);
  QDialog::showEvent(event);
}

void TANimate_delay::hideEvent(QHideEvent* event) {
  perspective_.stopAnimation();
  QDialog::hideEvent(event);
}

}  // namespace skelmora::app
