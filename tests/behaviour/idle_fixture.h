// A signed-on user with a plain style (handle Bob, decoration colour "aa", text colour "mm"),
// the program started beside the stand-in AOL client, and the review window of the away
// recorder replaced by a fake that notes its showing in a trace together with how many log
// entries and room lines existed at that moment, so a test sees the order across all three.
#pragma once

#include <string>
#include <vector>

#include "program_fixture.h"

namespace drelm::testing {

class IdleTest : public ProgramTest {
 protected:
  void SetUp() override {
    StoreReturningUser();
    Store("settings", "handle", "Bob");
    Store("settings", "ascii color", "aa");
    Store("settings", "main color", "mm");
    OpenAolWithChatRoom(6);
    startedMs = sim.clock.MonotonicMs();
    StartProgram();
    ForgetRoomLines();
    ForgetLog();
    Idle().Context().review.ShowRecordedMessages = [this] {
      program->frmMain.Hide();
      Note("ShowRecordedMessages");
    };
    Idle().Context().review.RecordedCount = [this] { return recorded; };
  }

  IdleEngine& Idle() { return program->idle; }
  FrmMain& Main() { return program->frmMain; }
  MenuItem& Item(std::string_view name) { return program->frmOptions.Item(name); }
  void Check(std::string_view name, bool checked) { Item(name).checked = checked; }
  void Choose(std::string_view name) { program->frmOptions.Click(name); }
  void IdleType(std::string_view name) {
    for (auto type : {"cmdRegularIdle", "cmdLinker", "cmdAFKBot"}) Check(type, type == name);
  }

  void Note(const std::string& what) {
    trace.push_back(what + " log=" + std::to_string(LogMessages().size() - logMark) +
                    " room=" + std::to_string(RoomLines().size()));
  }
  // Log entries since the last ForgetLog.
  std::vector<std::string> NewLog() const {
    const std::vector<std::string> all = LogMessages();
    return {all.begin() + static_cast<std::ptrdiff_t>(logMark), all.end()};
  }
  void ForgetLog() { logMark = LogMessages().size(); }

  // The room's lines without the user's style around them, which is the same for every line.
  std::vector<std::string> Said() const {
    static const std::string kOpen =
        "</u></i></b><font color=#aa><font face=\"arial narrow\">\x8B"
        "d\x9B <font face=\"arial narrow\"><font color=#mm>";
    static const std::string kClose =
        " <font color=#aa><font face=\"arial narrow\">\x8B"
        "d\x9B";
    std::vector<std::string> said;
    for (const std::string& line : RoomLines()) {
      const bool styled = line.starts_with(kOpen) && line.ends_with(kClose) &&
                          line.size() >= kOpen.size() + kClose.size();
      said.push_back(styled ? line.substr(kOpen.size(), line.size() - kOpen.size() - kClose.size())
                            : "unstyled: " + line);
    }
    return said;
  }

  std::uint64_t startedMs = 0;
  std::vector<std::string> trace;
  std::size_t logMark = 0;
  std::size_t recorded = 0;
};

}  // namespace drelm::testing
