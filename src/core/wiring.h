// Where a feature plugs into the running program, all in one place (its constructor): the menu
// items it gives actions, the timers it ticks on, and the forms and timers of its own that must
// stop when the program ends. Ending the program walks what was registered here.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "core/event_runtime.h"
#include "core/form_model.h"
#include "core/menu_model.h"

namespace drelm {

class Wiring {
 public:
  explicit Wiring(MenuModel& menu) : menu_(menu) {}
  Wiring(const Wiring&) = delete;
  Wiring& operator=(const Wiring&) = delete;

  // Choosing the named menu item runs the handler. A name the menu does not hold throws.
  void OnMenu(std::string_view item, std::function<void()> handler);
  // The handler runs on each tick of the timer, after those wired before it (features are
  // wired in the order the program builds them). The timer stops when the program ends.
  void OnTick(Timer& timer, std::function<void()> handler);
  // Stopped (timers) or hidden and unloaded (forms) when the program ends.
  void Owns(Timer& timer);
  void Owns(Form& form);

  // The end of the program: every registered timer stops, every registered form goes, without
  // running a handler.
  void StopAll();

  // What was registered, for checks that must reach every timer and window of the program.
  const std::vector<Timer*>& Timers() const { return timers_; }
  const std::vector<Form*>& Forms() const { return forms_; }

 private:
  MenuModel& menu_;
  std::vector<Timer*> timers_;
  std::vector<Form*> forms_;
};

}  // namespace drelm
