#include "formats/show_file.h"

#include <gtest/gtest.h>

#include "formats/file_io.h"
#include "formats/segment_file.h"
#include "test_support.h"

namespace daved {
namespace {

using daved::testing::TempFolder;

const char* const kDotText = "128,128,3,7,0,129|";
const Drawing kDotDrawing = {{{128, 128, kDot, 7, kStateNormal, 1}}};

std::string ReadText(const std::filesystem::path& path) {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(path, bytes).ok()) << path;
  return bytes;
}

void WriteText(const std::filesystem::path& path, std::string_view bytes) {
  ASSERT_TRUE(WriteFileAtomically(path, bytes).ok()) << path;
}

// Each track as "name|time" texts, to compare whole shows at a glance.
std::array<std::vector<std::string>, 3> Tracks(const TSequence& show) {
  std::array<std::vector<std::string>, 3> tracks;
  for (std::size_t t = 0; t < 3; ++t) {
    for (const TSequenceRecord& e : show.tracks[t]) {
      tracks[t].push_back(e.name + "|" + std::to_string(e.time));
    }
  }
  return tracks;
}
using TrackTexts = std::array<std::vector<std::string>, 3>;

TEST(ShowFile, ReadsMusicAndThreeTracks) {
  TSequence show;
  show.music = "old.mp3";
  show.tracks[2] = {TSequenceRecord{"old.sec", 1, {}, {}}};
  const Status status =
      ParseShow({"[Music]", "song.mp3", "[Track1]", "intro.sec|120", "anim.ilf|30", "[Track2]",
                 "[Track3]", "intro.sec|", "|", "45", "x|  ", "y| 7 "},
                show);
  ASSERT_TRUE(status.ok()) << status.error;
  EXPECT_EQ(show.music, "song.mp3");
  // An empty "[Track2]" is an empty track; "intro.sec|" and "|" have time 0; a line without
  // "|" is all time.
  EXPECT_EQ(Tracks(show), (TrackTexts{{{"intro.sec|120", "anim.ilf|30"},
                                       {},
                                       {"intro.sec|0", "|0", "|45", "x|0", "y|7"}}}));
}

TEST(ShowFile, MissingSectionsLeaveTheirPartsEmpty) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    std::string music;
    TrackTexts tracks;
  };
  const Case cases[] = {
      {"no [Music]",
       {"[Track1]", "a.sec|1", "[Track2]", "b.sec|2", "[Track3]", "c.sec|3"},
       "",
       {{{"a.sec|1"}, {"b.sec|2"}, {"c.sec|3"}}}},
      {"no [Track2]",
       {"[Music]", "m", "[Track1]", "a.sec|1", "[Track3]", "c.sec|3"},
       "m",
       {{{"a.sec|1"}, {}, {"c.sec|3"}}}},
      {"no [Track3]",
       {"[Music]", "m", "[Track1]", "a.sec|1", "[Track2]", "b.sec|2"},
       "m",
       {{{"a.sec|1"}, {"b.sec|2"}, {}}}},
      {"music line missing", {"[Music]", "[Track1]", "a.sec|1"}, "", {{{"a.sec|1"}, {}, {}}}},
      {"nothing", {}, "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TSequence show;
    ASSERT_TRUE(ParseShow(c.lines, show).ok());
    EXPECT_EQ(show.music, c.music);
    EXPECT_EQ(Tracks(show), c.tracks);
  }
}

TEST(ShowFile, BadTimeStopsAndKeepsTheEntriesBefore) {
  TSequence show;
  const Status status = ParseShow({"[Music]", "m", "[Track1]", "a.sec|1", "[Track2]", "b.sec|2",
                                   "intro.sec", "c.sec|3", "[Track3]", "d.sec|4"},
                                  show);
  EXPECT_EQ(status.error, "'intro.sec' is not a valid integer value");
  EXPECT_EQ(status.reached, 6u);
  EXPECT_EQ(show.music, "m");
  EXPECT_EQ(Tracks(show), (TrackTexts{{{"a.sec|1"}, {"b.sec|2"}, {}}}));
}

TEST(ShowFile, WritesLowerCaseNamesAndABarForAnEmptyTrack) {
  TempFolder folder;
  TSequence show;
  show.music = "Music/Song.MP3";
  show.tracks[0] = {{"Intro.SEC", 120, {}, {}}, {"", 0, {}, {}}};
  show.tracks[2] = {{"anim.ilf", -5, {}, {}}};
  ASSERT_TRUE(SaveShow(folder / "show.seq", show).ok());
  EXPECT_EQ(ReadText(folder / "show.seq"),
            "[Music]\r\nMusic/Song.MP3\r\n[Track1]\r\nintro.sec|120\r\n|0\r\n[Track2]\r\n|\r\n"
            "[Track3]\r\nanim.ilf|-5\r\n");

  TSequence again;
  ASSERT_TRUE(LoadShow(folder / "show.seq", again).ok());
  EXPECT_EQ(again.music, show.music);
  EXPECT_EQ(Tracks(again), (TrackTexts{{{"intro.sec|120", "|0"}, {"|0"}, {"anim.ilf|-5"}}}));
}

