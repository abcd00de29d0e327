// drelm-sim: the add-on's Linux host. It starts drelm idle on a simulated desktop beside a
// stand-in AOL client that is signed on and in a chat room and answers the first-start question.
// By default the user then sets it up as the away bot and is away for an hour while members
// address them in the room and send IMs, comes back and stops idling (the away story); or the
// program just runs a while (the start-and-exit story). Either way the user finally chooses
// "exit" from its menu, and drelm-sim shows what happened: the steps, the status line, the chat
// room as its members saw it, the IMs, the recorded messages, the status log and the stored
// settings. Time is virtual, so an hour of the program's life takes a few seconds.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/files.h"
#include "core/settings_catalogue.h"
#include "core/settings_store.h"
#include "platform/posix/file_registry.h"
#include "platform/sim/simulator.h"
#include "program/program.h"
#include "sim_away_story.h"
#include "sim_report.h"
#include "standin/sim/sim_standin.h"
#include "text/ansi.h"

namespace {

using namespace drelm;

// After coming back, the user reads the recorded messages a while before choosing "exit".
constexpr int kAwayStoryExitAfterBackSeconds = 30;

constexpr const char* kUsage =
    "usage: drelm-sim [options]\n"
    "Runs drelm idle in a simulated desktop beside a stand-in AOL client (signed on, in a chat\n"
    "room) and answers the first-start question. The away story (default): the user makes it\n"
    "the away bot, starts idling, is away while members address them and send IMs, comes back\n"
    "and stops idling. The start-and-exit story: the program only runs a while. Both end with\n"
    "\"exit\" from the menu and show the steps, the status line, the chat room, the IMs, the\n"
    "recorded messages, the status log and the stored settings.\n"
    "\n"
    "  --story NAME    \"away\" (default) or \"start-exit\"\n"
    "  --minutes N     virtual minutes the user is away in the away story (default 60)\n"
    "  --aol N         AOL version of the stand-in client: 4, 5, 6 or 7 (default 6)\n"
    "  --no-aol        run without the AOL client\n"
    "  --win2k ANSWER  the answer to the Windows 2000 question (default \"no\")\n"
    "  --seconds N     start-and-exit: virtual seconds before the exit (default 30)\n"
    "  --settings DIR  keep the settings in DIR, so a second run is a returning user\n"
    "                  (default: fresh settings, a very first start)\n"
    "  --folder DIR    the program's folder, where log.txt stays (default: a temporary one)\n"
    "  --bytes         also show the exact bytes of every chat line\n"
    "  --color         colours even when the output is not a terminal\n"
    "  --no-color      no colours\n";

struct Options {
  bool awayStory = true;
  int awayMinutes = 60;
  int aolVersion = 6;
  bool aol = true;
  std::string win2kAnswer = "no";
  int seconds = 30;
  std::filesystem::path settingsFolder;
  std::filesystem::path programFolder;
  bool bytes = false;
  bool colour = isatty(STDOUT_FILENO) != 0;
};

bool ParseArguments(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      std::exit(0);
    } else if (arg == "--story" && hasValue) {
      const std::string story = argv[++i];
      if (story != "away" && story != "start-exit") return false;
      options.awayStory = story == "away";
    } else if (arg == "--minutes" && hasValue) {
      options.awayMinutes = std::atoi(argv[++i]);
      if (options.awayMinutes < 1) return false;
    } else if (arg == "--aol" && hasValue) {
      options.aolVersion = std::atoi(argv[++i]);
      if (options.aolVersion < 4 || options.aolVersion > 7) return false;
    } else if (arg == "--no-aol") {
      options.aol = false;
    } else if (arg == "--win2k" && hasValue) {
      options.win2kAnswer = argv[++i];
    } else if (arg == "--seconds" && hasValue) {
      options.seconds = std::atoi(argv[++i]);
      if (options.seconds < 1) return false;
    } else if (arg == "--settings" && hasValue) {
      options.settingsFolder = argv[++i];
    } else if (arg == "--folder" && hasValue) {
      options.programFolder = argv[++i];
    } else if (arg == "--bytes") {
      options.bytes = true;
    } else if (arg == "--color") {
      options.colour = true;
    } else if (arg == "--no-color") {
      options.colour = false;
    } else {
      return false;
    }
  }
  return true;
}

