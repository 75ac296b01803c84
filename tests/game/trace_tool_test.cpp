#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>

#include "../utils/temp_dir.h"

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the built trace tool on a script file.
ToolRun trace(const TempDir& dir, const std::string& scriptPath) {
    const std::string out = dir.file("out"), err = dir.file("err");
    const std::string command = std::string("'") + ZEPHRA_BINARY_DIR + "/pouncer_trace' < '" +
                                scriptPath + "' > '" + out + "' 2> '" + err + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readAll(out), readAll(err)};
}

size_t lineCount(const std::string& text) {
    size_t lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

}  // namespace

TEST(TraceTool, ReplaysTheGoldenScriptByteForByte) {
    TempDir dir;
    const std::string golden = std::string(ZEPHRA_SOURCE_DIR) + "/tests/game/golden/";
    const ToolRun run = trace(dir, golden + "climb.script");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string expected = readAll(golden + "climb.trace");
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(run.out == expected) << "the trace differs from tests/game/golden/climb.trace";
}

TEST(TraceTool, SkipsCommentsAndBlankLinesAndPrintsTheStartingWorldFirst) {
    TempDir dir;
    const ToolRun run = trace(dir, dir.write("s", "# two frames\n\n0.01 400 300 0 0 1\r\n  \n\t0.02 0 0 0 0 0\n"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lineCount(run.out), 3u);
    EXPECT_EQ(run.out.rfind("0 0 0 -0.514999986 0 0 0 0 4 0 0 3 0 0 0 0 0 0 0 cat 1 ", 0), 0u);
    EXPECT_NE(run.out.find("\n2 0.0199999996 "), std::string::npos);
}

TEST(TraceTool, MalformedLineStopsWithItsNumberAfterTheFramesBeforeIt) {
    const char* malformed[] = {
        "0.01 400 300 2 0 0",          // a flag that is not 0 or 1
        "0.01 400 300 0 0",            // a field missing
        "0.01 400 300 0 0 0 7",        // one too many
        "fast 400 300 0 0 0",          // not a number
        "0.01x 400 300 0 0 0",         // trailing junk
        "0.01 400.5 300 0 0 0",        // not an integer
        "0.01 400 3000000000 0 0 0",   // beyond int32
    };
    for (const char* line : malformed) {
        TempDir dir;
        const ToolRun run = trace(dir, dir.write("s", "0.01 400 300 0 0 0\n# note\n" + std::string(line) +
                                                      "\n0.01 400 300 0 0 0\n"));
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_NE(run.err.find("line 3:"), std::string::npos) << run.err;
        EXPECT_EQ(lineCount(run.out), 2u) << line;  // the world as created and frame 1
    }
}
