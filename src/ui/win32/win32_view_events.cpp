#include "ui/win32/win32_view_events.h"

#include <exception>

namespace drelm::win32::view {

void ViewEvents::Run(const std::function<void()>& handler) {
  try {
    entry_.Run(handler);
  } catch (...) {
    loop_.OnHandlerException(std::current_exception());
  }
  try {
    refresh_();
  } catch (...) {
    loop_.OnHandlerException(std::current_exception());
  }
}

}  // namespace drelm::win32::view