TEST(ShowFile, MissingFileLeavesTheShowAlone) {
  TempFolder folder;
  TSequence show;
  show.music = "kept";
  EXPECT_FALSE(LoadShow(folder / "none.seq", show).ok());
  EXPECT_FALSE(LoadShowForPlay(folder / "none.seq", folder.path(), show).ok());
  EXPECT_EQ(show.music, "kept");
}

// A program folder holding one segment and one frame list, and a show naming them among
// entries that have no content.
class ShowForPlay : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(home_ / "Section");
    std::filesystem::create_directories(home_ / "Frames");
    SegmentContent segment;
    segment.rows = {{"0", "40", "", "257"}, {"0", "10", "", "2"}};
    segment.drawings = {kDotText};
    ASSERT_TRUE(SaveSegment(home_ / "Section" / "x.sec", segment).ok());
    ASSERT_TRUE(SaveSegment(home_ / "Section" / "Mixed.sec", segment).ok());
    ASSERT_TRUE(SaveSegment(home_ / "Section" / "loud.SEC", segment).ok());
    ASSERT_TRUE(SaveSegment(home_ / "outside.sec", segment).ok());
    WriteText(home_ / "Frames" / "y.ilf", std::string("[DrawingList]\r\nDrawingName=0\r\n") +
                                              kDotText + "\r\nDrawingName=1\r\n\r\n");
  }

  TempFolder home_;
};

TEST_F(ShowForPlay, LoadsSegmentsAndFrameListsFromTheProgramFolder) {
  WriteText(home_ / "show.seq",
            "[Music]\r\n\r\n[Track1]\r\nx.sec|50\r\ny.ilf|2\r\n[Track2]\r\nmissing.sec|5\r\n"
            "mixed.sec|1\r\n[Track3]\r\nloud.SEC|1\r\n../outside.sec|1\r\nx.txt|1\r\n|\r\n");
  TSequence show;
  const Status status = LoadShowForPlay(home_ / "show.seq", home_.path(), show);
  ASSERT_TRUE(status.ok()) << status.error;

  const TSequenceRecord& segment = show.tracks[0][0];
  ASSERT_EQ(segment.rows.size(), 2u);
  EXPECT_EQ(segment.rows[0].drawing, kDotDrawing);
  EXPECT_EQ(segment.rows[1].colourMode, 2);
  EXPECT_TRUE(segment.frames.empty());

  const TSequenceRecord& frames = show.tracks[0][1];
  EXPECT_EQ(frames.frames, (FrameList{kDotDrawing, {}}));
  EXPECT_TRUE(frames.rows.empty());

  EXPECT_TRUE(show.tracks[1][0].rows.empty());  // missing
  // Names are stored in lower case; the file on disk keeps its own case.
  EXPECT_EQ(show.tracks[1][1].rows.size(), 2u);

  // The extension test is case-sensitive; entries stay inside their folder; other extensions
  // and empty names have no content.
  ASSERT_EQ(show.tracks[2].size(), 4u);
  for (const TSequenceRecord& entry : show.tracks[2]) {
    EXPECT_TRUE(entry.rows.empty()) << entry.name;
    EXPECT_TRUE(entry.frames.empty()) << entry.name;
  }
}

TEST_F(ShowForPlay, ABadContentFileIsReportedByName) {
  WriteText(home_ / "Section" / "bad.sec", "[SectionContent]\n0|oops||0|\n[DrawingList]\n");
  WriteText(home_ / "show.seq", "[Music]\n\n[Track1]\nx.sec|1\nbad.sec|1\n[Track2]\n[Track3]\n");
  TSequence show;
  const Status status = LoadShowForPlay(home_ / "show.seq", home_.path(), show);
  EXPECT_EQ(status.error, "bad.sec: 'oops' is not a valid integer value");
  ASSERT_EQ(show.tracks[0].size(), 2u);
  EXPECT_EQ(show.tracks[0][0].rows.size(), 2u);
}

TEST_F(ShowForPlay, EntriesReadBeforeABadLineGetTheirContent) {
  WriteText(home_ / "show.seq", "[Music]\n\n[Track1]\nx.sec|1\ny.ilf|soon\n");
  TSequence show;
  const Status status = LoadShowForPlay(home_ / "show.seq", home_.path(), show);
  EXPECT_EQ(status.reached, 4u);
  ASSERT_EQ(show.tracks[0].size(), 1u);
  EXPECT_EQ(show.tracks[0][0].rows.size(), 2u);
}

TEST_F(ShowForPlay, LoadEntryContentReplacesWhatTheEntryHeld) {
  TSequenceRecord entry{"y.ilf", 0, {TSectionRecord{}}, {}};
  ASSERT_TRUE(LoadEntryContent(entry, home_.path()).ok());
  EXPECT_TRUE(entry.rows.empty());
  EXPECT_EQ(entry.frames.size(), 2u);

  entry.name = "gone.ilf";
  ASSERT_TRUE(LoadEntryContent(entry, home_.path()).ok());
  EXPECT_TRUE(entry.frames.empty());
}

}  // namespace
}  // namespace daved
