// discpack.exe under Wine: the same bytes as the native discpack from the same folder
// (Cyrillic names, empty files and folders, sizes around a sector), written over an
// older image; and a refusal that names its file in the user's language and leaves
// nothing behind. The native program is started from here too: Wine runs a Linux
// program it is asked to start, with Unix paths as its arguments.
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

struct Ran {
  DWORD exit;
  std::string output;  // standard output and error, as bytes
};

// The same place under both names: Unix for the native program, Windows (drive Z:) for ours.
struct Place {
  std::string unix;
  std::wstring windows;
};

Place At(const std::string& below) {
  const std::string unix = std::string(WORK_FOLDER) + (below.empty() ? "" : "/" + below);
  std::wstring windows = L"Z:" + DecodeUtf8(unix);
  for (wchar_t& c : windows) c = c == L'/' ? L'\\' : c;
  return {unix, windows};
}

std::string ReadAll(const fs::path& path) {
  std::ifstream stream(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(stream), {});
}

void WriteFile(const fs::path& path, std::size_t size) {
  fs::create_directories(path.parent_path());
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + size) % 253);
  std::ofstream(path, std::ios::binary) << bytes;
}

Ran Run(const std::wstring& program, const std::vector<std::wstring>& arguments) {
  const std::wstring log = At("output.txt").windows;
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
  std::string output = ReadAll(log);
  DeleteFileW(log.c_str());
  return {exit, output};
}

std::set<std::wstring> Names(const std::wstring& folder) {
  std::set<std::wstring> out;
  for (const auto& entry : fs::directory_iterator(folder)) out.insert(entry.path().filename().wstring());
  return out;
}

class DiscpackUnderWine : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(At("").windows);
    fs::create_directories(At("").windows);
    SetEnvironmentVariableW(L"SOURCE_DATE_EPOCH", L"1700000000");
  }
  void TearDown() override { fs::remove_all(At("").windows); }
};

TEST_F(DiscpackUnderWine, WritesTheNativeProgramsBytesOverAnOlderImage) {
  const fs::path native = L"Z:" + DecodeUtf8(NATIVE_DISCPACK);
  if (!fs::exists(native)) GTEST_SKIP() << "no native discpack at " NATIVE_DISCPACK " to compare with: build the native tree first";
  const std::wstring src = At("Диск").windows;
  const struct {
    const wchar_t* path;
    std::size_t size;
  } files[] = {{L"autorun.inf", 40},          {L"Установка\\setup.exe", 5000}, {L"Установка\\Прочти меня.txt", 2048},
               {L"Документы\\пусто.txt", 0},  {L"Документы\\Отчёт за 2024 год.doc", 2049},
               {L"Документы\\Отчёт за 2025 год.doc", 2047}, {L"Café crème.txt", 1}};
  for (const auto& file : files) WriteFile(fs::path(src) / file.path, file.size);
  fs::create_directories(fs::path(src) / L"Пустая папка");
  std::ofstream(fs::path(At("ours.iso").windows), std::ios::binary) << "an older image";

  const Ran ours = Run(DecodeUtf8(DISCPACK_EXE), {L"image", src, At("ours.iso").windows});
  const Ran theirs = Run(native.wstring(), {L"image", DecodeUtf8(At("Диск").unix), DecodeUtf8(At("native.iso").unix)});
  ASSERT_EQ(ours.exit, 0u) << ours.output;
  ASSERT_EQ(theirs.exit, 0u) << theirs.output;
  const std::string image = ReadAll(At("ours.iso").windows);
  EXPECT_GT(image.size(), 20u * 2048);
  EXPECT_TRUE(image == ReadAll(At("native.iso").windows)) << "discpack.exe and the native discpack wrote different bytes";
  EXPECT_EQ(Names(At("").windows), (std::set<std::wstring>{L"Диск", L"ours.iso", L"native.iso"}));
}

TEST_F(DiscpackUnderWine, RefusesANameADiscCannotHoldNamingItAndLeavingNothing) {
  const std::wstring src = At("Плохой диск").windows;
  WriteFile(fs::path(src) / L"хороший.txt", 10);
  WriteFile(fs::path(src) / L"плохое;имя.txt", 10);
  const Ran ran = Run(DecodeUtf8(DISCPACK_EXE), {L"image", src, At("out.iso").windows});
  EXPECT_EQ(ran.exit, 1u);
  // In Russian, as the session's user speaks; in UTF-8, as its output is a file.
  std::wstring expected = FillPlaceholders(testing::TableText(kTextDiscpackBadCharacter, UiLanguage::kRussian),
                                           {src + L"\\плохое;имя.txt"});
  expected.insert(expected.size() - 1, L"\r");
  std::string bytes;
  EncodeUtf8(expected, bytes);
  EXPECT_NE(ran.output.find(bytes), std::string::npos) << ran.output;
  EXPECT_EQ(Names(At("").windows), std::set<std::wstring>{L"Плохой диск"});
}

}  // namespace
}  // namespace discfront
