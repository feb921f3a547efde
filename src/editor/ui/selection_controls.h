#pragma once
// The drawing editor's selection controls: the buttons and items of "Modifica(&M)" that select
// points and objects, delete, move, scale, rotate and mirror the selection, and the copy mode
// check box. The commands live in the core (editor/selection.h); the window draws the canvas,
// makes the chosen tool current and shows the messages.

#include <QObject>
#include <QString>

#include "editor/drawing_tools.h"
#include "editor/editor_document.h"

class QAction;
class QCheckBox;
class QMenu;
class QPushButton;
class QWidget;

namespace daved {

class SelectionControls : public QObject {
  Q_OBJECT

 public:
  // Builds the buttons as children of `window`.
  SelectionControls(EditorDocument& document, QWidget* window);

  // The buttons and the copy mode check box, for the window's layout.
  QWidget* panel() const { return panel_; }
  // Adds the items of "Modifica(&M)".
  void FillMenu(QMenu* menu);
  // "Ruota" shows this dialog; without one it stays disabled.
  void SetRotationDialog(QWidget* dialog);

 public slots:
  // The E key.
  void DeleteByKey();

 signals:
  void toolChosen(Tool tool);
  void redrawNeeded();
  void messageShown(const QString& text);

 private slots:
  void SelectAllClick();
  void DeselectAllClick();
  void DeleteClick();
  void RotateClick();
  void MirrorTopToBottomClick();
  void MirrorLeftToRightClick();
  void SetCopyMode(bool on);

 private:
  void BuildPanel();
  void Delete(const char* message);

  EditorDocument& document_;
  QWidget* panel_ = nullptr;
  QWidget* rotationDialog_ = nullptr;  // TForm3
  QPushButton* BitBtn9 = nullptr;      // "Ruota"
  QCheckBox* suiCheckBox1 = nullptr;   // "Copia oggetto"
  QAction* rotateItem_ = nullptr;      // "Ruota(&R)"
  QAction* copyItem_ = nullptr;        // "Copia oggetto(&C)"
};

}  // namespace daved
