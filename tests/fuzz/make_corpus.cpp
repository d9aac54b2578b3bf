// Writes the fuzzer's seed corpus: a few scripts that reach the places worth
// exploring from (the landing, the pairs, the replays, the close). The byte
// format is described in fuzz_input.h.
//
// Usage: make_fuzz_corpus FLIGHT_TXT OUT_DIR
//   FLIGHT_TXT  a recorded flight, one "milliseconds key-code" pair per line,
//               flown with the deal of calendar second 1
//   OUT_DIR     where the seeds go, one file each, named after the seed
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "corpus_seeds.h"
#include "fuzz_input.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FLIGHT_TXT OUT_DIR\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1]);
    std::vector<fuzz::TimedKey> flight;
    fuzz::TimedKey k{};
    while (in >> k.atMs >> k.key) flight.push_back(k);
    if (flight.empty()) {
        std::fprintf(stderr, "%s: no recorded flight\n", argv[1]);
        return 1;
    }
    std::filesystem::create_directories(argv[2]);
    for (const fuzz::Seed& seed : fuzz::corpusSeeds(flight)) {
        const std::string path = std::string(argv[2]) + "/" + seed.name;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(seed.bytes.data()),
                  static_cast<std::streamsize>(seed.bytes.size()));
        if (!out) {
            std::fprintf(stderr, "%s: cannot write\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
