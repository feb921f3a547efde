#pragma once
// The frame pages panel below the drawing editor's canvas: 24 thumbnails a page (Image2 to
// Image25), the page arrows, the counters and the buttons that fill, reorder, load and save the
// frames and move them to and from the canvas. The frames and their rules live in FramePages.

#include <QDockWidget>
#include <array>

#include "editor/frame_pages.h"
#include "ui/window_services.h"

class QLabel;

namespace daved {

class TForm1;

class FramePagesPanel : public QDockWidget {
  Q_OBJECT

 public:
  // Docks itself below the canvas of `window`.
  FramePagesPanel(TForm1& window, WindowServices& services);

  const FramePages& pages() const { return pages_; }

 signals:
  // "Invia a Drawing" replaced the canvas drawing.
  void drawingReplaced();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void NewListClick();        // "Nuovo"
  void OpenListClick();       // "Apri"
  void SaveListClick();       // "Salva"
  void SaveListAsClick();     // "Salva con nome"
  void AppendFrameClick();    // "Aggiungi"
  void InsertFrameClick();    // "Inserisci"
  void RemoveFrameClick();    // "Rimuovi"
  void SendToDrawingClick();  // "Invia a Drawing"
  void TakeFromDrawingClick();  // "Prendi da Drawing"
  void PreviousPageClick();
  void NextPageClick();

 private:
  void BuildControls();
  void SelectThumbnail(int slot);
  // The thumbnails of the current page with the selection mark, the counters and the name.
  void ShowPages();
  FilePrompts Prompts();
  void ShowFileCommand(const CommandResult& result);

  TForm1& window_;
  WindowServices& services_;
  FramePages pages_;

  std::array<QLabel*, kFramesPerPage> thumbnails_{};  // Image2 .. Image25
  QLabel* Label26 = nullptr;  // "Nome frame:"
  QLabel* Label30 = nullptr;  // "Frame totali"
  QLabel* Label32 = nullptr;  // "FrameNO"
  QLabel* Label36 = nullptr;  // "Contatore Frame"
  QLabel* Label41 = nullptr;  // "Pagina:"
  QLabel* Label40 = nullptr;  // "/"
};

}  // namespace daved
