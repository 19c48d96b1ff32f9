// The launcher speaks the language of its environment (Russian for Russian, English
// for any other) unless its disc's discfront.ini fixes one: captions, a message and the
// About dialog; and it shows a catalogue in several scripts character for character.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "about/about_dialog.h"
#include "about/about_texts.h"
#include "launcher/launcher_texts.h"
#include "tests/launcher/fixture_disc.h"
#include "tests/table_texts.h"
#include "uidriver/uidriver.h"

namespace discfront {
namespace {

using testing::FixtureDisc;
using testing::Launcher;
using testing::TableText;

constexpr int kCmdPic = 103, kCommand1 = 104;
constexpr wchar_t kSeveralScripts[] = L"Crème brûlée · Ελληνικά · 中文";

// The language of the environment the test runs in: CTest runs it in a Russian one and,
// once more, in an English one (DISCFRONT_TEST_ENVIRONMENT=en); the programs it starts
// inherit it.
UiLanguage EnvironmentLanguage() {
  wchar_t value[8] = {};
  GetEnvironmentVariableW(L"DISCFRONT_TEST_ENVIRONMENT", value, 8);
  return std::wstring(value) == L"en" ? UiLanguage::kEnglish : UiLanguage::kRussian;
}

TEST(LauncherLanguage, FollowsTheEnvironmentUnlessTheDiscFixesIt) {
  const struct {
    const wchar_t* settings;  // discfront.ini, or none
    UiLanguage shown;
  } cases[] = {
      {nullptr, EnvironmentLanguage()},
      {L"Language=ru\r\n", UiLanguage::kRussian},
      {L"Language=en\r\n", UiLanguage::kEnglish},
  };
  FixtureDisc disc(L"language_disc");
  disc.WriteData(std::wstring(L"&\\a.exe#") + kSeveralScripts + L"$中文@none\r\n");
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(c.settings ? c.settings : L"no discfront.ini")));
    DeleteFileW((disc.Folder() / L"discfront.ini").c_str());
    if (c.settings != nullptr) disc.WriteText(L"discfront.ini", c.settings);
    Launcher launcher(disc);
    ASSERT_TRUE(launcher.ok());
    const unsigned captions[] = {kTextInstallCaption, kTextPictureCaption, kTextAboutCaption, kTextExitCaption};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(uidriver::WindowText(launcher.Button(102 + i)), TableText(captions[i], c.shown)) << i;
    }
    EXPECT_EQ(uidriver::ListBoxItems(launcher.list()), std::vector<std::wstring>{kSeveralScripts});
    uidriver::SelectListBoxItem(launcher.list(), 0);
    HWND comment = uidriver::FindChild(launcher.main(), {.className = L"Edit"});
    EXPECT_TRUE(uidriver::WaitUntil([&] { return uidriver::WindowText(comment) == L"中文"; }));  // the comment
    launcher.Click(kCmdPic);
    HWND box = uidriver::WaitForMessageBox(launcher.process().Id());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(uidriver::ReadMessageBox(box).text, TableText(kTextNoPicture, c.shown));
    ASSERT_TRUE(uidriver::PressMessageBoxButton(box));
    launcher.Click(kCommand1);
    HWND about = uidriver::WaitForWindow({.className = L"#32770", .processId = launcher.process().Id()});
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(uidriver::WindowText(GetDlgItem(about, about::kIdSysInfo)),
              TableText(about::kTextLauncherInfoCaption, c.shown));
    EXPECT_EQ(uidriver::WindowText(GetDlgItem(about, about::kIdLine2)), TableText(about::kTextAuthorLine, c.shown));
    PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(uidriver::WaitForWindowGone(about));
  }
}

}  // namespace
}  // namespace discfront
