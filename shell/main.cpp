// Program entry of DROVU_95.EXE (the main window comes with the shell).
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    MessageBoxA(nullptr, "Drovu", "Drovu", MB_OK);
    return 0;
}
