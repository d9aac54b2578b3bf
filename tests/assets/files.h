#pragma once
// Reading the committed picture files in the tests.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace assets_test {

inline std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline std::vector<std::uint8_t> committed(const std::string& name) {
    return readFile(std::string(WF_ASSETS_DIR) + "/" + name);
}

}  // namespace assets_test
