#pragma once
// One program, one set of files: a second start of the program from the same folder, while one
// runs, brings the running one to the front and exits, so that two programs never overwrite
// each other's history at shutdown. The claim is an exclusive lock on a file in the program's
// folder, held for as long as the program runs: it covers every session of the machine, and no
// program can take it first without access to that folder.

#include <windows.h>

#include <filesystem>

namespace velmora::win32 {

// The lock file in the program's folder.
inline constexpr const wchar_t* kLockFileName = L"velmora.lock";

class SingleInstance {
public:
    // Claims the program's folder for this process.
    explicit SingleInstance(const std::filesystem::path& program_directory);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another process holds the folder's lock (another copy of the program runs from
    // it). A lock that cannot be made at all (a folder without write access) does not stop the
    // program: its saves then tell what they could not write.
    bool first() const { return m_first; }

private:
    HANDLE m_lock = INVALID_HANDLE_VALUE;
    bool m_first = true;
};

// Brings a visible window of the running program to the front: a window of the program's class
// whose process runs an executable from the same folder. False when there is none (the running
// program is hidden in the notification area, or the window of that class is another program's).
bool bring_running_program_to_front(const wchar_t* window_class,
                                    const std::filesystem::path& program_directory);

}  // namespace velmora::win32
