#ifndef PAGEWRIGHT_APP_DIALOG_WIN32_H
#define PAGEWRIGHT_APP_DIALOG_WIN32_H

#include <windows.h>

namespace PAGEWRIGHT {

// The procedure of the target dialog (resource IDD_TARGET). The dialog ends
// with the index of the selected list entry on OK, and with -1 on Cancel or
// when it is closed.
INT_PTR CALLBACK TARGETDIALOGPROC(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

} // namespace PAGEWRIGHT

#endif
