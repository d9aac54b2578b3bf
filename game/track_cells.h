#pragma once
// The approach track: 480 grid cells of 10 x 10 client pixels that follow the
// drawn runway and approach line. The plane is on the track while its
// reference point lies in one of these cells.
#include <cstdint>
#include <string>
#include <vector>

namespace game {

// The text of one cell number: "0" before numbers below 10 (so 7 gives "07",
// 0 gives "00" and -3 gives "0-3"), the plain decimal form otherwise.
// Called by cellKey and by CheckTrack for colText and rowText.
std::string cellNumberText(std::int32_t n);

// The key of a cell: column text, "--", row text ("14--42").
std::string cellKey(std::int32_t col, std::int32_t row);

// The 480 on-track keys in the order FormCreate appends them: columns from
// 54 down to 9, rows within a column from the highest down to the lowest.
// Also read by the tests that match the background picture against the track.
const std::vector<std::string>& trackCellKeys();

// Whether column `col`, row `row` is on the track (same set, asked by number).
bool isTrackCell(std::int32_t col, std::int32_t row);

}  // namespace game
