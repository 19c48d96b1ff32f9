// The editor's message texts: fixed ones, and those that name a file, record or field.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/line_format.h"
#include "catalogue_file.h"

namespace discfront::editor {

inline constexpr wchar_t kProgramTitle[] = L"frontsmith";
inline constexpr wchar_t kForbiddenMessage[] = L"Не должно присутствовать символов: @,#,&,$";
inline constexpr wchar_t kIncompleteMessage[] = L"Все строки должны быть заполнены!";
inline constexpr wchar_t kNoRecordsMessage[] = L"У вас не заведена ни одна запись";
inline constexpr wchar_t kStoreFullMessage[] =
    L"Все 1001 записи уже заняты: новую запись добавить нельзя.";
inline constexpr wchar_t kSaveChangesQuestion[] = L"Сохранить изменения?";
inline constexpr wchar_t kFileFilter[] = L"Файлы дискфронта (*.lnc)|*.lnc";

// The field's name as its label reads, without the colon.
std::wstring FieldName(Field field);

std::wstring OpenFailureMessage(std::wstring_view fileName, const OpenFailure& failure);
std::wstring ReadFailureMessage(std::wstring_view fileName, std::wstring_view reason);
std::wstring EncodeFailureMessage(const EncodeFailure& failure);
std::wstring SaveFailureMessage(std::wstring_view fileName, std::wstring_view reason);

}  // namespace discfront::editor
