#include "dialog_win32.h"

#include "presenter.h"
#include "resource.h"

namespace PAGEWRIGHT {

INT_PTR CALLBACK TARGETDIALOGPROC(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG:
        for (int entry = 0; entry < DIALOGENTRIES; ++entry) {
            SendDlgItemMessageA(dialog, IDC_TARGET_LIST, LB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(TARGETENTRYTEXT(entry)));
        }
        SendDlgItemMessageA(dialog, IDC_TARGET_LIST, LB_SETCURSEL, DEFAULTTARGETENTRY, 0);
        return TRUE;
    case WM_COMMAND:
        // Only button clicks: list notifications (a double click too) carry a
        // code, and the Escape key's cancel command comes without a control.
        if (lparam != 0 && HIWORD(wparam) == 0) {
            if (LOWORD(wparam) == IDC_OK) {
                EndDialog(dialog, SendDlgItemMessageA(dialog, IDC_TARGET_LIST, LB_GETCURSEL, 0, 0));
            } else if (LOWORD(wparam) == IDC_CANCEL) {
                EndDialog(dialog, -1);
            }
        }
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, -1);
        return TRUE;
    case WM_SIZE:
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace PAGEWRIGHT
