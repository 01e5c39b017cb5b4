#pragma once
// A function of a Windows DLL that the program needs only late, if at all: the DLL is
// loaded on the first call here instead of before the program's first instruction, so
// that what comes first (the splash) does not wait for it. The DLL stays loaded for the
// process's life. nullptr when the DLL or the function is not there.
// LateBound<decltype(ChooseColorA)>("comdlg32.dll", "ChooseColorA")

#include <windows.h>

namespace bw {

template <typename Function>
[[nodiscard]] Function* LateBound(const char* dll, const char* name) {
  const HMODULE module = LoadLibraryA(dll);
  if (!module) return nullptr;
  // By way of void (*)(), which converts to any function pointer without a warning.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace bw
