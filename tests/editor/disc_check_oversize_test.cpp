// The disc check warns of skins and pictures the launcher will not take as they are:
// a background with nothing left of it or an outline too complex to cut the window
// to, and pictures above the size caps.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "base/picture_limits.h"
#include "editor/disc_check.h"

namespace discfront::editor {
namespace {

using Kind = DiscProblem::Kind;
using R = PictureRead;

const std::wstring kDisc = L"D:\\диск";
const std::wstring kBack = kDisc + L"\\skin\\back.bmp";
const std::wstring kButton = kDisc + L"\\skin\\button.bmp";
const std::wstring kPicture = kDisc + L"\\pics\\big.bmp";

// Every file is there; pictures read as the table says, the background's outline has
// `rectangles` pieces.
class Disc final : public FileProbe, public PictureProbe {
 public:
  std::map<std::wstring, PictureRead> reads;
  std::size_t rectangles = 100;

  PathKind Probe(const std::wstring&) const override { return PathKind::kFile; }
  PictureRead Read(const std::wstring& path) const override {
    const auto it = reads.find(path);
    return it == reads.end() ? R::kBitmap : it->second;
  }
  std::optional<std::size_t> OutlineRectangles(const std::wstring& path) const override {
    EXPECT_EQ(path, kBack);
    return rectangles;
  }
};

TEST(DiscCheckOversize, FindsEmptyAndTooComplexOutlinesAndPicturesAboveTheCaps) {
  using Found = std::tuple<Kind, int, std::wstring>;
  const struct {
    const char* what;
    std::map<std::wstring, PictureRead> reads;
    std::size_t rectangles;
    std::vector<Found> found;
  } cases[] = {
      {"a sound disc", {}, kMaxOutlineRectangles, {}},
      {"all magenta", {}, 0, {{Kind::kOutlineEmpty, -1, kBack}}},
      {"too many pieces", {}, kMaxOutlineRectangles + 1, {{Kind::kOutlineTooComplex, -1, kBack}}},
      {"a background too large has no outline to judge", {{kBack, R::kTooLarge}}, 0,
       {{Kind::kPictureTooLarge, -1, kBack}}},
      {"a button skin too large", {{kButton, R::kTooLarge}}, 5, {{Kind::kPictureTooLarge, -1, kButton}}},
      {"an entry's picture too large", {{kPicture, R::kTooLarge}}, 5, {{Kind::kPictureTooLarge, 0, kPicture}}},
  };
  for (const auto& c : cases) {
    Disc disc;
    disc.reads = c.reads;
    disc.rectangles = c.rectangles;
    std::vector<Found> found;
    for (const DiscProblem& p : CheckDisc({{L"\\setup.exe", L"Офис", L"", L"\\pics\\big.bmp"}}, DiscFolder(kDisc),
                                          disc, disc)) {
      found.emplace_back(p.kind, p.slot, p.file);
    }
    EXPECT_EQ(found, c.found) << c.what;
  }
}

}  // namespace
}  // namespace discfront::editor
