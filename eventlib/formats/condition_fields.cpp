#include "formats/condition_fields.h"

#include "codec/encoding.h"
#include "formats/fields.h"

namespace KESTREL {

bool READCONDITIONFIELD(BYTESTREAM& stream, CONDITIONTABLE table, std::int32_t id,
                        CONDITION& condition) {
    for (const CONDITIONFIELD* entry = table.begin; entry != table.end; ++entry) {
        if (entry->id == id) {
            condition.*(entry->field) = READNUMBERVALUE(stream);
            return true;
        }
    }
    return false;
}

void WRITECONDITIONFIELDS(BYTESTRING& out, CONDITIONTABLE table, const CONDITION& condition) {
    for (const CONDITIONFIELD* entry = table.begin; entry != table.end; ++entry) {
        if (condition.flags & entry->guard) {
            APPENDNUMBERCHUNK(out, condition.*(entry->field), WITHLENGTH, entry->id);
        }
    }
}

} // namespace KESTREL
