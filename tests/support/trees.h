// Building and coding event trees in tests.
#ifndef PAGEWRIGHT_TESTS_TREES_H
#define PAGEWRIGHT_TESTS_TREES_H

#include "event_formats.h"
#include "kestrel_internal.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

using KESTREL::COPYNAME;
using KESTREL::EVENTTREE;

inline EVENTTREE DECODE(KESTREL::CLIPBOARDCONTENTTYPE format, const std::string& content) {
    return EVENTTREE(KESTREL::DECODECONTENT(format, content));
}

inline std::string ENCODE(KESTREL::CLIPBOARDCONTENTTYPE format, const KESTREL::EVENT* event,
                          int page = 1, int first = 0, int last = -1) {
    return KESTREL::ENCODECONTENT(format, event, page, first, last).value_or("<cleared>");
}

// The 4-byte length field in front of a body.
inline std::string FRAMED(const std::string& body) {
    const auto size = static_cast<std::uint32_t>(body.size());
    const char length[4] = {static_cast<char>(size), static_cast<char>(size >> 8),
                            static_cast<char>(size >> 16), static_cast<char>(size >> 24)};
    return std::string(length, 4) + body;
}

inline EVENTTREE EVENTWITHPAGES(int count) {
    EVENTTREE event(static_cast<KESTREL::EVENT*>(KESTREL::CREATEOBJECT(KESTREL::OT_EVENT)));
    event->page_count = count;
    event->pages = static_cast<KESTREL::EVENTPAGE*>(
        KESTREL::RESIZEOBJECTARRAY(nullptr, KESTREL::OT_EVENTPAGE, 0, count));
    for (int i = 0; i < count; ++i)
        event->pages[i].number = i + 1;
    return event;
}

inline void ADDCOMMAND(KESTREL::EVENTPAGE& page, int code, int indent, const char* text,
                       std::initializer_list<int> parameters) {
    const int count = page.command_count;
    page.commands = static_cast<KESTREL::EVENTCOMMAND*>(
        KESTREL::RESIZEOBJECTARRAY(page.commands, KESTREL::OT_EVENTCOMMAND, count, count + 1));
    page.command_count = count + 1;
    KESTREL::EVENTCOMMAND& command = page.commands[count];
    command.code = code;
    command.indent = indent;
    if (text) command.string_parameter = COPYNAME(text);
    command.parameter_count = static_cast<int>(parameters.size());
    command.parameters = KESTREL::RESIZEINTARRAY(nullptr, 0, command.parameter_count + 1);
    int i = 0;
    for (const int value : parameters)
        command.parameters[i++] = value;
}

inline KESTREL::MOVECOMMAND& ADDMOVE(KESTREL::MOVEROUTE& route, int code) {
    const int count = route.command_count;
    route.commands = static_cast<KESTREL::MOVECOMMAND*>(
        KESTREL::RESIZEOBJECTARRAY(route.commands, KESTREL::OT_MOVECOMMAND, count, count + 1));
    route.command_count = count + 1;
    route.commands[count].code = code;
    return route.commands[count];
}

#endif
