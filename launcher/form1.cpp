// Form1's layout and load sequence: the button skins, the notification icon, the
// window's shape, then the description from info.txt and the catalogue from
// content.lnc, both read with the shared item reader. What the first look of the
// window does not need (the icon, the accessible names, the hover and pressed skins)
// is done just after it shows; the files are all read before, so that a failure is
// found in the sequence's order.
#include "form1.h"

#include <windowsx.h>

#include <new>
#include <optional>
#include <stdexcept>

#include "about/about_dialog.h"
#include "buttonex/button_ex.h"
#include "catalogue/catalogue_reader.h"
#include "disc/elevated_entries.h"
#include "disc/entry_icon_files.h"
#include "disc/install_plan.h"
#include "base/numbered_error.h"
#include "launcher/install_command.h"
#include "launcher/resource.h"
#include "launcher/skin_set.h"
#include "launcher/skin_shape.h"
#include "win32/accessible_name.h"
#include "win32/app_folder.h"
#include "win32/display_dpi.h"
#include "win32/edit_box_text.h"
#include "win32/file_icon.h"
#include "win32/error_report.h"
#include "win32/file_io.h"
#include "win32/high_contrast.h"
#include "win32/picture.h"
#include "win32/program_file.h"
#include "win32/system_file_probe.h"
#include "base/texts.h"
#include "launcher/launcher_texts.h"

namespace discfront {
namespace {

// Install runs from the message loop, after the button or list that asked for it has
// finished its own handling of the click: starting a program takes the focus away,
// and a control caught in the middle of a click must not see that.
constexpr UINT kRunInstall = WM_APP + 1;
constexpr UINT kFetchIcon = WM_APP + 2;

// Design client area, in twips.
constexpr int kDesignWidth = 7950;
constexpr int kDesignHeight = 5235;
// The command buttons' column, in twips.
constexpr int kButtonLeft = 4680;
constexpr int kButtonWidth = 2535;
constexpr int kButtonHeight = 375;
constexpr int kButtonTops[] = {480, 960, 1440, 1920};
// Where the list and the description box are designed, in twips.
constexpr RECT kListPlace{360, 480, 360 + 4215, 480 + 4350};
constexpr RECT kAboutProgPlace{4680, 2400, 4680 + 2535, 2400 + 2415};

}  // namespace

Form1::~Form1() {
  // A window still there (a failure left the message loop) goes while the members
  // its messages use are alive.
  if (hwnd() != nullptr) DestroyWindow(hwnd());
}

void Form1::Create() {
  disc_ = DiscFolder(win32::ApplicationFolder());
  highContrast_ = win32::HighContrastOn();
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_DISCFRONT));
  RegisterClassOnce(kClassName, icon, 0, nullptr);

  // Created as an ordinary overlapped window so that the system chooses where it
  // goes, then stripped of border and title bar before it is ever shown.
  CreateWindowFor(kClassName, kTitle, WS_OVERLAPPEDWINDOW, WS_EX_CONTROLPARENT | WS_EX_APPWINDOW, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
  if (hwnd() == nullptr) throw std::runtime_error("the main window cannot be created");
  SetWindowLongPtrW(hwnd(), GWL_STYLE, WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU);
  // One scale for the whole window, that of the monitor it opens on.
  dpi_ = win32::WindowDpi(hwnd());
  screen_ = {dpi_, dpi_};
  skinPercent_ = SkinSetFor(disc_, dpi_);
  SetWindowPos(hwnd(), nullptr, 0, 0, screen_.XToPixels(kDesignWidth), screen_.YToPixels(kDesignHeight),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

  CreateControls();
  LoadButtonSkins();
  // The icon's step: a failure from here on is reported with the icon there.
  try {
    ShapeWindow();
    LoadDescription();
    LoadCatalogueFile();
  } catch (...) {
    AddTrayIcon();
    throw;
  }
}

bool Form1::PreTranslateMessage(const MSG& msg) {
  // The description box is multi-line and would keep Tab; it only shows text, so Tab
  // moves on from it as from every other control.
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || msg.hwnd != aboutProg_) return false;
  SetFocus(GetNextDlgTabItem(hwnd(), aboutProg_, GetKeyState(VK_SHIFT) < 0));
  return true;
}

