#include "editor/frame_pages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "formats/drawing_file.h"
#include "test_support.h"

namespace daved {
namespace {

using testing::TempFolder;

Point At(int32_t x, int32_t y, uint8_t colour = 4, uint8_t blank = 0) {
  return {.x = x, .y = y, .kind = kVertex, .colour = colour, .state = kStateNormal, .blank = blank};
}

std::string Text(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// File dialogs answered by the test; counts how often the save dialog was shown.
struct Dialogs {
  std::optional<std::filesystem::path> open, save;
  int saveDialogs = 0;
  FilePrompts prompts() {
    return {[](const std::string&) { return Reply::Cancel; }, [this] { return open; },
            [this] {
              ++saveDialogs;
              return save;
            }};
  }
};

// A list of at least n frames (24 at least) whose first n each hold one point at laser x equal
// to their 1-based number, so that frames can be told apart.
FramePages Numbered(std::size_t n) {
  FramePages pages;
  while (pages.frames().size() < n) pages.Append();
  for (std::size_t i = 0; i < n; ++i) {
    const int page = int(i) / kFramesPerPage;
    while (pages.currentPage() < page) pages.NextPage();
    while (pages.currentPage() > page) pages.PreviousPage();
    EXPECT_TRUE(pages.SelectSlot(int(i) % kFramesPerPage));
    pages.TakeFromDrawing({{At(int32_t(2 * (i + 1)), 0)}});
  }
  while (pages.PreviousPage()) {
  }
  return pages;
}

int FirstX(const FramePages& pages, std::size_t index) { return pages.frames()[index][0][0].x; }

TEST(FramePages, StartsWithOnePageOf24EmptyFramesAndANewName) {
  const FramePages pages;
  EXPECT_EQ(pages.frames().size(), 24u);
  EXPECT_EQ(pages.pageCount(), 1);
  EXPECT_EQ(pages.pageNumber(), 1);
  EXPECT_EQ(pages.selected(), 0);
  EXPECT_EQ(pages.fileName(), "NewImage.ilf");
  EXPECT_EQ(pages.PageFrames().size(), 24u);
  EXPECT_FALSE(pages.MarkedSlot());
}

TEST(FramePages, TheTwentyFifthFrameMakesASecondPageWhereItIsTheFirstThumbnail) {
  FramePages pages;
  EXPECT_FALSE(pages.NextPage());
  pages.Append();
  EXPECT_EQ(pages.pageCount(), 2);
  EXPECT_EQ(pages.currentPage(), 0);  // appending does not turn the page
  EXPECT_TRUE(pages.NextPage());
  EXPECT_FALSE(pages.NextPage());
  EXPECT_EQ(pages.pageNumber(), 2);
  EXPECT_EQ(pages.PageFrames(), std::vector<std::size_t>{24});
  EXPECT_FALSE(pages.SelectSlot(1));  // an empty slot
  EXPECT_TRUE(pages.SelectSlot(0));
  EXPECT_EQ(pages.selected(), 25);
  EXPECT_EQ(pages.MarkedSlot(), 0);
  EXPECT_TRUE(pages.PreviousPage());
  EXPECT_FALSE(pages.PreviousPage());
  EXPECT_FALSE(pages.MarkedSlot());  // the selected frame is on the other page
  EXPECT_EQ(pages.selected(), 25);
}

TEST(FramePages, InsertPutsAnEmptyFrameBeforeTheSelectedOneOrAppendsWithoutOne) {
  FramePages pages = Numbered(3);
  pages.SelectSlot(1);
  pages.Insert();
  ASSERT_EQ(pages.frames().size(), 25u);
  EXPECT_EQ(pages.selected(), 2);  // now the new empty frame
  EXPECT_TRUE(pages.frames()[1].empty());
  EXPECT_EQ(FirstX(pages, 2), 2);

  FramePages unselected;
  unselected.Append();
  unselected.NextPage();
  unselected.Insert();  // appended, back to the first page
  EXPECT_EQ(unselected.frames().size(), 26u);
  EXPECT_EQ(unselected.currentPage(), 0);
  EXPECT_EQ(unselected.selected(), 0);
}

TEST(FramePages, RemovingTheOnlyFrameOfTheLastPageSelectsTheNewLastOnThePageBefore) {
  FramePages pages = Numbered(25);
  pages.NextPage();
  pages.SelectSlot(0);
  EXPECT_TRUE(pages.Remove());
  EXPECT_EQ(pages.frames().size(), 24u);
  EXPECT_EQ(pages.pageCount(), 1);
  EXPECT_EQ(pages.currentPage(), 0);
  EXPECT_EQ(pages.selected(), 24);
  EXPECT_EQ(pages.MarkedSlot(), 23);
  EXPECT_EQ(FirstX(pages, 23), 24);
}

TEST(FramePages, RemoveInTheMiddleKeepsTheNumberOnTheNextFrameAndNeedsASelection) {
  EXPECT_FALSE(FramePages().Remove());
  FramePages pages = Numbered(3);
  pages.SelectSlot(0);
  EXPECT_TRUE(pages.Remove());
  EXPECT_EQ(pages.frames().size(), 23u);
  EXPECT_EQ(pages.selected(), 1);
  EXPECT_EQ(FirstX(pages, 0), 2);
}

TEST(FramePages, RemovingEveryFrameLeavesNoPageAndNoSelection) {
  FramePages pages;
  for (int i = 0; i < 24; ++i) {
    pages.SelectSlot(0);
    EXPECT_TRUE(pages.Remove());
  }
  EXPECT_TRUE(pages.frames().empty());
  EXPECT_EQ(pages.pageCount(), 0);
  EXPECT_EQ(pages.pageNumber(), 0);
  EXPECT_EQ(pages.selected(), 0);
  EXPECT_FALSE(pages.Remove());
  pages.Append();
  EXPECT_EQ(pages.PageFrames(), std::vector<std::size_t>{0});
}

TEST(FramePages, TakeFromDrawingKeepsCanvasPositionsInTheLaserField) {
  FramePages pages;
  const Drawing canvas = {{At(600, 3, 7, 1), At(-10, 511)},
                          {At(100, 100), {.x = 40, .y = 40, .state = kStateDeleted}}};
  EXPECT_FALSE(pages.TakeFromDrawing(canvas));
  pages.SelectSlot(2);
  EXPECT_TRUE(pages.TakeFromDrawing(canvas));
  const Drawing expected = {{At(255, 1, 7, 1), At(0, 255)}, {At(50, 50)}};
  EXPECT_EQ(pages.frames()[2], expected);
  EXPECT_EQ(pages.selectedPointCount(), 3u);
}

TEST(FramePages, SendToDrawingDoublesTheFrameAndLeavesUndoAndModifiedAlone) {
  EditorDocument document;
  document.drawing = {{At(10, 10)}};
  document.RecordUndoStep();
  document.drawing = {{At(20, 20)}};
  document.RecordUndoStep();
  document.modified = false;
  document.Select({0, 0});

  FramePages pages;
  EXPECT_FALSE(pages.SendToDrawing(document));
  pages.SelectSlot(0);
  pages.TakeFromDrawing({{At(7, 9, 3, 1), At(300, 2)}});
  EXPECT_TRUE(pages.SendToDrawing(document));
  const Drawing expected = {{At(6, 8, 3, 1), At(300, 2)}};
  EXPECT_EQ(document.drawing, expected);
  EXPECT_TRUE(document.selection.empty());
  EXPECT_FALSE(document.modified);
  EXPECT_EQ(document.history().position(), 1);

  // Undo goes by the history, which the send did not touch.
  EXPECT_TRUE(document.Undo());
  EXPECT_EQ(document.drawing, (Drawing{{At(10, 10)}}));
}

TEST(FramePages, SaveWritesTheFrameListAndAsksForANameOnlyForANewList) {
  TempFolder folder;
  FramePages pages;
  while (pages.frames().size() > 2) {
    pages.SelectSlot(0);
    pages.Remove();
  }
  pages.SelectSlot(1);
  pages.TakeFromDrawing({{At(20, 40, 4, 1), At(60, 80)}});

  Dialogs dialogs;
  dialogs.save = "0";  // the name "0" counts as cancelled
  EXPECT_FALSE(pages.Save(dialogs.prompts()).done);
  dialogs.save = folder / "anim.ilf";
  EXPECT_TRUE(pages.Save(dialogs.prompts()).done);
  EXPECT_EQ(pages.fileName(), "anim.ilf");
  EXPECT_EQ(Text(folder / "anim.ilf"),
            "[DrawingList]\r\nDrawingName=0\r\n\r\nDrawingName=1\r\n"
            "10,20,2,4,0,1|30,40,2,4,0,128|\r\n");
  EXPECT_TRUE(pages.Save(dialogs.prompts()).done);
  EXPECT_EQ(dialogs.saveDialogs, 2);
  dialogs.save = folder / "copy.ilf";
  EXPECT_TRUE(pages.SaveAs(dialogs.prompts()).done);
  EXPECT_EQ(dialogs.saveDialogs, 3);
  EXPECT_EQ(pages.fileName(), "copy.ilf");
}

TEST(FramePages, AFailedSaveKeepsTheNameAndSaysWhy) {
  TempFolder folder;
  FramePages pages;
  Dialogs dialogs;
  dialogs.save = folder / "missing" / "anim.ilf";
  const CommandResult result = pages.Save(dialogs.prompts());
  EXPECT_FALSE(result.done);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(pages.fileName(), "NewImage.ilf");
}

TEST(FramePages, OpenReadsTheFramesAndStartsOnTheFirstPageWithoutSelection) {
  TempFolder folder;
  FramePages saved = Numbered(30);
  Dialogs dialogs;
  dialogs.save = folder / "thirty.ilf";
  ASSERT_TRUE(saved.SaveAs(dialogs.prompts()).done);

  FramePages pages;
  pages.NextPage();
  pages.SelectSlot(3);
  dialogs.open = folder / "thirty.ilf";
  ASSERT_TRUE(pages.Open(dialogs.prompts()).done);
  EXPECT_EQ(pages.frames(), saved.frames());
  EXPECT_EQ(pages.pageCount(), 2);
  EXPECT_EQ(pages.currentPage(), 0);
  EXPECT_EQ(pages.selected(), 0);
  EXPECT_EQ(pages.fileName(), "thirty.ilf");
}

TEST(FramePages, OpenOfAMissingFileKeepsTheFramesButTakesTheName) {
  TempFolder folder;
  FramePages pages = Numbered(25);
  pages.NextPage();
  pages.SelectSlot(0);
  Dialogs dialogs;
  EXPECT_FALSE(pages.Open(dialogs.prompts()).done);  // cancelled
  EXPECT_EQ(pages.selected(), 25);
  dialogs.open = folder / "gone.ilf";
  EXPECT_TRUE(pages.Open(dialogs.prompts()).done);
  EXPECT_EQ(pages.frames().size(), 25u);
  EXPECT_EQ(pages.fileName(), "gone.ilf");
  EXPECT_EQ(pages.currentPage(), 0);
  EXPECT_EQ(pages.selected(), 0);
}

TEST(FramePages, ABadFileIsReportedAndChangesNothing) {
  TempFolder folder;
  {
    std::ofstream out(folder / "bad.ilf", std::ios::binary);
    out << "[DrawingList]\r\nDrawingName=0\r\n1,2,2,4,0,128|\r\n"
           "DrawingName=1\r\n1,x,2,4,0,128|\r\n";
  }
  FramePages pages = Numbered(25);
  pages.NextPage();
  pages.SelectSlot(0);
  const FrameList before = pages.frames();
  Dialogs dialogs;
  dialogs.open = folder / "bad.ilf";
  const CommandResult result = pages.Open(dialogs.prompts());
  EXPECT_FALSE(result.done);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(pages.frames(), before);
  EXPECT_EQ(pages.fileName(), "NewImage.ilf");
  EXPECT_EQ(pages.currentPage(), 1);
  EXPECT_EQ(pages.selected(), 25);
}

TEST(FramePages, NewGoesBackTo24EmptyFramesAndANewName) {
  TempFolder folder;
  FramePages pages = Numbered(30);
  Dialogs dialogs;
  dialogs.save = folder / "a.ilf";
  pages.SaveAs(dialogs.prompts());
  pages.NextPage();
  pages.SelectSlot(2);
  pages.New();
  EXPECT_EQ(pages.frames(), FrameList(24));
  EXPECT_EQ(pages.currentPage(), 0);
  EXPECT_EQ(pages.selected(), 0);
  EXPECT_EQ(pages.fileName(), "NewImage.ilf");
}

TEST(FrameThumbnail, DrawsLitSegmentsAtAQuarterAndLeavesBlankMovesOut) {
  // A blank move to (40, 40), then a lit line in colour 6 (blue) to (200, 40).
  const Drawing frame = {{At(0, 200, 6, 0), At(40, 40, 6, 1), At(200, 40, 6, 0)}};
  const QImage image = FrameThumbnail(frame);
  ASSERT_EQ(image.size(), QSize(64, 64));
  EXPECT_EQ(image.pixelColor(30, 10), QColor(0, 0, 255));  // on the lit line
  EXPECT_EQ(image.pixelColor(5, 30), QColor(Qt::black));   // on the dark move
  EXPECT_EQ(image.pixelColor(60, 60), QColor(Qt::black));
}

TEST(FrameThumbnail, TheSelectionMarkFloodsFromTheCentreUpToEnclosingLines) {
  // A closed square around the centre: the mark stays inside it.
  const Drawing frame = {{At(64, 64, 6), At(192, 64, 6), At(192, 192, 6), At(64, 192, 6),
                          At(64, 64, 6)}};
  QImage image = FrameThumbnail(frame);
  MarkSelected(image);
  EXPECT_EQ(image.pixelColor(32, 32), QColor(255, 0, 0));  // on a hatch line inside
  EXPECT_EQ(image.pixelColor(33, 32), QColor(Qt::black));  // between hatch lines
  EXPECT_EQ(image.pixelColor(16, 20), QColor(0, 0, 255));  // the square's edge
  EXPECT_EQ(image.pixelColor(8, 8), QColor(Qt::black));    // outside: not reached

  QImage empty = FrameThumbnail({});
  MarkSelected(empty);
  EXPECT_EQ(empty.pixelColor(8, 8), QColor(255, 0, 0));
}

}  // namespace
}  // namespace daved
