// velmora-extract: prints the contests of a saved newsletter, parsed by one format's parser.
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "extract/command_line_extractor.h"

int main(int argc, char** argv) {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);  // the bytes tell the encoding; no line-end translation
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto result =
        velmora::extract::run_extractor(args, std::cin, velmora::extract::current_local_time());
    std::cout << result.out << std::flush;
    std::cerr << result.err << std::flush;
    return result.exit_code;
}
