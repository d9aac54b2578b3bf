#pragma once
// An ordered list of texts: append, clear, read by index, find the first equal
// entry, and save as lines ended by CR LF.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace game {

class StringList {
  public:
    void append(std::string text) { items_.push_back(std::move(text)); }
    void clear() { items_.clear(); }
    std::size_t count() const { return items_.size(); }
    // Asserts that `index` is in range.
    const std::string& operator[](std::size_t index) const;
    // The index of the first entry equal to `text`, ignoring letter case, or -1.
    int find(std::string_view text) const;

    // Replaces the file at `path` with the entries, each followed by CR LF. The
    // new content is written beside it and renamed over it, so a failed save
    // leaves an existing file as it was; a symbolic link at `path` is refused. Throws
    // std::runtime_error with `errorMessage` when the file cannot be written.
    void saveToFile(const std::string& path, const std::string& errorMessage) const;

  private:
    std::vector<std::string> items_;
};

}  // namespace game
