#include "launcher/skin_set.h"

#include <vector>

#include "base/display_scale.h"
#include "win32/system_file_probe.h"

namespace discfront {

int SkinSetFor(const DiscFolder& disc, int dpi) {
  std::vector<int> present;
  const win32::SystemFileProbe files;
  for (const int percent : kSkinSetPercents) {
    bool whole = true;
    for (const Skin skin : DiscFolder::kSkins) {
      whole = whole && (percent == 100 || files.Probe(disc.SkinFile(skin, percent)) == PathKind::kFile);
    }
    if (whole) present.push_back(percent);
  }
  return ChooseSkinSet(present, dpi);
}

}  // namespace discfront
