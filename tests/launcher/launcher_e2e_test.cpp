// The launcher end to end under Wine: started on fixture discs, it lists the catalogue,
// shows the description, and ends with a report that names what is wrong with a disc.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <unordered_set>
#include <string>

#include "tests/launcher/fixture_disc.h"
#include "uidriver/pixel_surface.h"
#include "uidriver/uidriver.h"
#include "win32/handles.h"

namespace discfront {
namespace {


using testing::FixtureDisc;
using testing::kLauncherWindow;
using uidriver::Process;

const std::wstring kCatalogue =
    L"Каталог примера: текст до первой записи не читается\r\n"
    L"&\\setup\\setup.exe#Офис$Установка офисного пакета@\\pics\\office.bmp\r\n"
    L"&\\drivers\\install.exe#Драйверы$Драйверы, утилиты@none\r\n"
    L"&\\tools\\tool.exe#Утилиты и прочее$Разные\r\nполезные программы@\\pics\\tools.bmp\r\n"
    L"&\\last.exe#Последняя$Без перевода строки в конце@none";
const std::vector<std::wstring> kTitles = {L"Офис", L"Драйверы", L"Утилиты и прочее", L"Последняя"};

const std::wstring kDescription =
    L"Добро пожаловать,\r\n  это диск с программами.\r\nВыберите, что установить\r\n";
const std::wstring kJoinedDescription = L"Добро пожаловатьэто диск с программами.Выберитечто установить";

// From a folder with Cyrillic letters and blanks in its name.
TEST(LauncherStartUp, ListsTitlesInFileOrderShowsTheJoinedDescriptionSelectsNothing) {
  FixtureDisc disc(L"Диск с программами");
  disc.WriteText(L"content.lnc", kCatalogue);
  disc.WriteText(L"info.txt", kDescription);
  testing::Launcher launcher(disc);
  ASSERT_TRUE(launcher.ok());
  EXPECT_EQ(uidriver::WindowText(launcher.main()), kLauncherWindow);
  EXPECT_EQ(uidriver::ListBoxItems(launcher.list()), kTitles);
  EXPECT_EQ(uidriver::ListBoxSelection(launcher.list()), -1);
  EXPECT_EQ(uidriver::GetText(uidriver::FindChild(launcher.main(), {.className = L"Edit"})), kJoinedDescription);
  uidriver::SaveScreenshot(launcher.main(), uidriver::OwnFolder() + L"\\launcher_sound_disc.png");
  EXPECT_TRUE(launcher.process().IsRunning());
}

// An entry whose program asks for administrator rights has the system's shield before
// its title, where a plain entry's line shows only the list's colour.
TEST(LauncherStartUp, MarksTheEntryWhoseProgramAsksForAdministratorRightsWithTheShield) {
  FixtureDisc disc(L"disc_shield");
  disc.CopyFromSampleDisc(L"programs\\hello.exe", L"hello.exe");
  disc.CopyFromSampleDisc(L"programs\\admin.exe", L"admin.exe");
  disc.WriteData(L"&\\hello.exe#Обычная$c@none\r\n&\\admin.exe -s#Администратор$c@none\r\n");
  testing::Launcher launcher(disc);
  ASSERT_TRUE(launcher.ok());
  uidriver::CaptureWindow(launcher.main());  // once it has painted
  // The colours in the square before a line's title (inside the focus frame).
  auto coloursBeforeTitle = [&](int item) {
    const RECT line = uidriver::ListBoxItemRect(launcher.list(), item);
    const uidriver::Image square =
        uidriver::CaptureScreen({line.left + 1, line.top + 1, line.left + line.bottom - line.top, line.bottom - 1});
    std::set<COLORREF> colours;
    for (int y = 0; y < square.height; ++y) {
      for (int x = 0; x < square.width; ++x) colours.insert(square.Pixel(x, y));
    }
    return colours.size();
  };
  EXPECT_EQ(coloursBeforeTitle(0), 1u);
  EXPECT_GT(coloursBeforeTitle(1), 2u);
  uidriver::SaveScreenshot(launcher.main(), uidriver::OwnFolder() + L"\\launcher_shield.png");
}

// With EntryIcons=yes each line starts with the icon of what Install opens (a program's,
// a document's file type's), fetched after the window shows, and a line whose file is
// missing keeps the column empty; without the setting the lines are the font's height
// and show nothing before the titles.
TEST(LauncherStartUp, ShowsEntryIconsOnlyWhenTheDiscAsksForThem) {
  FixtureDisc disc(L"disc_icons");
  disc.CopyFromSampleDisc(L"programs\\hello.exe", L"hello.exe");
  disc.WriteText(L"read me.txt", L"text");
  disc.WriteData(L"&\\hello.exe#Программа$c@none\r\n&\\read me.txt#Документ$c@none\r\n&\\gone.exe#Нет$c@none\r\n");
  for (const bool icons : {false, true}) {
    SCOPED_TRACE(icons ? "EntryIcons=yes" : "no discfront.ini");
    if (icons) disc.WriteText(L"discfront.ini", L"EntryIcons=yes\r\n");
    testing::Launcher launcher(disc);
    ASSERT_TRUE(launcher.ok());
    uidriver::CaptureWindow(launcher.main());  // once it has painted
    const int iconSize = GetSystemMetrics(SM_CXSMICON);
    const int lineHeight = static_cast<int>(SendMessageW(launcher.list(), LB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(lineHeight >= iconSize, icons) << lineHeight;
    // The colours in the icon's square at the start of a line, and where the first pixel
    // other than the line's background is (inside the focus frame).
    auto lineStart = [&](int item) {
      const RECT line = uidriver::ListBoxItemRect(launcher.list(), item);
      const uidriver::Image image =
          uidriver::CaptureScreen({line.left + 1, line.top + 1, line.right - 1, line.bottom - 1});
      std::set<COLORREF> colours;
      int ink = image.width;
      for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
          if (x < iconSize - 1) colours.insert(image.Pixel(x, y));
          if (image.Pixel(x, y) != image.Pixel(image.width - 1, y)) ink = std::min(ink, x + 1);
        }
      }
      return std::pair{colours.size(), ink};
    };
    for (int item = 0; item < 3; ++item) {
      SCOPED_TRACE(item);
      if (!icons) {
        EXPECT_LE(lineStart(item).second, 4) << "the title is where the system's list puts it";
      } else if (item < 2) {
        EXPECT_TRUE(uidriver::WaitUntil([&] { return lineStart(item).first > 2; })) << "no icon";
      } else {  // no file, no icon: the title still after the column
        EXPECT_GT(lineStart(item).second, iconSize);
        EXPECT_LE(lineStart(item).second, iconSize + 8);
      }
    }
    uidriver::SaveScreenshot(launcher.main(),
                             uidriver::OwnFolder() + (icons ? L"\\launcher_icons.png" : L"\\launcher_no_icons.png"));
    EXPECT_TRUE(launcher.process().Close());
  }
}

// A faulty disc: the one report names the error, its description and the file (and for
// a catalogue fault the record), with the stop icon, while the hidden window is there,
// with its icon when the failed step comes after the icon's; after OK the launcher has
// ended with the error's number.
struct FaultCase {
  const char* name;
  std::function<void(const FixtureDisc&)> spoil;  // what goes wrong on a sound disc
  std::wstring number;                             // "Ошибка N"
  std::wstring description;
  std::wstring file;    // the file the report names
  std::wstring record;  // "Запись номер K", or empty
  bool icon = true;     // the notification icon is there when the report shows
};

class LauncherFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(LauncherFault, ReportsTheProblemAndEnds) {
  const FaultCase& c = GetParam();
  FixtureDisc disc(L"disc_fault");
  disc.WriteText(L"content.lnc", kCatalogue);
  disc.WriteText(L"info.txt", kDescription);
  c.spoil(disc);

