#include "name_text.h"
#include "text_key.h"
#include "translations.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

namespace PAGEWRIGHT {

std::string MAPPOFILE(std::int32_t map) {
    char name[32];
    std::snprintf(name, sizeof name, "Map%04d.po", static_cast<int>(map));
    return name;
}

std::string TEXTKEY(const std::optional<std::string>& context, const std::string& text) {
    return (context ? '1' + *context : std::string("0")) + '\0' + text;
}

POFILE TEXTSPOFILE(const std::vector<PLAYERTEXT>& texts, const CODEPAGE& codepage,
                   const std::vector<POHEADERFIELD>& header, std::vector<std::string>& left_out) {
    POFILE file;
    file.header = POHEADER(header);
    std::unordered_map<std::string, std::size_t> entries;
    for (const PLAYERTEXT& text : texts) {
        const std::optional<std::string> msgid = TEXTOFNAME(text.bytes, codepage);
        if (!msgid || msgid->find('\0') != std::string::npos) {
            left_out.push_back(text.place);
            continue;
        }
        const auto [found, added] =
            entries.try_emplace(TEXTKEY(text.context, *msgid), file.messages.size());
        if (added) {
            POENTRY entry;
            entry.msgctxt = text.context;
            entry.msgid = *msgid;
            file.messages.push_back(std::move(entry));
        }
        POENTRY& entry = file.messages[found->second];
        entry.references.push_back(text.place);
        std::string what = text.what;
        if (text.width) what += ": " + std::to_string(text.width) + " columns a line";
        std::vector<std::string>& comments = entry.extracted_comments;
        if (std::find(comments.begin(), comments.end(), what) == comments.end()) {
            comments.push_back(std::move(what));
        }
    }
    return file;
}

} // namespace PAGEWRIGHT
