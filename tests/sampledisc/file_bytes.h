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

inline unsigned Le16(const std::string& b, std::size_t at) {
  return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}
inline unsigned Le32(const std::string& b, std::size_t at) { return Le16(b, at) | (Le16(b, at + 2) << 16); }

}  // namespace discfront::testing
