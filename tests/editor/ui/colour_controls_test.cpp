// The drawing editor's colour grid and colour and blanking tools, headless: real clicks on the
// grid, the buttons and the canvas, and undo of each edit.

#include "editor/ui/colour_controls.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <fstream>

#include "editor/colour_tools.h"
#include "editor/ui/drawing_editor_window.h"
#include "model/palette.h"
#include "output/devices/simulated_controller_bus.h"
#include "editor_services.h"
#include "test_support.h"
#include "ui_support.h"

namespace daved {
namespace {

using testing::Control;
using testing::ScriptedDialogs;
using testing::TempFolder;

QColor Screen(uint8_t index) {
  const Rgb c = PaletteColour(index);
  return QColor(c.r, c.g, c.b);
}

Point P(int x, int y, uint8_t colour, uint8_t blank = 0) {
  return {x, y, kLinePoint, colour, kStateNormal, blank};
}

// Daved.ini with the editor's lines: black background, neutral 0 (dark moves hidden), no grid.
std::vector<std::string> EditorLines() {
  std::vector<std::string> lines(50, "0");
  lines[9] = "20";
  lines[11] = "6";
  return lines;
}

// The editor shown and active, holding a red to green line from (100, 200) to (300, 200) and a
// blue line from (200, 300) to (400, 300).
struct Rig : testing::EditorServices {
  Rig() : EditorServices(EditorLines()) {
    window = std::make_unique<TForm1>(services);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->document().drawing = {{P(100, 200, 2, 1), P(300, 200, 4)},
                                  {P(200, 300, 6, 1), P(400, 300, 6)}};
    window->Redraw();
  }
  template <typename T = QWidget>
  T* control(const char* name) {
    return Control<T>(window.get(), name);
  }
  QString text(const char* label) { return control<QLabel>(label)->text(); }
  void click(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
  void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(control<QLabel>("Image90"), button, {}, at);
  }
  void key(Qt::Key key) { QTest::keyClick(window.get(), key); }
  void trigger(const char* item) { control<QAction>(item)->trigger(); }
  // A click in the middle of the grid cell of `column` and `row`.
  void clickCell(int column, int row) {
    auto* grid = control<QTableWidget>("suiDrawGrid1");
    grid->scrollTo(grid->model()->index(row, column));
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  }
  QColor pixel(QPoint at) { return control<QLabel>("Image90")->pixmap().toImage().pixelColor(at); }
  EditorDocument& doc() { return window->document(); }

