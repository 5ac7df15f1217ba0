#pragma once
// One program, one set of files: a second start of the program from the same folder, while one
// runs, brings the running one to the front and exits, so that two programs never overwrite
// each other's history at shutdown.

#include <windows.h>

#include <filesystem>

namespace velmora::win32 {

class SingleInstance {
public:
    // Claims the program's folder for this process.
    explicit SingleInstance(const std::filesystem::path& program_directory);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another process of the program already runs from the same folder.
    bool first() const { return m_first; }

private:
    HANDLE m_mutex = nullptr;
    bool m_first = true;
};

// Brings a visible window of the running program to the front; false when none is visible
// (the running program is hidden in the notification area).
bool bring_running_program_to_front(const wchar_t* window_class);

}  // namespace velmora::win32
