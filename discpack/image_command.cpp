// discpack image (image_command.h).
#include "discpack/image_command.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>

#include "base/decimal_text.h"
#include "base/texts.h"
#include "base/utf8.h"
#include "disc/image_label.h"
#include "disc/image_plan.h"
#include "disc/image_writer.h"
#include "discpack/cancel_request.h"
#include "discpack/console_text.h"
#include "discpack/discpack_texts.h"
#include "discpack/host_files.h"

namespace discfront::discpack {

namespace {

// A path as shown: its bytes read as UTF-8, so that a name that is not text still shows
// rather than stopping the program.
std::wstring PathText(const HostPath& path) { return DecodeUtf8(path); }

std::wstring WideOf(std::u16string_view text) {
  if constexpr (sizeof(wchar_t) == sizeof(char16_t)) return std::wstring(text.begin(), text.end());
  std::wstring out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t high = text[i];
    const char32_t low = i + 1 < text.size() ? text[i + 1] : 0;
    if (high >= 0xD800 && high < 0xDC00 && low >= 0xDC00 && low < 0xE000) {
      out += static_cast<wchar_t>(0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00));
      ++i;
    } else {
      out += static_cast<wchar_t>(high);
    }
  }
  return out;
}

std::wstring Shown(const HostPath& folder, const SourcePath& path) {
  std::wstring out = PathText(folder);
  for (const std::u16string& name : path) {
    if (!out.empty() && out.back() != L'/' && out.back() != kShownSeparator) out += kShownSeparator;
    out += WideOf(name);
  }
  return out;
}

void Say(unsigned text, std::initializer_list<std::wstring_view> args) { WriteText(Stream::kError, FormatText(text, args)); }

unsigned Why(ImageRefusal::Reason reason) {
  using Reason = ImageRefusal::Reason;
  switch (reason) {
    case Reason::kNameTooLong: return kTextDiscpackNameTooLong;
    case Reason::kBadCharacter: return kTextDiscpackBadCharacter;
    case Reason::kUndecodableName: return kTextDiscpackUndecodableName;
    case Reason::kTooLarge: return kTextDiscpackTooLarge;
    case Reason::kUnreadable: return kTextDiscpackUnreadable;
    case Reason::kFolderLoop: return kTextDiscpackFolderLoop;
    case Reason::kCaseTwin: return kTextDiscpackCaseTwin;
    case Reason::kTooManyFolders: return kTextDiscpackTooManyFolders;
  }
  return kTextDiscpackUnreadable;
}

int Report(const ImageWriteResult& result, const HostPath& folder, const HostPath& image) {
  using Outcome = ImageWriteResult::Outcome;
  const std::wstring system = result.error ? L" (" + DecodeUtf8(result.error.message()) + L")" : L"";
  const std::wstring file = Shown(folder, result.file);
  const std::wstring target = PathText(image);
  switch (result.outcome) {
    case Outcome::kWritten: return 0;
    case Outcome::kCancelled: Say(kTextDiscpackCancelled, {}); return 130;
    case Outcome::kCannotCreate: Say(kTextDiscpackCannotCreate, {target, system}); break;
    case Outcome::kWriteFailed: Say(kTextDiscpackWriteFailed, {target, system}); break;
    case Outcome::kReadFailed: Say(kTextDiscpackReadFailed, {file}); break;
    case Outcome::kFileChanged: Say(kTextDiscpackFileChanged, {file}); break;
    case Outcome::kCannotRename: Say(kTextDiscpackCannotRename, {target, system}); break;
  }
  Say(kTextDiscpackNotWritten, {});
  return 1;
}

}  // namespace

int RunImage(const ImageArguments& arguments) {
  const HostPath& folder = arguments.folder;
  const HostPath& image = arguments.image;
  if (!IsFolder(folder)) {
    Say(kTextDiscpackNoFolder, {PathText(folder)});
    return 1;
  }
  if (ImageInsideFolder(image, folder)) {
    Say(kTextDiscpackInsideFolder, {PathText(image)});
    return 1;
  }
  ImageOptions options;
  options.label = arguments.label ? Utf16OfText(DecodeUtf8(*arguments.label))
                                  : DefaultImageLabel(ReadFileStart(folder + "/autorun.inf", 64 * 1024).value_or(""),
                                                      Utf16OfText(FolderNameOf(folder)));
  options.volumeTime = VolumeTime(std::getenv("SOURCE_DATE_EPOCH"), static_cast<std::int64_t>(std::time(nullptr)));

  const std::unique_ptr<FolderSource> source = FolderSourceOf(folder);
  const PlanResult planned = PlanImage(*source, options);
  if (!planned.plan) {
    for (const ImageRefusal& refusal : planned.refusals) Say(Why(refusal.reason), {Shown(folder, refusal.path)});
    Say(kTextDiscpackRefused, {DecimalText(static_cast<long long>(planned.refusals.size()))});
    return 1;
  }

  WatchForCancel();
  const bool terminal = IsTerminal(Stream::kError);
  const std::wstring imagePath = PathText(image);
  const std::wstring imageName = imagePath.substr(imagePath.find_last_of(kSeparators) + 1);
  int shownPercent = -1;
  const ImageProgress progress = [&](std::uint64_t done, std::uint64_t total, const SourcePath&) {
    const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
    if (terminal && percent != shownPercent) {
      shownPercent = percent;
      std::wstring padded = DecimalText(percent);
      padded.insert(0, 3 - std::min<std::size_t>(3, padded.size()), L' ');
      Say(kTextDiscpackProgress, {imageName, padded, DecimalText(static_cast<long long>(total >> 20))});
    }
    return !CancelAsked();
  };
  const std::unique_ptr<ImageFile> file = ImageFileOf(image);
  const ImageWriteResult result = WriteImage(*planned.plan, *source, *file, progress);
  if (terminal) WriteText(Stream::kError, L"\n");
  return Report(result, folder, image);
}

}  // namespace discfront::discpack
