// The default error report: what a program shows when a failure it does not handle
// ends it. It names the error number and its Russian description, and for file and
// catalogue failures the file and the record concerned, so that a disc author sees
// what to mend.
#pragma once

#include <windows.h>

#include <exception>
#include <stdexcept>
#include <string>

#include "base/error_number.h"

namespace win32 {

struct ErrorReport {
  discfront::ErrorNumber number = discfront::ErrorNumber::kNone;
  std::wstring fileName;  // the file concerned, if any
  int recordNumber = 0;   // the catalogue record concerned, counted from 1; 0 for none
};

// The standard Russian description of an error number.
std::wstring DescribeError(discfront::ErrorNumber number);

// The full text of the report.
std::wstring FormatErrorReport(const ErrorReport& report);

// A failure that ends the program, with what its report says: thrown where the file
// concerned is known (the launcher's start-up steps).
class ReportedError : public std::runtime_error {
 public:
  explicit ReportedError(ErrorReport report) : std::runtime_error("reported error"), report_(std::move(report)) {}
  const ErrorReport& Report() const { return report_; }

 private:
  ErrorReport report_;
};

// What the default report says about a failure: its own report, a numbered error's
// number, error 7 for memory that ran out; kNone for any other failure, which the
// report calls unexpected.
ErrorReport ReportOf(std::exception_ptr failure);

// Shows the report (caption: the program title, stop icon) and returns when it is closed.
void ShowErrorReport(HWND owner, const ErrorReport& report);

}  // namespace win32
