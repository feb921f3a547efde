#pragma once
// The drawing editor window: the 512 by 512 canvas, the drawing tools, the point spacing and
// polygon sides fields, the file and memory commands, undo, and the hand-off of the drawing to
// the drawing player. The document, the tools and the canvas composition live in the core.

#include <QMainWindow>
#include <QPoint>
#include <vector>

#include "editor/canvas.h"
#include "editor/drawing_tools.h"
#include "editor/editor_document.h"
#include "editor/file_commands.h"
#include "ui/window_services.h"

class QAction;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QScrollBar;
class QSlider;
class QToolButton;

namespace daved {

class ColourControls;
class SelectionControls;

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // Reads configuration lines 1 to 11 of services.config.
  explicit TForm1(WindowServices& services, QWidget* parent = nullptr);
  // Program end: the drawing player stops before the window goes.
  ~TForm1() override;

  // Lets each menu item that shows another window show it; an item whose window is not part of
  // the program stays disabled.
  void SetWindows(const std::vector<QWidget*>& windows);

  EditorDocument& document() { return document_; }
  const EditorConfig& config() const { return document_.config; }
  // False when lines 1 to 11 could not be read at creation: the launcher then mends them
  // instead of writing back the values that stood in for them.
  bool configRead() const { return configRead_; }
  // What the last close question answered (Yes after saving, No, or Cancel with the window
  // kept open); None when the drawing was not modified.
  ModalResult modalResult() const { return modalResult_; }

 public slots:
  // Composes the canvas from the document and shows it with its point count.
  void Redraw();
  // The drawing player has ended.
  void ShowPlayOver();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private slots:
  void NewDrawingClick();
  void OpenDrawingClick();
  void SaveDrawingClick();
  void SaveDrawingAsClick();
  void SaveToMemoryClick();
  void LoadFromMemoryClick();
  void UndoClick();
  void RedoClick();
  void ToggleShowPoints();
  void ToolButton1Click();  // "Playing"
  void ToolButton8Click();  // "Stop"
  void ShowOutputSettings();
  void SetInvertX(bool down);
  void SetInvertY(bool down);
  void ChangeScanSpeed(int position);
  void CommitPointSpacing();
  void CommitPolygonSides();
  void StepPointSpacing(int position);
  void StepPolygonSides(int position);

 private:
  void BuildControls();
  void BuildMenus();
  void ReadConfig();

  void ChooseTool(Tool tool, const char* message);
  // The keyboard map; true when the key was used.
  bool HandleKey(QKeyEvent* event);
  void EscapePressed();
  void Undo(const char* done, const char* nothing);

  void CanvasPress(QMouseEvent* event);
  void CanvasMove(QMouseEvent* event);
  // A canvas position, brought onto the canvas while the pointer is kept there.
  QPoint CanvasPoint(QMouseEvent* event) const;
  // Keeps the pointer on the canvas while the tool collects clicks, frees it otherwise.
  void UpdateConfinement();
  void ReleasePointer();

  FilePrompts Prompts();
  // Shows what a file command did: its error, the canvas, the file name and its message.
  void ShowCommand(const CommandResult& result);
  void ShowFileName();
  void ShowMessage(const QString& text);
  void ShowField(QLineEdit* field, QScrollBar* upDown, int value);

  WindowServices& services_;
  EditorDocument document_;
  DrawingTools tools_{document_};
  CanvasComposer composer_;
  ModalResult modalResult_ = ModalResult::None;
  bool configRead_ = false;
  int plays_ = 0;  // counts the plays started here; read and written on the main thread only
  QWidget* launcher_ = nullptr;
  QWidget* settingsWindow_ = nullptr;  // TForm13
  ColourControls* colours_ = nullptr;  // the palette grid and the colour tools
  SelectionControls* selection_ = nullptr;  // selecting and transforming the selection

  QLabel* Image90 = nullptr;
  QLabel* Label1 = nullptr;   // "Messaggio:"
  QLabel* Label2 = nullptr;   // "Lase X:"
  QLabel* Label3 = nullptr;   // "Lase Y:"
  QLabel* Label6 = nullptr;   // "N° Punti"
  QLabel* Label8 = nullptr;   // "Nome file:"
  QLabel* Label17 = nullptr;  // "X:"
  QLabel* Label18 = nullptr;  // "Y:"
  QLabel* Label21 = nullptr;  // the scan rate
  QLineEdit* Edit2 = nullptr;  // "Spazio punto"
  QScrollBar* UpDown2 = nullptr;
  QLineEdit* Edit1 = nullptr;  // "Lato poligono"
  QScrollBar* UpDown1 = nullptr;
  QSlider* TrackBar1 = nullptr;
  QToolButton* ToolButton9 = nullptr;  // "Invert X"
  QToolButton* ToolButton3 = nullptr;  // "Invert Y"
  QAction* invertXItem_ = nullptr;     // "Inverti orizzontale (&H)"
  QAction* invertYItem_ = nullptr;     // "Inverti verticale(&V)"
  QAction* settingsItem_ = nullptr;    // "Settaggio(&O)..."
  QToolButton* ToolButton2 = nullptr;  // "Setting"
  // Menu items that show a window, with that window's class name.
  std::vector<std::pair<QAction*, const char*>> windowItems_;
  QAction* rescanItem_ = nullptr;  // "Individua apparecchio(&D)"
  QAction* exitItem_ = nullptr;    // "Esci dal sistema (&X)"
};

}  // namespace daved
