#pragma once
// A fresh directory under the system temporary directory for one test, removed with all its
// contents when the object goes away.
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

namespace lumaro::testing {

class TempDir {
public:
    explicit TempDir(const std::string& tag = "test") {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("lumaro_" + tag + "_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Full name of a file in the directory.
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Number of entries in the directory.
    size_t count() const {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(path_),
                                                 std::filesystem::directory_iterator()));
    }

private:
    std::filesystem::path path_;
};

}  // namespace lumaro::testing
