// Peak memory of one figure: runs it once in this process and prints the resident high-water
// mark (getrusage ru_maxrss) in KiB. bench/run starts one process per figure.
//
//   velmora_bench_memory prepare DIR     writes the heavy user's files and import text to DIR
//   velmora_bench_memory startup DIR     start and close of the main window over those files
//   velmora_bench_memory check DIR       start, one stock check, close
//   velmora_bench_memory import DIR      start, the import of 1,000 contests, close
//   velmora_bench_memory parse CODE      one parse of a 200,000-line newsletter
//   velmora_bench_memory auto|generic    自動判別 once on format 117's 200,000-line newsletter, or 汎用
//                                        once on the general extractor's corpus at that size
//   velmora_bench_memory baseline        nothing (the process's own size)

#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "heavy_user.h"
#include "ledger/contest_check.h"
#include "ledger/shared_procedures.h"
#include "newsletter_generator.h"
#include "workloads.h"

namespace {

using namespace velmora;

std::string read_file(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void prepare(const std::filesystem::path& dir) {
    const bench::HeavyUser user = bench::heavy_user(bench::kSeed);
    std::filesystem::create_directories(dir);
    bench::write_files(user, dir);
    std::ofstream(dir / "import.txt", std::ios::binary) << bench::import_text(user);
    std::ofstream(dir / "contest.txt", std::ios::binary) << user.new_contest;
}

// Starts the program over the prepared files, runs the work, closes it.
template <class Work>
bool with_program(const std::filesystem::path& dir, Work work) {
    platform::MemoryPlatform desktop;
    for (const auto& file : bench::start_files(dir)) {
        std::filesystem::copy_file(file, desktop.program_directory() / file.filename());
    }
    shell::Application app(desktop);
    app.start();
    ui::Program& program = app.program();
    for (int i = 0; i < 4; ++i) {
        program.form3().mn3[i].set_checked(false);
    }
    work(program, desktop);
    app.close();
    return program.form1.List1.count() > 0 && !desktop.unanswered();
}

bool run(const std::string& figure, const std::string& argument) {
    if (figure == "prepare") {
        prepare(argument);
        return true;
    }
    if (figure == "startup") {
        return with_program(argument, [](ui::Program&, platform::Platform&) {});
    }
    if (figure == "check") {
        const std::string contest = read_file(std::filesystem::path(argument) / "contest.txt");
        return with_program(argument, [&](ui::Program& program, platform::Platform& desktop) {
            ledger::CopyText(desktop, contest);
            ledger::CheckHistory(program, ledger::kStockCheck);
        });
    }
    if (figure == "import") {
        const std::string text = read_file(std::filesystem::path(argument) / "import.txt");
        return with_program(argument, [&](ui::Program& program, platform::Platform& desktop) {
            ledger::CopyText(desktop, text);
            ledger::ImportItem(program);
        });
    }
    if (figure == "parse") {
        const int code = std::stoi(argument);
        bench::ParseRun parse(bench::newsletter(code, bench::kNewsletterLines, bench::kSeed));
        return parse.parse(code) > 0;
    }
    if (figure == "auto" || figure == "generic") {
        if (figure == "auto") {
            bench::ChoiceRun choice(bench::newsletter(117, bench::kNewsletterLines, bench::kSeed));
            return choice.choose_automatically() > 0;
        }
        bench::ChoiceRun choice(bench::foreign_newsletter(bench::kNewsletterLines));
        return choice.choose_generic() > 0;
    }
    return figure == "baseline";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: velmora_bench_memory FIGURE [ARGUMENT]\n");
        return 2;
    }
    const std::string figure = argv[1];
    const bool ok = run(figure, argc > 2 ? argv[2] : "");
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%s %ld\n", figure.c_str(), usage.ru_maxrss);
    return ok ? 0 : 1;
}
