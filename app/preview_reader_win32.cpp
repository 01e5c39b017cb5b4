#include "app/preview_reader_win32.h"

#include "aol/aol_context.h"

namespace bw {

PreviewReader* PreviewReader::Make(HWND window, UINT message) {
  return new PreviewReader(window, message);
}

PreviewReader::PreviewReader(HWND window, UINT message) : window_(window), message_(message) {
  InitializeCriticalSection(&lock_);
  wake_.Reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  DWORD id = 0;  // Windows 98 fails CreateThread without a place for the id
  if (wake_) thread_.Reset(CreateThread(nullptr, 0, &PreviewReader::Main, this, 0, &id));
}

bool PreviewReader::Read() {
  return thread_ && SetEvent(wake_.Get());
}

bool PreviewReader::Take(PlaceholderValues& values) {
  EnterCriticalSection(&lock_);
  values = values_;
  const bool answered = answered_;
  LeaveCriticalSection(&lock_);
  return answered;
}

DWORD WINAPI PreviewReader::Main(void* self) {
  auto& reader = *static_cast<PreviewReader*>(self);
  for (;;) {
    WaitForSingleObject(reader.wake_.Get(), INFINITE);
    PlaceholderValues values;
    {
      const Exchange read(reader.api_);
      values = ReadPlaceholderValues(reader.api_);
    }
    const bool answered = reader.api_.ExchangeStatus() == CallStatus::kAnswered;
    EnterCriticalSection(&reader.lock_);
    reader.values_ = values;
    reader.answered_ = answered;
    LeaveCriticalSection(&reader.lock_);
    PostMessageA(reader.window_, reader.message_, 0, 0);
  }
}

}  // namespace bw
