// The track cells and the cell keys.
#include <gtest/gtest.h>

#include <set>

#include "game/track_cells.h"

namespace {

TEST(TrackCells, FourHundredEightyDistinctKeysInDescendingOrder) {
    const auto& keys = game::trackCellKeys();
    ASSERT_EQ(keys.size(), 480u);
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), 480u);
    EXPECT_EQ(keys.front(), "54--42");
    EXPECT_EQ(keys.back(), "09--13");
    for (std::size_t i = 0; i < keys.size(); ++i) {
        ASSERT_EQ(keys[i].size(), 6u) << keys[i];
        ASSERT_EQ(keys[i].substr(2, 2), "--");
        if (i > 0) {
            EXPECT_GT(keys[i - 1], keys[i]) << "order at " << i;
        }
    }
}

TEST(TrackCells, NumberTextsAndKeys) {
    const std::pair<int, std::string> texts[] = {
        {7, "07"}, {0, "00"}, {-3, "0-3"}, {-12, "0-12"}, {42, "42"}, {105, "105"}, {10, "10"}};
    for (const auto& [n, text] : texts) EXPECT_EQ(game::cellNumberText(n), text) << n;
    EXPECT_EQ(game::cellKey(14, 42), "14--42");
    EXPECT_EQ(game::cellKey(9, 13), "09--13");
}

TEST(TrackCells, MembershipAtTheEdges) {
    struct Cell {
        int col, row;
        bool onTrack;
    };
    const Cell cells[] = {
        {14, 42, true},  {14, 45, true},  {14, 3, true},   {14, 2, false},  {54, 43, false},
        {54, 42, true},  {53, 43, true},  {15, 9, false},  {15, 10, false}, {15, 24, false},
        {15, 43, false}, {15, 44, true},  {29, 4, false},  {30, 5, false},  {36, 43, false},
        {37, 23, false}, {37, 31, false}, {37, 32, true},  {9, 13, true},   {8, 13, false},
        {0, 42, false},  {-1, 42, false}, {105, 4, false}, {22, 1, true},   {50, 31, true},
    };
    std::set<std::string> set(game::trackCellKeys().begin(), game::trackCellKeys().end());
    for (const Cell& c : cells) {
        EXPECT_EQ(game::isTrackCell(c.col, c.row), c.onTrack) << c.col << "," << c.row;
        EXPECT_EQ(set.count(game::cellKey(c.col, c.row)) == 1, c.onTrack) << c.col << "," << c.row;
    }
}

}  // namespace
