#pragma once
// The program as a whole: its windows wired to their subsystems, start-up and shutdown of the
// main window, its menus, panels and tray. A front end (or the scenario runner) creates one on a
// platform, calls start(), forwards the user's events to the windows, and ends with close().
//
//   platform::MemoryPlatform desktop;  shell::Application app(desktop);  app.start();

#include "ui/program.h"

namespace velmora::shell {

class Application {
public:
    explicit Application(platform::Platform& platform);

    ui::Program& program() { return m_program; }

    // Loads the main window: data files, panels, placement on top (Form_Load).
    void start();
    // The user closes the main window: the data files are saved and the program ends.
    void close();
    bool running() const { return m_program.running; }

private:
    ui::Program m_program;
};

}  // namespace velmora::shell
