// Starts a test program on a desktop of a non-visible window station, so that
// windows, dialogs and message boxes work without an X server. Passes the
// rest of its own command line on unchanged and returns the program's exit
// code; the program inherits the standard handles.
#include <windows.h>

#include <stdio.h>

namespace {

const wchar_t *SkipFirstArgument(const wchar_t *commandLine)
{
    const wchar_t *p = commandLine;
    if (*p == L'"') {
        for (++p; *p != L'\0' && *p != L'"'; ++p) {
        }
        if (*p == L'"') {
            ++p;
        }
    } else {
        while (*p != L'\0' && *p != L' ' && *p != L'\t') {
            ++p;
        }
    }
    while (*p == L' ' || *p == L'\t') {
        ++p;
    }
    return p;
}

}  // namespace

int wmain()
{
    HWINSTA station = CreateWindowStationW(L"HalvexTests", 0, WINSTA_ALL_ACCESS, nullptr);
    if (station == nullptr) {
        fprintf(stderr, "desktop_launcher: no window station (error %lu)\n", GetLastError());
        return 125;
    }
    HWINSTA ownStation = GetProcessWindowStation();
    SetProcessWindowStation(station);
    HDESK desktop = CreateDesktopW(L"Default", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    SetProcessWindowStation(ownStation);
    if (desktop == nullptr) {
        fprintf(stderr, "desktop_launcher: no desktop (error %lu)\n", GetLastError());
        return 125;
    }

    static wchar_t commandLine[32768];
    lstrcpynW(commandLine, SkipFirstArgument(GetCommandLineW()), 32768);
    STARTUPINFOW startup;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    wchar_t desktopName[] = L"HalvexTests\\Default";
    startup.lpDesktop = desktopName;
    PROCESS_INFORMATION process;
    if (!CreateProcessW(nullptr, commandLine, nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        fprintf(stderr, "desktop_launcher: cannot start %ls (error %lu)\n", commandLine,
                GetLastError());
        return 125;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}