void Form1::Show(int showCommand) {
  ShowWindow(hwnd(), showCommand);
  UpdateWindow(hwnd());
  // Before the first message is taken: no client can ask for a name or hover over a
  // button before these are in place. The icon goes last, since adding it lets the
  // notification area's messages in.
  NameForAccessibility();
  GiveLaterSkins();
  AddTrayIcon();
  FetchIcons();
}

int Form1::IconSize() const { return settings_.entryIcons ? win32::SystemMetricForDpi(SM_CXSMICON, dpi_) : 0; }

void Form1::FetchIcons() {
  nextIcon_ = 0;
  if (iconFiles_.empty() || std::exchange(iconFetchPosted_, true)) return;
  PostMessageW(hwnd(), kFetchIcon, 0, 0);
}

void Form1::FetchNextIcon() {
  iconFetchPosted_ = false;
  while (nextIcon_ < iconFiles_.size() && iconFiles_[nextIcon_].empty()) ++nextIcon_;
  if (nextIcon_ >= iconFiles_.size()) return;
  const std::size_t item = nextIcon_++;
  entryList_.SetIcon(item, win32::FileIcon(iconFiles_[item], IconSize()));
  RECT line{};
  if (SendMessageW(list_, LB_GETITEMRECT, item, reinterpret_cast<LPARAM>(&line)) != LB_ERR) {
    InvalidateRect(list_, &line, FALSE);
  }
  iconFetchPosted_ = true;
  PostMessageW(hwnd(), kFetchIcon, 0, 0);
}

void Form1::NameForAccessibility() {
  // A list and a text box show no name of their own; a screen reader says these.
  win32::SetAccessibleName(list_, Text(kTextListName), ROLE_SYSTEM_LIST);
  win32::SetAccessibleName(aboutProg_, Text(kTextDescriptionName), ROLE_SYSTEM_TEXT);
}

void Form1::AddTrayIcon() {
  // The notification area shows small icons: its own image of that size, not the large one shrunk.
  const auto smallIcon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_DISCFRONT),
                                                       IMAGE_ICON, win32::SystemMetricForDpi(SM_CXSMICON, dpi_),
                                                       win32::SystemMetricForDpi(SM_CYSMICON, dpi_), LR_SHARED));
  tray_.Add(hwnd(), smallIcon, kTrayTip);
}

void Form1::EndWithReport(ErrorNumber number, const std::wstring& fileName, int recordNumber) {
  throw win32::ReportedError({number, fileName, recordNumber});
}

