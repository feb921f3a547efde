#pragma once
// The drawing editor's colour controls: the palette grid "Colori ILDA" with the current
// colour's index, levels and swatch, and the colour and blanking buttons and menu items. The
// commands themselves live in the core (editor/colour_tools.h); the window draws the canvas,
// makes the chosen tool current and shows the messages.

#include <QObject>
#include <QString>
#include <vector>

#include "editor/drawing_tools.h"
#include "editor/editor_document.h"

class QFrame;
class QLabel;
class QMenu;
class QTableWidget;
class QWidget;

namespace daved {

class Dialogs;

class ColourControls : public QObject {
  Q_OBJECT

 public:
  // Builds the panel as a child of `window`, which also parents the dialogs.
  ColourControls(EditorDocument& document, Dialogs& dialogs, QWidget* window);

  // The grid, the current colour and the buttons, for the window's layout.
  QWidget* panel() const { return panel_; }
  // Adds the items of "Colore(&C)".
  void FillMenu(QMenu* menu);

 public slots:
  // The index label, the level labels and the swatch show the current colour.
  void ShowCurrentColour();
  // "Importa foto" and "Sfondo immagine(&B)".
  void ImportPicture();

 signals:
  void toolChosen(Tool tool);
  void redrawNeeded();
  void messageShown(const QString& text);

 private slots:
  void ChooseCell(int row, int column);
  void ColourSelectionClick();
  void SixColoursClick();
  void BlankSelectionClick();
  void BackgroundColourClick();
  void NeutralColourClick();
  void RedrawWithoutPicture();

 private:
  // A button with its item of "Colore(&C)": a tool to make current, or a command of this panel.
  struct ColourCommand {
    const char* button;
    const char* caption;
    const char* item;
    const char* itemText;
    Tool tool;                          // for a command, Tool::None
    void (ColourControls::*command)();  // for a tool, nullptr
  };
  static const std::vector<ColourCommand>& Commands();
  void Run(const ColourCommand& command);
  void BuildPanel();

  EditorDocument& document_;
  Dialogs& dialogs_;
  QWidget* window_;
  QWidget* panel_ = nullptr;
  QTableWidget* suiDrawGrid1 = nullptr;  // "Colori ILDA"
  QLabel* Label34 = nullptr;             // "Colori": the index
  QLabel* Label13 = nullptr;             // "R :"
  QLabel* Label22 = nullptr;             // "G:"
  QLabel* Label24 = nullptr;             // "B:"
  QFrame* Panel1 = nullptr;              // the swatch
};

}  // namespace daved
