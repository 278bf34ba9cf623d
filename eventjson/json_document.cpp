#include "json_document.h"

#include "event_json.h"
#include "json_pointer.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace PAGEWRIGHT {
namespace {

using JSON = nlohmann::json;

// "line L, column C" of the character that the parser read last, given as
// the count of characters read.
std::string LINEANDCOLUMN(std::string_view text, std::size_t read) {
    read = std::clamp<std::size_t>(read, 1, text.size() + 1);
    const std::string_view before = text.substr(0, read - 1);
    const std::size_t line_start = before.rfind('\n') + 1; // npos + 1 is 0
    return "line " + std::to_string(std::count(before.begin(), before.end(), '\n') + 1) +
           ", column " + std::to_string(read - line_start);
}

// The library's message without its "[json.exception.…] parse error at …:"
// lead, which names the place in its own way.
std::string REASON(const JSON::exception& error) {
    std::string_view what = error.what();
    const std::size_t tag_end = what.find("] ");
    if (tag_end != std::string_view::npos) what.remove_prefix(tag_end + 2);
    if (what.rfind("parse error", 0) == 0) {
        const std::size_t colon = what.find(": ");
        if (colon != std::string_view::npos) what.remove_prefix(colon + 2);
    }
    return std::string(what);
}

// Builds the document from the parser's events, as the library's own
// builder does, and checks keys and depth on the way.
class BUILDER : public nlohmann::json_sax<JSON> {
public:
    explicit BUILDER(std::string_view text) : text_(text) {}

    JSON document;

    bool null() override { return PLACE(nullptr) != nullptr; }
    bool boolean(bool value) override { return PLACE(value) != nullptr; }
    bool number_integer(number_integer_t value) override { return PLACE(value) != nullptr; }
    bool number_unsigned(number_unsigned_t value) override { return PLACE(value) != nullptr; }
    bool number_float(number_float_t value, const string_t&) override {
        return PLACE(value) != nullptr;
    }
    bool string(string_t& value) override { return PLACE(std::move(value)) != nullptr; }
    bool binary(binary_t& value) override {
        return PLACE(JSON::binary(std::move(value))) != nullptr;
    }

    bool start_object(std::size_t) override { return OPEN(JSON::object()); }
    bool start_array(std::size_t) override { return OPEN(JSON::array()); }
    bool end_object() override { return CLOSE(); }
    bool end_array() override { return CLOSE(); }

    bool key(string_t& key) override {
        if (open_.back().value->contains(key)) {
            std::string pointer = POINTER();
            APPENDKEY(pointer, key);
            throw JSONERROR(pointer, "the key comes twice");
        }
        key_ = std::move(key);
        return true;
    }

    bool parse_error(std::size_t position, const std::string&,
                     const JSON::exception& error) override {
        throw JSONERROR(LINEANDCOLUMN(text_, position), REASON(error));
    }

private:
    // A container being filled, and where it stands in its own container.
    struct OPENED {
        JSON* value;
        std::string key;
        std::size_t index;
        bool in_array;
    };

    std::string_view text_;
    std::vector<OPENED> open_;
    std::string key_;

    // Puts the value into the container being filled (under the last key
    // read, or at the end), or makes it the document. A container's address
    // stays valid while it is open: only the innermost one grows.
    JSON* PLACE(JSON value) {
        if (open_.empty()) {
            document = std::move(value);
            return &document;
        }
        JSON& container = *open_.back().value;
        if (container.is_object()) return &(container[key_] = std::move(value));
        container.push_back(std::move(value));
        return &container.back();
    }

    bool OPEN(JSON container) {
        OPENED opened{nullptr, {}, 0, false};
        if (!open_.empty()) {
            const JSON& outer = *open_.back().value;
            opened.in_array = outer.is_array();
            opened.index = outer.size();
            if (!opened.in_array) opened.key = key_;
        }
        if (open_.size() == static_cast<std::size_t>(MAXJSONDEPTH)) {
            open_.push_back(std::move(opened));
            throw JSONERROR(WHERE(POINTER()),
                            "nested deeper than " + std::to_string(MAXJSONDEPTH) + " levels");
        }
        opened.value = PLACE(std::move(container));
        open_.push_back(std::move(opened));
        return true;
    }

    bool CLOSE() {
        open_.pop_back();
        return true;
    }

    // The pointer of the innermost open container.
    std::string POINTER() const {
        std::string pointer;
        for (std::size_t level = 1; level < open_.size(); ++level) {
            const OPENED& opened = open_[level];
            if (opened.in_array) {
                pointer += '/' + std::to_string(opened.index);
            } else {
                APPENDKEY(pointer, opened.key);
            }
        }
        return pointer;
    }
};

} // namespace

bool ISJSON(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return false;
    return text[first] == '{' || (text[first] == '[' && JSON::accept(text.begin(), text.end()));
}

JSON PARSEDOCUMENT(std::string_view text) {
    BUILDER builder(text);
    JSON::sax_parse(text.begin(), text.end(), &builder);
    return std::move(builder.document);
}

} // namespace PAGEWRIGHT
