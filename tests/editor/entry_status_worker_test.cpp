// The entries list's worker on a real disc folder: each row's status and icon found off
// the calling thread, an older run's result given up for a newer one, the image list's
// places, and the folder watcher telling of a new file once.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "editor/entry_images.h"
#include "editor/entry_status_worker.h"
#include "editor/folder_watcher.h"

namespace discfront::editor {
namespace {

namespace fs = std::filesystem;
using S = EntryStatus;

constexpr UINT kDone = WM_APP + 1, kChanged = WM_APP + 2;

std::wstring OnZ(const std::string& unixPath) {
  std::wstring path = L"Z:" + fs::path(unixPath).wstring();
  for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
  return path;
}

// A copy of a program that says it is built for `machine` (an IMAGE_FILE_MACHINE_ number).
void CopyProgramAs(const fs::path& from, const fs::path& to, std::uint16_t machine) {
  std::ifstream in(from, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 0x40u) << from;
  const std::size_t pe = static_cast<unsigned char>(bytes[0x3C]) | static_cast<unsigned char>(bytes[0x3D]) << 8;
  bytes[pe + 4] = static_cast<char>(machine & 0xFF);
  bytes[pe + 5] = static_cast<char>(machine >> 8);
  fs::create_directories(to.parent_path());
  std::ofstream(to, std::ios::binary) << bytes;
}

class EntryStatusWorkerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = fs::path(temp) / (L"status disc " + std::to_wstring(GetCurrentProcessId()));
    fs::create_directories(folder_);
    window_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    DestroyWindow(window_);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  // Messages `message` that come to the window within `wait`.
  int Count(UINT message, std::chrono::milliseconds wait) {
    int count = 0;
    const auto until = std::chrono::steady_clock::now() + wait;
    for (auto now = std::chrono::steady_clock::now(); now < until; now = std::chrono::steady_clock::now()) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - now).count();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
      MSG msg{};
      while (PeekMessageW(&msg, window_, 0, 0, PM_REMOVE)) count += msg.message == message ? 1 : 0;
    }
    return count;
  }
  // Waits for the first `message` (at most `wait`); its wParam, or nothing.
  std::optional<WPARAM> WaitFor(UINT message, std::chrono::milliseconds wait) {
    const auto until = std::chrono::steady_clock::now() + wait;
    while (std::chrono::steady_clock::now() < until) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      MSG msg{};
      while (PeekMessageW(&msg, window_, 0, 0, PM_REMOVE)) {
        if (msg.message == message) return msg.wParam;
      }
    }
    return std::nullopt;
  }

  fs::path folder_;
  HWND window_ = nullptr;
};

TEST_F(EntryStatusWorkerTest, FindsEachRowsStatusAndIconOffTheWindowsThread) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  CopyProgramAs(self, folder_ / L"programs" / L"wide.exe", 0x8664);
  CopyProgramAs(self, folder_ / L"programs" / L"fine.exe", 0x014C);
  CopyProgramAs(OnZ(ADMIN_PROGRAM), folder_ / L"programs" / L"admin.exe", 0x014C);
  const std::vector<CatalogueEntry> entries = {
      {L"\\programs\\gone.exe", L"Нет программы", L"", L"none"},
      {L"\\programs\\wide.exe", L"64 бита", L"", L"none"},
      {L"\\programs\\admin.exe", L"Администратор", L"", L"none"},
      {L"\\programs\\fine.exe", L"Нет картинки", L"", L"\\pics\\gone.bmp"},
      {L"\\programs\\fine.exe", L"Всё хорошо", L"", L"none"},
  };
  const std::vector<std::vector<S>> expected = {
      {S::kProgramMissing}, {S::kNot32Bit}, {S::kAdministrator}, {S::kPicture}, {S::kFine}};

  EntryStatusWorker worker;
  worker.Start(window_, kDone, folder_.wstring(), {entries[0]});  // given up for the next
  const unsigned generation = worker.Start(window_, kDone, folder_.wstring(), entries);
  std::optional<EntryStatusResult> result;
  for (int message = 0; message < 2 && !result; ++message) {
    if (WaitFor(kDone, std::chrono::seconds(60))) result = worker.TakeResult();
  }
  ASSERT_TRUE(result);
  EXPECT_EQ(result->generation, generation);
  EXPECT_EQ(result->statuses, expected);
  ASSERT_EQ(result->icons.size(), entries.size());
  for (std::size_t row = 0; row < entries.size(); ++row) EXPECT_TRUE(result->icons[row]) << row;
  EXPECT_FALSE(worker.TakeResult()) << "taken once";

  EntryImages images;
  ASSERT_TRUE(images.Rebuild(96, &*result));
  const int fixed[] = {images.ImageOf(StatusIcon::kError), images.ImageOf(StatusIcon::kWarning),
                       images.ImageOf(StatusIcon::kShield), images.ImageOf(StatusIcon::kInformation)};
  EXPECT_EQ(std::vector<int>(std::begin(fixed), std::end(fixed)), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(images.ImageOf(StatusIcon::kNone), -1);
  for (int row = 0; row < 5; ++row) EXPECT_EQ(images.ImageOfRow(row), 4 + row);
  EXPECT_EQ(ImageList_GetImageCount(images.List()), 9);
  ASSERT_TRUE(images.Rebuild(192, &*result));
  int width = 0, height = 0;
  ImageList_GetIconSize(images.List(), &width, &height);
  EXPECT_EQ(width, GetSystemMetrics(SM_CXSMICON) * 2) << "the small icon size at twice the resolution";
  EXPECT_EQ(ImageList_GetImageCount(images.List()), 9);

  // A run given up on the way: neither a message nor a wait when the worker goes.
  worker.Start(window_, kDone, folder_.wstring(), std::vector<CatalogueEntry>(1001, entries[1]));
  worker.Cancel();
  EXPECT_EQ(Count(kDone, std::chrono::milliseconds(300)), 0);
}

TEST_F(EntryStatusWorkerTest, NewFilesAreToldOnceTheFolderIsQuiet) {
  fs::create_directories(folder_ / L"sub");
  FolderWatcher watcher;
  ASSERT_TRUE(watcher.Watch(window_, kChanged, folder_.wstring()));
  EXPECT_EQ(Count(kChanged, std::chrono::milliseconds(500)), 0) << "nothing changed yet";
  for (const wchar_t* name : {L"one.txt", L"two.txt", L"sub\\three.txt"}) std::ofstream(folder_ / name) << "x";
  EXPECT_EQ(Count(kChanged, std::chrono::seconds(2)), 1) << "one message for a burst of files, the subfolder's too";
  std::ofstream(folder_ / L"sub" / L"four.txt") << "x";
  EXPECT_EQ(Count(kChanged, std::chrono::seconds(2)), 1) << "a subfolder that was there before";
  fs::create_directories(folder_ / L"later");
  std::ofstream(folder_ / L"later" / L"five.txt") << "x";
  EXPECT_EQ(Count(kChanged, std::chrono::seconds(2)), 1) << "a subfolder made since";
  watcher.Stop();
  std::ofstream(folder_ / L"six.txt") << "x";
  EXPECT_EQ(Count(kChanged, std::chrono::milliseconds(800)), 0) << "stopped";
  EXPECT_FALSE(watcher.Watch(window_, kChanged, (folder_ / L"not there").wstring()));
}

}  // namespace
}  // namespace discfront::editor
