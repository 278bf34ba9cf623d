// winetool.exe: the test suite's hands inside the Wine session. It sets up and
// inspects the clipboard, holds it or a file open, works the target dialog,
// runs the converter over many inputs in one session and checks the program's
// resources. Each command prints its findings on standard output.
#ifndef PAGEWRIGHT_TESTS_WINE_WINETOOL_H
#define PAGEWRIGHT_TESTS_WINE_WINETOOL_H

#include <windows.h>

#include <string>

namespace WINETOOL {

bool LOADFILE(const std::string& path, std::string& bytes);
bool WRITEFILE(const std::string& path, const std::string& bytes);
int FAIL(const std::string& message);

// save FOLDER: every format on the clipboard as FOLDER/<number>, the whole block.
int SAVECLIPBOARD(const std::string& folder);
// put [FORMAT FILE]...: empties the clipboard and places each file's bytes,
// exactly; for an empty file the format is listed without data.
int PUTCLIPBOARD(int count, char** pairs);
// hold READYFILE RELEASEFILE: opens the clipboard, writes READYFILE, and keeps
// the clipboard open until RELEASEFILE exists.
int HOLDCLIPBOARD(const std::string& readyfile, const std::string& releasefile);

// lock FILE MILLISECONDS READYFILE [read]: opens FILE without sharing it, as
// the editor holds its game files, or with "read" shared for reading alone,
// writes READYFILE, and keeps FILE so that long.
int LOCKFILE(const std::string& path, DWORD milliseconds, const std::string& readyfile,
             bool readable);

// The visible top-level windows of a process (any process for 0): the target
// dialog, known by its list, and a message box, known by its text.
HWND FINDTARGETDIALOG(DWORD process);
HWND FINDMESSAGEBOX(DWORD process);
std::string MESSAGEBOXTEXT(HWND box);
// Presses a dialog's button the way a click does.
void CLICKBUTTON(HWND dialog, int button);

// dialog state | point ENTRY | close: the open target dialog.
int DIALOGCOMMAND(int count, char** arguments);

// batch PROGRAM LIST FOLDER: see batch_command.cpp.
int BATCH(const std::string& program, const std::string& list, const std::string& folder);

// resources PROGRAM TOOL: checks the converter's dialog template, icon,
// manifest and version, and the clipboard tool's manifest.
int CHECKRESOURCES(const std::string& program, const std::string& tool);

} // namespace WINETOOL

#endif
