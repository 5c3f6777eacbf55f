// How the core asks the user something mid-way. The program answers with
// message boxes; tests with a scripted fake that records every text shown.
#pragma once

#include <optional>
#include <string>

namespace skelmora {

class Prompter {
 public:
  virtual ~Prompter() = default;
  // A Yes / No question; true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // Yes / No / Cancel; returns 1 for Yes, 0 for No, -1 for Cancel.
  virtual int AskYesNoCancel(const std::string& text) { return AskYesNo(text) ? 1 : 0; }
  virtual void ShowError(const std::string& text) = 0;
  virtual void ShowInformation(const std::string& text) = 0;
  // An input box; nullopt when cancelled.
  virtual std::optional<std::string> AskText(const std::string& caption,
                                             const std::string& prompt,
                                             const std::string& initial) = 0;
};

// For runs with nobody to ask: every question is answered No, every input
// box cancelled, and nothing is shown.
class NoUserPrompter : public Prompter {
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
