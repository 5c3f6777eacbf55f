#include "editing/spline_tension_dialog.h"

#include "files/message_prompter.h"
#include "model/tension.h"
#include "ui_spline_tension_dialog.h"

namespace skelmora::app {

Tsplinetension::Tsplinetension(AppState& state, QWidget* parent)
    : QDialog(parent), ui_(new Ui::Tsplinetension), state_(state) {
  ui_->setupUi(this);
}

Tsplinetension::~Tsplinetension() = default;

QSpinBox* Tsplinetension::stationSpin() const { return ui_->statension; }
QSpinBox* Tsplinetension::waterlineSpin() const { return ui_->watertension; }

void Tsplinetension::prepare() {
  const HullDesign& design = state_.design;
  const int stationMax = MaxStationTension(design);
  const int waterlineMax = MaxWaterlineTension(design);
  ui_->statension->setRange(1, stationMax);
  ui_->watertension->setRange(1, waterlineMax);
  ui_->statension->setValue(design.StationTension);
  ui_->watertension->setValue(design.WaterlineTension);
  ui_->wlsmaxlabel->setText(QStringLiteral("Waterline Max Tension is %1").arg(waterlineMax));
  ui_->stamaxlabel->setText(QStringLiteral("Station Max Tension is %1").arg(stationMax));
}

void Tsplinetension::accept() {
  // A refused pair (chines that would not fit) is reported and the dialog
  // stays open for another choice.
  MessageBoxPrompter ownPrompter(this);
  Prompter& prompter = state_.prompter ? *state_.prompter : ownPrompter;
  if (ChangeTension(state_.design, *state_.surface, state_.history, prompter,
                    ui_->watertension->value(), ui_->statension->value())) {
    QDialog::accept();
  }
}

}  // namespace skelmora::app
