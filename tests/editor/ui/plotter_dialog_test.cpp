// The plotter import dialog, headless: opened from the editor's menu, driven with real clicks
// and keys, the file chosen through a scripted open dialog.

#include "editor/ui/plotter_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <fstream>

#include "editor/ui/drawing_editor_window.h"
#include "output/devices/simulated_controller_bus.h"
#include "editor_services.h"
#include "test_support.h"
#include "ui_support.h"

namespace daved {
namespace {

using testing::Control;
using testing::ScriptedDialogs;
using testing::TempFolder;

// Two sections: a 4-point line and a 2-point line, in plotter units up to 1024 (d = 2).
constexpr char kFigure[] =
    "IN;\nSP1;\nLT;\nPU0 0;\nPD1024 0;\nPD1024 512;\nPD0 512;\nLT;\nPU100,100,200,100;\nSP0;\n";

struct Rig : testing::EditorServices {
  Rig() {
    editor = std::make_unique<TForm1>(services);
    dialog = std::make_unique<TForm17>(services, *editor);
    editor->SetWindows({editor.get(), dialog.get()});
    editor->show();
  }
  std::string WriteFile(const std::string& name, const std::string& text) {
    std::ofstream(home / name) << text;
    return (home / name).string();
  }
  template <typename T = QWidget>
  T* control(const char* name) {
    return Control<T>(dialog.get(), name);
  }
  void click(const char* button) {
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
  }
  void choose(const std::string& path) {
    dialogs.inputs.push_back(QString::fromStdString(path));
    click("Button1");
  }
  const Drawing& drawing() { return editor->document().drawing; }

