// discpack: makes a disc folder's image from the command line, on Windows and on Linux
// build servers alike.
#include <cstdlib>
#include <string>
#include <vector>

#include "base/texts.h"
#include "discpack/arguments.h"
#include "discpack/check_command.h"
#include "discpack/console_text.h"
#include "discpack/discpack_texts.h"
#include "discpack/image_command.h"

#ifdef _WIN32
#include "base/utf8.h"
#include "editor/system_picture_probe.h"
#include "win32/library_search.h"
#include "win32/program_file.h"
#include "win32/string_table.h"
#include "win32/system_file_probe.h"
#else
#include "discpack/compiled_texts.h"
#include "discpack/posix_disc_probes.h"
#endif

namespace {

int Run(const std::vector<std::string>& words) {
  using namespace discfront::discpack;
  const Arguments arguments = ParseArguments(words);
  switch (arguments.command) {
    case Arguments::Command::kHelp: WriteText(Stream::kOut, discfront::Text(discfront::kTextDiscpackUsage)); return 0;
    case Arguments::Command::kImage: return RunImage(arguments.image);
    case Arguments::Command::kCheck: {
#ifdef _WIN32
      const win32::SystemFileProbe files;
      const discfront::editor::SystemPictureProbe pictures;
      const win32::SystemProgramProbe programs;
      return RunCheck(arguments.check.folder, arguments.check.json, {files, pictures, programs});
#else
      const PosixDiscProbes probes;
      return RunCheck(arguments.check.folder, arguments.check.json, {probes, probes, probes});
#endif
    }
    case Arguments::Command::kUsage: break;
  }
  WriteText(Stream::kError, discfront::Text(discfront::kTextDiscpackUsage));
  return kUsageExit;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  win32::RestrictLibrarySearchToSystem();
  win32::UseStringTable(win32::UserUiLanguage());
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) {
    // An argument UTF-8 cannot hold (a lone surrogate) cannot name a file here.
    if (discfront::EncodeUtf8(argv[i], words.emplace_back()) != std::wstring_view::npos) words = {};
    if (words.empty()) break;
  }
  return Run(words);
}
#else
int main(int argc, char** argv) {
  discfront::discpack::UseCompiledTexts(discfront::discpack::LanguageOfLocale(
      std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
  return Run(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
