// Runs every newsletter sample in tests/data/newsletters/ through its format's parser and
// compares the three lists row by row with the sample's .expect file (see newsletter_samples.h).
#include <gtest/gtest.h>

#include "formats/newsletter_samples.h"
#include "formats/parsers.h"
#include "ledger/shared_procedures.h"
#include "platform/memory_platform.h"

namespace velmora::formats {
namespace {

using namespace velmora::testing;

TEST(NewsletterSamples, EverySampleGivesItsExpectedLists) {
    int checked = 0;
    for (const fs::path& expect_file : expectation_files()) {
        const fs::path sample = fs::path(expect_file).replace_extension(".txt");
        ASSERT_TRUE(fs::exists(sample)) << sample;
        const Expectation e = read_expectation(expect_file);
        const Parser parser = parser_for(e.code);
        ASSERT_NE(parser, nullptr) << expect_file << ": no parser for format " << e.code;

        platform::MemoryPlatform platform;
        platform.set_now(e.now);
        platform.set_clipboard_text(clipboard_text_of(sample));
        ui::Form3 form;
        form.Today = ledger::today_text(e.now);
        extract::Primitives x(form, platform);
        parser(x);

        const std::string name = sample.filename().string();
        expect_rows("List1", e.lists[0], form.List1.rows().to_vector(), name);
        expect_rows("List2", e.lists[1], form.List2.rows().to_vector(), name);
        expect_rows("List3", e.lists[2], form.List3.rows().to_vector(), name);
        ++checked;
    }
    SUCCEED() << checked << " samples";
}

}  // namespace
}  // namespace velmora::formats
