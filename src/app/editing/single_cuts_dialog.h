// "Single Stations, Waterlines, Buttocks": three grids of 30 positions of
// extra sections to draw. A clicked cell asks for its value ("Edit Value"),
// which is checked against the hull before the cell takes it. Lives for the
// whole run, so the waterline and buttock grids keep what was typed.
#pragma once

#include <QDialog>
#include <memory>

#include "model/app_state.h"
#include "surface/section_settings.h"

namespace Ui {
class Tsinglecutsdlg;
}
class QCheckBox;
class QPushButton;
class QTableWidget;

namespace skelmora::app {

class Tdataeditdlg;

class Tsinglecutsdlg : public QDialog {
  Q_OBJECT

 public:
  Tsinglecutsdlg(AppState& state, Prompter& prompter, QWidget* parent = nullptr);
  ~Tsinglecutsdlg() override;

  // On show: the station grid from the design, the check boxes from the
  // shown flags (the first time the other grids too).
  void prepare();
  // A value for a cell, checked as the value dialog's OK would.
  void enterValue(SectionKind kind, int row, double value);
  QTableWidget* grid(SectionKind kind) const;
  QCheckBox* check(const char* name) const;
  QPushButton* pushButton(const char* name) const;
  Tdataeditdlg* valueDialog() const { return value_; }

  void accept() override;

 private:
  void cellClicked(SectionKind kind, int row);
  void hideAllToggled(bool on);
  void setCell(SectionKind kind, int row, double value);
  void clear(SectionKind kind);

  AppState& state_;
  Prompter& prompter_;
  std::unique_ptr<Ui::Tsinglecutsdlg> ui_;
  Tdataeditdlg* value_ = nullptr;
  bool filledOnce_ = false;
  // The exact values behind the cells (a cell shows 3 decimals); station
  // cells beyond the 30 shown are passed back as they came.
  SingleSections cells_;
};

}  // namespace skelmora::app
