// A file replaced keeps its old bytes beside it, and a replacement that fails
// at any step (a read-only folder, a file-size limit, a file changed since it
// was read, a backup that cannot be written) leaves the file as it was and
// nothing beside it.
#include "corpus.h"
#include "file_replace.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace PAGEWRIGHT;

namespace {

const std::string OLD = "the bytes read";
const std::string NEW(4096, 'n');

// A folder of its own holding the file NAME with the old bytes, gone with it.
class FOLDER {
public:
    FOLDER() {
        path_ = std::filesystem::temp_directory_path() /
                ("pagewright-replace-" + std::to_string(getpid()) + "-" + std::to_string(next_++));
        std::filesystem::create_directories(path_);
        std::ofstream(FILE(), std::ios::binary) << OLD;
    }
    ~FOLDER() {
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(path_);
    }
    std::filesystem::path PATH() const { return path_; }
    std::string FILE() const { return (path_ / "NAME").string(); }
    std::set<std::string> NAMES() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

private:
    std::filesystem::path path_;
    static inline int next_ = 0;
};

// The replacement's outcome in a child process, whose limits and user are
// its own: 0 when it replaced the file, else 10 and the fault.
int REPLACEDINCHILD(const FOLDER& folder, const std::function<void()>& before) {
    const pid_t child = fork();
    if (child == 0) {
        before();
        const std::optional<REPLACEFAILURE> failure = REPLACEFILE(folder.FILE(), OLD, NEW, true);
        _exit(failure ? 10 + static_cast<int>(failure->fault) : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int FAULTCODE(REPLACEFAULT fault) {
    return 10 + static_cast<int>(fault);
}

} // namespace

TEST(FileReplace, TheFileTakesTheNewBytesAndTheOldAreKeptBeside) {
    const FOLDER folder;
    using std::filesystem::perms;
    const perms own = perms::owner_read | perms::owner_write | perms::group_read;
    std::filesystem::permissions(folder.FILE(), own);
    EXPECT_FALSE(REPLACEFILE(folder.FILE(), OLD, NEW, true));
    EXPECT_EQ(FILEBYTES(folder.FILE()), NEW);
    EXPECT_EQ(std::filesystem::status(folder.FILE()).permissions(), own);
    EXPECT_EQ(FILEBYTES(folder.FILE() + BACKUPSUFFIX), OLD);
    EXPECT_FALSE(REPLACEFILE(folder.FILE(), NEW, OLD, false));
    EXPECT_EQ(FILEBYTES(folder.FILE()), OLD);
    EXPECT_EQ(FILEBYTES(folder.FILE() + BACKUPSUFFIX), OLD);
    EXPECT_EQ(folder.NAMES(), (std::set<std::string>{"NAME", "NAME.bak"}));
}

TEST(FileReplace, AFailedReplacementLeavesTheFileAndNothingBeside) {
    {
        const FOLDER folder;
        std::ofstream(folder.FILE(), std::ios::binary) << "saved in between";
        const std::optional<REPLACEFAILURE> failure = REPLACEFILE(folder.FILE(), OLD, NEW, true);
        EXPECT_EQ(failure ? failure->fault : REPLACEFAULT{}, REPLACEFAULT::CHANGED);
        EXPECT_EQ(FILEBYTES(folder.FILE()), "saved in between");
        EXPECT_EQ(folder.NAMES(), std::set<std::string>{"NAME"});
    }
    {
        // A backup that cannot take the place of what has the name.
        const FOLDER folder;
        std::filesystem::create_directory(folder.PATH() / "NAME.bak");
        std::ofstream(folder.PATH() / "NAME.bak" / "kept") << "x";
        const std::optional<REPLACEFAILURE> failure = REPLACEFILE(folder.FILE(), OLD, NEW, true);
        EXPECT_EQ(failure ? failure->fault : REPLACEFAULT{}, REPLACEFAULT::BACKUP);
        EXPECT_EQ(FILEBYTES(folder.FILE()), OLD);
        EXPECT_EQ(folder.NAMES(), (std::set<std::string>{"NAME", "NAME.bak"}));
    }
    {
        const FOLDER folder;
        const int outcome = REPLACEDINCHILD(folder, [] {
            const rlimit limit{16, 16};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
        EXPECT_EQ(outcome, FAULTCODE(REPLACEFAULT::WRITE));
        EXPECT_EQ(FILEBYTES(folder.FILE()), OLD);
        EXPECT_EQ(folder.NAMES(), std::set<std::string>{"NAME"});
    }
    {
        // The folder is read-only to the child, which gives up the
        // superuser's rights where it has them.
        const FOLDER folder;
        std::filesystem::permissions(folder.PATH(), std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::owner_exec |
                                                        std::filesystem::perms::others_read |
                                                        std::filesystem::perms::others_exec);
        const int outcome = REPLACEDINCHILD(folder, [] {
            if (geteuid() == 0 && setuid(65534) != 0) _exit(2);
        });
        EXPECT_EQ(outcome, FAULTCODE(REPLACEFAULT::WRITE));
        EXPECT_EQ(FILEBYTES(folder.FILE()), OLD);
        EXPECT_EQ(folder.NAMES(), std::set<std::string>{"NAME"});
    }
}
