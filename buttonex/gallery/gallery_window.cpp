// The gallery's window: the buttons, the event log, and nothing else.
#include "buttonex/gallery/gallery_window.h"

#include <cstdio>
#include <functional>

#include "buttonex/gallery/gallery_skins.h"

namespace discfront::buttonex::gallery {
namespace {

constexpr int kLogLines = 400;  // older lines are dropped

struct Sample {
  int id;
  const wchar_t* name;
  int x, y;
  std::function<void(ButtonModel&)> setUp;
};

void Skins(ButtonModel& p, COLORREF body) {
  p.SetTransparentColor(kKey);
  p.SetSkinUp(MakeSkin(body));
  p.SetSkinOver(MakeSkin(RGB(std::min(255, GetRValue(body) + 60), std::min(255, GetGValue(body) + 60),
                             std::min(255, GetBValue(body) + 60))));
  p.SetSkinDown(MakeSkin(RGB(GetRValue(body) / 2, GetGValue(body) / 2, GetBValue(body) / 2)));
  p.SetSkinFocus(nullptr);
  p.SetSkinDisabled(MakeSkin(RGB(150, 150, 150)));
  p.SetForeColor(RGB(255, 255, 255));
  p.SetHighlightColor(RGB(255, 255, 0));
  p.SetAppearance(2);
}

std::vector<Sample> Samples() {
  return {
      {kIdFlat, L"cmdFlat", 10, 10, [](ButtonModel& p) {
         p.SetAppearance(0);
         p.SetCaption(L"&Плоская");
         p.SetHighlightColor(RGB(200, 0, 0));
       }},
      {kId3D, L"cmd3D", 150, 10, [](ButtonModel& p) { p.SetCaption(L"&Объёмная"); }},
      {kIdSkin, L"cmdSkin", 280, 10, [](ButtonModel& p) {
         Skins(p, RGB(40, 90, 170));
         p.SetCaption(L"&Установить");
       }},
      {kIdNoSkin, L"cmdNoSkin", 10, 60, [](ButtonModel& p) {
         p.SetAppearance(2);
         p.SetSkinUp(nullptr);
         p.SetCaption(L"Без &скина");
       }},
      {kIdToggle, L"cmdToggle", 150, 60, [](ButtonModel& p) {
         p.SetStyle(1);
         p.SetCaption(L"&Залипает");
       }},
      {kIdPicture, L"cmdPicture", 280, 60, [](ButtonModel& p) {
         Skins(p, RGB(30, 130, 60));
         p.SetPicture(MakeGlyph(RGB(255, 220, 0)));
         p.SetPictureOver(nullptr);
         p.SetPictureDown(nullptr);
         p.SetCaption(L"С &картинкой");
       }},
      {kIdDisabled, L"cmdDisabled", 10, 110, [](ButtonModel& p) {
         p.SetCaption(L"&Недоступна");
         p.SetPicture(MakeGlyph(RGB(0, 0, 200)));
         p.SetPictureDisabled(nullptr);
         p.SetTransparentColor(kKey);
         p.SetEnabled(false);
       }},
      {kIdHighlight, L"cmdHighlight", 150, 110, [](ButtonModel& p) {
         p.SetPicture(MakeGlyph(RGB(0, 0, 0)));
         p.SetPictureOver(nullptr);
         p.SetPictureDown(nullptr);
         p.SetTransparentColor(kKey);
         p.SetHighlightColor(RGB(0, 0, 255));
         p.SetHighlightPicture(true);
         p.SetCaption(L"&Подсветка");
         p.Redraw(1);
       }},
      {kIdRightToLeft, L"cmdRightToLeft", 280, 110, [](ButtonModel& p) {
         p.SetRightToLeft(true);
         p.SetCaption(L"Справа &налево");
       }},
      {kIdAccessKey, L"cmdAccessKey", 10, 160, [](ButtonModel& p) {
         p.SetCaption(L"&&Клавиша &Q");
         p.SetToolTipText(L"Alt+Q нажимает эту кнопку");
       }},
      {kIdSkinDisabled, L"cmdSkinDisabled", 150, 160, [](ButtonModel& p) {
         Skins(p, RGB(170, 60, 40));
         p.SetCaption(L"Скин недоступен");
         p.SetEnabled(false);
       }},
  };
}

}  // namespace

bool GalleryWindow::Create(bool pollExit) {
  if (!RegisterClassOnce(kGalleryClass)) return false;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT r{0, 0, 720, 300};
  AdjustWindowRect(&r, style, FALSE);
  if (!CreateWindowFor(kGalleryClass, kGalleryTitle, style, 0, 40, 40, r.right - r.left, r.bottom - r.top)) {
    return false;
  }
  log_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"ListBox", nullptr,
                         WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, 420, 10, 290, 280,
                         hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdLog)), GetModuleHandleW(nullptr),
                         nullptr);
  SendMessageW(log_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  AddButtons(pollExit);
  ShowWindow(hwnd(), SW_SHOW);
  UpdateWindow(hwnd());
  return true;
}

