#include "standin/script_protocol.h"

#include <charconv>
#include <functional>
#include <map>

#include "text/ansi.h"

namespace drelm::standin {

namespace {

using Args = std::vector<std::string>;
using Reply = std::vector<std::string>;

struct BadCommand {
  std::string reason;
};

int Number(const Args& args, std::size_t index) {
  if (index >= args.size()) throw BadCommand{"missing argument " + std::to_string(index)};
  int value = 0;
  const std::string& text = args[index];
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    throw BadCommand{"not a number: " + text};
  }
  return value;
}

const std::string& Text(const Args& args, std::size_t index) {
  if (index >= args.size()) throw BadCommand{"missing argument " + std::to_string(index)};
  return args[index];
}

std::string Optional(const Args& args, std::size_t index) {
  return index < args.size() ? args[index] : std::string();
}

Reply Rows(const std::vector<std::vector<std::string>>& rows) {
  Reply reply{"ok " + std::to_string(rows.size())};
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) line += '\t';
      line += EscapeField(row[i]);
    }
    reply.push_back(line);
  }
  return reply;
}

Reply Column(const std::vector<std::string>& values) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string& value : values) rows.push_back({value});
  return Rows(rows);
}

Reply Messages(const std::vector<InstantMessage>& ims) {
  std::vector<std::vector<std::string>> rows;
  for (const InstantMessage& im : ims) rows.push_back({im.peer, im.text});
  return Rows(rows);
}

const Reply kOk = {"ok"};

}  // namespace

std::string EscapeField(std::string_view bytes) {
  static const char* kHex = "0123456789ABCDEF";
  std::string out;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        if (byte < 32 || byte >= 127) {
          out += "\\x";
          out += kHex[byte >> 4];
          out += kHex[byte & 15];
        } else {
          out += c;
        }
    }
  }
  return out;
}

std::string UnescapeField(std::string_view field) {
  const auto hex = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      out += field[i];
      continue;
    }
    const char next = field[++i];
    if (next == 't') {
      out += '\t';
    } else if (next == 'r') {
      out += '\r';
    } else if (next == 'n') {
      out += '\n';
    } else if (next == 'x' && i + 2 < field.size() && hex(field[i + 1]) >= 0 &&
               hex(field[i + 2]) >= 0) {
      out += static_cast<char>(hex(field[i + 1]) * 16 + hex(field[i + 2]));
      i += 2;
    } else {
      out += next;
    }
  }
  return out;
}

std::vector<std::string> SplitCommand(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(UnescapeField(line.substr(start, tab - start)));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return fields;
}

