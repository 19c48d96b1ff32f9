// The disc check under Wine with the program's own probes (the file system, the
// picture loader and the program reader): a disc folder of 1001 entries, each with a
// program of its own (a link to this benchmark's own file) and a bitmap picture of its
// own, checked whole as the results window checks it.
//   check_disc_1001_ms - median of the rounds, in milliseconds (Wine)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "disc/disc_folder.h"
#include "editor/disc_check.h"
#include "editor/system_picture_probe.h"
#include "win32/atomic_file.h"
#include "win32/com_apartment.h"
#include "win32/picture.h"
#include "win32/program_file.h"
#include "win32/system_file_probe.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
constexpr int kEntries = 1001;
constexpr int kRounds = 5;

// A 24-bit bitmap file of 32 x 32 pixels with a colour of its own.
std::string BitmapFile(int seed) {
  constexpr int kSide = 32;
  const int rowBytes = kSide * 3;
  const int imageBytes = rowBytes * kSide;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + imageBytes;
  info.biSize = sizeof(info);
  info.biWidth = kSide;
  info.biHeight = kSide;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
  bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
  for (int i = 0; i < imageBytes; ++i) bytes += static_cast<char>((i + seed) & 0xFF);
  return bytes;
}

void Write(const fs::path& file, const std::string& bytes) {
  if (!win32::ReplaceFileContents(file.wstring(), bytes).ok) throw std::runtime_error("cannot write");
}

}  // namespace

int main() {
  const win32::ComApartment com;  // the picture loader needs it
  const fs::path disc = fs::temp_directory_path() / ("bench_check_disc_" + std::to_string(GetCurrentProcessId()));
  std::error_code leftover;
  fs::remove_all(disc, leftover);  // a run that ended early under the same process number
  fs::create_directories(disc / "skin");
  fs::create_directories(disc / "programs");
  fs::create_directories(disc / "pics");
  Write(disc / "discfront.exe", "MZ");
  Write(disc / "info.txt", "Disc\r\n");
  for (const char* skin : {"back.bmp", "button.bmp", "buttonmove.bmp", "buttondown.bmp"}) {
    Write(disc / "skin" / skin, BitmapFile(0));
  }
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::vector<discfront::CatalogueEntry> entries;
  for (int i = 0; i < kEntries; ++i) {
    const std::wstring n = std::to_wstring(i);
    const fs::path program = disc / "programs" / (L"setup" + n + L".exe");
    if (!CreateHardLinkW(program.c_str(), self, nullptr) && !CopyFileW(self, program.c_str(), TRUE)) {
      throw std::runtime_error("cannot write");
    }
    Write(disc / "pics" / (L"p" + n + L".bmp"), BitmapFile(i));
    entries.push_back({L"\\programs\\setup" + n + L".exe", L"Программа " + n, L"Установка",
                       L"\\pics\\p" + n + L".bmp"});
  }
  const win32::SystemFileProbe files;
  const discfront::editor::SystemPictureProbe pictures;
  const win32::SystemProgramProbe programs;
  const discfront::DiscFolder folder(disc.wstring());
  std::vector<double> ms;
  std::size_t problems = 0;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = Clock::now();
    for (const auto& problem : discfront::editor::CheckDisc(entries, folder, files, pictures, programs)) {
      // The 64-bit build's own file is a finding of its own, expected of every entry.
      problems += problem.kind != discfront::editor::DiscProblem::Kind::kProgramNot32Bit;
    }
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::error_code error;
  fs::remove_all(disc, error);
  if (problems != 0) {
    std::fprintf(stderr, "the bench disc has %zu problems\n", problems);
    return 1;
  }
  std::sort(ms.begin(), ms.end());
  std::printf("figure: check_disc_1001_ms = %.0f ms\n", ms[ms.size() / 2]);
  return 0;
}
