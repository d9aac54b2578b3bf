#include "game/string_list.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cassert>
#include <cstdio>
#include <stdexcept>

namespace game {
namespace {

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool writeAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// New files get the usual permissions: readable and writable as the umask allows.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

}  // namespace

const std::string& StringList::operator[](std::size_t index) const {
    assert(index < items_.size() && "string list index in range");
    return items_[index];
}

int StringList::find(std::string_view text) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (equalIgnoringCase(items_[i], text)) return static_cast<int>(i);
    }
    return -1;
}

void StringList::saveToFile(const std::string& path, const std::string& errorMessage) const {
    std::string content;
    for (const std::string& item : items_) {
        content += item;
        content += "\r\n";
    }
    // A link in place of the file is not followed nor replaced: it may point anywhere.
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) == 0 && S_ISLNK(existing.st_mode)) {
        throw std::runtime_error(errorMessage);
    }
    // A unique name beside the target, so that the rename stays on one file system.
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) throw std::runtime_error(errorMessage);
    const bool written =
        writeAll(fd, content) && ::fchmod(fd, newFileMode()) == 0 && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        throw std::runtime_error(errorMessage);
    }
}

}  // namespace game
