#include "venue/event_queue.h"

#include <chrono>
#include <utility>

namespace merrith {

void CEventQueue::Post(std::function<void()> Task) {
  {
    const std::lock_guard<std::mutex> Hold(Lock);
    Tasks.push_back(std::move(Task));
  }
  Woken.notify_one();
}

void CEventQueue::Quit() {
  {
    const std::lock_guard<std::mutex> Hold(Lock);
    Quitting = true;
  }
  Woken.notify_one();
}

void CEventQueue::Run(const std::atomic<bool>* Stop) {
  while (true) {
    std::function<void()> Task;
    {
      std::unique_lock<std::mutex> Hold(Lock);
      Woken.wait_for(Hold, std::chrono::milliseconds(100),
                     [this] { return Quitting || !Tasks.empty(); });
      if (Quitting) {
        Quitting = false;
        return;
      }
      if (Stop != nullptr && Stop->load()) return;
      if (Tasks.empty()) continue;
      Task = std::move(Tasks.front());
      Tasks.pop_front();
    }
    Task();
  }
}

}  // namespace merrith
