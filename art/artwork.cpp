// Drawing the icon, the skins and the pictures.
#include "art/artwork.h"

#include <cmath>
#include <numbers>

#include "art/image_files.h"

namespace discfront::art {
namespace {

constexpr double kPi = std::numbers::pi;

// The silver face of a disc with a soft rainbow sheen that turns with the angle.
std::function<Rgb(double, double)> DiscFace(double cx, double cy) {
  return [=](double x, double y) {
    const double angle = std::atan2(y - cy, x - cx);
    const Rgb silver{206, 212, 222};
    const Rgb sheen{static_cast<std::uint8_t>(200 + 55 * std::sin(angle * 2)),
                    static_cast<std::uint8_t>(200 + 55 * std::sin(angle * 2 + 2.1)),
                    static_cast<std::uint8_t>(200 + 55 * std::sin(angle * 2 + 4.2))};
    const double light = 0.5 + 0.5 * std::cos(angle * 2 - kPi / 2);
    return Mix(Mix(silver, sheen, 0.45), Rgb{250, 250, 252}, 0.35 * light);
  };
}

void DrawDisc(Canvas& canvas, double cx, double cy, double radius) {
  canvas.Fill(Circle(cx, cy, radius), Rgb{96, 104, 120});
  canvas.Fill(Circle(cx, cy, radius - std::max(1.0, radius / 20)), DiscFace(cx, cy));
  canvas.Fill(Ring(cx, cy, radius * 0.22, radius * 0.36), Rgb{232, 236, 242});
  canvas.Fill(Ring(cx, cy, radius * 0.36, radius * 0.39), Rgb{150, 158, 172});
}

// A little menu: a card with a title bar and three entries, the middle one chosen.
void DrawMenuCard(Canvas& canvas, double left, double top, double right, double bottom) {
  const double unit = (bottom - top) / 10;
  canvas.Fill(RoundedRect(left, top, right, bottom, unit * 1.2), Rgb{40, 60, 100});
  canvas.Fill(RoundedRect(left + unit * 0.6, top + unit * 0.6, right - unit * 0.6, bottom - unit * 0.6, unit * 0.8),
              Rgb{250, 251, 253});
  canvas.Fill(RoundedRect(left + unit * 0.6, top + unit * 0.6, right - unit * 0.6, top + unit * 2.6, unit * 0.8),
              Rgb{56, 110, 190});
  for (int line = 0; line < 3; ++line) {
    const double y = top + unit * (3.6 + 2.0 * line);
    const bool chosen = line == 1;
    if (chosen) {
      canvas.Fill(RoundedRect(left + unit * 1.1, y - unit * 0.5, right - unit * 1.1, y + unit * 1.5, unit * 0.4),
                  Rgb{255, 206, 84});
    }
    canvas.Fill(RoundedRect(left + unit * 1.6, y, right - unit * (line == 2 ? 3.4 : 1.8), y + unit, unit * 0.4),
                chosen ? Rgb{90, 60, 10} : Rgb{120, 132, 152});
  }
}

}  // namespace

IconImage DrawLauncherIcon(int size) {
  const double u = size / 48.0;  // the drawing is laid out on a 48-pixel square
  Canvas image(size, size, Rgb{0, 0, 0});
  const Shape disc = Circle(21 * u, 21 * u, 20.5 * u);
  const Shape hole = Circle(21 * u, 21 * u, 4.4 * u);
  const Shape card = RoundedRect(25 * u, 23 * u, 47 * u, 47 * u, 3 * u);
  DrawDisc(image, 21 * u, 21 * u, 20.5 * u);
  image.Fill(hole, Rgb{0, 0, 0});
  DrawMenuCard(image, 25 * u, 23 * u, 47 * u, 47 * u);

  // The mask follows the shapes with hard edges, so the colours at the edge blend
  // with the disc's own rim colour instead of a background they cannot know.
  std::vector<bool> transparent(static_cast<std::size_t>(size * size));
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double cx = x + 0.5, cy = y + 0.5;
      const bool inside = card(cx, cy) || (disc(cx, cy) && !hole(cx, cy));
      transparent[static_cast<std::size_t>(y * size + x)] = !inside;
    }
  }
  return {std::move(image), std::move(transparent)};
}

