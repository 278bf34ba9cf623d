#include "po_file.h"
#include "po_rules.h"

#include <algorithm>
#include <tuple>

namespace PAGEWRIGHT {
namespace {

auto CONTENTOF(const POENTRY& entry) {
    return std::tie(entry.translator_comments, entry.extracted_comments, entry.references,
                    entry.flags, entry.previous_msgctxt, entry.previous_msgid,
                    entry.previous_msgid_plural, entry.msgctxt, entry.msgid, entry.msgid_plural,
                    entry.msgstr, entry.plural_msgstr);
}

} // namespace

bool operator==(const POENTRY& left, const POENTRY& right) {
    return CONTENTOF(left) == CONTENTOF(right);
}

bool operator!=(const POENTRY& left, const POENTRY& right) {
    return !(left == right);
}

bool operator==(const POFILE& left, const POFILE& right) {
    return left.header == right.header && left.messages == right.messages;
}

bool operator!=(const POFILE& left, const POFILE& right) {
    return !(left == right);
}

bool HASPOFLAG(const POENTRY& entry, std::string_view flag) {
    return std::find(entry.flags.begin(), entry.flags.end(), flag) != entry.flags.end();
}

std::string MESSAGEKEY(const POENTRY& entry) {
    if (!entry.msgctxt) return entry.msgid;
    std::string key = *entry.msgctxt;
    key.push_back('\0');
    key += entry.msgid;
    return key;
}

} // namespace PAGEWRIGHT
