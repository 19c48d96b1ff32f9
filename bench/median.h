// The middle value of a benchmark's timings (0 for none), what its figures report: one
// slow run of a noisy machine moves it less than it moves a mean.
#pragma once

#include <algorithm>
#include <vector>

namespace discfront::bench {

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace discfront::bench
