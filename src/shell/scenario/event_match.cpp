#include "shell/scenario/event_match.h"

#include <algorithm>

#include "shell/scenario/script.h"

namespace velmora::shell::scenario {

bool event_line_matches(std::string_view expected, std::string_view actual) {
    const auto want = split_arguments(expected);
    const auto got = split_arguments(actual);
    if (!want || !got) {
        return expected == actual;
    }
    if (want->size() != got->size()) {
        return false;
    }
    for (std::size_t i = 0; i < want->size(); ++i) {
        const Arg& w = (*want)[i];
        const Arg& g = (*got)[i];
        if (!w.quoted && w.text == "*") {
            continue;
        }
        if (w.quoted != g.quoted || w.text != g.text) {
            return false;
        }
    }
    return true;
}

long first_event_mismatch(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
    const std::size_t n = std::min(expected.size(), actual.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!event_line_matches(expected[i], actual[i])) {
            return static_cast<long>(i);
        }
    }
    return expected.size() == actual.size() ? -1 : static_cast<long>(n);
}

}  // namespace velmora::shell::scenario
