#pragma once
// A program with the extraction window wired, on a headless desktop that outlives restarts, so
// that zov6.ini written by one run is read by the next.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "extract/extraction_window.h"
#include "platform/memory_platform.h"
#include "store/store.h"
#include "ui/program.h"

namespace velmora::extract::testing {

class ExtractFixture : public ::testing::Test {
protected:
    ExtractFixture() { desktop.set_now({2001, 5, 10, 9, 0, 0}); }

    // The program ends and starts again with the same directories and files.
    void restart() {
        program.reset();
        program = start();
    }

    ui::Form3& form() { return program->form3(); }

    // Opens the window as the main window's "Mail" menu does.
    void open_window() {
        show_extraction_window(*program);
        program->run_pending_activations();
    }

    void write_workfile(const std::string& name, const std::vector<std::string>& lines) {
        ASSERT_TRUE(store::write_lines(desktop.working_directory() / store::path_of(name), lines).ok);
    }

    std::vector<std::string> settings_file() {
        return store::read_lines(desktop.working_directory() / "zov6.ini")
            .value_or(std::vector<std::string>{});
    }

    platform::MemoryPlatform desktop;
    std::unique_ptr<ui::Program> program = start();

private:
    std::unique_ptr<ui::Program> start() {
        auto p = std::make_unique<ui::Program>(desktop);
        wire_extraction_window(*p);
        return p;
    }
};

}  // namespace velmora::extract::testing
