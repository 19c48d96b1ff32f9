#include "image_messages.h"

#include "base/texts.h"
#include "base/decimal_text.h"
#include "editor_texts.h"

namespace discfront::editor {
namespace {

unsigned RefusalText(ImageRefusal::Reason reason) {
  using Reason = ImageRefusal::Reason;
  switch (reason) {
    case Reason::kNameTooLong: return kTextImageNameTooLong;
    case Reason::kBadCharacter: return kTextImageBadCharacter;
    case Reason::kUndecodableName: return kTextImageUndecodableName;
    case Reason::kTooLarge: return kTextImageTooLarge;
    case Reason::kUnreadable: return kTextImageUnreadable;
    case Reason::kFolderLoop: return kTextImageFolderLoop;
    case Reason::kCaseTwin: return kTextImageCaseTwin;
    case Reason::kTooManyFolders: return kTextImageTooManyFolders;
  }
  return kTextImageUnreadable;
}

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

// The system's words for an error come in the run-time library's narrow text.
std::wstring SystemWords(const std::error_code& error) {
  const std::string words = error ? error.message() : std::string("?");
  std::wstring wide;
  for (char c : words) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return wide;
}

// A whole number and its tenths, written as the language writes decimals.
std::wstring Tenths(std::uint64_t tenths) {
  const auto whole = static_cast<long long>(tenths / 10), tenth = static_cast<long long>(tenths % 10);
  return FormatText(kTextImageDecimal, {DecimalText(whole), DecimalText(tenth)});
}

}  // namespace

std::wstring ShownSourcePath(const SourcePath& path) {
  if (path.empty()) return L"\\";
  std::wstring shown;
  for (const std::u16string& name : path) shown += L"\\" + Wide(name);
  return shown;
}

std::wstring ImageRefusalMessage(const std::vector<ImageRefusal>& refusals) {
  std::wstring lines;
  for (const ImageRefusal& refusal : refusals) {
    if (!lines.empty()) lines += L"\n";
    lines += FormatText(RefusalText(refusal.reason), {ShownSourcePath(refusal.path)});
  }
  return FormatText(kTextImageRefused, {lines});
}

std::wstring ImageFailureMessage(const ImageWriteResult& result, std::wstring_view image) {
  using Outcome = ImageWriteResult::Outcome;
  const std::wstring file = ShownSourcePath(result.file);
  switch (result.outcome) {
    case Outcome::kWritten:
    case Outcome::kCancelled: return {};
    case Outcome::kCannotCreate: return FormatText(kTextImageCannotCreate, {image, SystemWords(result.error)});
    case Outcome::kWriteFailed: return FormatText(kTextImageWriteFailed, {image, SystemWords(result.error)});
    case Outcome::kReadFailed: return FormatText(kTextImageReadFailed, {file});
    case Outcome::kFileChanged: return FormatText(kTextImageFileChanged, {file});
    case Outcome::kCannotRename: return FormatText(kTextImageCannotRename, {image, SystemWords(result.error)});
  }
  return {};
}

std::wstring ImageDoneMessage(std::wstring_view image, std::uint64_t bytes, std::chrono::milliseconds took) {
  const std::uint64_t tenthsOfMegabytes = (bytes * 10 + (1 << 19)) >> 20;
  const std::uint64_t tenthsOfSeconds = (static_cast<std::uint64_t>(took.count()) + 50) / 100;
  return FormatText(kTextImageDone, {image, Tenths(tenthsOfMegabytes), DecimalText(static_cast<long long>(bytes)),
                                     Tenths(tenthsOfSeconds)});
}

}  // namespace discfront::editor
