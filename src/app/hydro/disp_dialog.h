// "Change Displacement Dialog": moves the hull up or down against the fixed
// waterline until it weighs the displacement entered. "Ok" keeps the moved
// hull; "Cancel" (or closing the window) moves every vertex back.
#pragma once

#include <QDialog>

#include "hydro/draft_search.h"

class QLineEdit;
class QPushButton;

namespace skelmora {
struct CalculationRecords;
}

namespace skelmora::app {

struct AppState;

class TDispDialog : public QDialog {
  Q_OBJECT

 public:
  TDispDialog(AppState& state, CalculationRecords& records, QWidget* parent = nullptr);

  // The initial draft and displacement; called on show.
  void Begin();
  // "Adjust Displacement" with the target in "New Displacement".
  bool Adjust();

  QLineEdit* field(const char* name) const;
  QPushButton* adjustButton() const { return adjust_; }
  const DraftSearch& search() const { return search_; }

 protected:
  void showEvent(QShowEvent* event) override;

 public slots:
  void reject() override;

 private:
  AppState& state_;
  CalculationRecords& records_;
  DraftSearch search_;
  bool begun_ = false;
  QLineEdit* initialDisplacement_ = nullptr;
  QLineEdit* initialDraft_ = nullptr;
  QLineEdit* newDisplacement_ = nullptr;
  QLineEdit* displacement_ = nullptr;
  QLineEdit* rate_ = nullptr;
  QLineEdit* draft_ = nullptr;
  QLineEdit* steps_ = nullptr;
  QPushButton* adjust_ = nullptr;
};

}  // namespace skelmora::app
