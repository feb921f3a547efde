// The start-up and the launcher, headless: the windows in their order, Daved.ini created, read
// and written back, the title rules and Timer1, all on simulated controllers.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include "app/config_file.h"
#include "app/ui/launcher_window.h"
#include "app/ui/splash_window.h"
#include "app/ui/startup.h"
#include "formats/file_io.h"
#include "test_support.h"
#include "ui_support.h"

namespace daved {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::Control;
using testing::ScriptedDialogs;
using testing::TempFolder;

struct Start {
  explicit Start(std::vector<int> numbers, const std::filesystem::path& home) {
    StartupOptions options;
    options.programFolder = home;
    options.simulation = SimulationOptions{.paced = false, .keep_writes = true, .numbers = numbers};
    program = CreateWindows(options, dialogs);
    program->launcher().ShowStartupMessages();
  }
  TForm15& launcher() { return program->launcher(); }
  SimulatedControllerBus& bus() { return *program->simulatedBus(); }
  ScriptedDialogs dialogs;
  std::unique_ptr<Program> program;
};

std::vector<std::string> ReadIni(const TempFolder& home) {
  std::vector<std::string> lines;
  EXPECT_TRUE(LoadLines(home / "Daved.ini", lines).ok());
  return lines;
}

TEST(StartUp, CreatesEveryWindowOnceInOrderTheLauncherFirst) {
  TempFolder home;
  Start start({0}, home.path());
  std::vector<QString> names;
  for (QWidget* window : start.program->windows()) {
    names.push_back(window->objectName());
    EXPECT_EQ(QString(window->metaObject()->className()), "daved::" + window->objectName());
  }
  EXPECT_EQ(names, (std::vector<QString>{"TForm15", "TForm1", "TForm13", "TForm17", "TForm19",
                                         "TForm3", "TForm21", "LaserSimulatorWindow"}));
  // Only the buttons whose window exists can be pressed.
  EXPECT_TRUE(Control<QPushButton>(&start.launcher(), "BitBtn1")->isEnabled());
  EXPECT_FALSE(Control<QPushButton>(&start.launcher(), "suiButton2")->isEnabled());
  QPushButton* select = Control<QPushButton>(&start.launcher(), "BitBtn7");
  ASSERT_TRUE(select->isEnabled());
  start.launcher().show();
  QTest::mouseClick(select, Qt::LeftButton);
  EXPECT_TRUE(start.program->window("TForm19")->isVisible());

  // The play window's settings button opens the output settings.
  QWidget* play = start.program->window("TForm21");
  play->show();
  QTest::mouseClick(Control<QToolButton>(play, "ToolButton7"), Qt::LeftButton);
  EXPECT_TRUE(start.program->window("TForm13")->isVisible());
}

TEST(StartUp, TheSplashIsABorderlessPictureOfItsOwnSize) {
  TForm14 splash;
  EXPECT_EQ(splash.objectName(), "TForm14");
  EXPECT_EQ(splash.size(), QSize(428, 537));
  EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
  const QImage picture = Control<QLabel>(&splash, "Image1")->pixmap().toImage();
  ASSERT_EQ(picture.size(), QSize(428, 537));
  EXPECT_GT(QColor(picture.pixel(214, 477)).lightness(), 200);  // the projector's spot
  EXPECT_EQ(QColor(picture.pixel(214, 530)).lightness(), 0);     // dark below it
}

TEST(StartUp, AFreshFolderGetsItsWorkFoldersAndADavedIniOfInitialValues) {
  TempFolder home;
  Start start({0}, home / "fresh");
  EXPECT_TRUE(start.dialogs.messages.empty());
  for (const std::string_view name : kWorkFolders) {
    EXPECT_TRUE(std::filesystem::is_directory(home / "fresh" / std::string(name))) << name;
  }
  std::vector<std::string> lines;
  ASSERT_TRUE(LoadLines(home / "fresh" / "Daved.ini", lines).ok());
  EXPECT_EQ(lines, InitialConfigLines());
  // The output settings window read them: sizes 20, not 0.
  EXPECT_EQ(start.program->output().settings.horizontal_size, 20);
  EXPECT_EQ(start.program->output().settings.brightness, 100);
}

TEST(StartUp, ClosingWritesEveryValueBackLeavesEvenLinesAndStartingAgainKeepsThem) {
  TempFolder home;
  std::vector<std::string> original = InitialConfigLines();
  for (std::size_t i = 0; i < original.size(); i += 2) original[i] = "kept " + std::to_string(i);
  original[1] = "17";    // the drawing editor's background colour, kept for it
  original[19] = "50";   // scan speed
  original[35] = "/usr/bin/vlc";
  original.push_back("after the settings");
  ASSERT_TRUE(SaveLines(home / "Daved.ini", original).ok());
  {
    Start start({0}, home.path());
    OutputSettings& settings = start.program->output().settings;
    EXPECT_EQ(settings.scan_speed, 50);
    EXPECT_EQ(settings.media_player_path(), "/usr/bin/vlc");
    settings.scan_speed = 100;
    settings.horizontal_size = 33;
    QSignalSpy closed(&start.launcher(), &TForm15::closed);
    start.launcher().show();
    start.launcher().close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(start.program->output().flags.stop_request);
    EXPECT_FALSE(Control<QTimer>(&start.launcher(), "Timer1")->isActive());
  }
  std::vector<std::string> expected = original;
  expected[19] = "100";
  expected[21] = "33";
  EXPECT_EQ(ReadIni(home), expected);

  Start again({0}, home.path());
  EXPECT_EQ(again.program->output().settings.scan_speed, 100);
  EXPECT_EQ(again.program->output().settings.horizontal_size, 33);
  EXPECT_TRUE(again.dialogs.messages.empty());
}

TEST(StartUp, ADamagedDavedIniGivesOneMessageNamingTheLineAndIsMendedAtClosing) {
  TempFolder home;
  std::vector<std::string> damaged = InitialConfigLines();
  damaged[5] = "twenty";
  ASSERT_TRUE(SaveLines(home / "Daved.ini", damaged).ok());
  {
    Start start({0}, home.path());
    EXPECT_EQ(start.dialogs.messages,
              (std::vector<QString>{"Daved.ini line 6: 'twenty' is not a valid integer value"}));
    start.launcher().close();
  }
  EXPECT_EQ(ReadIni(home), InitialConfigLines());

  // A file cut short: the program still starts, and closing writes all 50 lines.
  ASSERT_TRUE(SaveLines(home / "Daved.ini", {"a", "3", "b", "12"}).ok());
  {
    Start start({0}, home.path());
    ASSERT_FALSE(start.dialogs.messages.empty());
    EXPECT_EQ(start.dialogs.messages.back(), "Daved.ini ends before line 6");
    start.launcher().close();
  }
  const std::vector<std::string> mended = ReadIni(home);
  ASSERT_EQ(mended.size(), 50u);
  EXPECT_EQ(mended[1], "3");
  EXPECT_EQ(mended[3], "12");
  EXPECT_TRUE(CheckConfigLines(mended).ok());
}

TEST(StartUp, ClosingAsksTheDrawingEditorFirstAndWritesItsLinesBack) {
  TempFolder home;
  {
    Start start({0}, home.path());
    start.launcher().show();
    QTest::mouseClick(Control<QPushButton>(&start.launcher(), "BitBtn1"), Qt::LeftButton);
    QWidget* editor = start.program->window("TForm1");
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(Control<QLineEdit>(editor, "Edit2")->text(), "10");  // line 9 of a new Daved.ini
    QLineEdit* spacing = Control<QLineEdit>(editor, "Edit2");
    spacing->clear();
    QTest::keyClicks(spacing, "33");
    QTest::keyClick(spacing, Qt::Key_Return);
    QTest::mouseClick(Control<QPushButton>(editor, "suiButton13"), Qt::LeftButton);
    QTest::mouseClick(Control<QLabel>(editor, "Image90"), Qt::LeftButton, {}, QPoint(40, 40));

    QSignalSpy closed(&start.launcher(), &TForm15::closed);
    start.dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(start.launcher().close());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(start.dialogs.questions.size(), 1u);
    start.dialogs.answers = {Answer::No};
    EXPECT_TRUE(start.launcher().close());
    EXPECT_EQ(closed.count(), 1);
  }
  EXPECT_EQ(ReadIni(home)[9], "33");
}

TEST(Launcher, TitleFollowsTheChosenControllerAmongThreeAndSeven) {
  TempFolder home;
  Start start({3, 7}, home.path());
  TForm15& launcher = start.launcher();
  QComboBox* combo = Control<QComboBox>(&launcher, "ComboBox1");
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->itemText(0), "Usb-3");
  EXPECT_EQ(combo->itemText(1), "Usb-7");
  EXPECT_EQ(start.program->output().targets.CurrentController(), "ezusb-3");
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Daved-0");
  EXPECT_EQ(launcher.windowTitle(), "Daved-0");

