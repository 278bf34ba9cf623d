#ifndef PAGEWRIGHT_CLIP_TREE_DUMP_H
#define PAGEWRIGHT_CLIP_TREE_DUMP_H

#include "kestrel.h"

#include <string>

namespace PAGEWRIGHT {

// The tree as indented text, one line per record with every field, names
// quoted with their non-ASCII bytes escaped.
std::string DUMPTREE(const KESTREL::EVENT& event);

} // namespace PAGEWRIGHT

#endif
