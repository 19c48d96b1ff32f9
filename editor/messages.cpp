// Texts of the editor's messages that carry a file name, a record number or a field.
#include "messages.h"

#include "base/decimal_text.h"
#include "base/texts.h"

namespace discfront::editor {

std::wstring FieldName(Field field) {
  switch (field) {
    case Field::kPath: return Text(kTextPathField);
    case Field::kTitle: return Text(kTextTitleField);
    case Field::kComment: return Text(kTextCommentField);
    case Field::kPicture: return Text(kTextPictureField);
  }
  return {};
}

std::wstring OpenFailureMessage(std::wstring_view fileName, const OpenFailure& failure) {
  const unsigned text =
      failure.kind == OpenFailure::Kind::kTooManyRecords ? kTextOpenTooMany : kTextOpenMalformed;
  return FormatText(text, {fileName, DecimalText(failure.slot + 1)});
}

std::wstring ReadFailureMessage(std::wstring_view fileName, std::wstring_view reason) {
  return FormatText(kTextReadFailed, {fileName, reason});
}

std::wstring EncodeFailureMessage(const EncodeFailure& failure) {
  const std::wstring record = DecimalText(failure.slot + 1);
  if (failure.reason == EncodeFailure::Reason::kNoByte) {
    return FormatText(kTextNoByte, {record, FieldName(failure.field)});
  }
  // A line with a comma or line break is kept whole by the quotes around it, which a
  // double quote inside would end early.
  if (failure.breakField == failure.field) return FormatText(kTextQuoteSameField, {record, FieldName(failure.field)});
  return FormatText(kTextQuoteOtherField, {record, FieldName(failure.field), FieldName(failure.breakField)});
}

std::wstring SaveFailureMessage(std::wstring_view fileName, std::wstring_view reason) {
  return FormatText(kTextSaveFailed, {fileName, reason});
}

std::wstring SavedAsUtf8Message(std::wstring_view fileName) { return FormatText(kTextSavedAsUtf8, {fileName}); }

}  // namespace discfront::editor
