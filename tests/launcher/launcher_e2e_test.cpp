// The launcher end to end under Wine: started on fixture discs, it lists the catalogue,
// shows the description, and ends with a report that names what is wrong with a disc.
#include <gtest/gtest.h>

#include <string>

#include "tests/launcher/fixture_disc.h"
#include "uidriver/uidriver.h"

namespace discfront {
namespace {

using namespace std::chrono_literals;
using testing::FixtureDisc;
using uidriver::Process;

constexpr wchar_t kLauncherWindow[] = L"Korvel Discfront BETA";

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

// Starts the launcher of a disc from some other working directory, so that only its
// application folder can lead it to its files.
Process StartLauncher(const FixtureDisc& disc) {
  return Process::Start(disc.Launcher(), {}, uidriver::OwnFolder());
}

// The launcher on a whole, sound disc: the list, the description, no selection.
void ExpectLoaded(const FixtureDisc& disc, const std::wstring& screenshotName = {}) {
  Process launcher = StartLauncher(disc);
  HWND main = uidriver::WaitForWindow({.className = kLauncherWindow, .title = kLauncherWindow, .processId = launcher.Id()});
  ASSERT_NE(main, nullptr) << "the launcher's window did not appear";
  HWND list = uidriver::FindChild(main, {.className = L"ListBox"});
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(uidriver::ListBoxItems(list), kTitles);
  EXPECT_EQ(uidriver::ListBoxSelection(list), -1);
  EXPECT_EQ(uidriver::GetText(uidriver::FindChild(main, {.className = L"Edit"})), kJoinedDescription);
  if (!screenshotName.empty()) uidriver::SaveScreenshot(main, uidriver::OwnFolder() + L"\\" + screenshotName);
  EXPECT_TRUE(launcher.IsRunning());
}

// From a folder with Cyrillic letters and blanks in its name.
TEST(LauncherStartUp, ListsTitlesInFileOrderShowsTheJoinedDescriptionSelectsNothing) {
  FixtureDisc disc(L"Диск с программами");
  disc.WriteText(L"content.lnc", kCatalogue);
  disc.WriteText(L"info.txt", kDescription);
  ExpectLoaded(disc, L"launcher_sound_disc.png");
}

// A faulty disc: the report names the error, its description and the file (and for a
// catalogue fault the record), with the stop icon; after OK the launcher has ended.
struct FaultCase {
  const char* name;
  std::wstring missingFile;     // removed from an otherwise sound disc, or empty
  std::wstring catalogue;       // replaces the sound catalogue when not empty
  std::wstring number;          // "Ошибка N"
  std::wstring description;
  std::wstring file;            // the file the report names
  std::wstring record;          // "Запись номер K", or empty
};

std::wstring ThousandAndTwoRecords() {
  std::wstring text;
  for (int i = 0; i < 1002; ++i) text += L"&#$@\r\n";
  return text;
}

class LauncherFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(LauncherFault, ReportsTheProblemAndEnds) {
  const FaultCase& c = GetParam();
  FixtureDisc disc(L"disc_fault");
  disc.WriteText(L"content.lnc", c.catalogue.empty() ? kCatalogue : c.catalogue);
  disc.WriteText(L"info.txt", kDescription);
  if (!c.missingFile.empty()) disc.Remove(c.missingFile);

  Process launcher = StartLauncher(disc);
  HWND box = uidriver::WaitForMessageBox(launcher.Id());
  ASSERT_NE(box, nullptr) << "no report";
  const auto report = uidriver::ReadMessageBox(box);
  EXPECT_EQ(report.caption, L"discfront");
  EXPECT_EQ(report.icon, uidriver::IconKind::kError);
  const std::wstring fileName = disc.Folder().wstring() + L"\\" + c.file;
  for (const std::wstring& part : {c.number, c.description, fileName, c.record}) {
    EXPECT_NE(report.text.find(part), std::wstring::npos)
        << ::testing::PrintToString(part) << " is not in " << ::testing::PrintToString(report.text);
  }
  EXPECT_EQ(uidriver::FindWindowNow({.className = kLauncherWindow, .processId = launcher.Id()}), nullptr)
      << "the window is shown only after a load without faults";
  ASSERT_TRUE(uidriver::PressMessageBoxButton(box, IDOK));
  EXPECT_TRUE(launcher.WaitForExit()) << "the launcher carried on after the report";
  EXPECT_NE(launcher.ExitCode(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(
    Discs, LauncherFault,
    ::testing::Values(
        // A missing description or skin is the same report (the drive-root test and the
        // launcher's actions test read those).
        FaultCase{"MissingCatalogue", L"content.lnc", {}, L"Ошибка 53", L"Файл не найден", L"content.lnc", {}},
        FaultCase{"RecordWithoutAt", {}, L"&\\a.exe#Первая$Ладно@none\r\n&\\b.exe#Вторая$без собаки\r\n",
                  L"Ошибка 5", L"Недопустимый вызов процедуры или аргумент", L"content.lnc", L"Запись номер 2"},
        FaultCase{"ThousandAndTwoRecords", {}, ThousandAndTwoRecords(), L"Ошибка 9",
                  L"Индекс вне допустимого диапазона", L"content.lnc", L"Запись номер 1002"}),
    [](const ::testing::TestParamInfo<FaultCase>& param) { return std::string(param.param.name); });

// CTest's fixture launcher_drive_q maps the drive letter Q: onto an empty folder of the
// build tree (a symbolic link in the Wine prefix's dosdevices). The application folder is
// then "Q:\" and the data files are found through names like "Q:\\content.lnc".
TEST(LauncherStartUp, FindsItsFilesAtTheRootOfADrive) {
  const DWORD attributes = GetFileAttributesW(L"Q:\\");
  ASSERT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
      << "Q: is not mapped: run this test through ctest, whose fixture launcher_drive_q maps it";
  FixtureDisc disc = FixtureDisc::InFolder(L"Q:\\");
  disc.WriteText(L"content.lnc", kCatalogue);
  disc.WriteText(L"info.txt", kDescription);
  ASSERT_EQ(disc.Launcher(), L"Q:\\discfront.exe");
  ExpectLoaded(disc);

  // The report names the file as the launcher formed it, with the doubled backslash.
  disc.Remove(L"info.txt");
  Process launcher = StartLauncher(disc);
  HWND box = uidriver::WaitForMessageBox(launcher.Id());
  ASSERT_NE(box, nullptr);
  const std::wstring text = uidriver::ReadMessageBox(box).text;
  EXPECT_NE(text.find(L"Q:\\\\info.txt"), std::wstring::npos) << ::testing::PrintToString(text);
  EXPECT_TRUE(uidriver::PressMessageBoxButton(box));
  EXPECT_TRUE(launcher.WaitForExit());
}

}  // namespace
}  // namespace discfront
