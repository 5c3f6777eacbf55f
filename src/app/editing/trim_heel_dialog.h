// Tools › "&Trim / Heel hull". The trim half turns the net about the centre
// of flotation by an angle or to a trim at the stern, one undo step per
// "Trim". A one-sided net cannot hold a heel, so the heel half chooses
// which heel of the last stability run the body view shows.
#pragma once

#include <QDialog>
#include <memory>

#include "model/app_state.h"

namespace Ui {
class TtrimHeelDlg;
}
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace skelmora::app {

class RealField;

inline constexpr const char* kNoHeelRunNote =
    "No stability run has been made for this hull: Calc/Stability gives the heels to show.";
inline constexpr const char* kHeelChoiceNote =
    "The body view shows the hull at the chosen heel of the last stability run, with its "
    "waterline, B and G. It keeps that heel when this dialog closes; its Upright button "
    "shows the hull upright again.";

class TtrimHeelDlg : public QDialog {
  Q_OBJECT

 public:
  TtrimHeelDlg(AppState& state, QWidget* parent = nullptr);
  ~TtrimHeelDlg() override;

  // Fields cleared, the waterline length shown, the last run's heels listed.
  void prepare(Prompter& prompter);
  // By the angle or the stern trim chosen. False when refused: the message
  // is shown and the hull is as it was.
  bool Trim();
  // The heel list's row: 0 is upright, k the run's step k - 1.
  void ChooseHeel(int row);

  QRadioButton* angleButton() const;
  QRadioButton* sternButton() const;
  RealField* angleEdit() const;
  RealField* sternEdit() const;
  QPushButton* trimButton() const;
  QListWidget* heelList() const;
  QLabel* heelNote() const;

 signals:
  // The net was trimmed.
  void trimmed();
  // Another heel is to be shown.
  void heelChosen();

 private:
  void modeChanged();
  void ShowWaterline();
  void ShowHeels();

  AppState& state_;
  Prompter* prompter_ = nullptr;
  std::unique_ptr<Ui::TtrimHeelDlg> ui_;
};

}  // namespace skelmora::app
