// batch PROGRAM LIST FOLDER: runs the converter once for each line of LIST,
// "FORMAT<tab>FILE", all inside one Wine session. For line N (from 1) the
// file's bytes go on the clipboard alone under FORMAT, PROGRAM runs, its
// target dialog (if any) is confirmed with OK and its message box closed, and
// FOLDER/N/ receives what the clipboard then holds, one file per format named
// by its number, and the file "message" with the message box's text.
#include "winetool.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace WINETOOL {
namespace {

constexpr DWORD POLLMILLISECONDS = 5;
constexpr DWORD RUNLIMITMILLISECONDS = 20000;

// Runs the program, answering its windows, and returns its exit code (or a
// note of what went wrong in `trouble`).
DWORD RUNANSWERING(const std::string& program, std::string& message, std::string& trouble) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandline = "\"" + program + "\"";
    if (!CreateProcessA(nullptr, commandline.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        trouble = "cannot start the program";
        return 0;
    }
    bool confirmed = false;
    DWORD waited = 0;
    while (WaitForSingleObject(process.hProcess, POLLMILLISECONDS) == WAIT_TIMEOUT) {
        waited += POLLMILLISECONDS;
        if (waited > RUNLIMITMILLISECONDS) {
            TerminateProcess(process.hProcess, 99);
            trouble = "the program did not finish";
            break;
        }
        if (HWND dialog = FINDTARGETDIALOG(process.dwProcessId); dialog && !confirmed) {
            CLICKBUTTON(dialog, 1005);
            confirmed = true;
        } else if (HWND box = FINDMESSAGEBOX(process.dwProcessId); box && message.empty()) {
            message = MESSAGEBOXTEXT(box);
            CLICKBUTTON(box, IDOK);
        }
    }
    DWORD exitcode = 0;
    GetExitCodeProcess(process.hProcess, &exitcode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitcode;
}

} // namespace

int BATCH(const std::string& program, const std::string& list, const std::string& folder) {
    std::ifstream lines(list);
    if (!lines) return FAIL("cannot read " + list);
    CreateDirectoryA(folder.c_str(), nullptr);
    int failures = 0;
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        const std::string item = folder + "/" + std::to_string(++number);
        std::istringstream fields(line);
        std::string format, file;
        std::getline(fields, format, '\t');
        std::getline(fields, file);
        char* pair[] = {format.data(), file.data()};
        std::string message, trouble;
        if (PUTCLIPBOARD(2, pair) != 0) {
            trouble = "cannot put the input on the clipboard";
        } else if (const DWORD exitcode = RUNANSWERING(program, message, trouble); exitcode != 0) {
            trouble += " exit code " + std::to_string(exitcode);
        }
        if (SAVECLIPBOARD(item) != 0 || !WRITEFILE(item + "/message", message)) {
            trouble += " cannot save the result";
        }
        if (!trouble.empty()) {
            ++failures;
            std::printf("%d\t%s\t%s\n", number, file.c_str(), trouble.c_str());
        }
    }
    std::printf("%d runs, %d failed\n", number, failures);
    return failures == 0 ? 0 : 1;
}

} // namespace WINETOOL
