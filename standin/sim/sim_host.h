// The stand-in's windows inside the simulator: every window is a simulated window of the same
// class, messages from the program reach the model through the window's handler, delays run on
// the simulated event loop and the client's process is known to the simulated shell. Pop-up
// menus and message boxes behave as Windows' own do.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/sim/sim_event_loop.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_window_system.h"
#include "platform/sim/simulator.h"
#include "standin/window_host.h"

namespace drelm::standin {

class MenuTracker;

class SimHost : public WindowHost {
 public:
  SimHost(sim::SimWindowSystem& windows, sim::SimEventLoop& loop, sim::SimShell& shell,
          sim::VirtualClock& clock);
  explicit SimHost(sim::Simulator& simulator)
      : SimHost(simulator.windows, simulator.loop, simulator.shell, simulator.clock) {}
  ~SimHost() override;
  SimHost(const SimHost&) = delete;
  SimHost& operator=(const SimHost&) = delete;

  WindowId Create(NewWindow request) override;
  void Destroy(WindowId window) override;
  bool Exists(WindowId window) override;
  void SetText(WindowId window, const std::string& text) override;
  std::string Text(WindowId window) override;
  void Show(WindowId window, int showCmd) override;
  bool Visible(WindowId window) override;
  void Activate(WindowId window) override;
  void SetListItems(WindowId list, const std::vector<std::string>& items) override;
  std::vector<std::string> ListItems(WindowId list) override;
  int ListSelection(WindowId list) override;
  void SetListSelection(WindowId list, int index) override;
  int CheckState(WindowId box) override;
  void SetCheckState(WindowId box, int state) override;
  void SetMenuBar(WindowId frame, const std::vector<MenuItem>& menus) override;
  void OpenPopupMenu(WindowId owner, const std::vector<MenuItem>& items,
                     PopupCallbacks callbacks) override;
  void ClosePopupMenu() override;
  WindowId ShowMessageBox(const std::string& title, const std::string& text,
                          std::function<void()> onOk) override;
  void After(std::uint32_t delayMs, std::function<void()> action) override;
  std::uint64_t NowMs() override;
  ProcessId BeginProcess(const std::string& exePath) override;
  void EndProcess() override;

  ProcessId CurrentProcess() const { return pid_; }
  // Input messages (clicks, keys, characters, commands) that the program sent or posted
  // to handle 0 or to a window of the client that no longer existed, described one per line.
  std::vector<std::string> InputToMissingWindows() const;

 private:
  struct Popup;
  sim::SimHandler Wrap(MessageHandler onMessage, std::function<void()> onDestroyed);
  void WindowGone(WindowId window);
  std::optional<LResult> PopupMessage(const Message& message);
  void SyncPopupWindows();
  void EndPopup(std::uint32_t picked, bool notify);
  MenuHandle BuildMenu(const std::vector<MenuItem>& items);

  sim::SimWindowSystem& windows_;
  sim::SimEventLoop& loop_;
  sim::SimShell& shell_;
  sim::VirtualClock& clock_;
  ProcessId pid_ = 0;
  std::set<WindowId> topLevel_;
  // Every window the client ever had, with the log position at which it went away.
  std::map<WindowId, std::size_t> goneAt_;
  std::set<WindowId> alive_;
  std::unique_ptr<Popup> popup_;
  // Delayed actions outlive nothing: the host's lifetime guards them.
  std::shared_ptr<bool> hostAlive_ = std::make_shared<bool>(true);
};

}  // namespace drelm::standin
