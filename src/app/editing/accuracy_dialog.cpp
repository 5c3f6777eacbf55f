#include "editing/accuracy_dialog.h"

#include "surface/section_settings.h"
#include "ui_accuracy_dialog.h"
#include "views/real_field.h"

namespace skelmora::app {

Thullaccuracy::Thullaccuracy(HullDesign& design, QWidget* parent)
    : QDialog(parent), design_(design), ui_(new Ui::Thullaccuracy) {
  ui_->setupUi(this);
  ui_->acclabel->setText(QLatin1String(AccuracyLabel(design_)));
  ui_->acctext->setText(FixedText(design_.SurfaceAccuracy, 4));
  connect(ui_->acctext, &QLineEdit::textChanged, this,
          [this](const QString& text) { design_.SurfaceAccuracy = RealFieldValue(text); });
}

Thullaccuracy::~Thullaccuracy() = default;

QLineEdit* Thullaccuracy::accuracyEdit() const { return ui_->acctext; }

}  // namespace skelmora::app
