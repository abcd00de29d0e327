#include "platform/sim/scripted_user.h"

#include <gtest/gtest.h>

#include "platform/winuser_constants.h"

namespace drelm {
namespace {

TEST(ScriptedUser, AnswersExpectedPromptsAndPopupMenusInOrder) {
  sim::ScriptedUser user;
  user.ExpectInputBox("windows 2000", "yes");
  user.ExpectMessageBox("not available", IDOK);
  user.ExpectPopupMenu(
      [](const std::vector<PopupMenuItem>& items) { return items.at(1).commandId; });
  EXPECT_EQ(user.InputBox("are you on windows 2000?\r", "drelm", ""), "yes");
  EXPECT_EQ(user.MessageBox("not available yet", "drelm", MB_OK), IDOK);
  const std::vector<PopupMenuItem> items{{"&start idle", 10, false, true, true, {}},
                                         {"e&xit", 11, false, true, true, {}}};
  EXPECT_EQ(user.PopupMenu(items, {5, 6}), 11u);
  EXPECT_EQ(user.PendingExpectations(), 0u);
  ASSERT_EQ(user.Seen().size(), 3u);
  EXPECT_EQ(user.Seen()[0].title, "drelm");
  EXPECT_EQ(user.Seen().back().at, (Point{5, 6}));
}

TEST(ScriptedUser, AnUnexpectedPromptOfAnyKindOrTextFailsEvenThroughCatchAllHandlers) {
  sim::ScriptedUser user;
  bool swallowed = false;
  try {
    try {
      user.InputBox("surprise", "drelm", "");
    } catch (const std::exception&) {
      swallowed = true;  // the program's own error handling must not hide a surprise
    }
    FAIL() << "the surprise was not thrown";
  } catch (const sim::UnexpectedPrompt& e) {
    EXPECT_NE(e.description.find("surprise"), std::string::npos);
  }
  EXPECT_FALSE(swallowed);
  EXPECT_EQ(user.Failures().size(), 1u);

  // The wrong kind of prompt, or the wrong text, is a surprise too.
  user.ExpectInputBox("handle", "zed");
  EXPECT_THROW(user.MessageBox("handle", "t", 0), sim::UnexpectedPrompt);
  user.ExpectInputBox("handle", "zed");
  EXPECT_THROW(user.InputBox("password", "t", ""), sim::UnexpectedPrompt);
}

}  // namespace
}  // namespace drelm
