#include "form_pattern.h"

#include "command_forms.h"
#include "event_codes.h"
#include "form_parts.h"
#include "id_words.h"
#include "route_words.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace PAGEWRIGHT {
namespace {

// The characters who may be named instead of an event's id, in the order of
// their targets, the last of which is the event's own.
constexpr const char* TARGETWORDS[] = {"Hero", "Boat", "Ship", "Airship", "This Event"};
constexpr std::int32_t FIRSTNAMEDTARGET =
    KESTREL::OWNEVENTTARGET + 1 - static_cast<std::int32_t>(std::size(TARGETWORDS));

// What a variable's id and a variable's variable are written as.
constexpr const char* VARIABLELEAD = "V";
constexpr const char* REFERENCELEAD = "V[V";
constexpr const char* REFERENCEEND = "]";
constexpr const char* TAILLEAD = " +[";
constexpr const char* TAILSEPARATOR = ", ";
constexpr const char* TAILEND = "]";

[[noreturn]] void BADPATTERN(std::string_view pattern, const std::string& what) {
    throw std::logic_error("command form \"" + std::string(pattern) + "\": " + what);
}

std::size_t INDEXOF(std::string_view pattern, std::string_view digits, std::size_t offset) {
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        BADPATTERN(pattern, "no parameter number in \"" + std::string(digits) + "\"");
    }
    return static_cast<std::size_t>(std::stoul(std::string(digits))) + offset;
}

std::vector<std::string> SPLITWORDS(std::string_view style) {
    std::vector<std::string> words;
    for (std::size_t start = 0;;) {
        const std::size_t bar = style.find('|', start);
        words.emplace_back(style.substr(start, bar - start));
        if (bar == std::string_view::npos) return words;
        start = bar + 1;
    }
}

void NUMBERSTYLEOF(std::string_view pattern, std::string_view style, PART& part) {
    if (style == "int") return;
    if (style == "tenths") {
        part.style = NUMBERSTYLE::TENTHS;
        return;
    }
    if (style == "target") {
        part.style = NUMBERSTYLE::TARGET;
        return;
    }
    for (const IDLIST& list : IDLISTS) {
        if (style == list.word) {
            part.style = NUMBERSTYLE::ID;
            part.id = list.kind;
            return;
        }
    }
    if (style.find('|') == std::string_view::npos) {
        BADPATTERN(pattern, "no style \"" + std::string(style) + "\"");
    }
    part.style = NUMBERSTYLE::WORDS;
    part.words = SPLITWORDS(style);
}

std::vector<PART> COMPILE(std::string_view pattern, std::size_t offset);

PART SLOTOF(std::string_view pattern, std::string_view body, std::size_t offset) {
    PART part;
    if (body == "s") {
        part.kind = PARTKIND::TEXT;
    } else if (body == "s:quoted") {
        part.kind = PARTKIND::QUOTEDTEXT;
    } else if (body == "route") {
        part.kind = PARTKIND::STEPS;
    } else if (body.front() == '>') {
        part.kind = PARTKIND::GROUP;
        const std::size_t plus = body.find('+');
        const std::string_view name =
            body.substr(1, plus == std::string_view::npos ? plus : plus - 1);
        const std::size_t raised =
            offset +
            (plus == std::string_view::npos ? 0 : INDEXOF(pattern, body.substr(plus + 1), 0));
        const std::vector<const char*>* alternatives = NAMEDGROUP(name);
        if (!alternatives) BADPATTERN(pattern, "no group named " + std::string(name));
        for (const char* alternative : *alternatives)
            part.alternatives.push_back(COMPILE(alternative, raised));
    } else if (const std::size_t equals = body.find('=');
               equals != std::string_view::npos && equals < body.find(':')) {
        part.index = INDEXOF(pattern, body.substr(0, equals), offset);
        const std::string_view value = body.substr(equals + 1);
        if (value == "case") {
            part.kind = PARTKIND::CASEINDEX;
        } else if (!value.empty() && value.front() == '$') {
            part.kind = PARTKIND::SAME;
            part.other = INDEXOF(pattern, value.substr(1), offset);
        } else {
            part.kind = PARTKIND::CONSTANT;
            part.value = static_cast<std::int32_t>(std::stol(std::string(value)));
        }
    } else if (const std::size_t colon = body.find(':'); colon != std::string_view::npos) {
        part.kind = PARTKIND::NUMBER;
        part.index = INDEXOF(pattern, body.substr(0, colon), offset);
        std::string_view style = body.substr(colon + 1);
        if (const std::size_t question = style.rfind('?'); question != std::string_view::npos) {
            part.selected = true;
            part.selector = INDEXOF(pattern, style.substr(question + 1), offset);
            style = style.substr(0, question);
        }
        NUMBERSTYLEOF(pattern, style, part);
    } else {
        BADPATTERN(pattern, "no slot \"" + std::string(body) + "\"");
    }
    return part;
}

