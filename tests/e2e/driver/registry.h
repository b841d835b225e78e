#pragma once
// Tavo's per-user registry values (HKCU\Software\Tavo) in the shared Wine prefix: the
// tests run in the same prefix as tavo.exe, so they see and set what it reads and writes.
#include <optional>
#include <string>

namespace e2e {

// Removes the key with all its values: every test starts as a first run would.
void ResetTavoRegistry();
std::optional<std::wstring> ReadTavoValue(const std::wstring& name);  // REG_SZ only
bool WriteTavoValue(const std::wstring& name, const std::wstring& text);

}  // namespace e2e
