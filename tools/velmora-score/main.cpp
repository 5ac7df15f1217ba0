// velmora-score: recall and precision of an extractor on a folder of newsletters with their
// expected contests.
#include <iostream>
#include <string>
#include <vector>

#include "extract/generic/corpus_score.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto result = velmora::extract::generic::run_score(args);
    std::cout << result.out << std::flush;
    std::cerr << result.err << std::flush;
    return result.exit_code;
}