std::vector<PART> COMPILE(std::string_view pattern, std::size_t offset) {
    std::vector<PART> parts;
    for (std::size_t at = 0; at < pattern.size();) {
        if (pattern[at] != '{') {
            const std::size_t next = std::min(pattern.find('{', at), pattern.size());
            PART literal;
            literal.literal = pattern.substr(at, next - at);
            parts.push_back(std::move(literal));
            at = next;
            continue;
        }
        const std::size_t close = pattern.find('}', at);
        if (close == std::string_view::npos) BADPATTERN(pattern, "a slot is not closed");
        parts.push_back(SLOTOF(pattern, pattern.substr(at + 1, close - at - 1), offset));
        at = close + 1;
    }
    return parts;
}

// The number of parameters the parts name, one more than the highest.
void COUNTNAMED(const std::vector<PART>& parts, std::size_t& count) {
    for (const PART& part : parts) {
        switch (part.kind) {
        case PARTKIND::NUMBER:
            count = std::max({count, part.index + 1, part.selected ? part.selector + 1 : 0});
            break;
        case PARTKIND::CONSTANT:
        case PARTKIND::CASEINDEX:
            count = std::max(count, part.index + 1);
            break;
        case PARTKIND::SAME:
            count = std::max({count, part.index + 1, part.other + 1});
            break;
        case PARTKIND::GROUP:
            for (const std::vector<PART>& alternative : part.alternatives)
                COUNTNAMED(alternative, count);
            break;
        default:
            break;
        }
    }
}

bool ENDSLINE(const std::vector<PART>& parts) {
    for (const PART& part : parts) {
        if (part.kind == PARTKIND::TEXT || part.kind == PARTKIND::STEPS) return true;
        for (const std::vector<PART>& alternative : part.alternatives) {
            if (ENDSLINE(alternative)) return true;
        }
    }
    return false;
}

// What the writing of one line has so far: the parameters it wrote, or that
// the pattern fixed.
struct WRITING {
    const COMMANDVALUE& command;
    const LINESETTINGS& settings;
    std::vector<bool> named;
    std::string text;
};

std::string TENTHSTEXT(std::int32_t tenths) {
    const std::int64_t value = tenths;
    const std::int64_t magnitude = value < 0 ? -value : value;
    return (value < 0 ? "-" : "") + std::to_string(magnitude / 10) + "." +
           std::to_string(magnitude % 10);
}

bool WRITEVALUE(const PART& part, std::int32_t value, WRITING& writing) {
    switch (part.style) {
    case NUMBERSTYLE::INT:
        writing.text += std::to_string(value);
        return true;
    case NUMBERSTYLE::TENTHS:
        writing.text += TENTHSTEXT(value);
        return true;
    case NUMBERSTYLE::ID:
        writing.text += IDTEXT(part.id, value, writing.settings.names);
        return true;
    case NUMBERSTYLE::TARGET:
        if (value >= FIRSTNAMEDTARGET && value <= KESTREL::OWNEVENTTARGET) {
            writing.text += TARGETWORDS[value - FIRSTNAMEDTARGET];
        } else {
            writing.text += IDTEXT(IDKIND::MAPEVENT, value, writing.settings.names);
        }
        return true;
    case NUMBERSTYLE::WORDS:
        if (value < 0 || static_cast<std::size_t>(value) >= part.words.size()) return false;
        writing.text += part.words[static_cast<std::size_t>(value)];
        return true;
    }
    return false;
}

bool WRITEPARTS(const std::vector<PART>& parts, WRITING& writing);

