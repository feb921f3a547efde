#pragma once
// New, Open, Save, Save as and the close question of the drawing editor. The window supplies
// the questions and file dialogs; tests answer them directly.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "editor/editor_document.h"

namespace daved {

// What the window puts in its dialogs.
inline constexpr char kDrawingFileFilter[] = "drawing files(*.ddr)";
inline constexpr char kDrawingFileSuffix[] = "ddr";
inline constexpr char kDrawingFolder[] = "Drawing";  // in the program folder

// The modified question of each command; the number of question marks tells them apart.
inline constexpr char kNewQuestion[] = "Il disegno è stato modificato, vuoi salvarlo??";
inline constexpr char kOpenQuestion[] = "Il disegno è stato modificato, vuoi salvarlo?";
inline constexpr char kCloseQuestion[] = "Il disegno è stato modificato, vuoi salvarlo???";
inline constexpr char kNewDrawingMessage[] = "Crea un nuovo disegno";

enum class Reply { Yes, No, Cancel };

struct FilePrompts {
  // A Yes/No/Cancel question box titled with the window caption.
  std::function<Reply(const std::string& text)> ask;
  // The open dialog; nothing when cancelled.
  std::function<std::optional<std::filesystem::path>()> chooseOpen;
  // The save dialog (overwrite prompt, suffix "ddr", folder "Drawing"); nothing when cancelled.
  std::function<std::optional<std::filesystem::path>()> chooseSave;
};

struct CommandResult {
  bool done = false;    // the command ran to its end
  std::string message;  // for the message label, when the command has one
  std::string error;    // a failed read or write: show it; nothing was changed

  static CommandResult Done(std::string message = {}) { return {true, std::move(message), {}}; }
  static CommandResult Stopped(std::string error = {}) { return {false, {}, std::move(error)}; }
};

CommandResult NewDrawing(EditorDocument& document, const FilePrompts& prompts);
CommandResult OpenDrawing(EditorDocument& document, const FilePrompts& prompts);
CommandResult SaveDrawingCommand(EditorDocument& document, const FilePrompts& prompts);
CommandResult SaveDrawingAs(EditorDocument& document, const FilePrompts& prompts);

// Reads a drawing file into the editor (Open, and other windows' loads): the drawing, the file
// path, an empty selection and history. On a failed read the document stays as it was.
CommandResult LoadDrawingIntoEditor(EditorDocument& document, const std::filesystem::path& path);

enum class ModalResult { None, Yes, No, Cancel };
struct CloseDecision {
  bool close = true;
  ModalResult result = ModalResult::None;
  std::string error;  // a failed save, which keeps the window open

  static CloseDecision Closes(ModalResult result) { return {true, result, {}}; }
  static CloseDecision Stays(std::string error = {}) {
    return {false, ModalResult::Cancel, std::move(error)};
  }
};
CloseDecision QueryClose(EditorDocument& document, const FilePrompts& prompts);

}  // namespace daved
