// The converter's dialogs on a console: messages go to standard output, and the
// target is chosen by typing its index.
#include "presenter.h"
#include "resource.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace PAGEWRIGHT {
namespace {

std::string TRIMMED(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

class CONSOLEPRESENTER : public PRESENTER {
public:
    void SHOWMESSAGE(const std::string& text) override { std::cout << text << std::endl; }

    int CHOOSETARGET() override {
        std::cout << TEXT_DATA_LINE << '\n' << TEXT_CONVERT_TO << '\n';
        for (int entry = 0; entry < DIALOGENTRIES; ++entry) {
            std::cout << (entry == DEFAULTTARGETENTRY ? "* " : "  ") << entry << "  "
                      << TARGETENTRYTEXT(entry) << '\n';
        }
        for (;;) {
            std::cout << "Choose 0-" << DIALOGENTRIES - 1 << ", Enter for " << DEFAULTTARGETENTRY
                      << ", or cancel: " << std::flush;
            std::string line;
            if (!std::getline(std::cin, line)) return -1;
            line = TRIMMED(line);
            if (line.empty()) return DEFAULTTARGETENTRY;
            if (line == "cancel") return -1;
            if (line.size() == 1 && line[0] >= '0' && line[0] < '0' + DIALOGENTRIES) {
                return line[0] - '0';
            }
        }
    }
};

} // namespace

std::unique_ptr<PRESENTER> MAKEPRESENTER() {
    return std::make_unique<CONSOLEPRESENTER>();
}

} // namespace PAGEWRIGHT
