#include "options.h"

#include <sstream>

namespace PAGEWRIGHT {
namespace {

// What a usage line allows; each valued option with its number of values.
struct ALLOWED {
    std::size_t least_plain = 0;
    std::size_t most_plain = 0;
    std::map<std::string, std::size_t> valued;
    std::set<std::string> switches;
};

bool ISOPTION(const std::string& word) {
    return word.size() > 1 && word[0] == '-';
}

// Words in brackets may be left out; an option in brackets takes the words
// that follow it up to the closing bracket as its values, none when the
// bracket closes on the option.
ALLOWED ALLOWEDBY(const std::string& usage) {
    ALLOWED allowed;
    std::istringstream words(usage);
    for (std::string word; words >> word;) {
        const bool optional = word.front() == '[';
        const bool closed = word.back() == ']';
        const std::string bare =
            word.substr(optional ? 1 : 0, word.size() - (optional ? 1 : 0) - (closed ? 1 : 0));
        if (ISOPTION(bare)) {
            if (closed) {
                allowed.switches.insert(bare);
            } else {
                std::size_t& values = allowed.valued[bare];
                while (words >> word) { // the values' names
                    ++values;
                    if (word.back() == ']') break;
                }
            }
        } else {
            ++allowed.most_plain;
            if (!optional) ++allowed.least_plain;
        }
    }
    return allowed;
}

} // namespace

const char* ARGUMENTS::PLAIN(std::size_t index) const {
    return index < plain.size() ? plain[index].c_str() : nullptr;
}

const char* ARGUMENTS::VALUE(const std::string& option, std::size_t index) const {
    const auto found = values.find(option);
    return found == values.end() ? nullptr : found->second.at(index).c_str();
}

bool PARSEARGUMENTS(const std::string& usage, const std::vector<std::string>& given,
                    ARGUMENTS& parsed) {
    const ALLOWED allowed = ALLOWEDBY(usage);
    for (std::size_t i = 0; i < given.size(); ++i) {
        const std::string& argument = given[i];
        if (!ISOPTION(argument)) {
            parsed.plain.push_back(argument);
        } else if (allowed.switches.count(argument) && !parsed.SWITCH(argument)) {
            parsed.switches.insert(argument);
        } else if (!allowed.valued.count(argument) || parsed.values.count(argument) ||
                   given.size() - i - 1 < allowed.valued.at(argument)) {
            return false;
        } else {
            const std::size_t first = i + 1;
            i += allowed.valued.at(argument);
            parsed.values[argument].assign(given.begin() + first, given.begin() + i + 1);
        }
    }
    return parsed.plain.size() >= allowed.least_plain && parsed.plain.size() <= allowed.most_plain;
}

} // namespace PAGEWRIGHT
