#include "formats/condition_chunk.h"

#include "codec/encoding.h"
#include "formats/chunk_ids.h"
#include "formats/fields.h"
#include "formats/limited_run.h"

namespace KESTREL {
namespace {

// When `id` is a number sub-chunk of the format, reads its value into its
// field and returns true.
bool READCONDITIONFIELD(BYTESTREAM& stream, const CONDITIONFORMAT& format, std::int32_t id,
                        CONDITION& condition) {
    for (const CONDITIONFIELD* entry = format.fields_begin; entry != format.fields_end; ++entry) {
        if (entry->id == id) {
            condition.*(entry->field) = READNUMBERVALUE(stream);
            return true;
        }
    }
    return false;
}

// A chunk that occurs twice replaces the earlier condition, which is released.
CONDITION& RENEWCONDITION(EVENTPAGE& page) {
    DESTROYOBJECT(page.condition, 0, 1);
    page.condition = new CONDITION;
    return *page.condition;
}

} // namespace

void READCONDITIONCHUNK(BYTESTREAM& stream, EVENTPAGE& page, const CONDITIONFORMAT& format) {
    LIMITEDRUN chunk(stream, READLENGTH(stream));
    CONDITION& condition = RENEWCONDITION(page);
    for (std::int32_t id; chunk.NEXTCHUNK(id);) {
        if (id == format.flags_id) {
            format.read_flags(stream, condition);
        } else if (!READCONDITIONFIELD(stream, format, id, condition)) {
            SKIPCHUNK(stream);
        }
    }
}

void WRITECONDITIONCHUNK(BYTESTRING& out, const CONDITION& condition, const CONDITIONFORMAT& format,
                         std::int32_t id) {
    BYTESTRING payload;
    APPENDDATACHUNK(payload, format.flag_bytes(condition.flags), WITHLENGTH, format.flags_id);
    for (const CONDITIONFIELD* entry = format.fields_begin; entry != format.fields_end; ++entry) {
        if (condition.flags & entry->guard) {
            APPENDNUMBERCHUNK(payload, condition.*(entry->field), WITHLENGTH, entry->id);
        }
    }
    APPENDNUMBER(payload, ENDCHUNK);
    APPENDDATACHUNK(out, payload, WITHLENGTH, id);
}

} // namespace KESTREL
