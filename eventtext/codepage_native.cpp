#include "codepage.h"

#include <cerrno>
#include <iconv.h>
#include <string>

namespace PAGEWRIGHT {
namespace {

const iconv_t NODESCRIPTOR = reinterpret_cast<iconv_t>(-1);
const std::size_t FAILED = static_cast<std::size_t>(-1);

// Converts the input, or with none lets out what iconv holds back, and appends
// what it writes. A non-zero count of irreversible conversions means iconv
// stood in for something; that is a failure here like any other.
bool CONVERTSTEP(iconv_t descriptor, char** input, std::size_t* left, std::string& out) {
    char buffer[4096];
    char* output = buffer;
    std::size_t room = sizeof buffer;
    const std::size_t result = iconv(descriptor, input, left, &output, &room);
    out.append(buffer, static_cast<std::size_t>(output - buffer));
    return result == FAILED ? errno == E2BIG : result == 0;
}

// The converters of code pages 1255 and 1258 hold each character back until
// the next shows whether a combining mark follows it, so the last one comes
// out only when they are told that the input has ended.
bool TRANSCODE(iconv_t descriptor, std::string_view in, std::string& out) {
    out.clear();
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
    char* input = const_cast<char*>(in.data());
    std::size_t left = in.size();
    while (left > 0) {
        if (!CONVERTSTEP(descriptor, &input, &left, out)) return false;
    }
    return CONVERTSTEP(descriptor, nullptr, nullptr, out);
}

} // namespace

struct CODEPAGE::TABLES {
    iconv_t decoder = NODESCRIPTOR;
    iconv_t encoder = NODESCRIPTOR;
    ~TABLES() {
        if (decoder != NODESCRIPTOR) iconv_close(decoder);
        if (encoder != NODESCRIPTOR) iconv_close(encoder);
    }
};

CODEPAGE::CODEPAGE(std::uint32_t number, std::unique_ptr<TABLES> tables)
    : number_(number), tables_(std::move(tables)) {}

CODEPAGE::~CODEPAGE() = default;

std::unique_ptr<CODEPAGE> CODEPAGE::OPEN(std::uint32_t number) {
    if (!LISTEDCODEPAGE(number)) return nullptr;
    const std::string name = "CP" + std::to_string(number);
    auto tables = std::make_unique<TABLES>();
    tables->decoder = iconv_open("UTF-8", name.c_str());
    tables->encoder = iconv_open(name.c_str(), "UTF-8");
    if (tables->decoder == NODESCRIPTOR || tables->encoder == NODESCRIPTOR) return nullptr;
    return std::unique_ptr<CODEPAGE>(new CODEPAGE(number, std::move(tables)));
}

bool CODEPAGE::TOUTF8(std::string_view bytes, std::string& text) const {
    return TRANSCODE(tables_->decoder, bytes, text);
}

bool CODEPAGE::FROMUTF8(std::string_view text, std::string& bytes) const {
    return TRANSCODE(tables_->encoder, text, bytes);
}

std::uint32_t SYSTEMCODEPAGE() {
    return 1252;
}

} // namespace PAGEWRIGHT