bool WRITEPART(const PART& part, WRITING& writing) {
    const std::vector<std::int32_t>& parameters = writing.command.parameters;
    const auto name = [&](std::size_t index) { writing.named[index] = true; };
    switch (part.kind) {
    case PARTKIND::LITERAL:
        writing.text += part.literal;
        return true;
    case PARTKIND::CONSTANT:
        name(part.index);
        return parameters[part.index] == part.value;
    case PARTKIND::SAME:
        name(part.index);
        return parameters[part.index] == parameters[part.other];
    case PARTKIND::CASEINDEX:
        name(part.index);
        return parameters[part.index] == writing.settings.cases;
    case PARTKIND::QUOTEDTEXT:
        writing.text += QUOTEDTEXT(writing.command.text, writing.settings.codepage);
        return true;
    case PARTKIND::TEXT: {
        std::optional<std::string> plain;
        if (!writing.settings.quote_texts)
            plain = PLAINTEXT(writing.command.text, writing.settings.codepage);
        writing.text +=
            plain ? *plain : QUOTEDTEXT(writing.command.text, writing.settings.codepage);
        return true;
    }
    case PARTKIND::STEPS:
        if (!writing.command.steps) return false;
        writing.text += STEPSTEXT(*writing.command.steps, writing.settings);
        return true;
    case PARTKIND::NUMBER: {
        name(part.index);
        const std::int32_t value = parameters[part.index];
        if (!part.selected) return WRITEVALUE(part, value, writing);
        name(part.selector);
        switch (parameters[part.selector]) {
        case 0:
            return WRITEVALUE(part, value, writing);
        case 1:
            writing.text += VARIABLELEAD + IDTEXT(IDKIND::VARIABLE, value, writing.settings.names);
            return true;
        case 2:
            writing.text += REFERENCELEAD +
                            IDTEXT(IDKIND::VARIABLE, value, writing.settings.names) + REFERENCEEND;
            return true;
        default:
            return false;
        }
    }
    case PARTKIND::GROUP:
        for (const std::vector<PART>& alternative : part.alternatives) {
            WRITING attempt = writing;
            if (WRITEPARTS(alternative, attempt)) {
                writing.named = std::move(attempt.named);
                writing.text = std::move(attempt.text);
                return true;
            }
        }
        return false;
    }
    return false;
}

bool WRITEPARTS(const std::vector<PART>& parts, WRITING& writing) {
    for (const PART& part : parts) {
        if (!WRITEPART(part, writing)) return false;
    }
    return true;
}

// What the reading of one line has so far. Constraints are applied once the
// whole line has been read, when every parameter they refer to is known.
struct READING {
    std::vector<std::int32_t> parameters;
    std::vector<bool> named;
    std::string text;
    std::optional<STEPS> steps;
    std::vector<const PART*> constraints;
};

using FRAMES = std::vector<std::pair<const std::vector<PART>*, std::size_t>>;

class LINEREADER {
public:
    LINEREADER(CURSOR& cursor, int cases, std::size_t count, bool tail_allowed)
        : cursor_(cursor), cases_(cases), count_(count), tail_allowed_(tail_allowed) {}

