#include "views/line_colors_dialog.h"

#include <QColorDialog>

#include "model/undo.h"
#include "ui_line_colors_dialog.h"
#include "views/paint_list.h"

namespace skelmora::app {

Tlines_color_frm::Tlines_color_frm(AppState& state, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::Tlines_color_frm>()),
      state_(state),
      design_(state.design) {
  ui_->setupUi(this);
  Ui::Tlines_color_frm& ui = *ui_;
  rows_ = {{
      {ui.StationsRadio, ui.StationsNew, ui.StationsOld, &HullDesign::StationColor},
      {ui.WaterlinesRadio, ui.WaterlinesNew, ui.WaterlinesOld, &HullDesign::WaterlineColor},
      {ui.ButtocksRadio, ui.ButtocksNew, ui.ButtocksOld, &HullDesign::ButtockColor},
      {ui.ChinesRadio, ui.ChinesNew, ui.ChinesOld, &HullDesign::ChineColor},
      {ui.SheerFbdyRadio, ui.SheerFbdyNew, ui.SheerFbdyOld, &HullDesign::EdgeColor},
      {ui.RefHullRadio, ui.RefHullNew, ui.RefHullOld, &HullDesign::RefHullColor},
      {ui.MarkersRadio, ui.MarkersNew, ui.MarkersOld, &HullDesign::MarkerColor},
      {ui.NetLinesRadio, ui.NetLinesNew, ui.NetLinesOld, &HullDesign::NetColor},
      {ui.SingleStationRadio, ui.SingleStationNew, ui.SingleStationOld,
       &HullDesign::SpecialLineColor},
      {ui.SingleWaterlineRadio, ui.SingleWaterlineNew, ui.SingleWaterlineOld,
       &HullDesign::SpecialLineColor},
      {ui.SingleButtockRadio, ui.SingleButtockNew, ui.SingleButtockOld,
       &HullDesign::SpecialLineColor},
      {ui.HighlightRadio, ui.HighlightNew, ui.HighlightOld, &HullDesign::HighlightColor},
      {ui.PaperRadio, ui.PaperNew, ui.PaperOld, &HullDesign::PaperColor},
  }};

  const int before = design_.UndoCount;
  state.history.Take(design_);
  snapshotTaken_ = design_.UndoCount > before;
  const QColor face = palette().color(QPalette::Button);
  for (size_t i = 0; i < rows_.size(); ++i) {
    const Row& row = rows_[i];
    saved_[i] = design_.*row.field;
    paintSwatch(row.oldSwatch, ToQColor(saved_[i]));
    paintSwatch(row.newSwatch, face);
    connect(row.radio, &QRadioButton::clicked, this, [this, i] { choose(rows_[i]); });
  }
  chooser_ = [](const QColor& initial, QWidget* owner) -> std::optional<QColor> {
    const QColor color = QColorDialog::getColor(initial, owner);
    if (!color.isValid()) return std::nullopt;
    return color;
  };
}

Tlines_color_frm::~Tlines_color_frm() = default;

void Tlines_color_frm::paintSwatch(QLabel* swatch, const QColor& color) {
  QPalette palette = swatch->palette();
  palette.setColor(QPalette::Window, color);
  swatch->setPalette(palette);
}

void Tlines_color_frm::choose(const Row& row) {
  const std::optional<QColor> color = chooser_(ToQColor(design_.*row.field), this);
  if (!color) return;
  design_.*row.field = FromQColor(*color);
  chosen_ = true;
  // The three single-section rows share one colour, so all three show it.
  for (const Row& other : rows_) {
    if (other.field == row.field) paintSwatch(other.newSwatch, *color);
  }
}

void Tlines_color_frm::giveBackSnapshot() {
  if (!snapshotTaken_) return;
  snapshotTaken_ = false;
  // Undo on a copy removes the newest snapshot from the history and leaves
  // the design itself (zoom, grid, everything) as it is.
  auto copy = std::make_unique<HullDesign>(design_);
  auto scratch = std::make_unique<Surface>();
  state_.history.Undo(*copy, *scratch);
  design_.UndoCount = copy->UndoCount;
  design_.UndoFileFresh = copy->UndoFileFresh;
}

void Tlines_color_frm::done(int result) {
  if (result != Accepted || !chosen_) {
    for (size_t i = 0; i < rows_.size(); ++i) design_.*rows_[i].field = saved_[i];
    giveBackSnapshot();
  } else {
    emit designEdited();
  }
  QDialog::done(result);
}

}  // namespace skelmora::app
