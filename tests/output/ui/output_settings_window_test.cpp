// The output settings window, headless: its controls found by their designer names and driven
// with real clicks, keys and mouse drags.

#include "output/ui/output_settings_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "output/devices/simulated_controller_bus.h"
#include "ui_support.h"

namespace daved {
namespace {

using testing::Control;

// One program's worth of shared state, with Daved.ini holding the controls' initial values.
struct Program {
  std::unique_ptr<SharedOutput> output = std::make_unique<SharedOutput>(
      std::make_unique<SimulatedControllerBus>(SimulationOptions{.paced = false}));
  testing::ScriptedDialogs dialogs;
  PlayOwners owners;
  std::vector<std::string> config;
  WindowServices services{*output, dialogs, "/tmp", config, owners};

  Program() {
    const OutputSettings initial;
    WriteOutputSettings(initial, config);
  }
};

class OutputSettingsWindow : public ::testing::Test {
 protected:
  TForm13& Open() {
    window = std::make_unique<TForm13>(program->services);
    window->show();
    return *window;
  }
  template <typename T>
  T* Find(const char* name) {
    return Control<T>(window.get(), name);
  }
  QString Text(const char* label) { return Find<QLabel>(label)->text(); }
  OutputSettings& settings() { return program->output->settings; }
  OutputFlags& flags() { return program->output->flags; }

  // A new program: the window goes first, as it refers to the program's shared state.
  void Restart() {
    window.reset();
    program = std::make_unique<Program>();
  }

