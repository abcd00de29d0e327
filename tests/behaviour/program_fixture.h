// A whole program on a simulated desktop: settings that record the order of their writes, a
// status log in a temporary folder, the stand-in AOL client signed on in a chat room that keeps
// what the members saw, and a sampler of the main window's status line while the program runs.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "aol/chat_sender.h"
#include "core/files.h"
#include "platform/sim/simulator.h"
#include "platform/winuser_constants.h"
#include "program/program.h"
#include "standin/chat_room.h"
#include "standin/sim/sim_standin.h"
#include "support/file_text.h"
#include "support/temp_folder.h"

namespace drelm::testing {

// Passes everything to the simulator's registry and remembers each write's section and key,
// and whether the status log existed at that moment.
class RecordingRegistry : public Registry {
 public:
  RecordingRegistry(Registry& inner, std::filesystem::path logFile)
      : inner_(inner), logFile_(std::move(logFile)) {}
  bool SetValue(const std::string& section, const std::string& name,
                const RegistryValue& value) override {
    writes.push_back(section + "/" + name);
    logExisted.push_back(std::filesystem::exists(logFile_));
    return inner_.SetValue(section, name, value);
  }
  std::optional<RegistryValue> QueryValue(const std::string& section,
                                          const std::string& name) override {
    return inner_.QueryValue(section, name);
  }
  bool DeleteValue(const std::string& section, const std::string& name) override {
    return inner_.DeleteValue(section, name);
  }

  std::vector<std::string> writes;
  std::vector<bool> logExisted;

 private:
  Registry& inner_;
  std::filesystem::path logFile_;
};

class ProgramTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(sim.user.PendingExpectations(), 0u) << "a scripted prompt never came";
    EXPECT_TRUE(sim.user.Failures().empty());
    if (aol) {
      EXPECT_TRUE(aol->UnexpectedInput().empty())
          << ::testing::PrintToString(aol->UnexpectedInput());
    }
  }

  Program& MakeProgram() {
    program =
        std::make_unique<Program>(Platform{sim.windows, sim.loop, sim.clock, registry, sim.user,
                                           sim.shell, sim.protection, sim.files, folder.path()});
    return *program;
  }

  // A returning user's program started beside a signed-on AOL 6 client in its chat room.
  void StartBesideAol6Room() {
    StoreReturningUser();
    OpenAolWithChatRoom(6);
    StartProgram();
  }

  // Starts the program, noting every text the status line shows while the start-up runs.
  void StartProgram() {
    if (!program) MakeProgram();
    const TimerId sampler = sim.loop.AddTimer(50, [this] { SampleStatus(); });
    program->Start();
    SampleStatus();
    sim.loop.RemoveTimer(sampler);
  }

  void SampleStatus() {
    const std::string& now = program->frmMain.lblStatus.caption;
    if (statusSeen.empty() || statusSeen.back() != now) statusSeen.push_back(now);
  }

  // The stand-in AOL client of the given version, signed on and in a chat room.
  void OpenAolWithChatRoom(int version) {
    standin::StandInOptions options;
    options.version = version;
    options.delays = standin::Delays::Immediate();
    aol = std::make_unique<standin::SimStandIn>(sim, options);
    aol->StartSignedOn("Lobby 12");
  }

  // The lines the user's program posted into the room since the last ForgetRoomLines, as the
  // members received them.
  std::vector<std::string> RoomLines() const {
    std::vector<std::string> lines;
    if (!aol) return lines;
    const auto& transcript = aol->Transcript();
    for (std::size_t i = roomMark; i < transcript.size(); ++i) {
      if (transcript[i].sender == aol->Client().ScreenName()) lines.push_back(transcript[i].text);
    }
    return lines;
  }
  void ForgetRoomLines() { roomMark = aol ? aol->Transcript().size() : 0; }

  std::string Stored(std::string_view section, std::string_view key) {
    return SettingsStore(sim.registry).ReadSetting(section, key);
  }
  void Store(std::string_view section, std::string_view key, std::string_view value) {
    SettingsStore(sim.registry).WriteSetting(section, key, value);
  }
  // A user who has started before: every first-start default and an answered question.
  void StoreReturningUser() {
    SettingsStore store(sim.registry);
    for (const SettingKey* key : FirstStartDefaults()) store.Write(*key, *key->firstStart);
    store.Write(setting::kOss, "false");
  }

  std::string LogText() const { return FileText(folder.path() / kLogFileName); }
  // The messages of the status log's entries, in order, without their date and time stamps.
  std::vector<std::string> LogMessages() const {
    return LogEntryMessages(folder.path() / kLogFileName);
  }

  // The default style around text, as the room receives it, written out byte for byte so that
  // a fault in the product's styling cannot hide in the expectation.
  static std::string DefaultStyled(const std::string& text) {
    return "</u></i></b><font color=##336699><font face=\"arial narrow\">\x8B"
           "d\x9B <font face=\"arial narrow\"><font color=##999999>" +
           text +
           " <font color=##336699><font face=\"arial narrow\">\x8B"
           "d\x9B";
  }

  TempFolder folder;
  sim::Simulator sim;
  RecordingRegistry registry{sim.registry, folder.path() / kLogFileName};
  std::unique_ptr<standin::SimStandIn> aol;
  std::unique_ptr<Program> program;
  std::size_t roomMark = 0;
  std::vector<std::string> statusSeen;
};

}  // namespace drelm::testing