HWND Form1::CreateControl(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int id,
                          int left, int top, int width, int height) {
  HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, screen_.XToPixels(left),
                                 screen_.YToPixels(top), screen_.XToPixels(width), screen_.YToPixels(height), hwnd(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return control;
}

void Form1::PlaceControl(HWND control, const RECT& place) const {
  SetWindowPos(control, nullptr, screen_.XToPixels(place.left), screen_.YToPixels(place.top),
               screen_.XToPixels(place.right - place.left), screen_.YToPixels(place.bottom - place.top),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

buttonex::ButtonEx* Form1::CreateButton(int id, const wchar_t* caption, int top) {
  buttonex::ButtonEx* button =
      buttonex::ButtonEx::Create(hwnd(), id, screen_.XToPixels(kButtonLeft), screen_.YToPixels(top));
  // A skinned button takes its skin's size (the design's 2535 x 375 twips for the
  // sample skins) when its skins are assigned.
  if (button == nullptr) return nullptr;
  // The designed size, which a button keeps when high contrast shows no skins.
  SetWindowPos(button->hwnd(), nullptr, 0, 0, screen_.XToPixels(kButtonWidth), screen_.YToPixels(kButtonHeight),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  buttonex::ButtonModel& props = button->Props();
  const buttonex::RedrawBatch batch(props);
  props.SetAppearance(2);  // skinned
  props.SetFont(std::make_shared<const buttonex::FontDescription>());  // MS Sans Serif 8.25, Cyrillic
  props.SetTransparentColor(kSkinKey);
  props.SetCaption(caption);
  return button;
}

void Form1::MakeFont() {
  // "MS Sans Serif" 8.25 pt with the Cyrillic character set, as designed, at the window's resolution.
  LOGFONTW lf{};
  lf.lfHeight = -FontHeightPixels(8.25, screen_.dpiY);
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = RUSSIAN_CHARSET;
  wcscpy_s(lf.lfFaceName, L"MS Sans Serif");
  font_.reset(CreateFontIndirectW(&lf));
}

void Form1::CreateControls() {
  MakeFont();
  // In tab order.
  list_ = CreateControl(L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                        WS_EX_CLIENTEDGE, kList,
                        kListPlace.left, kListPlace.top, kListPlace.right - kListPlace.left,
                        kListPlace.bottom - kListPlace.top);
  aboutProg_ = CreateControl(L"EDIT", L"", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY,
                             WS_EX_CLIENTEDGE, kAboutProg, kAboutProgPlace.left, kAboutProgPlace.top,
                             kAboutProgPlace.right - kAboutProgPlace.left,
                             kAboutProgPlace.bottom - kAboutProgPlace.top);
  buttons_ = {CreateButton(kCmdInstal, Text(kTextInstallCaption).c_str(), kButtonTops[0]),
              CreateButton(kCmdPic, Text(kTextPictureCaption).c_str(), kButtonTops[1]),
              CreateButton(kCommand1, Text(kTextAboutCaption).c_str(), kButtonTops[2]),
              CreateButton(kCmdQuit, Text(kTextExitCaption).c_str(), kButtonTops[3])};
}

void Form1::LoadButtonSkins() {
  // The three pictures, in the designed order, each read and decoded once: the four
  // buttons show the same files, and a button only ever draws from its skins.
  skinFiles_ = SkinFiles{};
  skinFiles_.percent = skinPercent_;
  skinFiles_.up = ReadSkin(disc_, Skin::kButton, skinPercent_);
  skinFiles_.over = ReadSkin(disc_, Skin::kButtonMove, skinPercent_);
  skinFiles_.down = ReadSkin(disc_, Skin::kButtonDown, skinPercent_);
}

void Form1::ShapeWindow() {
  skinFiles_.back = ReadSkin(disc_, Skin::kBack, skinPercent_);
  // Scaled for the window's resolution, or shown smaller where that would pass the caps.
  ShowSkins(ScaleSkins(skinFiles_, dpi_), ButtonStates::kUpOnly);
  skinFiles_ = {};  // the scaled ones are kept, the files as read are not
}

void Form1::ShowSkins(ShownSkins skins, ButtonStates states) {
  if (skins.dpi != dpi_) UseResolution(skins.dpi);
  skinPercent_ = skins.percent;
  // Skins given again at a new scale are never overwritten by the start-up's later ones.
  laterSkinsPending_ = states == ButtonStates::kUpOnly;
  for (buttonex::ButtonEx* button : buttons_) {
    if (button == nullptr) continue;
    buttonex::ButtonModel& props = button->Props();
    const buttonex::RedrawBatch batch(props);  // drawn and sized once, with the skins given
    button->SetDpi(dpi_);
    props.SetSkinUp(skins.up);
    if (states == ButtonStates::kAll) {
      props.SetSkinOver(skins.over);
      props.SetSkinDown(skins.down);
    }
    // Focused, a button keeps its skin and shows the focus rectangle on it; a new
    // button's empty focus skin would show no skin at all.
    props.SetSkinFocus(skins.up);
  }
  skins_ = std::move(skins);
  CutWindow();
  // Cut: the end of high contrast cuts the window again from the bitmap.
  skins_.back.pixels.reset();
}

void Form1::GiveLaterSkins() {
  if (!std::exchange(laterSkinsPending_, false)) return;
  for (buttonex::ButtonEx* button : buttons_) {
    if (button == nullptr) continue;
    buttonex::ButtonModel& props = button->Props();
    const buttonex::RedrawBatch batch(props);
    props.SetSkinOver(skins_.over);
    props.SetSkinDown(skins_.down);
  }
}

void Form1::CutWindow() {
  ApplySkinShape(hwnd(), skins_.back);
  if (highContrast_) SetWindowRgn(hwnd(), nullptr, TRUE);
}

void Form1::LoadDescription() {
  const std::wstring fileName = disc_.DescriptionFile();
  std::wstring text;
  const ErrorNumber error = win32::ReadItemText(fileName, text);
  if (error != ErrorNumber::kNone) EndWithReport(error, fileName);
  SetWindowTextW(aboutProg_, win32::EditBoxText(text).c_str());
}

void Form1::LoadCatalogueFile() {
  const std::wstring fileName = disc_.CatalogueFile();
  std::string bytes;
  const ErrorNumber error = win32::ReadWholeFile(fileName, bytes);
  if (error != ErrorNumber::kNone) EndWithReport(error, fileName);

  CatalogueRead read = ReadCatalogue(bytes);
  entries_ = std::move(read.entries);
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  for (const CatalogueEntry& entry : entries_) {
    // A list item shows one line: a title's line breaks become blanks.
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::ReplaceLineBreaks(entry.title, L" ").c_str()));
  }
  entryList_.SetShields(
      EntriesAskingAdministrator(entries_, disc_, win32::SystemFileProbe(), win32::SystemProgramProbe()),
      static_cast<int>(SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0)));
  if (settings_.entryIcons) {
    // The column is there from the first look, so that no title moves when its icon comes.
    iconFiles_ = EntryIconFiles(entries_, disc_, win32::SystemFileProbe());
    entryList_.ShowIconColumn(entries_.size(), IconSize());
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  if (!read.ok()) EndWithReport(read.split.error, fileName, read.split.failedSlot + 1);
}

void Form1::UseResolution(int dpi) {
  dpi_ = dpi;
  screen_ = win32::DpiResolution::Of(dpi);
  MakeFont();
  for (HWND control : {list_, aboutProg_}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  }
  // The list draws its own lines, whose height the system asked once, at the old resolution.
  MEASUREITEMSTRUCT line{};
  EntryList::Measure(line, font_.get(), IconSize());
  SendMessageW(list_, LB_SETITEMHEIGHT, 0, line.itemHeight);
  entryList_.SetItemHeight(static_cast<int>(line.itemHeight));
  if (settings_.entryIcons) {
    // Fetched again at the new size rather than stretched; before the window shows
    // there are no entries yet, and Show fetches them.
    entryList_.ShowIconColumn(entries_.size(), IconSize());
    if (IsWindowVisible(hwnd())) FetchIcons();
  }
  PlaceControl(list_, kListPlace);
  PlaceControl(aboutProg_, kAboutProgPlace);
  // The designed size, which a skinned button then changes for its skins' and a button
  // under high contrast keeps.
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i] == nullptr) continue;
    PlaceControl(buttons_[i]->hwnd(),
                 {kButtonLeft, kButtonTops[i], kButtonLeft + kButtonWidth, kButtonTops[i] + kButtonHeight});
  }
}

