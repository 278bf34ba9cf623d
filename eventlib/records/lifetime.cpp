#include "kestrel.h"
#include "records/readable.h"
#include "records/release.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace KESTREL {
namespace {

// Negative counts break the calling rules; they are taken as 0 so that a
// careless caller gets an empty array instead of an allocation failure.
std::int32_t COUNTORZERO(std::int32_t count) {
    return std::max<std::int32_t>(count, 0);
}

template <typename RECORD> void RELEASEBLOCK(RECORD* block, unsigned char array) {
    if (array) {
        delete[] block;
    } else {
        delete block;
    }
}

template <typename RECORD>
void RELEASEARRAY(RECORD* records, unsigned char array, std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i)
        RELEASEOWNED(records[i]);
    RELEASEBLOCK(records, array);
}

void RELEASEMOVEROUTE(MOVEROUTE* route) {
    DESTROYOBJECT(route->commands, 1, route->command_count);
    delete route;
}

void RELEASEEVENT(EVENT* event) {
    std::free(event->name);
    DESTROYOBJECT(event->pages, 1, event->page_count);
    delete event->extra_chunks;
    delete event;
}

template <typename RECORD>
RECORD* RESIZERECORDS(RECORD* old, std::int32_t old_count, std::int32_t new_count) {
    RECORD* fresh = nullptr;
    if (new_count > 0) {
        fresh = new RECORD[new_count];
        const std::int32_t kept = std::min(COUNTORZERO(old_count), new_count);
        if (old != nullptr && kept > 0) {
            std::memcpy(static_cast<void*>(fresh), old, sizeof(RECORD) * kept);
        }
    }
    delete[] old;
    return fresh;
}

} // namespace

void RELEASEOWNED(MOVECOMMAND& command) {
    std::free(command.graphic_name);
    std::free(command.sound_name);
}

void RELEASEOWNED(EVENTCOMMAND& command) {
    std::free(command.string_parameter);
    delete[] command.parameters;
    DESTROYOBJECT(command.move_route, 0, 1);
}

void RELEASEOWNED(EVENTPAGE& page) {
    DESTROYOBJECT(page.condition, 0, 1);
    std::free(page.graphic_name);
    DESTROYOBJECT(page.move_route, 0, 1);
    DESTROYOBJECT(page.commands, 1, page.command_count);
}

void* CREATEOBJECT(OBJECTTYPE type) {
    switch (type) {
    case OT_CONDITION:
        return new CONDITION;
    case OT_MOVECOMMAND:
        return new MOVECOMMAND;
    case OT_MOVEROUTE:
        return new MOVEROUTE;
    case OT_EVENTCOMMAND:
        return new EVENTCOMMAND;
    case OT_EVENTPAGE:
        return new EVENTPAGE;
    case OT_EVENT:
        return new EVENT;
    }
    return nullptr;
}

void DESTROYOBJECT(void* object, unsigned char array, std::int32_t count) {
    if (!POINTERREADABLE(object, sizeof(std::int32_t))) return;
    std::int32_t tag;
    std::memcpy(&tag, object, sizeof tag);
    switch (tag) {
    case OT_CONDITION:
        delete static_cast<CONDITION*>(object);
        return;
    case OT_MOVECOMMAND:
        RELEASEARRAY(static_cast<MOVECOMMAND*>(object), array, count);
        return;
    case OT_MOVEROUTE:
        RELEASEMOVEROUTE(static_cast<MOVEROUTE*>(object));
        return;
    case OT_EVENTCOMMAND:
        RELEASEARRAY(static_cast<EVENTCOMMAND*>(object), array, count);
        return;
    case OT_EVENTPAGE:
        RELEASEARRAY(static_cast<EVENTPAGE*>(object), array, count);
        return;
    case OT_EVENT:
        RELEASEEVENT(static_cast<EVENT*>(object));
        return;
    default:
        // Not a record: a text copy handed out by GETCLIPBOARDCONTENT, which
        // came from the C allocator.
        std::free(object);
    }
}

void* RESIZEOBJECTARRAY(void* array, OBJECTTYPE type, std::int32_t old_count,
                        std::int32_t new_count) {
    switch (type) {
    case OT_MOVECOMMAND:
        return RESIZERECORDS(static_cast<MOVECOMMAND*>(array), old_count, new_count);
    case OT_EVENTCOMMAND:
        return RESIZERECORDS(static_cast<EVENTCOMMAND*>(array), old_count, new_count);
    case OT_EVENTPAGE:
        return RESIZERECORDS(static_cast<EVENTPAGE*>(array), old_count, new_count);
    default:
        return array;
    }
}

std::int32_t* RESIZEINTARRAY(std::int32_t* array, std::int32_t old_count, std::int32_t new_count) {
    std::int32_t* fresh = nullptr;
    if (new_count > 0) {
        fresh = new std::int32_t[new_count]();
        const std::int32_t kept = std::min(COUNTORZERO(old_count), new_count);
        if (array != nullptr) std::copy(array, array + kept, fresh);
    }
    delete[] array;
    return fresh;
}

void DESTROYINTARRAY(std::int32_t* array) {
    if (POINTERREADABLE(array, 1)) delete[] array;
}

} // namespace KESTREL
