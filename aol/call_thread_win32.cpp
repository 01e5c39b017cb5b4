#include "aol/call_thread_win32.h"

#include <utility>

namespace bw {

CallThread::CallThread() {
  InitializeCriticalSection(&lock_);
  wake_.Reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  // Windows 95 and 98 fail CreateThread when it is given nowhere to write the thread's id.
  DWORD id = 0;
  if (wake_) thread_.Reset(CreateThread(nullptr, 0, &CallThread::Main, this, 0, &id));
}

// Only reached when the process ends: a thread blocked in another program is then ended
// with it.
CallThread::~CallThread() {
  DeleteCriticalSection(&lock_);
}

DWORD WINAPI CallThread::Main(void* self) {
  auto& runner = *static_cast<CallThread*>(self);
  for (;;) {
    WaitForSingleObject(runner.wake_.Get(), INFINITE);
    if (const std::shared_ptr<Job> job = runner.Take()) {
      job->call();
      SetEvent(job->done.Get());
    }
  }
}

std::shared_ptr<CallThread::Job> CallThread::Take() {
  EnterCriticalSection(&lock_);
  std::shared_ptr<Job> job = std::move(pending_);
  LeaveCriticalSection(&lock_);
  return job;
}

std::optional<long> CallThread::Run(WindowHandle, std::function<void()> call, long waitMs) {
  const auto job = std::make_shared<Job>();
  job->done.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!thread_ || !job->done) {
    call();
    return 0;
  }
  job->call = std::move(call);
  EnterCriticalSection(&lock_);
  pending_ = job;
  LeaveCriticalSection(&lock_);
  SetEvent(wake_.Get());

  const DWORD start = GetTickCount();
  const DWORD limit = waitMs > 0 ? static_cast<DWORD>(waitMs) : 0;
  HANDLE done = job->done.Get();
  for (;;) {
    const DWORD waited = GetTickCount() - start;
    const DWORD result = MsgWaitForMultipleObjects(
        1, &done, FALSE, waited < limit ? limit - waited : 0, QS_SENDMESSAGE);
    if (result == WAIT_OBJECT_0) return static_cast<long>(GetTickCount() - start);
    if (result != WAIT_OBJECT_0 + 1) break;
    // Handles the messages sent to this thread, and nothing else.
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  // Given up: a call the thread has not taken yet is never made.
  EnterCriticalSection(&lock_);
  if (pending_ == job) pending_.reset();
  LeaveCriticalSection(&lock_);
  if (WaitForSingleObject(done, 0) == WAIT_OBJECT_0) {
    return static_cast<long>(GetTickCount() - start);
  }
  return std::nullopt;
}

}  // namespace bw
