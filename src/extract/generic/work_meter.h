#pragma once
// A count of the general extractor's elementary steps (lines visited, characters matched), so
// that a test can check that its work grows in step with the text and never faster.
//
//   reset_work(); find_contests(text); auto steps = work_done();

#include <cstddef>

namespace velmora::extract::generic {

void count_work(std::size_t steps);
std::size_t work_done();
void reset_work();

}  // namespace velmora::extract::generic
