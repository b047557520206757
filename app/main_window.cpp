#include "app/main_window.h"

#include <string.h>

#include <commctrl.h>

#include "app/control_handles.h"
#include "export/export_report.h"
#include "inventory/device_categories.h"
#include "res/resource_ids.h"
#include "text/build_language.h"
#include "views/device_views.h"

HWND hCategoryCombo;
HWND hExportButton;
HWND hAboutButton;
HWND hDeviceList;
HWND hDetailEdit;

namespace {

const WCHAR kMainWindowClass[] = L"HalvexClass";

void FillCategoryCombo(HWND combo)
{
    for (int i = 0; i < kCategoryCount; ++i) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kDeviceCategories[i].label));
    }
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

struct ColumnSpec {
    const WCHAR *title;
    int width;
};

const ColumnSpec kColumns[kColumnCount] = {
    {kUiText.columnHeaders[0], 260},
    {kUiText.columnHeaders[1], 230},
    {kUiText.columnHeaders[2], 135},
    {kUiText.columnHeaders[3], 140},
};

void SetUpDeviceList(HWND list)
{
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    LVCOLUMNW column;
    memset(&column, 0, sizeof(column));
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    for (int i = 0; i < kColumnCount; ++i) {
        column.cx = kColumns[i].width;
        column.pszText = const_cast<WCHAR *>(kColumns[i].title);
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

// The five controls in creation order; afterCreate finishes a control
// before the next one is made.
struct ControlSpec {
    const WCHAR *className;
    const WCHAR *text;
    DWORD style;
    int x, y, width, height;
    int id;
    HWND *handle;
    void (*afterCreate)(HWND control);
};

const ControlSpec kControls[] = {
    {L"ComboBox", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST,
     10, 10, 300, 200, ID_CATEGORY_COMBO, &hCategoryCombo, FillCategoryCombo},
    {L"Button", kUiText.exportButtonLabel, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
     525, 10, 155, 25, ID_EXPORT_BUTTON, &hExportButton, nullptr},
    {L"Button", kUiText.aboutButtonLabel, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
     690, 10, 85, 25, ID_ABOUT_BUTTON, &hAboutButton, nullptr},
    {L"SysListView32", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL,
     10, 45, 765, 300, ID_DEVICE_LIST, &hDeviceList, SetUpDeviceList},
    {L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
     10, 355, 765, 95, ID_DETAIL_EDIT, &hDetailEdit, nullptr},
};

// The font goes to the controls in this order.
HWND *const kFontOrder[] = {&hCategoryCombo, &hDeviceList, &hDetailEdit, &hExportButton,
                            &hAboutButton};

// Each control's rectangle for a client area of W by H: every coordinate is
// a multiple of W or H (0 or 1) plus a constant. Signed, with no lower bound.
struct LayoutSpec {
    HWND *handle;
    int xW, x0, yH, y0, widthW, width0, heightH, height0;
};

const LayoutSpec kLayout[] = {
    {&hCategoryCombo, 0, 10, 0, 10, 1, -280, 0, 200},
    {&hExportButton, 1, -260, 0, 10, 0, 155, 0, 25},
    {&hAboutButton, 1, -95, 0, 10, 0, 85, 0, 25},
    {&hDeviceList, 0, 10, 0, 45, 1, -20, 1, -160},
    {&hDetailEdit, 0, 10, 1, -105, 1, -20, 0, 95},
};

void OnCreate(HWND hwnd)
{
    INITCOMMONCONTROLSEX init = {sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&init);
    for (const ControlSpec &c : kControls) {
        *c.handle = CreateWindowExW(0, c.className, c.text, c.style, c.x, c.y, c.width, c.height,
                                    hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                    nullptr, nullptr);
        if (c.afterCreate != nullptr) {
            c.afterCreate(*c.handle);
        }
    }
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    for (HWND *control : kFontOrder) {
        SendMessageW(*control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 1);
    }
    PopulateDeviceList(0);
}

void OnSize(LPARAM lParam)
{
    int width = LOWORD(lParam);
    int height = HIWORD(lParam);
    for (const LayoutSpec &l : kLayout) {
        SetWindowPos(*l.handle, nullptr, l.xW * width + l.x0, l.yH * height + l.y0,
                     l.widthW * width + l.width0, l.heightH * height + l.height0, SWP_NOZORDER);
    }
}

void OnNotify(LPARAM lParam)
{
    const NMHDR *header = reinterpret_cast<const NMHDR *>(lParam);
    if (header->idFrom == ID_DEVICE_LIST && header->code == LVN_ITEMCHANGED) {
        const NMLISTVIEW *change = reinterpret_cast<const NMLISTVIEW *>(lParam);
        if (change->uNewState & LVIS_SELECTED) {
            ShowDeviceDetails(change);
        }
    }
}

void OnCommand(HWND hwnd, WPARAM wParam)
{
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    if (id == ID_CATEGORY_COMBO && code == CBN_SELCHANGE) {
        // CB_ERR passes on unchanged: as unsigned it lies beyond the table.
        LRESULT selection = SendMessageW(hCategoryCombo, CB_GETCURSEL, 0, 0);
        PopulateDeviceList(static_cast<UINT>(selection));
    } else if (id == ID_EXPORT_BUTTON && code == BN_CLICKED) {
        ExportDeviceReport(hwnd);
    } else if (id == ID_ABOUT_BUTTON && code == BN_CLICKED) {
        MessageBoxW(hwnd, kUiText.aboutText, kUiText.aboutCaption, MB_OK | MB_ICONINFORMATION);
    }
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate(hwnd);
        return 0;
    case WM_SIZE:
        OnSize(lParam);
        return 0;
    case WM_NOTIFY:
        OnNotify(lParam);
        return 0;
    case WM_COMMAND:
        OnCommand(hwnd, wParam);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void RegisterMainWindowClass(HINSTANCE hInstance)
{
    WNDCLASSW windowClass;
    memset(&windowClass, 0, sizeof(windowClass));
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = hInstance;
    windowClass.lpszClassName = kMainWindowClass;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconW(hInstance, MAKEINTRESOURCEW(IDI_APP_ICON));
    RegisterClassW(&windowClass);
}

HWND CreateMainWindow(HINSTANCE hInstance)
{
    return CreateWindowExW(0, kMainWindowClass, kUiText.windowTitle, WS_OVERLAPPEDWINDOW,
                           CW_USEDEFAULT, CW_USEDEFAULT, 800, 500, nullptr, nullptr, hInstance,
                           nullptr);
}
