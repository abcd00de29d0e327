#include "core/wiring.h"

#include <algorithm>
#include <utility>

namespace drelm {

void Wiring::OnMenu(std::string_view item, std::function<void()> handler) {
  menu_.Wire(item, std::move(handler));
}

void Wiring::OnTick(Timer& timer, std::function<void()> handler) {
  Owns(timer);
  std::function<void()> before = std::move(timer.Timer_Timer);
  if (!before) {
    timer.Timer_Timer = std::move(handler);
    return;
  }
  timer.Timer_Timer = [before = std::move(before), handler = std::move(handler)] {
    before();
    handler();
  };
}

void Wiring::Owns(Timer& timer) {
  if (std::find(timers_.begin(), timers_.end(), &timer) == timers_.end()) timers_.push_back(&timer);
}

void Wiring::Owns(Form& form) {
  if (std::find(forms_.begin(), forms_.end(), &form) == forms_.end()) forms_.push_back(&form);
}

void Wiring::StopAll() {
  for (Timer* timer : timers_) timer->SetEnabled(false);
  for (Form* form : forms_) {
    form->Hide();
    form->loaded = false;
  }
}

}  // namespace drelm
