#include "extract/generic/work_meter.h"

namespace velmora::extract::generic {
namespace {

// One count per thread: extractions on different threads do not mix their steps.
thread_local std::size_t g_steps = 0;

}  // namespace

void count_work(std::size_t steps) {
    g_steps += steps;
}

std::size_t work_done() {
    return g_steps;
}

void reset_work() {
    g_steps = 0;
}

}  // namespace velmora::extract::generic
