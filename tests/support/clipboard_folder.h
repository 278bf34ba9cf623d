// A private clipboard folder for each test, and direct access to its files.
#ifndef PAGEWRIGHT_TESTS_CLIPBOARD_FOLDER_H
#define PAGEWRIGHT_TESTS_CLIPBOARD_FOLDER_H

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

// Writes beyond `bytes` bytes fail for as long as it lives, as on a full disk.
class FILESIZELIMIT {
public:
    explicit FILESIZELIMIT(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FILESIZELIMIT() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

class ClipboardFolder : public testing::Test {
protected:
    std::filesystem::path root_;
    std::filesystem::path folder_;

    void SetUp() override {
        char pattern[] = "/tmp/pagewright-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        folder_ = root_ / "clipboard";
        setenv("PAGEWRIGHT_CLIPBOARD_DIR", folder_.c_str(), 1);
    }

    void TearDown() override {
        unsetenv("PAGEWRIGHT_CLIPBOARD_DIR");
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    void PUT(int format, const std::string& block) {
        std::filesystem::create_directories(folder_);
        std::ofstream(folder_ / std::to_string(format), std::ios::binary) << block;
    }

    std::string BLOCK(int format) const { return BLOCK(std::to_string(format)); }

    std::string BLOCK(const std::string& name) const {
        std::ifstream file(folder_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    // Names of every file in the folder, the lock included.
    std::set<std::string> FILES() const {
        std::set<std::string> names;
        std::error_code missing;
        for (const auto& entry : std::filesystem::directory_iterator(folder_, missing)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }
};

#endif
