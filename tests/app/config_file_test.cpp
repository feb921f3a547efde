#include "app/config_file.h"

#include <gtest/gtest.h>

#include "formats/file_io.h"
#include "test_support.h"

namespace daved {
namespace {

using testing::TempFolder;

TEST(ConfigFile, InitialLinesHoldEveryControlsStartingValue) {
  const std::vector<std::string> lines = InitialConfigLines();
  ASSERT_EQ(lines.size(), 50u);
  const std::vector<std::pair<std::size_t, std::string>> expected = {
      {1, "0"},   {3, "8"},   {5, "20"},  {7, "20"},  {9, "10"},  {11, "6"},  {13, "0"},
      {15, "0"},  {17, "0"},  {19, "100"}, {21, "20"}, {23, "20"}, {25, "100"}, {27, "2"},
      {29, "2"},  {31, "0"},  {33, "0"},  {35, ""},   {37, "100"}, {39, "100"}, {41, "100"},
      {43, "100"}, {45, "0"}, {47, "1"},  {49, "2"}};
  for (const auto& [line, value] : expected) EXPECT_EQ(lines[line], value) << "line " << line;
  EXPECT_EQ(lines[18], "Scan speed");  // even lines name the value below them
  EXPECT_TRUE(CheckConfigLines(lines).ok());
}

TEST(ConfigFile, CheckNamesTheFirstBadOrMissingLineAsAnEditorCountsIt) {
  std::vector<std::string> lines = InitialConfigLines();
  lines[35] = "/usr/bin/vlc";  // a path, not a number: fine
  lines[4] = "not a number";   // an even line is never read
  EXPECT_TRUE(CheckConfigLines(lines).ok());
  lines[7] = "2O";
  lines[45] = "x";
  const Status bad = CheckConfigLines(lines);
  EXPECT_EQ(bad.error, "Daved.ini line 8: '2O' is not a valid integer value");
  EXPECT_EQ(bad.reached, 7u);
  EXPECT_EQ(CheckConfigLines(lines, 45, 49).reached, 45u);
  EXPECT_TRUE(CheckConfigLines(lines, 9, 43).ok());
  lines.resize(10);
  EXPECT_EQ(CheckConfigLines(lines, 9, 11).error, "Daved.ini ends before line 12");
}

TEST(ConfigFile, MendingFillsAShortFileAndReplacesBadValuesOnly) {
  std::vector<std::string> lines = {"my own note", "12", "another note", "bad", "", "30"};
  MendConfigLines(lines);
  const std::vector<std::string> initial = InitialConfigLines();
  ASSERT_EQ(lines.size(), 50u);
  EXPECT_EQ(lines[0], "my own note");
  EXPECT_EQ(lines[1], "12");
  EXPECT_EQ(lines[2], "another note");
  EXPECT_EQ(lines[3], initial[3]);
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "30");
  EXPECT_EQ(std::vector(lines.begin() + 6, lines.end()),
            std::vector(initial.begin() + 6, initial.end()));

  std::vector<std::string> longer = InitialConfigLines();
  longer.push_back("a line after the settings");
  longer[35] = "not a number but a path";
  MendConfigLines(longer);
  EXPECT_EQ(longer.size(), 51u);
  EXPECT_EQ(longer[35], "not a number but a path");
}

TEST(ConfigFile, LoadWritesAMissingFileAndReadsAnExistingOneAsItIs) {
  TempFolder folder;
  std::vector<std::string> lines;
  bool created = false;
  ASSERT_TRUE(LoadConfig(folder.path(), lines, created).ok());
  EXPECT_TRUE(created);
  std::vector<std::string> on_disk;
  ASSERT_TRUE(LoadLines(folder / "Daved.ini", on_disk).ok());
  EXPECT_EQ(on_disk, InitialConfigLines());

  ASSERT_TRUE(SaveLines(folder / "Daved.ini", {"a", "1", "b"}).ok());
  ASSERT_TRUE(LoadConfig(folder.path(), lines, created).ok());
  EXPECT_FALSE(created);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "1", "b"}));

  TempFolder unreadable;
  std::filesystem::create_directory(unreadable / "Daved.ini");
  const Status failed = LoadConfig(unreadable.path(), lines, created);
  EXPECT_FALSE(failed.ok());
  EXPECT_FALSE(created);
}

TEST(ConfigFile, PreparingTheProgramFolderMakesEveryWorkFolder) {
  TempFolder folder;
  ASSERT_TRUE(PrepareProgramFolder(folder / "new home").ok());
  for (const std::string_view name : kWorkFolders) {
    EXPECT_TRUE(std::filesystem::is_directory(folder / "new home" / std::string(name))) << name;
  }
  std::filesystem::create_directories(folder / "blocked");
  SaveLines(folder / "blocked" / "Music", {"a file where a folder belongs"});
  EXPECT_FALSE(PrepareProgramFolder(folder / "blocked").ok());
}

}  // namespace
}  // namespace daved
