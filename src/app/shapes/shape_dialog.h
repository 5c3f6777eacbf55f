// "Parametric Shape Design" (TShapedlg): the page of the solid, its
// measures and the unit for File › New › "Parametric Shape Design". OK
// closes only on measures the generator takes.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "model/prompter.h"
#include "shapes/solids.h"

namespace Ui {
class TShapedlg;
}
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace skelmora::app {

class RealField;

class TShapedlg : public QDialog {
  Q_OBJECT

 public:
  explicit TShapedlg(Prompter& prompter, QWidget* parent = nullptr);
  ~TShapedlg() override;

  // The solid of the page shown, and its measures as entered.
  SolidType solidType() const;
  SolidInputs inputs() const;

  QTabWidget* notebook() const;
  RealField* field(const char* name) const;
  QSpinBox* verticesPerEdge() const;
  QRadioButton* button(const char* name) const;

  void accept() override;

 private:
  std::unique_ptr<Ui::TShapedlg> ui_;
  Prompter& prompter_;
};

// What the dialog gives on OK.
struct NewShapeChoice {
  SolidType type = SolidType::kBox;
  SolidInputs inputs;
};

// Shows the dialog modally; nothing when it is cancelled.
std::optional<NewShapeChoice> RunNewShapeDialog(QWidget* parent, Prompter& prompter);

}  // namespace skelmora::app
