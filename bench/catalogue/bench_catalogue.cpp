// Reading catalogues natively: item reading, decoding and splitting into entries,
// from the file's bytes.
//   catalogue_read_MBps     - throughput on a 1001-record catalogue with long comments
//   catalogue_read_utf8_MBps - the same for a catalogue in several scripts, saved as UTF-8
//   catalogue_scaling_ratio - cost per byte at 10 MB divided by cost per byte at 100 KB
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "bench/figure_reporter.h"
#include "catalogue/catalogue_reader.h"
#include "base/file_encoding.h"
#include "catalogue/line_format.h"

namespace discfront::bench {
namespace {

// A 1001-record catalogue of about targetBytes, as the editor writes it: Cyrillic
// titles, comments with commas and spaces, pictures. With severalScripts the comments
// mix Latin with diacritics, Greek and Chinese in, so the editor writes UTF-8.
std::string MakeCatalogue(std::size_t targetBytes, bool severalScripts = false) {
  const std::size_t perRecord = targetBytes / kSlotCount;
  const std::wstring phrase = severalScripts ? L"Установка программы, Crème brûlée, Ελληνικά και 中文说明. "
                                             : L"Установка программы, драйверы и утилиты для диска. ";
  std::wstring text;
  for (int i = 0; i < kSlotCount; ++i) {
    const std::wstring path = L"\\programs\\setup" + std::to_wstring(i) + L"\\setup.exe";
    const std::wstring title = L"Программа номер " + std::to_wstring(i);
    const std::wstring picture = i % 5 == 0 ? L"none" : L"\\pics\\p" + std::to_wstring(i) + L".bmp";
    const std::size_t fixed = path.size() + title.size() + picture.size() + 6;
    std::wstring comment;
    while (fixed + comment.size() < perRecord) comment += phrase;
    comment.resize(perRecord > fixed ? perRecord - fixed : 1);
    text += FormatCatalogueLine(path, title, comment, picture);
  }
  std::string bytes;
  EncodeFile(text, bytes);
  return bytes;
}

void ReadWhole(benchmark::State& state, const std::string& bytes) {
  for (auto _ : state) {
    const CatalogueRead read = ReadCatalogue(bytes);
    if (!read.ok() || read.entries.size() != kSlotCount) state.SkipWithError("catalogue did not read whole");
    benchmark::DoNotOptimize(read.entries.back().comment.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

const std::string& Catalogue1001() {
  static const std::string bytes = MakeCatalogue(1'000'000);
  return bytes;
}
const std::string& Catalogue1001Utf8() {
  static const std::string bytes = MakeCatalogue(1'000'000, true);
  return bytes;
}
const std::string& Catalogue100K() {
  static const std::string bytes = MakeCatalogue(100'000);
  return bytes;
}
const std::string& Catalogue10M() {
  static const std::string bytes = MakeCatalogue(10'000'000);
  return bytes;
}

void BM_Read1001LongComments(benchmark::State& state) { ReadWhole(state, Catalogue1001()); }
void BM_Read1001Utf8(benchmark::State& state) { ReadWhole(state, Catalogue1001Utf8()); }
void BM_Read100K(benchmark::State& state) { ReadWhole(state, Catalogue100K()); }
void BM_Read10M(benchmark::State& state) { ReadWhole(state, Catalogue10M()); }

BENCHMARK(BM_Read1001LongComments)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Read1001Utf8)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Read100K)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Read10M)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace discfront::bench

int main(int argc, char** argv) {
  using namespace discfront::bench;
  // The allocator keeps freed memory for the next iteration at every size. Otherwise
  // large blocks come fresh from the system each time and the first touch of each page
  // (costly on a virtual machine) swamps the figure at 10 MB but not at 100 KB, which
  // says nothing about how reading scales. Both sizes run warm alike.
  mallopt(M_MMAP_THRESHOLD, 512 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
  benchmark::Initialize(&argc, argv);
  FigureReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double readSeconds = reporter.Seconds("BM_Read1001LongComments");
  if (readSeconds > 0) {
    PrintFigure("catalogue_read_MBps", static_cast<double>(Catalogue1001().size()) / readSeconds / 1e6, "MB/s");
  }
  const double utf8Seconds = reporter.Seconds("BM_Read1001Utf8");
  if (utf8Seconds > 0 && discfront::DetectFileEncoding(Catalogue1001Utf8()) == discfront::FileEncoding::kUtf8) {
    PrintFigure("catalogue_read_utf8_MBps", static_cast<double>(Catalogue1001Utf8().size()) / utf8Seconds / 1e6,
                "MB/s");
  }
  const double small = reporter.Seconds("BM_Read100K") / static_cast<double>(Catalogue100K().size());
  const double large = reporter.Seconds("BM_Read10M") / static_cast<double>(Catalogue10M().size());
  if (small > 0) PrintFigure("catalogue_scaling_ratio", large / small, "");
  benchmark::Shutdown();
  return 0;
}
