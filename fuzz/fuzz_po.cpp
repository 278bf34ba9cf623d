// Bytes through the PO reader: they are refused with a POERROR, or the
// entries read are written as a file that reads back to the same entries and
// writes the same bytes again.
#include "po_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace PAGEWRIGHT;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    POFILE file;
    try {
        file = READPO({reinterpret_cast<const char*>(data), size});
    } catch (const POERROR&) {
        return 0;
    }
    const std::string written = WRITEPO(file);
    const POFILE again = READPO(written);
    if (again != file || WRITEPO(again) != written) {
        std::fprintf(stderr, "the file written of what was read reads back differently:\n%s",
                     written.c_str());
        std::abort();
    }
    return 0;
}
