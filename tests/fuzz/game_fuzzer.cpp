// The libFuzzer entry: every input is a script of key presses, waits and a
// close request for a fresh headless game (format in fuzz_input.h).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game_driver.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // F3 writes string.txt into the working directory: each fuzzer process
    // gets a directory of its own under $TMPDIR.
    const char* base = std::getenv("TMPDIR");
    std::string dir = std::string(base && *base ? base : "/tmp") + "/wf-game-fuzz-XXXXXX";
    if (::mkdtemp(dir.data()) == nullptr || ::chdir(dir.c_str()) != 0) {
        std::perror("game_fuzzer: private working directory");
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::playInput(data, size);
    return 0;
}
