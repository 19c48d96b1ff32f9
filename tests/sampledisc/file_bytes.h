// Reading a committed file of the repository in a test.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace discfront::testing {

inline std::string RepoFile(const std::string& relative) {
  std::ifstream in(std::string(DISCFRONT_SOURCE_DIR) + "/" + relative, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace discfront::testing
