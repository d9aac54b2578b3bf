#pragma once
// Plays one fuzz input through the real game and the real event loop, one
// dispatch at a time, and stops the process with a message as soon as the game
// breaks one of its rules:
//   - from start-up until the close the three deal lists hold 32 entries each,
//     the index list a permutation of "0".."31" and the key and symbol lists
//     the key code and the text of the symbol at the same position;
//   - the two found flags of a pair are equal, and a bauble is painted in its
//     pair's colour when its pair is solved and covered when not;
//   - between dispatches the two-key entry counts 0 or 1;
//   - a key press leaves the key's own code in keyCode;
//   - no handler shows an error box (the working directory is writable);
//   - an F3 that is a first key leaves string.txt holding the deal, 32 lines
//     ended by CR LF, and no temporary file beside it;
//   - after the close no handler runs, and the close frees the lists.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Where the game stood when the window closed.
struct Outcome {
    bool landed = false;         // the pairs scene shows
    int pairsFound = 0;          // pairs whose flags are set
    int helpCount = 0;           // replays run by F2 and F9
    int errorCount = 0;          // off-track ticks
    std::string label4;          // the caption under the tree
    bool closedByInput = false;  // the input itself asked to close
};

// Plays `data` (see fuzz_input.h), lets the game run three seconds past the
// player's time, and closes the window unless the input did. F3 writes
// string.txt into the current directory.
Outcome playInput(const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
