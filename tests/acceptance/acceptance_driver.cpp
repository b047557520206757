// Drives a built program from outside, as a user would, and checks what the
// platform lets another process see. Plain Windows program: built in both
// bitnesses; it must have the bitness of the program it drives, since it
// reads that program's list view through its memory.
// Usage: acceptance_driver.exe PROGRAM.exe english|french OUT_FOLDER
#include <windows.h>
#include <commctrl.h>
#include <setupapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/report_composer.h"

namespace {

int gFailures = 0;

// Waits are multiplied by HALVEX_SLOW (a whole number) where Wine runs
// emulated and every step takes many times longer.
int Slow()
{
    wchar_t value[16] = L"";
    GetEnvironmentVariableW(L"HALVEX_SLOW", value, 16);
    int factor = _wtoi(value);
    return factor > 0 ? factor : 1;
}

void Check(bool ok, const std::string &what)
{
    if (!ok) {
        ++gFailures;
        std::printf("FAILED: %s\n", what.c_str());
    } else {
        std::printf("ok: %s\n", what.c_str());
    }
    std::fflush(stdout);
}

std::string Narrow(const std::wstring &text)
{
    std::string out;
    for (wchar_t c : text) {
        if (c < 0x80 && c != L'\r') {
            out += c == L'\n' ? '|' : static_cast<char>(c);
        } else if (c != L'\r') {
            char unit[12];
            std::snprintf(unit, sizeof unit, "\\u%04x", static_cast<unsigned>(c));
            out += unit;
        }
    }
    return out;
}

void CheckEqual(const std::wstring &actual, const std::wstring &expected, const std::string &what)
{
    Check(actual == expected, what + " [" + Narrow(actual) + "]" +
                                  (actual == expected ? "" : " expected [" + Narrow(expected) + "]"));
}

struct Language {
    std::wstring title;
    std::vector<std::wstring> categories;
    std::wstring exportLabel, aboutLabel, placeholder, aboutFirstLine;
};

Language English()
{
    return {L"Halvex",
            {L"All Devices", L"Network Adapters", L"Disk Drives (Storage)",
             L"IDE/SATA/AHCI Controllers", L"Display Adapters", L"USB Controllers",
             L"Audio Devices (Media)"},
            L"Export to .txt", L"About", L"Select a device to view and copy its details.",
            L"Halvex"};
}

Language French()
{
    return {L"Quenor D\u00e9tection des p\u00e9riph\u00e9riques",
            {L"Tous les p\u00e9riph\u00e9riques (ALL)", L"Cartes R\u00e9seau (Network)",
             L"Lecteurs de Disque (Storage)", L"Contr\u00f4leurs IDE/SATA/AHCI",
             L"Cartes Graphiques (Display)", L"Contr\u00f4leurs USB", L"Cartes Audio (Media)"},
            L"Exporter en .txt", L"A propos",
            L"S\u00e9lectionnez un appareil pour afficher et copier ses d\u00e9tails.",
            L"Scanneur des p\u00e9riph\u00e9riques Quenor"};
}

const GUID kClasses[7] = {
    {},
    {0x4d36e972, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}},
    {0x4d36e967, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}},
    {0x4d36e96a, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}},
    {0x4d36e968, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}},
    {0x36fc9e60, 0xc465, 0x11cf, {0x80, 0x56, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}},
    {0x4d36e96c, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}},
};

// --- Crafted devices of known texts -------------------------------------

struct Device {
    const wchar_t *id;
    int category;
    const wchar_t *name;
    const wchar_t *hardwareIds;  // "a\0b\0" and the literal's terminator
    size_t hardwareIdsUnits;
    const wchar_t *manufacturer, *service;
};

const Device kDevices[] = {
    {L"ROOT\\HALVEXACCEPT\\0001", 1, L"Carte r\u00e9seau \u65e5\u672c", L"PCI\\VEN_1\0PCI\\CC_02\0", 21,
     L"Maker \u0391", L"HalvexAcceptSvc"},
    {L"ROOT\\HALVEXACCEPT\\0002", 6, L"Two\nlines", L"HDAUDIO\\X\0", 11, nullptr, nullptr},
    {L"ROOT\\HALVEXACCEPT\\0003", 2, nullptr, nullptr, 0, L"", L"HalvexAcceptSvc"},
};

void SetText(HDEVINFO set, SP_DEVINFO_DATA *data, DWORD property, const wchar_t *text, size_t units)
{
    if (text != nullptr) {
        SetupDiSetDeviceRegistryPropertyW(set, data, property, reinterpret_cast<const BYTE *>(text),
                                          static_cast<DWORD>(units * sizeof(wchar_t)));
    }
}

