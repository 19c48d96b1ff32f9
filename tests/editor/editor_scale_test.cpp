// The editor in a Wine session of each resolution (DISCFRONT_TEST_DPI; 96 if unset) and
// one with a larger message font: its windows hold every control, none covering another,
// each at least a line of the message font tall; at the default font, the editor's
// client area is the designed one at that scale.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/line_format.h"
#include "tests/editor/frontsmith_driver.h"

namespace frontsmith_test {
namespace {

struct MessageLine {
  int height;         // one line of the message font at the session's resolution
  bool defaultSize;   // the font is Wine's default 8 points
};

MessageLine SessionMessageLine(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  TEXTMETRICW text{};
  GetTextMetricsW(screen, &text);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return {text.tmHeight, std::abs(metrics.lfMessageFont.lfHeight) <= std::lround(8.5 * dpi / 72)};
}

// Every visible control inside the client area, none over another, each a line tall
// (`framed`: those with a frame around their line, a line and the frame).
void ExpectFitted(HWND window, int line, int frame, bool (*framed)(HWND)) {
  RECT client{};
  GetClientRect(window, &client);
  const std::vector<RECT> placed = uidriver::VisibleChildRects(window);
  const std::vector<HWND> children = uidriver::FindChildren(window, {});
  ASSERT_FALSE(placed.empty());
  for (std::size_t i = 0; i < placed.size(); ++i) {
    RECT both{};
    EXPECT_TRUE(IntersectRect(&both, &placed[i], &client) && EqualRect(&both, &placed[i])) << i << " leaves the window";
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(IntersectRect(&both, &placed[i], &placed[j])) << i << " covers " << j;
    }
  }
  for (HWND child : children) {
    if (!IsWindowVisible(child)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    const int needed = line + (framed(child) ? frame : 0);
    EXPECT_GE(r.bottom - r.top, needed) << uidriver::ClassName(child) << " " << uidriver::WindowText(child);
  }
}

bool EditorFramed(HWND control) { return uidriver::ClassName(control) != L"Static"; }
bool DialogFramed(HWND control) { return uidriver::ClassName(control) == L"Edit" || uidriver::ClassName(control) == L"Button"; }

TEST(FrontsmithScale, WindowsHoldTheirControlsALineTallWithoutOverlapping) {
  const int dpi = uidriver::SessionDpi();
  const MessageLine line = SessionMessageLine(dpi);
  const int frame = std::lround(4.0 * dpi / 96);  // two edges of two pixels at 96 dpi
  Frontsmith editor;
  RECT client{};
  GetClientRect(editor.main(), &client);
  // 4170 x 6600 twips designed: 278 x 440 pixels at 96 dpi; larger text, a larger window.
  EXPECT_GE(client.right, 278.0 * dpi / 96 - 1) << client.right;
  EXPECT_GE(client.bottom, 440.0 * dpi / 96 - 1) << client.bottom;
  if (line.defaultSize) {
    EXPECT_LE(std::abs(client.right - 278.0 * dpi / 96), 1.0) << client.right;
    EXPECT_LE(std::abs(client.bottom - 440.0 * dpi / 96), 1.0) << client.bottom;
  }
  EXPECT_EQ(uidriver::VisibleChildRects(editor.main()).size(), 12u);
  {
    SCOPED_TRACE("the editor");
    ExpectFitted(editor.main(), line.height, frame, EditorFramed);
  }
  if (dpi == 192) uidriver::SaveScreenshot(editor.main(), uidriver::OwnFolder() + L"\\frontsmith_192dpi.png");
  if (!line.defaultSize) uidriver::SaveScreenshot(editor.main(), uidriver::OwnFolder() + L"\\frontsmith_large_text.png");

  // The disc check's window and the description dialog, over a saved catalogue.
  TempFolder disc;
  std::string bytes;
  discfront::EncodeFailure failure;
  ASSERT_TRUE(discfront::EncodeCatalogue({{L"\\setup.exe", L"Офис", L"c", L"none"}}, bytes, failure));
  WriteBytes(disc.File(L"content.lnc"), bytes);
  ASSERT_TRUE(editor.Open(disc.File(L"content.lnc")));
  editor.Menu(kMenuDiscCheck);
  HWND check = uidriver::WaitForWindow({.className = L"FrontsmithDiscCheck", .processId = editor.process().Id()});
  ASSERT_NE(check, nullptr);
  {
    SCOPED_TRACE("the disc check");
    ExpectFitted(check, line.height, frame, [](HWND control) { return uidriver::ClassName(control) == L"ListBox"; });
  }
  PostMessageW(check, WM_CLOSE, 0, 0);
  ASSERT_TRUE(uidriver::WaitForWindowGone(check));
  const struct {
    int command;
    const wchar_t* title;
    bool messageFont;  // the About dialog shows its own fonts: checked for place only
  } dialogs[] = {{kMenuDiscDescription, L"Описание диска", true}, {kMenuAbout, L"О программе", false}};
  for (const auto& d : dialogs) {
    SCOPED_TRACE(d.title);
    editor.Menu(d.command);
    HWND dialog = uidriver::WaitForWindow({.className = L"#32770", .title = d.title, .processId = editor.process().Id()});
    ASSERT_NE(dialog, nullptr);
    ExpectFitted(dialog, d.messageFont ? line.height : 0, d.messageFont ? frame : 0, DialogFramed);
    if (!line.defaultSize && d.messageFont) {
      uidriver::SaveScreenshot(dialog, uidriver::OwnFolder() + L"\\frontsmith_large_text_description.png");
    }
    uidriver::PressButton(uidriver::FindChild(dialog, {.className = L"Button", .id = IDOK}));
    ASSERT_TRUE(uidriver::WaitForWindowGone(dialog));
  }
}

}  // namespace
}  // namespace frontsmith_test
