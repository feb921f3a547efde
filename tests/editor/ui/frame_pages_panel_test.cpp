// The frame pages below the drawing editor's canvas, headless: real clicks on the thumbnails,
// the page arrows and the buttons; file dialogs answered by the test.

#include "editor/ui/frame_pages_panel.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <fstream>
#include <iterator>

#include "convert/conversions.h"
#include "editor/ui/drawing_editor_window.h"
#include "formats/drawing_file.h"
#include "formats/ilda_file.h"
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

struct Rig : testing::EditorServices {
  Rig() {
    config[5] = "50";  // grid spacing
    config[7] = "50";
    config[9] = "20";  // point spacing
    config[11] = "6";  // polygon sides
    std::filesystem::create_directories(home.path() / "Frames");
    window = std::make_unique<TForm1>(services);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  template <typename T = QWidget>
  T* control(const char* name) {
    return Control<T>(window.get(), name);
  }
  QString text(const char* label) { return control<QLabel>(label)->text(); }
  void click(const char* button) {
    QPushButton* b = control<QPushButton>(button);
    ASSERT_TRUE(b->isVisible()) << button;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  void clickThumbnail(int slot) {
    const QByteArray name = "Image" + QByteArray::number(slot + 2);
    QLabel* image = control<QLabel>(name.constData());
    ASSERT_TRUE(image->isVisible()) << name.constData();
    QTest::mouseClick(image, Qt::LeftButton);
  }
  QImage thumbnail(int slot) {
    const QByteArray name = "Image" + QByteArray::number(slot + 2);
    return control<QLabel>(name.constData())->pixmap().toImage();
  }
  bool shown(int slot) {
    const QByteArray name = "Image" + QByteArray::number(slot + 2);
    return control<QLabel>(name.constData())->isVisible();
  }
  // "Rettangolo 4P" with a spacing longer than the sides: corners (100, 100) to (300, 200).
  void drawRectangle() {
    QLineEdit* spacing = control<QLineEdit>("Edit2");
    spacing->clear();
    QTest::keyClicks(spacing, "400");
    QTest::keyClick(spacing, Qt::Key_Return);
    click("suiButton17");
    QTest::mouseClick(control<QLabel>("Image90"), Qt::LeftButton, {}, {100, 100});
    QTest::mouseClick(control<QLabel>("Image90"), Qt::LeftButton, {}, {300, 200});
  }
  const FramePages& pages() { return control<FramePagesPanel>("FramePagesPanel")->pages(); }
  std::filesystem::path frames(const char* name) { return home.path() / "Frames" / name; }

  std::unique_ptr<TForm1> window;
};

bool IsMarked(const QImage& thumbnail) {
  return thumbnail.pixelColor(32, 32) == QColor(255, 0, 0);  // a hatch line crosses the centre
}

bool HasWhiteNumber(const QImage& thumbnail) {
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 16; ++x) {
      if (thumbnail.pixelColor(x, y) == QColor(Qt::white)) return true;
    }
  }
  return false;
}

TEST(FramePagesPanel, StartsWith24EmptyNumberedThumbnailsAndTheChineseHints) {
  Rig rig;
  EXPECT_EQ(rig.text("Label26"), "NewImage.ilf");
  EXPECT_EQ(rig.text("Label30"), "24");
  EXPECT_EQ(rig.text("Label32"), "0");
  EXPECT_EQ(rig.text("Label41"), "1");
  EXPECT_EQ(rig.text("Label40"), "1");
  for (int slot = 0; slot < 24; ++slot) {
    EXPECT_TRUE(rig.shown(slot)) << slot;
    EXPECT_EQ(rig.thumbnail(slot).size(), QSize(64, 64));
  }
  EXPECT_TRUE(HasWhiteNumber(rig.thumbnail(0)));
  EXPECT_FALSE(IsMarked(rig.thumbnail(0)));
  EXPECT_EQ(rig.control<QPushButton>("suiButton4")->toolTip(), QString::fromUtf8("打开动画文件"));
  EXPECT_EQ(rig.control<QPushButton>("suiButton10")->toolTip(), QString::fromUtf8("保存动画文件"));
  EXPECT_EQ(rig.control<QPushButton>("suiButton11")->toolTip(), QString::fromUtf8("另存动画文件"));
  for (const auto& [name, caption] :
       {std::pair{"suiButton1", "Nuovo"}, {"suiButton4", "Apri"}, {"suiButton10", "Salva"},
        {"suiButton11", "Salva con nome"}, {"suiButton7", "Aggiungi"},
        {"suiButton8", "Inserisci"}, {"suiButton9", "Rimuovi"},
        {"suiButton6", "Invia a Drawing"}, {"suiButton5", "Prendi da Drawing"}}) {
    EXPECT_EQ(rig.control<QPushButton>(name)->text(), caption);
  }
}

