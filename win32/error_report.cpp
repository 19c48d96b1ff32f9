#include "error_report.h"

#include <new>

#include "base/decimal_text.h"
#include "base/numbered_error.h"
#include "message_box.h"
#include "program_end.h"
#include "window.h"

namespace win32 {

using discfront::ErrorNumber;

std::wstring DescribeError(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::kInvalidCall: return L"Недопустимый вызов процедуры или аргумент";
    case ErrorNumber::kOverflow: return L"Переполнение";
    case ErrorNumber::kOutOfMemory: return L"Недостаточно памяти";
    case ErrorNumber::kSubscriptOutOfRange: return L"Индекс вне допустимого диапазона";
    case ErrorNumber::kFileNotFound: return L"Файл не найден";
    case ErrorNumber::kPathFileAccess: return L"Ошибка доступа к файлу";
    case ErrorNumber::kInvalidPicture: return L"Недопустимый рисунок";
    case ErrorNumber::kNone: break;
  }
  return L"Непредвиденная ошибка";
}

namespace {

// What a catalogue fault means for the one who wrote the file.
std::wstring RecordHint(const ErrorReport& report) {
  const std::wstring number = discfront::DecimalText(report.recordNumber);
  switch (report.number) {
    case ErrorNumber::kInvalidCall:
      return L"Запись номер " + number +
             L" повреждена: в ней нет одного из знаков #, $, @ или они стоят не в этом порядке "
             L"(&путь#название$комментарий@картинка).";
    case ErrorNumber::kSubscriptOutOfRange:
      return L"Запись номер " + number + L" лишняя: в каталоге может быть не больше 1001 записи.";
    default:
      return L"Запись номер " + number + L".";
  }
}

}  // namespace

std::wstring FormatErrorReport(const ErrorReport& report) {
  std::wstring text = L"Ошибка " + discfront::DecimalText(discfront::ToInt(report.number)) + L": " +
                      DescribeError(report.number) + L".";
  if (!report.fileName.empty()) text += L"\r\n\r\nФайл: " + report.fileName;
  if (report.recordNumber > 0) text += L"\r\n" + RecordHint(report);
  return text;
}

ErrorReport ReportOf(std::exception_ptr failure) {
  try {
    if (failure) std::rethrow_exception(failure);
  } catch (const ReportedError& error) {
    return error.Report();
  } catch (const discfront::NumberedError& error) {
    return {error.Number(), L"", 0};
  } catch (const std::bad_alloc&) {
    return {ErrorNumber::kOutOfMemory, L"", 0};
  } catch (...) {
  }
  return {};
}

void ShowErrorReport(HWND owner, const ErrorReport& report) {
  const std::wstring text = report.number == ErrorNumber::kNone ? L"Непредвиденная ошибка. Программа будет закрыта."
                                                                 : FormatErrorReport(report);
  ShowMessage(owner, text, MessageIcon::kStop);
}

LRESULT FailFromWindowProcedure(HWND) noexcept {
  KeepFailure(std::current_exception());
  return 0;
}

}  // namespace win32