Canvas DrawBackSkin(int scale) {
  Canvas canvas(kSkinWidth, kSkinHeight, {}, scale);
  const Shape whole = RoundedRect(0, 0, kSkinWidth, kSkinHeight, 18);
  canvas.Fill(whole, VerticalGradient(0, Rgb{36, 66, 114}, kSkinHeight, Rgb{14, 30, 60}));

  // Header band with a small disc at its left.
  canvas.Fill(RoundedRect(0, 0, kSkinWidth, 24, 18), VerticalGradient(0, Rgb{70, 112, 176}, 24, Rgb{44, 80, 138}));
  canvas.Fill(RoundedRect(0, 22, kSkinWidth, 24, 0), Rgb{120, 160, 220});
  DrawDisc(canvas, 14, 12, 8);
  for (int i = 0; i < 5; ++i) {
    canvas.Fill(RoundedRect(30 + i * 14, 9, 38 + i * 14, 15, 3), Rgb{150, 186, 236});
  }

  // One framed well holding the list and the button column with the text box, each
  // on a dark ground of its own.
  const double wellLeft = kListArea.left - 6, wellTop = kListArea.top - 6;
  const double wellRight = kButtonColumn.left + kButtonColumn.width + 6;
  const double wellBottom = kListArea.top + kListArea.height + 6;
  canvas.Fill(RoundedRect(wellLeft, wellTop, wellRight, wellBottom, 8), Rgb{98, 140, 204});
  canvas.Fill(RoundedRect(wellLeft + 1, wellTop + 1, wellRight - 1, wellBottom - 1, 7),
              VerticalGradient(wellTop, Rgb{62, 98, 156}, wellBottom, Rgb{40, 70, 122}));
  for (const Area& area : {kListArea, kButtonColumn}) {
    canvas.Fill(RoundedRect(area.left - 1, area.top - 1, area.left + area.width + 1, area.top + area.height + 1, 2),
                Rgb{20, 34, 62});
  }

  // Discs along the right edge, growing brighter towards the bottom.
  for (int i = 0; i < 4; ++i) {
    DrawDisc(canvas, 508, 60 + i * 70, 14 - i);
  }
  // A line of light along the bottom, left and right of the notch.
  canvas.Fill(RoundedRect(24, 334, 210, 336, 1), Rgb{84, 126, 190});
  canvas.Fill(RoundedRect(320, 334, 506, 336, 1), Rgb{84, 126, 190});

  // The outline: rounded corners and a notch in the bottom edge.
  const Shape notch = RoundedRect(220, 338, 310, kSkinHeight + 10, 6);
  canvas.Cut([&](double x, double y) { return whole(x, y) && !notch(x, y); }, kMagenta);
  return canvas;
}

Canvas DrawButtonSkin(ButtonState state, int scale) {
  struct Look {
    Rgb top, bottom, border, shine;
  };
  const Look looks[] = {
      {{232, 238, 248}, {180, 198, 228}, {58, 88, 140}, {255, 255, 255}},    // up
      {{255, 246, 218}, {246, 204, 118}, {150, 100, 30}, {255, 255, 240}},   // pointer over it
      {{150, 172, 212}, {206, 218, 238}, {34, 60, 110}, {130, 150, 190}},    // pressed
  };
  const Look& look = looks[static_cast<int>(state)];
  Canvas canvas(kButtonWidth, kButtonHeight, {}, scale);
  const Shape outline = RoundedRect(0, 0, kButtonWidth, kButtonHeight, 6);
  canvas.Fill(outline, look.border);
  canvas.Fill(RoundedRect(1, 1, kButtonWidth - 1, kButtonHeight - 1, 5),
              VerticalGradient(1, look.top, kButtonHeight - 1, look.bottom));
  canvas.Fill(RoundedRect(5, 2, kButtonWidth - 5, 3, 0.5), look.shine);
  canvas.Cut(outline, kMagenta);
  return canvas;
}

