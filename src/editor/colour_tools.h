#pragma once
// The colour and blanking commands of the drawing editor: the palette grid's cells, the
// eyedropper, recolouring and blanking segments and the selection, the six colour runs, the
// background and neutral colours and the background picture. A segment from A to B is lit in
// B's colour and dark when B is blank, so segment commands change B.

#include <QPoint>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "editor/editor_document.h"

namespace daved {

inline constexpr char kEyedropperMessage[] =
    "Clicca su un punto o una linea con il contagocce per cambiare il colore...";
inline constexpr char kSegmentColourMessage[] =
    "Cambia colore alla linea, selezionate la linea desiderata";
inline constexpr char kSegmentColourKeyMessage[] = "(X) Modifica X per linea..";
inline constexpr char kSegmentBlankMessage[] =
    "Spazio tra linee, selezionate la linea desiderata...";
inline constexpr char kSegmentBlankKeyMessage[] = "(B) Spazio per linea...";
inline constexpr char kSelectionBlankMessage[] =
    "Settaggio spazi. E' stato variato lo stato dell'oggetto selezionato....";
// Followed by the colour index in decimal.
inline constexpr char kBackgroundColourMessage[] = "Permette di importare un'immagine di sfondo  ";
inline constexpr char kNeutralColourMessage[] =
    "Aggiornamento avvenuto con successo! Il colore index attuale del cursore e' ";
inline constexpr char kPictureMessage[] =
    "Background Pic  Permette di importare un'immagine di sfondo...";

// The palette grid: 4 columns of 64 rows, column c and row r standing for index c * 64 + r.
inline constexpr int kGridColumns = 4;
inline constexpr int kGridRows = 64;
struct GridCell {
  int column = 0;
  int row = 0;
  friend bool operator==(const GridCell&, const GridCell&) = default;
};
uint8_t ColourOfCell(GridCell cell);
GridCell CellOfColour(uint8_t colour);

// Eyedropper: the colour of the segment hit by `click`, the last object's that has one; the
// end point's colour, or the start's when both ends coincide.
std::optional<uint8_t> PickColour(const Drawing& drawing, QPoint click);

// Colour per segment: every segment hit gets the current colour at its end (both ends when
// they coincide). Records an undo step even when nothing was hit.
void ColourSegments(EditorDocument& document, QPoint click);
// Blank per segment: every segment hit has the blank flag of its end inverted (of both ends
// when they coincide). Records an undo step even when nothing was hit.
void BlankSegments(EditorDocument& document, QPoint click);

// Every selected point gets the current colour; records an undo step unless nothing is selected.
void ColourSelection(EditorDocument& document);
// Every selected point has its blank flag inverted; records an undo step in any case.
void BlankSelection(EditorDocument& document);

// The colours of "Colori casuali" for `count` points in selection order: runs of count / 6
// points in colours 2 to 7, cycling; below 6 points each point advances the colour from 3.
std::vector<uint8_t> SixColourRuns(std::size_t count);
// Gives the selection those colours; records an undo step unless nothing is selected.
void SpreadSixColours(EditorDocument& document);

enum class PictureChoice { Shown, Missing, Unreadable };
// Shows `path` under the grid when it is an image that can be read; otherwise the document is
// left as it was.
PictureChoice ShowPicture(EditorDocument& document, const std::filesystem::path& path);
// "Ridisegna": no picture any more.
void HidePicture(EditorDocument& document);
// The open dialog's filter: every picture kind that can be read.
QString PictureFilter();
// What the window says about a picture that exists but cannot be read.
QString UnreadablePictureMessage(const std::filesystem::path& path);

}  // namespace daved