  std::unique_ptr<Program> program = std::make_unique<Program>();
  std::unique_ptr<TForm13> window;
};

TEST_F(OutputSettingsWindow, ShowsItsConfigurationLinesInTheControls) {
  auto& config = program->config;
  config[13] = "-100";
  config[15] = "51";
  config[17] = "90";
  config[19] = "100";
  config[21] = "30";
  config[25] = "7";
  config[29] = "40";
  config[35] = "/usr/bin/mpv";
  config[43] = "120";
  Open();
  EXPECT_TRUE(program->dialogs.messages.empty());
  EXPECT_EQ(Find<QSlider>("TrackBar6")->value(), 150);
  EXPECT_EQ(Text("Label6"), "36000");
  EXPECT_EQ(Find<QSlider>("TrackBar7")->value(), 7);
  EXPECT_EQ(Find<QSlider>("suiTrackBar1")->value(), 30);
  EXPECT_EQ(Text("Label9"), "30");
  EXPECT_EQ(Find<QSlider>("suiTrackBar3")->value(), 90);
  EXPECT_EQ(Find<QSlider>("TrackBar1")->value(), 40);
  EXPECT_EQ(Find<QSlider>("suiTrackBar7")->value(), 120);
  EXPECT_EQ(Text("Label37"), "120");
  EXPECT_EQ(Find<QLineEdit>("suiEdit4")->text(), "/usr/bin/mpv");
  EXPECT_EQ(Text("Label3"), "-100");
  EXPECT_EQ(Text("Label4"), "51");
  // The pad point of offset 51 truncates: (51 + 256) / 2 = 153.
  const QImage pad = Find<QLabel>("Image1")->pixmap().toImage();
  EXPECT_EQ(pad.pixelColor(78 + 3, 153), QColor(Qt::red));
  EXPECT_EQ(Text("Label50"), "");
}

TEST_F(OutputSettingsWindow, ADamagedConfigurationShowsOneMessageAndZeroesTheRest) {
  struct Case {
    std::size_t line;
    const char* text;
    std::size_t lines;
    QString message;
  };
  for (const Case& c : {Case{25, "7x", 50, "Daved.ini line 26: '7x' is not a valid integer value"},
                        Case{0, "", 30, "Daved.ini ends before line 32"}}) {
    SCOPED_TRACE(c.line);
    Restart();
    program->config[13] = "-20";
    program->config[c.line] = c.text;
    program->config.resize(c.lines);
    Open();
    EXPECT_EQ(program->dialogs.messages, std::vector<QString>{c.message});
    EXPECT_EQ(Text("Label3"), "-20") << "read before the bad line";
    EXPECT_EQ(Find<QSlider>("suiTrackBar7")->value(), 0);
    EXPECT_EQ(settings().brightness, 0);
    EXPECT_EQ(Find<QSlider>("TrackBar1")->value(), 2) << "the ILDA interval stays in 2..1000";
    EXPECT_EQ(settings().ilda_frame_interval, 2);
    EXPECT_EQ(Find<QLineEdit>("suiEdit4")->text(), "");
    window.reset();
  }
}

TEST_F(OutputSettingsWindow, TrackBarsMovedByKeysChangeTheSharedSettings) {
  Open();
  struct Case {
    const char* track;
    Qt::Key key;
    const char* label;
    const char* shown;
    std::function<int()> setting;
    int expected;
  };
  const Case cases[] = {
      {"TrackBar6", Qt::Key_Right, "Label6", "36240", [&] { return int(settings().scan_speed); },
       99},
      {"TrackBar6", Qt::Key_End, "Label6", "60000", [&] { return int(settings().scan_speed); }, 0},
      {"TrackBar7", Qt::Key_PageUp, "Label41", "110", [&] { return int(settings().output_delay); },
       110},
      {"suiTrackBar3", Qt::Key_Right, "Label14", "1",
       [&] { return int(settings().rotation_angle); }, 1},
      {"TrackBar1", Qt::Key_End, "Label19", "1000",
       [&] { return int(settings().ilda_frame_interval); }, 1000},
      {"suiTrackBar4", Qt::Key_Left, "Label27", "99", [&] { return int(settings().red_depth); },
       99},
      {"suiTrackBar5", Qt::Key_Home, "Label32", "0", [&] { return int(settings().green_depth); },
       0},
      {"suiTrackBar6", Qt::Key_End, "Label33", "200", [&] { return int(settings().blue_depth); },
       200},
      {"suiTrackBar7", Qt::Key_Right, "Label37", "101", [&] { return int(settings().brightness); },
       101},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.track);
    QTest::keyClick(Find<QSlider>(c.track), c.key);
    EXPECT_EQ(c.setting(), c.expected);
    EXPECT_EQ(Text(c.label), c.shown);
  }
}

TEST_F(OutputSettingsWindow, LockXYSizeMovesBothSizes) {
  Open();
  auto* horizontal = Find<QSlider>("suiTrackBar1");
  auto* vertical = Find<QSlider>("suiTrackBar2");
  QTest::keyClick(horizontal, Qt::Key_End);
  EXPECT_EQ(settings().horizontal_size, 40);
  EXPECT_EQ(settings().vertical_size, 20) << "unlocked, the sizes move apart";

  QTest::mouseClick(Find<QCheckBox>("suiCheckBox1"), Qt::LeftButton);
  EXPECT_EQ(settings().vertical_size, 40) << "switching the lock on copies the horizontal size";
  EXPECT_EQ(vertical->value(), 40);
  EXPECT_EQ(Text("Label13"), "40");

  QTest::keyClick(vertical, Qt::Key_Home);
  EXPECT_EQ(settings().vertical_size, 0);
  EXPECT_EQ(settings().horizontal_size, 0);
  EXPECT_EQ(horizontal->value(), 0);
  EXPECT_EQ(Text("Label9"), "0");
}

TEST_F(OutputSettingsWindow, TheOffsetPadFollowsTheMouse) {
  Open();
  auto* pad = Find<QLabel>("Image1");
  const auto offsets = [&] {
    return std::pair<int, int>(settings().horizontal_offset, settings().vertical_offset);
  };
  QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(1, 1));
  EXPECT_EQ(offsets(), std::pair(-254, -254));
  EXPECT_EQ(Text("Label3"), "-254");
  QTest::mouseMove(pad, QPoint(-40, 300));
  EXPECT_EQ(offsets(), std::pair(-256, 252)) << "a drag beyond the pad stays on its edges";
  EXPECT_EQ(Text("Label4"), "252");
  QTest::mouseMove(pad, QPoint(254, 128));
  EXPECT_EQ(offsets(), std::pair(252, 0));
  QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(64, 200));
  QTest::mouseMove(pad, QPoint(10, 10));
  EXPECT_EQ(offsets(), std::pair(252, 0)) << "no drag after the release";

  QTest::mouseClick(pad, Qt::LeftButton, {}, QPoint(200, 90));
  EXPECT_EQ(offsets(), std::pair(144, -76));
  const QImage drawn = pad->pixmap().toImage();
  EXPECT_EQ(drawn.pixelColor(203, 90), QColor(Qt::red));
  EXPECT_EQ(drawn.pixelColor(200, 90), QColor(Qt::black));

  QTest::mouseClick(Find<QPushButton>("suiButton2"), Qt::LeftButton);  // "Reset to 0"
  EXPECT_EQ(offsets(), std::pair(0, 0));
  EXPECT_EQ(Text("Label3"), "0");
  EXPECT_EQ(pad->pixmap().toImage().pixelColor(131, 128), QColor(Qt::red));
}

