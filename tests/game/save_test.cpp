// F3: the symbol list in "string.txt", and what happens when it cannot be written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "replay.h"

namespace {

namespace fs = std::filesystem;
using namespace replay;

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class Save : public testing::Test {
  protected:
    void SetUp() override {
        cwd_ = fs::current_path();
        dir_ = fs::temp_directory_path() /
               ("wf-save-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
        run.start();
    }
    void TearDown() override {
        fs::current_path(cwd_);
        fs::remove_all(dir_);
    }
    std::string expected() const {
        std::string text;
        for (std::size_t k = 0; k < 32; ++k) text += (*run.game.state.dealSymbolList)[k] + "\r\n";
        return text;
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }

    scene::HeadlessRun run{777};
    fs::path cwd_, dir_;
};

TEST_F(Save, WritesTheDealAsThirtyTwoLines) {
    run.platform.press(ms(10), vk::F3);
    runUntil(run, ms(100));
    const std::string text = readFile(dir_ / "string.txt");
    EXPECT_EQ(text.size(), 96u);
    EXPECT_EQ(text, expected());
    EXPECT_EQ(text.substr(0, 3), "1\r\n");
    EXPECT_EQ(run.game.state.keyCount, 1) << "the next key is a second key";
    EXPECT_EQ(entries(), 1u) << "no temporary file is left";
    struct stat st {};
    ASSERT_EQ(::stat("string.txt", &st), 0);
    EXPECT_NE(st.st_mode & S_IRUSR, 0u);

    // After a new deal the file is replaced.
    run.platform.press(ms(200), vk::Shift);  // ends the entry F3 began
    run.platform.press(ms(300), vk::F9);
    run.platform.press(ms(30000), vk::F3);
    runUntil(run, ms(31000));
    EXPECT_EQ(readFile(dir_ / "string.txt"), expected());
}

TEST_F(Save, FailureShowsTheErrorBoxAndPlayGoesOn) {
    // A directory in the way: the file cannot be created.
    fs::create_directory(dir_ / "string.txt");
    fs::create_directory(dir_ / "string.txt" / "keep");
    run.platform.press(ms(10), vk::F3);
    run.platform.press(ms(20), vk::Space);
    runUntil(run, ms(100));
    ASSERT_EQ(run.platform.errors().size(), 1u);
    EXPECT_EQ(run.platform.errors()[0], "Datei string.txt kann nicht erstellt werden.");
    EXPECT_TRUE(fs::is_directory(dir_ / "string.txt" / "keep"));
    EXPECT_EQ(entries(), 1u) << "no temporary file is left";
    // The press stopped at the export with the count at 1; the space bar then was a second key.
    EXPECT_EQ(run.game.state.keyCount, 0);
    EXPECT_TRUE(run.form.Timer1().enabled);
    EXPECT_GE(run.game.state.altitude, 2);
}

TEST_F(Save, ASymlinkIsRefusedAndLeftAlone) {
    { std::ofstream(dir_ / "target.txt") << "keep me"; }
    fs::create_symlink("target.txt", dir_ / "string.txt");
    run.platform.press(ms(10), vk::F3);
    runUntil(run, ms(100));
    ASSERT_EQ(run.platform.errors().size(), 1u);
    EXPECT_TRUE(fs::is_symlink(dir_ / "string.txt"));
    EXPECT_EQ(readFile(dir_ / "target.txt"), "keep me");
    EXPECT_EQ(entries(), 2u);
}

}  // namespace
