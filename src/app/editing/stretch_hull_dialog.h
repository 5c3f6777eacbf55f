// "Stretch / Shrink Hull Dimensions" and "Translate the Hull": the two
// whole-net transforms of the Tools menu. Both live for the whole run; OK
// runs the transform and closes only when it was carried out.
#pragma once

#include <QDialog>
#include <memory>

#include "model/app_state.h"
#include "shapes/stretch_translate.h"

namespace Ui {
class TstretchHullDlg;
class Ttranslatedlg;
}
class QLineEdit;
class QRadioButton;

namespace skelmora::app {

class TstretchHullDlg : public QDialog {
  Q_OBJECT

 public:
  TstretchHullDlg(AppState& state, QWidget* parent = nullptr);
  ~TstretchHullDlg() override;

  // "Overall Size" and "Set Dimension", the current overall length shown.
  // OK without a number in the enabled field names the field in an error
  // and changes nothing; so does "Translate the Hull".
  void prepare(Prompter& prompter);
  QRadioButton* button(const char* name) const;
  QLineEdit* dimensionEdit() const;
  QLineEdit* scaleEdit() const;

  void accept() override;

 private:
  HullParameter parameter() const;
  void showCurrent();
  void modeChanged();

  AppState& state_;
  Prompter* prompter_ = nullptr;
  std::unique_ptr<Ui::TstretchHullDlg> ui_;
};

class Ttranslatedlg : public QDialog {
  Q_OBJECT

 public:
  Ttranslatedlg(AppState& state, QWidget* parent = nullptr);
  ~Ttranslatedlg() override;

  // "Shift Bow to Zero", the distance field disabled.
  void prepare(Prompter& prompter);
  QRadioButton* button(const char* name) const;
  QLineEdit* distanceEdit() const;

  void accept() override;

 private:
  AppState& state_;
  Prompter* prompter_ = nullptr;
  std::unique_ptr<Ui::Ttranslatedlg> ui_;
};

}  // namespace skelmora::app
