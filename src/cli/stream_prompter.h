// The program's message boxes as lines on standard error; questions are
// answered No and input boxes cancelled, as nobody is there to answer.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "model/prompter.h"

namespace skelmora::cli {

class StreamPrompter : public Prompter {
 public:
  explicit StreamPrompter(std::ostream& err) : err_(err) {}
  bool AskYesNo(const std::string& text) override {
    err_ << text << '\n';
    return false;
  }
  void ShowError(const std::string& text) override { err_ << text << '\n'; }
  void ShowInformation(const std::string& text) override { err_ << text << '\n'; }
  std::optional<std::string> AskText(const std::string&, const std::string&,
                                     const std::string&) override {
    return std::nullopt;
  }

 private:
  std::ostream& err_;
};

}  // namespace skelmora::cli
