// Selecting and transforming in the drawing editor, headless: real clicks, moves and keys on the
// canvas, the buttons and the rotation dialog, and the undo of each edit.

#include "editor/ui/selection_controls.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "editor/ui/drawing_editor_window.h"
#include "editor/ui/rotation_dialog.h"
#include "output/devices/simulated_controller_bus.h"
#include "editor_services.h"
#include "test_support.h"
#include "ui_support.h"

namespace daved {
namespace {

using testing::Control;
using testing::ScriptedDialogs;
using testing::TempFolder;

const QColor kRed(255, 0, 0);

Point P(int x, int y, uint8_t blank = 0) { return {x, y, kVertex, 4, kStateNormal, blank}; }

std::vector<QPoint> Positions(const Object& object) {
  std::vector<QPoint> points;
  for (const Point& p : object) points.emplace_back(p.x, p.y);
  return points;
}

// The editor, shown and active, with the rotation dialog and a drawing of two lines already
// recorded in the history; background colour 0 (black), no grid.
struct Rig : testing::EditorServices {
  Rig() {
    editor = std::make_unique<TForm1>(services);
    rotation = std::make_unique<TForm3>(*editor);
    editor->SetWindows({editor.get(), rotation.get()});
    EditorDocument& doc = editor->document();
    doc.drawing = {{P(100, 100, 1), P(200, 100)}, {P(356, 256, 1), P(356, 356)}};
    doc.RecordUndoStep();
    editor->Redraw();
    editor->show();
    editor->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
  }
  template <typename T = QWidget>
  T* control(const char* name) {
    return Control<T>(editor.get(), name);
  }
  QString message() { return control<QLabel>("Label1")->text(); }
  void click(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
  void key(Qt::Key key) { QTest::keyClick(editor.get(), key); }
  QWidget* canvas() { return control("Image90"); }
  void press(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {}) {
    QTest::mouseClick(canvas(), button, mods, at);
  }
  void moveTo(QPoint at) { QTest::mouseMove(canvas(), at); }
  QColor pixel(QPoint at) { return control<QLabel>("Image90")->pixmap().toImage().pixelColor(at); }
  EditorDocument& doc() { return editor->document(); }
  const Drawing& drawing() { return editor->document().drawing; }

  std::unique_ptr<TForm1> editor;
  std::unique_ptr<TForm3> rotation;
};

TEST(SelectionControls, SelectAPointMoveItWithTheMouseAndUndoTheMove) {
  Rig rig;
  rig.click("suiButton21");
  EXPECT_EQ(rig.message(), "Cliccate su un punto per selezionarlo. Con il tasto destro cancellate "
                           "l'operazione");
  rig.press({201, 99});
  ASSERT_EQ(rig.doc().selection, (std::vector<PointRef>{{0, 1}}));
  EXPECT_EQ(rig.pixel({202, 98}), kRed);  // the selected point's filled square

  rig.key(Qt::Key_M);
  EXPECT_EQ(rig.message(), "(M) Muovi/Sposta...");
  rig.press({10, 10});
  rig.moveTo({30, 50});  // the point follows the mouse
  EXPECT_EQ(Positions(rig.drawing()[0]), (std::vector<QPoint>{{100, 100}, {220, 140}}));
  EXPECT_EQ(rig.pixel({220, 140}), kRed);
  rig.press({60, 40});
  EXPECT_EQ(Positions(rig.drawing()[0]), (std::vector<QPoint>{{100, 100}, {250, 130}}));
  EXPECT_EQ(rig.doc().selection.size(), 1u);  // still selected: it can move again
  EXPECT_EQ(rig.doc().history().size(), 2u);

  rig.click("TornaIndietro");
  EXPECT_EQ(Positions(rig.drawing()[0]), (std::vector<QPoint>{{100, 100}, {200, 100}}));
  EXPECT_TRUE(rig.doc().selection.empty());
  rig.click("TornaAvanti");
  EXPECT_EQ(Positions(rig.drawing()[0]), (std::vector<QPoint>{{100, 100}, {250, 130}}));
}

TEST(SelectionControls, AnObjectBoxFollowsTheMouseAndARightClickClearsTheSelection) {
  Rig rig;
  Control<QAction>(rig.editor.get(), "Selezionaoggetto1")->trigger();
  rig.press({300, 200});  // on no segment: the first corner of a box
  rig.moveTo({400, 300});
  int red = 0;  // the dashed outline along the box's left side
  for (int y = 200; y <= 300; ++y) red += rig.pixel({300, y}) == kRed;
  EXPECT_GT(red, 20);
  rig.press({400, 300});  // holds (356, 256) of the second line
  EXPECT_EQ(rig.doc().selection, (std::vector<PointRef>{{1, 0}, {1, 1}}));

  rig.press({150, 100});  // on the first line's segment
  EXPECT_EQ(rig.doc().selection.size(), 4u);
  rig.press({5, 5}, Qt::RightButton);
  EXPECT_TRUE(rig.doc().selection.empty());
  EXPECT_EQ(rig.doc().history().size(), 1u);
}

TEST(SelectionControls, ScaleWithCtrlKeepsTheRatio) {
  Rig rig;
  rig.click("suiButton28");
  EXPECT_EQ(rig.message(), "Seleziona tutto.  E' stato variato lo stato dell'oggetto "
                           "selezionato....");
  rig.key(Qt::Key_Z);
  EXPECT_EQ(rig.message(), "(Z) Zoom...");
  rig.press({100, 100});  // the centre
  rig.press({120, 40}, Qt::LeftButton, Qt::ControlModifier);  // factors 1.2 and -1.2
  EXPECT_EQ(Positions(rig.drawing()[0]), (std::vector<QPoint>{{100, 100}, {220, 100}}));
  EXPECT_EQ(Positions(rig.drawing()[1]), (std::vector<QPoint>{{407, -87}, {407, -207}}));
  rig.click("TornaIndietro");
  EXPECT_EQ(Positions(rig.drawing()[1]), (std::vector<QPoint>{{356, 256}, {356, 356}}));
}

TEST(SelectionControls, RotationDialogTurnsTheSelectionAboutItsCentre) {
  Rig rig;
  rig.press({0, 0});  // no tool yet: nothing happens
  rig.key(Qt::Key_S);
  rig.press({356, 256});
  rig.click("BitBtn9");
  TForm3* dialog = rig.rotation.get();
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(dialog->windowTitle(), "Rotazione");
  auto* angle = Control<QSlider>(dialog, "TrackBar1");
  EXPECT_EQ(angle->value(), 0);
  angle->setFocus();
  for (int i = 0; i < 30; ++i) QTest::keyClick(angle, Qt::Key_Right);
  EXPECT_EQ(Control<QLabel>(dialog, "Label1")->text(), "30");
  // The preview shows the turned point at half scale: (342, 305) lands on (171, 152).
  const QImage preview = Control<QLabel>(dialog, "Image1")->pixmap().toImage();
  EXPECT_EQ(preview.pixelColor(128, 126), kRed);  // the centre's square

  rig.doc().modified = false;
  QTest::mouseClick(Control<QPushButton>(dialog, "BitBtn1"), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(Positions(rig.drawing()[1]), (std::vector<QPoint>{{342, 305}, {356, 356}}));
  EXPECT_TRUE(rig.doc().modified);
  rig.click("TornaIndietro");
  EXPECT_EQ(Positions(rig.drawing()[1]), (std::vector<QPoint>{{356, 256}, {356, 356}}));

  // A press on the preview moves the centre, which stays for the next use; the angle does not.
  rig.press({356, 356});
  rig.click("BitBtn9");
  EXPECT_EQ(angle->value(), 0);
  QTest::mouseClick(Control<QLabel>(dialog, "Image1"), Qt::LeftButton, {}, {178, 128});
  EXPECT_EQ(dialog->centre(), QPoint(178, 128));
  Control<QCheckBox>(dialog, "suiCheckBox1")->click();  // "Senso antiorario"
  angle->setValue(90);
  QTest::mouseClick(Control<QPushButton>(dialog, "BitBtn2"), Qt::LeftButton);  // "&Cancella"
  EXPECT_EQ(Positions(rig.drawing()[1]), (std::vector<QPoint>{{356, 256}, {356, 356}}));
  rig.click("BitBtn9");
  EXPECT_EQ(dialog->centre(), QPoint(178, 128));
  angle->setValue(90);
  EXPECT_TRUE(Control<QCheckBox>(dialog, "suiCheckBox1")->isChecked());
  ASSERT_EQ(rig.doc().selection, (std::vector<PointRef>{{1, 1}}));
  angle->setFocus();
  EXPECT_TRUE(dialog->isVisible());
  QTest::keyClick(angle, Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());  // "&OK" is the default button
  // (356, 356) a quarter turn anticlockwise about (356, 256).
  const QPoint turned = QPoint(rig.drawing()[1][1].x, rig.drawing()[1][1].y);
  EXPECT_LE((turned - QPoint(456, 256)).manhattanLength(), 2) << turned.x() << "," << turned.y();
}

TEST(SelectionControls, CopyModeMirrorsIntoNewObjectsAndDeleteIsUndone) {
  Rig rig;
  auto* copy = rig.control<QCheckBox>("suiCheckBox1");
  auto* item = Control<QAction>(rig.editor.get(), "Copiaoggetto1");
  copy->click();
  EXPECT_TRUE(item->isChecked());
  EXPECT_TRUE(rig.doc().copyMode);

  rig.click("suiButton22");
  rig.press({150, 100});
  rig.click("BitBtn18");  // "Specchio Verticale": x to 510 - x
  ASSERT_EQ(rig.drawing().size(), 3u);
  EXPECT_EQ(Positions(rig.drawing()[2]), (std::vector<QPoint>{{410, 100}, {310, 100}}));
  EXPECT_EQ(Positions(rig.drawing()[0]), (std::vector<QPoint>{{100, 100}, {200, 100}}));
  item->trigger();
  EXPECT_FALSE(copy->isChecked());
  rig.click("BitBtn17");  // "Specchio Orizzontale", in place now
  EXPECT_EQ(Positions(rig.drawing()[0]), (std::vector<QPoint>{{100, 410}, {200, 410}}));

  rig.key(Qt::Key_E);
  EXPECT_EQ(rig.message(), "(E) Cancella");
  EXPECT_TRUE(rig.drawing()[0].empty());
  EXPECT_EQ(rig.control<QLabel>("Label6")->text(), "4");
  rig.click("TornaIndietro");
  EXPECT_EQ(rig.drawing()[0].size(), 2u);
  rig.click("TornaAvanti");
  EXPECT_TRUE(rig.drawing()[0].empty());

  rig.click("suiButton28");
  rig.click("suiButton24");
  EXPECT_EQ(rig.message(), "Annulla la selezione (ESC)");
  EXPECT_TRUE(rig.doc().selection.empty());
  rig.click("BitBtn14");
  EXPECT_EQ(rig.message(), "Cancella oggetti selezionati!");
  EXPECT_EQ(rig.control<QLabel>("Label6")->text(), "4");
}

}  // namespace
}  // namespace daved
