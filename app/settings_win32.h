#pragma once
// The settings store in the per-user registry, where classic programs of this kind keep
// theirs: HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>,
// one REG_SZ value per key. Values an earlier install left there are read as they are.

#include "app/settings.h"

namespace bw {

// Text crosses to the registry in the ANSI code page.
class RegistrySettings final : public SettingsStore {
 public:
  // Absent key or section, a value that is not REG_SZ, or one of absurd size: nullopt.
  std::optional<Text> Read(const char* key) override;
  // Creates the section when needed; a failed write is silent.
  void Write(const char* key, TextView value) override;
};

}  // namespace bw
