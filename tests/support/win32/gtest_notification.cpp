#include <windows.h>

namespace testing::internal {

void* CreateNotificationEvent() {
  return CreateEventA(nullptr, TRUE, FALSE, nullptr);
}
void SignalNotificationEvent(void* event) {
  SetEvent(event);
}
void WaitForNotificationEvent(void* event) {
  // GoogleTest waits so for the threads of its own tests, which these test suites never start.
  WaitForSingleObject(event, INFINITE);
}
void CloseNotificationEvent(void* event) {
  if (event) CloseHandle(event);
}

}  // namespace testing::internal
