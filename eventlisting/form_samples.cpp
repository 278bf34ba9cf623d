#include "form_parts.h"
#include "form_pattern.h"

#include <utility>

namespace PAGEWRIGHT {
namespace {

constexpr std::int32_t SAMPLENUMBER = 1;
constexpr const char* SAMPLETEXT = "Text";

// One way through the form so far.
struct DRAFT {
    std::vector<std::int32_t> parameters;
    std::size_t numbers_taken = 0;
    // Parameters that equal others, set once all are known.
    std::vector<std::pair<std::size_t, std::size_t>> same;
    bool text = false;
    bool steps = false;
};

class SAMPLER {
public:
    explicit SAMPLER(const std::vector<std::int32_t>& numbers) : numbers_(numbers) {}

    std::vector<DRAFT> THROUGH(const std::vector<PART>& parts, std::vector<DRAFT> drafts) const {
        for (const PART& part : parts)
            drafts = ACROSS(part, std::move(drafts));
        return drafts;
    }

private:
    std::vector<DRAFT> ACROSS(const PART& part, std::vector<DRAFT> drafts) const {
        if (part.kind == PARTKIND::GROUP) {
            std::vector<DRAFT> ways;
            for (const std::vector<PART>& alternative : part.alternatives) {
                for (DRAFT& way : THROUGH(alternative, drafts))
                    KEEP(ways, std::move(way));
            }
            return ways;
        }
        if (part.kind == PARTKIND::NUMBER && part.style == NUMBERSTYLE::WORDS) {
            std::vector<DRAFT> ways;
            for (const DRAFT& draft : drafts) {
                for (std::size_t word = 0; word < part.words.size(); ++word) {
                    DRAFT way = draft;
                    way.parameters[part.index] = static_cast<std::int32_t>(word);
                    KEEP(ways, std::move(way));
                }
            }
            return ways;
        }
        for (DRAFT& draft : drafts)
            FILL(part, draft);
        return drafts;
    }

    void FILL(const PART& part, DRAFT& draft) const {
        switch (part.kind) {
        case PARTKIND::NUMBER:
            draft.parameters[part.index] = draft.numbers_taken < numbers_.size()
                                               ? numbers_[draft.numbers_taken++]
                                               : SAMPLENUMBER;
            break;
        case PARTKIND::CONSTANT:
            draft.parameters[part.index] = part.value;
            break;
        case PARTKIND::SAME:
            draft.same.emplace_back(part.index, part.other);
            break;
        case PARTKIND::TEXT:
        case PARTKIND::QUOTEDTEXT:
            draft.text = true;
            break;
        case PARTKIND::STEPS:
            draft.steps = true;
            break;
        default:
            break;
        }
    }

    static void KEEP(std::vector<DRAFT>& ways, DRAFT way) {
        if (ways.size() < FORMPATTERN::MAXSAMPLES) ways.push_back(std::move(way));
    }

    const std::vector<std::int32_t>& numbers_;
};

} // namespace

std::vector<COMMANDVALUE> FORMPATTERN::SAMPLES(const std::vector<std::int32_t>& numbers) const {
    DRAFT start;
    start.parameters.resize(count_);
    std::vector<COMMANDVALUE> samples;
    for (DRAFT& draft : SAMPLER(numbers).THROUGH(parts_, {std::move(start)})) {
        for (const auto& [parameter, other] : draft.same)
            draft.parameters[parameter] = draft.parameters[other];
        COMMANDVALUE sample;
        sample.parameters = std::move(draft.parameters);
        if (draft.text) sample.text = SAMPLETEXT;
        if (draft.steps) sample.steps.emplace();
        samples.push_back(std::move(sample));
    }
    return samples;
}

} // namespace PAGEWRIGHT