TEST_F(OutputSettingsWindow, ColourPanelsSetEveryPlayerFamily) {
  Open();
  for (const ColourPanel& panel : kColourPanels) {
    SCOPED_TRACE(panel.caption);
    auto* button = Find<QPushButton>(panel.name);
    EXPECT_EQ(button->text(), panel.caption);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(settings().segment_colour_mode, panel.mode);
    EXPECT_EQ(settings().show_colour_mode, panel.mode);
    EXPECT_EQ(settings().quick_play_colour_mode, panel.mode);
    EXPECT_EQ(settings().quick_play2_colour_mode, panel.mode);
  }
  QTest::mouseClick(Find<QPushButton>("PanelRosso"), Qt::LeftButton);
  EXPECT_EQ(settings().show_colour_mode, 2);
}

TEST_F(OutputSettingsWindow, TrovaTakesOnlyAnExistingProgram) {
  Open();
  QTemporaryDir folder;
  const QString program_path = folder.filePath("player");
  QFile file(program_path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  auto* path = Find<QLineEdit>("suiEdit4");
  auto* find = Find<QPushButton>("suiButton12");
  program->dialogs.inputs = {folder.filePath("missing"), std::nullopt, QString("0"), program_path};
  for (int i = 0; i < 3; ++i) QTest::mouseClick(find, Qt::LeftButton);
  EXPECT_EQ(path->text(), "");
  QTest::mouseClick(find, Qt::LeftButton);
  EXPECT_EQ(path->text(), program_path);
  EXPECT_EQ(settings().media_player_path(), program_path.toStdString());

  path->clear();
  QTest::keyClicks(path, "vlc");
  EXPECT_EQ(settings().media_player_path(), "vlc") << "typing changes the path too";
}

TEST_F(OutputSettingsWindow, PlayingRepeatsTheOwnersPlayWithTheWindowsFlags) {
  Open();
  int plays = 0;
  bool loop_at_play = false, invert_y_at_play = false;
  program->owners.Register(kPlayOwnerSegmentPlay, [&] {
    ++plays;
    loop_at_play = flags().loop;
    invert_y_at_play = flags().invert_y;
  });
  auto* play = Find<QToolButton>("ToolButton1");
  QTest::mouseClick(play, Qt::LeftButton);
  EXPECT_EQ(plays, 0) << "no play owner yet";

  QTest::mouseClick(Find<QToolButton>("ToolButton5"), Qt::LeftButton);  // Loop on
  QTest::mouseClick(Find<QToolButton>("ToolButton3"), Qt::LeftButton);  // Invert Y on
  flags().loop = false;  // another window's button changed the flags since
  settings().play_owner = kPlayOwnerSegmentPlay;
  QTest::mouseClick(play, Qt::LeftButton);
  EXPECT_EQ(plays, 1);
  EXPECT_TRUE(loop_at_play) << "the window's buttons go into the flags before the play";
  EXPECT_TRUE(invert_y_at_play);

  settings().play_owner = kPlayOwnerShow;  // its window is not built: nothing happens
  QTest::mouseClick(play, Qt::LeftButton);
  EXPECT_EQ(plays, 1);
}

TEST_F(OutputSettingsWindow, FlagButtonsAndStop) {
  Open();
  struct Case {
    const char* button;
    std::atomic<bool>* flag;
  };
  for (const Case& c :
       {Case{"ToolButton5", &flags().loop}, Case{"ToolButton9", &flags().invert_x},
        Case{"ToolButton3", &flags().invert_y}, Case{"ToolButton10", &flags().pause}}) {
    SCOPED_TRACE(c.button);
    QTest::mouseClick(Find<QToolButton>(c.button), Qt::LeftButton);
    EXPECT_TRUE(*c.flag);
    QTest::mouseClick(Find<QToolButton>(c.button), Qt::LeftButton);
    EXPECT_FALSE(*c.flag);
  }
  QTest::mouseClick(Find<QToolButton>("ToolButton8"), Qt::LeftButton);
  EXPECT_TRUE(flags().stop_request);
}

TEST_F(OutputSettingsWindow, ActivationShowsSpeedAndDelaySetElsewhereAndRedrawsThePad) {
  TForm13& form = Open();
  // Another window's speed and delay controls, while this one is hidden.
  form.hide();
  settings().scan_speed = 50;
  settings().output_delay = 7;
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_EQ(Find<QSlider>("TrackBar6")->value(), 200);
  EXPECT_EQ(Text("Label6"), "48000");
  EXPECT_EQ(Find<QSlider>("TrackBar7")->value(), 7);
  EXPECT_EQ(Text("Label41"), "7");

  auto* timer = Find<QTimer>("Timer1");
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 90);
  form.DrawPadAfterActivation();
  EXPECT_FALSE(timer->isActive()) << "the pad is drawn once, then the timer stops";
}

