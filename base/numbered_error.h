// A failure numbered like the run-time errors, with the text to show the user.
// Thrown by the button's property operations and by picture loading alike, so a
// caller of either catches one type.
#pragma once

#include <stdexcept>
#include <string>

#include "base/error_number.h"

namespace discfront {

class NumberedError : public std::runtime_error {
 public:
  NumberedError(ErrorNumber number, std::wstring message)
      : std::runtime_error("error " + std::to_string(ToInt(number))), number_(number), message_(std::move(message)) {}
  ErrorNumber Number() const { return number_; }
  const std::wstring& Message() const { return message_; }

 private:
  ErrorNumber number_;
  std::wstring message_;
};

}  // namespace discfront
