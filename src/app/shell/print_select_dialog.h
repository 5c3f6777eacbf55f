// Output › "Print / Plot &Hull": "Print Select Dialog", the view to print,
// its largest scale on the page, the scale to print at and the label.
#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <memory>

#include "model/hull_design.h"
#include "surface/surface.h"
#include "views/scaled_print.h"

namespace Ui {
class TPrintSelectDlg;
}
class QRadioButton;

namespace skelmora::app {

// What OK hands to the printing.
struct ScaledPrintChoice {
  PrintView view = PrintView::kBody;
  double printScale = 1.0;   // inches = 1 ft
  double printFactor = 12.0;  // design units per paper inch
  double limitFactor = 12.0;  // the same at the largest scale
  QString label;
  QFont font;
};

class TPrintSelectDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TPrintSelectDlg(QWidget* parent = nullptr);
  ~TPrintSelectDlg() override;

  // What showing the dialog reads: the label from the design's file name,
  // the page (inches) of the printer, and the largest scale of the chosen
  // view, written into both scale fields.
  void prepare(const HullDesign& design, const Surface& surface, double pageWidth,
               double pageHeight);

  PrintView view() const;
  void setView(PrintView view);
  double maxScale() const { return maxScale_; }
  // The choice as it stands (what OK stores).
  ScaledPrintChoice choice() const;
  QRadioButton* button(PrintView view) const;

 private:
  void viewChanged();
  void scaleEdited();
  void ShowRatio();

  std::unique_ptr<Ui::TPrintSelectDlg> ui_;
  const HullDesign* design_ = nullptr;
  const Surface* surface_ = nullptr;
  double pageWidth_ = 0.0;
  double pageHeight_ = 0.0;
  double maxScale_ = 0.0;
};

}  // namespace skelmora::app