TEST(FramePagesPanel, ClickingAThumbnailMovesTheMarkAndShowsItsNumber) {
  Rig rig;
  rig.clickThumbnail(4);
  EXPECT_EQ(rig.text("Label32"), "5");
  EXPECT_EQ(rig.text("Label36"), "0");
  EXPECT_TRUE(IsMarked(rig.thumbnail(4)));
  rig.clickThumbnail(7);
  EXPECT_EQ(rig.text("Label32"), "8");
  EXPECT_FALSE(IsMarked(rig.thumbnail(4)));
  EXPECT_TRUE(IsMarked(rig.thumbnail(7)));
}

TEST(FramePagesPanel, The25thFrameMakesPageTwoAndRemovingItReturnsToPageOne) {
  Rig rig;
  rig.click("suiButton7");  // "Aggiungi"
  EXPECT_EQ(rig.text("Label30"), "25");
  EXPECT_EQ(rig.text("Label40"), "2");
  EXPECT_EQ(rig.text("Label41"), "1");
  rig.click("suiButton3");
  EXPECT_EQ(rig.text("Label41"), "2");
  EXPECT_TRUE(rig.shown(0));
  for (int slot = 1; slot < 24; ++slot) EXPECT_FALSE(rig.shown(slot)) << slot;
  rig.click("suiButton3");  // no third page
  EXPECT_EQ(rig.text("Label41"), "2");

  rig.clickThumbnail(0);
  EXPECT_EQ(rig.text("Label32"), "25");
  rig.click("suiButton9");  // "Rimuovi"
  EXPECT_EQ(rig.text("Label30"), "24");
  EXPECT_EQ(rig.text("Label40"), "1");
  EXPECT_EQ(rig.text("Label41"), "1");
  EXPECT_EQ(rig.text("Label32"), "24");  // the new last frame
  EXPECT_TRUE(rig.shown(23));
  EXPECT_TRUE(IsMarked(rig.thumbnail(23)));
  rig.click("suiButton2");  // no page before the first
  EXPECT_EQ(rig.text("Label41"), "1");
}

TEST(FramePagesPanel, InsertPutsAnEmptyFrameBeforeTheSelectedOne) {
  Rig rig;
  rig.drawRectangle();
  rig.clickThumbnail(1);
  rig.click("suiButton5");  // "Prendi da Drawing"
  rig.click("suiButton8");  // "Inserisci"
  EXPECT_EQ(rig.text("Label30"), "25");
  EXPECT_EQ(rig.text("Label32"), "2");
  EXPECT_EQ(rig.text("Label36"), "0");
  EXPECT_EQ(rig.pages().frames()[2].size(), 1u);  // the rectangle moved on by one
}

TEST(FramePagesPanel, TakeFromDrawingAndSendToDrawingCarryTheCanvasBothWays) {
  Rig rig;
  rig.click("suiButton5");  // nothing selected: nothing happens
  rig.drawRectangle();
  ASSERT_EQ(rig.text("Label6"), "5");
  rig.clickThumbnail(2);
  rig.click("suiButton5");
  EXPECT_EQ(rig.text("Label36"), "5");
  const Drawing expected = {{{50, 50, kVertex, 4, 0, 1},
                             {50, 100, kVertex, 4, 0, 0},
                             {150, 100, kVertex, 4, 0, 0},
                             {150, 50, kVertex, 4, 0, 0},
                             {50, 50, kVertex, 4, 0, 0}}};
  EXPECT_EQ(rig.pages().frames()[2], expected);
  // The rectangle's left side in the thumbnail, in colour 4; the frame is still marked.
  const Rgb green = PaletteColour(4);
  const QImage picture = rig.thumbnail(2);
  EXPECT_EQ(picture.pixelColor(12, 18), QColor(green.r, green.g, green.b));
  EXPECT_TRUE(IsMarked(picture));

  // A second edit, then the frame back onto the canvas: no undo step, not modified anew.
  rig.click("suiButton13");  // "Punti"
  QTest::mouseClick(rig.control<QLabel>("Image90"), Qt::LeftButton, {}, {400, 400});
  ASSERT_EQ(rig.window->document().drawing.size(), 2u);
  rig.window->document().modified = false;
  const int position = rig.window->document().history().position();
  rig.click("suiButton6");  // "Invia a Drawing"
  EXPECT_EQ(rig.window->document().drawing, FrameToCanvas(expected));
  EXPECT_EQ(rig.text("Label6"), "5");
  EXPECT_EQ(rig.window->document().history().position(), position);
  EXPECT_FALSE(rig.window->document().modified);
  // Undo goes back by the history: to the rectangle alone, as after the first edit.
  rig.click("TornaIndietro");
  EXPECT_EQ(rig.window->document().drawing, FrameToCanvas(expected));
  EXPECT_EQ(rig.text("Label6"), "5");
}

