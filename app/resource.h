// Texts and numbers shared by the dialog resource script and the C++ code, so
// that the console dialog and the Windows one say the same. Plain preprocessor
// definitions: the resource compiler reads this file too.
#ifndef PAGEWRIGHT_APP_RESOURCE_H
#define PAGEWRIGHT_APP_RESOURCE_H

#include "format_names.h"
#include "version.h"

#define PAGEWRIGHT_CAPTION "Pagewright"
#define PAGEWRIGHT_VERSION_TEXT "Pagewright v" PAGEWRIGHT_VERSION

#define IDD_TARGET 1000
#define IDC_TARGET_LIST 1001
#define IDC_DATA_LINE 1002
#define IDC_CONVERT_TO 1004
#define IDC_OK 1005
#define IDC_CANCEL 1006
#define IDI_PAGEWRIGHT 100

#define TEXT_DATA_LINE "Data in clipboard:  " KINDNAME_EVENTCOMMANDS
#define TEXT_CONVERT_TO "Convert to:"
#define TEXT_OK "OK"
#define TEXT_CANCEL "Cancel"

#endif
