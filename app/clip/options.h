// A command's arguments, checked against its usage line: the line names the
// plain arguments (WORD, or [WORD] where it may be left out) and the options
// ([--name VALUE], [--name VALUE VALUE] for one of two values, or [--name]
// for one without a value) that it takes, so that the help a user reads is
// what the parser accepts.
#ifndef PAGEWRIGHT_CLIP_OPTIONS_H
#define PAGEWRIGHT_CLIP_OPTIONS_H

#include <map>
#include <set>
#include <string>
#include <vector>

namespace PAGEWRIGHT {

struct ARGUMENTS {
    std::vector<std::string> plain;
    std::map<std::string, std::vector<std::string>> values;
    std::set<std::string> switches;

    // The plain argument at the index, or null when it was left out.
    const char* PLAIN(std::size_t index) const;
    // The option's value (of an option of several values, the one at the
    // index), or null when the option was not given.
    const char* VALUE(const std::string& option, std::size_t index = 0) const;
    bool SWITCH(const std::string& option) const { return switches.count(option) != 0; }
};

// False for arguments the usage line does not allow: an option it does not
// name, one without its value or given twice, and too few or too many plain
// arguments.
bool PARSEARGUMENTS(const std::string& usage, const std::vector<std::string>& given,
                    ARGUMENTS& parsed);

} // namespace PAGEWRIGHT

#endif
