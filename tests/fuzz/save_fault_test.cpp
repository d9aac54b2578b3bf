// F3 when the disk refuses the new string.txt: a read-only file system, a full
// disk, no inode left, and a file size limit. Each time the error box shows
// "Datei string.txt kann nicht erstellt werden.", the string.txt already there
// keeps its content, no temporary file stays behind, the next key is handled,
// and once the fault is gone F3 writes the deal.
//
// The first three use a small tmpfs mounted on the test's directory, in a
// mount namespace of the test's own when the kernel allows one, and are
// skipped where mounting is not allowed. The size limit needs no mount.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>

#include "scene/headless_run.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

constexpr std::uint16_t kSpace = 32, kF3 = 114;
constexpr char kOldContent[] = "old list\r\nkeep me\r\n";
constexpr char kError[] = "Datei string.txt kann nicht erstellt werden.";

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Runs an action when it leaves scope, unless it ran before.
class Undo {
  public:
    Undo() = default;
    explicit Undo(std::function<void()> action) : action_(std::move(action)) {}
    Undo(Undo&& other) noexcept : action_(std::exchange(other.action_, nullptr)) {}
    Undo& operator=(Undo&& other) noexcept {
        run();
        action_ = std::exchange(other.action_, nullptr);
        return *this;
    }
    ~Undo() { run(); }
    void run() {
        if (action_) std::exchange(action_, nullptr)();
    }

  private:
    std::function<void()> action_;
};

// A tmpfs mounted on `dir` for the guard's lifetime.
class Tmpfs {
  public:
    Tmpfs(fs::path dir, std::string options) : dir_(std::move(dir)), options_(std::move(options)) {
        if (::mount("tmpfs", dir_.c_str(), "tmpfs", 0, options_.c_str()) != 0) error_ = errno;
    }
    Tmpfs(const Tmpfs&) = delete;
    Tmpfs& operator=(const Tmpfs&) = delete;
    ~Tmpfs() {
        if (error_ != 0) return;
        if (::umount2(dir_.c_str(), 0) != 0) ::umount2(dir_.c_str(), MNT_DETACH);
    }
    int error() const { return error_; }
    bool setReadOnly(bool readOnly) {
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        return ::mount("tmpfs", dir_.c_str(), "tmpfs", flags, options_.c_str()) == 0;
    }

  private:
    fs::path dir_;
    std::string options_;
    int error_ = 0;
};

// Fills the file system under `dir` with files named filler-N; they go with the undo.
Undo fill(const fs::path& dir, bool inodes) {
    int made = 0;
    for (;; ++made) {
        std::FILE* f = std::fopen((dir / ("filler-" + std::to_string(made))).c_str(), "wb");
        if (f == nullptr) break;  // no inode left
        bool full = false;
        if (!inodes) {
            static const std::string block(4096, 'x');
            while (std::fwrite(block.data(), 1, block.size(), f) == block.size()) {
            }
            full = true;
        }
        std::fclose(f);
        if (full || made > 10000) break;
    }
    return Undo([dir, made] {
        for (int n = 0; n <= made; ++n) fs::remove(dir / ("filler-" + std::to_string(n)));
    });
}

struct Fault {
    const char* name;
    const char* mountOptions;  // nullptr: no mount needed
    // Makes the disk refuse the file; the returned undo takes the fault away.
    std::function<Undo(const fs::path& dir, Tmpfs* mount)> inject;
};

void PrintTo(const Fault& fault, std::ostream* os) {
    *os << fault.name;
}

