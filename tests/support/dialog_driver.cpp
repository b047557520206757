#include "support/dialog_driver.h"

#include <algorithm>

namespace {

DialogDriver *gActiveDriver = nullptr;
HWND gPendingSaveDialog = nullptr;

const int kFileNameField = 0x47c;  // cmb13; its edit child has the same ID
const int kFileTypeList = 0x470;   // cmb1
const int kMessageText = 0xFFFF;
const int kMessageIconWine = 0x440;
const int kMessageIconWindows = 0x14;

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[4096] = L"";
    GetWindowTextW(window, text, 4096);
    return text;
}

struct EditSearch {
    HWND found;
};

BOOL CALLBACK FindNameEdit(HWND child, LPARAM lParam)
{
    EditSearch *search = reinterpret_cast<EditSearch *>(lParam);
    if (GetDlgCtrlID(child) == kFileNameField && ClassOf(child) == L"Edit") {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

DialogDriver::DialogDriver(const DialogScript &script) : script_(script)
{
    gActiveDriver = this;
    hook_ = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
}

DialogDriver::~DialogDriver()
{
    UnhookWindowsHookEx(hook_);
    gActiveDriver = nullptr;
}

std::vector<SeenDialog> DialogDriver::MessageBoxes() const
{
    std::vector<SeenDialog> boxes;
    for (const SeenDialog &d : seen_) {
        if (d.kind == SeenDialog::kMessageBox) {
            boxes.push_back(d);
        }
    }
    return boxes;
}

LRESULT CALLBACK DialogDriver::OnCbt(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && gActiveDriver != nullptr) {
        gActiveDriver->OnActivate(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogDriver::OnActivate(HWND window)
{
    // Each dialog is answered once, though it is activated again whenever a
    // box of its own closes.
    if (ClassOf(window) != L"#32770" ||
        std::find(handled_.begin(), handled_.end(), window) != handled_.end()) {
        return;
    }
    handled_.push_back(window);
    SeenDialog seen = {SeenDialog::kMessageBox,
                       GetWindow(window, GW_OWNER),
                       TextOf(window),
                       L"",
                       {},
                       nullptr,
                       false};

    if (GetDlgItem(window, kFileNameField) != nullptr) {
        // The dialog fills its lists after it is first activated: answer it
        // from the message loop, a moment later.
        gPendingSaveDialog = window;
        SetTimer(nullptr, 0, 50, OnSaveDialogTimer);
        return;
    }
    if (GetDlgItem(window, IDYES) != nullptr) {
        seen.kind = SeenDialog::kOverwritePrompt;
        seen.text = TextOf(GetDlgItem(window, kMessageText));
        PostMessageW(window, WM_COMMAND, script_.confirmOverwrite ? IDYES : IDNO, 0);
    } else {
        seen.text = TextOf(GetDlgItem(window, kMessageText));
        HWND icon = GetDlgItem(window, kMessageIconWine);
        if (icon == nullptr) {
            icon = GetDlgItem(window, kMessageIconWindows);
        }
        seen.icon = reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0));
        seen.hasCancel = GetDlgItem(window, IDCANCEL) != nullptr &&
                         IsWindowVisible(GetDlgItem(window, IDCANCEL));
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    }
    seen_.push_back(seen);
}

void CALLBACK DialogDriver::OnSaveDialogTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (gActiveDriver != nullptr && gPendingSaveDialog != nullptr) {
        HWND window = gPendingSaveDialog;
        gPendingSaveDialog = nullptr;
        gActiveDriver->AnswerSaveDialog(window);
    }
}

void DialogDriver::AnswerSaveDialog(HWND window)
{
    SeenDialog seen = {SeenDialog::kSaveDialog,
                       GetWindow(window, GW_OWNER),
                       TextOf(window),
                       L"",
                       {},
                       nullptr,
                       false};
    EditSearch search = {nullptr};
    EnumChildWindows(window, FindNameEdit, reinterpret_cast<LPARAM>(&search));
    HWND nameField = search.found ? search.found : GetDlgItem(window, kFileNameField);
    seen.text = TextOf(nameField);
    HWND types = GetDlgItem(window, kFileTypeList);
    int count = static_cast<int>(SendMessageW(types, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t item[256] = L"";
        SendMessageW(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        seen.types.push_back(item);
    }
    if (script_.cancelSave) {
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    } else {
        SetWindowTextW(nameField, script_.fileName.c_str());
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    }
    seen_.push_back(seen);
}

HWND CreateOwnerWindow()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"HalvexTestOwner";
        RegisterClassW(&windowClass);
        registered = true;
    }
    return CreateWindowExW(0, L"HalvexTestOwner", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}
