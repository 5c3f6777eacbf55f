#include "views/display_mode_dialog.h"

#include "ui_display_mode_dialog.h"

namespace skelmora::app {

TchooseDspldlg::TchooseDspldlg(HullDesign& design, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TchooseDspldlg>()), design_(design) {
  ui_->setupUi(this);
  connect(ui_->BSplinesRadio, &QRadioButton::clicked, this, &TchooseDspldlg::chooseBSplines);
  connect(ui_->SectionsRadio, &QRadioButton::clicked, this, &TchooseDspldlg::chooseSections);
}

TchooseDspldlg::~TchooseDspldlg() = default;

void TchooseDspldlg::showEvent(QShowEvent* event) {
  prepare();
  QDialog::showEvent(event);
}

void TchooseDspldlg::prepare() {
  HullDesign& d = design_;
  Ui::TchooseDspldlg& ui = *ui_;
  // Neither radio is selected when the design shows neither mode.
  for (QRadioButton* radio : {ui.BSplinesRadio, ui.SectionsRadio}) {
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(true);
  }
  const bool net = d.ShowVertexNet;
  if (d.ShowSurface) {
    d.ShowStations = d.ShowWaterlines = d.ShowButtocks = false;
    ui.BSplinesRadio->setChecked(true);
    ui.BSplineGroup->setEnabled(true);
    ui.SectionsGroup->setEnabled(false);
    ui.BSplineSurfaceCheck->setChecked(true);
    ui.BSplineNetCheck->setChecked(net);
    for (QCheckBox* box :
         {ui.StationsCheck, ui.WaterlinesCheck, ui.ButtocksCheck, ui.SectionsNetCheck}) {
      box->setChecked(false);
    }
  } else if (d.ShowStations || d.ShowWaterlines || d.ShowButtocks) {
    d.ShowSurface = false;
    ui.SectionsRadio->setChecked(true);
    ui.SectionsGroup->setEnabled(true);
    ui.BSplineGroup->setEnabled(false);
    ui.StationsCheck->setChecked(d.ShowStations);
    ui.WaterlinesCheck->setChecked(d.ShowWaterlines);
    ui.ButtocksCheck->setChecked(d.ShowButtocks);
    ui.SectionsNetCheck->setChecked(net);
    ui.BSplineSurfaceCheck->setChecked(false);
    ui.BSplineNetCheck->setChecked(false);
  } else {
    // Nothing drawn yet: the user picks a mode first.
    ui.BSplineGroup->setEnabled(false);
    ui.SectionsGroup->setEnabled(false);
    for (QCheckBox* box : {ui.StationsCheck, ui.WaterlinesCheck, ui.ButtocksCheck,
                           ui.BSplineSurfaceCheck}) {
      box->setChecked(false);
    }
    ui.BSplineNetCheck->setChecked(net);
    ui.SectionsNetCheck->setChecked(net);
  }
}

void TchooseDspldlg::chooseBSplines() {
  Ui::TchooseDspldlg& ui = *ui_;
  ui.BSplineSurfaceCheck->setChecked(true);
  for (QCheckBox* box :
       {ui.StationsCheck, ui.WaterlinesCheck, ui.ButtocksCheck, ui.SectionsNetCheck}) {
    box->setChecked(false);
  }
  ui.SectionsGroup->setEnabled(false);
  ui.BSplineGroup->setEnabled(true);
}

void TchooseDspldlg::chooseSections() {
  Ui::TchooseDspldlg& ui = *ui_;
  ui.StationsCheck->setChecked(true);
  ui.SectionsGroup->setEnabled(true);
  ui.BSplineSurfaceCheck->setChecked(false);
  ui.BSplineNetCheck->setChecked(false);
  ui.BSplineGroup->setEnabled(false);
}

void TchooseDspldlg::done(int result) {
  HullDesign& d = design_;
  const Ui::TchooseDspldlg& ui = *ui_;
  if (ui.BSplinesRadio->isChecked()) {
    d.ShowSurface = ui.BSplineSurfaceCheck->isChecked();
    d.ShowVertexNet = ui.BSplineNetCheck->isChecked();
  } else if (ui.SectionsRadio->isChecked()) {
    d.ShowSurface = false;
    d.ShowStations = ui.StationsCheck->isChecked();
    d.ShowWaterlines = ui.WaterlinesCheck->isChecked();
    d.ShowButtocks = ui.ButtocksCheck->isChecked();
    d.ShowVertexNet = ui.SectionsNetCheck->isChecked();
  }
  if (ui.BSplinesRadio->isChecked() || ui.SectionsRadio->isChecked()) emit designEdited();
  QDialog::done(result);
}

}  // namespace skelmora::app
