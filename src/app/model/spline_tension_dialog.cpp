#include "model/spline_tension_dialog.h"

#include "files/message_prompter.h"
#include "model/tension.h"
#include "ui_spline_tension_dialog.h"

namespace skelmora::app {

Tsplinetension::Tsplinetension(AppState& state, QWidget* parent)
    : QDialog(parent), ui_(new Ui::Tsplinetension), state_(state) {
  ui_->setupUi(this);
}

Tsplinetension::~Tsplinetension() = default;

QSpinBox* Tsplinetension::stationSpin() const { return ui_->stationspin; }
QSpinBox* Tsplinetension::waterlineSpin() const { return ui_->waterlinespin; }

void Tsplinetension::prepare() {
  const HullDesign& design = state_.design;
  const int stationMax = MaxStationTension(design);
  const int waterlineMax = MaxWaterlineTension(design);
  ui_->stationspin->setRange(1, stationMax);
  ui_->waterlinespin->setRange(1, waterlineMax);
  ui_->stationspin->setValue(design.StationTension);
  ui_->waterlinespin->setValue(design.WaterlineTension);
  ui_->wlsmaxlabel->setText(QStringLiteral("Waterline Max Tension is %1").arg(waterlineMax));
  ui_->stamaxlabel->setText(QStringLiteral("Station Max Tension is %1").arg(stationMax));
}

void Tsplinetension::accept() {
  // A refused pair (chines that would not fit) is reported and the dialog
  // stays open for another choice.
  MessageBoxPrompter ownPrompter(this);
  Prompter& prompter = state_.prompter ? *state_.prompter : ownPrompter;
  if (ChangeTension(state_.design, *state_.surface, state_.history, prompter,
                    ui_->waterlinespin->value(), ui_->stationspin->value())) {
    QDialog::accept();
  }
}

}  // namespace skelmora::app