  Process launcher = Process::Start(disc.Launcher(), {}, uidriver::OwnFolder());
  HWND box = uidriver::WaitForMessageBox(launcher.Id());
  ASSERT_NE(box, nullptr) << "no report";
  const auto report = uidriver::ReadMessageBox(box);
  EXPECT_EQ(report.caption, L"discfront");
  EXPECT_EQ(report.icon, uidriver::IconKind::kError);
  for (const std::wstring& part : {c.number, c.description, disc.Folder().wstring() + L"\\" + c.file, c.record}) {
    EXPECT_NE(report.text.find(part), std::wstring::npos)
        << ::testing::PrintToString(part) << " is not in " << ::testing::PrintToString(report.text);
  }
  const HWND main =
      uidriver::FindWindowNow({.className = kLauncherWindow, .processId = launcher.Id(), .visibleOnly = false});
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(IsWindowVisible(main)) << "the window is shown only after a load without faults";
  EXPECT_EQ(testing::HasTrayIcon(main), c.icon);
  ASSERT_TRUE(uidriver::PressMessageBoxButton(box, IDOK));
  EXPECT_TRUE(launcher.WaitForExit()) << "the launcher carried on after the report, or reported again";
  EXPECT_EQ(launcher.ExitCode(), std::optional<DWORD>(std::stoul(c.number.substr(c.number.find(L' ')))));
}

INSTANTIATE_TEST_SUITE_P(
    Discs, LauncherFault,
    ::testing::Values(
        // A missing catalogue or description is the same report.
        FaultCase{"MissingSkin", [](const FixtureDisc& d) { std::filesystem::remove(d.Folder() / L"skin\\back.bmp"); },
                  L"Ошибка 53", L"Файл не найден", L"skin\\back.bmp", {}},
        // The hover skin is read before the window shows, ahead of the icon.
        FaultCase{"MissingHoverSkin",
                  [](const FixtureDisc& d) { std::filesystem::remove(d.Folder() / L"skin\\buttonmove.bmp"); },
                  L"Ошибка 53", L"Файл не найден", L"skin\\buttonmove.bmp", {}, false},
        FaultCase{"RecordWithoutAt",
                  [](const FixtureDisc& d) {
                    d.WriteText(L"content.lnc", L"&\\a.exe#Первая$Ладно@none\r\n&\\b.exe#Вторая$без собаки\r\n");
                  },
                  L"Ошибка 5", L"Недопустимый вызов процедуры или аргумент", L"content.lnc", L"Запись номер 2"},
        // Refused before decoding: more pixels than the caps allow, or more bytes.
        FaultCase{"SkinOfTooManyPixels",
                  [](const FixtureDisc& d) { d.WriteBmp(L"skin\\back.bmp", 20000, 20000, {}); },
                  L"Ошибка 481", L"Недопустимый рисунок", L"skin\\back.bmp", {}},
        FaultCase{"SkinOfTooManyBytes",
                  [](const FixtureDisc& d) {
                    d.WriteBmp(L"skin\\back.bmp", 4000, 4000, {}, (std::uint64_t{64} << 20) + 1);
                  },
                  L"Ошибка 7", L"Недостаточно памяти", L"skin\\back.bmp", {}}),
    [](const ::testing::TestParamInfo<FaultCase>& param) { return std::string(param.param.name); });

// Each size the launcher's icon carries is drawn as the system reads it, the large
// ones stored as PNG included: on magenta, part of it covers and part stays clear, in
// many colours (an image the system cannot read loads as nothing or as a blank).
TEST(LauncherIcon, EachSizeItCarriesIsReadAndDrawn) {
  FixtureDisc disc(L"disc_icon");
  const HMODULE program =
      LoadLibraryExW(disc.Launcher().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(program, nullptr);
  for (int size : {16, 24, 32, 48, 72, 96}) {
    SCOPED_TRACE(size);
    const win32::UniqueIcon icon(static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0)));
    ASSERT_TRUE(icon);
    uidriver::PixelSurface surface(size, size);
    ASSERT_TRUE(surface.valid());
    const RECT all{0, 0, size, size};
    const win32::UniqueBrush magenta(CreateSolidBrush(testing::kMagenta));
    FillRect(surface.dc(), &all, magenta.get());
    ASSERT_TRUE(DrawIconEx(surface.dc(), 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL));
    GdiFlush();
    std::size_t covered = 0;
    std::unordered_set<std::uint32_t> colours;
    for (std::size_t i = 0; i < static_cast<std::size_t>(size * size); ++i) {
      if (surface.Pixel(i) == 0xFF00FFu) continue;
      ++covered;
      colours.insert(surface.Pixel(i));
    }
    EXPECT_GT(covered, static_cast<std::size_t>(size * size) / 3);
    EXPECT_LT(covered, static_cast<std::size_t>(size * size));
    EXPECT_GE(colours.size(), 16U);
  }
  FreeLibrary(program);
}

}  // namespace
}  // namespace discfront
