#include "options.h"

#include <iterator>
#include <sstream>
#include <vector>

namespace PAGEWRIGHT {
namespace {

// What a usage line allows; each valued option with its number of values.
struct ALLOWED {
    std::size_t least_plain = 0;
    std::size_t most_plain = 0;
    std::map<std::string, std::size_t> valued;
    std::set<std::string> switches;
    std::set<std::string> required;
};

bool ISOPTION(const std::string& word) {
    return word.size() > 1 && word[0] == '-';
}

// Words in brackets may be left out; an option in brackets takes the words
// that follow it up to the closing bracket as its values, none when the
// bracket closes on the option. An option out of brackets must be given, with
// the words that follow it up to the next bracket or option as its values.
ALLOWED ALLOWEDBY(const std::string& usage) {
    ALLOWED allowed;
    std::istringstream stream(usage);
    const std::vector<std::string> words{std::istream_iterator<std::string>(stream),
                                         std::istream_iterator<std::string>()};
    for (std::size_t index = 0; index < words.size(); ++index) {
        const std::string& word = words[index];
        const bool optional = word.front() == '[';
        const bool closed = word.back() == ']';
        const std::string bare =
            word.substr(optional ? 1 : 0, word.size() - (optional ? 1 : 0) - (closed ? 1 : 0));
        if (!ISOPTION(bare)) {
            ++allowed.most_plain;
            if (!optional) ++allowed.least_plain;
        } else if (closed) {
            allowed.switches.insert(bare);
        } else {
            std::size_t& values = allowed.valued[bare];
            if (!optional) allowed.required.insert(bare);
            while (index + 1 < words.size()) { // the values' names
                const std::string& next = words[index + 1];
                if (!optional && (next.front() == '[' || ISOPTION(next))) break;
                ++index;
                ++values;
                if (optional && next.back() == ']') break;
            }
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
    for (const std::string& option : allowed.required) {
        if (!parsed.values.count(option)) return false;
    }
    return parsed.plain.size() >= allowed.least_plain && parsed.plain.size() <= allowed.most_plain;
}

} // namespace PAGEWRIGHT
