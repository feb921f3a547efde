// The play window, headless: its tool buttons found by their designer names and clicked.

#include "output/ui/play_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>
#include <memory>

#include "output/devices/simulated_controller_bus.h"
#include "ui_support.h"

namespace daved {
namespace {

using testing::Control;

class PlayWindow : public ::testing::Test {
 protected:
  void SetUp() override { window.show(); }
  QToolButton* Button(const char* name) { return Control<QToolButton>(&window, name); }
  void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }

  SharedOutput output{std::make_unique<SimulatedControllerBus>(SimulationOptions{.paced = false})};
  testing::ScriptedDialogs dialogs;
  PlayOwners owners;
  std::vector<std::string> config;
  WindowServices services{output, dialogs, "/tmp", config, owners};
  TForm21 window{services};
};

TEST_F(PlayWindow, CaptionPictureAndChineseHints) {
  EXPECT_EQ(window.windowTitle(), "Play");
  const QImage picture = Control<QLabel>(&window, "Image1")->pixmap().toImage();
  EXPECT_EQ(picture.size(), QSize(256, 256));
  EXPECT_EQ(picture.pixelColor(128, 128), QColor(Qt::black));
  const std::pair<const char*, const char*> hints[] = {
      {"ToolButton1", "播放"},     {"ToolButton2", "循环"},     {"ToolButton3", "停止"},
      {"ToolButton4", "水平反向"}, {"ToolButton5", "垂直反向"}, {"ToolButton6", "暂停"},
      {"ToolButton7", "播放设定"}};
  for (const auto& [name, hint] : hints)
    EXPECT_EQ(Button(name)->toolTip(), QString::fromUtf8(hint));
}

TEST_F(PlayWindow, PlayRepeatsTheLastPlayWithTheWindowsToggles) {
  std::vector<int> played;
  bool invert_x_at_play = false, pause_at_play = false;
  for (int owner = kPlayOwnerQuickPlay; owner <= kPlayOwnerQuickPlay2; ++owner) {
    owners.Register(PlayOwner(owner), [&, owner] {
      played.push_back(owner);
      invert_x_at_play = output.flags.invert_x;
      pause_at_play = output.flags.pause;
    });
  }
  Click("ToolButton1");
  EXPECT_TRUE(played.empty()) << "nothing has played yet";

  Click("ToolButton4");  // "水平反向"
  Click("ToolButton6");  // "暂停"
  output.flags.invert_x = false;
  output.flags.pause = false;
  output.settings.play_owner = kPlayOwnerShow;  // the show played last
  Click("ToolButton1");
  EXPECT_EQ(played, std::vector<int>{kPlayOwnerShow});
  EXPECT_TRUE(invert_x_at_play) << "the window's toggles go into the flags before the play";
  EXPECT_TRUE(pause_at_play);

  output.settings.play_owner = kPlayOwnerQuickPlay2;  // not one of this window's owners
  Click("ToolButton1");
  EXPECT_EQ(played.size(), 1u);
}

TEST_F(PlayWindow, TogglesSetTheFlagsAndStopRequestsStop) {
  const std::pair<const char*, std::atomic<bool>*> toggles[] = {
      {"ToolButton2", &output.flags.loop},
      {"ToolButton4", &output.flags.invert_x},
      {"ToolButton5", &output.flags.invert_y},
      {"ToolButton6", &output.flags.pause}};
  for (const auto& [name, flag] : toggles) {
    SCOPED_TRACE(name);
    Click(name);
    EXPECT_TRUE(*flag);
    Click(name);
    EXPECT_FALSE(*flag);
  }
  Click("ToolButton3");  // "停止"
  EXPECT_TRUE(output.flags.stop_request);
}

TEST_F(PlayWindow, SettingsButtonAsksForTheOutputSettingsWindow) {
  QSignalSpy requested(&window, &TForm21::outputSettingsRequested);
  Click("ToolButton7");
  EXPECT_EQ(requested.count(), 1);
}

TEST_F(PlayWindow, ShowsThePointCountAndFileNameOfWhatIsPlaying) {
  const Point from{20, 40, 0, 1, 0, 1};
  const Point to{200, 40, 0, 1, 0, 0};
  output.preview.Post({{{from, to}}, 2, "barney.ild"});
  window.ShowLatestPreview();
  EXPECT_EQ(Control<QLabel>(&window, "Label1")->text(), "2");
  EXPECT_EQ(Control<QLabel>(&window, "Label3")->text(), "barney.ild");
}

}  // namespace
}  // namespace daved
