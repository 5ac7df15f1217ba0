#pragma once
// A count of the basic steps the program's loops take: characters that a cut walks over, lines
// that a parser reads, rows that a procedure compares. Tests double an input and compare the
// counts, to show that the work grows at most linearly with it; nothing else reads them.
//
//   text::StepCount steps;  P117(x);  EXPECT_LE(steps.taken(), 10 * lines);

#include <cstdint>

namespace velmora::text {

namespace detail {
inline thread_local std::uint64_t g_steps = 0;
}  // namespace detail

// Adds steps to this thread's count.
inline void count_steps(std::uint64_t n) {
    detail::g_steps += n;
}

// The steps this thread has taken since it was made.
class StepCount {
public:
    StepCount() : m_start(detail::g_steps) {}
    std::uint64_t taken() const { return detail::g_steps - m_start; }

private:
    std::uint64_t m_start;
};

}  // namespace velmora::text