TEST(FramePagesPanel, SaveAsksForANameOnceAndOpenReadsTheListBack) {
  Rig rig;
  rig.drawRectangle();
  rig.clickThumbnail(0);
  rig.click("suiButton5");
  rig.dialogs.inputs.push_back(std::nullopt);  // the save dialog cancelled
  rig.click("suiButton10");
  EXPECT_EQ(rig.text("Label26"), "NewImage.ilf");
  EXPECT_FALSE(std::filesystem::exists(rig.frames("anim.ilf")));
  rig.dialogs.inputs.push_back(QString::fromStdString(rig.frames("anim.ilf").string()));
  rig.click("suiButton10");
  EXPECT_EQ(rig.text("Label26"), "anim.ilf");
  FrameList saved;
  ASSERT_TRUE(LoadFrameList(rig.frames("anim.ilf"), saved).ok());
  EXPECT_EQ(saved, rig.pages().frames());
  rig.click("suiButton10");  // a named list is saved without a dialog
  EXPECT_TRUE(rig.dialogs.inputs.empty());

  rig.click("suiButton1");  // "Nuovo"
  EXPECT_EQ(rig.text("Label26"), "NewImage.ilf");
  EXPECT_EQ(rig.text("Label32"), "0");
  EXPECT_TRUE(rig.pages().frames()[0].empty());

  rig.dialogs.inputs.push_back(QString::fromStdString(rig.frames("anim.ilf").string()));
  rig.click("suiButton4");  // "Apri"
  EXPECT_EQ(rig.text("Label26"), "anim.ilf");
  EXPECT_EQ(rig.pages().frames(), saved);
  EXPECT_TRUE(rig.dialogs.messages.empty());
}

TEST(FramePagesPanel, ABadFrameListIsReportedAndChangesNothing) {
  Rig rig;
  rig.click("suiButton7");
  rig.click("suiButton3");
  rig.clickThumbnail(0);
  {
    std::ofstream out(rig.frames("bad.ilf"), std::ios::binary);
    out << "[DrawingList]\r\nDrawingName=0\r\n1,x,2,4,0,128|\r\n";
  }
  rig.dialogs.inputs.push_back(QString::fromStdString(rig.frames("bad.ilf").string()));
  rig.click("suiButton4");
  ASSERT_EQ(rig.dialogs.messages.size(), 1u);
  EXPECT_EQ(rig.text("Label26"), "NewImage.ilf");
  EXPECT_EQ(rig.text("Label30"), "25");
  EXPECT_EQ(rig.text("Label41"), "2");
  EXPECT_EQ(rig.text("Label32"), "25");
}

TEST(FramePagesPanel, AnAnimationFromARealIldaFileOpensFrameByFrame) {
  Rig rig;
  TILDAimage image;
  ASSERT_TRUE(LoadIlda(testing::TestData("ilda/barney.ild"), image).ok());
  const FrameList barney = IldaToFrames(image);
  ASSERT_EQ(barney.size(), 19u);
  ASSERT_TRUE(SaveFrameList(rig.frames("barney.ilf"), barney).ok());

  rig.dialogs.inputs.push_back(QString::fromStdString(rig.frames("barney.ilf").string()));
  rig.click("suiButton4");
  EXPECT_EQ(rig.text("Label26"), "barney.ilf");
  EXPECT_EQ(rig.text("Label30"), "19");
  EXPECT_EQ(rig.text("Label40"), "1");
  EXPECT_TRUE(rig.shown(18));
  EXPECT_FALSE(rig.shown(19));
  rig.clickThumbnail(18);
  EXPECT_EQ(rig.text("Label32"), "19");
  EXPECT_EQ(rig.text("Label36"), QString::number(CountPoints(barney[18])));
  // Something of the figure is drawn besides the number and the mark.
  const QImage picture = rig.thumbnail(18);
  int lit = 0;
  for (int y = 12; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const QColor c = picture.pixelColor(x, y);
      if (c != QColor(Qt::black) && c != QColor(255, 0, 0)) ++lit;
    }
  }
  EXPECT_GT(lit, 50);
}

}  // namespace
}  // namespace daved
