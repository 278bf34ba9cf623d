// One run of the converter against the folder clipboard, with the user's side
// played by a scripted presenter.
#include "clipboard_folder.h"
#include "corpus.h"
#include "driver.h"
#include "fixtures.h"
#include "kestrel_internal.h"
#include "resource.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

using namespace KESTREL;
using namespace PAGEWRIGHT;
using namespace std::string_literals;

namespace {

class SCRIPTEDPRESENTER : public PRESENTER {
public:
    explicit SCRIPTEDPRESENTER(int choice = DEFAULTTARGETENTRY) : choice_(choice) {}
    void SHOWMESSAGE(const std::string& text) override { messages.push_back(text); }
    int CHOOSETARGET() override {
        ++dialogs;
        return choice_;
    }
    std::vector<std::string> messages;
    int dialogs = 0;

private:
    int choice_;
};

struct RUN {
    std::vector<std::string> messages;
    int dialogs;
};

RUN CONVERT(int choice = DEFAULTTARGETENTRY) {
    SCRIPTEDPRESENTER presenter(choice);
    EXPECT_EQ(RUNCONVERTER(presenter), 0);
    return {presenter.messages, presenter.dialogs};
}

std::string FIXTURECONTENT(CLIPBOARDCONTENTTYPE format) {
    for (const auto& [kind, content] : RICHCONTENTS()) {
        if (kind == format) return content;
    }
    return {};
}

using MESSAGES = std::vector<std::string>;

} // namespace

class Converter : public ClipboardFolder {
protected:
    void LOAD(CLIPBOARDCONTENTTYPE format) { PUT(format, FIXTURECONTENT(format) + '\0'); }

    std::set<std::string> FORMATSPRESENT() const {
        auto names = FILES();
        names.erase(".lock");
        return names;
    }

    // Every file but the lock, with its bytes.
    std::map<std::string, std::string> SNAPSHOT() const {
        std::map<std::string, std::string> files;
        for (const std::string& name : FORMATSPRESENT())
            files[name] = BLOCK(name);
        return files;
    }
};

TEST_F(Converter, TheNoDataMessageHasFiveLines) {
    EXPECT_EQ(std::string(NODATAMESSAGE).rfind(PAGEWRIGHT_VERSION_TEXT "\r\n", 0), 0u);
    EXPECT_EQ(std::count(NODATAMESSAGE, NODATAMESSAGE + std::strlen(NODATAMESSAGE), '\n'), 4);
    EXPECT_NE(std::string(NODATAMESSAGE)
                  .find("\r\n\r\nThere is no supported RPG Maker event data "
                        "in clipboard!"),
              std::string::npos);
}

TEST_F(Converter, WithoutEventDataNothingChanges) {
    EXPECT_EQ(CONVERT().messages, MESSAGES{NODATAMESSAGE});

    PUT(CB_TEXT, "words"s + '\0');
    EXPECT_EQ(CONVERT().messages, MESSAGES{NODATAMESSAGE});

    LOAD(CB_MAPEVENT);
    EXPECT_EQ(CONVERT().messages, MESSAGES{NODATAMESSAGE}) << "text beside event data wins";
    EXPECT_EQ(FORMATSPRESENT(), (std::set<std::string>{"1", "563"}));
}

TEST_F(Converter, EmptyDataIsNoDataAndIsLeftAlone) {
    PUT(CB_MONSTERGROUP, "");
    EXPECT_EQ(CONVERT().messages, MESSAGES{NODATAMESSAGE});
    EXPECT_EQ(FORMATSPRESENT(), std::set<std::string>{"578"});
}

TEST_F(Converter, EveryFixedConversion) {
    const struct {
        CLIPBOARDCONTENTTYPE source;
        const char* target;
        const char* message;
    } rows[] = {
        {CB_MAPEVENT, "578", "Successfully converted: Map event -> Monster group"},
        {CB_MAPEVENTPAGE, "565", "Successfully converted: Map event page -> Battle event page"},
        {CB_BATTLEEVENTPAGE, "564", "Successfully converted: Battle event page -> Map event page"},
        {CB_MONSTERGROUP, "563", "Successfully converted: Monster group -> Map event"},
        {CB_COMMONEVENT, "565", "Successfully converted: Common event -> Battle event page"},
    };
    for (const auto& row : rows) {
        CLEARCLIPBOARD(nullptr);
        LOAD(row.source);
        const RUN run = CONVERT();
        EXPECT_EQ(run.messages, MESSAGES{row.message});
        EXPECT_EQ(run.dialogs, 0);
        EXPECT_EQ(FORMATSPRESENT(), std::set<std::string>{row.target}) << row.message;
    }
}

