// The drawing editor window, headless: real clicks on the canvas and real keys, dialogs answered
// by the test, and the drawing played on a simulated controller.

#include "editor/ui/drawing_editor_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include "editor/editor_messages.h"
#include "output/devices/simulated_controller_bus.h"
#include "editor_services.h"
#include "test_support.h"
#include "ui_support.h"

namespace daved {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::Control;
using testing::ScriptedDialogs;
using testing::TempFolder;

// Daved.ini with the editor's lines: background 6 (blue), neutral 0, grid 50 by 50, point
// spacing 20, polygon sides 6.
std::vector<std::string> EditorLines() {
  std::vector<std::string> lines(50, "0");
  lines[1] = "6";
  lines[3] = "0";
  lines[5] = "50";
  lines[7] = "50";
  lines[9] = "20";
  lines[11] = "6";
  return lines;
}

// One simulated controller, ezusb-0, that keeps every packet; the editor shown and active.
struct Rig : testing::EditorServices {
  Rig() : EditorServices(EditorLines(), {.paced = false, .keep_writes = true}) {
    output.targets.SetCurrentController("ezusb-0");
    window = std::make_unique<TForm1>(services);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
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
  void trigger(const char* item) { control<QAction>(item)->trigger(); }
  // Types into a field and presses Enter.
  void type(const char* field, const QString& text) {
    QLineEdit* edit = control<QLineEdit>(field);
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  const Drawing& drawing() { return window->document().drawing; }

  std::unique_ptr<TForm1> window;
};

TEST(DrawingEditorWindow, StartsFromItsConfigurationLinesWithANewDrawing) {
  Rig rig;
  EXPECT_EQ(rig.window->windowTitle(), "Modifica Immagine");
  EXPECT_EQ(rig.text("Label8"), "newdrawing");
  EXPECT_EQ(rig.text("Label1"), "Crea un nuovo disegno");
  EXPECT_EQ(rig.text("Label6"), "0");
  EXPECT_EQ(rig.control<QLineEdit>("Edit2")->text(), "20");
  EXPECT_EQ(rig.control<QLineEdit>("Edit1")->text(), "6");
  EXPECT_EQ(rig.control<QScrollBar>("UpDown2")->value(), 20);
  EXPECT_EQ(rig.control<QScrollBar>("UpDown1")->value(), 6);
  const QImage canvas = rig.control<QLabel>("Image90")->pixmap().toImage();
  EXPECT_EQ(canvas.size(), QSize(512, 512));
  EXPECT_EQ(canvas.pixelColor(301, 303), QColor(0, 0, 255));  // background colour 6
  // Windows that are not part of the program cannot be shown.
  EXPECT_FALSE(rig.control<QAction>("Modificaveloce1")->isEnabled());
  EXPECT_FALSE(rig.control<QToolButton>("ToolButton2")->isEnabled());
}

TEST(DrawingEditorWindow, ARectangleDrawnOnTheCanvasPlaysOnTheController) {
  Rig rig;
  rig.type("Edit2", "400");  // longer than the sides: corners only
  rig.click("suiButton17");
  EXPECT_EQ(rig.control<QPushButton>("suiButton17")->text(), "Rettangolo 4P");
  EXPECT_EQ(rig.text("Label1"), "Disegna un rettangolo con molti punti...");
  rig.press({100, 100});
  EXPECT_EQ(rig.text("Label2"), "100");
  EXPECT_EQ(rig.text("Label3"), "100");
  QTest::mouseMove(rig.control("Image90"), {250, 180});
  EXPECT_EQ(rig.text("Label17"), "250");
  EXPECT_EQ(rig.text("Label18"), "180");
  rig.press({300, 200});
  ASSERT_EQ(rig.drawing().size(), 1u);
  EXPECT_EQ(rig.text("Label6"), "5");
  EXPECT_TRUE(rig.window->document().modified);

  QTest::mouseClick(rig.control<QToolButton>("ToolButton1"), Qt::LeftButton);
  EXPECT_EQ(rig.text("Label1"), "Inizia il disegno..");
  // Laser corners (50, 50) (50, 100) (150, 100) (150, 50) (50, 50) in green, each sent as
  // 255 - x, 255 - y; the first one blank, all of them vertices.
  const Bytes packet = {5, 3, 205, 205, 5, 2, 205, 155, 5, 2, 105, 155,
                        5, 2, 105, 205, 5, 2, 205, 205};
  QTRY_VERIFY_WITH_TIMEOUT(rig.bus->Writes().size() >= 2, 5000);
  const std::vector<CapturedWrite> writes = rig.bus->Writes();
  EXPECT_EQ(writes[0], (CapturedWrite{"ezusb-0", 2, Bytes{100, 0}}));
  EXPECT_EQ(writes[1], (CapturedWrite{"ezusb-0", 2, packet}));

  // A second play replaces the first, whose end is not reported as the end of the play.
  rig.trigger("Play1");
  QCoreApplication::processEvents();
  EXPECT_EQ(rig.text("Label1"), "Inizia il disegno..");
  QTest::mouseClick(rig.control<QToolButton>("ToolButton8"), Qt::LeftButton);
  QTRY_COMPARE_WITH_TIMEOUT(rig.text("Label1"), QString("Over..."), 5000);
}

TEST(DrawingEditorWindow, PlayingAnEmptyDrawingStopsThePlayerAndStartsNone) {
  Rig rig;
  rig.click("suiButton13");  // "Punti"
  // A double click: its second press comes as the double click itself and places a dot too.
  rig.press({20, 30});
  QTest::mouseDClick(rig.control("Image90"), Qt::LeftButton, {}, {20, 30});
  EXPECT_EQ(rig.drawing().size(), 2u);
  rig.trigger("Play1");
  QTRY_VERIFY_WITH_TIMEOUT(rig.bus->Writes().size() >= 2, 5000);
  rig.window->document().drawing.clear();
  rig.trigger("Play1");
  EXPECT_FALSE(rig.output.flags.player_running.load());
  // The player has ended, not only been asked to.
  rig.bus->ClearWrites();
  EXPECT_TRUE(rig.bus->Writes().empty());
}

TEST(DrawingEditorWindow, TheWindowSeesKeysFirstEvenInANumberField) {
  Rig rig;
  QLineEdit* spacing = rig.control<QLineEdit>("Edit2");
  spacing->setFocus();
  QTest::keyClick(spacing, Qt::Key_R);
  EXPECT_EQ(rig.text("Label1"), "(R) Rettangolo ");
  EXPECT_EQ(spacing->text(), "20");
  QTest::keyClick(spacing, Qt::Key_Period);  // swallowed
  QTest::keyClick(spacing, Qt::Key_5);
  EXPECT_EQ(spacing->text(), "205");

  // "Rettangolo " is current: two clicks make the four-corner rectangle.
  rig.press({10, 10});
  rig.press({60, 40});
  ASSERT_EQ(rig.drawing().size(), 1u);
  EXPECT_EQ(rig.drawing()[0].size(), 5u);

  QTest::keyClick(rig.window.get(), Qt::Key_U);
  EXPECT_EQ(rig.text("Label1"), "(U) Indietro  !");  // one edit: nothing before it
  rig.press({100, 100});
  QTest::keyClick(rig.window.get(), Qt::Key_Escape);
  EXPECT_EQ(rig.text("Label1"), "Deseleziona tutto.");
  rig.press({200, 200});  // no tool any more
  EXPECT_EQ(rig.drawing().size(), 1u);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

  QTest::keyClick(rig.window.get(), Qt::Key_P);
  EXPECT_EQ(rig.text("Label1"), "(P) Punto...");
  rig.press({200, 200});
  EXPECT_EQ(rig.drawing().size(), 2u);
  QTest::keyClick(rig.window.get(), Qt::Key_U, Qt::ShiftModifier);
  EXPECT_EQ(rig.text("Label1"), "(U) Torna indietro!");
  EXPECT_EQ(rig.drawing().size(), 1u);
}

TEST(DrawingEditorWindow, NumberFieldsCommitOnEnterAndFollowTheirArrows) {
  struct Case {
    const char* field;
    const char* typed;
    const char* shown;
    int value;
    int arrows;
  };
  for (const Case& c : {
           Case{"Edit2", "", "20", 20, 20},  // empty: the value again
           Case{"Edit2", "0", "1", 1, 1},
           Case{"Edit2", "150", "150", 150, 100},  // above the arrows' range: kept as typed
           Case{"Edit1", "2", "3", 3, 3},
           Case{"Edit1", "12", "12", 12, 12},
       }) {
    Rig rig;
    rig.type(c.field, c.typed);
    EXPECT_EQ(rig.control<QLineEdit>(c.field)->text(), c.shown) << c.field << " " << c.typed;
    const EditorConfig& config = rig.window->config();
    const bool spacing = std::string(c.field) == "Edit2";
    EXPECT_EQ(spacing ? config.pointSpacing : config.polygonSides, c.value) << c.typed;
    EXPECT_EQ(rig.control<QScrollBar>(spacing ? "UpDown2" : "UpDown1")->value(), c.arrows);
  }

  Rig rig;
  rig.type("Edit2", "99999999999");
  ASSERT_EQ(rig.dialogs.messages.size(), 1u);  // too large: refused, the value kept
  EXPECT_EQ(rig.window->config().pointSpacing, 20);
  rig.control<QScrollBar>("UpDown1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(rig.control<QLineEdit>("Edit1")->text(), "7");
  EXPECT_EQ(rig.window->config().polygonSides, 7);
}

TEST(DrawingEditorWindow, TheCloseQuestionKeepsAModifiedDrawing) {
  Rig rig;
  EXPECT_TRUE(rig.window->close());  // not modified: no question
  EXPECT_TRUE(rig.dialogs.questions.empty());
  EXPECT_EQ(rig.window->modalResult(), ModalResult::None);
  rig.window->show();

  rig.click("suiButton13");
  rig.press({20, 30});
  rig.dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(rig.window->close());
  EXPECT_EQ(rig.dialogs.questions.back(), QString::fromUtf8(kCloseQuestion));
  EXPECT_EQ(rig.window->modalResult(), ModalResult::Cancel);
  EXPECT_TRUE(rig.window->isVisible());

  // A save that fails keeps the window open and says why.
  const std::filesystem::path file = rig.home / "Drawing" / "dot.ddr";
  rig.dialogs.answers = {Answer::Yes};
  rig.dialogs.inputs = {QString::fromStdString(file.string())};  // no folder "Drawing" yet
  EXPECT_FALSE(rig.window->close());
  EXPECT_EQ(rig.dialogs.messages.size(), 1u);
  EXPECT_TRUE(rig.window->document().modified);

  std::filesystem::create_directories(file.parent_path());
  rig.dialogs.answers = {Answer::Yes};
  rig.dialogs.inputs = {QString::fromStdString(file.string())};
  EXPECT_TRUE(rig.window->close());
  EXPECT_EQ(rig.window->modalResult(), ModalResult::Yes);
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(rig.text("Label8"), "dot.ddr");
  EXPECT_FALSE(rig.window->isVisible());
}

TEST(DrawingEditorWindow, NewOpenAndSaveAsAskBeforeDroppingChanges) {
  Rig rig;
  const std::filesystem::path file = rig.home / "two.ddr";
  rig.click("suiButton13");
  rig.press({20, 30});
  rig.press({40, 50});
  rig.dialogs.inputs = {QString::fromStdString(file.string())};
  rig.trigger("Salvaconnome1");
  EXPECT_EQ(rig.text("Label8"), "two.ddr");
  EXPECT_FALSE(rig.window->document().modified);

  rig.press({60, 70});
  rig.dialogs.answers = {Answer::Cancel};
  rig.trigger("Nuovo1");
  EXPECT_EQ(rig.dialogs.questions.back(), QString::fromUtf8(kNewQuestion));
  EXPECT_EQ(rig.drawing().size(), 3u);

  rig.dialogs.answers = {Answer::No};
  rig.trigger("Nuovo1");
  EXPECT_TRUE(rig.drawing().empty());
  EXPECT_EQ(rig.text("Label8"), "newdrawing");
  EXPECT_EQ(rig.text("Label1"), "Crea un nuovo disegno");
  EXPECT_EQ(rig.text("Label6"), "0");

  rig.dialogs.inputs = {QString::fromStdString(file.string())};
  rig.trigger("Apri1");
  EXPECT_EQ(rig.drawing().size(), 2u);
  EXPECT_EQ(rig.text("Label8"), "two.ddr");
  EXPECT_EQ(rig.text("Label6"), "2");
  EXPECT_EQ(rig.dialogs.questions.size(), 2u);  // Open of an unmodified drawing asks nothing

  rig.press({80, 90});
  rig.dialogs.answers = {Answer::Cancel};
  rig.trigger("Apri1");
  EXPECT_EQ(rig.dialogs.questions.back(), QString::fromUtf8(kOpenQuestion));
  EXPECT_EQ(rig.drawing().size(), 3u);
}

TEST(DrawingEditorWindow, UndoRedoAndTheEditorMemory) {
  Rig rig;
  rig.click("suiButton13");
  rig.press({20, 30});
  rig.press({40, 50});
  rig.click("TornaIndietro");
  EXPECT_EQ(rig.drawing().size(), 1u);
  EXPECT_EQ(rig.text("Label1"), "Torna indietro!");
  rig.trigger("Tornaavanti1");
  EXPECT_EQ(rig.drawing().size(), 2u);

  rig.click("SalvaInMemoria");
  EXPECT_EQ(rig.text("Label1"), "Salvataggio in memoria avvenuto con successo.!");
  rig.trigger("Caricadamemoria1");
  EXPECT_EQ(rig.text("Label1"), "Carica oggetti dalla memoria!");
  ASSERT_EQ(rig.drawing().size(), 4u);
  EXPECT_EQ(rig.drawing()[3][0].state, kStateSelected);
  EXPECT_EQ(rig.text("Label6"), "4");
}

TEST(DrawingEditorWindow, OutputControlsSetTheSharedValues) {
  Rig rig;
  QToolButton* invertX = rig.control<QToolButton>("ToolButton9");
  QAction* invertXItem = rig.control<QAction>("Invertiorizzontale1");
  QTest::mouseClick(invertX, Qt::LeftButton);
  EXPECT_TRUE(rig.output.flags.invert_x.load());
  EXPECT_TRUE(invertXItem->isChecked());
  rig.trigger("Invertiverticale1");
  EXPECT_TRUE(rig.control<QToolButton>("ToolButton3")->isChecked());
  EXPECT_TRUE(rig.output.flags.invert_y.load());
  invertXItem->trigger();
  EXPECT_FALSE(invertX->isChecked());
  EXPECT_FALSE(rig.output.flags.invert_x.load());

  QSlider* speed = rig.control<QSlider>("TrackBar1");
  EXPECT_EQ(speed->value(), 150);
  EXPECT_EQ(rig.text("Label21"), "36000");
  speed->setValue(100);
  EXPECT_EQ(rig.output.settings.scan_speed.load(), 150);
  EXPECT_EQ(rig.text("Label21"), "24000");
}

TEST(DrawingEditorWindow, ThePointerStaysOnTheCanvasWhileAShapeCollectsClicks) {
  Rig rig;
  QWidget* canvas = rig.control("Image90");
  rig.click("suiButton16");  // "Rettangolo "
  rig.press({10, 10});
  EXPECT_EQ(QWidget::mouseGrabber(), canvas);
  QTest::mouseMove(canvas, {530, -20});
  EXPECT_EQ(rig.text("Label17"), "511");
  EXPECT_EQ(rig.text("Label18"), "0");
  rig.press({530, -20});
  ASSERT_EQ(rig.drawing().size(), 1u);
  EXPECT_EQ(rig.drawing()[0][2].x, 511);
  EXPECT_EQ(rig.drawing()[0][2].y, 0);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

  rig.press({10, 10});
  rig.press({10, 10}, Qt::RightButton);  // cancelled
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  EXPECT_EQ(rig.drawing().size(), 1u);
}

}  // namespace
}  // namespace daved
