#include "listing_text.h"

#include "hex_bytes.h"
#include "name_text.h"

#include <cstdio>

namespace PAGEWRIGHT {
namespace {

bool CONTROL(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

void APPENDESCAPED(std::string& out, unsigned char byte) {
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
    out += escaped;
}

// The tree holds names and texts up to their first zero byte, so a zero
// byte in one would cut it short.
[[noreturn]] void ZEROBYTEFAULT() {
    throw TEXTFAULT("a text ends at its first zero byte and cannot hold one");
}

} // namespace

// Text the code page reads as it is written goes in as text; otherwise its
// ASCII stays and every other byte is escaped, which gives every byte back.
std::string QUOTEDTEXT(std::string_view bytes, const CODEPAGE& codepage) {
    std::string quoted = "\"";
    const std::optional<std::string> text = TEXTOFNAME(bytes, codepage);
    for (const char character : text ? std::string_view(*text) : bytes) {
        const auto byte = static_cast<unsigned char>(character);
        if (character == '"' || character == '\\') {
            quoted += '\\';
            quoted += character;
        } else if (CONTROL(byte) || (!text && byte >= 0x80)) {
            APPENDESCAPED(quoted, byte);
        } else {
            quoted += character;
        }
    }
    return quoted + "\"";
}

std::optional<std::string> PLAINTEXT(std::string_view bytes, const CODEPAGE& codepage) {
    if (bytes.empty() || bytes.front() == ' ' || bytes.back() == ' ' || bytes.front() == '"') {
        return std::nullopt;
    }
    for (const char byte : bytes) {
        if (CONTROL(static_cast<unsigned char>(byte))) return std::nullopt;
    }
    return TEXTOFNAME(bytes, codepage);
}

bool CURSOR::TAKE(std::string_view literal) {
    if (line_.substr(at_, literal.size()) != literal) return false;
    at_ += literal.size();
    return true;
}

bool CURSOR::INTEGER(std::int32_t& value) {
    std::size_t at = at_;
    const bool negative = at < line_.size() && line_[at] == '-';
    if (negative) ++at;
    const std::size_t digits = at;
    std::int64_t magnitude = 0;
    for (; at < line_.size() && line_[at] >= '0' && line_[at] <= '9'; ++at) {
        magnitude = magnitude * 10 + (line_[at] - '0');
        if (magnitude > std::int64_t{INT32_MAX} + 1) return false;
    }
    if (at == digits) return false;
    const std::int64_t signed_value = negative ? -magnitude : magnitude;
    if (signed_value > INT32_MAX) return false;
    value = static_cast<std::int32_t>(signed_value);
    at_ = at;
    return true;
}

std::string BYTESOFTEXT(std::string_view text, const CODEPAGE& codepage) {
    if (text.find('\0') != std::string_view::npos) ZEROBYTEFAULT();
    std::string bytes;
    std::uint32_t missing = 0;
    if (!NAMEOFTEXT(text, codepage, bytes, missing)) throw TEXTFAULT(NOPLACEFOR(missing, codepage));
    return bytes;
}

// Text between escapes is converted in runs, each as a whole.
bool CURSOR::QUOTED(std::string& bytes) {
    if (at_ >= line_.size() || line_[at_] != '"') return false;
    std::string out;
    std::string run;
    std::size_t bad_at = 0;
    for (std::size_t at = at_ + 1; at < line_.size(); ++at) {
        const char character = line_[at];
        if (character == '"') {
            out += BYTESOFTEXT(run, codepage_);
            bytes = std::move(out);
            at_ = at + 1;
            return true;
        }
        if (character != '\\') {
            run += character;
            continue;
        }
        if (at + 1 >= line_.size()) return false;
        const char escaped = line_[++at];
        if (escaped == '"' || escaped == '\\') {
            run += escaped;
        } else if (std::string byte; escaped == 'x' &&
                                     BYTESOFHEX(line_.substr(at + 1, 2), byte, bad_at) &&
                                     byte.size() == 1) {
            if (byte[0] == '\0') ZEROBYTEFAULT();
            out += BYTESOFTEXT(run, codepage_);
            run.clear();
            out += byte;
            at += 2;
        } else {
            return false;
        }
    }
    return false;
}

bool CURSOR::RESTOFLINE(std::string& bytes) {
    const std::size_t start = at_;
    if (QUOTED(bytes) && END()) return true;
    at_ = start;
    bytes = BYTESOFTEXT(line_.substr(at_), codepage_);
    at_ = line_.size();
    return true;
}

} // namespace PAGEWRIGHT
