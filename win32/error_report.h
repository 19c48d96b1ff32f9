// The default error report: what a program shows when a failure it does not handle
// ends it. It names the error number and its Russian description, and for file and
// catalogue failures the file and the record concerned, so that a disc author sees
// what to mend.
#pragma once

#include <windows.h>

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

// Shows the report (caption: the program title) and ends the process with the error
// number, through EndProgram.
[[noreturn]] void EndWithErrorReport(HWND owner, const ErrorReport& report);

}  // namespace win32
