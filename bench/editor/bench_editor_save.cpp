// Saving a 1001-record catalogue with long comments natively: the record being
// edited is stored, the records are encoded through catalogue/ into file bytes.
//   editor_save_1001_ms - median time of one save
#include <benchmark/benchmark.h>

#include <string>

#include "bench/editor/long_records.h"
#include "bench/figure_reporter.h"
#include "editor/catalogue_file.h"
#include "editor/record_store.h"

namespace discfront::bench {
namespace {

void BM_Save1001(benchmark::State& state) {
  editor::RecordStore store(LongRecords());
  CatalogueEntry edited = store.Fields();
  std::size_t size = 0;
  for (auto _ : state) {
    edited.title.back() = edited.title.back() == L'0' ? L'1' : L'0';  // a change to store each time
    store.SetFields(edited);
    if (store.StoreForSave() != editor::Notice::kNone) state.SkipWithError("record refused");
    std::string bytes;
    EncodeFailure failure;
    if (!editor::WriteCatalogueFile(store, bytes, failure)) state.SkipWithError("not encodable");
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.counters["bytes"] = static_cast<double>(size);
}

BENCHMARK(BM_Save1001)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace discfront::bench

int main(int argc, char** argv) {
  using namespace discfront::bench;
  benchmark::Initialize(&argc, argv);
  FigureReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double seconds = reporter.Seconds("BM_Save1001");
  if (seconds > 0) PrintFigure("editor_save_1001_ms", seconds * 1000.0, "ms");
  benchmark::Shutdown();
  return 0;
}