void CreateDevices()
{
    HKEY key;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Services\\HalvexAcceptSvc", 0,
                    nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    const wchar_t image[] = L"\"C:\\Program Files\\Vendor\\accept.sys\"";
    RegSetValueExW(key, L"ImagePath", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE *>(image), sizeof image);
    RegCloseKey(key);
    for (const Device &d : kDevices) {
        HDEVINFO set = SetupDiCreateDeviceInfoList(&kClasses[d.category], nullptr);
        SP_DEVINFO_DATA data = {};
        data.cbSize = sizeof data;
        bool made = SetupDiCreateDeviceInfoW(set, d.id, &kClasses[d.category], nullptr, nullptr, 0, &data) &&
                    SetupDiRegisterDeviceInfo(set, &data, 0, nullptr, nullptr, nullptr);
        Check(made, "crafted device created");
        if (d.name) SetText(set, &data, SPDRP_FRIENDLYNAME, d.name, wcslen(d.name) + 1);
        if (d.hardwareIds) SetText(set, &data, SPDRP_HARDWAREID, d.hardwareIds, d.hardwareIdsUnits);
        if (d.manufacturer) SetText(set, &data, SPDRP_MFG, d.manufacturer, wcslen(d.manufacturer) + 1);
        if (d.service) SetText(set, &data, SPDRP_SERVICE, d.service, wcslen(d.service) + 1);
        SetupDiDestroyDeviceInfoList(set);
    }
}

void RemoveDevices()
{
    for (const Device &d : kDevices) {
        HDEVINFO set = SetupDiCreateDeviceInfoList(nullptr, nullptr);
        SP_DEVINFO_DATA data = {};
        data.cbSize = sizeof data;
        if (SetupDiOpenDeviceInfoW(set, d.id, nullptr, 0, &data)) {
            SetupDiRemoveDevice(set, &data);
        }
        SetupDiDestroyDeviceInfoList(set);
    }
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Services\\HalvexAcceptSvc");
}

// --- Reading the other process --------------------------------------------

std::wstring TextOf(HWND window)
{
    std::vector<wchar_t> text(8192, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

// A list view's texts live in the program's memory: the item record and its
// text buffer are placed there, the list view fills them, and they are read back.
//
// Where Wine's 32-bit side runs under user-mode emulation, the emulator maps
// the program's addresses at an offset in the host process (one page here,
// since the host refuses page zero), while the platform's cross-process reads
// and writes use the addresses unchanged: they land that far beside the
// memory the program sees. The offset is found once, by a round trip through
// the list view itself, and the reads and writes are placed to meet the
// program's view; on a machine that runs the program natively it is zero.
class RemoteMemory {
public:
    enum { kUsable = 4096, kMaxShift = 0x10000, kShiftStep = 0x1000 };

    explicit RemoteMemory(HANDLE process) : process_(process)
    {
        // Room on both sides, so that a probe at any candidate offset still
        // lands inside this block and nothing else of the program is touched.
        base_ = static_cast<char *>(VirtualAllocEx(process, nullptr, 2 * kMaxShift + kUsable,
                                                   MEM_COMMIT, PAGE_READWRITE));
        if (base_ == nullptr) {
            Check(false, "memory in the program's process (VirtualAllocEx error " +
                             std::to_string(GetLastError()) + ")");
        }
    }
    ~RemoteMemory() { VirtualFreeEx(process_, base_, 0, MEM_RELEASE); }
    bool Ok() const { return base_ != nullptr; }

    // The address as the program sees it.
    char *At(size_t offset) const { return base_ + kMaxShift + offset; }
    bool Write(size_t offset, const void *data, size_t size)
    {
        if (!WriteProcessMemory(process_, At(offset) + gShift, data, size, nullptr)) {
            Check(false, "WriteProcessMemory error " + std::to_string(GetLastError()));
            return false;
        }
        return true;
    }
    bool Read(size_t offset, void *data, size_t size)
    {
        if (!ReadProcessMemory(process_, At(offset) + gShift, data, size, nullptr)) {
            Check(false, "ReadProcessMemory error " + std::to_string(GetLastError()));
            return false;
        }
        return true;
    }

    // Asks the list view for its first column's width into a record placed
    // at each candidate offset in turn: the offset at which the record read
    // back holds the width the list view reports by value is the one.
    static bool FindShift(HANDLE process, HWND list)
    {
        RemoteMemory memory(process);
        if (!memory.Ok()) return false;
        int width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0));
        for (gShift = 0; gShift <= kMaxShift; gShift += kShiftStep) {
            LVCOLUMNW column = {};
            column.mask = LVCF_WIDTH;
            column.cx = -12345;
            if (!memory.Write(0, &column, sizeof column)) return false;
            SendMessageW(list, LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(memory.At(0)));
            LVCOLUMNW back = {};
            if (!memory.Read(0, &back, sizeof back)) return false;
            if (back.mask == LVCF_WIDTH && back.cx == width) {
                std::printf("note: the program's memory is reached %ld bytes beside its own "
                            "addresses%s\n", static_cast<long>(gShift), gShift ? " (emulated)" : "");
                return true;
            }
        }
        gShift = 0;
        return false;
    }

private:
    static LONG_PTR gShift;
    HANDLE process_;
    char *base_;
};

