#pragma once
// The plotter import dialog ("Fattore fine/grosso"): picks a .plt file, previews it with the
// fine/coarse and size factors, and appends it to the drawing editor's drawing as the new
// selection. It does not block the editor.

#include <QDialog>
#include <filesystem>
#include <optional>

#include "editor/plotter_import.h"
#include "ui/window_services.h"

class QLabel;
class QLineEdit;
class QSlider;

namespace daved {

class TForm1;

class TForm17 : public QDialog {
  Q_OBJECT

 public:
  TForm17(WindowServices& services, TForm1& editor, QWidget* parent = nullptr);

 public slots:
  // "Cancella" and the Esc key: closes and redraws the editor.
  void reject() override;

 private slots:
  void FindFileClick();  // "Find...."
  void PreviewClick();   // "Anteprima"
  void OkClick();        // "OK"
  void ShowFineFactor(int value);
  void ShowSizeFactor(int value);

 private:
  // The file named in Edit1, when it exists.
  std::optional<std::filesystem::path> ChosenFile() const;
  PlotterSettings Settings() const;
  // Parses and places the chosen file; a failure is shown and gives nothing.
  std::optional<Drawing> Import();
  void CloseAndRedrawEditor();

  WindowServices& services_;
  TForm1& editor_;

  QLineEdit* Edit1 = nullptr;    // "Nome file"
  QSlider* TrackBar1 = nullptr;  // "Fine/Coarse factor"
  QLabel* Label1 = nullptr;
  QSlider* TrackBar2 = nullptr;  // "Dimensione fattore"
  QLabel* Label7 = nullptr;
  QLabel* Image1 = nullptr;      // the preview
  QLabel* Label5 = nullptr;      // "Conteggio Punti:"
};

}  // namespace daved