    bool READ(FRAMES frames, READING reading, READING& result) {
        while (!frames.empty() && frames.back().second == frames.back().first->size())
            frames.pop_back();
        if (frames.empty()) return FINISH(std::move(reading), result);
        const PART& part = (*frames.back().first)[frames.back().second++];
        const std::size_t start = cursor_.POSITION();
        switch (part.kind) {
        case PARTKIND::LITERAL:
            return cursor_.TAKE(part.literal) &&
                   READ(std::move(frames), std::move(reading), result);
        case PARTKIND::CONSTANT:
        case PARTKIND::SAME:
        case PARTKIND::CASEINDEX:
            reading.named[part.index] = true;
            reading.constraints.push_back(&part);
            return READ(std::move(frames), std::move(reading), result);
        case PARTKIND::QUOTEDTEXT:
            return cursor_.QUOTED(reading.text) &&
                   READ(std::move(frames), std::move(reading), result);
        case PARTKIND::TEXT:
            return READTEXT(std::move(frames), std::move(reading), result);
        case PARTKIND::STEPS:
            reading.steps.emplace();
            return READSTEPS(cursor_, *reading.steps) &&
                   READ(std::move(frames), std::move(reading), result);
        case PARTKIND::NUMBER:
            return READNUMBER(part, std::move(frames), std::move(reading), result);
        case PARTKIND::GROUP:
            for (const std::vector<PART>& alternative : part.alternatives) {
                FRAMES inner = frames;
                inner.emplace_back(&alternative, 0);
                if (READ(std::move(inner), reading, result)) return true;
                cursor_.MOVETO(start);
            }
            return false;
        }
        return false;
    }

private:
    // A text runs up to the literal text that ends the line.
    bool READTEXT(FRAMES frames, READING reading, READING& result) {
        std::string suffix;
        for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame) {
            for (std::size_t i = frame->second; i < frame->first->size(); ++i) {
                const PART& following = (*frame->first)[i];
                if (following.kind == PARTKIND::LITERAL) suffix += following.literal;
            }
        }
        const std::string_view rest = cursor_.REST();
        if (rest.size() < suffix.size() || rest.substr(rest.size() - suffix.size()) != suffix) {
            return false;
        }
        const std::string_view body = rest.substr(0, rest.size() - suffix.size());
        CURSOR text(body, CODEPAGEOF());
        text.RESTOFLINE(reading.text);
        cursor_.MOVETO(cursor_.POSITION() + body.size());
        return READ(std::move(frames), std::move(reading), result);
    }

    bool READNUMBER(const PART& part, FRAMES frames, READING reading, READING& result) {
        const std::size_t start = cursor_.POSITION();
        reading.named[part.index] = true;
        if (part.selected) {
            reading.named[part.selector] = true;
            std::int32_t id = 0;
            if (cursor_.TAKE(REFERENCELEAD) && READID(cursor_, id) && cursor_.TAKE(REFERENCEEND)) {
                if (ACCEPT(part, id, 2, frames, reading, result)) return true;
            }
            cursor_.MOVETO(start);
            if (cursor_.TAKE(VARIABLELEAD) && READID(cursor_, id)) {
                if (ACCEPT(part, id, 1, frames, reading, result)) return true;
            }
            cursor_.MOVETO(start);
        }
        if (part.style == NUMBERSTYLE::WORDS) {
            // Longer words first, so that one is not read as the start of another.
            std::vector<std::size_t> order(part.words.size());
            for (std::size_t i = 0; i < order.size(); ++i)
                order[i] = i;
            std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
                return part.words[a].size() > part.words[b].size();
            });
            for (const std::size_t value : order) {
                cursor_.MOVETO(start);
                if (cursor_.TAKE(part.words[value]) &&
                    ACCEPT(part, static_cast<std::int32_t>(value), 0, frames, reading, result)) {
                    return true;
                }
            }
            cursor_.MOVETO(start);
            return false;
        }
        std::int32_t value = 0;
        if (!READVALUE(part, value)) return false;
        return ACCEPT(part, value, 0, std::move(frames), std::move(reading), result);
    }

    bool READVALUE(const PART& part, std::int32_t& value) {
        switch (part.style) {
        case NUMBERSTYLE::INT:
            return cursor_.INTEGER(value);
        case NUMBERSTYLE::TENTHS:
            return READTENTHS(value);
        case NUMBERSTYLE::ID:
            return READID(cursor_, value);
        case NUMBERSTYLE::TARGET:
            for (std::int32_t target = FIRSTNAMEDTARGET; target <= KESTREL::OWNEVENTTARGET;
                 ++target) {
                if (cursor_.TAKE(TARGETWORDS[target - FIRSTNAMEDTARGET])) {
                    value = target;
                    return true;
                }
            }
            return READID(cursor_, value);
        case NUMBERSTYLE::WORDS:
            return false;
        }
        return false;
    }

    // Whole seconds, a point and one digit of tenths, as TENTHSTEXT writes.
    bool READTENTHS(std::int32_t& value) {
        const std::string_view rest = cursor_.REST();
        const std::size_t sign = rest.substr(0, 1) == "-" ? 1 : 0;
        const std::size_t point = rest.find_first_not_of("0123456789", sign);
        constexpr std::size_t MOSTDIGITS = 9;
        if (point == std::string_view::npos || point == sign || point - sign > MOSTDIGITS ||
            rest[point] != '.' || point + 1 >= rest.size() || rest[point + 1] < '0' ||
            rest[point + 1] > '9') {
            return false;
        }
        const std::int64_t tenths =
            std::stoll(std::string(rest.substr(sign, point - sign))) * 10 + (rest[point + 1] - '0');
        const std::int64_t signed_tenths = sign ? -tenths : tenths;
        if (signed_tenths < INT32_MIN || signed_tenths > INT32_MAX) return false;
        value = static_cast<std::int32_t>(signed_tenths);
        cursor_.MOVETO(cursor_.POSITION() + point + 2);
        return true;
    }

    bool ACCEPT(const PART& part, std::int32_t value, std::int32_t selection, FRAMES frames,
                READING reading, READING& result) {
        reading.parameters[part.index] = value;
        if (part.selected) reading.parameters[part.selector] = selection;
        return READ(std::move(frames), std::move(reading), result);
    }

    // The tail of parameters past the form's own, the line's end, and the
    // constraints.
    bool FINISH(READING reading, READING& result) {
        if (tail_allowed_ && cursor_.TAKE(TAILLEAD)) {
            for (bool first = true; !cursor_.TAKE(TAILEND); first = false) {
                std::int32_t value = 0;
                if ((!first && !cursor_.TAKE(TAILSEPARATOR)) || !cursor_.INTEGER(value))
                    return false;
                reading.parameters.push_back(value);
            }
            if (reading.parameters.size() == count_) return false;
        }
        if (!cursor_.END()) return false;
        for (const PART* constraint : reading.constraints) {
            std::int32_t& parameter = reading.parameters[constraint->index];
            switch (constraint->kind) {
            case PARTKIND::CONSTANT:
                parameter = constraint->value;
                break;
            case PARTKIND::SAME:
                parameter = reading.parameters[constraint->other];
                break;
            default:
                parameter = cases_;
                break;
            }
        }
        result = std::move(reading);
        return true;
    }

    const CODEPAGE& CODEPAGEOF() const { return cursor_.CODEPAGEOF(); }

    CURSOR& cursor_;
    int cases_;
    std::size_t count_;
    bool tail_allowed_;
};

} // namespace

