// The converter's dialogs on Windows: information message boxes without an
// owner, and the modal target dialog from the program's resources.
#include "dialog_win32.h"
#include "presenter.h"
#include "resource.h"

#include <windows.h>

#include <commctrl.h>

namespace PAGEWRIGHT {
namespace {

class WIN32PRESENTER : public PRESENTER {
public:
    WIN32PRESENTER() : instance_(GetModuleHandleA(nullptr)) {}

    void SHOWMESSAGE(const std::string& text) override {
        MessageBoxA(nullptr, text.c_str(), PAGEWRIGHT_CAPTION, MB_ICONINFORMATION | MB_OK);
    }

    // The manifest asks for the visual-styles controls; Windows XP creates the
    // dialog's controls only once that library is loaded, and without them
    // the dialog would fail to open and nothing would be converted.
    int CHOOSETARGET() override {
        InitCommonControls();
        return static_cast<int>(
            DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_TARGET), nullptr, TARGETDIALOGPROC, 0));
    }

private:
    HINSTANCE instance_;
};

} // namespace

std::unique_ptr<PRESENTER> MAKEPRESENTER() {
    return std::make_unique<WIN32PRESENTER>();
}

} // namespace PAGEWRIGHT
