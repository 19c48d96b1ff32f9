// discpack's command line (arguments.h).
#include "discpack/arguments.h"

namespace discfront::discpack {

Arguments ParseArguments(const std::vector<std::string>& arguments) {
  Arguments out;
  if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help")) {
    out.command = Arguments::Command::kHelp;
    return out;
  }
  if (!arguments.empty() && arguments[0] == "check") {
    for (std::size_t i = 1; i < arguments.size(); ++i) {
      if (arguments[i] == "--json" && !out.check.json) {
        out.check.json = true;
      } else if (arguments[i].empty() || arguments[i].starts_with("-") || !out.check.folder.empty()) {
        return out;
      } else {
        out.check.folder = arguments[i];
      }
    }
    if (!out.check.folder.empty()) out.command = Arguments::Command::kCheck;
    return out;
  }
  if (arguments.empty() || arguments[0] != "image") return out;
  std::vector<std::string> places;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == "--label") {
      if (i + 1 == arguments.size() || out.image.label) return out;
      out.image.label = arguments[++i];
    } else if (arguments[i].starts_with("-")) {
      return out;
    } else {
      places.push_back(arguments[i]);
    }
  }
  if (places.size() != 2 || places[0].empty() || places[1].empty()) return out;
  out.image.folder = places[0];
  out.image.image = places[1];
  out.command = Arguments::Command::kImage;
  return out;
}

}  // namespace discfront::discpack
