// How large a picture and how complex a window outline the programs take on. A picture
// file is read whole and copied two or three times on its way to the screen, and a
// display server refuses a window shape of too many rectangles (the window, or the
// whole program, dies of it), so anything beyond these caps is refused before the work.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace discfront {

inline constexpr std::uint64_t kMaxPictureFileBytes = std::uint64_t{64} << 20;  // 64 MiB
inline constexpr std::int64_t kMaxPictureSide = 16384;                         // pixels
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{64} << 20;      // 64 M pixels

// Under Wine with an X display a window shape goes to the server as one request of
// 8 bytes per rectangle; without big requests that is at most 32765 rectangles, and
// measured on a virtual display one outline already failed at 29375 (the program ends
// with an X error before its window shows). Half the protocol's limit leaves a margin;
// real skins have a few hundred to a few thousand.
inline constexpr std::size_t kMaxOutlineRectangles = 16384;

enum class PictureFit {
  kFits,
  kFileTooLarge,   // more bytes than kMaxPictureFileBytes
  kTooManyPixels,  // its header promises a side or an area above the caps
};

// Whether a picture file of `fileBytes` bytes beginning with `head` stays within the
// caps. The sizes its headers promise are read for BMP (either info header), PNG, GIF
// (the screen and every frame), JPEG, icons and cursors (every image, PNG ones too) and
// metafiles (an enhanced one's bounds and frame, a placeable one's box, at 96 dpi);
// other files are held by the byte cap alone.
PictureFit FitOfPictureFile(std::uint64_t fileBytes, std::string_view head);

// Whether a picture of width x height pixels is within the caps (so a 32-bit copy of
// its pixels has a byte count well inside 31 bits).
bool PixelsWithinCaps(std::int64_t width, std::int64_t height);

enum class OutlineFit {
  kUsable,
  kEmpty,       // every pixel is cut away: the window would be invisible
  kTooComplex,  // more rectangles than kMaxOutlineRectangles
};

// Whether a window may be cut to an outline of this many rectangles; when not, the
// window stays whole.
OutlineFit FitOfOutline(std::size_t rectangles);

}  // namespace discfront
