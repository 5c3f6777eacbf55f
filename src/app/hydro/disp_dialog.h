// "Change Displacement Dialog": moves the hull up or down against the fixed
// waterline until it weighs the displacement entered. "Ok" keeps the moved
// hull; "Cancel" (or closing the window) moves every vertex back.
#pragma once

#include <QDialog>
#include <memory>

#include "hydro/draft_search.h"

class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace skelmora {
struct CalculationRecords;
}

namespace skelmora::app {

struct AppState;
class RealField;

class TDispDialog : public QDialog {
  Q_OBJECT

 public:
  TDispDialog(AppState& state, CalculationRecords& records, QWidget* parent = nullptr);

  // The initial draft and displacement; called on show.
  void Begin();
  // "Adjust Displacement" with the target in "New Displacement".
  bool Adjust();

  QLineEdit* field(const char* name) const;
  // The caption beside a field; it carries the unit of the design shown.
  QLabel* caption(const char* name) const;
  QPushButton* adjustButton() const { return adjust_; }
  const DraftSearch& search() const { return search_; }

 protected:
  void showEvent(QShowEvent* event) override;

 public slots:
  // "Ok": keeps the moved hull, as one undo step.
  void accept() override;
  void reject() override;

 private:
  AppState& state_;
  CalculationRecords& records_;
  DraftSearch search_;
  bool begun_ = false;
  std::unique_ptr<VertexNet> netBefore_ = std::make_unique<VertexNet>();
  QFormLayout* form_ = nullptr;
  RealField* initialDisplacement_ = nullptr;
  RealField* initialDraft_ = nullptr;
  RealField* newDisplacement_ = nullptr;
  RealField* displacement_ = nullptr;
  RealField* rate_ = nullptr;
  RealField* draft_ = nullptr;
  RealField* steps_ = nullptr;
  QPushButton* adjust_ = nullptr;
};

}  // namespace skelmora::app
