// The fuzz driver in the ordinary build: every input kept in the corpus (the
// seeds and any crash found and added since) must keep the game's rules, and
// the seeds must reach what they were written for.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "corpus_seeds.h"
#include "game/texts.h"
#include "game_driver.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class FuzzCorpus : public testing::Test {
  protected:
    // F3 writes string.txt into the working directory.
    void SetUp() override {
        cwd_ = fs::current_path();
        dir_ = fs::temp_directory_path() /
               ("wf-corpus-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(cwd_);
        fs::remove_all(dir_);
    }

    // Where the input stood at its end; aborts the test program on a broken rule.
    static fuzz::Outcome play(const std::vector<std::uint8_t>& bytes) {
        return fuzz::playInput(bytes.data(), bytes.size());
    }

    const fs::path corpus_ = WF_FUZZ_CORPUS_DIR;
    fs::path cwd_, dir_;
};

TEST_F(FuzzCorpus, EveryKeptInputKeepsTheRules) {
    int played = 0;
    for (const auto& entry : fs::directory_iterator(corpus_)) {
        SCOPED_TRACE(entry.path().filename().string());
        play(readBytes(entry.path()));
        ++played;
    }
    EXPECT_GT(played, 0) << "no corpus in " << corpus_;
}

TEST_F(FuzzCorpus, SeedsAreUpToDateAndReachTheirGoal) {
    std::ifstream in(WF_FLIGHT_TXT);
    std::vector<fuzz::TimedKey> flight;
    fuzz::TimedKey k{};
    while (in >> k.atMs >> k.key) flight.push_back(k);
    ASSERT_FALSE(flight.empty());

    const std::string help1 = "1" + std::string(game::texts::kHelpPressed);
    struct Goal {
        bool landed;
        int pairsFound;
        int helpCount;
        std::string label4;  // empty: not checked
        bool closedByInput;
    };
    const std::map<std::string, Goal> goals{
        {"flight", {true, 0, 0, "", false}},
        {"pairs", {true, 16, 1, std::string(game::texts::kGreeting), false}},
        {"help", {false, 1, 3, "", false}},
        {"close-mid-replay", {false, 0, 1, "", true}},
        {"queued-deals", {false, 0, 5, "", true}},
        {"odd-keys", {false, 0, 0, "", false}},
        {"off-track", {true, 1, 0, "", false}},
    };
    const std::vector<fuzz::Seed> seeds = fuzz::corpusSeeds(flight);
    ASSERT_EQ(seeds.size(), goals.size());
    for (const fuzz::Seed& seed : seeds) {
        SCOPED_TRACE(seed.name);
        EXPECT_EQ(readBytes(corpus_ / seed.name), seed.bytes)
            << "regenerate the corpus with make_fuzz_corpus";
        const fuzz::Outcome out = play(seed.bytes);
        const Goal& goal = goals.at(seed.name);
        EXPECT_EQ(out.landed, goal.landed);
        EXPECT_EQ(out.pairsFound, goal.pairsFound);
        EXPECT_EQ(out.helpCount, goal.helpCount);
        if (!goal.label4.empty()) {
            EXPECT_EQ(out.label4, goal.label4);
        }
        EXPECT_EQ(out.closedByInput, goal.closedByInput);
    }
    EXPECT_EQ(play(seeds.front().bytes).errorCount, 1) << "the recorded flight left the track once";
}

}  // namespace
