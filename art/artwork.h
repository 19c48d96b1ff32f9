// The project's artwork, drawn by program: the launcher's icon, the sample disc's skins
// and the sample entries' pictures. Each is a pure function of nothing, so the committed
// files can always be checked against a fresh drawing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "art/canvas.h"
#include "art/image_files.h"

namespace discfront::art {

// Where the launcher's controls sit on the background skin, in pixels (the design's
// twips divided by 15); the skin keeps these areas calm and fully opaque.
struct Area {
  int left, top, width, height;
};
inline constexpr Area kListArea{24, 32, 281, 290};
inline constexpr Area kButtonColumn{312, 32, 169, 290};  // four buttons, then the text box
inline constexpr int kSkinWidth = 530;
inline constexpr int kSkinHeight = 349;
inline constexpr int kButtonWidth = 169;
inline constexpr int kButtonHeight = 25;

// A disc with a menu card in front of it, drawn for a square of this many pixels: the
// notification area and the small window icon use 16, the desktop 32 and 48.
IconImage DrawLauncherIcon(int size);

// The skins at 1x, or at `scale` times the size for the sharper sets (skin\200).
Canvas DrawBackSkin(int scale = 1);
enum class ButtonState { kUp, kOver, kDown };
Canvas DrawButtonSkin(ButtonState state, int scale = 1);

// The sample entries' pictures.
Canvas DrawHelloPicture();
Canvas DrawNoticePicture();
Canvas DrawDiscPicture();

// Every file the generator writes: path relative to the repository root, and bytes.
struct ArtFile {
  std::string path;
  std::vector<std::uint8_t> bytes;
};
std::vector<ArtFile> AllArtFiles();

}  // namespace discfront::art
