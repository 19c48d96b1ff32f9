// discpack image (image_command.h).
#include "discpack/image_command.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/texts.h"
#include "base/utf8.h"
#include "disc/image_label.h"
#include "disc/image_plan.h"
#include "disc/image_writer.h"
#include "discpack/cancel_request.h"
#include "discpack/console_text.h"
#include "discpack/discpack_texts.h"
#include "discpack/image_files.h"

namespace discfront::discpack {

namespace fs = std::filesystem;

namespace {

// Arguments arrive as UTF-8 (on Windows made so from the wide command line); elsewhere
// a name's bytes pass through as they are, whatever they are.
fs::path PathOfArgument(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

// A path as shown: its bytes read as UTF-8 where names are bytes, so that a name that
// is not text still shows rather than stopping the program.
std::wstring PathText(const fs::path& path) {
#ifdef _WIN32
  return path.native();
#else
  return DecodeUtf8(path.native());
#endif
}

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

std::wstring Shown(const fs::path& folder, const SourcePath& path) {
  std::wstring out = PathText(folder);
  for (const std::u16string& name : path) {
    if (!out.empty() && out.back() != L'/' && out.back() != static_cast<wchar_t>(fs::path::preferred_separator)) {
      out += static_cast<wchar_t>(fs::path::preferred_separator);
    }
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

std::u16string FolderName(const fs::path& folder) {
  std::error_code error;
  fs::path whole = fs::weakly_canonical(fs::absolute(folder, error), error);
  if (whole.filename().empty()) whole = whole.parent_path();
  return Utf16OfText(PathText(whole.filename()));
}

std::string ReadSmallFile(const fs::path& path) {
  std::ifstream stream(path, std::ios::binary);
  std::string bytes;
  bytes.resize(64 * 1024);
  stream.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(stream.gcount()));
  return bytes;
}

int Report(const ImageWriteResult& result, const fs::path& folder, const fs::path& image) {
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
  const fs::path folder = PathOfArgument(arguments.folder);
  const fs::path image = PathOfArgument(arguments.image);
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    Say(kTextDiscpackNoFolder, {PathText(folder)});
    return 1;
  }
  if (ImageInsideFolder(image, folder)) {
    Say(kTextDiscpackInsideFolder, {PathText(image)});
    return 1;
  }
  ImageOptions options;
  options.label = arguments.label ? Utf16OfText(DecodeUtf8(*arguments.label))
                                  : DefaultImageLabel(ReadSmallFile(folder / "autorun.inf"), FolderName(folder));
  options.volumeTime = VolumeTime(std::getenv("SOURCE_DATE_EPOCH"), static_cast<std::int64_t>(std::time(nullptr)));

  const std::unique_ptr<FolderSource> source = FolderSourceOf(folder);
  const PlanResult planned = PlanImage(*source, options);
  if (!planned.plan) {
    for (const ImageRefusal& refusal : planned.refusals) Say(Why(refusal.reason), {Shown(folder, refusal.path)});
    Say(kTextDiscpackRefused, {std::to_wstring(planned.refusals.size())});
    return 1;
  }

  WatchForCancel();
  const bool terminal = IsTerminal(Stream::kError);
  const std::wstring imageName = PathText(image.filename());
  int shownPercent = -1;
  const ImageProgress progress = [&](std::uint64_t done, std::uint64_t total, const SourcePath&) {
    const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
    if (terminal && percent != shownPercent) {
      shownPercent = percent;
      std::wstring padded = std::to_wstring(percent);
      padded.insert(0, 3 - std::min<std::size_t>(3, padded.size()), L' ');
      Say(kTextDiscpackProgress, {imageName, padded, std::to_wstring(total >> 20)});
    }
    return !CancelAsked();
  };
  const std::unique_ptr<ImageFile> file = ImageFileOf(image);
  const ImageWriteResult result = WriteImage(*planned.plan, *source, *file, progress);
  if (terminal) WriteText(Stream::kError, L"\n");
  return Report(result, folder, image);
}

}  // namespace discfront::discpack
