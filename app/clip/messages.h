// What pagewright-clip says when a command fails: one line on standard error,
// "pagewright-clip: " and the message, and the exit code 1.
#ifndef PAGEWRIGHT_CLIP_MESSAGES_H
#define PAGEWRIGHT_CLIP_MESSAGES_H

#include "file_replace.h"
#include "game_selector.h"
#include "kestrel.h"

#include <cstddef>
#include <string>

namespace PAGEWRIGHT {

// Says the message and returns the exit code 1.
int REPORTFAILURE(const std::string& message);

std::string UNKNOWNFORMAT(const std::string& text);
std::string NOTONCLIPBOARD(KESTREL::CLIPBOARDCONTENTTYPE format);
std::string UNREADABLECLIPBOARD(KESTREL::CLIPBOARDCONTENTTYPE format);
std::string CANNOTREAD(const std::string& source, const std::string& reason);
std::string CANNOTWRITE(const std::string& target, const std::string& reason);

std::string NOTAGAMEFOLDER(const std::string& folder);
// What a selector can be, with N for a number.
extern const char* const SELECTORFORMS;
std::string NOTASELECTOR(const std::string& text);
std::string NAMESNOTHING(const std::string& selector, const std::string& reason);
// Why the bytes are no game file that can be read: "cut short at byte 12".
std::string GAMEFILEREFUSAL(const GAMEFILEERROR& error);
// What the selector's file lacks: "there is no troop 2", "event 1 has no page
// 3".
std::string ABSENCE(const SELECTOR& selector, ABSENT absent);

// A number of pages: "1 page", "2 pages".
std::string PAGESTEXT(std::size_t pages);

// Why a game file was not replaced, naming the file that could not be
// written: the file itself, or its backup.
std::string REPLACEREFUSAL(const REPLACEFAILURE& failure, const std::string& path);

// Said after a game file is written; the user guide says the same.
extern const char* const REOPENWARNING;

extern const char* const NOEVENTDATA;
extern const char* const NOTEXTONCLIPBOARD;
extern const char* const UNREADABLETEXT;
extern const char* const CLIPBOARDWRITEFAILED;
std::string TEXTISNOTEVENTDATA();

// The reason the last call failed, as the system says it.
std::string SYSTEMREASON();

} // namespace PAGEWRIGHT

#endif
