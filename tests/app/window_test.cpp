// The main window against the real controls, in-process on a non-visible
// desktop. Built once per language.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/control_handles.h"
#include "app/main_window.h"
#include "inventory/device_categories.h"
#include "support/crafted_devices.h"
#include "support/dialog_driver.h"
#include "support/report_composer.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int);

namespace {

#if HALVEX_FRENCH
const wchar_t *const kTitle = L"Quenor Détection des périphériques";
const wchar_t *const kExportLabel = L"Exporter en .txt";
const wchar_t *const kAboutLabel = L"A propos";
const wchar_t *const kPlaceholder =
    L"Sélectionnez un appareil pour afficher et copier ses détails.";
const wchar_t *const kAboutFirstLine = L"Scanneur des périphériques Quenor";
const std::vector<std::wstring> kCategoryLabels = {
    L"Tous les périphériques (ALL)", L"Cartes Réseau (Network)",
    L"Lecteurs de Disque (Storage)", L"Contrôleurs IDE/SATA/AHCI",
    L"Cartes Graphiques (Display)",  L"Contrôleurs USB",
    L"Cartes Audio (Media)"};
#else
const wchar_t *const kTitle = L"Halvex";
const wchar_t *const kExportLabel = L"Export to .txt";
const wchar_t *const kAboutLabel = L"About";
const wchar_t *const kPlaceholder = L"Select a device to view and copy its details.";
const wchar_t *const kAboutFirstLine = L"Halvex";
const std::vector<std::wstring> kCategoryLabels = {
    L"All Devices",           L"Network Adapters",
    L"Disk Drives (Storage)", L"IDE/SATA/AHCI Controllers",
    L"Display Adapters",      L"USB Controllers",
    L"Audio Devices (Media)"};
#endif

std::wstring TextOf(HWND window)
{
    std::vector<wchar_t> text(8192, L'\0');
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

RECT ClientRectOf(HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT *>(&r), 2);
    return r;
}

std::vector<std::vector<std::wstring>> ListRows()
{
    std::vector<std::vector<std::wstring>> rows;
    int count = static_cast<int>(SendMessageW(hDeviceList, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::vector<std::wstring> texts;
        for (int subItem = 0; subItem < 4; ++subItem) {
            wchar_t text[600] = L"";
            LVITEMW item = {};
            item.iSubItem = subItem;
            item.pszText = text;
            item.cchTextMax = 600;
            SendMessageW(hDeviceList, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
            texts.push_back(text);
        }
        rows.push_back(texts);
    }
    return rows;
}

void SelectRow(int row, bool selected)
{
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = selected ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    SendMessageW(hDeviceList, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

// Chooses a combo row as the user would: selection, then the notification.
void ChooseCategory(HWND window, int index)
{
    SendMessageW(hCategoryCombo, CB_SETCURSEL, index, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(ID_CATEGORY_COMBO, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(hCategoryCombo));
}

// A crafted device of a category of the table, texts to be set by the caller.
CraftedDevice DeviceOf(int category, const wchar_t *number)
{
    CraftedDevice device;
    device.instanceId = std::wstring(L"ROOT\\HALVEXWINDOW\\") + number;
    device.classGuid = *kDeviceCategories[category].classGuid;
    return device;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterMainWindowClass(GetModuleHandleW(nullptr)); }
    void TearDown() override
    {
        if (window_ != nullptr) {
            DestroyWindow(window_);
        }
        RemoveEverythingCrafted();
    }
    void Create()
    {
        window_ = CreateMainWindow(GetModuleHandleW(nullptr));
        ASSERT_NE(window_, nullptr);
    }
    HWND window_ = nullptr;
};

TEST_F(WindowTest, MainWindowClassAndFrame)
{
    Create();
    EXPECT_EQ(ClassOf(window_), L"HalvexClass");
    EXPECT_EQ(TextOf(window_), kTitle);
    EXPECT_EQ(GetWindowLongW(window_, GWL_STYLE) & ~(WS_CLIPSIBLINGS), WS_OVERLAPPEDWINDOW);
    EXPECT_FALSE(IsWindowVisible(window_));
    RECT outer;
    GetWindowRect(window_, &outer);
    EXPECT_EQ(outer.right - outer.left, 800);
    EXPECT_EQ(outer.bottom - outer.top, 500);
    EXPECT_EQ(GetClassLongPtrW(window_, GCLP_HBRBACKGROUND), COLOR_WINDOW + 1);
    EXPECT_EQ(GetClassLongPtrW(window_, GCL_STYLE), 0);
    // The program's own icon 101 (its bytes are checked in the built programs).
    HICON icon = reinterpret_cast<HICON>(GetClassLongPtrW(window_, GCLP_HICON));
    EXPECT_NE(icon, nullptr);
    EXPECT_EQ(icon, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(101)));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(window_, GCLP_HCURSOR)),
              LoadCursorW(nullptr, IDC_ARROW));
}

struct ControlCase {
    HWND *handle;
    const wchar_t *className;
    std::wstring text;
    DWORD style;
    int id;
    RECT creation;
};

TEST_F(WindowTest, FiveControlsAsCreated)
{
    Create();
    const std::vector<ControlCase> cases = {
        {&hCategoryCombo, L"ComboBox", kCategoryLabels[0], 0x50200003, 1001, {10, 10, 310, 0}},
        {&hExportButton, L"Button", kExportLabel, 0x50000000, 1004, {525, 10, 680, 35}},
        {&hAboutButton, L"Button", kAboutLabel, 0x50000000, 1005, {690, 10, 775, 35}},
        {&hDeviceList, L"SysListView32", L"", 0x50800005, 1002, {10, 45, 775, 345}},
        {&hDetailEdit, L"Edit", kPlaceholder, 0x50A00804, 1003, {10, 355, 775, 450}},
    };
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (const ControlCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "control " << c.id);
        HWND control = *c.handle;
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetParent(control), window_);
        EXPECT_EQ(ClassOf(control), c.className);
        EXPECT_EQ(GetDlgCtrlID(control), c.id);
        EXPECT_EQ(TextOf(control), c.text);
        // The platform adjusts some bits of its own (Wine's combo box drops
        // WS_VSCROLL, its edit turns WS_BORDER into an edge): compare with a
        // control it makes from the stated arguments.
        HWND reference = CreateWindowExW(0, c.className, L"", c.style, 0, 0, 50, 50, window_,
                                         nullptr, nullptr, nullptr);
        // The list view shows scroll bars as its rows need them.
        LONG dynamic = c.id == ID_DEVICE_LIST ? WS_HSCROLL | WS_VSCROLL : 0;
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & ~dynamic,
                  GetWindowLongW(reference, GWL_STYLE) & ~dynamic);
        EXPECT_EQ(GetWindowLongW(control, GWL_EXSTYLE), GetWindowLongW(reference, GWL_EXSTYLE));
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP, 0);
        DestroyWindow(reference);
        RECT r = ClientRectOf(control);
        EXPECT_EQ(r.left, c.creation.left);
        EXPECT_EQ(r.top, c.creation.top);
        EXPECT_EQ(r.right, c.creation.right);
        if (c.className != std::wstring(L"ComboBox")) {
            EXPECT_EQ(r.bottom, c.creation.bottom);
        }
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), font);
    }
    EXPECT_EQ(SendMessageW(hDeviceList, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), 0x21);
    const wchar_t *titles[] = {L"Device Name", L"Hardware ID", L"Manufacturer", L"Driver (.sys)"};
    const int widths[] = {260, 230, 135, 140};
    for (int i = 0; i < 4; ++i) {
        wchar_t title[64] = L"";
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = title;
        column.cchTextMax = 64;
        ASSERT_TRUE(
            SendMessageW(hDeviceList, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(title, titles[i]);
        EXPECT_EQ(column.cx, widths[i]);
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
    }
    EXPECT_FALSE(SendMessageW(hDeviceList, LVM_GETCOLUMNW, 4, 0));
}

TEST_F(WindowTest, CategoriesOfTheBuildWithRowZeroSelected)
{
    Create();
    std::vector<std::wstring> labels;
    int count = static_cast<int>(SendMessageW(hCategoryCombo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t label[64] = L"";
        SendMessageW(hCategoryCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(label));
        labels.push_back(label);
    }
    EXPECT_EQ(labels, kCategoryLabels);
    EXPECT_EQ(SendMessageW(hCategoryCombo, CB_GETCURSEL, 0, 0), 0);
}

TEST_F(WindowTest, ListShowsEveryPresentDeviceAtStart)
{
    CraftedDevice device = DeviceOf(1, L"0001");
    device.friendlyName = Text(L"Réseau \u65e5\u672c");
    device.hardwareIds = MultiText({L"ROOT\\NETCARD", L"OTHER"});
    device.manufacturer = Text(L"Maker");
    CreatePresentDevice(device);
    Create();
    std::vector<std::vector<std::wstring>> rows = ListRows();
    EXPECT_EQ(rows, PresentDeviceTexts(nullptr));
    bool found = false;
    for (const auto &row : rows) {
        found = found || row == std::vector<std::wstring>{L"Réseau \u65e5\u672c", L"ROOT\\NETCARD",
                                                          L"Maker", L"N/A"};
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(TextOf(hDetailEdit), kPlaceholder);
}

TEST_F(WindowTest, EachCategoryRefillsAndNoSelectionEmpties)
{
    CraftedDevice net = DeviceOf(1, L"0001");
    net.friendlyName = Text(L"Crafted network adapter");
    CreatePresentDevice(net);
    CraftedDevice media = DeviceOf(6, L"0002");
    media.friendlyName = Text(L"Crafted sound card");
    CreatePresentDevice(media);
    Create();
    for (int index : {1, 2, 3, 4, 5, 6, 0}) {
        SCOPED_TRACE(index);
        ChooseCategory(window_, index);
        EXPECT_EQ(ListRows(), PresentDeviceTexts(kDeviceCategories[index].classGuid));
        EXPECT_EQ(TextOf(hDetailEdit), kPlaceholder);
    }
    ChooseCategory(window_, 1);
    EXPECT_EQ(ListRows().size(), 1u);
    SelectRow(0, true);
    ChooseCategory(window_, -1);  // CB_ERR: nothing selected
    EXPECT_TRUE(ListRows().empty());
    EXPECT_EQ(TextOf(hDetailEdit), kPlaceholder);
}

TEST_F(WindowTest, SelectedRowShowsItsDetails)
{
    CraftedDevice first = DeviceOf(1, L"0001");
    first.friendlyName = Text(L"First card");
    first.hardwareIds = MultiText({L"PCI\\FIRST", L"PCI\\MORE"});
    first.manufacturer = Text(L"Maker one");
    CreatePresentDevice(first);
    CraftedDevice second = DeviceOf(1, L"0002");
    CreatePresentDevice(second);
    Create();
    ChooseCategory(window_, 1);

    SelectRow(0, true);
    EXPECT_EQ(TextOf(hDetailEdit),
              L"Device Name: First card\r\nHardware ID: PCI\\FIRST\r\n"
              L"Manufacturer: Maker one\r\nAssociated Driver: N/A");
    SelectRow(1, true);
    EXPECT_EQ(TextOf(hDetailEdit),
              L"Device Name: Unknown\r\nHardware ID: N/A\r\n"
              L"Manufacturer: N/A\r\nAssociated Driver: N/A");
    SelectRow(1, false);  // deselected: the pane keeps the text
    EXPECT_EQ(TextOf(hDetailEdit),
              L"Device Name: Unknown\r\nHardware ID: N/A\r\n"
              L"Manufacturer: N/A\r\nAssociated Driver: N/A");
    ChooseCategory(window_, 1);
    EXPECT_EQ(TextOf(hDetailEdit), kPlaceholder);
}

TEST_F(WindowTest, LongestTextsAreCutTo2047Units)
{
    CreateServiceKey(L"HalvexWindowSvc", REG_SZ, Text(L"C:\\" + std::wstring(511, L'd')));
    CraftedDevice device = DeviceOf(1, L"0001");
    device.friendlyName = Text(std::wstring(511, L'n'));
    device.hardwareIds = MultiText({std::wstring(510, L'h')});
    device.manufacturer = Text(std::wstring(511, L'm'));
    device.service = Text(L"HalvexWindowSvc");
    CreatePresentDevice(device);
    Create();
    ChooseCategory(window_, 1);
    ASSERT_EQ(ListRows().size(), 1u);
    EXPECT_EQ(ListRows()[0][0], std::wstring(511, L'n'));
    SelectRow(0, true);
    std::wstring whole = L"Device Name: " + std::wstring(511, L'n') + L"\r\nHardware ID: " +
                         std::wstring(510, L'h') + L"\r\nManufacturer: " + std::wstring(511, L'm') +
                         L"\r\nAssociated Driver: " + std::wstring(511, L'd');
    EXPECT_EQ(TextOf(hDetailEdit), whole.substr(0, 2047));
}

TEST_F(WindowTest, OtherNotificationsDoNothing)
{
    Create();
    ChooseCategory(window_, 0);
    size_t rows = ListRows().size();
    SetWindowTextW(hDetailEdit, L"marker");
    for (WORD code : {CBN_DROPDOWN, CBN_CLOSEUP, CBN_SETFOCUS, CBN_KILLFOCUS}) {
        EXPECT_EQ(SendMessageW(window_, WM_COMMAND, MAKEWPARAM(ID_CATEGORY_COMBO, code), 0), 0);
    }
    EXPECT_EQ(SendMessageW(window_, WM_COMMAND, MAKEWPARAM(ID_DETAIL_EDIT, EN_CHANGE), 0), 0);
    NMLISTVIEW change = {};
    change.hdr.idFrom = ID_DETAIL_EDIT;
    change.hdr.code = LVN_ITEMCHANGED;
    change.uNewState = LVIS_SELECTED;
    EXPECT_EQ(SendMessageW(window_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change)), 0);
    change.hdr.idFrom = ID_DEVICE_LIST;
    change.iItem = -1;  // no row: ignored
    EXPECT_EQ(SendMessageW(window_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change)), 0);
    EXPECT_EQ(TextOf(hDetailEdit), L"marker");
    EXPECT_EQ(ListRows().size(), rows);
}

TEST_F(WindowTest, LayoutFollowsTheClientSize)
{
    Create();
    struct Size {
        int w, h;
    };
    for (Size s : {Size{785, 460}, Size{1200, 900}, Size{280, 160}, Size{250, 100}, Size{90, 20},
                   Size{0, 0}, Size{785, 460}}) {
        SCOPED_TRACE(testing::Message() << s.w << "x" << s.h);
        SendMessageW(window_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(s.w, s.h));
        struct Expected {
            HWND control;
            int x, y, w, h;
        };
        for (Expected e : {Expected{hCategoryCombo, 10, 10, s.w - 280, 200},
                           Expected{hExportButton, s.w - 260, 10, 155, 25},
                           Expected{hAboutButton, s.w - 95, 10, 85, 25},
                           Expected{hDeviceList, 10, 45, s.w - 20, s.h - 160},
                           Expected{hDetailEdit, 10, s.h - 105, s.w - 20, 95}}) {
            RECT r = ClientRectOf(e.control);
            EXPECT_EQ(r.left, e.x) << GetDlgCtrlID(e.control);
            EXPECT_EQ(r.top, e.y) << GetDlgCtrlID(e.control);
            // Negative sizes reach the platform as computed; it makes them 0.
            EXPECT_EQ(r.right - r.left, std::max(e.w, 0)) << GetDlgCtrlID(e.control);
            if (e.control != hCategoryCombo) {
                EXPECT_EQ(r.bottom - r.top, std::max(e.h, 0)) << GetDlgCtrlID(e.control);
            }
        }
    }
}

TEST_F(WindowTest, MinimiseAndRestoreKeepTheLayout)
{
    Create();
    ShowWindow(window_, SW_SHOWNORMAL);
    RECT client;
    GetClientRect(window_, &client);
    ShowWindow(window_, SW_MINIMIZE);
    ShowWindow(window_, SW_RESTORE);
    RECT list = ClientRectOf(hDeviceList);
    EXPECT_EQ(list.right - list.left, client.right - 20);
    EXPECT_EQ(list.bottom - list.top, client.bottom - 160);
    RECT about = ClientRectOf(hAboutButton);
    EXPECT_EQ(about.left, client.right - 95);
}

TEST_F(WindowTest, AboutBox)
{
    Create();
    DialogDriver driver(DialogScript{});
    EXPECT_EQ(SendMessageW(window_, WM_COMMAND, MAKEWPARAM(ID_ABOUT_BUTTON, BN_CLICKED), 0), 0);
    std::vector<SeenDialog> boxes = driver.MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"About");
    EXPECT_EQ(boxes[0].owner, window_);
    EXPECT_EQ(boxes[0].icon, LoadIconW(nullptr, IDI_ASTERISK));
    EXPECT_FALSE(boxes[0].hasCancel);
    std::wstring text = boxes[0].text;
    EXPECT_EQ(text.substr(0, text.find(L"\r\n")), kAboutFirstLine);
    EXPECT_EQ(text.substr(text.find(L"\r\n"), 4), L"\r\n\r\n");
}

// The whole entry: the loop runs until the window is closed, then returns 0.
TEST_F(WindowTest, ClosingTheWindowEndsTheLoopWithZero)
{
    static HHOOK hook;
    static bool closed;
    closed = false;
    hook = SetWindowsHookExW(
        WH_CBT,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (code == HCBT_ACTIVATE &&
                ClassOf(reinterpret_cast<HWND>(wParam)) == L"HalvexClass") {
                PostMessageW(reinterpret_cast<HWND>(wParam), WM_CLOSE, 0, 0);
                closed = true;
            }
            return CallNextHookEx(hook, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    int result = wWinMain(GetModuleHandleW(nullptr), nullptr, const_cast<wchar_t *>(L"ignored"),
                          SW_SHOWNORMAL);
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(closed);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(FindWindowW(L"HalvexClass", nullptr), nullptr);
}

}  // namespace
