#include "formats/effect_file.h"

#include <gtest/gtest.h>

#include "formats/file_io.h"
#include "test_support.h"

namespace daved {
namespace {

using daved::testing::TempFolder;

std::string ReadText(const std::filesystem::path& path) {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(path, bytes).ok()) << path;
  return bytes;
}

void WriteText(const std::filesystem::path& path, std::string_view bytes) {
  ASSERT_TRUE(WriteFileAtomically(path, bytes).ok()) << path;
}

TEST(EffectList, KeyLinesStartEffectsAndEarlierLinesAreIgnored) {
  const std::vector<std::string> lines = {
      "[SectionContent]", "stray",
      "EffectName=wave.ect", "hb:10", "ro:128,128,5",
      "EffectName=empty.ect",
      "  EffectName=odd",  // the name is the line without its first 11 characters
      "", "co:3",
  };
  const EffectList effects = ParseEffectList(lines, 1);
  const EffectList expected = {
      {"wave.ect", {"hb:10", "ro:128,128,5"}},
      {"empty.ect", {}},
      {"e=odd", {"", "co:3"}},
  };
  EXPECT_EQ(effects.size(), expected.size());
  for (std::size_t i = 0; i < std::min(effects.size(), expected.size()); ++i) {
    EXPECT_EQ(effects[i].name, expected[i].name);
    EXPECT_EQ(effects[i].lines, expected[i].lines);
  }
  EXPECT_TRUE(ParseEffectList(lines, 99).empty());
  EXPECT_EQ(ParseEffectList(lines, 3).size(), 2u);  // from "hb:10", which belongs to no effect
}

TEST(EffectListFile, WritesTheLayoutAndReadsItBack) {
  TempFolder folder;
  const EffectList effects = {{"wave.ect", {"hb:10", "ro:128,128,5"}}, {"still.ect", {}}};
  ASSERT_TRUE(SaveEffectList(folder / "list.ecl", effects).ok());
  EXPECT_EQ(ReadText(folder / "list.ecl"),
            "[EffectList]\r\nEffectName=wave.ect\r\nhb:10\r\nro:128,128,5\r\n"
            "EffectName=still.ect\r\n");

  EffectList loaded = {{"old", {"x"}}};
  ASSERT_TRUE(LoadEffectList(folder / "list.ecl", loaded).ok());
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_EQ(loaded[0].name, "wave.ect");
  EXPECT_EQ(loaded[0].lines, (std::vector<std::string>{"hb:10", "ro:128,128,5"}));
  EXPECT_EQ(loaded[1].name, "still.ect");
  EXPECT_TRUE(loaded[1].lines.empty());
}

TEST(EffectListFile, ReadsLineFeedFilesAndLeavesTheListAloneWhenMissing) {
  TempFolder folder;
  WriteText(folder / "lf.ecl", "[EffectList]\nEffectName=a.ect\nvb:3\n");
  EffectList effects;
  ASSERT_TRUE(LoadEffectList(folder / "lf.ecl", effects).ok());
  ASSERT_EQ(effects.size(), 1u);
  EXPECT_EQ(effects[0].name, "a.ect");
  EXPECT_EQ(effects[0].lines, std::vector<std::string>{"vb:3"});

  const Status status = LoadEffectList(folder / "missing.ecl", effects);
  EXPECT_FALSE(status.ok());
  ASSERT_EQ(effects.size(), 1u);
  EXPECT_EQ(effects[0].name, "a.ect");
}

TEST(EffectFile, SaveNamesTheEffectAndLoadTakesTheFileName) {
  TempFolder folder;
  ASSERT_TRUE(SaveEffect(folder / "Test.ECT", "Test", {"hb:10", "zoom:128,128,64"}).ok());
  EXPECT_EQ(ReadText(folder / "Test.ECT"), "EffectName=Test.ect\r\nhb:10\r\nzoom:128,128,64\r\n");

  NamedEffect effect;
  ASSERT_TRUE(LoadEffect(folder / "Test.ECT", effect).ok());
  EXPECT_EQ(effect.name, "Test.ECT");
  EXPECT_EQ(effect.lines, (std::vector<std::string>{"hb:10", "zoom:128,128,64"}));

  // The first line is dropped whatever it says.
  WriteText(folder / "bare.ect", "hs:5\n");
  ASSERT_TRUE(LoadEffect(folder / "bare.ect", effect).ok());
  EXPECT_EQ(effect.name, "bare.ect");
  EXPECT_TRUE(effect.lines.empty());
}

TEST(EffectFile, MissingFileLeavesTheEffectAlone) {
  TempFolder folder;
  NamedEffect effect{"kept.ect", {"hb:1"}};
  EXPECT_FALSE(LoadEffect(folder / "none.ect", effect).ok());
  EXPECT_EQ(effect.name, "kept.ect");
  EXPECT_EQ(effect.lines, std::vector<std::string>{"hb:1"});
}

}  // namespace
}  // namespace daved
