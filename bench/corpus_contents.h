// The real clipboard contents under PAGEWRIGHT_CORPUS: <game>/<format>/*.bin.
#ifndef PAGEWRIGHT_BENCH_CORPUS_CONTENTS_H
#define PAGEWRIGHT_BENCH_CORPUS_CONTENTS_H

#include <cstdint>
#include <string>
#include <vector>

namespace PAGEWRIGHTBENCH {

// The folder named by PAGEWRIGHT_CORPUS, or null when it is not set.
const char* CORPUSFOLDER();

// The contents of every file of the format in every game of the folder, in
// path order.
std::vector<std::string> CORPUSCONTENTS(const char* folder, std::int32_t format);

} // namespace PAGEWRIGHTBENCH

#endif
