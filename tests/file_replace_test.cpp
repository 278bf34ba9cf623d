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
struct FOLDER {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("pagewright-replace-" + std::to_string(getpid()));
    const std::string file = (path / "NAME").string();

    FOLDER() {
        std::filesystem::create_directories(path);
        std::ofstream(file, std::ios::binary) << OLD;
    }
    ~FOLDER() {
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(path);
    }
    std::set<std::string> NAMES() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }
};

// The fault of a replacement in a child process, whose limits and user are
// its own, after `before` ran there; nothing when it replaced the file.
std::optional<REPLACEFAULT> FAULTINCHILD(const FOLDER& folder,
                                         const std::function<void()>& before) {
    const pid_t child = fork();
    if (child == 0) {
        before();
        const std::optional<REPLACEFAILURE> failure = REPLACEFILE(folder.file, OLD, NEW, true);
        _exit(failure ? 10 + static_cast<int>(failure->fault) : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) < 10) return std::nullopt;
    return static_cast<REPLACEFAULT>(WEXITSTATUS(status) - 10);
}

} // namespace

TEST(FileReplace, TheFileTakesTheNewBytesAndTheOldAreKeptBeside) {
    const FOLDER folder;
    using std::filesystem::perms;
    const perms own = perms::owner_read | perms::owner_write | perms::group_read;
    std::filesystem::permissions(folder.file, own);
    EXPECT_FALSE(REPLACEFILE(folder.file, OLD, NEW, true));
    EXPECT_EQ(FILEBYTES(folder.file), NEW);
    EXPECT_EQ(std::filesystem::status(folder.file).permissions(), own);
    EXPECT_EQ(FILEBYTES(folder.file + BACKUPSUFFIX), OLD);
    EXPECT_FALSE(REPLACEFILE(folder.file, NEW, OLD, false));
    EXPECT_EQ(FILEBYTES(folder.file), OLD);
    EXPECT_EQ(FILEBYTES(folder.file + BACKUPSUFFIX), OLD);
    EXPECT_EQ(folder.NAMES(), (std::set<std::string>{"NAME", "NAME.bak"}));
}

// The file saved in between, a backup that cannot take the place of a folder
// of its name, a file-size limit, and a folder read-only to a user without
// the superuser's rights.
TEST(FileReplace, AFailedReplacementLeavesTheFileAndNothingBeside) {
    const std::string saved = "saved in between";
    const std::pair<std::function<void(const FOLDER&)>, REPLACEFAULT> cases[] = {
        {[&](const FOLDER& folder) { std::ofstream(folder.file, std::ios::binary) << saved; },
         REPLACEFAULT::CHANGED},
        {[](const FOLDER& folder) {
             std::filesystem::create_directories(folder.path / "NAME.bak" / "kept");
         },
         REPLACEFAULT::BACKUP},
        {[](const FOLDER&) {
             const rlimit limit{16, 16};
             setrlimit(RLIMIT_FSIZE, &limit);
         },
         REPLACEFAULT::WRITE},
        {[](const FOLDER& folder) {
             std::filesystem::permissions(folder.path, std::filesystem::perms::owner_all,
                                          std::filesystem::perm_options::remove);
             if (geteuid() == 0 && setuid(65534) != 0) _exit(2);
         },
         REPLACEFAULT::WRITE},
    };
    for (const auto& [before, fault] : cases) {
        const FOLDER folder;
        EXPECT_EQ(FAULTINCHILD(folder, [&] { before(folder); }), fault);
        const bool changed = fault == REPLACEFAULT::CHANGED;
        EXPECT_EQ(FILEBYTES(folder.file), changed ? saved : OLD);
        std::set<std::string> names{"NAME"};
        if (fault == REPLACEFAULT::BACKUP) names.insert("NAME.bak");
        EXPECT_EQ(folder.NAMES(), names);
    }
}