// A fresh folder for one run, removed at the end unless the user named the folder.
class RunFolder {
 public:
  explicit RunFolder(const std::filesystem::path& given) {
    if (!given.empty()) {
      std::filesystem::create_directories(given);
      path_ = given;
      return;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "drelm-sim-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    path_ = pattern;
    owned_ = true;
  }
  ~RunFolder() {
    std::error_code ignored;
    if (owned_) std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  bool owned_ = false;
};

struct StatusChange {
  double atSeconds;
  std::string text;
};

class Report {
 public:
  explicit Report(bool colour) : colour_(colour) {}
  void Heading(const std::string& title) const {
    std::printf("\n%s%s%s\n", colour_ ? "\x1b[1m" : "", title.c_str(), colour_ ? "\x1b[0m" : "");
  }
  std::string Dim(const std::string& text) const {
    return colour_ ? "\x1b[2m" + text + "\x1b[0m" : text;
  }

 private:
  bool colour_;
};

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The prompt's carriage return shown as a visible mark, so the two lines stay one prompt.
std::string ShowPrompt(const std::string& text) {
  std::string shown = Cp1252ToUtf8(text);
  std::string out;
  for (const char c : shown) {
    if (c == '\r') {
      out += "\xE2\x8F\x8E";  // U+23CE, the return symbol
    } else {
      out += c;
    }
  }
  return out;
}

int Run(const Options& options) {
  // The away story needs a client to be away in.
  const bool awayStory = options.awayStory && options.aol;
  const Report report(options.colour);
  RunFolder folder(options.programFolder);
  sim::Simulator sim;
  std::unique_ptr<posix::FileRegistry> fileRegistry;
  Registry* registry = &sim.registry;
  if (!options.settingsFolder.empty()) {
    fileRegistry = std::make_unique<posix::FileRegistry>(options.settingsFolder);
    registry = fileRegistry.get();
  }
  const Platform platform{sim.windows, sim.loop,       sim.clock, *registry,    sim.user,
                          sim.shell,   sim.protection, sim.files, folder.path()};

  std::unique_ptr<standin::SimStandIn> aol;
  if (options.aol) {
    standin::StandInOptions aolOptions;
    aolOptions.version = options.aolVersion;
    aol = std::make_unique<standin::SimStandIn>(sim, aolOptions);
    aol->StartSignedOn("Lobby 12");
    aol->SetMembers({"BuddyZed", "quietgirl77"});
    if (!awayStory) sim.loop.ScheduleOnce(6000, [&] { aol->Say("BuddyZed", "hey, wb"); });
  }

  // The first-start question comes only while the store holds no answer.
  if (SettingsStore(*registry).Read(setting::kOss).empty()) {
    sim.user.ExpectInputBox("READ THIS PLEASE", options.win2kAnswer);
  }

  Program program(platform);
  const std::uint64_t startMs = sim.clock.MonotonicMs();
  auto elapsed = [&] { return (sim.clock.MonotonicMs() - startMs) / 1000.0; };
  std::vector<StatusChange> statuses{{0.0, program.frmMain.lblStatus.caption}};
  auto sample = [&] {
    const std::string& now = program.frmMain.lblStatus.caption;
    if (statuses.back().text != now) statuses.push_back({elapsed(), now});
  };
  const TimerId sampler = sim.loop.AddTimer(50, sample);

  double exitChosenAt = 0;
  auto chooseExit = [&] {
    exitChosenAt = elapsed();
    sim.user.ExpectPopupMenu([](const std::vector<PopupMenuItem>& items) -> std::uint32_t {
      for (const PopupMenuItem& item : items) {
        if (item.caption == "exit") return item.commandId;
      }
      return 0;
    });
    program.frmMain.lblMenu_Click();
  };

  std::printf("drelm-sim: drelm idle on a simulated desktop, %s\n",
              options.aol ? ("beside a stand-in AOL " + std::to_string(options.aolVersion) +
                             ".0 client, signed on as \"Drelm User\" in \"Lobby 12\"")
                                .c_str()
                          : "without the AOL client");
  program.Start();
  std::unique_ptr<simapp::AwayStory> story;
  int exitAfterSeconds = options.seconds;
  if (awayStory) {
    story = std::make_unique<simapp::AwayStory>(sim, *aol, program, options.awayMinutes);
    exitAfterSeconds = story->Schedule() + kAwayStoryExitAfterBackSeconds;
  }
  sim.loop.ScheduleOnce(static_cast<std::uint32_t>(exitAfterSeconds) * 1000, chooseExit);
  sim.loop.RunUntil([&] { return program.Ended(); },
                    static_cast<std::uint64_t>(exitAfterSeconds + 60) * 1000);
  sample();
  sim.loop.RemoveTimer(sampler);

  if (story) {
    report.Heading("The story (virtual time since the start-up ended)");
    for (const simapp::StoryStep& step : story->Steps()) {
      char when[32];
      std::snprintf(when, sizeof when, "%7.0f s", step.atSeconds);
      std::printf("  %s  %s\n", report.Dim(when).c_str(), step.what.c_str());
    }
  }

  report.Heading("Prompts");
  if (sim.user.Seen().empty()) std::puts("  (none)");
  for (const sim::Prompt& prompt : sim.user.Seen()) {
    if (prompt.kind == sim::PromptKind::kInputBox) {
      std::printf("  input box \"%s\": %s\n", Cp1252ToUtf8(prompt.title).c_str(),
                  ShowPrompt(prompt.text).c_str());
      if (prompt.text.starts_with("READ THIS PLEASE")) {
        std::printf("    answered \"%s\"\n", options.win2kAnswer.c_str());
      }
    } else if (prompt.kind == sim::PromptKind::kPopupMenu) {
      std::printf("  options menu at the mouse (%d, %d): chose \"exit\" at %.1f s\n", prompt.at.x,
                  prompt.at.y, exitChosenAt);
    } else {
      std::printf("  %s\n", ShowPrompt(prompt.text).c_str());
    }
  }

  report.Heading("Status line of the main window");
  for (const StatusChange& change : statuses) {
    char when[32];
    std::snprintf(when, sizeof when, "%7.2f s", change.atSeconds);
    std::printf("  %s  %s\n", report.Dim(when).c_str(), Cp1252ToUtf8(change.text).c_str());
  }

  if (aol) {
    report.Heading("Chat room \"Lobby 12\" as its members saw it");
    if (aol->Transcript().empty()) std::puts("  (nothing)");
    for (const standin::ChatLine& line : aol->Transcript()) {
      std::printf("  %s: %s\n", Cp1252ToUtf8(line.sender).c_str(),
                  simapp::RenderChatHtml(line.text, options.colour).c_str());
      if (options.bytes) {
        std::printf("    %s\n", report.Dim("bytes: " + simapp::EscapeBytes(line.text)).c_str());
      }
    }
    for (const std::string& odd : aol->UnexpectedInput()) {
      std::printf("  %s\n", ("stand-in noticed: " + odd).c_str());
    }
    if (story) {
      report.Heading("Instant messages");
      const standin::Observations& seen = aol->Seen();
      if (seen.imsReceived.empty() && seen.imsSent.empty()) std::puts("  (none)");
      for (const standin::InstantMessage& im : seen.imsReceived) {
        std::printf("  from %s: %s\n", Cp1252ToUtf8(im.peer).c_str(),
                    Cp1252ToUtf8(im.text).c_str());
      }
      for (const standin::InstantMessage& im : seen.imsSent) {
        std::printf("  to %s: %s\n", Cp1252ToUtf8(im.peer).c_str(), Cp1252ToUtf8(im.text).c_str());
      }
      report.Heading("Recorded messages (the messages window the stop showed)");
      if (program.frmAFKMessages.lstMsgs.items.empty()) std::puts("  (none)");
      for (const std::string& entry : program.frmAFKMessages.lstMsgs.items) {
        std::printf("  %s\n", Cp1252ToUtf8(entry).c_str());
      }
    }
  }

  report.Heading("Status log (" + (folder.path() / kLogFileName).string() + ")");
  const std::string logText = ReadFile(folder.path() / kLogFileName);
  if (logText.empty()) std::puts("  (no log)");
  std::size_t at = 0;
  while (at < logText.size()) {
    std::size_t end = logText.find("\r\n", at);
    if (end == std::string::npos) end = logText.size();
    const std::string line = logText.substr(at, end - at);
    if (!line.empty()) std::printf("  %s\n", Cp1252ToUtf8(line).c_str());
    at = end + 2;
  }

  report.Heading("Stored settings");
  const SettingsStore store(*registry);
  for (const SettingKey* key : SettingsCatalogue()) {
    const std::string value = store.Read(*key);
    if (value.empty()) continue;
    const bool secret = key == &setting::kPassword;
    std::printf("  %-32s %s\n", (std::string(key->section) + "/" + std::string(key->key)).c_str(),
                secret ? "(kept, not shown)" : ("\"" + Cp1252ToUtf8(value) + "\"").c_str());
  }

  std::printf("\nprogram %s after %.1f s of virtual time\n",
              program.Ended() ? "ended through its exit" : "did NOT end", elapsed());
  return program.Ended() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseArguments(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  try {
    return Run(options);
  } catch (const sim::UnexpectedPrompt& prompt) {
    std::fprintf(stderr, "drelm-sim: %s\n", prompt.description.c_str());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "drelm-sim: %s\n", error.what());
  }
  return 1;
}
