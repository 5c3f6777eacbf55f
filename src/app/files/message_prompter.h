// The core's questions and messages as modal message boxes.
#pragma once

#include <QPointer>
#include <QWidget>

#include "model/prompter.h"

namespace skelmora::app {

class MessageBoxPrompter : public Prompter {
 public:
  explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  bool AskYesNo(const std::string& text) override;
  int AskYesNoCancel(const std::string& text) override;
  void ShowError(const std::string& text) override;
  void ShowInformation(const std::string& text) override;
  std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                     const std::string& initial) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace skelmora::app