FORMPATTERN::FORMPATTERN(std::string_view pattern) : parts_(COMPILE(pattern, 0)) {
    COUNTNAMED(parts_, count_);
    tail_allowed_ = !ENDSLINE(parts_);
    if (!parts_.empty() && parts_.front().kind == PARTKIND::LITERAL) lead_ = parts_.front().literal;
}

FORMPATTERN::~FORMPATTERN() = default;
FORMPATTERN::FORMPATTERN(FORMPATTERN&&) noexcept = default;

std::optional<std::string> FORMPATTERN::WRITE(const COMMANDVALUE& command,
                                              const LINESETTINGS& settings, bool with_tail) const {
    const std::vector<std::int32_t>& parameters = command.parameters;
    if (parameters.size() < count_) return std::nullopt;
    if (parameters.size() > count_ && !(with_tail && tail_allowed_)) return std::nullopt;
    WRITING writing{command, settings, std::vector<bool>(count_), {}};
    if (!WRITEPARTS(parts_, writing)) return std::nullopt;
    for (std::size_t i = 0; i < count_; ++i) {
        if (!writing.named[i] && parameters[i] != 0) return std::nullopt;
    }
    if (parameters.size() > count_) {
        writing.text += TAILLEAD;
        for (std::size_t i = count_; i < parameters.size(); ++i)
            writing.text += (i > count_ ? TAILSEPARATOR : "") + std::to_string(parameters[i]);
        writing.text += TAILEND;
    }
    return writing.text;
}

bool FORMPATTERN::READ(CURSOR& cursor, int cases, COMMANDVALUE& command) const {
    const std::size_t start = cursor.POSITION();
    READING reading{std::vector<std::int32_t>(count_), std::vector<bool>(count_), {}, {}, {}};
    READING result;
    LINEREADER reader(cursor, cases, count_, tail_allowed_);
    if (!reader.READ({{&parts_, 0}}, std::move(reading), result)) {
        cursor.MOVETO(start);
        return false;
    }
    command.parameters = std::move(result.parameters);
    command.text = std::move(result.text);
    command.steps = std::move(result.steps);
    return true;
}

} // namespace PAGEWRIGHT
