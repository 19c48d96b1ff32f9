#include "win32/system_error.h"

#include "base/decimal_text.h"
#include "base/texts.h"
#include "win32/win32_texts.h"

namespace win32 {

std::wstring SystemReason(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring reason(buffer != nullptr ? buffer : L"", length);
  LocalFree(buffer);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' ')) {
    reason.pop_back();
  }
  if (reason.empty()) reason = discfront::FormatText(kTextSystemErrorCode, {discfront::DecimalText(error)});
  return reason;
}

}  // namespace win32
