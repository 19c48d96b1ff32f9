// discpack's command line, read into what it asks for.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace discfront::discpack {

struct ImageArguments {
  std::string folder;
  std::string image;
  std::optional<std::string> label;
};

struct Arguments {
  enum class Command { kUsage, kHelp, kImage };
  Command command = Command::kUsage;  // kUsage: the arguments make no sense
  ImageArguments image;
};

Arguments ParseArguments(const std::vector<std::string>& arguments);

inline constexpr char kUsage[] =
    "usage: discpack image FOLDER IMAGE.iso [--label TEXT]\n"
    "  Writes an ISO 9660 image with a Unicode (Joliet) tree of every file in FOLDER.\n"
    "  The label is autorun.inf's label=, else the folder's name, unless --label gives one.\n"
    "  With SOURCE_DATE_EPOCH set, the same folder always gives the same bytes.\n";

// The exit code for arguments that make no sense.
inline constexpr int kUsageExit = 64;

}  // namespace discfront::discpack
