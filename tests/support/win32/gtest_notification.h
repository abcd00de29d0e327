// GoogleTest's Notification for the win32 threads variant of MinGW, whose standard library has no
// std::mutex or std::condition_variable to build GoogleTest's own from: a Win32 event instead.
// Force-included before GoogleTest's headers in the Windows builds (tests/CMakeLists.txt); it
// names no Windows type, so the tests' own view of <windows.h> stays as they include it.
#pragma once

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

void* CreateNotificationEvent();
void SignalNotificationEvent(void* event);
void WaitForNotificationEvent(void* event);
void CloseNotificationEvent(void* event);

class Notification {
 public:
  Notification() : event_(CreateNotificationEvent()) {}
  ~Notification() { CloseNotificationEvent(event_); }
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { SignalNotificationEvent(event_); }
  void WaitForNotification() { WaitForNotificationEvent(event_); }

 private:
  void* event_;
};

}  // namespace testing::internal