  std::unique_ptr<TForm1> editor;
  std::unique_ptr<TForm17> dialog;
};

TEST(PlotterDialog, OpensFromTheEditorButtonAndMenuWithoutBlockingIt) {
  Rig rig;
  EXPECT_EQ(rig.dialog->windowTitle(), "Fattore fine/grosso");
  EXPECT_EQ(rig.control<QSlider>("TrackBar1")->value(), 5);
  EXPECT_EQ(rig.control<QLabel>("Label1")->text(), "5");
  EXPECT_EQ(rig.control<QSlider>("TrackBar2")->value(), 20);
  EXPECT_EQ(rig.control<QLabel>("Label7")->text(), "20");
  QAction* item = Control<QAction>(rig.editor.get(), "ImportaPLT1");
  ASSERT_TRUE(item->isEnabled());
  item->trigger();
  EXPECT_TRUE(rig.dialog->isVisible());
  EXPECT_FALSE(rig.dialog->isModal());
  rig.click("BitBtn2");
  EXPECT_FALSE(rig.dialog->isVisible());
  // The editor's button "Importa PLT" shows it as well.
  QTest::mouseClick(Control<QPushButton>(rig.editor.get(), "BitBtn5"), Qt::LeftButton);
  EXPECT_TRUE(rig.dialog->isVisible());
}

TEST(PlotterDialog, PreviewTwiceThenOkAppendsTheFigureOnceAsTheSelection) {
  Rig rig;
  rig.editor->document().drawing = {{Point{1, 1, kVertex, 4, kStateSelected, 1}}};
  rig.editor->document().selection = {{0, 0}};
  rig.dialog->show();
  rig.choose(rig.WriteFile("figure.plt", kFigure));
  EXPECT_EQ(rig.control<QLineEdit>("Edit1")->text().toStdString(),
            (rig.home / "figure.plt").string());

  rig.click("BitBtn3");
  rig.click("BitBtn3");
  EXPECT_EQ(rig.control<QLabel>("Label5")->text(), "6");
  // Half scale: the first side runs along the preview's bottom row from (0, 255) to (256, 255).
  const QImage preview = rig.control<QLabel>("Image1")->pixmap().toImage();
  EXPECT_EQ(preview.size(), QSize(256, 256));
  EXPECT_NE(preview.pixelColor(100, 255), QColor(Qt::black));
  EXPECT_EQ(preview.pixelColor(100, 100), QColor(Qt::black));

  rig.click("BitBtn1");
  EXPECT_FALSE(rig.dialog->isVisible());
  ASSERT_EQ(rig.drawing().size(), 3u);
  EXPECT_EQ(rig.drawing()[0][0].state, kStateNormal);  // the old selection is let go
  EXPECT_EQ(rig.drawing()[1], (Object{{0, 510, kLinePoint, 4, kStateSelected, 1},
                                      {512, 510, kLinePoint, 4, kStateSelected, 0},
                                      {512, 254, kLinePoint, 4, kStateSelected, 0},
                                      {0, 254, kLinePoint, 4, kStateSelected, 0}}));
  EXPECT_EQ(rig.editor->document().selection.size(), 6u);
  EXPECT_EQ(Control<QLabel>(rig.editor.get(), "Label6")->text(), "7");

  // A second import is one more undo step: undo takes it away, redo brings it back.
  rig.click("BitBtn1");
  ASSERT_EQ(rig.drawing().size(), 5u);
  QTest::mouseClick(Control<QPushButton>(rig.editor.get(), "TornaIndietro"), Qt::LeftButton);
  EXPECT_EQ(rig.drawing().size(), 3u);
  QTest::mouseClick(Control<QPushButton>(rig.editor.get(), "TornaAvanti"), Qt::LeftButton);
  EXPECT_EQ(rig.drawing().size(), 5u);
}

TEST(PlotterDialog, TheTrackBarsSetTheSizeAndTheThinning) {
  Rig rig;
  rig.dialog->show();
  rig.choose(rig.WriteFile("figure.plt", kFigure));
  QSlider* size = rig.control<QSlider>("TrackBar2");
  size->setFocus();
  QTest::keyClick(size, Qt::Key_Home);  // size 0: 21 times smaller
  EXPECT_EQ(rig.control<QLabel>("Label7")->text(), "0");
  QSlider* fine = rig.control<QSlider>("TrackBar1");
  fine->setFocus();
  QTest::keyClick(fine, Qt::Key_End);
  EXPECT_EQ(rig.control<QLabel>("Label1")->text(), "40");
  rig.click("BitBtn1");
  // (0, 510) (24, 510) (24, 498) (0, 498): every corner shares a row or column with the last
  // kept one, so thinning keeps them all; the second object's two points share a row.
  ASSERT_EQ(rig.drawing().size(), 2u);
  EXPECT_EQ(rig.drawing()[0].size(), 4u);
  EXPECT_EQ(rig.drawing()[0][2].x, 24);
  EXPECT_EQ(rig.drawing()[0][2].y, 498);
}

TEST(PlotterDialog, ABadFileIsShownAndChangesNothing) {
  Rig rig;
  rig.dialog->show();
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"LT;\nPD1 2;\nPD3;4;\nSP0;\n", "line 3: '3;4' is not a valid integer value"},
      {"IN;\nPD1 2;\n", kNoPenSectionMessage},
  };
  for (const auto& c : cases) {
    rig.dialogs.messages.clear();
    rig.choose(rig.WriteFile("bad.plt", c.text));
    rig.click("BitBtn3");
    EXPECT_EQ(rig.control<QLabel>("Label5")->text(), "0");
    rig.click("BitBtn1");
    EXPECT_EQ(rig.dialogs.messages, (std::vector<QString>{c.message, c.message}));
    EXPECT_TRUE(rig.drawing().empty());
    EXPECT_EQ(rig.editor->document().history().size(), 0u);
    EXPECT_FALSE(rig.editor->document().modified);
  }
}

TEST(PlotterDialog, AMissingFileOrCancelClosesWithoutChanges) {
  Rig rig;
  rig.dialog->show();
  QTest::keyClicks(rig.control<QLineEdit>("Edit1"), (rig.home / "none.plt").string().c_str());
  rig.click("BitBtn3");
  EXPECT_TRUE(rig.dialogs.messages.empty());
  rig.click("BitBtn1");
  EXPECT_FALSE(rig.dialog->isVisible());

  rig.choose(rig.WriteFile("figure.plt", kFigure));
  for (const bool byKey : {false, true}) {
    rig.dialog->show();
    if (byKey) {
      QTest::keyClick(rig.dialog.get(), Qt::Key_Escape);
    } else {
      rig.click("BitBtn2");
    }
    EXPECT_FALSE(rig.dialog->isVisible());
  }
  EXPECT_TRUE(rig.drawing().empty());
}

}  // namespace
}  // namespace daved
