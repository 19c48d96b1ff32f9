// The image's name mapping on any UTF-16 names: each name is refused by the Unicode
// tree for a reason it really has, or gets a valid primary name (8.3 d-characters)
// that no other entry of its folder has; labels always fit their descriptors. The
// input is one folder: names are the 16-bit units between zero units, and the first
// byte says which of them are folders. At exit it prints
// "figure: image_fuzz_names_execs = N inputs".
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "disc/image_names.h"

namespace {

long long inputsRead = 0;

void Check(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "image names: %s\n", what);
    std::abort();
  }
}

bool Forbidden(char16_t c) {
  return c < 0x20 || (c >= 0xD800 && c <= 0xDFFF) || std::u16string_view(u"*/:;?\\").find(c) != std::u16string_view::npos;
}

bool DCharacters(const std::string& text) {
  for (char c : text) {
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
  }
  return true;
}

void CheckName(const std::u16string& name, bool folder, discfront::PrimaryNamer& namer, std::set<std::string>& taken) {
  using discfront::NameProblem;
  bool forbidden = false;
  for (char16_t c : name) forbidden = forbidden || Forbidden(c);
  const std::optional<NameProblem> problem = discfront::JolietNameProblem(name);
  const bool empty = name.empty() || name == u"." || name == u"..";
  Check(problem.has_value() == (empty || forbidden || name.size() > discfront::kMaxJolietName), "refusal without cause");
  if (!problem) {
    const std::string id = namer.Assign(name, folder);
    const std::size_t dot = id.find('.');
    const std::string stem = id.substr(0, dot);
    const std::string extension = dot == std::string::npos ? "" : id.substr(dot + 1);
    Check(!folder || dot == std::string::npos, "a folder's name with an extension");
    Check(!stem.empty() && stem.size() <= 8 && DCharacters(stem), "an invalid name");
    Check(dot == std::string::npos || (!extension.empty() && extension.size() <= 3 && DCharacters(extension)),
          "an invalid extension");
    Check(taken.insert(id).second, "a name given twice");
  }
  const std::string primary = discfront::PrimaryLabel(name);
  Check(!primary.empty() && primary.size() <= discfront::kPrimaryLabelLength && DCharacters(primary), "primary label");
  const std::u16string joliet = discfront::JolietLabel(name);
  bool labelForbidden = false;
  for (char16_t c : joliet) labelForbidden = labelForbidden || Forbidden(c);
  Check(joliet.size() <= discfront::kJolietLabelLength && !labelForbidden, "Unicode label");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit([] {
    std::printf("figure: image_fuzz_names_execs = %lld inputs\n", inputsRead);
    std::fflush(stdout);
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  ++inputsRead;
  if (size == 0) return 0;
  const unsigned folders = data[0];
  discfront::PrimaryNamer namer;
  std::set<std::string> taken;
  std::u16string name;
  int index = 0;
  for (std::size_t i = 1; i + 1 < size; i += 2) {
    const auto unit = static_cast<char16_t>(data[i] | data[i + 1] << 8);
    if (unit != 0) {
      name += unit;
      continue;
    }
    CheckName(name, (folders >> (index++ % 8)) & 1, namer, taken);
    name.clear();
  }
  CheckName(name, (folders >> (index % 8)) & 1, namer, taken);
  return 0;
}
