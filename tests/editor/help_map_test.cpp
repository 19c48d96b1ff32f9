// The help's context map: context number 1, which F1 opens, is the first topic of the
// contents, and every topic in the map is compiled into the help.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace {

std::string ReadSource(const std::string& name) {
  std::ifstream in(std::string(FRONTSMITH_HELP_DIR) + "/" + name, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The text of an .hhp section, up to the next section.
std::string Section(const std::string& project, const std::string& name) {
  const std::size_t start = project.find("[" + name + "]");
  if (start == std::string::npos) return {};
  const std::size_t end = project.find("\n[", start + 1);
  return project.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

TEST(HelpContextMap, ContextOneIsTheFirstTopic) {
  const std::string project = ReadSource("help.hhp");
  std::smatch match;
  const std::string map = Section(project, "MAP");
  ASSERT_TRUE(std::regex_search(map, match, std::regex(R"(#define\s+(\w+)\s+1\s)"))) << "no context 1";
  const std::string alias = match[1];
  const std::string aliases = Section(project, "ALIAS");
  ASSERT_TRUE(std::regex_search(aliases, match, std::regex(alias + R"(\s*=\s*(\S+))")));
  const std::string topic = match[1];

  const std::string contents = ReadSource("toc.hhc");
  ASSERT_TRUE(std::regex_search(contents, match, std::regex(R"rx(name="Local"\s+value="([^"]+)")rx")));
  EXPECT_EQ(match[1], topic);
  EXPECT_NE(Section(project, "OPTIONS").find("Default topic=" + topic), std::string::npos);

  // Every aliased topic is a compiled file.
  const std::string files = Section(project, "FILES");
  const std::regex entry(R"(\w+\s*=\s*(\S+))");
  for (auto it = std::sregex_iterator(aliases.begin(), aliases.end(), entry); it != std::sregex_iterator(); ++it) {
    EXPECT_NE(files.find((*it)[1].str()), std::string::npos) << (*it)[1];
  }
}

}  // namespace
