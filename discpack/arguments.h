// discpack's command line, read into what it asks for.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace discfront::discpack {

// Arguments are UTF-8 text (on Linux, whatever bytes a name has).
struct ImageArguments {
  std::string folder;
  std::string image;
  std::optional<std::string> label;
};

struct CheckArguments {
  std::string folder;
  bool json = false;
};

struct Arguments {
  enum class Command { kUsage, kHelp, kImage, kCheck };
  Command command = Command::kUsage;  // kUsage: the arguments make no sense
  ImageArguments image;
  CheckArguments check;
};

Arguments ParseArguments(const std::vector<std::string>& arguments);

// The exit code for arguments that make no sense.
inline constexpr int kUsageExit = 64;

}  // namespace discfront::discpack