void GalleryWindow::AddButtons(bool pollExit) {
  for (const Sample& sample : Samples()) {
    names_.emplace_back(sample.id, sample.name);
    ButtonEx* button = ButtonEx::Create(hwnd(), sample.id, sample.x, sample.y);
    if (button == nullptr) continue;
    if (pollExit) button->SetExitWatch(ExitWatch::kPoll);
    // Framed buttons get room for their captions; skinned ones take their skin's size.
    SetWindowPos(button->hwnd(), nullptr, 0, 0, 124, 28, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    sample.setUp(button->Props());
  }
  Log(L"Готово");
}

std::wstring GalleryWindow::NameOf(UINT_PTR id) const {
  for (const auto& [known, name] : names_) {
    if (static_cast<UINT_PTR>(known) == id) return name;
  }
  return L"?";
}

void GalleryWindow::Log(const std::wstring& line) {
  if (log_ == nullptr) return;
  if (SendMessageW(log_, LB_GETCOUNT, 0, 0) >= kLogLines) SendMessageW(log_, LB_DELETESTRING, 0, 0);
  const LRESULT at = SendMessageW(log_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  SendMessageW(log_, LB_SETTOPINDEX, static_cast<WPARAM>(at), 0);
}

LRESULT GalleryWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NOTIFY: {
      const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
      if (hdr->code == kBxnPropertyChanged) return 0;
      for (int e = 0; e < 10; ++e) {
        if (hdr->code != ButtonExCode(static_cast<ButtonEvent>(e))) continue;
        const EventArgs& a = reinterpret_cast<const NmButtonEx*>(lParam)->args;
        const std::string_view name = EventName(a.event);
        std::wstring line = NameOf(hdr->idFrom) + L": " + std::wstring(name.begin(), name.end());
        wchar_t buf[96];
        switch (a.event) {
          case ButtonEvent::kMouseDown:
          case ButtonEvent::kMouseMove:
          case ButtonEvent::kMouseUp:
            std::swprintf(buf, 96, L" %d %d %g %g", a.code, a.shift, a.x, a.y);
            line += buf;
            break;
          case ButtonEvent::kKeyDown:
          case ButtonEvent::kKeyUp:
            std::swprintf(buf, 96, L" %d %d", a.code, a.shift);
            line += buf;
            break;
          case ButtonEvent::kKeyPress:
            std::swprintf(buf, 96, L" %d", a.code);
            line += buf;
            break;
          default:
            break;
        }
        Log(line);
      }
      return 0;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) != kIdLog) {
        Log(NameOf(LOWORD(wParam)) + L": BN_CLICKED");
        return 0;
      }
      return DefaultHandling(msg, wParam, lParam);
    case kGalleryCpuQuery: {
      FILETIME created, ended, kernel, user;
      GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
      auto ticks = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
      return static_cast<LRESULT>((ticks(kernel) + ticks(user)) / 10);  // 32 bits hold over half an hour
    }
    case kGalleryWakeUpQuery:
      return wakeUps_;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefaultHandling(msg, wParam, lParam);
  }
}

}  // namespace discfront::buttonex::gallery
