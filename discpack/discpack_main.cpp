// discpack: makes a disc folder's image from the command line, on Linux build servers too.
#include <cstdio>
#include <string>
#include <vector>

#include "discpack/arguments.h"
#include "discpack/image_command.h"

int main(int argc, char** argv) {
  using namespace discfront::discpack;
  const Arguments arguments = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  switch (arguments.command) {
    case Arguments::Command::kHelp: std::fputs(kUsage, stdout); return 0;
    case Arguments::Command::kImage: return RunImage(arguments.image);
    case Arguments::Command::kUsage: break;
  }
  std::fputs(kUsage, stderr);
  return kUsageExit;
}
