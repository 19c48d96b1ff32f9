// discpack.exe under Wine: an image written over an older one, which same-bytes.sh then
// holds against the native discpack's image of the folder; refusals that leave nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "base/texts.h"
#include "base/utf8.h"
#include "discpack/discpack_texts.h"
#include "tests/table_texts.h"

namespace discfront {
namespace {

namespace fs = std::filesystem;

// The build tree's work folder (a Unix path) as Wine's drive Z: shows it.
std::wstring At(const std::wstring& below) {
  std::wstring windows = L"Z:" + DecodeUtf8(WORK_FOLDER) + (below.empty() ? L"" : L"/" + below);
  for (wchar_t& c : windows) c = c == L'/' ? L'\\' : c;
  return windows;
}

void WriteFile(const fs::path& path, std::size_t size) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << std::string(size, static_cast<char>(size % 251));
}

// The exit code, and standard output and error as bytes.
std::pair<DWORD, std::string> RunProgram(const std::wstring& program, const std::vector<std::wstring>& arguments) {
  const std::wstring log = At(L"output.txt");
  SECURITY_ATTRIBUTES inherited{sizeof(inherited), nullptr, TRUE};
  const HANDLE file = CreateFileW(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS, 0, nullptr);
  std::wstring line = L"\"" + program + L"\"";
  for (const std::wstring& argument : arguments) line += L" \"" + argument + L"\"";
  STARTUPINFOW start{};
  start.cb = sizeof(start);
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdOutput = start.hStdError = file;
  PROCESS_INFORMATION process{};
  DWORD exit = ~0u;
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &exit);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(file);
  std::ifstream stream(fs::path(log), std::ios::binary);
  return {exit, std::string(std::istreambuf_iterator<char>(stream), {})};
}

std::set<std::wstring> Names(const std::wstring& folder) {
  std::set<std::wstring> out;
  for (const auto& entry : fs::directory_iterator(folder)) out.insert(entry.path().filename().wstring());
  return out;
}

class DiscpackUnderWine : public ::testing::Test {
 protected:
  // Each test has a folder of its own, left after it: same-bytes.sh reads the image.
  void SetUp() override {
    fs::remove_all(At(Own()));
    fs::create_directories(At(Own()));
    SetEnvironmentVariableW(L"SOURCE_DATE_EPOCH", SOURCE_DATE_EPOCH_VALUE);
  }
  static std::wstring Own() { return DecodeUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name()); }
};

TEST_F(DiscpackUnderWine, WritesAnImageOverAnOlderOne) {
  const std::wstring src = At(Own() + L"/Диск");
  const std::pair<const wchar_t*, std::size_t> files[] = {
      {L"autorun.inf", 40}, {L"Установка\\setup.exe", 5000}, {L"Установка\\Прочти меня.txt", 2048},
      {L"Документы\\пусто.txt", 0}, {L"Документы\\Отчёт 2024.doc", 2049}, {L"Документы\\Отчёт 2025.doc", 2047},
      {L"Café crème.txt", 1}};
  for (const auto& [path, size] : files) WriteFile(fs::path(src) / path, size);
  fs::create_directories(fs::path(src) / L"Пустая папка");
  std::ofstream(fs::path(At(Own() + L"/Диск.iso")), std::ios::binary) << "an older image";

  const auto [exit, output] = RunProgram(DecodeUtf8(DISCPACK_EXE), {L"image", src, At(Own() + L"/Диск.iso")});
  ASSERT_EQ(exit, 0u) << output;
  EXPECT_EQ(output, "");
  EXPECT_GT(fs::file_size(At(Own() + L"/Диск.iso")), 20u * 2048);
  EXPECT_EQ(Names(At(Own())), (std::set<std::wstring>{L"Диск", L"Диск.iso"}));
}

// Refusals named in Russian, as the session's user speaks, and in UTF-8 with Windows'
// line ends, as the output is a file.
TEST_F(DiscpackUnderWine, RefusesNamingTheCauseAndLeavingNothing) {
  const std::wstring src = At(Own() + L"/Плохой диск");
  WriteFile(fs::path(src) / L"хороший.txt", 10);
  const struct {
    const wchar_t* addedFile;
    std::wstring image;
    unsigned text;
    std::wstring named;
  } cases[] = {
      // Windows finds names in any case: this is the folder itself.
      {nullptr, At(Own() + L"/ПЛОХОЙ ДИСК/out.iso"), kTextDiscpackInsideFolder, At(Own() + L"/ПЛОХОЙ ДИСК/out.iso")},
      {L"плохое;имя.txt", At(Own() + L"/out.iso"), kTextDiscpackBadCharacter, src + L"\\плохое;имя.txt"},
  };
  for (const auto& c : cases) {
    if (c.addedFile != nullptr) WriteFile(fs::path(src) / c.addedFile, 10);
    const auto [exit, output] = RunProgram(DecodeUtf8(DISCPACK_EXE), {L"image", src, c.image});
    EXPECT_EQ(exit, 1u);
    std::wstring expected = FillPlaceholders(testing::TableText(c.text, UiLanguage::kRussian), {c.named});
    expected.insert(expected.size() - 1, L"\r");
    std::string bytes;
    EncodeUtf8(expected, bytes);
    EXPECT_NE(output.find(bytes), std::string::npos) << output;
    EXPECT_EQ(Names(At(Own())), std::set<std::wstring>{L"Плохой диск"});
    EXPECT_EQ(Names(src).count(L"out.iso"), 0u);
  }
}

}  // namespace
}  // namespace discfront
