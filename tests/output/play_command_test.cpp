// `daved play` and the program folder rule (built with the command line only).

#include <gtest/gtest.h>

#include <sstream>

#include "app/cli.h"
#include "app/program_folder.h"
#include "formats/drawing_file.h"
#include "formats/file_io.h"
#include "test_support.h"

namespace daved {
namespace {

struct Result {
  int status;
  std::string out, err;
};

Result RunDaved(std::vector<std::string> args) {
  args.insert(args.begin(), "daved");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  const int status = RunCommandLine(int(argv.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

// The hex of each captured packet, with the device it went to.
std::vector<std::string> CapturedPackets(const std::filesystem::path& capture) {
  std::vector<std::string> lines, packets;
  EXPECT_TRUE(LoadLines(capture, lines).ok());
  for (const std::string& line : lines) {
    const std::size_t device = line.find("\"device\":\"") + 10;
    const std::size_t hex = line.find("\"hex\":\"") + 7;
    packets.push_back(line.substr(device, line.find('"', device) - device) + " " +
                      line.substr(hex, line.find('"', hex) - hex));
  }
  return packets;
}

struct PlayCommandTest : ::testing::Test {
  PlayCommandTest() {
    // A red vertex and a blank white line point.
    const Drawing drawing = {{{10, 250, kVertex, 2, 0, 0}, {128, 0, kLinePoint, 1, 0, 1}}};
    EXPECT_TRUE(SaveDrawing(folder / "shape.ddr", drawing, 1).ok());
  }
  void WriteIni(std::size_t line, const std::string& value) {
    std::vector<std::string> lines(50, "0");
    for (std::size_t i = 13; i <= 43; i += 2) lines[i] = "100";
    lines[13] = lines[15] = lines[17] = "0";
    lines[21] = lines[23] = "20";
    lines[35] = "";
    lines[line] = value;
    ASSERT_TRUE(SaveLines(folder / "Daved.ini", lines).ok());
  }
  std::string Path(const std::string& name) { return (folder / name).string(); }

  testing::TempFolder folder;
};

TEST_F(PlayCommandTest, PlaysTheDrawingToEverySimulatedControllerAndParksThem) {
  WriteIni(25, "7");  // output delay
  const Result r =
      RunDaved({"play", Path("shape.ddr"), "--home", folder.path().string(), "--simulate", "2",
                "--simulate-fast", "--capture", Path("capture.jsonl"), "--passes", "2"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "played 2 passes of 2 points to 2 controllers\n");
  const std::string data = "0902f505" "0f017fff";
  EXPECT_EQ(CapturedPackets(folder / "capture.jsonl"),
            (std::vector<std::string>{"ezusb-0 0700", "ezusb-1 0700",
                                      "ezusb-0 " + data, "ezusb-1 " + data,
                                      "ezusb-0 " + data, "ezusb-1 " + data,
                                      "ezusb-0 00018080", "ezusb-1 00018080"}));
}

TEST_F(PlayCommandTest, StopsAfterTheGivenTime) {
  const Result r = RunDaved({"play", Path("shape.ddr"), "--home", folder.path().string(),
                             "--simulate", "1", "--seconds", "0.05"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.out.starts_with("played ")) << r.out;
}

TEST_F(PlayCommandTest, ReportsBadInputAndWrongUsage) {
  WriteIni(19, "fast");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;
  };
  const std::string home = folder.path().string();
  for (const Case& c : std::vector<Case>{
           {{"play", Path("shape.ddr"), "--home", home, "--simulate", "1"},
            1,
            "line 20: 'fast' is not a valid integer value"},
           {{"play", Path("missing.ddr"), "--simulate", "1", "--home", Path("none")},
            1,
            "missing.ddr"},
           {{"play", Path("shape.ild"), "--simulate", "1", "--home", Path("none")},
            1,
            "only drawings (.ddr) can be played so far"},
           {{"play", Path("shape.ddr"), "--capture", Path("c.jsonl"), "--home", Path("none")},
            2,
            "--capture need --simulate N"},
           {{"play", Path("shape.ddr"), "--simulate", "1", "--passes", "1", "--seconds", "1"},
            2,
            "excludes"}}) {
    const Result r = RunDaved(c.args);
    EXPECT_EQ(r.status, c.status) << c.args[1];
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
  }
}

TEST(ProgramFolder, OptionThenEnvironmentThenExecutableFolderThenUserData) {
  testing::TempFolder writable;
  // Root may write anywhere, so a folder that does not exist stands for one we cannot write.
  const std::filesystem::path read_only = writable / "missing";
  EXPECT_EQ(ChooseProgramFolder({"/opt/a", "/opt/b", writable.path(), "/x", "/home/u"}), "/opt/a");
  EXPECT_EQ(ChooseProgramFolder({"", "/opt/b", writable.path(), "/x", "/home/u"}), "/opt/b");
  EXPECT_EQ(ChooseProgramFolder({"", "", writable.path(), "/x", "/home/u"}), writable.path());
  EXPECT_EQ(ChooseProgramFolder({"", "", read_only, "/x", "/home/u"}), "/x/daved");
  EXPECT_EQ(ChooseProgramFolder({"", "", read_only, "", "/home/u"}), "/home/u/.local/share/daved");
}

}  // namespace
}  // namespace daved