const Fault kFaults[] = {
    {"ReadOnlyFileSystem", "size=64k",
     [](const fs::path&, Tmpfs* mount) {
         EXPECT_TRUE(mount->setReadOnly(true)) << std::strerror(errno);
         return Undo([mount] { EXPECT_TRUE(mount->setReadOnly(false)) << std::strerror(errno); });
     }},
    {"FullDisk", "size=64k", [](const fs::path& dir, Tmpfs*) { return fill(dir, false); }},
    {"NoInodeLeft", "size=64k,nr_inodes=16",
     [](const fs::path& dir, Tmpfs*) { return fill(dir, true); }},
    // Without a mount: a file size limit of 0 bytes; with SIGXFSZ ignored the
    // write fails with EFBIG, as it does on a disk that takes no more data.
    {"FileSizeLimit", nullptr,
     [](const fs::path&, Tmpfs*) {
         rlimit old{};
         ::getrlimit(RLIMIT_FSIZE, &old);
         const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
         rlimit none = old;
         none.rlim_cur = 0;
         EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &none), 0) << std::strerror(errno);
         return Undo([old, oldHandler] {
             ::setrlimit(RLIMIT_FSIZE, &old);
             std::signal(SIGXFSZ, oldHandler);
         });
     }},
};

class SaveFault : public testing::TestWithParam<Fault> {
  protected:
    static void SetUpTestSuite() {
        // Mounts made here stay private to this process and vanish with it,
        // even if it dies before the guards unmount them.
        if (::unshare(CLONE_NEWNS) == 0) {
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
        }
    }

    void SetUp() override {
        cwd_ = fs::current_path();
        dir_ = fs::temp_directory_path() /
               ("wf-save-fault-" + std::to_string(::getpid()) + "-" + GetParam().name);
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        if (GetParam().mountOptions != nullptr) {
            mount_.emplace(dir_, GetParam().mountOptions);
            if (mount_->error() != 0) {
                const int error = mount_->error();
                mount_.reset();
                GTEST_SKIP() << "mount -t tmpfs is not allowed here (" << std::strerror(error)
                             << "): cannot inject " << GetParam().name;
            }
        }
        { std::ofstream(dir_ / "string.txt", std::ios::binary) << kOldContent; }
        ASSERT_EQ(readFile(dir_ / "string.txt"), kOldContent);
        fs::current_path(dir_);
        run_.emplace(777);
        run_->start();
    }
    void TearDown() override {
        fault_.run();
        run_.reset();
        fs::current_path(cwd_);
        mount_.reset();
        fs::remove_all(dir_);
    }

    void runUntil(std::int64_t ms) {
        run_->platform.stopAt(milliseconds(ms));
        run_->loop.run();
    }
    std::string deal() const {
        std::string text;
        for (std::size_t k = 0; k < 32; ++k) text += (*run_->game.state.dealSymbolList)[k] + "\r\n";
        return text;
    }
    // Entries of the directory other than string.txt and the fillers.
    std::vector<std::string> strayFiles() const {
        std::vector<std::string> stray;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            const std::string name = entry.path().filename().string();
            if (name != "string.txt" && name.rfind("filler-", 0) != 0) stray.push_back(name);
        }
        return stray;
    }

    fs::path cwd_, dir_;
    std::optional<Tmpfs> mount_;
    std::optional<scene::HeadlessRun> run_;
    Undo fault_;
};

TEST_P(SaveFault, ErrorBoxOldFileKeptAndPlayGoesOn) {
    fault_ = GetParam().inject(dir_, mount_ ? &*mount_ : nullptr);
    run_->platform.press(milliseconds(10), kF3);
    run_->platform.press(milliseconds(20), kSpace);
    runUntil(100);
    fault_.run();

    ASSERT_EQ(run_->platform.errors().size(), 1u);
    EXPECT_EQ(run_->platform.errors()[0], kError);
    EXPECT_EQ(readFile(dir_ / "string.txt"), kOldContent);
    EXPECT_TRUE(strayFiles().empty()) << "left behind: " << strayFiles().front();
    // F3 left the entry at 1 as a successful export would; the space bar was
    // the second key, and it started the climb.
    EXPECT_EQ(run_->game.state.keyCount, 0);
    EXPECT_TRUE(run_->form.Timer1().enabled);
    EXPECT_GE(run_->game.state.altitude, 1);

    // The fault gone, F3 replaces the old file with the deal.
    run_->platform.press(milliseconds(200), kF3);
    runUntil(300);
    EXPECT_EQ(run_->platform.errors().size(), 1u);
    EXPECT_EQ(readFile(dir_ / "string.txt"), deal());
    EXPECT_TRUE(strayFiles().empty());
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFault, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<Fault>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
