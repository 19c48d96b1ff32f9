#include "error_report.h"

#include <new>

#include "base/decimal_text.h"
#include "base/numbered_error.h"
#include "base/texts.h"
#include "message_box.h"
#include "program_end.h"
#include "win32_texts.h"
#include "window.h"

namespace win32 {

using discfront::ErrorNumber;

std::wstring DescribeError(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::kInvalidCall: return discfront::Text(kTextInvalidCall);
    case ErrorNumber::kOverflow: return discfront::Text(kTextOverflow);
    case ErrorNumber::kOutOfMemory: return discfront::Text(kTextOutOfMemory);
    case ErrorNumber::kSubscriptOutOfRange: return discfront::Text(kTextSubscriptOutOfRange);
    case ErrorNumber::kFileNotFound: return discfront::Text(kTextFileNotFoundError);
    case ErrorNumber::kPathFileAccess: return discfront::Text(kTextPathFileAccess);
    case ErrorNumber::kInvalidPicture: return discfront::Text(kTextInvalidPicture);
    case ErrorNumber::kNone: break;
  }
  return discfront::Text(kTextUnexpectedError);
}

namespace {

// What a catalogue fault means for the one who wrote the file.
std::wstring RecordHint(const ErrorReport& report) {
  const std::wstring number = discfront::DecimalText(report.recordNumber);
  switch (report.number) {
    case ErrorNumber::kInvalidCall: return discfront::FormatText(kTextRecordMalformed, {number});
    case ErrorNumber::kSubscriptOutOfRange: return discfront::FormatText(kTextRecordExtra, {number});
    default: return discfront::FormatText(kTextRecordNumber, {number});
  }
}

}  // namespace

std::wstring FormatErrorReport(const ErrorReport& report) {
  std::wstring text = discfront::FormatText(
      kTextErrorLine, {discfront::DecimalText(discfront::ToInt(report.number)), DescribeError(report.number)});
  if (!report.fileName.empty()) text += L"\r\n\r\n" + discfront::FormatText(kTextFileLine, {report.fileName});
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
  const std::wstring text = report.number == ErrorNumber::kNone ? discfront::Text(kTextUnexpectedEnd)
                                                                 : FormatErrorReport(report);
  ShowMessage(owner, text, MessageIcon::kStop);
}

LRESULT FailFromWindowProcedure(HWND) noexcept {
  KeepFailure(std::current_exception());
  return 0;
}

}  // namespace win32
