// The stand-in AOL client as tests use it: a scripting side (start it, sign on, members chat, IMs
// arrive, transfers progress, rooms fill, the connection drops, mail arrives) and an observing
// side (what reached the room byte for byte, IMs, keywords, privacy, presses, sign-ons, launches
// and every input it did not expect). The model behind it is AolClient.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "standin/client.h"
#include "standin/observations.h"
#include "standin/options.h"
#include "standin/window_host.h"

namespace drelm::standin {

class StandIn {
 public:
  StandIn(WindowHost& host, StandInOptions options);

  // The program.
  void Launch(int showCmd);  // started by its program path
  // The main window at once, signed on, and in room when one is named.
  void StartSignedOn(const std::string& room = "");
  void Exit();
  void Disconnect();
  // The connection drops and the client closes itself.
  void DisconnectAndClose();
  // The next n starts by program path fail; the next n sign-on connections fail.
  void FailStarts(int n);
  void FailSignOns(int n);
  void RequirePassword(const std::string& password);
  void UseStoredPassword();
  void SetScreenName(const std::string& name);

  // Chat.
  void EnterRoom(const std::string& room);
  void Say(const std::string& member, const std::string& text);
  void SetMembers(const std::vector<std::string>& members);
  void FillRoom(const std::string& room, int requests);
  void SetChatLineLimit(std::size_t bytes);

  // IMs, boxes, other windows.
  void ReceiveIm(const std::string& sender, const std::string& text);
  void RefuseIms(const std::string& recipient, bool refuse = true);
  void ShowMessageBox(const std::string& text);
  void ShowAolPlus();
  void SetBuddies(const std::vector<std::string>& buddies);

  // Transfers; minutes below 0 read "Calculating...", 0 "Less than a minute remaining.".
  void StartDownload(const std::string& file);
  void SetDownloadProgress(int percent, int minutesLeft);
  void FinishDownload();
  void StartUpload(const std::string& file);
  void SetUploadProgress(int percent, int minutesLeft);
  void FinishUpload();
  void ShowFileNotFound();

  // Mail and downloads waiting for Automatic AOL.
  void QueueDownload(const std::string& file);
  void AddWaitingMail(const std::string& recipient, const std::string& subject);
  void AddIncomingMail(const std::string& date, const std::string& sender,
                       const std::string& subject, const std::string& attachment = "");
  void SetAutomaticAolBox(int box, bool checked);
  // The "Automatic AOL Status" window, as a finished session leaves it.
  void ShowStatusWindow();

  // Observing.
  const Observations& Seen() const { return client_.Seen(); }
  const std::vector<ChatLine>& Transcript() const { return client_.Seen().transcript; }
  std::vector<std::string> Strays() const { return client_.Seen().strays; }
  bool Running() const { return client_.Running(); }
  bool SignedOn() const;
  std::string RoomName() const;
  std::string ChatView() const;
  bool ImsOn() const;
  std::string Privacy() const;  // "visible", "invisible" or "custom"
  std::array<bool, 5> AutomaticAolBoxes() const;
  std::vector<std::string> DownloadQueue() const;
  int Version() const { return client_.Version(); }
  std::string ExePath() const { return client_.Options().ExePath(); }

  // The model itself, for its windows and listeners.
  AolClient& Client() { return client_; }
  const AolClient& Client() const { return client_; }

 private:
  AolClient client_;
};

}  // namespace drelm::standin
