// "Lines Color Selector": one row per drawing colour, each with its NEW and
// OLD swatch. Created for each use. Opening takes an undo snapshot and
// keeps a copy of the colours; a chosen colour is stored at once. "&Cancel",
// or closing without having chosen any colour, puts the copy back and gives
// the undo step back, so a dialog that changed nothing leaves no history.
// After "&Draw New Colors" with a new colour, designEdited() is emitted and
// the caller repaints every view (the paper colour is their background).
#pragma once

#include <QColor>
#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "model/app_state.h"

namespace Ui {
class Tlines_color_frm;
}

class QLabel;
class QRadioButton;

namespace skelmora::app {

class Tlines_color_frm : public QDialog {
  Q_OBJECT
 public:
  // The platform colour chooser, replaceable (tests script it): the chosen
  // colour, or nothing when the chooser was cancelled.
  using ColorChooser = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;

  // Takes the undo snapshot (UndoCount grows by one).
  explicit Tlines_color_frm(AppState& state, QWidget* parent = nullptr);
  ~Tlines_color_frm() override;

  void setColorChooser(ColorChooser chooser) { chooser_ = std::move(chooser); }
  // Whether a colour was chosen (so closing keeps the colours).
  bool colorChosen() const { return chosen_; }

  void done(int result) override;

 signals:
  void designEdited();

 private:
  struct Row {
    QRadioButton* radio;
    QLabel* newSwatch;
    QLabel* oldSwatch;
    Rgb HullDesign::*field;
  };
  void choose(const Row& row);
  static void paintSwatch(QLabel* swatch, const QColor& color);
  void giveBackSnapshot();

  std::unique_ptr<Ui::Tlines_color_frm> ui_;
  AppState& state_;
  HullDesign& design_;
  bool snapshotTaken_ = false;
  std::array<Row, 13> rows_;
  std::array<Rgb, 13> saved_{};
  bool chosen_ = false;
  ColorChooser chooser_;
};

}  // namespace skelmora::app