  std::unique_ptr<TForm1> window;
};

TEST(ColourControls, TheGridPicksTheCurrentColourAndTheLabelsAndSwatchShowIt) {
  Rig rig;
  auto* grid = rig.control<QTableWidget>("suiDrawGrid1");
  EXPECT_EQ(grid->columnCount(), 4);
  EXPECT_EQ(grid->rowCount(), 64);
  EXPECT_EQ(grid->horizontalHeader()->sectionSize(0), 30);
  EXPECT_EQ(grid->currentColumn(), 0);  // colour 4 at first
  EXPECT_EQ(grid->currentRow(), 4);
  EXPECT_EQ(rig.text("Label34"), "4");

  rig.clickCell(2, 5);
  EXPECT_EQ(rig.doc().colour, 133);
  const Rgb levels = PaletteColour(133);
  EXPECT_EQ(rig.text("Label34"), "133");
  EXPECT_EQ(rig.text("Label13"), QString::number(levels.r));
  EXPECT_EQ(rig.text("Label22"), QString::number(levels.g));
  EXPECT_EQ(rig.text("Label24"), QString::number(levels.b));
  EXPECT_EQ(rig.control<QFrame>("Panel1")->palette().color(QPalette::Window), Screen(133));
}

TEST(ColourControls, ColourPerSegmentRecoloursTheClickedSegmentAndUndoTakesItBack) {
  Rig rig;
  rig.clickCell(2, 5);
  rig.click("BitBtn15");
  EXPECT_EQ(rig.control<QPushButton>("BitBtn15")->text(), "Ch  L");
  EXPECT_EQ(rig.text("Label1"), "Cambia colore alla linea, selezionate la linea desiderata");
  rig.press({150, 201});
  EXPECT_EQ(rig.doc().drawing[0][1].colour, 133);
  EXPECT_EQ(rig.pixel({150, 200}), Screen(133));
  rig.press({10, 10}, Qt::RightButton);  // does nothing
  rig.press({10, 10});                   // hits nothing, still recorded
  EXPECT_EQ(rig.doc().history().size(), 2u);

  rig.click("TornaIndietro");
  EXPECT_EQ(rig.doc().drawing[0][1].colour, 133);  // back past the miss
  rig.doc().colour = 4;
  rig.key(Qt::Key_X);
  EXPECT_EQ(rig.text("Label1"), "(X) Modifica X per linea..");
  rig.press({250, 299});
  EXPECT_EQ(rig.doc().drawing[1][1].colour, 4);
}

TEST(ColourControls, EyedropperTakesTheEndColourWithoutMovingTheGridOrRecording) {
  Rig rig;
  rig.clickCell(2, 5);
  rig.trigger("Contagocce1");
  EXPECT_EQ(rig.text("Label1"),
            "Clicca su un punto o una linea con il contagocce per cambiare il colore...");
  rig.press({150, 199});  // red to green: green
  EXPECT_EQ(rig.doc().colour, 4);
  EXPECT_EQ(rig.text("Label34"), "4");
  EXPECT_EQ(rig.control<QFrame>("Panel1")->palette().color(QPalette::Window), Screen(4));
  auto* grid = rig.control<QTableWidget>("suiDrawGrid1");
  EXPECT_EQ(grid->currentColumn(), 2);
  EXPECT_EQ(grid->currentRow(), 5);
  EXPECT_EQ(rig.doc().history().size(), 0u);
  EXPECT_FALSE(rig.doc().modified);

  rig.clickCell(2, 5);  // the selected cell again gives its colour back
  EXPECT_EQ(rig.doc().colour, 133);
}

TEST(ColourControls, ADarkSegmentShowsInTheNeutralColourOnceOneIsSet) {
  Rig rig;
  rig.key(Qt::Key_B);
  EXPECT_EQ(rig.text("Label1"), "(B) Spazio per linea...");
  EXPECT_EQ(rig.pixel({150, 200}), Screen(4));
  rig.press({150, 200});
  EXPECT_EQ(rig.doc().drawing[0][1].blank, 1);
  EXPECT_EQ(rig.pixel({150, 200}), QColor(Qt::black));  // neutral 0: not drawn

  rig.clickCell(0, 8);
  rig.click("suiButton27");
  EXPECT_EQ(rig.doc().config.neutral, 8);
  EXPECT_EQ(rig.text("Label1"),
            "Aggiornamento avvenuto con successo! Il colore index attuale del cursore e' 8");
  EXPECT_EQ(rig.pixel({150, 200}), Screen(8));

  rig.click("suiButton23");  // "Blank L" again: lit
  rig.press({150, 200});
  EXPECT_EQ(rig.doc().drawing[0][1].blank, 0);
  EXPECT_EQ(rig.doc().history().size(), 2u);
  rig.click("TornaIndietro");
  EXPECT_EQ(rig.doc().drawing[0][1].blank, 1);
  rig.click("TornaAvanti");
  EXPECT_EQ(rig.doc().drawing[0][1].blank, 0);
}

TEST(ColourControls, SelectionCommandsRecolourAndBlankTheSelectionEachUndoable) {
  Rig rig;
  for (std::size_t i = 0; i < 2; ++i) {
    rig.doc().Select({0, i});
    rig.doc().Select({1, i});
  }
  rig.clickCell(1, 0);  // 64
  rig.click("BitBtn29");
  for (const Object& object : rig.doc().drawing) {
    for (const Point& p : object) EXPECT_EQ(p.colour, 64);
  }
  rig.click("suiButton34");  // four points: yellow, green, cyan, blue in selection order
  EXPECT_EQ(rig.doc().drawing[0][0].colour, 3);
  EXPECT_EQ(rig.doc().drawing[1][0].colour, 4);
  EXPECT_EQ(rig.doc().drawing[0][1].colour, 5);
  EXPECT_EQ(rig.doc().drawing[1][1].colour, 6);
  rig.click("suiButton25");
  EXPECT_EQ(rig.text("Label1"),
            "Settaggio spazi. E' stato variato lo stato dell'oggetto selezionato....");
  EXPECT_EQ(rig.doc().drawing[0][0].blank, 0);
  EXPECT_EQ(rig.doc().drawing[0][1].blank, 1);
  EXPECT_EQ(rig.doc().history().size(), 3u);

  rig.click("TornaIndietro");
  EXPECT_EQ(rig.doc().drawing[0][1].blank, 0);
  EXPECT_EQ(rig.doc().drawing[0][1].colour, 5);
  rig.click("TornaIndietro");
  EXPECT_EQ(rig.doc().drawing[0][1].colour, 64);
}

TEST(ColourControls, BackgroundColourAndPictureAndRidisegna) {
  Rig rig;
  rig.clickCell(0, 6);
  rig.trigger("Settaggiosfondo1");
  EXPECT_EQ(rig.doc().config.background, 6);
  EXPECT_EQ(rig.text("Label1"), "Permette di importare un'immagine di sfondo  6");
  EXPECT_EQ(rig.pixel({50, 50}), Screen(6));

  // A cancelled dialog, a missing file and a file that is no picture change nothing.
  TempFolder folder;
  std::ofstream(folder / "notes.png") << "not a picture";
  rig.dialogs.inputs = {std::nullopt, QString::fromStdString((folder / "none.png").string()),
                        QString::fromStdString((folder / "notes.png").string())};
  for (int i = 0; i < 3; ++i) rig.click("BitBtn21");
  EXPECT_EQ(rig.text("Label1"), "Background Pic  Permette di importare un'immagine di sfondo...");
  EXPECT_FALSE(rig.doc().pictureShown);
  ASSERT_EQ(rig.dialogs.messages.size(), 1u);
  EXPECT_TRUE(rig.dialogs.messages[0].contains("notes.png"));

  QImage picture(100, 100, QImage::Format_RGB32);
  picture.fill(QColor(10, 20, 30));
  const std::filesystem::path file = folder / "back.png";
  ASSERT_TRUE(picture.save(QString::fromStdString(file.string())));
  rig.dialogs.inputs = {QString::fromStdString(file.string())};
  rig.trigger("Sfondoimmagine1");
  EXPECT_TRUE(rig.doc().pictureShown);
  EXPECT_EQ(rig.pixel({50, 50}), QColor(10, 20, 30));
  EXPECT_EQ(rig.pixel({150, 150}), Screen(6));  // outside the picture

  rig.click("BitBtn11");
  EXPECT_FALSE(rig.doc().pictureShown);
  EXPECT_EQ(rig.pixel({50, 50}), Screen(6));
  EXPECT_FALSE(rig.doc().modified);  // none of these is an edit of the drawing
}

}  // namespace
}  // namespace daved
