#include "catalogue/splitter.h"

namespace discfront {
namespace {

constexpr auto npos = std::wstring_view::npos;

// Splits one record; returns false at the first field whose end comes before its start.
bool SplitRecord(int slot, std::wstring_view record, const FieldReceiver& receiver) {
  const std::size_t hash = record.find(L'#');
  if (hash == npos) return false;
  receiver(slot, Field::kPath, record.substr(0, hash));

  const std::size_t dollar = record.find(L'$');
  if (dollar == npos || dollar < hash) return false;
  receiver(slot, Field::kTitle, record.substr(hash + 1, dollar - hash - 1));

  const std::size_t at = record.find(L'@');
  if (at == npos || at < dollar) return false;
  receiver(slot, Field::kComment, record.substr(dollar + 1, at - dollar - 1));

  receiver(slot, Field::kPicture, record.substr(at + 1));
  return true;
}

}  // namespace

SplitResult SplitCatalogue(std::wstring_view text, const FieldReceiver& receiver) {
  SplitResult result;
  std::size_t start = text.find(L'&');
  for (int slot = 0; start != npos; ++slot) {
    if (slot > kLastSlot) {
      result.error = ErrorNumber::kSubscriptOutOfRange;
      result.failedSlot = slot;
      return result;
    }
    ++start;  // past the "&"
    const std::size_t next = text.find(L'&', start);
    const std::wstring_view record = text.substr(start, next == npos ? npos : next - start);
    if (!SplitRecord(slot, record, receiver)) {
      result.error = ErrorNumber::kInvalidCall;
      result.failedSlot = slot;
      return result;
    }
    ++result.records;
    start = next;
  }
  return result;
}

}  // namespace discfront