LONG_PTR RemoteMemory::gShift = 0;

using Rows = std::vector<std::vector<std::wstring>>;

Rows ReadList(HANDLE process, HWND list)
{
    Rows rows;
    RemoteMemory memory(process);
    if (!memory.Ok()) return rows;
    int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::vector<std::wstring> texts;
        for (int subItem = 0; subItem < 4; ++subItem) {
            LVITEMW item = {};
            item.iSubItem = subItem;
            item.pszText = reinterpret_cast<LPWSTR>(memory.At(1024));
            item.cchTextMax = 1024;
            wchar_t text[1024] = L"";
            if (!memory.Write(1024, text, sizeof text) || !memory.Write(0, &item, sizeof item)) {
                return rows;
            }
            SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(memory.At(0)));
            if (!memory.Read(1024, text, sizeof text)) return rows;
            text[1023] = L'\0';
            texts.push_back(text);
        }
        rows.push_back(texts);
    }
    return rows;
}

void SelectRow(HANDLE process, HWND list, int row)
{
    RemoteMemory memory(process);
    if (!memory.Ok()) return;
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    if (memory.Write(0, &item, sizeof item)) {
        SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(memory.At(0)));
    }
}

// The first visible dialog of the program's thread other than those listed.
enum DialogKind { kAnyDialog, kSaveDialog, kPrompt, kMessageBox };

DialogKind KindOf(HWND dialog)
{
    if (GetDlgItem(dialog, 0x47c) != nullptr) return kSaveDialog;
    if (GetDlgItem(dialog, IDYES) != nullptr) return kPrompt;
    return GetDlgItem(dialog, 0xFFFF) != nullptr ? kMessageBox : kAnyDialog;
}