  launcher.show();
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(start.program->output().targets.CurrentController(), "ezusb-7");
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Daved-1");
  EXPECT_EQ(launcher.windowTitle(), "Daved-1");
  // The device selection dialog follows the launcher's choice.
  EXPECT_EQ(Control<QComboBox>(start.program->window("TForm19"), "ComboBox1")->currentIndex(), 1);
}

TEST(Launcher, WithoutControllersTimer1RescansAndGreetsOneThatIsPluggedIn) {
  TempFolder home;
  Start start({4}, home.path());
  TForm15& launcher = start.launcher();
  EXPECT_EQ(Control<QTimer>(&launcher, "Timer1")->interval(), 2000);
  start.bus().SetPlugged(4, false);
  launcher.show();
  QTest::mouseClick(Control<QPushButton>(&launcher, "suiButton1"), Qt::LeftButton);
  EXPECT_EQ(Control<QComboBox>(&launcher, "ComboBox1")->count(), 0);
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Daved");
  EXPECT_EQ(launcher.windowTitle(), "Ziverive-REDUR");
  EXPECT_EQ(start.program->output().targets.CurrentController(), "");

  start.bus().ClearWrites();
  launcher.Timer1Timer();
  EXPECT_TRUE(start.bus().Writes().empty());

  start.bus().SetPlugged(4, true);
  start.program->output().settings.output_delay = 9;
  start.program->output().settings.scan_speed = 120;
  launcher.Timer1Timer();
  EXPECT_EQ(start.program->output().targets.CurrentController(), "ezusb-4");
  EXPECT_EQ(launcher.windowTitle(), "Daved-0");
  EXPECT_EQ(start.bus().Writes(), (std::vector<CapturedWrite>{{"ezusb-4", 2, Bytes{0}},
                                                              {"ezusb-4", 2, Bytes{9, 120}}}));
  // With a controller known the timer leaves it alone.
  start.bus().ClearWrites();
  launcher.Timer1Timer();
  EXPECT_TRUE(start.bus().Writes().empty());
}

TEST(Launcher, AStandInSimulatedControllerIsSaidInTheLauncher) {
  TempFolder home;
  StartupOptions options;
  options.programFolder = home.path();
  ScriptedDialogs dialogs;
  const std::unique_ptr<Program> program = CreateWindows(options, dialogs);
  if (!program->simulatedStandIn()) GTEST_SKIP() << "a USB laser controller is connected";
  ASSERT_NE(program->window("LaserSimulatorWindow"), nullptr);
  EXPECT_EQ(program->output().targets.CurrentController(), "ezusb-0");
  QLabel* status = Control<QLabel>(&program->launcher(), "StatusLabel");
  EXPECT_FALSE(status->isHidden());
  EXPECT_TRUE(status->text().contains("controller simulato"));
}

}  // namespace
}  // namespace daved
