// The person at the keyboard, as a script: each prompt the program shows must have been
// expected, in order, and is answered as scripted. A prompt nobody expected is recorded and
// thrown as UnexpectedPrompt, which is not a std::exception, so the program's own
// error-swallowing cannot hide it from the test.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/user.h"

namespace drelm::sim {

enum class PromptKind { kInputBox, kMessageBox, kOpenFile, kPopupMenu };

struct Prompt {
  PromptKind kind = PromptKind::kInputBox;
  std::string text;  // prompt or message text; the filter of a file dialog
  std::string title;
  std::string defaultAnswer;
  std::uint32_t style = 0;
  std::vector<PopupMenuItem> menu;
  Point at;
};

struct UnexpectedPrompt {
  std::string description;
};

class ScriptedUser : public User {
 public:
  using PopupChooser = std::function<std::uint32_t(const std::vector<PopupMenuItem>&)>;

  // textContains: a part of the prompt's text the program must show ("" matches any).
  void ExpectInputBox(std::string textContains, std::string answer);
  void ExpectMessageBox(std::string textContains, std::uint32_t answer);
  void ExpectOpenFile(std::string answer);
  void ExpectPopupMenu(PopupChooser chooser);
  // What a prompt that nobody scripted gets instead of failing the test: the text of an input
  // box or file dialog, the button of a message box, the command id of a pop-up menu. For runs
  // that care that every prompt is answered, not which prompts come.
  struct Answer {
    std::string text;
    std::uint32_t button = 0;
  };
  void AnswerUnscripted(std::function<Answer(const Prompt&)> answerer) {
    answerer_ = std::move(answerer);
  }

  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override;
  std::uint32_t MessageBox(const std::string& text, const std::string& title,
                           std::uint32_t style) override;
  std::string OpenFileDialog(const std::string& title, const std::string& filter) override;
  std::uint32_t PopupMenu(const std::vector<PopupMenuItem>& items, Point at) override;

  const std::vector<Prompt>& Seen() const { return seen_; }
  std::size_t PendingExpectations() const { return expected_.size(); }
  const std::vector<std::string>& Failures() const { return failures_; }

 private:
  struct Expectation {
    PromptKind kind;
    std::string textContains;
    std::string answer;
    std::uint32_t button = 0;
    PopupChooser chooser;
  };
  Expectation Take(const Prompt& prompt);

  std::deque<Expectation> expected_;
  std::function<Answer(const Prompt&)> answerer_;
  std::vector<Prompt> seen_;
  std::vector<std::string> failures_;
};

}  // namespace drelm::sim
