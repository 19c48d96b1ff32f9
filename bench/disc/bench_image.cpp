// Writing a disc image natively, against the floor and a peer, on a generated
// installer-like folder of about 520 MB (three large files, 2000 small ones in 40
// folders). Each program runs as a process of its own, three times, interleaved; the
// best time of each counts.
//   image_write_MBps     - image bytes per second of discpack image
//   image_vs_genisoimage - discpack's time over genisoimage -J's on the same folder
//   image_vs_copy        - discpack's time over cp -r's of the same files
//   image_peak_rss_MB    - discpack's peak resident memory while writing
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Timed {
  double seconds = 0;
  double peakMegabytes = 0;
  bool ok = false;
};

Timed RunProcess(std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  Timed out;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return out;
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  out.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  out.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
  out.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return out;
}

void WriteFile(const fs::path& path, std::size_t size, std::uint64_t seed) {
  static std::vector<std::uint64_t> block(1 << 17);
  std::ofstream stream(path, std::ios::binary);
  while (size > 0) {
    for (std::uint64_t& word : block) {  // xorshift: incompressible, cheap
      seed ^= seed << 13;
      seed ^= seed >> 7;
      seed ^= seed << 17;
      word = seed;
    }
    const std::size_t n = std::min(size, block.size() * sizeof(std::uint64_t));
    stream.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(n));
    size -= n;
  }
}

}  // namespace

int main() {
  const fs::path dir = fs::temp_directory_path() / ("discfront_bench_image_" + std::to_string(getpid()));
  const fs::path src = dir / "Disc";
  for (int i = 0; i < 3; ++i) {
    fs::create_directories(src / "setup");
    WriteFile(src / "setup" / ("data" + std::to_string(i) + ".cab"), std::size_t{160} << 20, 88172645463325252ull + i);
  }
  for (int i = 0; i < 2000; ++i) {
    const fs::path folder = src / "programs" / ("Программа " + std::to_string(i % 40));
    fs::create_directories(folder);
    WriteFile(folder / ("file " + std::to_string(i) + ".dll"), 1 + (i * 7919) % 40000, 1234567ull + i);
  }
  setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  Timed ours, peer, copy;
  ours.seconds = peer.seconds = copy.seconds = 1e9;
  double peak = 0;
  bool ok = true;
  const auto best = [&ok](Timed& fastest, const Timed& run) {
    ok = ok && run.ok;
    fastest.seconds = std::min(fastest.seconds, run.seconds);
  };
  for (int round = 0; round < 3; ++round) {
    fs::remove_all(dir / "ours.iso");
    fs::remove_all(dir / "peer.iso");
    fs::remove_all(dir / "copy");
    const Timed a = RunProcess({DISCPACK, "image", src.string(), (dir / "ours.iso").string()});
    best(ours, a);
    peak = std::max(peak, a.peakMegabytes);
    best(peer, RunProcess({"genisoimage", "-quiet", "-J", "-o", (dir / "peer.iso").string(), src.string()}));
    best(copy, RunProcess({"cp", "-r", src.string(), (dir / "copy").string()}));
  }
  const double megabytes = static_cast<double>(fs::file_size(dir / "ours.iso")) / (1 << 20);
  fs::remove_all(dir);
  if (!ok) {
    std::fprintf(stderr, "bench_image: a run failed\n");
    return 1;
  }
  std::printf("figure: image_write_MBps = %.3f MB/s\n", megabytes / ours.seconds);
  std::printf("figure: image_vs_genisoimage = %.3f ratio\n", ours.seconds / peer.seconds);
  std::printf("figure: image_vs_copy = %.3f ratio\n", ours.seconds / copy.seconds);
  std::printf("figure: image_peak_rss_MB = %.3f MB\n", peak);
  return 0;
}
