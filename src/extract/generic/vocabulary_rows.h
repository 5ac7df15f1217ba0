#pragma once
// The rows of the vocabulary tables (see vocabulary.h): per kind, its words separated by blanks.
//
//   for (const auto& row : label_rows()) { row.kind; row.words; }

#include <string_view>
#include <vector>

#include "extract/generic/vocabulary.h"

namespace velmora::extract::generic {

template <typename Kind>
struct Row {
    Kind kind;
    std::string_view words;
};

const std::vector<Row<Label>>& label_rows();
const std::vector<Row<DateWord>>& date_word_rows();
const std::vector<Row<Cue>>& cue_rows();
const std::vector<std::string_view>& counter_words();

}  // namespace velmora::extract::generic
