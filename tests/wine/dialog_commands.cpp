#include "winetool.h"

#include "resource.h"

#include <cstdio>
#include <cstdlib>

namespace WINETOOL {
namespace {

// The converter's windows are dialogs of the standard class, titled like the
// program; the target dialog and the message boxes are told apart by their
// controls (the message box's text is the static control 0xFFFF).
constexpr int MESSAGEBOXTEXTID = 0xFFFF;

struct SEARCH {
    DWORD process;
    int control;
    HWND found;
};

BOOL CALLBACK VISIT(HWND window, LPARAM lparam) {
    auto& search = *reinterpret_cast<SEARCH*>(lparam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char classname[16] = {};
    char title[32] = {};
    GetClassNameA(window, classname, sizeof classname);
    GetWindowTextA(window, title, sizeof title);
    if ((search.process == 0 || process == search.process) && IsWindowVisible(window) &&
        std::string(classname) == "#32770" && std::string(title) == PAGEWRIGHT_CAPTION &&
        GetDlgItem(window, search.control) != nullptr) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FINDDIALOG(DWORD process, int control) {
    SEARCH search{process, control, nullptr};
    EnumWindows(VISIT, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WINDOWTEXT(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

int PRINTSTATE(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST);
    std::printf("selection %ld\n", static_cast<long>(SendMessageA(list, LB_GETCURSEL, 0, 0)));
    const LRESULT entries = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT entry = 0; entry < entries; ++entry) {
        // Asked in UTF-16: Wine hands an ANSI request across processes as its
        // first character only. The entries are ASCII.
        wchar_t text[256] = {};
        std::string entrytext;
        if (SendMessageW(list, LB_GETTEXTLEN, entry, 0) < LRESULT{std::size(text)}) {
            SendMessageW(list, LB_GETTEXT, entry, reinterpret_cast<LPARAM>(text));
        }
        for (const wchar_t* c = text; *c; ++c)
            entrytext += static_cast<char>(*c);
        std::printf("entry %ld %s\n", static_cast<long>(entry), entrytext.c_str());
    }
    for (const int control : {IDC_DATA_LINE, IDC_CONVERT_TO, IDC_OK, IDC_CANCEL}) {
        std::printf("control %d %s\n", control, WINDOWTEXT(GetDlgItem(dialog, control)).c_str());
    }
    return 0;
}

// The screen position of the middle of a list entry, for a mouse click.
int PRINTPOINT(HWND dialog, int entry) {
    HWND list = GetDlgItem(dialog, IDC_TARGET_LIST);
    RECT item{};
    if (SendMessageA(list, LB_GETITEMRECT, entry, reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
        return FAIL("no list entry " + std::to_string(entry));
    }
    POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(list, &middle);
    std::printf("%ld %ld\n", static_cast<long>(middle.x), static_cast<long>(middle.y));
    return 0;
}

} // namespace

HWND FINDTARGETDIALOG(DWORD process) {
    return FINDDIALOG(process, IDC_TARGET_LIST);
}

HWND FINDMESSAGEBOX(DWORD process) {
    return FINDDIALOG(process, MESSAGEBOXTEXTID);
}

std::string MESSAGEBOXTEXT(HWND box) {
    return WINDOWTEXT(GetDlgItem(box, MESSAGEBOXTEXTID));
}

void CLICKBUTTON(HWND dialog, int button) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

int DIALOGCOMMAND(int count, char** arguments) {
    HWND dialog = FINDTARGETDIALOG(0);
    if (!dialog) return FAIL("no target dialog is open");
    const std::string command = arguments[0];
    if (command == "state" && count == 1) return PRINTSTATE(dialog);
    if (command == "point" && count == 2) return PRINTPOINT(dialog, std::atoi(arguments[1]));
    // What the close box and the system menu's Close item send.
    if (command == "close" && count == 1) {
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    return FAIL("unknown dialog command " + command);
}

} // namespace WINETOOL
