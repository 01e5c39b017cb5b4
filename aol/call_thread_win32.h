#pragma once
// CallRunner over a thread of its own: the message call is made there, and the calling
// (user-interface) thread waits for it with a deadline. Under Wine, SendMessageTimeout's
// timeout does not fire while the receiving thread is blocked, so only a wait on another
// thread can hold a bound there as on Windows. While it waits the caller still handles
// messages other threads send to it, as it would inside SendMessage; its input and its
// own posted messages wait, exactly as they did while the call was made on it directly.
//
// A call given up on may leave the thread blocked in another program for good: the
// runner, and what its calls touch, must live until the process ends.

#include <windows.h>

#include <memory>

#include "aol/bounded_window_api.h"
#include "win32/handle_win32.h"

namespace bw {

class CallThread final : public CallRunner {
 public:
  CallThread();
  CallThread(const CallThread&) = delete;
  CallThread& operator=(const CallThread&) = delete;
  ~CallThread() override;

  // Without a thread (the system refused one) the call is made on the caller, unbounded.
  std::optional<long> Run(WindowHandle target, std::function<void()> call, long waitMs) override;

 private:
  struct Job {
    std::function<void()> call;
    KernelHandle done;
  };
  static DWORD WINAPI Main(void* self);
  std::shared_ptr<Job> Take();

  CRITICAL_SECTION lock_;
  std::shared_ptr<Job> pending_;  // under lock_: the call the thread is to make next
  KernelHandle wake_;
  KernelHandle thread_;
};

}  // namespace bw
