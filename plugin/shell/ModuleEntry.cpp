// The module's library entry. On Windows the loader calls DllMain, which
// only reports success; the entry point itself comes from the plug-in code.
#include "shell/HostServices.h"

#if defined(_WIN32)
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
#endif
