#include "output/output_settings.h"

#include <gtest/gtest.h>

#include "output/output_targets.h"

namespace daved {
namespace {

// A configuration of 50 lines whose even lines hold text that must survive a write.
std::vector<std::string> SampleLines() {
  std::vector<std::string> lines(50);
  for (std::size_t i = 0; i < lines.size(); i += 2) lines[i] = "keep " + std::to_string(i);
  for (std::size_t i = 1; i < lines.size(); i += 2) lines[i] = "0";
  lines[13] = "-256";
  lines[15] = "254";
  lines[17] = "45";
  lines[19] = "100";
  lines[21] = "30";
  lines[23] = "10";
  lines[25] = "7";
  lines[27] = "3";
  lines[29] = "40";
  lines[31] = "1";
  lines[33] = "0";
  lines[35] = "/usr/bin/mpv";
  lines[37] = "200";
  lines[39] = "150";
  lines[41] = "50";
  lines[43] = "120";
  return lines;
}

TEST(OutputSettingsConfig, ReadsEveryLineAndWritesItBackUnchanged) {
  const std::vector<std::string> original = SampleLines();
  OutputSettings settings;
  ASSERT_TRUE(ReadOutputSettings(original, settings).ok());
  EXPECT_EQ(settings.horizontal_offset, -256);
  EXPECT_EQ(settings.vertical_offset, 254);
  EXPECT_EQ(settings.rotation_angle, 45);
  EXPECT_EQ(settings.scan_speed, 100);
  EXPECT_EQ(settings.horizontal_size, 30);
  EXPECT_EQ(settings.vertical_size, 10);
  EXPECT_EQ(settings.output_delay, 7);
  EXPECT_EQ(settings.pipe_number, 3);
  EXPECT_EQ(settings.ilda_frame_interval, 40);
  EXPECT_EQ(settings.text_width_sizing, 1);
  EXPECT_EQ(settings.media_player_path(), "/usr/bin/mpv");
  EXPECT_EQ(settings.red_depth, 200);
  EXPECT_EQ(settings.green_depth, 150);
  EXPECT_EQ(settings.blue_depth, 50);
  EXPECT_EQ(settings.brightness, 120);

  std::vector<std::string> written = original;
  for (std::size_t i = 13; i <= 43; i += 2) written[i] = "stale";
  WriteOutputSettings(settings, written);
  EXPECT_EQ(written, original);
}

TEST(OutputSettingsConfig, ByteValuesKeepTheirLowBitsAndOthersTheirRange) {
  std::vector<std::string> lines = SampleLines();
  lines[19] = "300";   // scan speed: 300 & 0xFF
  lines[43] = "-1";    // brightness
  lines[21] = "99";    // horizontal size beyond 40
  lines[13] = "-999";  // offset below -256
  lines[29] = " 5";    // leading spaces are allowed
  OutputSettings settings;
  ASSERT_TRUE(ReadOutputSettings(lines, settings).ok());
  EXPECT_EQ(settings.scan_speed, 44);
  EXPECT_EQ(settings.brightness, 255);
  EXPECT_EQ(settings.horizontal_size, 40);
  EXPECT_EQ(settings.horizontal_offset, -256);
  EXPECT_EQ(settings.ilda_frame_interval, 5);
}

TEST(OutputSettingsConfig, ABadLineKeepsTheValuesBeforeItAndZeroesTheRest) {
  struct Case {
    std::size_t line;  // the bad line
    std::string text;
    std::size_t keep_lines;
    std::string error;
  };
  for (const Case& c : {Case{25, "12a", 50, "'12a' is not a valid integer value"},
                        Case{41, "", 50, "'' is not a valid integer value"},
                        Case{31, "1", 31, "the file ends before this line"}}) {
    SCOPED_TRACE(c.line);
    std::vector<std::string> lines = SampleLines();
    lines[c.line] = c.text;
    lines.resize(c.keep_lines);
    OutputSettings settings;
    const Status status = ReadOutputSettings(lines, settings);
    EXPECT_EQ(status.error, c.error);
    EXPECT_EQ(status.reached, c.line);
    EXPECT_EQ(settings.horizontal_offset, -256) << "line 13 was read before the bad one";
    EXPECT_EQ(settings.scan_speed, 100);
    EXPECT_EQ(settings.vertical_size, 10);
    EXPECT_EQ(settings.output_delay, c.line > 25 ? 7 : 0);
    EXPECT_EQ(settings.ilda_frame_interval, c.line > 29 ? 40 : 2) << "0 brought into 2..1000";
    EXPECT_EQ(settings.media_player_path(), c.line > 35 ? "/usr/bin/mpv" : "");
    EXPECT_EQ(settings.blue_depth, 0);
    EXPECT_EQ(settings.brightness, 0);
  }
}

TEST(OutputSettingsConfig, WritingFillsAShortListUpToFiftyLines) {
  OutputSettings settings;
  settings.scan_speed = 100;
  settings.set_media_player_path("vlc");
  std::vector<std::string> lines = {"first"};
  WriteOutputSettings(settings, lines);
  ASSERT_EQ(lines.size(), 50u);
  EXPECT_EQ(lines[0], "first");
  EXPECT_EQ(lines[19], "100");
  EXPECT_EQ(lines[35], "vlc");
  EXPECT_EQ(lines[45], "");
}

TEST(OutputSettings, ColourButtonsSetEveryFamily) {
  OutputSettings settings;
  settings.SetAllColourModes(2);  // "Rosso"
  EXPECT_EQ(settings.segment_colour_mode, 2);
  EXPECT_EQ(settings.show_colour_mode, 2);
  EXPECT_EQ(settings.quick_play_colour_mode, 2);
  EXPECT_EQ(settings.quick_play2_colour_mode, 2);
}

TEST(OutputTargets, CurrentThenSelectedWithTheMultiControllerFlag) {
  OutputTargets targets;
  std::vector<std::string> devices;
  targets.CopyDevices(devices);
  EXPECT_TRUE(devices.empty());

  targets.SetCurrentController("ezusb-1");
  targets.SetSelectedControllers({"Usb-0", "Usb-2"});
  targets.CopyDevices(devices);
  EXPECT_EQ(devices, std::vector<std::string>{"ezusb-1"});

  const uint64_t before = targets.version();
  targets.SetMultiController(true);
  EXPECT_NE(targets.version(), before);
  targets.CopyDevices(devices);
  EXPECT_EQ(devices, (std::vector<std::string>{"ezusb-1", "ezusb-0", "ezusb-2"}));
}

}  // namespace
}  // namespace daved
