// The very first start, without the AOL client: the real input box asks the Windows 2000
// question, the answer and every first-start default land in the registry byte for byte, the
// start is counted, and the log holds the first-start entry alone. Then the "x" label ends it.
#include <algorithm>
#include <cstdint>
#include <set>

#include "core/files.h"
#include "core/settings_catalogue.h"
#include "e2e_scenarios.h"
#include "program_run.h"
#include "program_windows.h"

namespace drelm::e2e {

namespace {

constexpr const char* kQuestion =
    "READ THIS PLEASE<>IT WONT BE ASKED AGAIN\rif you are using windows 2k please enter 'yes'";

// The prompt may show its carriage return as a line break; the words must be there as they are.
std::string WithoutLineFeeds(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
  return text;
}

// One default as the registry keeps it: REG_SZ, the text's bytes (Windows may add one NUL
// after them, never anything else).
bool StoredExactly(const std::string& section, const std::string& key, const std::string& text) {
  const std::optional<StoredValue> value = ReadStored(section, key);
  return value && value->type == REG_SZ &&
         (value->data == text || value->data == text + std::string(1, '\0'));
}

void CheckFirstStartSettings(Checks& checks) {
  std::set<std::string> expected = {"settings/oss"};
  checks.Check(StoredExactly("settings", "oss", "true"), "the answer \"yes\" stores oss \"true\"");
  for (const SettingKey* key : FirstStartDefaults()) {
    const std::string section(key->section);
    const std::string name(key->key);
    expected.insert(section + "/" + name);
    // The start is counted after the defaults: loads reads 1, not 0.
    const std::string want = key == &setting::kLoads ? "1" : std::string(*key->firstStart);
    const std::optional<StoredValue> value = ReadStored(section, name);
    checks.Check(StoredExactly(section, name, want),
                 "first start stores " + section + "/" + name + " = \"" + Visible(want) + "\"");
    if (value)
      checks.Detail("stored type " + std::to_string(value->type) + ": " + Visible(value->data));
  }
  // The decoration is the three code-page-1252 bytes, i.e. single guillemets around a "d".
  checks.Check(
      ReadStoredWide("settings", "left ascii").value_or(L"").substr(0, 3) == L"\u2039d\u203A",
      "the default decoration is stored as the text \\u2039 d \\u203A");

  std::set<std::string> stored;
  for (const std::string& section : StoredSections()) {
    for (const std::string& name : StoredNames(section)) stored.insert(section + "/" + name);
  }
  checks.Check(stored == expected, "nothing but the defaults and the answer is stored (" +
                                       std::to_string(stored.size()) + " values)");
  for (const std::string& name : stored) {
    if (!expected.count(name)) checks.Detail("unexpected " + name);
  }
  for (const std::string& name : expected) {
    if (!stored.count(name)) checks.Detail("missing " + name);
  }
}

}  // namespace

int FirstStartScenario(const E2eSetup& setup) {
  Checks checks;
  checks.Check(ClearStoredSettings(), "the program's settings key is cleared");
  const std::string exe = PrepareProgramFolder(setup, "first-start");
  if (!checks.Check(!exe.empty(), "a fresh program folder holds drelm-idle.exe")) {
    return checks.Finish();
  }
  const std::string folder = exe.substr(0, exe.find_last_of('\\'));
  const std::string logPath = JoinPath(folder, std::string(kLogFileName));

  const LocalDateTime startedAt = LocalNow();
  ChildProcess program;
  if (!checks.Check(program.Start(exe, {}, folder, false), "drelm-idle.exe starts")) {
    return checks.Finish();
  }
  const DWORD id = program.Id();

  HWND box = nullptr;
  checks.Check(WaitFor([&] { return (box = FindInputBox(id)) != nullptr; }, kWindowDeadlineMs),
               "the Windows 2000 question comes up in an input box titled \"drelm idle\"");
  const HWND main = FindMainWindow(id);
  checks.Check(main && IsWindowVisible(main), "the main window shows before the question");
  // 98 and ME keep no process creation time: the floor build must say so, not make one up.
  const auto shownAfter = reinterpret_cast<std::uintptr_t>(GetPropA(main, "DrelmIdleShownAfterMs"));
  checks.Check(setup.floor ? shownAfter == 0xFFFFFFFFu : shownAfter > 0 && shownAfter < 0xFFFFFFFFu,
               setup.floor ? "the time to the first window is reported unknown"
                           : "the time to the first window is reported");
  // 98 and ME have no message-only windows: there the event loop's window is a hidden top-level.
  const bool nineX = setup.floor || setup.windowsVersion == "win98";
  const HWND sink = FindProgramWindow(id, "drelm idle event sink", "");
  checks.Check((sink && GetAncestor(sink, GA_PARENT) == GetDesktopWindow()) == nineX,
               nineX ? "the event loop's window is a hidden top-level window, as on 98"
                     : "the event loop's window is message-only");
  const std::string texts = InputBoxTexts(box);
  checks.Check(WithoutLineFeeds(texts).find(kQuestion) != std::string::npos,
               "the box asks the question word for word");
  checks.Detail("box texts: " + Visible(texts));
  checks.Check(AnswerInputBox(box, "yes"), "\"yes\" is typed into the box and OK is clicked");
  checks.Check(WaitFor([&] { return FindInputBox(id) == nullptr; }, kWindowDeadlineMs),
               "the box closes");

  checks.Check(WaitFor([] { return StoredText("stats", "loads") == "1"; }, kStartUpDeadlineMs),
               "the start is counted: stats/loads becomes \"1\"");
  CheckFirstStartSettings(checks);
  checks.Check(WaitFor(
                   [&] {
                     const std::vector<std::string> labels = LabelTexts(FindMainWindow(id));
                     return std::count(labels.begin(), labels.end(), "loading settings") == 1;
                   },
                   kWindowDeadlineMs),
               "without the client the status label keeps \"loading settings\"");
  checks.Detail(DescribeLabels(id));

  const std::string log = ReadWholeFile(logPath).value_or("(no log.txt)");
  checks.Check(LogHolds(log, {"drelm idle v1 loaded for first time"}, {startedAt, LocalNow()}),
               "log.txt holds the first-start entry alone, in the log's layout");
  checks.Detail("log.txt: " + Visible(log));
  checks.Check(program.Running(), "the program keeps running after its start-up");

  // The exit without the client posts nothing and still ends cleanly.
  Click(FindLabel(FindMainWindow(id), "x"));
  checks.Check(program.WaitForExit(kExitDeadlineMs), "clicking \"x\" ends the program");
  checks.Check(program.ExitCode() == std::optional<DWORD>(0), "with exit code 0");
  const std::string after = ReadWholeFile(logPath).value_or("(no log.txt)");
  checks.Check(
      LogHolds(after, {"drelm idle v1 loaded for first time", "drelm - version one unloaded"},
               {startedAt, LocalNow()}),
      "the exit adds \"drelm - version one unloaded\" to the log");
  checks.Detail("log.txt: " + Visible(after));
  return checks.Finish();
}

}  // namespace drelm::e2e
