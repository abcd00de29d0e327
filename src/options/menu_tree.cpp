#include "options/menu_tree.h"

#include <cstddef>
#include <span>

namespace drelm {

namespace {

struct MenuRow {
  int depth;
  std::string_view name;
  std::string_view caption;
  std::string_view wiredBy;
  bool checked = false;
  bool enabled = true;
};

using namespace feature;

constexpr std::string_view kNothing = {};
constexpr std::string_view kSep = kSeparatorCaption;

// clang-format off
constexpr MenuRow kTree[] = {
  {0, "mnuOptions", "options", kNothing},
  {1,   "cmdFile", "file", kNothing},
  {2,     "cmdAbout", "about", kAboutWindows},
  {2,     "cmdAdvertise", "advertise", kStatsCommands},
  {2,     "cmdGreets", "greets", kAboutWindows},
  {2,     "cmdBragStats", "brag stats", kStatsCommands},
  {2,     "cmdMySite", "sites", kNothing},
  {3,       "mnuQuostSite", "quoSt", kOptionsPanel},
  {3,       "mnuVrinsSite", "vrin", kOptionsPanel},
  {1,   "cmdOptions", "options", kNothing},
  {2,     "cmdEditSkins", "edit skins", kAboutWindows},
  {2,     "opf03", kSep, kNothing},
  {2,     "cmdSettings", "settings", kNothing},
  {3,       "cmdHandle", "handle -[ ]-", kStyleCommands},
  {3,       "cmdLeftAscii", "left ascii -[ ]-", kStyleCommands},
  {3,       "cmdRightAscii", "right ascii [ ]-", kStyleCommands},
  {3,       "opf02", kSep, kNothing},
  {3,       "cmdFonts", "fonts", kNothing},
  {4,         "cmdAsciiFont", "ascii font -[ ]-", kStyleCommands},
  {4,         "cmdMainFont", "main font -[ ]-", kStyleCommands},
  {3,       "cmdColors", "colors", kNothing},
  {4,         "cmdAsciiColor", "ascii color -[ ]-", kStyleCommands},
  {4,         "cmdMainColor", "main color -[ ]-", kStyleCommands},
  {2,     "cmdIdleOptions", "idle options", kNothing},
  {3,       "cmdStartIdle", "start idle", kIdleSessions},
  {3,       "cmdStopIdle", "stop idle", kIdleSessions, false, false},
  {3,       "opf04", kSep, kNothing},
  {3,       "cmdReason", "reason", kIdleModeCommands},
  {3,       "cmdMultipleReasons", "multiple reasons", kIdleModeCommands, true},
  {3,       "linera", kSep, kNothing},
  {3,       "mnuSingluear", "single reason", kNothing},
  {4,         "cmdRegReason", "regular reason", kIdleModeCommands},
  {4,         "cmdAfkReason", "afk reason", kIdleModeCommands},
  {4,         "cmdLinkerReason", "linker reason", kIdleModeCommands},
  {3,       "opf09", kSep, kNothing},
  {3,       "mnuScrollAIm", "scroll aim", kIdleModeCommands},
  {3,       "cmdAim", "aim -[ ]-", kStyleCommands},
  {3,       "line24", kSep, kNothing},
  {3,       "cmdAutoIdle", "auto idle", kIdleModeCommands},
  {3,       "opf10", kSep, kNothing},
  {3,       "cmdInterval", "interval", kNothing},
  {4,         "cmdOneMin", "1 minute", kIdleModeCommands},
  {4,         "cmdTwoMin", "2 minutes", kIdleModeCommands},
  {4,         "cmdThreeMin", "3 minutes", kIdleModeCommands},
  {4,         "line2", kSep, kNothing},
  {4,         "mnuCustom", "&custom -[ ]-", kIdleModeCommands},
  {3,       "cmdIdleType", "idler type", kNothing},
  {4,         "cmdRegularIdle", "regular idler", kIdleModeCommands},
  {4,         "cmdLinker", "linker", kIdleModeCommands},
  {4,         "cmdAFKBot", "afk bot", kIdleModeCommands},
  {3,       "opf11", kSep, kNothing},
  {3,       "mnuIdleKills", "kills", kNothing},
  {4,         "mnuhidestatus", "hide status screen on start", kOptionsPanel},
  {4,         "mnushowstatus", "show status screen on stop", kOptionsPanel},
  {4,         "line", kSep, kNothing},
  {4,         "cmdMessageTLTC", "message to long to complex", kOptionsPanel},
  {4,         "cmdKill45Min", "45 min", kOptionsPanel},
  {3,       "cmdGhostOrIMs", "ghost - ims", kNothing},
  {4,         "cmdGhost", "ghost", kNothing},
  {5,           "cmdONStartGhost", "turn on, after start", kOptionsPanel},
  {5,           "cmdONStopGhost", "turn on, after stop", kOptionsPanel},
  {5,           "opf12", kSep, kNothing},
  {5,           "cmdOFFStopGhost", "turn off, after stop", kOptionsPanel},
  {4,         "cmdIMSopts", "ims", kNothing},
  {5,           "cmdIMSoffStart", "turn off, after start", kOptionsPanel},
  {5,           "cmdIMSoffStop", "turn off, after stop", kOptionsPanel},
  {5,           "opf13", kSep, kNothing},
  {5,           "cmdIMSonAfterStop", "turn on, after stop", kOptionsPanel},
  {2,     "mnuDcpAol", "&dcp aol options", kNothing},
  {3,       "cmdDcpAolOpts", "&dcp aol -[ ]-", kTransferOptions},
  {3,       "mnuAolSTyle", "dcp aol &style -[ ]-", kNothing},
  {4,         "cmdStoredPW", "stored &pw", kTransferOptions},
  {4,         "cmdSetPW", "&set pw", kTransferOptions},
  {3,       "mnuEnterpr", "&enter pr", kOptionsPanel},
  {3,       "mnuSetPr", "&set pr -[ ]-", kTransferOptions},
  {3,       "opf16", kSep, kNothing},
  {3,       "cmdContUp", "&continue uploads", kOptionsPanel},
  {3,       "cmdContDown", "&continue downloads", kOptionsPanel},
  {2,     "cmdTransferOptions", "file transfer options", kNothing},
  {3,       "cmdScrollDlulstatus", "scroll dl/ul status", kOptionsPanel},
  {3,       "cmdScrollTransfer", "scroll file transfer now", kStatsCommands},
  {3,       "mnushort", "shorten dl/ul file name -[ 35 ]-", kTransferOptions},
  {3,       "opf17", kSep, kNothing},
  {3,       "cmdUpchatOn", "upchat on", kAolTweaks},
  {3,       "cmdUpchatOff", "upchat off", kAolTweaks},
  {3,       "cmdEnableAutoUpchat", "enable auto upchat", kOptionsPanel},
  {3,       "opf19", kSep, kNothing},
  {3,       "cmdUploadProtection", "upload aborted protection", kOptionsPanel},
  {3,       "opf444", kSep, kNothing},
  {3,       "cmdKillFileNotFound", "kill file not found window", kOptionsPanel, true},
  {3,       "mnuContinueUpAffFnFK", "continue uploads after file not found kill", kOptionsPanel},
  {3,       "mnucontinueUpAfterFileNotFOundKill", "continue downloads after file not found kill", kOptionsPanel},
  {3,       "opf18", kSep, kNothing},
  {3,       "cmdLogULstats", "log upload stats", kOptionsPanel},
  {2,     "cmdOtherOptions", "other options", kNothing},
  {3,       "cmdKills", "kills", kNothing},
  {4,         "cmdAOLWait", "aol wait", kAolTweaks},
  {4,         "cmdAOLGlyph", "aol glyph", kAolTweaks},
  {4,         "cmdAOLModal", "aol modal", kAolTweaks},
  {3,       "opf21", kSep, kNothing},
  {3,       "cmdIMS", "ims", kNothing},
  {4,         "cmdIMSon", "on", kAolTweaks},
  {4,         "cmdIMSoff", "off", kAolTweaks},
  {3,       "cmdGHOSTing", "ghost", kNothing},
  {4,         "cmdGhostOn", "on", kAolTweaks},
  {4,         "cmdGhostOff", "off", kAolTweaks},
  {3,       "cmdAol", "aol", kNothing},
  {4,         "cmdHIDEAOL", "hide aol", kAolTweaks},
  {4,         "cmdSHOWAOL", "show aol", kAolTweaks},
  {4,         "opf22", kSep, kNothing},
  {4,         "cmdHideWelcome", "hide welcome", kAolTweaks},
  {4,         "cmdShowWelcome", "show welcome", kAolTweaks},
  {4,         "noterline", kSep, kNothing},
  {4,         "cmdAolPlusHide", "hide aol plus", kAolTweaks},
  {4,         "cmdAolPlusShow", "show aol plus", kAolTweaks},
  {4,         "linerage", kSep, kNothing},
  {4,         "hidestatuswin", "hide status", kOptionsPanel},
  {4,         "showstatuswin", "show status", kOptionsPanel},
  {3,       "opf23", kSep, kNothing},
  {3,       "cmdFileReNamer", "file renamer", kOptionsPanel},
  {3,       "cmdAutoDLLater", "auto download later", kAutoDownloadLater},
  {3,       "cmdRoomBuster", "room buster", kRoomBuster},
  {3,       "cmdRoomRunner", "room runner", kRoomRunner},
  {3,       "cmdFlashMailSorter", "flash mail sorter", kOptionsPanel},
  {2,     "opf25", kSep, kNothing},
  {2,     "cmdStats", "stats", kNothing},
  {3,       "cmdIdleTime", "idle time:", kNothing},
  {3,       "cmdLoads", "loads:", kNothing},
  {3,       "cmdMBUploaded", "mb u/led:", kNothing},
  {3,       "opf26", kSep, kNothing},
  {3,       "cmdClearStats", "clear stats", kStatsCommands},
  {1,   "opf05", kSep, kNothing},
  {1,   "cmdAutoUpdater", "auto updater", kOptionsPanel},
  {1,   "opf06", kSep, kNothing},
  {1,   "cmdMinimize", "minimize", kNothing},
  {2,     "cmdWinTask", "windows taskbar", kNothing},
  {2,     "cmdWinSysTray", "windows system tray", kMainWindow},
  {1,   "mnuRest", "restore", kNothing},
  {2,     "mnuRestoreWinSysTray", "windows system tray", kMainWindow},
  {1,   "cmdExit", "exit", kOptionsPanel},
  {0, "mnuAdd", "addons", kNothing},
  {1,   "cmdHyperLink", "insert hyperlink", kIdleModeCommands},
  {1,   "opf08", kSep, kNothing},
  {1,   "cmdTotalTimeIdled", "[total] - inserts total time idled", kStatsCommands},
  {1,   "cmdInsertDate", "[date] - inserts the current date", kNothing},
  {1,   "cmdInsertTime", "[time] - inserts the current time", kNothing},
  {1,   "cmdWWW", "[www] - inserts a link to my site", kNothing},
  {1,   "cmdInsertSkins", "[skin] - inserts the current skin", kNothing},
  {1,   "cmdInsertTWK", "[twk] - inserts a link to twk's site", kNothing},
  {0, "cmdAutoDL", "autodl", kNothing},
  {1,   "cmdStartDL", "start flashmail dl", kAutoDownloadLater},
  {1,   "opf2222", kSep, kNothing},
  {1,   "cmdFlashMail", "flash mail in new box", kNothing},
  {1,   "cmdStartDLMan", "start download manager", kNothing},
};
// clang-format on

// Builds the rows from `next` that sit at `depth` (with their descendants) into `into`.
void BuildLevel(std::span<const MenuRow> rows, std::size_t& next, int depth,
                std::vector<MenuItem>& into, MenuCommandId& nextId) {
  while (next < rows.size() && rows[next].depth == depth) {
    const MenuRow& row = rows[next++];
    MenuItem item;
    item.name = row.name;
    item.caption = row.caption;
    item.checked = row.checked;
    item.enabled = row.enabled;
    item.commandId = nextId++;
    item.wiredBy = row.wiredBy;
    BuildLevel(rows, next, depth + 1, item.children, nextId);
    into.push_back(std::move(item));
  }
}

}  // namespace

std::vector<MenuItem> BuildOptionsMenuTree() {
  std::vector<MenuItem> menus;
  std::size_t next = 0;
  MenuCommandId nextId = kFirstMenuCommandId;
  BuildLevel(kTree, next, 0, menus, nextId);
  return menus;
}

}  // namespace drelm
