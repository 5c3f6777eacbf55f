// The one test prompter: it records every text the code shows and answers
// questions and input boxes from queues. Free of any test framework, so the
// GoogleTest suites and the Qt Test programs share it; a suite that wants an
// unscripted question to fail sets onUnscripted.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/prompter.h"

namespace skelmora::testing {

class RecordingPrompter : public Prompter {
 public:
  // Questions (and input-box captions), errors and information by kind, and
  // every text shown in order (an input box by its prompt).
  std::vector<std::string> questions;
  std::vector<std::string> errors;
  std::vector<std::string> information;
  std::vector<std::string> shown;
  // 1 Yes, 0 No, -1 Cancel. With the queue empty the answer is
  // unscriptedAnswer (Cancel unless set), so a question nobody expected
  // leaves everything as it was.
  std::deque<int> answers;
  int unscriptedAnswer = -1;
  // Input box answers; nullopt (or an empty queue) is Cancel.
  std::deque<std::optional<std::string>> texts;
  // Called with the text of a question or input box that has no scripted answer.
  std::function<void(const std::string&)> onUnscripted;

  bool AskYesNo(const std::string& text) override { return Answer(text) > 0; }
  int AskYesNoCancel(const std::string& text) override { return Answer(text); }
  void ShowError(const std::string& text) override {
    errors.push_back(text);
    shown.push_back(text);
  }
  void ShowInformation(const std::string& text) override {
    information.push_back(text);
    shown.push_back(text);
  }
  std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                     const std::string&) override {
    questions.push_back(caption);
    shown.push_back(prompt);
    if (texts.empty()) {
      if (onUnscripted) onUnscripted("input box: " + prompt);
      return std::nullopt;
    }
    std::optional<std::string> text = std::move(texts.front());
    texts.pop_front();
    return text;
  }

  bool AllAnswersUsed() const { return answers.empty() && texts.empty(); }

 private:
  int Answer(const std::string& text) {
    questions.push_back(text);
    shown.push_back(text);
    if (answers.empty()) {
      if (onUnscripted) onUnscripted("question: " + text);
      return unscriptedAnswer;
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace skelmora::testing
