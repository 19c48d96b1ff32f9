// window_snapshot.exe PROGRAM TITLE OUTPUT.png: starts PROGRAM, waits until its window
// titled TITLE is shown and painted, saves that window as a PNG file and closes the
// program again. ./run.sh takes the launcher's picture with it, so that showing the
// launcher needs no image tool on the machine.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>

#include "uidriver/uidriver.h"

namespace {

using namespace std::chrono_literals;

// Console output under Wine goes to the terminal as bytes: UTF-8 keeps Cyrillic readable.
std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  return bytes;
}

int Fail(const std::wstring& what) {
  std::fprintf(stderr, "window_snapshot: %s\n", Utf8(what).c_str());
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: window_snapshot PROGRAM TITLE OUTPUT.png\n");
    return 2;
  }
  const std::wstring program = argv[1], title = argv[2], output = argv[3];
  std::optional<uidriver::Process> app;
  try {
    app.emplace(uidriver::Process::Start(program));
  } catch (const std::runtime_error& e) {
    return Fail(L"cannot start " + program + L": " + std::wstring(e.what(), e.what() + std::strlen(e.what())));
  }
  // A program that fails at start shows a message box or ends instead: no need to wait
  // for the whole time-out then.
  HWND window = nullptr, box = nullptr;
  uidriver::WaitUntil(
      [&] {
        window = uidriver::FindWindowNow({.title = title, .processId = app->Id()});
        box = window ? nullptr : uidriver::WaitForMessageBox(app->Id(), 0ms);
        return window != nullptr || box != nullptr || !app->IsRunning();
      },
      60s);  // the first start of a fresh Wine prefix is slow
  if (window == nullptr) {
    if (box != nullptr) {
      const auto message = uidriver::ReadMessageBox(box);
      return Fail(L"instead of its window the program shows \"" + message.caption + L"\": " + message.text);
    }
    return Fail(app->IsRunning() ? L"the window \"" + title + L"\" did not appear"
                                 : L"the program ended before showing \"" + title + L"\"");
  }
  uidriver::MoveWineTrayAside(window);
  const bool saved = uidriver::SaveScreenshot(window, output);
  if (!app->Close()) app->Kill();  // ~Process would kill it too; closing lets it tidy up
  if (!saved) return Fail(L"cannot write " + output);
  return 0;
}