void Form1::OnDpiChanged(int dpi, const RECT& suggested) {
  // The new scale's skins are read and made before anything changes: the files were
  // read at start-up, and a failure now (a disc taken out, no memory for them) keeps
  // the whole look of the old scale rather than ending the menu.
  std::optional<ShownSkins> skins;
  try {
    skins = ScaleSkins(ReadSkinFiles(disc_, SkinSetFor(disc_, dpi)), dpi);
  } catch (const win32::ReportedError&) {
  } catch (const std::bad_alloc&) {
  }
  if (skins) ShowSkins(std::move(*skins), ButtonStates::kAll);
  SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Form1::ShowSelectedComment() {
  const LRESULT selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  if (selected < 0 || static_cast<std::size_t>(selected) >= entries_.size()) return;
  SetWindowTextW(aboutProg_, win32::EditBoxText(entries_[static_cast<std::size_t>(selected)].comment).c_str());
}

void Form1::Install() {
  const int selected = static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0));
  const InstallPlan plan = PlanInstall(entries_, selected, disc_, win32::SystemFileProbe());
  const bool started = CarryOutInstall(hwnd(), plan);
  // A disc that asks for it (CloseAfterStart=yes) ends the menu once a program or
  // document is on its way; a folder window is a look at the disc, after which the
  // user comes back to the menu, and after a failure or a refusal the menu stays.
  if (started && settings_.closeAfterStart && plan.kind == InstallPlan::Kind::kStart) DestroyWindow(hwnd());
}

