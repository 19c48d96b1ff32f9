// Runs Google Benchmark's registered benchmarks and hands back each one's real time
// per iteration, so that a benchmark program can print its figures as
// "figure: NAME = VALUE UNIT" lines.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace discfront::bench {

class FigureReporter : public benchmark::ConsoleReporter {
 public:
  FigureReporter() : ConsoleReporter(OO_None) {}  // no colour codes before the figure lines

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      // Seconds per iteration; with repetitions the median aggregate wins.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      secondsPerIteration_[run.run_name.function_name] =
          run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    ConsoleReporter::ReportRuns(runs);
  }
  double Seconds(const std::string& name) const {
    const auto it = secondsPerIteration_.find(name);
    return it == secondsPerIteration_.end() ? 0.0 : it->second;
  }

 private:
  std::map<std::string, double> secondsPerIteration_;
};

inline void PrintFigure(const char* name, double value, const char* unit) {
  std::printf("figure: %s = %.3f %s\n", name, value, unit);
}

}  // namespace discfront::bench
