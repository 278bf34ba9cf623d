// Exporting and importing event trees as JSON in tests.
#ifndef PAGEWRIGHT_TESTS_JSON_TREES_H
#define PAGEWRIGHT_TESTS_JSON_TREES_H

#include "event_json.h"
#include "trees.h"

#include <map>
#include <memory>

// The code page of the number, opened once.
inline const PAGEWRIGHT::CODEPAGE& OPENCODEPAGE(std::uint32_t number) {
    static std::map<std::uint32_t, std::unique_ptr<PAGEWRIGHT::CODEPAGE>> opened;
    auto& codepage = opened[number];
    if (!codepage) codepage = PAGEWRIGHT::CODEPAGE::OPEN(number);
    return *codepage;
}

inline PAGEWRIGHT::IMPORTEDEVENT IMPORT(const std::string& json, std::uint32_t codepage = 1252) {
    return PAGEWRIGHT::IMPORTEVENT(json, OPENCODEPAGE(codepage));
}

inline std::string EXPORT(const KESTREL::EVENT* event,
                          KESTREL::CLIPBOARDCONTENTTYPE format = KESTREL::CB_MAPEVENT,
                          std::uint32_t codepage = 1252) {
    return PAGEWRIGHT::EXPORTEVENT(format, *event, OPENCODEPAGE(codepage));
}

#endif
