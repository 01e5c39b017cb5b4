#pragma once
// Reads the preview's placeholder values on a thread of its own, so the user-interface
// thread never waits for the client. A client that stops answering holds this thread, not
// the program: no other read starts until it answers again, and the preview keeps the
// values it read last. A read that the client refused in part (it runs with higher rights)
// is not taken either.
//
// The thread may stay blocked in another program until the process ends, so a reader is
// made once and never destroyed.

#include <windows.h>

#include "aol/bounded_window_api.h"
#include "aol/window_api_win32.h"
#include "engine/message_vars.h"
#include "win32/handle_win32.h"

namespace bw {

class PreviewReader {
 public:
  // The reader that posts `message` to `window` each time a read has ended.
  static PreviewReader* Make(HWND window, UINT message);
  PreviewReader(const PreviewReader&) = delete;
  PreviewReader& operator=(const PreviewReader&) = delete;

  // Starts one read; false when the system gave no thread for it.
  bool Read();
  // The values of the read that ended, and whether the client answered all of it.
  bool Take(PlaceholderValues& values);

 private:
  PreviewReader(HWND window, UINT message);
  static DWORD WINAPI Main(void* self);

  // Each call made at once, on the reader's thread, for as long as the client takes.
  class ImmediateCalls final : public CallRunner {
   public:
    std::optional<long> Run(WindowHandle, std::function<void()> call, long) override {
      call();
      return 0;
    }
  };

  HWND window_;
  UINT message_;
  WindowApiWin32 user32_;
  ImmediateCalls calls_;
  BoundedWindowApi api_{user32_, calls_};  // used on the reader's thread only
  CRITICAL_SECTION lock_;
  PlaceholderValues values_;  // under lock_
  bool answered_ = false;     // under lock_
  KernelHandle wake_;
  KernelHandle thread_;
};

}  // namespace bw
