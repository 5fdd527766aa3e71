// Program entry of DROVU_95.EXE: the main window, then the toolbar strip,
// then the message loop until the quit message.
#include <windows.h>

#include "shell/main_window.h"
#include "shell/toolbar.h"
#include "solver/fpu.h"
#include "solver/workspace.h"

static HWND toolbar_window;  // the strip of command buttons, if it could be made

static int run_message_loop()
{
    MSG msg{};
    // GetMessage answers -1 on a broken call; that must end the loop too.
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command)
{
    // The solver is written for 64-bit x87 precision; Windows may start a
    // program at 53 bits.
    init_extended_precision();
    ws.program_instance = instance;
    if (!register_main_class(instance)) return 0;
    HWND main_window = create_main_window(instance);
    if (!main_window) return 0;
    ShowWindow(main_window, show_command);
    UpdateWindow(main_window);
    toolbar_window = create_toolbar(main_window);
    return run_message_loop();
}
