// velmora-scenario FILE...: runs scenario files against the headless program.

#include <iostream>
#include <string>
#include <vector>

#include "shell/scenario/runner.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: velmora-scenario FILE...\n";
        return 2;
    }
    const std::vector<std::string> files(argv + 1, argv + argc);
    return velmora::shell::scenario::run_scenario_files(files, std::cout);
}
