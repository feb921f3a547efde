#include "editor/file_commands.h"

#include "formats/drawing_file.h"

namespace daved {
namespace {

// A dialog that returns the name "0" counts as cancelled.
std::optional<std::filesystem::path> Chosen(
    const std::function<std::optional<std::filesystem::path>()>& dialog) {
  std::optional<std::filesystem::path> path = dialog();
  if (!path || path->empty() || *path == "0") return std::nullopt;
  return path;
}

CommandResult WriteTo(EditorDocument& document, const std::filesystem::path& path) {
  const Status status = SaveDrawing(path, document.drawing, kEditorScale);
  if (!status.ok()) return CommandResult::Stopped(status.error);
  document.filePath = path;
  document.ClearHistory();
  document.modified = false;
  return CommandResult::Done();
}

// The modified question before a command that replaces the drawing. True when the command may
// go on; a Yes whose save did not happen stops it, so the drawing is never dropped unsaved.
bool MayReplace(EditorDocument& document, const FilePrompts& prompts, const char* question,
                CommandResult& result) {
  if (!document.modified) return true;
  switch (prompts.ask(question)) {
    case Reply::Cancel:
      return false;
    case Reply::No:
      return true;
    case Reply::Yes:
      result = SaveDrawingCommand(document, prompts);
      return result.done;
  }
  return false;
}

}  // namespace

CommandResult NewDrawing(EditorDocument& document, const FilePrompts& prompts) {
  CommandResult result;
  if (!MayReplace(document, prompts, kNewQuestion, result)) return CommandResult::Stopped(result.error);
  document.ReplaceDrawing({});
  document.ClearHistory();
  document.filePath.clear();
  document.modified = false;
  return CommandResult::Done(kNewDrawingMessage);
}

CommandResult LoadDrawingIntoEditor(EditorDocument& document, const std::filesystem::path& path) {
  Drawing loaded;
  const Status status = LoadDrawing(path, loaded, kEditorScale);
  if (!status.ok()) return CommandResult::Stopped(status.error);
  document.ReplaceDrawing(std::move(loaded));
  document.filePath = path;
  document.ClearHistory();
  return CommandResult::Done();
}

CommandResult OpenDrawing(EditorDocument& document, const FilePrompts& prompts) {
  CommandResult result;
  if (!MayReplace(document, prompts, kOpenQuestion, result)) return CommandResult::Stopped(result.error);
  const std::optional<std::filesystem::path> path = Chosen(prompts.chooseOpen);
  std::error_code ec;
  if (!path || !std::filesystem::is_regular_file(*path, ec)) return CommandResult::Stopped();
  result = LoadDrawingIntoEditor(document, *path);
  if (result.done) document.modified = false;
  return result;
}

CommandResult SaveDrawingCommand(EditorDocument& document, const FilePrompts& prompts) {
  if (document.filePath.empty()) return SaveDrawingAs(document, prompts);
  return WriteTo(document, document.filePath);
}

CommandResult SaveDrawingAs(EditorDocument& document, const FilePrompts& prompts) {
  const std::optional<std::filesystem::path> path = Chosen(prompts.chooseSave);
  if (!path) return CommandResult::Stopped();
  return WriteTo(document, *path);
}

CloseDecision QueryClose(EditorDocument& document, const FilePrompts& prompts) {
  if (!document.modified) return CloseDecision::Closes(ModalResult::None);
  switch (prompts.ask(kCloseQuestion)) {
    case Reply::Cancel:
      return CloseDecision::Stays();
    case Reply::No:
      document.modified = false;
      return CloseDecision::Closes(ModalResult::No);
    case Reply::Yes: {
      // Closing may end the program: a save that did not happen keeps the window open.
      const CommandResult saved = SaveDrawingCommand(document, prompts);
      if (!saved.done) return CloseDecision::Stays(saved.error);
      return CloseDecision::Closes(ModalResult::Yes);
    }
  }
  return CloseDecision::Stays();
}

}  // namespace daved