TEST_F(Converter, BareCommandsGoWhereTheUserChooses) {
    const char* const targets[] = {"563", "564", "578", "565", "584"};
    const char* const names[] = {"Map event", "Map event page", "Monster group",
                                 "Battle event page", "Common event"};
    for (int choice = 0; choice < DIALOGENTRIES; ++choice) {
        CLEARCLIPBOARD(nullptr);
        LOAD(CB_EVENTCOMMANDS);
        const RUN run = CONVERT(choice);
        EXPECT_EQ(run.dialogs, 1);
        EXPECT_EQ(run.messages,
                  MESSAGES{"Successfully converted: Event command(s) -> "s + names[choice]});
        EXPECT_EQ(FORMATSPRESENT(), std::set<std::string>{targets[choice]});
    }
}

TEST_F(Converter, DecliningTheDialogChangesNothingAndSaysNothing) {
    LOAD(CB_EVENTCOMMANDS);
    const std::string before = BLOCK(CB_EVENTCOMMANDS);
    for (const int declined : {-1, 5}) {
        const RUN run = CONVERT(declined);
        EXPECT_EQ(run.dialogs, 1);
        EXPECT_TRUE(run.messages.empty());
        EXPECT_EQ(BLOCK(CB_EVENTCOMMANDS), before);
    }
}

// Also when the target was on the clipboard before, beside the source: what
// was there then says nothing about whether the write went through.
TEST_F(Converter, AClipboardThatCannotBeWrittenIsReportedAndKept) {
    for (const auto& sources :
         {std::vector{CB_MAPEVENT}, std::vector{CB_MAPEVENTPAGE, CB_BATTLEEVENTPAGE}}) {
        CLEARCLIPBOARD(nullptr);
        for (const CLIPBOARDCONTENTTYPE source : sources)
            LOAD(source);
        const auto before = SNAPSHOT();
        const RUN run = [] {
            const FILESIZELIMIT full(8);
            return CONVERT();
        }();
        EXPECT_EQ(run.messages, MESSAGES{WRITEFAILEDMESSAGE});
        EXPECT_EQ(SNAPSHOT(), before) << "the clipboard changed, or a temporary file was left";
    }
}

// The data is there but out of reach, and the user must not be told that
// there is none. /proc/self/mem stands in for a file without read permission,
// which root could read all the same: it opens as a regular file, and reading
// from its start fails.
TEST_F(Converter, DataThatCannotBeReadIsReportedAndKept) {
    std::filesystem::create_directories(folder_);
    std::filesystem::create_symlink("/proc/self/mem", folder_ / "563");
    EXPECT_EQ(CONVERT().messages, MESSAGES{READFAILEDMESSAGE});
    EXPECT_EQ(FORMATSPRESENT(), std::set<std::string>{"563"});
    EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "563"));

    PUT(CB_TEXT, "words"s + '\0');
    EXPECT_EQ(CONVERT().messages, MESSAGES{NODATAMESSAGE}) << "text beside the data still wins";
}

// Under the sanitizer build this is the converter run over all real data,
// checked for leaks and stray reads and writes.
TEST_F(Converter, EveryCorpusFileConverts) {
    if (!CORPUSFOLDER()) GTEST_SKIP() << "PAGEWRIGHT_CORPUS is not set; no real data to convert";
    for (const CORPUSFILE& file : CORPUSFILES()) {
        CLEARCLIPBOARD(nullptr);
        PUT(file.format, FILEBYTES(file.path) + '\0');
        const RUN run = CONVERT();
        ASSERT_EQ(run.messages.size(), 1u) << file.path;
        EXPECT_EQ(run.messages[0].rfind("Successfully converted: ", 0), 0u) << file.path;
        EXPECT_EQ(FORMATSPRESENT().size(), 1u) << file.path;
        EXPECT_EQ(FORMATSPRESENT().count(std::to_string(file.format)), 0u) << file.path;
    }
}
