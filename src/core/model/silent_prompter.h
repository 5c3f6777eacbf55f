// A Prompter that shows nothing and answers No, for callers that have no
// one to ask (a drawing without its window, a benchmark, a fuzz run).
#pragma once

#include <optional>
#include <string>

#include "model/prompter.h"

namespace skelmora {

class SilentPrompter : public Prompter {
 public:
  bool AskYesNo(const std::string&) override { return false; }
  void ShowError(const std::string&) override {}
  void ShowInformation(const std::string&) override {}
  std::optional<std::string> AskText(const std::string&, const std::string&,
                                     const std::string&) override {
    return std::nullopt;
  }
};

}  // namespace skelmora
