#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace merrith {

// Tasks run in turn on the thread that calls Run: the event engine's thread where no window
// owns it (merrith-cli serve, the tests). Post may be called from any thread.
class CEventQueue {
 public:
  // Adds Task to those waiting.
  void Post(std::function<void()> Task);
  // Runs the tasks as they come until Quit is called, or Stop turns true (looked at every tenth
  // of a second, so a signal handler may set it).
  void Run(const std::atomic<bool>* Stop = nullptr);
  // Ends Run once the task running now is done.
  void Quit();

 private:
  std::mutex Lock;
  std::condition_variable Woken;
  std::deque<std::function<void()>> Tasks;
  bool Quitting = false;
};

}  // namespace merrith