Canvas DrawHelloPicture() {
  Canvas canvas(200, 150);
  canvas.Fill(RoundedRect(0, 0, 200, 150, 0), VerticalGradient(0, Rgb{120, 180, 240}, 110, Rgb{220, 236, 250}));
  canvas.Fill(Circle(150, 40, 22), Rgb{255, 214, 90});
  canvas.Fill(Circle(150, 40, 16), Rgb{255, 236, 150});
  canvas.Fill([](double x, double y) { return y > 100 + 14 * std::sin(x / 23.0); },
              VerticalGradient(90, Rgb{110, 190, 90}, 150, Rgb{50, 120, 50}));
  canvas.Fill([](double x, double y) { return y > 118 + 10 * std::sin(x / 17.0 + 2); },
              VerticalGradient(108, Rgb{80, 160, 70}, 150, Rgb{30, 90, 40}));
  // A waving hand's greeting: a speech bubble.
  canvas.Fill(RoundedRect(20, 20, 100, 60, 10), Rgb{255, 255, 255});
  canvas.Fill([](double x, double y) { return y >= 58 && y < 74 && x >= 34 && x < 34 + (74 - y); },
              Rgb{255, 255, 255});
  for (int i = 0; i < 3; ++i) canvas.Fill(Circle(40 + i * 20, 40, 5), Rgb{56, 110, 190});
  return canvas;
}

Canvas DrawNoticePicture() {
  Canvas canvas(200, 150);
  canvas.Fill(RoundedRect(0, 0, 200, 150, 0), VerticalGradient(0, Rgb{40, 130, 140}, 150, Rgb{20, 70, 90}));
  // An envelope.
  canvas.Fill(RoundedRect(40, 40, 160, 115, 4), Rgb{250, 246, 236});
  canvas.Fill([](double x, double y) { return y >= 40 && y <= 40 + 45 - std::abs(x - 100) * 0.75 && x >= 40 && x < 160; },
              Rgb{226, 216, 196});
  canvas.Fill(Circle(100, 82, 9), Rgb{200, 50, 50});
  canvas.Fill(Circle(100, 82, 5), Rgb{230, 90, 80});
  return canvas;
}

Canvas DrawDiscPicture() {
  Canvas canvas(200, 150);
  canvas.Fill(RoundedRect(0, 0, 200, 150, 0), VerticalGradient(0, Rgb{36, 66, 114}, 150, Rgb{14, 30, 60}));
  DrawDisc(canvas, 82, 75, 60);
  DrawMenuCard(canvas, 120, 70, 186, 140);
  return canvas;
}

std::vector<ArtFile> AllArtFiles() {
  return {
      // Each size drawn for itself, up to twice the About dialog's 48 for displays at 200 %.
      {"art/discfront.ico", EncodeIco({DrawLauncherIcon(16), DrawLauncherIcon(24), DrawLauncherIcon(32),
                                       DrawLauncherIcon(48), DrawLauncherIcon(72), DrawLauncherIcon(96)})},
      {"sampledisc/disc/skin/back.bmp", EncodeBmp(DrawBackSkin())},
      {"sampledisc/disc/skin/button.bmp", EncodeBmp(DrawButtonSkin(ButtonState::kUp))},
      {"sampledisc/disc/skin/buttonmove.bmp", EncodeBmp(DrawButtonSkin(ButtonState::kOver))},
      {"sampledisc/disc/skin/buttondown.bmp", EncodeBmp(DrawButtonSkin(ButtonState::kDown))},
      {"sampledisc/disc/skin/200/back.bmp", EncodeBmp(DrawBackSkin(2))},
      {"sampledisc/disc/skin/200/button.bmp", EncodeBmp(DrawButtonSkin(ButtonState::kUp, 2))},
      {"sampledisc/disc/skin/200/buttonmove.bmp", EncodeBmp(DrawButtonSkin(ButtonState::kOver, 2))},
      {"sampledisc/disc/skin/200/buttondown.bmp", EncodeBmp(DrawButtonSkin(ButtonState::kDown, 2))},
      {"sampledisc/disc/pics/hello.bmp", EncodeBmp(DrawHelloPicture())},
      {"sampledisc/disc/pics/notice.bmp", EncodeBmp(DrawNoticePicture())},
      {"sampledisc/disc/pics/disc.bmp", EncodeBmp(DrawDiscPicture())},
  };
}

}  // namespace discfront::art
