// The names and labels an image holds, and the dates and volume time it writes.
#include <gtest/gtest.h>

#include "disc/image_label.h"
#include "disc/image_names.h"
#include "disc/image_plan.h"
#include "disc/image_records.h"

namespace discfront {
namespace {

TEST(ImageNames, TheUnicodeTreeRefusesWhatItCannotHold) {
  const std::u16string longest(64, u'я');
  const struct {
    std::u16string name;
    std::optional<NameProblem> problem;
  } cases[] = {
      {u"Привет, мир (1).txt", std::nullopt}, {longest, std::nullopt}, {longest + u"я", NameProblem::kTooLong},
      {u"a;1", NameProblem::kBadCharacter},   {u"a\x1f", NameProblem::kBadCharacter},
      {u"\xD83D\xDE00.txt", NameProblem::kBadCharacter},  // beyond UCS-2
      {u"..", NameProblem::kEmpty},           {u"", NameProblem::kEmpty},
  };
  for (const auto& c : cases) EXPECT_EQ(JolietNameProblem(c.name), c.problem) << c.name.size();
}

TEST(ImageNames, PrimaryNamesAreEightThreeAndUniqueInTheirFolder) {
  const struct {
    std::u16string name;
    bool folder;
    const char* primary;
  } cases[] = {
      {u"readme.txt", false, "README.TXT"},        {u"README.TXT", false, "README_1.TXT"},
      {u"Long file name 1.txt", false, "LONG_FIL.TXT"}, {u"Long file name 2.txt", false, "LONG_F_1.TXT"},
      {u"LONG_F_1.TXT", false, "LONG_F_2.TXT"},    {u"Привет.doc", false, "PRIVET.DOC"},
      {u"Café.html", false, "CAFE.HTM"},           {u"日本.txt", false, "__.TXT"},
      {u".hidden", false, "_.HID"},                {u"no ext", false, "NO_EXT"},
      {u"no ext", true, "NO_EXT_1"},               {u"archive.tar.gz", false, "ARCHIVE_.GZ"},
      {u"v1.2", true, "V1_2"},
  };
  PrimaryNamer namer;
  for (const auto& c : cases) EXPECT_EQ(namer.Assign(c.name, c.folder), c.primary) << c.primary;
}

TEST(ImageNames, LabelsFitTheirDescriptors) {
  EXPECT_EQ(PrimaryLabel(u"Мой диск 1"), "MOJ_DISK_1");
  EXPECT_EQ(PrimaryLabel(u""), "DISC");
  EXPECT_EQ(PrimaryLabel(std::u16string(40, u'a')), std::string(32, 'A'));
  EXPECT_TRUE(JolietLabel(u"Очень длинная метка диска") == u"Очень длинная ме");
  EXPECT_TRUE(JolietLabel(u"a:b") == u"a_b");

  const char bytes[] = "\xFF\xFE[\0a\0u\0t\0o\0r\0u\0n\0]\0\r\0\n\0l\0a\0b\0e\0l\0=\0\x1C\x04\x3E\x04\x39\x04";
  const std::string utf16(bytes, sizeof bytes - 1);
  EXPECT_TRUE(AutorunLabel(utf16) == u"Мой");
  EXPECT_TRUE(AutorunLabel("[other]\nlabel=no\n[AutoRun]\r\nopen=x.exe\r\n Label = \xcc\xee\xe9 \r\n") == u"Мой");
  EXPECT_TRUE(DefaultImageLabel("[autorun]\nopen=x.exe\n", u"Папка") == u"Папка");
}

TEST(ImageNames, DatesAndTheVolumeTime) {
  using Date = std::array<std::uint8_t, 7>;
  EXPECT_EQ(RecordDate(0), (Date{70, 1, 1, 0, 0, 0, 0}));
  EXPECT_EQ(RecordDate(1700000000), (Date{123, 11, 14, 22, 13, 20, 0}));
  EXPECT_EQ(RecordDate(-5000000000), (Date{0, 1, 1, 0, 0, 0, 0}));  // before 1900: the earliest a record holds
  EXPECT_EQ(VolumeTime("1700000000", 5), 1700000000);
  for (const char* unusable : {static_cast<const char*>(nullptr), "", "12x", "soon"}) EXPECT_EQ(VolumeTime(unusable, 5), 5);
}

}  // namespace
}  // namespace discfront
