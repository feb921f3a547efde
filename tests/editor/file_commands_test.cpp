#include "editor/file_commands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "test_support.h"

namespace daved {
namespace {

using testing::TempFolder;

std::string Bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Scripted answers; records every question asked.
struct Answers {
  Reply reply = Reply::Yes;
  std::optional<std::filesystem::path> open, save;
  std::vector<std::string> asked;
  int saveDialogs = 0;

  FilePrompts prompts() {
    return {[this](const std::string& text) {
              asked.push_back(text);
              return reply;
            },
            [this] { return open; },
            [this] {
              ++saveDialogs;
              return save;
            }};
  }
};

class FileCommandsTest : public ::testing::Test {
 protected:
  // A modified drawing with one edit recorded.
  void Edit() {
    doc.drawing = {{{511, 3, kVertex, 4, kStateNormal, 1}, {20, 40, kLinePoint, 7, 0, 0}}};
    doc.RecordUndoStep();
  }

  TempFolder folder;
  EditorDocument doc;
  Answers answers;
};

TEST_F(FileCommandsTest, SaveOfANewDrawingAsksForANameAndWritesLaserCoordinates) {
  Edit();
  answers.save = folder / "star.ddr";
  const CommandResult result = SaveDrawingCommand(doc, answers.prompts());
  ASSERT_TRUE(result.done) << result.error;
  EXPECT_EQ(Bytes(folder / "star.ddr"), std::string("\xFF\x01\x02\x04\x01\x0A\x14\x00\x07\x80", 10));
  EXPECT_EQ(doc.fileName(), "star.ddr");
  EXPECT_FALSE(doc.modified);
  EXPECT_EQ(doc.history().position(), -1);

  // Saving again goes to the same file without a dialog.
  doc.drawing[0][1].x = 0;
  ASSERT_TRUE(SaveDrawingCommand(doc, answers.prompts()).done);
  EXPECT_EQ(answers.saveDialogs, 1);
  EXPECT_EQ(Bytes(folder / "star.ddr")[5], '\0');
}

TEST_F(FileCommandsTest, CancelledOrZeroNamedSaveDialogsChangeNothing) {
  Edit();
  for (const std::optional<std::filesystem::path>& name :
       {std::optional<std::filesystem::path>(), std::optional<std::filesystem::path>("0")}) {
    answers.save = name;
    EXPECT_FALSE(SaveDrawingAs(doc, answers.prompts()).done);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(doc.fileName(), kNewDrawingName);
    EXPECT_EQ(doc.history().size(), 1u);
  }
}

TEST_F(FileCommandsTest, AFailedSaveReportsAndLeavesTheOldFileAndTheDocument) {
  Edit();
  answers.save = folder / "old.ddr";
  ASSERT_TRUE(SaveDrawingAs(doc, answers.prompts()).done);
  const std::string old = Bytes(folder / "old.ddr");
  Edit();

  answers.save = folder / "missing" / "new.ddr";
  const CommandResult result = SaveDrawingAs(doc, answers.prompts());
  EXPECT_FALSE(result.done);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(doc.filePath, folder / "old.ddr");
  EXPECT_TRUE(doc.modified);
  EXPECT_EQ(Bytes(folder / "old.ddr"), old);

  // New answered Yes: the save fails, so the modified drawing stays.
  doc.filePath = folder / "missing" / "x.ddr";
  const CommandResult replaced = NewDrawing(doc, answers.prompts());
  EXPECT_FALSE(replaced.done);
  EXPECT_FALSE(replaced.error.empty());
  EXPECT_FALSE(doc.drawing.empty());
  EXPECT_TRUE(doc.modified);
}

TEST_F(FileCommandsTest, NewAsksOnlyWhenModifiedAndHonoursEachAnswer) {
  doc.AddPending({1, 1});
  EXPECT_EQ(NewDrawing(doc, answers.prompts()).message, kNewDrawingMessage);
  EXPECT_TRUE(answers.asked.empty());
  EXPECT_TRUE(doc.pending.empty());

  Edit();
  answers.reply = Reply::Cancel;
  EXPECT_FALSE(NewDrawing(doc, answers.prompts()).done);
  EXPECT_EQ(answers.asked, std::vector<std::string>{kNewQuestion});
  EXPECT_FALSE(doc.drawing.empty());

  answers.reply = Reply::No;
  EXPECT_TRUE(NewDrawing(doc, answers.prompts()).done);
  EXPECT_TRUE(doc.drawing.empty());
  EXPECT_FALSE(doc.modified);
  EXPECT_EQ(doc.history().position(), -1);

  Edit();
  answers.reply = Reply::Yes;
  answers.save = folder / "kept.ddr";
  EXPECT_TRUE(NewDrawing(doc, answers.prompts()).done);
  EXPECT_TRUE(std::filesystem::exists(folder / "kept.ddr"));
  EXPECT_TRUE(doc.drawing.empty());
  EXPECT_EQ(doc.fileName(), kNewDrawingName);
}

TEST_F(FileCommandsTest, OpenReadsAtEditorScaleAndIgnoresMissingFiles) {
  Edit();
  answers.save = folder / "a.ddr";
  ASSERT_TRUE(SaveDrawingAs(doc, answers.prompts()).done);
  const Drawing saved = doc.drawing;
  doc.drawing.clear();
  doc.RecordUndoStep();
  doc.RecordUndoStep();

  answers.reply = Reply::No;
  for (const char* name : {"0", "nothing.ddr"}) {
    answers.open = folder / name;
    if (std::string(name) == "0") answers.open = std::filesystem::path("0");
    EXPECT_FALSE(OpenDrawing(doc, answers.prompts()).done);
    EXPECT_TRUE(doc.drawing.empty());
  }
  answers.open = folder / "a.ddr";
  ASSERT_TRUE(OpenDrawing(doc, answers.prompts()).done);
  EXPECT_EQ(answers.asked.back(), kOpenQuestion);
  ASSERT_EQ(doc.drawing.size(), 1u);
  EXPECT_EQ(doc.drawing[0][0].x, 510);  // 511 was saved as 255
  EXPECT_EQ(doc.drawing[0][1].x, 20);
  EXPECT_EQ(doc.fileName(), "a.ddr");
  EXPECT_FALSE(doc.modified);
  EXPECT_FALSE(doc.Undo());
}

TEST_F(FileCommandsTest, CloseQuestionGivesTheModalResult) {
  EXPECT_TRUE(QueryClose(doc, answers.prompts()).close);
  EXPECT_TRUE(answers.asked.empty());

  Edit();
  answers.reply = Reply::Cancel;
  CloseDecision decision = QueryClose(doc, answers.prompts());
  EXPECT_FALSE(decision.close);
  EXPECT_EQ(decision.result, ModalResult::Cancel);
  EXPECT_EQ(answers.asked.back(), kCloseQuestion);

  answers.reply = Reply::Yes;  // the save dialog is cancelled: the drawing must not go
  decision = QueryClose(doc, answers.prompts());
  EXPECT_FALSE(decision.close);
  EXPECT_TRUE(doc.modified);

  answers.save = folder / "c.ddr";
  decision = QueryClose(doc, answers.prompts());
  EXPECT_TRUE(decision.close);
  EXPECT_EQ(decision.result, ModalResult::Yes);
  EXPECT_FALSE(doc.modified);

  Edit();
  answers.reply = Reply::No;
  decision = QueryClose(doc, answers.prompts());
  EXPECT_TRUE(decision.close);
  EXPECT_EQ(decision.result, ModalResult::No);
  EXPECT_FALSE(doc.modified);
}

}  // namespace
}  // namespace daved
