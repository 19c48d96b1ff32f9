// The Disc Image command end to end under Wine: the image of the sample disc has the
// bytes the native discpack writes of it; errors of the disc check stop it; a cancel
// and a refusal leave no new file, and the image that was there stays as it was.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "frontsmith_driver.h"
#include "uidriver/uidriver.h"

namespace frontsmith_test {
namespace {

using namespace uidriver;
namespace fs = std::filesystem;

constexpr wchar_t kEpoch[] = L"1700000000";
constexpr wchar_t kImageClass[] = L"FrontsmithDiscImage";
constexpr int kFileLine = 102;    // the progress window's line naming the file

// A Linux path as Wine's drive Z: shows it.
std::wstring OnZ(const std::string& unixPath) {
  std::wstring path = L"Z:" + fs::path(unixPath).wstring();
  for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
  return path;
}

TEST(DiscImage, SampleDiscGivesTheBytesOfTheNativeCommand) {
  const std::string discpack = DISCPACK_NATIVE;
  if (!fs::exists(OnZ(discpack))) GTEST_SKIP() << "no native discpack at " << discpack << " (./test.sh builds it first)";
  SetEnvironmentVariableW(L"SOURCE_DATE_EPOCH", kEpoch);  // the editor inherits it
  TempFolder out;
  Frontsmith editor;
  // The disc holds what it ships, not the build's files of the layer of the same name.
  EXPECT_FALSE(fs::exists(OnZ(SAMPLE_DISC) + L"\\CMakeFiles"));
  ASSERT_TRUE(editor.Open(OnZ(SAMPLE_DISC) + L"\\content.lnc"));
  // As its author sees it (the picture in the docs): each row with its icon and status.
  HWND list = editor.Control(kEntries);
  auto status = [&](std::size_t row) {
    const auto rows = uidriver::ListViewRows(list, 5);
    return row < rows.size() ? rows[row][4] : std::wstring();
  };
  EXPECT_TRUE(uidriver::WaitUntil([&] { return !status(7).empty(); }));
  EXPECT_EQ(status(4), L"В порядке");  // readme.txt
  EXPECT_EQ(status(6), sizeof(void*) == 8 ? L"Не для 32 бит" : L"Администратор");
  uidriver::SaveScreenshot(editor.main(), uidriver::OwnFolder() + L"\\frontsmith_entries.png");
  std::wstring label;
  // This build's sample programs are x64: the check warns that they need 64-bit Windows.
  StartImage(editor, out.File(L"editor.iso"), sizeof(void*) == 8, &label);
  EXPECT_EQ(label, L"disc");  // no autorun.inf: the folder's name
  const MessageBoxInfo done = editor.TakeMessageBox();
  EXPECT_TRUE(done.text.starts_with(L"Образ «" + out.File(L"editor.iso") + L"» записан: ")) << done.text;
  EXPECT_EQ(done.icon, IconKind::kInformation);

  // Wine runs a Linux program itself; its image appears whole, by a rename, when it is done.
  const std::string native = std::string(IMAGE_TEST_DIR) + "/native_" + std::to_string(GetCurrentProcessId()) + ".iso";
  std::wstring command = L"Z:\\usr\\bin\\env SOURCE_DATE_EPOCH=" + std::wstring(kEpoch) + L" " +
                         fs::path(discpack).wstring() + L" image " + fs::path(SAMPLE_DISC).wstring() + L" " +
                         fs::path(native).wstring();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
      << GetLastError();
  if (started.hProcess != nullptr) CloseHandle(started.hProcess);
  if (started.hThread != nullptr) CloseHandle(started.hThread);
  ASSERT_TRUE(WaitUntil([&] { return FileExists(OnZ(native)); }, Milliseconds{60000})) << "discpack wrote no image";
  const std::string expected = ReadBytes(OnZ(native));
  DeleteFileW(OnZ(native).c_str());
  EXPECT_GT(expected.size(), 100000u);
  EXPECT_TRUE(ReadBytes(out.File(L"editor.iso")) == expected) << "the images differ";
}

TEST(DiscImage, CheckErrorsCancelAndRefusalLeaveNoNewFile) {
  TempFolder disc, out;
  ASSERT_TRUE(MakeImageableDisc(disc));
  DeleteFileW(disc.File(L"info.txt").c_str());
  const std::wstring image = out.File(L"disc.iso");
  Frontsmith editor;
  ASSERT_TRUE(editor.Open(disc.File(L"content.lnc")));
  {
    SCOPED_TRACE("an error of the disc check (no info.txt) stops the image and shows the check's list");
    editor.Menu(kMenuDiscImage);
    EXPECT_TRUE(editor.TakeMessageBox().text.starts_with(L"Проверка диска нашла ошибки"));
    HWND check = WaitForWindow({.className = L"FrontsmithDiscCheck", .processId = editor.process().Id()});
    ASSERT_NE(check, nullptr);
    std::vector<std::wstring> lines;
    EXPECT_TRUE(WaitUntil([&] {
      lines = ListBoxItems(FindChild(check, {.className = L"ListBox"}));
      return lines == std::vector<std::wstring>{L"Нет описания диска «\\info.txt»: discfront не запустится."};
    })) << (lines.empty() ? L"" : lines[0]);
    PostMessageW(check, WM_CLOSE, 0, 0);
  }
  WriteBytes(disc.File(L"info.txt"), "Test disc\r\n");
  WriteBytes(image, "the old image");
  {
    SCOPED_TRACE("Esc in the progress window cancels: the old image stays, no partial file is left");
    ASSERT_TRUE(WriteLongFile(disc.File(L"big.bin")));
    StartImage(editor, image, /*warned=*/false, nullptr, /*replaces=*/true);
    HWND progress = WaitForWindow({.className = kImageClass, .processId = editor.process().Id()});
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return GetText(FindChild(progress, {.id = kFileLine})) == L"\\big.bin"; }));
    EXPECT_TRUE(SaveScreenshot(progress, OwnFolder() + L"\\disc_image.png"));
    EXPECT_EQ(ReadAccessible(FindChild(progress, {.id = 101})).name, L"Запись образа «disc.iso»");
    ASSERT_TRUE(BringToFront(progress));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForWindowGone(progress, Milliseconds{60000}));
    EXPECT_TRUE(editor.NoMessageBox());
    EXPECT_EQ(ReadBytes(image), "the old image");
    EXPECT_EQ(out.Files(), std::vector<std::wstring>{L"disc.iso"});
  }
  // Written whole, an image takes the old one's place.
  DeleteFileW(disc.File(L"big.bin").c_str());
  StartImage(editor, image, /*warned=*/false, nullptr, /*replaces=*/true);
  EXPECT_TRUE(editor.TakeMessageBox().text.starts_with(L"Образ «" + image + L"» записан: "));
  const std::string written = ReadBytes(image);
  EXPECT_EQ(written.size() % 2048, 0u);
  EXPECT_GT(written.size(), 20u * 2048);
  {
    SCOPED_TRACE("a name a disc cannot hold is refused, named, before anything is written");
    WriteBytes(disc.File(L"a;b.txt"), "x");
    StartImage(editor, image, /*warned=*/false, nullptr, /*replaces=*/true);
    const MessageBoxInfo refusal = editor.TakeMessageBox();
    EXPECT_TRUE(refusal.text.starts_with(L"Образ не записан")) << refusal.text;
    EXPECT_NE(refusal.text.find(L"«\\a;b.txt»: в имени знак"), std::wstring::npos) << refusal.text;
    EXPECT_EQ(refusal.icon, IconKind::kError);
    editor.Settle();
    EXPECT_EQ(ReadBytes(image), written);
    EXPECT_EQ(out.Files(), std::vector<std::wstring>{L"disc.iso"});
  }
}

}  // namespace
}  // namespace frontsmith_test
