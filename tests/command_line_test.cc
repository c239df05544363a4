// The command-line conventions every program shares: exactly one argument,
// a file that opens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/d88_writer.h"
#include "tests/tool_runner.h"
#include "tests/tool_texts.h"

using namespace d88test;

namespace {

TEST(CommandLineTest, UsageAndCannotOpen) {
  struct Tool {
    const char* path;
    std::string usage;
  };
  const Tool tools[] = {{TOVAKMUS_PATH, "Usage: tovakmus [d88file]\n"},
                        {TOVAKCUT_PATH, "Usage: tovakcut [d88file]\n"},
                        {D88LS_PATH, "Usage: d88ls [d88file]\n"}};
  for (const Tool& tool : tools) {
    ScratchDir dir;
    ScratchDir elsewhere;
    Image disk = makeDisk("A", 1);
    disk.tracks[0].sectors[2].data[0] = 0xE5;
    ASSERT_TRUE(writeFile(dir.file("disk.d88"), buildFile({disk})));
    struct Row {
      const char* what;
      std::vector<std::string> args;
      std::string err;
    };
    const Row rows[] = {
        {"no argument", {}, tool.usage},
        {"two arguments", {"disk.d88", "disk.d88"}, tool.usage},
        {"a missing file", {"absent.d88"}, kCannotOpen},
        {"an empty argument", {""}, kCannotOpen},
        {"a directory", {elsewhere.path()}, kCannotOpen},
    };
    for (const Row& row : rows) {
      SCOPED_TRACE(std::string(tool.path) + ": " + row.what);
      const RunResult r = runTool(tool.path, row.args, dir.path());
      EXPECT_EQ(r.status, 1);
      EXPECT_EQ(r.out, "");
      EXPECT_EQ(r.err, row.err);
      EXPECT_EQ(dir.files().size(), 1u);  // nothing but the input
    }
  }
  EXPECT_EQ(kCannotOpen.size(), 30u);
}

}  // namespace
