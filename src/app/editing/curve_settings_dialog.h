// "Station, Waterline & Buttock Settings": numbers or spacings of the drawn
// sections, the station reference, the lines quality and the points per
// chine and edge line. Closing by either button writes the values back.
#pragma once

#include <QDialog>
#include <memory>

#include "model/app_state.h"
#include "surface/section_settings.h"

namespace Ui {
class TcurvesetDlg;
}
class QLineEdit;
class QRadioButton;

namespace skelmora::app {

class TcurvesetDlg : public QDialog {
  Q_OBJECT

 public:
  // spacingMode: the program's run-time choice of "Spacing" over "Number".
  TcurvesetDlg(AppState& state, bool spacingMode, QWidget* parent = nullptr);
  ~TcurvesetDlg() override;

  CurveSettings settings() const;
  bool spacingMode() const;
  QLineEdit* edit(const char* name) const;
  QRadioButton* button(const char* name) const;

  void done(int result) override;

 private:
  void referenceChanged();

  AppState& state_;
  std::unique_ptr<Ui::TcurvesetDlg> ui_;
};

}  // namespace skelmora::app
