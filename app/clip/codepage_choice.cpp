#include "codepage_choice.h"

#include "alternatives.h"
#include "messages.h"

#include <cstdint>
#include <cstdlib>

namespace PAGEWRIGHT {

std::string CODEPAGELIST() {
    return ALTERNATIVES(CODEPAGES, [](std::uint32_t number) { return std::to_string(number); });
}

std::unique_ptr<CODEPAGE> CHOSENCODEPAGE(const ARGUMENTS& arguments) {
    const char* option = arguments.VALUE("--codepage");
    const char* variable = std::getenv("PAGEWRIGHT_CODEPAGE");
    const char* given = option ? option : variable && *variable ? variable : nullptr;
    std::uint32_t number = SYSTEMCODEPAGE();
    if (given) {
        char* end = nullptr;
        const unsigned long parsed = std::strtoul(given, &end, 10);
        number = *end == '\0' && parsed <= UINT32_MAX ? static_cast<std::uint32_t>(parsed) : 0;
    }
    std::unique_ptr<CODEPAGE> codepage = CODEPAGE::OPEN(number);
    if (!codepage) {
        const char* source = option ? "--codepage" : given ? "PAGEWRIGHT_CODEPAGE" : "the system";
        REPORTFAILURE(std::string(source) + ": " + (given ? given : std::to_string(number)) +
                      " is not a supported code page (" + CODEPAGELIST() + ")");
    }
    return codepage;
}

} // namespace PAGEWRIGHT
