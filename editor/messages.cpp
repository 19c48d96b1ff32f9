// Texts of the editor's messages that carry a file name, a record number or a field.
#include "messages.h"

namespace discfront::editor {

std::wstring FieldName(Field field) {
  switch (field) {
    case Field::kPath: return L"Путь к программе";
    case Field::kTitle: return L"Название программы";
    case Field::kComment: return L"Коментарий к программе";
    case Field::kPicture: return L"Картинка к программе";
  }
  return {};
}

std::wstring OpenFailureMessage(std::wstring_view fileName, const OpenFailure& failure) {
  std::wstring text = L"Файл «" + std::wstring(fileName) + L"» не открыт: ";
  if (failure.kind == OpenFailure::Kind::kTooManyRecords) {
    text += L"в нём больше 1001 записи (лишняя начинается с записи номер " +
            std::to_wstring(failure.slot + 1) + L").";
  } else {
    text += L"запись номер " + std::to_wstring(failure.slot + 1) +
            L" повреждена (в ней нет символа «#», «$» или «@», или они стоят не по порядку).";
  }
  return text + L"\nОткрытый каталог не изменён.";
}

std::wstring ReadFailureMessage(std::wstring_view fileName, std::wstring_view reason) {
  return L"Не удалось прочитать файл «" + std::wstring(fileName) + L"»: " + std::wstring(reason) +
         L"\nОткрытый каталог не изменён.";
}

std::wstring EncodeFailureMessage(const EncodeFailure& failure) {
  std::wstring text = L"Файл не сохранён: в записи номер " + std::to_wstring(failure.slot + 1) + L" поле «" +
                      FieldName(failure.field) + L"» ";
  if (failure.reason == EncodeFailure::Reason::kNoByte) {
    return text + L"содержит символы, которых нет в кодировке Windows-1251. Замените их и сохраните снова.";
  }
  // A line with a comma or line break is kept whole by the quotes around it, which a
  // double quote inside would end early.
  text += L"содержит двойную кавычку (\")";
  if (failure.breakField == failure.field) {
    text += L" и запятую или перевод строки.";
  } else {
    text += L", а поле «" + FieldName(failure.breakField) + L"» — запятую или перевод строки.";
  }
  return text +
         L" Запись с запятой или переводом строки не может содержать двойных кавычек: замените их "
         L"(например, на « ») или уберите запятые и переводы строк, затем сохраните снова.";
}

std::wstring SaveFailureMessage(std::wstring_view fileName, std::wstring_view reason) {
  return L"Не удалось сохранить файл «" + std::wstring(fileName) + L"»: " + std::wstring(reason) +
         L"\nПрежнее содержимое файла не изменено.";
}

}  // namespace discfront::editor