TEST_F(OutputSettingsWindow, PreviewShowsWhatThePlayerPosted) {
  TForm13& form = Open();
  EXPECT_EQ(Find<QLabel>("Image2")->pixmap().toImage().pixelColor(128, 128), QColor(Qt::black));
  const Point from{20, 40, 0, 1, 0, 1};
  const Point to{200, 40, 0, 1, 0, 0};  // a white line
  program->output->preview.Post({{{from, to}}, 2, "star.ild"});
  form.ShowLatestPreview();
  EXPECT_EQ(Text("Label46"), "2");
  EXPECT_EQ(Text("Label50"), "star.ild");
  EXPECT_NE(Find<QLabel>("Image2")->pixmap().toImage().pixelColor(100, 40), QColor(Qt::black));
}

TEST_F(OutputSettingsWindow, EverySettingSurvivesARestart) {
  Open();
  QTest::keyClick(Find<QSlider>("TrackBar6"), Qt::Key_PageUp);
  QTest::keyClick(Find<QSlider>("suiTrackBar2"), Qt::Key_Home);
  QTest::keyClick(Find<QSlider>("suiTrackBar6"), Qt::Key_End);
  QTest::mouseClick(Find<QLabel>("Image1"), Qt::LeftButton, {}, QPoint(30, 220));
  QTest::keyClicks(Find<QLineEdit>("suiEdit4"), "mpv");
  // Closing writes the settings into the lines; the next start reads them back.
  WriteOutputSettings(settings(), program->config);
  const std::vector<std::string> saved = program->config;
  window.reset();

  Restart();
  program->config = saved;
  Open();
  EXPECT_EQ(Find<QSlider>("TrackBar6")->value(), 155);
  EXPECT_EQ(Find<QSlider>("suiTrackBar2")->value(), 0);
  EXPECT_EQ(Find<QSlider>("suiTrackBar6")->value(), 200);
  EXPECT_EQ(Text("Label3"), "-196");
  EXPECT_EQ(Text("Label4"), "184");
  EXPECT_EQ(Find<QLineEdit>("suiEdit4")->text(), "mpv");
  EXPECT_TRUE(program->dialogs.messages.empty());
}

}  // namespace
}  // namespace daved
