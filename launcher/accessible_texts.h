// The names an accessibility client reads for the launcher's controls that show no
// name of their own.
#pragma once

namespace discfront {

inline constexpr wchar_t kListName[] = L"Программы";
inline constexpr wchar_t kDescriptionName[] = L"Описание";

}  // namespace discfront
