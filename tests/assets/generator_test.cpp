// Redrawing the pictures gives the committed files byte for byte: the drawing
// is deterministic (whatever the optimisation or sanitizers of this build),
// and nobody changed a drawing without redrawing the files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "files.h"

namespace {

namespace fs = std::filesystem;

TEST(DrawAssets, RedrawsTheCommittedFilesExactly) {
    const fs::path out =
        fs::temp_directory_path() / ("wf_draw_assets_" + std::to_string(::getpid()));
    fs::remove_all(out);
    fs::create_directories(out);
    const std::string command =
        std::string("\"") + WF_DRAW_ASSETS + "\" \"" + out.string() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    for (const char* name : {"background.bmp", "star.bmp", "emblem.bmp", "plane_left.bmp",
                             "plane_right.bmp", "tree.bmp", "icon.ico"}) {
        SCOPED_TRACE(name);
        const auto drawn = assets_test::readFile((out / name).string());
        const auto kept = assets_test::committed(name);
        EXPECT_EQ(drawn.size(), kept.size());
        EXPECT_TRUE(drawn == kept) << "redraw with `make assets` and commit the files";
    }
    fs::remove_all(out);
}

TEST(DrawAssets, FailsWhenItCannotWrite) {
    const std::string command =
        std::string("\"") + WF_DRAW_ASSETS + "\" /nonexistent/directory > /dev/null 2>&1";
    EXPECT_NE(std::system(command.c_str()), 0);
}

}  // namespace
