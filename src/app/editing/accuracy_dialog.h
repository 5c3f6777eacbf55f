// "Hull Surface Accuracy": one field, stored into the design as it is typed;
// Cancel or a value too small to use returns the accuracy to 0.01.
#pragma once

#include <QDialog>
#include <memory>

#include "model/hull_design.h"

namespace Ui {
class Thullaccuracy;
}
class QLineEdit;

namespace skelmora::app {

class Thullaccuracy : public QDialog {
  Q_OBJECT

 public:
  Thullaccuracy(HullDesign& design, QWidget* parent = nullptr);
  ~Thullaccuracy() override;

  QLineEdit* accuracyEdit() const;

 private:
  HullDesign& design_;
  std::unique_ptr<Ui::Thullaccuracy> ui_;
};

}  // namespace skelmora::app
