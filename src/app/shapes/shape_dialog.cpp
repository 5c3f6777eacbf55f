#include "shapes/shape_dialog.h"

#include <QLabel>
#include <vector>

#include "ui_shape_dialog.h"
#include "views/real_field.h"

namespace skelmora::app {

TShapedlg::TShapedlg(Prompter& prompter, QWidget* parent)
    : QDialog(parent), ui_(new Ui::TShapedlg), prompter_(prompter) {
  ui_->setupUi(this);
  connect(ui_->Buttons, &QDialogButtonBox::accepted, this, &TShapedlg::accept);
  connect(ui_->Buttons, &QDialogButtonBox::rejected, this, &TShapedlg::reject);
  const SolidInputs box = DefaultSolidInputs(SolidType::kBox);
  const SolidInputs cone = DefaultSolidInputs(SolidType::kCone);
  const SolidInputs cylinder = DefaultSolidInputs(SolidType::kCylinder);
  const SolidInputs plate = DefaultSolidInputs(SolidType::kPlate);
  const SolidInputs sphere = DefaultSolidInputs(SolidType::kSphere);
  ui_->boxht->setText(PlainText(box.height));
  ui_->boxwide->setText(PlainText(box.width));
  ui_->boxdeep->setText(PlainText(box.depth));
  ui_->htedit->setText(PlainText(cone.height));
  ui_->baseEdit->setText(PlainText(cone.baseDiameter));
  ui_->cylinderlen->setText(PlainText(cylinder.length));
  ui_->cylinderdiam->setText(PlainText(cylinder.diameter));
  ui_->platelen->setText(PlainText(plate.length));
  ui_->platewide->setText(PlainText(plate.width));
  ui_->SpinEdit1->setRange(2, kNetSize);
  ui_->SpinEdit1->setValue(plate.vertices);
  ui_->spherediameter->setText(PlainText(sphere.diameter));
  ui_->Notebook->setCurrentIndex(0);
}

TShapedlg::~TShapedlg() = default;

QTabWidget* TShapedlg::notebook() const { return ui_->Notebook; }
QSpinBox* TShapedlg::verticesPerEdge() const { return ui_->SpinEdit1; }

RealField* TShapedlg::field(const char* name) const {
  return findChild<RealField*>(QLatin1String(name));
}

QRadioButton* TShapedlg::button(const char* name) const {
  return findChild<QRadioButton*>(QLatin1String(name));
}

SolidType TShapedlg::solidType() const {
  switch (ui_->Notebook->currentIndex()) {
    case 1: return SolidType::kCone;
    case 2: return SolidType::kCylinder;
    case 3: return SolidType::kPlate;
    case 4: return SolidType::kSphere;
    default: return SolidType::kBox;
  }
}

SolidInputs TShapedlg::inputs() const {
  SolidInputs in = DefaultSolidInputs(solidType());
  in.units = ui_->InchesButton->isChecked() ? kInches : kMillimetres;
  switch (solidType()) {
    case SolidType::kBox:
      in.height = ui_->boxht->valueOrZero();
      in.width = ui_->boxwide->valueOrZero();
      in.depth = ui_->boxdeep->valueOrZero();
      break;
    case SolidType::kCone:
      in.height = ui_->htedit->valueOrZero();
      in.baseDiameter = ui_->baseEdit->valueOrZero();
      break;
    case SolidType::kCylinder:
      in.length = ui_->cylinderlen->valueOrZero();
      in.diameter = ui_->cylinderdiam->valueOrZero();
      break;
    case SolidType::kPlate:
      in.length = ui_->platelen->valueOrZero();
      in.width = ui_->platewide->valueOrZero();
      in.vertices = ui_->SpinEdit1->value();
      break;
    case SolidType::kSphere:
      in.diameter = ui_->spherediameter->valueOrZero();
      break;
  }
  return in;
}

void TShapedlg::accept() {
  // Only the page shown is read, so only its fields must hold numbers.
  const std::vector<RealField*> pages[] = {
      {ui_->boxht, ui_->boxwide, ui_->boxdeep},
      {ui_->htedit, ui_->baseEdit},
      {ui_->cylinderlen, ui_->cylinderdiam},
      {ui_->platelen, ui_->platewide},
      {ui_->spherediameter},
  };
  for (RealField* f : pages[static_cast<int>(solidType())]) {
    if (f->value()) continue;
    const auto* label = findChild<QLabel*>(f->objectName() + QStringLiteral("Label"));
    prompter_.ShowError(RealField::ConversionError(label ? label->text() : QString(), f->text()));
    return;
  }
  if (const auto refusal = CheckSolidInputs(solidType(), inputs())) {
    prompter_.ShowError(*refusal);
    return;
  }
  QDialog::accept();
}

std::optional<NewShapeChoice> RunNewShapeDialog(QWidget* parent, Prompter& prompter) {
  TShapedlg dialog(prompter, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return NewShapeChoice{dialog.solidType(), dialog.inputs()};
}

}  // namespace skelmora::app
