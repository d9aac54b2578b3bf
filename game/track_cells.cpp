#include "game/track_cells.h"

#include <algorithm>
#include <array>

namespace game {
namespace {

struct RowRange {
    int first;
    int last;
};

struct TrackColumn {
    int column;
    std::vector<RowRange> rows;
};

// Rows on the track, column by column, as drawn on the background picture.
const std::array<TrackColumn, 46> kTrackColumns{{
    {9, {{13, 14}}},
    {10, {{13, 16}}},
    {11, {{13, 16}}},
    {12, {{7, 42}}},
    {13, {{3, 45}}},
    {14, {{3, 45}}},
    {15, {{2, 8}, {11, 23}, {44, 44}}},
    {16, {{2, 5}}},
    {17, {{2, 4}}},
    {18, {{2, 4}}},
    {19, {{2, 4}}},
    {20, {{2, 4}}},
    {21, {{2, 4}}},
    {22, {{1, 4}}},
    {23, {{1, 4}}},
    {24, {{1, 4}}},
    {25, {{1, 4}}},
    {26, {{2, 5}}},
    {27, {{2, 5}}},
    {28, {{2, 6}}},
    {29, {{3, 3}, {5, 9}}},
    {30, {{4, 4}, {6, 14}}},
    {31, {{5, 20}}},
    {32, {{7, 22}}},
    {33, {{13, 22}}},
    {34, {{19, 22}, {35, 42}}},
    {35, {{20, 22}, {34, 43}}},
    {36, {{20, 22}, {33, 42}, {44, 44}}},
    {37, {{20, 22}, {32, 44}}},
    {38, {{19, 22}, {32, 36}, {42, 44}}},
    {39, {{19, 22}, {31, 35}, {42, 45}}},
    {40, {{19, 21}, {31, 34}, {42, 45}}},
    {41, {{19, 21}, {31, 34}, {43, 45}}},
    {42, {{19, 21}, {31, 33}, {43, 46}}},
    {43, {{19, 21}, {31, 33}, {43, 46}}},
    {44, {{19, 22}, {31, 33}, {44, 46}}},
    {45, {{19, 22}, {30, 33}, {44, 46}}},
    {46, {{19, 23}, {30, 33}, {44, 46}}},
    {47, {{20, 24}, {29, 33}, {44, 46}}},
    {48, {{21, 32}, {43, 46}}},
    {49, {{22, 31}, {43, 46}}},
    {50, {{23, 31}, {43, 45}}},
    {51, {{42, 45}}},
    {52, {{42, 45}}},
    {53, {{42, 44}}},
    {54, {{42, 42}}},
}};

std::vector<std::string> buildKeys() {
    std::vector<std::string> keys;
    for (auto column = kTrackColumns.rbegin(); column != kTrackColumns.rend(); ++column) {
        for (auto range = column->rows.rbegin(); range != column->rows.rend(); ++range) {
            for (int row = range->last; row >= range->first; --row) {
                keys.push_back(cellKey(column->column, row));
            }
        }
    }
    return keys;
}

}  // namespace

std::string cellNumberText(std::int32_t n) {
    if (n < 10) return "0" + std::to_string(n);
    return std::to_string(n);
}

std::string cellKey(std::int32_t col, std::int32_t row) {
    return cellNumberText(col) + "--" + cellNumberText(row);
}

const std::vector<std::string>& trackCellKeys() {
    static const std::vector<std::string> keys = buildKeys();
    return keys;
}

bool isTrackCell(std::int32_t col, std::int32_t row) {
    return std::any_of(kTrackColumns.begin(), kTrackColumns.end(), [&](const TrackColumn& c) {
        return c.column == col && std::any_of(c.rows.begin(), c.rows.end(), [&](RowRange r) {
                   return row >= r.first && row <= r.last;
               });
    });
}

}  // namespace game
