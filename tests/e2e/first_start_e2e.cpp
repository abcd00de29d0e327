// The very first start, without the AOL client: the real input box asks the Windows 2000
// question, the answer and every first-start default land in the registry byte for byte, the
// start is counted, and the log holds the first-start entry alone. Then the "x" label ends it.
// The floor build and the runs with Wine reporting an older Windows take the paths of 98.
#include <algorithm>
#include <set>

#include "core/files.h"
#include "core/settings_catalogue.h"
#include "scenario.h"

namespace drelm::e2e {

namespace {

constexpr const char* kQuestion =
    "READ THIS PLEASE<>IT WONT BE ASKED AGAIN\rif you are using windows 2k please enter 'yes'";

// REG_SZ, the text's bytes (Windows may add one NUL after them, never anything else).
bool StoredExactly(const std::string& section, const std::string& key, const std::string& text) {
  const std::optional<RegistryValue> value = ReadStored(section, key);
  return value && value->type == REG_SZ && (value->data == text || value->data == text + '\0');
}

}  // namespace

int FirstStartScenario(const E2eSetup& setup) {
  Scenario s(setup, "first-start", {}, nullptr);
  const std::string logPath = s.Path(std::string(kLogFileName));
  const LocalDateTime startedAt = win32::Win32Clock().Now();
  if (!s.Start(0)) return s.Finish();
  HWND box = nullptr;
  s.Check(
      WaitFor([&] { return (box = FindProgramWindow(s.id, "#32770", "drelm idle")) != nullptr; },
              kWindowDeadlineMs),
      "the Windows 2000 question comes up in an input box titled \"drelm idle\"");
  const HWND main = FindMainWindow(s.id);
  s.Check(main && IsWindowVisible(main), "the main window shows before the question");
  // 98 and ME keep no process creation time: the floor build must say so, not make one up.
  const auto shownAfter = reinterpret_cast<std::uintptr_t>(GetPropA(main, "DrelmIdleShownAfterMs"));
  s.Check(
      setup.floor ? shownAfter == 0xFFFFFFFFu : shownAfter > 0 && shownAfter < kWindowDeadlineMs,
      "the time to the first window is reported (unknown on the floor build): " +
          std::to_string(shownAfter) + " ms");
  // 98 and ME have no message-only windows: there the event loop's window is a hidden top-level.
  const bool nineX = setup.floor || setup.windowsVersion == "win98";
  const HWND sink = FindProgramWindow(s.id, "drelm idle event sink", "");
  s.Check((sink && GetAncestor(sink, GA_PARENT) == GetDesktopWindow()) == nineX,
          nineX ? "the event loop's window is a hidden top-level window, as on 98"
                : "the event loop's window is message-only");
  std::string texts = InputBoxTexts(box);
  s.Detail("box texts: " + Visible(texts));
  // The prompt may show its carriage return as a line break; the words must be there as they are.
  texts.erase(std::remove(texts.begin(), texts.end(), '\n'), texts.end());
  s.Check(texts.find(kQuestion) != std::string::npos, "the box asks the question word for word");
  s.Check(AnswerInputBox(box, "yes") &&
              WaitFor([&] { return FindProgramWindow(s.id, "#32770", "drelm idle") == nullptr; },
                      kWindowDeadlineMs),
          "\"yes\" is typed into the box, OK clicked, and the box closes");
  s.StartUpEnds();

  std::set<std::string> expected = {"settings/oss"};
  s.Check(StoredExactly("settings", "oss", "true"), "the answer \"yes\" stores oss \"true\"");
  for (const SettingKey* key : FirstStartDefaults()) {
    const std::string section(key->section), name(key->key);
    expected.insert(section + "/" + name);
    // The start is counted after the defaults: loads reads 1, not 0.
    const std::string want = key == &setting::kLoads ? "1" : std::string(*key->firstStart);
    s.Check(StoredExactly(section, name, want),
            "first start stores " + section + "/" + name + " = \"" + Visible(want) + "\"");
    s.Detail("stored: " + Visible(ReadStored(section, name).value_or(RegistryValue{}).data));
  }
  const std::vector<std::string> names = StoredNames();
  const std::set<std::string> stored(names.begin(), names.end());
  s.Check(stored == expected, "nothing but the defaults and the answer is stored (" +
                                  std::to_string(stored.size()) + " values)");
  s.Check(WaitFor([&] { return FindLabel(FindMainWindow(s.id), "loading settings"); },
                  kWindowDeadlineMs),
          "without the client the status label keeps \"loading settings\"");
  const std::string log = ReadWholeFile(logPath).value_or("(no log.txt)");
  s.Check(LogHolds(log, {"drelm idle v1 loaded for first time"}, startedAt),
          "log.txt holds the first-start entry alone, in the log's layout");
  s.Detail("log.txt: " + Visible(log));

  // The exit without the client posts nothing and still ends cleanly.
  s.ExitByX();
  const std::string after = ReadWholeFile(logPath).value_or("(no log.txt)");
  s.Check(LogHolds(after, {"drelm idle v1 loaded for first time", "drelm - version one unloaded"},
                   startedAt),
          "the exit adds \"drelm - version one unloaded\" to the log");
  s.Detail("log.txt: " + Visible(after));
  return s.Finish();
}

}  // namespace drelm::e2e