void Form1::ShowPicture() {
  // An open preview is only brought back, which reloads it.
  if (preview_ && preview_->IsOpen()) {
    SetForegroundWindow(preview_->hwnd());
    return;
  }
  preview_ = std::make_unique<PictureWindow>(list_, entries_, disc_);
  preview_->Open(hwnd());
}

void Form1::OnCommand(int id, int code) {
  switch (id) {
    case kList:
      if (code == LBN_SELCHANGE) ShowSelectedComment();
      if (code == LBN_DBLCLK) PostMessageW(hwnd(), kRunInstall, 0, 0);
      break;
    case kCmdInstal:
      if (code == BN_CLICKED) PostMessageW(hwnd(), kRunInstall, 0, 0);
      break;
    case kCmdPic:
      if (code == BN_CLICKED) ShowPicture();
      break;
    case kCommand1:
      if (code == BN_CLICKED) about::ShowLauncherAbout(hwnd(), MAKEINTRESOURCEW(IDI_DISCFRONT));
      break;
    case IDOK:  // Enter, as the dialog keys hand it over: on a list item it installs
      if (GetFocus() == list_ && SendMessageW(list_, LB_GETCURSEL, 0, 0) >= 0) PostMessageW(hwnd(), kRunInstall, 0, 0);
      break;
    case kCmdQuit:
      // At once, whatever else is open: the preview goes with the window that owns it.
      if (code == BN_CLICKED) DestroyWindow(hwnd());
      break;
    default:
      break;
  }
}

void Form1::OnMouseDown(LPARAM lParam) {
  // Activity over the notification icon arrives as a right press at height 0.
  if (GET_Y_LPARAM(lParam) == 0) {
    SetForegroundWindow(hwnd());
    SetFocus(hwnd());
  }
}

void Form1::OnMouseMove(WPARAM keys) {
  constexpr WPARAM kButtons = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2;
  if ((keys & kButtons) != MK_LBUTTON) return;
  // The system then moves the window with the mouse as if its title bar were held.
  // Windows starts from the cursor whatever the message says; Wine starts from the
  // message's point, so it carries where the mouse was when this move happened.
  ReleaseCapture();
  SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, static_cast<LPARAM>(GetMessagePos()));
}

void Form1::PaintBackground(HDC hdc) {
  RECT client;
  GetClientRect(hwnd(), &client);
  FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (skins_.back.picture && !highContrast_) {
    win32::DrawPicture(*skins_.back.picture, hdc, 0, 0, skins_.back.size.cx, skins_.back.size.cy);
  }
}

void Form1::ApplySystemLook(UINT msg, WPARAM wParam, LPARAM lParam) {
  for (buttonex::ButtonEx* button : buttons_) {
    if (button != nullptr) button->RefreshSystemLook();
  }
  // The list and the text box take new system colours themselves once told.
  SendMessageW(list_, msg, wParam, lParam);
  SendMessageW(aboutProg_, msg, wParam, lParam);
  const bool on = win32::HighContrastOn();
  if (on != highContrast_) {
    highContrast_ = on;
    // Back from high contrast the window is cut to its skin again, as it is shown.
    CutWindow();
  }
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT Form1::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case kRunInstall:
      Install();
      return 0;
    case kFetchIcon:
      FetchNextIcon();
      return 0;
    case WM_MEASUREITEM:
      if (wParam != kList) return DefaultHandling(msg, wParam, lParam);
      EntryList::Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam), font_.get(), IconSize());
      return TRUE;
    case WM_DRAWITEM:
      if (wParam != kList) return DefaultHandling(msg, wParam, lParam);
      entryList_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      OnMouseDown(lParam);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(wParam);
      return 0;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      ApplySystemLook(msg, wParam, lParam);
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(win32::NewDpi(wParam), win32::SuggestedRect(lParam));
      return 0;
    case WM_ENDSESSION:
      // The session ends when this returns: the usual way out, while there is time.
      if (wParam) DestroyWindow(hwnd());
      return 0;
    case WM_DESTROY:
      tray_.Remove();
      PostQuitMessage(0);
      return 0;
    default:
      if (msg == LauncherTray::TaskbarCreatedMessage()) {
        tray_.Restore();
        return 0;
      }
      return DefaultHandling(msg, wParam, lParam);
  }
}

}  // namespace discfront
