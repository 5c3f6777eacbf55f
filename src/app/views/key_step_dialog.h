// "Set Key Move Step Size": the arrow-key step of the editing views. The
// step is taken from the field whenever the dialog closes; 0 is refused
// ("Step Size MUST be greater than 0") and the dialog stays open. A
// negative step is accepted (the arrow keys then move the other way).
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "views/view_options.h"

namespace Ui {
class TKeymovestepchng;
}

namespace skelmora::app {

class TKeymovestepchng : public QDialog {
  Q_OBJECT
 public:
  explicit TKeymovestepchng(InteractionState& interaction, QWidget* parent = nullptr);
  ~TKeymovestepchng() override;

  // Where the refusal is shown; a message box by default.
  void setMessageHandler(std::function<void(const QString&)> handler);

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<Ui::TKeymovestepchng> ui_;
  InteractionState& interaction_;
  std::function<void(const QString&)> message_;
};

}  // namespace skelmora::app
