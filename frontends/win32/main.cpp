// The Windows program: the desktop platform, the application on it, its windows drawn natively,
// and the message loop until the main window closes.

#include <windows.h>

#include <commctrl.h>

#include "renderer.h"
#include "shell/application.h"
#include "single_instance.h"
#include "trace.h"
#include "win32_platform.h"

namespace {

void init_common_controls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_DATE_CLASSES;
    InitCommonControlsEx(&controls);
}

int run_message_loop(const velmora::win32::Renderer& renderer) {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        velmora::win32::trace_input(msg);
        // Tab and the arrow keys move between the controls of the program's windows.
        HWND active = GetActiveWindow();
        if (active != nullptr && renderer.owns(active) && IsDialogMessageW(active, &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
#if defined(VELMORA_TRACE)
    velmora::win32::start_trace_from_environment();
#endif
    init_common_controls();
    velmora::win32::Win32Platform desktop;
    const velmora::win32::SingleInstance instance(desktop.program_directory());
    if (!instance.first()) {
        if (!velmora::win32::bring_running_program_to_front(velmora::win32::kWindowClass,
                                                            desktop.program_directory())) {
            MessageBoxW(nullptr, L"Velmora は既に起動しています（通知領域をご覧ください）。", L"Velmora",
                        MB_OK);
        }
        return 0;
    }
    velmora::shell::Application app(desktop);
    velmora::win32::Renderer renderer(app.program());
    desktop.set_window_lookup([&renderer](std::string_view name) { return renderer.hwnd_of(name); });
    desktop.set_caption_sync([&renderer] { renderer.sync_captions(); });
    if (!renderer.create_windows()) {
        MessageBoxW(nullptr, L"The windows could not be created.", L"Velmora", MB_OK | MB_ICONERROR);
        return 1;
    }
    renderer.on_main_close = [&app] { app.close(); };
    renderer.dispatch([&app] { app.start(); });
    // A program that has just started is the active one, as its main window shows.
    if (HWND main = renderer.hwnd_of("Form1"); main != nullptr && IsWindowVisible(main)) {
        SetForegroundWindow(main);
    }
    return run_message_loop(renderer);
}
