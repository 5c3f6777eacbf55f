#include "shell/print_select_dialog.h"

#include "ui_print_select_dialog.h"

namespace skelmora::app {

namespace {
constexpr int kScaleDecimals = 4;
}

TPrintSelectDlg::TPrintSelectDlg(QWidget* parent) : QDialog(parent), ui_(new Ui::TPrintSelectDlg) {
  ui_->setupUi(this);
  for (PrintView v : {PrintView::kBody, PrintView::kPlan, PrintView::kProfile,
                      PrintView::kPerspective, PrintView::kAll}) {
    connect(button(v), &QRadioButton::toggled, this, [this](bool on) {
      if (on) viewChanged();
    });
  }
  connect(ui_->vscaleEdit, &QLineEdit::textEdited, this, &TPrintSelectDlg::scaleEdited);
  connect(ui_->OKBtn, &QPushButton::clicked, this, [this] {
    // The field must hold a scale to print at.
    const std::optional<double> scale = ui_->vscaleEdit->value();
    if (!scale || !(*scale > 0.0)) {
      ui_->vscaleEdit->setFocus();
      return;
    }
    accept();
  });
}

TPrintSelectDlg::~TPrintSelectDlg() = default;

QRadioButton* TPrintSelectDlg::button(PrintView view) const {
  switch (view) {
    case PrintView::kBody: return ui_->BodyView;
    case PrintView::kPlan: return ui_->PlanView;
    case PrintView::kProfile: return ui_->ProfileView;
    case PrintView::kPerspective: return ui_->PerspectiveView;
    case PrintView::kAll: return ui_->AllViews;
  }
  return ui_->BodyView;
}

PrintView TPrintSelectDlg::view() const {
  for (PrintView v : {PrintView::kPlan, PrintView::kProfile, PrintView::kPerspective,
                      PrintView::kAll}) {
    if (button(v)->isChecked()) return v;
  }
  return PrintView::kBody;
}

void TPrintSelectDlg::setView(PrintView view) {
  button(view)->setChecked(true);
  viewChanged();
}

void TPrintSelectDlg::prepare(const HullDesign& design, const Surface& surface,
                              double pageWidth, double pageHeight) {
  design_ = &design;
  surface_ = &surface;
  pageWidth_ = pageWidth;
  pageHeight_ = pageHeight;
  ui_->Edit1->setText(QStringLiteral("Scaled Print of ") +
                      QString::fromStdString(design.DesignFileName));
  viewChanged();
}

void TPrintSelectDlg::viewChanged() {
  if (!design_ || !surface_) return;
  maxScale_ = MaxPrintScale(PrintSpansOf(*design_, *surface_, view()),
                            DesignUnitsPerInch(*design_), pageWidth_, pageHeight_);
  ui_->hscaleEdit->setValue(maxScale_, kScaleDecimals);
  ui_->vscaleEdit->setValue(maxScale_, kScaleDecimals);
  ShowRatio();
}

void TPrintSelectDlg::scaleEdited() {
  const std::optional<double> typed = ui_->vscaleEdit->value();
  if (typed && *typed > maxScale_) ui_->vscaleEdit->setValue(maxScale_, kScaleDecimals);
  ShowRatio();
}

void TPrintSelectDlg::ShowRatio() {
  const std::optional<double> scale = ui_->vscaleEdit->value();
  ui_->RatioLabel->setText(scale && *scale > 0.0
                               ? QString::fromStdString(ScaleRatioText(*scale))
                               : QString());
}

ScaledPrintChoice TPrintSelectDlg::choice() const {
  ScaledPrintChoice c;
  c.view = view();
  const double unitsPerInch = design_ ? DesignUnitsPerInch(*design_) : 1.0;
  c.printScale = ClampPrintScale(ui_->vscaleEdit->value().value_or(maxScale_), maxScale_);
  c.printFactor = PrintFactor(c.printScale, unitsPerInch);
  c.limitFactor = PrintFactor(maxScale_, unitsPerInch);
  c.label = ui_->Edit1->text();
  c.font = ui_->FontList->currentFont();
  return c;
}

}  // namespace skelmora::app
