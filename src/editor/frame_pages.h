#pragma once
// The frame pages below the editor's canvas: an animation built frame by frame, shown 24
// thumbnails to a page, loaded and saved as a frame list file. The frames hold laser
// coordinates; the canvas holds twice those. The frames are not part of the drawing, its undo
// history or its modified question.

#include <QImage>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor_document.h"
#include "editor/file_commands.h"
#include "model/point.h"

namespace daved {

inline constexpr int kFramesPerPage = 24;
inline constexpr int kThumbnailSize = 64;
inline constexpr int kThumbnailDivisor = 4;  // 256 laser units on 64 pixels
inline constexpr char kNewFrameListName[] = "NewImage.ilf";
inline constexpr char kFramesFolder[] = "Frames";  // in the program folder
inline constexpr char kFrameListOpenFilter[] = "IDF files(*.ilf)";
inline constexpr char kFrameListSaveFilter[] = "ILDA files(*.ilf)";
inline constexpr char kFrameListSuffix[] = "ilf";

// The canvas picture of a frame (every x and y doubled), and the frame of a canvas picture
// (x and y kept to 0..510, then halved). Both leave every point in the normal state; a point
// deleted on the canvas does not reach a frame.
Drawing FrameToCanvas(const Drawing& frame);
Drawing CanvasToFrame(const Drawing& canvas);

// A 64 by 64 black picture of the frame in its own colours, blank moves left out and marked
// with a small circle. The window writes the frame number over it.
QImage FrameThumbnail(const Drawing& frame);
// The selection mark: a red cross-hatch flooding the thumbnail's background from its centre.
void MarkSelected(QImage& thumbnail);

class FramePages {
 public:
  // 24 empty frames, the first page, nothing selected, a new list.
  FramePages();

  const FrameList& frames() const { return frames_; }
  int pageCount() const;
  int currentPage() const { return page_; }  // 0-based
  // The page number to show (1-based), 0 when there are no frames at all.
  int pageNumber() const { return pageCount() == 0 ? 0 : page_ + 1; }
  int selected() const { return selected_; }  // 1-based frame number, 0 for none
  std::size_t selectedPointCount() const;
  const std::filesystem::path& filePath() const { return path_; }
  // What "Nome frame:" shows: the file name, or "NewImage.ilf" for a new list.
  std::string fileName() const;

  // The frame indexes that the current page shows, slot by slot.
  std::vector<std::size_t> PageFrames() const;
  // The slot of the current page that shows the selected frame, if it is on this page.
  std::optional<int> MarkedSlot() const;

  // Selects the frame shown in a slot of the current page; false for an empty slot.
  bool SelectSlot(int slot);
  bool PreviousPage();
  bool NextPage();

  // "Nuovo": 24 empty frames again, a new list.
  void New();
  // "Aggiungi": an empty frame at the end.
  void Append();
  // "Inserisci": an empty frame before the selected one, which it then is; without a selection
  // it is appended and the first page shown.
  void Insert();
  // "Rimuovi": takes out the selected frame; false without a selection.
  bool Remove();

  // "Invia a Drawing": the selected frame replaces the canvas drawing, as a load from another
  // window does (no undo step, the modified flag untouched). False without a selection.
  bool SendToDrawing(EditorDocument& document) const;
  // "Prendi da Drawing": the canvas drawing replaces the selected frame. False without one.
  bool TakeFromDrawing(const Drawing& canvas);

  // "Apri": the open dialog (FilePrompts::chooseOpen; `ask` is not used). A name whose file
  // does not exist keeps the frames but becomes the list's name; a file that cannot be read
  // keeps everything as it was and says why.
  CommandResult Open(const FilePrompts& prompts);
  // "Salva": asks for a name only for a new list. A failed write keeps the name.
  CommandResult Save(const FilePrompts& prompts);
  // "Salva con nome": always asks.
  CommandResult SaveAs(const FilePrompts& prompts);

 private:
  CommandResult WriteTo(const std::filesystem::path& path);
  // Back to a page that exists.
  void KeepPageInRange();

  FrameList frames_;
  int page_ = 0;
  int selected_ = 0;
  std::filesystem::path path_;  // empty for a new list
};

}  // namespace daved