std::vector<std::string> ScriptProtocol::Handle(std::string_view line) {
  const Args args = SplitCommand(line);
  const std::string verb = LowerAnsi(args.front());
  StandIn& s = standIn_;
  // The scripting verbs; the observing ones follow below.
  static const auto commands = [] {
    std::map<std::string, std::function<Reply(StandIn&, const Args&)>> c;
    // The program.
    c["launch"] = [](StandIn& s, const Args& a) {
      s.Launch(a.size() > 1 ? Number(a, 1) : 1);
      return kOk;
    };
    c["start-signed-on"] = [](StandIn& s, const Args& a) {
      s.StartSignedOn(Optional(a, 1));
      return kOk;
    };
    c["exit"] = [](StandIn& s, const Args&) {
      s.Exit();
      return kOk;
    };
    c["disconnect"] = [](StandIn& s, const Args&) {
      s.Disconnect();
      return kOk;
    };
    c["disconnect-close"] = [](StandIn& s, const Args&) {
      s.DisconnectAndClose();
      return kOk;
    };
    c["fail-starts"] = [](StandIn& s, const Args& a) {
      s.FailStarts(Number(a, 1));
      return kOk;
    };
    c["fail-sign-ons"] = [](StandIn& s, const Args& a) {
      s.FailSignOns(Number(a, 1));
      return kOk;
    };
    c["password"] = [](StandIn& s, const Args& a) {
      s.RequirePassword(Text(a, 1));
      return kOk;
    };
    c["stored-password"] = [](StandIn& s, const Args&) {
      s.UseStoredPassword();
      return kOk;
    };
    c["screen-name"] = [](StandIn& s, const Args& a) {
      s.SetScreenName(Text(a, 1));
      return kOk;
    };
    // Chat.
    c["enter-room"] = [](StandIn& s, const Args& a) {
      s.EnterRoom(Text(a, 1));
      return kOk;
    };
    c["say"] = [](StandIn& s, const Args& a) {
      s.Say(Text(a, 1), Text(a, 2));
      return kOk;
    };
    c["members"] = [](StandIn& s, const Args& a) {
      s.SetMembers(Args(a.begin() + 1, a.end()));
      return kOk;
    };
    c["fill-room"] = [](StandIn& s, const Args& a) {
      s.FillRoom(Text(a, 1), Number(a, 2));
      return kOk;
    };
    c["line-limit"] = [](StandIn& s, const Args& a) {
      s.SetChatLineLimit(static_cast<std::size_t>(Number(a, 1)));
      return kOk;
    };
    // IMs, boxes, other windows.
    c["receive-im"] = [](StandIn& s, const Args& a) {
      s.ReceiveIm(Text(a, 1), Text(a, 2));
      return kOk;
    };
    c["refuse-ims"] = [](StandIn& s, const Args& a) {
      s.RefuseIms(Text(a, 1), true);
      return kOk;
    };
    c["accept-ims"] = [](StandIn& s, const Args& a) {
      s.RefuseIms(Text(a, 1), false);
      return kOk;
    };
    c["box"] = [](StandIn& s, const Args& a) {
      s.ShowMessageBox(Text(a, 1));
      return kOk;
    };
    c["aol-plus"] = [](StandIn& s, const Args&) {
      s.ShowAolPlus();
      return kOk;
    };
    c["buddies"] = [](StandIn& s, const Args& a) {
      s.SetBuddies(Args(a.begin() + 1, a.end()));
      return kOk;
    };
    // Transfers.
    c["start-download"] = [](StandIn& s, const Args& a) {
      s.StartDownload(Text(a, 1));
      return kOk;
    };
    c["download-progress"] = [](StandIn& s, const Args& a) {
      s.SetDownloadProgress(Number(a, 1), Number(a, 2));
      return kOk;
    };
    c["finish-download"] = [](StandIn& s, const Args&) {
      s.FinishDownload();
      return kOk;
    };
    c["start-upload"] = [](StandIn& s, const Args& a) {
      s.StartUpload(Text(a, 1));
      return kOk;
    };
    c["upload-progress"] = [](StandIn& s, const Args& a) {
      s.SetUploadProgress(Number(a, 1), Number(a, 2));
      return kOk;
    };
    c["finish-upload"] = [](StandIn& s, const Args&) {
      s.FinishUpload();
      return kOk;
    };
    c["file-not-found"] = [](StandIn& s, const Args&) {
      s.ShowFileNotFound();
      return kOk;
    };
    // Mail and Automatic AOL.
    c["queue-download"] = [](StandIn& s, const Args& a) {
      s.QueueDownload(Text(a, 1));
      return kOk;
    };
    c["waiting-mail"] = [](StandIn& s, const Args& a) {
      s.AddWaitingMail(Text(a, 1), Text(a, 2));
      return kOk;
    };
    c["incoming-mail"] = [](StandIn& s, const Args& a) {
      s.AddIncomingMail(Text(a, 1), Text(a, 2), Text(a, 3), Optional(a, 4));
      return kOk;
    };
    c["status-window"] = [](StandIn& s, const Args&) {
      s.ShowStatusWindow();
      return kOk;
    };
    c["flash-box"] = [](StandIn& s, const Args& a) {
      const int box = Number(a, 1);
      if (box < 1 || box > 5) throw BadCommand{"no such box"};
      s.SetAutomaticAolBox(box, Number(a, 2) != 0);
      return kOk;
    };
    return c;
  }();
  try {
    if (auto it = commands.find(verb); it != commands.end()) return it->second(s, args);
    // Observing.
    const Observations& o = s.Seen();
    if (verb == "transcript") {
      std::vector<std::vector<std::string>> rows;
      for (const ChatLine& l : o.transcript) rows.push_back({l.room, l.sender, l.text});
      return Rows(rows);
    }
    if (verb == "ims-sent") return Messages(o.imsSent);
    if (verb == "ims-refused") return Messages(o.imsRefused);
    if (verb == "ims-received") return Messages(o.imsReceived);
    if (verb == "ims-blocked") return Messages(o.imsBlocked);
    if (verb == "im-switches") return Messages(o.imSwitches);
    if (verb == "keywords") return Column(o.keywords);
    if (verb == "room-requests") return Column(o.roomRequests);
    if (verb == "menu-picks") return Column(o.menuPicks);
    if (verb == "sign-ons") return Column(o.signOns);
    if (verb == "boxes") return Column(o.boxesShown);
    if (verb == "privacy-saves") return Column(o.privacySaves);
    if (verb == "download-later") return Column(o.downloadLater);
    if (verb == "strays") return Column(o.strays);
    if (verb == "presses") {
      std::vector<std::vector<std::string>> rows;
      for (const ButtonPress& p : o.presses) rows.push_back({p.window, p.label});
      return Rows(rows);
    }
    if (verb == "flash-sessions") {
      std::vector<std::vector<std::string>> rows;
      for (const FlashSessionRun& run : o.flashSessions) {
        rows.push_back({run.sendMail ? "1" : "0", run.downloadFiles ? "1" : "0",
                        std::to_string(run.mailsSent.size()),
                        std::to_string(run.filesDownloaded.size())});
      }
      return Rows(rows);
    }
    if (verb == "state") {
      const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
      std::string boxes;
      for (bool box : s.AutomaticAolBoxes()) boxes += flag(box);
      return Rows({{"version", std::to_string(s.Version())},
                   {"running", flag(s.Running())},
                   {"signed-on", flag(s.SignedOn())},
                   {"room", s.RoomName()},
                   {"ims-on", flag(s.ImsOn())},
                   {"privacy", s.Privacy()},
                   {"flash-boxes", boxes},
                   {"launches", std::to_string(o.launches.size())},
                   {"launches-while-running", std::to_string(o.launchesWhileRunning)},
                   {"exits", std::to_string(o.exits)},
                   {"disconnects", std::to_string(o.disconnects)},
                   {"failed-sign-ons", std::to_string(o.failedSignOns)},
                   {"failed-starts", std::to_string(o.failedStarts)},
                   {"boxes-dismissed", std::to_string(o.boxesDismissed)},
                   {"escapes", std::to_string(o.escapes)}});
    }
    return {"error unknown command: " + EscapeField(args.front())};
  } catch (const BadCommand& bad) {
    return {"error " + bad.reason};
  }
}

}  // namespace drelm::standin
