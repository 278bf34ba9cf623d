// The folder that stands in for the clipboard where there is no Windows one.
#include "clipboard_folder.h"
#include "kestrel_internal.h"

#include <sys/stat.h>
#include <sys/wait.h>

using namespace KESTREL;
using namespace std::string_literals;
using FORMATS = std::set<std::string>;

using NativeClipboard = ClipboardFolder;

TEST_F(NativeClipboard, AMissingFolderIsAnEmptyClipboard) {
    EXPECT_EQ(READCLIPBOARD(CB_MAPEVENT, nullptr), "");
    EXPECT_FALSE(CLIPBOARDHASFORMAT(CB_MAPEVENT));
    EXPECT_EQ(CHECKCLIPBOARDCONTENT(), 0);
    CLEARCLIPBOARD(nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder_));
}

TEST_F(NativeClipboard, AWritePlacesTheBlockAloneAndLeavesOtherFiles) {
    PUT(CB_EVENTCOMMANDS, "old"s + '\0');
    PUT(CB_TEXT, "text"s + '\0');
    std::ofstream(folder_ / "notes.txt") << "mine";
    EXPECT_NE(WRITECLIPBOARD("a\0b"s, CB_BATTLEEVENTPAGE, nullptr), 0);
    EXPECT_EQ(FILES(), (FORMATS{"565", "notes.txt", ".lock"}));
    EXPECT_EQ(BLOCK(CB_BATTLEEVENTPAGE), "a\0b\0"s);
    EXPECT_EQ(READCLIPBOARD(CB_BATTLEEVENTPAGE, nullptr), "a\0b\0"s);
    EXPECT_EQ(CHECKCLIPBOARDCONTENT(), CB_BATTLEEVENTPAGE);

    EXPECT_NE(WRITECLIPBOARD("", CB_TEXT, nullptr), 0);
    EXPECT_EQ(BLOCK(CB_TEXT), "\0"s);
    CLEARCLIPBOARD(nullptr);
    EXPECT_EQ(FILES(), (FORMATS{"notes.txt", ".lock"}));
}

TEST_F(NativeClipboard, OnlyARegularFileIsReadAsAFormat) {
    std::filesystem::create_directories(folder_);
    ASSERT_EQ(mkfifo((folder_ / "563").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder_ / "564");
    EXPECT_EQ(TRYREADCLIPBOARD(CB_MAPEVENT, nullptr), std::nullopt) << "a pipe";
    EXPECT_EQ(TRYREADCLIPBOARD(CB_MAPEVENTPAGE, nullptr), std::nullopt) << "a device";
    EXPECT_EQ(TRYREADCLIPBOARD(CB_BATTLEEVENTPAGE, nullptr), "") << "an absent format";
}

TEST_F(NativeClipboard, TheFolderIsMadePrivate) {
    WRITECLIPBOARD("x", CB_MAPEVENT, nullptr);
    struct stat status {};
    ASSERT_EQ(stat(folder_.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
}

TEST_F(NativeClipboard, DetectionTakesTextFirstThenTheFormatOrder) {
    PUT(CB_EVENTCOMMANDS, "x");
    PUT(CB_MAPEVENTPAGE, "x");
    EXPECT_EQ(CHECKCLIPBOARDCONTENT(), CB_MAPEVENTPAGE);
    PUT(CB_TEXT, "x");
    EXPECT_EQ(CHECKCLIPBOARDCONTENT(), CB_TEXT);
    PUT(2, "x");
    std::filesystem::remove(folder_ / "1");
    std::filesystem::remove(folder_ / "564");
    std::filesystem::remove(folder_ / "566");
    EXPECT_EQ(CHECKCLIPBOARDCONTENT(), 0) << "format 2 is not one of ours";
}

TEST_F(NativeClipboard, AFileInPlaceOfTheFolderFailsWithoutHarm) {
    std::filesystem::create_directories(root_);
    std::ofstream(folder_) << "precious";
    EXPECT_EQ(WRITECLIPBOARD("x", CB_MAPEVENT, nullptr), 0);
    CLEARCLIPBOARD(nullptr);
    EXPECT_EQ(READCLIPBOARD(CB_MAPEVENT, nullptr), "");
    std::ifstream kept(folder_);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "precious");
}

TEST_F(NativeClipboard, AWriteThatCannotCompleteLeavesEverythingAsItWas) {
    PUT(CB_MAPEVENT, "before"s + '\0');
    {
        const FILESIZELIMIT full(16);
        EXPECT_EQ(WRITECLIPBOARD(std::string(100, 'x'), CB_MONSTERGROUP, nullptr), 0);
    }
    EXPECT_EQ(FILES(), (FORMATS{"563", ".lock"})) << "no half-written file is left";
    EXPECT_EQ(BLOCK(CB_MAPEVENT), "before"s + '\0');
}

// A writer ended in the middle of its write leaves its temporary file; the
// next write removes it, but not that of a writer that still runs.
TEST_F(NativeClipboard, WritesRemoveTheTemporaryFilesOfWritersThatNoLongerRun) {
    const pid_t ended = fork();
    ASSERT_GE(ended, 0);
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    const std::string abandoned = ".incoming-" + std::to_string(ended) + "-a1b2c3";
    const std::string running = ".incoming-" + std::to_string(getppid()) + "-a1b2c3";
    PUT(CB_MAPEVENT, "before"s + '\0');
    std::ofstream(folder_ / abandoned) << "half";
    std::ofstream(folder_ / running) << "half";
    EXPECT_TRUE(WRITECLIPBOARD("x", CB_MONSTERGROUP, nullptr));
    EXPECT_EQ(FILES(), (FORMATS{"578", ".lock", running}));
}

// Two processes writing at once, many times: afterwards exactly one format is
// there, and whole.
TEST_F(NativeClipboard, TwoWritersLeaveExactlyOneCompleteFormat) {
    const std::string first(20000, 'a');
    const std::string second(30000, 'b');
    constexpr int ROUNDS = 300;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    const bool is_child = child == 0;
    for (int round = 0; round < ROUNDS; ++round) {
        if (is_child) {
            WRITECLIPBOARD(first, CB_MAPEVENT, nullptr);
        } else {
            WRITECLIPBOARD(second, CB_MONSTERGROUP, nullptr);
        }
    }
    if (is_child) _exit(0);
    int status = 0;
    waitpid(child, &status, 0);

    FORMATS formats = FILES();
    formats.erase(".lock");
    ASSERT_EQ(formats.size(), 1u);
    const std::string block = BLOCK(std::stoi(*formats.begin()));
    EXPECT_TRUE(block == first + '\0' || block == second + '\0');
}
