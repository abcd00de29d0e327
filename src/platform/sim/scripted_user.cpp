#include "platform/sim/scripted_user.h"

namespace drelm::sim {

namespace {

const char* KindName(PromptKind kind) {
  switch (kind) {
    case PromptKind::kInputBox:
      return "input box";
    case PromptKind::kMessageBox:
      return "message box";
    case PromptKind::kOpenFile:
      return "file-open dialog";
    case PromptKind::kPopupMenu:
      return "pop-up menu";
  }
  return "prompt";
}

}  // namespace

void ScriptedUser::ExpectInputBox(std::string textContains, std::string answer) {
  expected_.push_back({PromptKind::kInputBox, std::move(textContains), std::move(answer), 0, {}});
}

void ScriptedUser::ExpectMessageBox(std::string textContains, std::uint32_t answer) {
  expected_.push_back({PromptKind::kMessageBox, std::move(textContains), {}, answer, {}});
}

void ScriptedUser::ExpectOpenFile(std::string answer) {
  expected_.push_back({PromptKind::kOpenFile, {}, std::move(answer), 0, {}});
}

void ScriptedUser::ExpectPopupMenu(PopupChooser chooser) {
  expected_.push_back({PromptKind::kPopupMenu, {}, {}, 0, std::move(chooser)});
}

ScriptedUser::Expectation ScriptedUser::Take(const Prompt& prompt) {
  seen_.push_back(prompt);
  if (expected_.empty() && answerer_) {
    Answer answer = answerer_(prompt);
    const std::uint32_t id = answer.button;
    return {prompt.kind,
            {},
            std::move(answer.text),
            answer.button,
            [id](const std::vector<PopupMenuItem>&) { return id; }};
  }
  std::string problem;
  if (expected_.empty()) {
    problem = std::string("unexpected ") + KindName(prompt.kind) + ": \"" + prompt.text + "\"";
  } else if (expected_.front().kind != prompt.kind) {
    problem = std::string("expected a ") + KindName(expected_.front().kind) + ", got a " +
              KindName(prompt.kind) + ": \"" + prompt.text + "\"";
  } else if (prompt.text.find(expected_.front().textContains) == std::string::npos) {
    problem = std::string(KindName(prompt.kind)) + " \"" + prompt.text + "\" lacks \"" +
              expected_.front().textContains + "\"";
  }
  if (!problem.empty()) {
    failures_.push_back(problem);
    throw UnexpectedPrompt{problem};
  }
  Expectation e = std::move(expected_.front());
  expected_.pop_front();
  return e;
}

std::string ScriptedUser::InputBox(const std::string& prompt, const std::string& title,
                                   const std::string& defaultAnswer) {
  return Take({PromptKind::kInputBox, prompt, title, defaultAnswer, 0, {}, {}}).answer;
}

std::uint32_t ScriptedUser::MessageBox(const std::string& text, const std::string& title,
                                       std::uint32_t style) {
  return Take({PromptKind::kMessageBox, text, title, {}, style, {}, {}}).button;
}

std::string ScriptedUser::OpenFileDialog(const std::string& title, const std::string& filter) {
  return Take({PromptKind::kOpenFile, filter, title, {}, 0, {}, {}}).answer;
}

std::uint32_t ScriptedUser::PopupMenu(const std::vector<PopupMenuItem>& items, Point at) {
  Expectation e = Take({PromptKind::kPopupMenu, {}, {}, {}, 0, items, at});
  return e.chooser ? e.chooser(items) : 0;
}

}  // namespace drelm::sim