struct DialogSearch {
    DWORD thread;
    DialogKind kind;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM lParam)
{
    DialogSearch *search = reinterpret_cast<DialogSearch *>(lParam);
    if (ClassOf(window) == L"#32770" && IsWindowVisible(window) &&
        (search->kind == kAnyDialog || KindOf(window) == search->kind)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForDialog(DWORD thread, DialogKind kind, int milliseconds = 30000)
{
    milliseconds *= Slow();
    for (int waited = 0; waited < milliseconds; waited += 50) {
        DialogSearch search = {thread, kind, nullptr};
        EnumThreadWindows(thread, FindDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            Sleep(200);  // let it finish its own start-up
            return search.found;
        }
        Sleep(50);
    }
    return nullptr;
}

struct Box {
    std::wstring caption, text;
};

Box AnswerMessageBox(DWORD thread)
{
    Box box;
    HWND window = WaitForDialog(thread, kMessageBox);
    if (window == nullptr) {
        Check(false, "a message box appears");
        return box;
    }
    box.caption = TextOf(window);
    box.text = TextOf(GetDlgItem(window, 0xFFFF));
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 * Slow() && IsWindow(window); ++i) Sleep(50);
    return box;
}

BOOL CALLBACK FindNameEdit(HWND child, LPARAM lParam)
{
    if (GetDlgCtrlID(child) == 0x47c && ClassOf(child) == L"Edit") {
        *reinterpret_cast<HWND *>(lParam) = child;
        return FALSE;
    }
    return TRUE;
}

// The file name field: the edit inside the ComboBoxEx of the same ID.
HWND NameField(HWND dialog)
{
    HWND found = nullptr;
    EnumChildWindows(dialog, FindNameEdit, reinterpret_cast<LPARAM>(&found));
    return found ? found : GetDlgItem(dialog, 0x47c);
}

// The screen is read by the X side (the runner script): another process's
// windows cannot be read back through GDI here. Asks for a shot and waits;
// true once the runner says it was taken.
bool RequestScreenshot(const std::wstring &out)
{
    std::wstring done = out + L"shot-done";
    DeleteFileW(done.c_str());
    HANDLE request = CreateFileW((out + L"shot-request").c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_ALWAYS, 0, nullptr);
    CloseHandle(request);
    for (int i = 0; i < 200 * Slow() && GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) {
        Sleep(100);
    }
    return DeleteFileW(done.c_str()) != 0;
}

void CheckLayout(HWND main, const char *when)
{
    RECT client;
    GetClientRect(main, &client);
    int W = client.right, H = client.bottom;
    struct Expected {
        int id, x, y, w, h;
    };
    for (Expected e : {Expected{1001, 10, 10, W - 280, -1 /* with its list */}, Expected{1004, W - 260, 10, 155, 25},
                       Expected{1005, W - 95, 10, 85, 25}, Expected{1002, 10, 45, W - 20, H - 160},
                       Expected{1003, 10, H - 105, W - 20, 95}}) {
        RECT r;
        GetWindowRect(GetDlgItem(main, e.id), &r);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT *>(&r), 2);
        // Negative sizes reach the platform as computed; it makes them 0.
        bool ok = r.left == e.x && r.top == e.y && r.right - r.left == (e.w < 0 ? 0 : e.w) &&
                  (e.h == -1 || r.bottom - r.top == (e.h < 0 ? 0 : e.h));
        Check(ok, std::string(when) + ": control " + std::to_string(e.id) + " at " +
                      std::to_string(r.left) + "," + std::to_string(r.top) + " size " +
                      std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top));
    }
}

}  // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 4) {
        std::printf("usage: acceptance_driver PROGRAM.exe english|french OUT_FOLDER\n");
        return 2;
    }
    std::wstring program = argv[1];
    Language language = std::wstring(argv[2]) == L"french" ? French() : English();
    std::wstring out = std::wstring(argv[3]) + L"\\";
    CreateDirectoryW(out.c_str(), nullptr);

    RemoveDevices();
    CreateDevices();

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    std::wstring commandLine = L"\"" + program + L"\"";
    Check(CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &process),
          "program started");
    WaitForInputIdle(process.hProcess, 60000 * Slow());
    HWND main = nullptr;
    for (int i = 0; i < 1200 * Slow() && main == nullptr; ++i) {
        main = FindWindowW(L"HalvexClass", nullptr);
        if (main == nullptr) Sleep(100);
    }
    Check(main != nullptr, "main window of class HalvexClass found");
    if (main == nullptr) {
        TerminateProcess(process.hProcess, 1);
        RemoveDevices();
        return 1;
    }
    DWORD thread = GetWindowThreadProcessId(main, nullptr);
    CheckEqual(TextOf(main), language.title, "caption");
    Check(IsWindowVisible(main), "main window visible");

    struct ControlCase {
        int id;
        const wchar_t *className;
        std::wstring text;
        DWORD style;
    };
    for (const ControlCase &c : {ControlCase{1001, L"ComboBox", language.categories[0], 0x50200003},
                                 ControlCase{1004, L"Button", language.exportLabel, 0x50000000},
                                 ControlCase{1005, L"Button", language.aboutLabel, 0x50000000},
                                 ControlCase{1002, L"SysListView32", L"", 0x50800005},
                                 ControlCase{1003, L"Edit", language.placeholder, 0x50A00804}}) {
        HWND control = GetDlgItem(main, c.id);
        std::string what = "control " + std::to_string(c.id);
        Check(control != nullptr && ClassOf(control) == c.className, what + " class");
        CheckEqual(TextOf(control), c.text, what + " text");
        // The platform adjusts some bits itself: compare with one it makes
        // here from the same arguments.
        HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        HWND reference = CreateWindowExW(0, c.className, L"", c.style, 0, 0, 50, 50, parent, nullptr, nullptr, nullptr);
        LONG dynamic = c.id == 1002 ? WS_HSCROLL | WS_VSCROLL : 0;
        Check((GetWindowLongW(control, GWL_STYLE) & ~dynamic) == (GetWindowLongW(reference, GWL_STYLE) & ~dynamic),
              what + " style");
        DestroyWindow(parent);
    }
    CheckLayout(main, "at start");

    HWND combo = GetDlgItem(main, 1001);
    HWND list = GetDlgItem(main, 1002);
    HWND detail = GetDlgItem(main, 1003);
    std::vector<std::wstring> labels;
    int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t label[128] = L"";
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(label));
        labels.push_back(label);
    }
    Check(labels == language.categories, "the seven category labels of the build, in order");
    Check(SendMessageW(combo, CB_GETCURSEL, 0, 0) == 0, "row 0 selected");
    Check(RemoteMemory::FindShift(process.hProcess, list),
          "the program's memory reached through the platform (offset found within 64 KiB)");
    Check(ReadList(process.hProcess, list) == PresentDeviceTexts(nullptr),
          "list at start equals every present device, same order and texts");

    for (int category : {1, 2, 3, 4, 5, 6, 0}) {
        SendMessageW(combo, CB_SETCURSEL, category, 0);
        SendMessageW(main, WM_COMMAND, MAKEWPARAM(1001, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        Rows rows = ReadList(process.hProcess, list);
        Check(rows == PresentDeviceTexts(category ? &kClasses[category] : nullptr),
              "category " + std::to_string(category) + ": " + std::to_string(rows.size()) + " rows as enumerated");
    }

    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(1001, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    SelectRow(process.hProcess, list, 0);
    CheckEqual(TextOf(detail),
               L"Device Name: Carte r\u00e9seau \u65e5\u672c\r\nHardware ID: PCI\\VEN_1\r\n"
               L"Manufacturer: Maker \u0391\r\nAssociated Driver: accept.sys",
               "detail pane of the selected row");
    Sleep(1000 * Slow());  // the program paints from its own loop
    Check(RequestScreenshot(out), "screenshot taken by the runner");

    // Export: the real save dialog, filled and confirmed as a user would.
    std::wstring report = out + L"report.txt";
    DeleteFileW(report.c_str());
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(1004, BN_CLICKED), 0);
    HWND dialog = WaitForDialog(thread, kSaveDialog);
    Check(dialog != nullptr, "save dialog appears");
    if (dialog) {
        SendMessageW(NameField(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"cancelled.txt"));
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        for (int i = 0; i < 100 * Slow() && IsWindow(dialog); ++i) Sleep(50);
        Check(WaitForDialog(thread, kAnyDialog, 1500) == nullptr, "cancel: no message");
    }
    for (int round = 0; round < 2; ++round) {
        PostMessageW(main, WM_COMMAND, MAKEWPARAM(1004, BN_CLICKED), 0);
        dialog = WaitForDialog(thread, kSaveDialog);
        if (!dialog) {
            Check(false, "save dialog appears");
            break;
        }
        SendMessageW(NameField(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(report.c_str()));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        if (round == 1) {  // the file exists now: the prompt comes first
            HWND prompt = WaitForDialog(thread, kPrompt);
            Check(prompt != nullptr && GetDlgItem(prompt, IDYES) != nullptr, "overwrite prompt");
            if (prompt) PostMessageW(prompt, WM_COMMAND, IDYES, 0);
            for (int i = 0; i < 100 * Slow() && IsWindow(dialog); ++i) Sleep(50);
        }
        Box box = AnswerMessageBox(thread);
        ComposedReport expected = ComposeReportOfPresentDevices();
        CheckEqual(box.caption, L"Export Complete", "export message caption");
        CheckEqual(box.text, std::to_wstring(expected.entries) + L" device(s) exported to:\r\n" + report,
                   "export message text");
        Check(ReadFileBytes(report) == expected.bytes, "report equals the driver's own, byte for byte");
    }

    SetWindowPos(main, nullptr, 0, 0, 640, 420, SWP_NOZORDER | SWP_NOMOVE);
    CheckLayout(main, "after resizing");
    SetWindowPos(main, nullptr, 0, 0, 200, 120, SWP_NOZORDER | SWP_NOMOVE);
    CheckLayout(main, "small");

    PostMessageW(main, WM_COMMAND, MAKEWPARAM(1005, BN_CLICKED), 0);
    Box about = AnswerMessageBox(thread);
    CheckEqual(about.caption, L"About", "About caption");
    CheckEqual(about.text.substr(0, about.text.find(L"\r\n")), language.aboutFirstLine, "About first line");

    PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD waited = WaitForSingleObject(process.hProcess, 60000 * Slow());
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    Check(waited == WAIT_OBJECT_0 && exitCode == 0, "closed: process ends with exit code 0");
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    RemoveDevices();
    std::printf("%d failure(s)\n", gFailures);
    return gFailures == 0 ? 0 : 1;
}
