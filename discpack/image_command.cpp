// discpack image (image_command.h). Its messages are English for now.
#include "discpack/image_command.h"

#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "disc/folder_source.h"
#include "disc/image_label.h"
#include "disc/image_plan.h"
#include "disc/image_writer.h"

#ifdef _WIN32
#include <io.h>
#define DISCPACK_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define DISCPACK_ISATTY(fd) isatty(fd)
#endif

namespace discfront::discpack {

namespace fs = std::filesystem;

namespace {

volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) { interrupted = 1; }

std::string Shown(const fs::path& folder, const SourcePath& path) {
  fs::path out = folder;
  for (const std::u16string& name : path) out /= fs::path(name);
  return out.string();
}

const char* Why(ImageRefusal::Reason reason) {
  using Reason = ImageRefusal::Reason;
  switch (reason) {
    case Reason::kNameTooLong: return "its name is longer than 64 characters";
    case Reason::kBadCharacter: return "its name holds a character a disc cannot (control characters, * / : ; ? \\)";
    case Reason::kUndecodableName: return "its name is not UTF-8 text";
    case Reason::kTooLarge: return "it is 4 GiB or larger";
    case Reason::kUnreadable: return "it cannot be read";
    case Reason::kFolderLoop: return "it is a link to a folder that holds it";
    case Reason::kCaseTwin: return "another name in its folder differs only in case, which Windows cannot tell apart";
    case Reason::kTooManyFolders: return "it has more than 65535 folders";
  }
  return "";
}

std::u16string FolderName(const fs::path& folder) {
  std::error_code error;
  fs::path whole = fs::weakly_canonical(fs::absolute(folder, error), error);
  if (whole.filename().empty()) whole = whole.parent_path();
  return whole.filename().u16string();
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
  const std::string system = result.error ? " (" + result.error.message() + ")" : "";
  const std::string file = Shown(folder, result.file);
  switch (result.outcome) {
    case Outcome::kWritten: return 0;
    case Outcome::kCancelled: std::fprintf(stderr, "discpack: cancelled; no image written\n"); return 130;
    case Outcome::kCannotCreate:
      std::fprintf(stderr, "discpack: cannot create a file beside %s%s\n", image.string().c_str(), system.c_str());
      break;
    case Outcome::kWriteFailed:
      std::fprintf(stderr, "discpack: cannot write %s%s\n", image.string().c_str(), system.c_str());
      break;
    case Outcome::kReadFailed: std::fprintf(stderr, "discpack: %s: cannot be read\n", file.c_str()); break;
    case Outcome::kFileChanged: std::fprintf(stderr, "discpack: %s: changed while it was written\n", file.c_str()); break;
    case Outcome::kCannotRename:
      std::fprintf(stderr, "discpack: cannot name the finished image %s%s\n", image.string().c_str(), system.c_str());
      break;
  }
  std::fprintf(stderr, "discpack: no image written\n");
  return 1;
}

}  // namespace

int RunImage(const ImageArguments& arguments) {
  const fs::path folder = arguments.folder;
  const fs::path image = arguments.image;
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    std::fprintf(stderr, "discpack: there is no folder %s\n", folder.string().c_str());
    return 1;
  }
  if (InsideFolder(image, folder)) {
    std::fprintf(stderr, "discpack: %s would be inside the folder it images; write it beside the folder\n",
                 image.string().c_str());
    return 1;
  }
  ImageOptions options;
  options.label = arguments.label ? fs::path(*arguments.label).u16string()
                                  : DefaultImageLabel(ReadSmallFile(folder / "autorun.inf"), FolderName(folder));
  options.volumeTime = VolumeTime(std::getenv("SOURCE_DATE_EPOCH"), static_cast<std::int64_t>(std::time(nullptr)));

  FilesystemSource source(folder);
  const PlanResult planned = PlanImage(source, options);
  if (!planned.plan) {
    for (const ImageRefusal& refusal : planned.refusals) {
      std::fprintf(stderr, "discpack: %s: %s\n", Shown(folder, refusal.path).c_str(), Why(refusal.reason));
    }
    std::fprintf(stderr, "discpack: no image written: %zu %s cannot go on the disc as they are\n",
                 planned.refusals.size(), planned.refusals.size() == 1 ? "entry" : "entries");
    return 1;
  }

  const bool terminal = DISCPACK_ISATTY(2) != 0;
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
  int shownPercent = -1;
  const ImageProgress progress = [&](std::uint64_t done, std::uint64_t total, const SourcePath&) {
    const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
    if (terminal && percent != shownPercent) {
      shownPercent = percent;
      std::fprintf(stderr, "\rdiscpack: writing %s: %3d%% of %llu MB", image.filename().string().c_str(), percent,
                   static_cast<unsigned long long>(total >> 20));
    }
    return interrupted == 0;
  };
  const ImageWriteResult result = WriteImage(*planned.plan, source, image, progress);
  if (terminal) std::fprintf(stderr, "\n");
  return Report(result, folder, image);
}

}  // namespace discfront::discpack
