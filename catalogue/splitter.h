// Splitting the catalogue text into entries: "&" opens a record, and a record is
// path "#" title "$" comment "@" picture. Fields are handed over one by one as they
// are taken, so a caller keeps whatever came before a failure.
#pragma once

#include <functional>
#include <string_view>

#include "base/error_number.h"

namespace discfront {

constexpr int kSlotCount = 1001;  // slots 0..1000
constexpr int kLastSlot = kSlotCount - 1;

enum class Field { kPath, kTitle, kComment, kPicture };

using FieldReceiver = std::function<void(int slot, Field field, std::wstring_view text)>;

struct SplitResult {
  ErrorNumber error = ErrorNumber::kNone;  // kNone, kInvalidCall (5) or kSubscriptOutOfRange (9)
  int records = 0;                         // records handed over completely
  // On failure, the slot of the record at which the reading stopped.
  int failedSlot = -1;

  bool ok() const { return error == ErrorNumber::kNone; }
};

// Hands over path, title, comment and picture of each record in turn. Text before
// the first "&" is ignored. A record that needs slot 1001 fails with error 9 before
// anything of it is handed over; a field whose separator is missing or out of order
// fails with error 5 after the fields before it were handed over.
//
// Positions are not limited: every catalogue the editor can write is read whole.
SplitResult SplitCatalogue(std::wstring_view text, const FieldReceiver& receiver);

}  // namespace discfront
