#include "launcher/launcher_skins.h"

#include "base/numbered_error.h"
#include "win32/error_report.h"
#include "win32/picture.h"

namespace discfront {

PictureRef ReadSkin(const DiscFolder& disc, Skin skin, int percent) {
  const std::wstring file = disc.SkinFile(skin, percent);
  try {
    return win32::LoadPictureFile(file);
  } catch (const NumberedError& error) {
    throw win32::ReportedError({error.Number(), file});
  }
}

SkinFiles ReadSkinFiles(const DiscFolder& disc, int percent) {
  SkinFiles files;
  files.percent = percent;
  files.up = ReadSkin(disc, Skin::kButton, percent);
  files.over = ReadSkin(disc, Skin::kButtonMove, percent);
  files.down = ReadSkin(disc, Skin::kButtonDown, percent);
  files.back = ReadSkin(disc, Skin::kBack, percent);
  return files;
}

ShownSkins ScaleSkins(const SkinFiles& files, int dpi) {
  const SetPicture pictures[] = {SetPictureOf(*files.up, files.percent), SetPictureOf(*files.over, files.percent),
                                 SetPictureOf(*files.down, files.percent), SetPictureOf(*files.back, files.percent)};
  // Every picture was read within the caps, so each fits at its own set's scale; this
  // holds unless a metafile's frame and its bytes disagree.
  int shown = ShownDpi(dpi, pictures);
  if (shown == 0) shown = dpi;
  ShownSkins skins;
  skins.dpi = shown;
  skins.percent = files.percent;
  skins.up = ScaleSkin(files.up, files.percent, shown).picture;
  skins.over = ScaleSkin(files.over, files.percent, shown).picture;
  skins.down = ScaleSkin(files.down, files.percent, shown).picture;
  skins.back = ScaleSkin(files.back, files.percent, shown);
  return skins;
}

}  // namespace discfront
