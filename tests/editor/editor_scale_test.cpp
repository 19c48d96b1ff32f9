// The editor in a Wine session of each resolution (DISCFRONT_TEST_DPI; 96 if unset) and one
// with a larger message font: its windows (the disc image's progress window too) hold
// every control, none covering another, each a line of the message font tall (and its
// frame); at the default font, the editor's client area is the designed one at that scale.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/line_format.h"
#include "tests/editor/frontsmith_driver.h"

namespace frontsmith_test {
namespace {

using uidriver::ClassName;

// One line of the message font at the session's resolution, and whether it is Wine's default 8 points.
std::pair<int, bool> MessageLine(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  TEXTMETRICW text{};
  GetTextMetricsW(screen, &text);
  DeleteObject(SelectObject(screen, old));
  ReleaseDC(nullptr, screen);
  return {text.tmHeight, std::abs(metrics.lfMessageFont.lfHeight) <= std::lround(8.5 * dpi / 72)};
}

void ExpectFitted(HWND window, int line, int frame, bool (*framed)(HWND)) {
  RECT client{}, both{};
  GetClientRect(window, &client);
  std::vector<RECT> placed;
  for (HWND child : uidriver::FindChildren(window, {})) {
    if (!IsWindowVisible(child) || GetParent(child) != window) continue;  // a list's heading is the list's
    RECT r = uidriver::ScreenRect(child);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    const std::wstring name = ClassName(child) + L" " + uidriver::WindowText(child);
    EXPECT_TRUE(IntersectRect(&both, &r, &client) && EqualRect(&both, &r)) << name << " leaves the window";
    for (const RECT& other : placed) EXPECT_FALSE(IntersectRect(&both, &r, &other)) << name << " covers another";
    EXPECT_GE(r.bottom - r.top, line + (framed(child) ? frame : 0)) << name;
    placed.push_back(r);
  }
  EXPECT_FALSE(placed.empty());
}

TEST(FrontsmithScale, WindowsHoldTheirControlsALineTallWithoutOverlapping) {
  const int dpi = uidriver::SessionDpi();
  const auto [line, defaultFont] = MessageLine(dpi);
  const int frame = std::lround(4.0 * dpi / 96);  // two edges of two pixels at 96 dpi
  Frontsmith editor;
  RECT client{};
  GetClientRect(editor.main(), &client);
  RECT list = uidriver::ScreenRect(editor.Control(kEntries));
  MapWindowPoints(nullptr, editor.main(), reinterpret_cast<POINT*>(&list), 2);
  // The form, 4170 x 6600 twips designed: 278 x 440 pixels at 96 dpi; larger text, a larger
  // form. The entries list starts right of it.
  const std::pair<LONG, double> sizes[] = {{list.left, 278.0 * dpi / 96}, {client.bottom, 440.0 * dpi / 96}};
  for (const auto& [size, designed] : sizes) {
    EXPECT_GE(size, designed - 1);
    EXPECT_TRUE(!defaultFont || std::abs(size - designed) <= 1.0) << size;
  }
  // The list opens showing its columns, as far as the screen has room.
  RECT work{}, outer = uidriver::ScreenRect(editor.main());
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_GE(list.right - list.left, std::min<LONG>(400 * dpi / 96, work.right - work.left - list.left - 40));
  EXPECT_LE(outer.right - outer.left, work.right - work.left);
  EXPECT_EQ(uidriver::VisibleChildRects(editor.main()).size(), 13u);
  ExpectFitted(editor.main(), line, frame, [](HWND control) { return ClassName(control) != L"Static"; });
  if (dpi == 192) uidriver::SaveScreenshot(editor.main(), uidriver::OwnFolder() + L"\\frontsmith_192dpi.png");
  if (!defaultFont) uidriver::SaveScreenshot(editor.main(), uidriver::OwnFolder() + L"\\frontsmith_large_text.png");

  // The disc check's window and the dialogs, over a saved catalogue; the About dialog
  // shows fonts of its own, so it is checked for places only.
  TempFolder disc;
  std::string bytes;
  discfront::EncodeFailure failure;
  ASSERT_TRUE(discfront::EncodeCatalogue({{L"\\setup.exe", L"Офис", L"c", L"none"}}, bytes, failure));
  WriteBytes(disc.File(L"content.lnc"), bytes);
  ASSERT_TRUE(editor.Open(disc.File(L"content.lnc")));
  const struct {
    int command;
    const wchar_t *className, *title;
    int line;
  } windows[] = {{kMenuDiscCheck, L"FrontsmithDiscCheck", nullptr, line},
                 {kMenuDiscDescription, L"#32770", L"Описание диска", line},
                 {kMenuAbout, L"#32770", L"О программе", 0}};
  for (const auto& w : windows) {
    SCOPED_TRACE(w.className);
    editor.Menu(w.command);
    HWND window = uidriver::WaitForWindow(
        {.className = w.className, .title = w.title ? w.title : L"", .processId = editor.process().Id()});
    ASSERT_NE(window, nullptr);
    ExpectFitted(window, w.line, w.line > 0 ? frame : 0, [](HWND control) {
      return ClassName(control) == L"Edit" || ClassName(control) == L"Button" || ClassName(control) == L"ListBox";
    });
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(uidriver::WaitForWindowGone(window));
  }

  // The disc image's progress window, kept up by a long file until closing it cancels.
  SCOPED_TRACE("FrontsmithDiscImage");
  TempFolder imaged, out;
  ASSERT_TRUE(MakeImageableDisc(imaged) && WriteLongFile(imaged.File(L"big.bin")));
  ASSERT_TRUE(editor.Open(imaged.File(L"content.lnc")));
  StartImage(editor, out.File(L"disc.iso"), /*warned=*/false);
  HWND progress = uidriver::WaitForWindow({.className = L"FrontsmithDiscImage", .processId = editor.process().Id()});
  ASSERT_NE(progress, nullptr);
  ExpectFitted(progress, line, frame, [](HWND control) { return ClassName(control) == L"Button"; });
  if (dpi == 192 || !defaultFont) uidriver::SaveScreenshot(progress, uidriver::OwnFolder() + L"\\disc_image_scaled.png");
  PostMessageW(progress, WM_CLOSE, 0, 0);
  EXPECT_TRUE(uidriver::WaitForWindowGone(progress, uidriver::Milliseconds{60000}));
}

}  // namespace
}  // namespace frontsmith_test
