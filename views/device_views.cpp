#include "views/device_views.h"

#include <string.h>

#include "app/control_handles.h"
#include "inventory/device_categories.h"
#include "inventory/device_enumeration.h"
#include "text/build_language.h"
#include "text/format_bounded.h"

namespace {

enum { kDetailCapacity = 2048 };

void SetSubItemText(int row, int subItem, const WCHAR *text)
{
    LVITEMW item;
    memset(&item, 0, sizeof(item));
    item.iSubItem = subItem;
    item.pszText = const_cast<WCHAR *>(text);
    SendMessageW(hDeviceList, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

void AddDeviceRow(void *context, DWORD deviceIndex, const DeviceRecord *record)
{
    (void)context;
    int row = static_cast<int>(deviceIndex);
    LVITEMW item;
    memset(&item, 0, sizeof(item));
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = 0;
    item.pszText = const_cast<WCHAR *>(record->name);
    SendMessageW(hDeviceList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    SetSubItemText(row, 1, record->hardwareId);
    SetSubItemText(row, 2, record->manufacturer);
    SetSubItemText(row, 3, record->driverFile);
}

}  // namespace

void PopulateDeviceList(UINT categoryIndex)
{
    SendMessageW(hDeviceList, LVM_DELETEALLITEMS, 0, 0);
    SetWindowTextW(hDetailEdit, kUiText.detailPlaceholder);
    if (categoryIndex >= kCategoryCount) {
        return;
    }
    ForEachPresentDevice(kDeviceCategories[categoryIndex].classGuid, nullptr, AddDeviceRow,
                         nullptr);
}

void ShowDeviceDetails(const NMLISTVIEW *change)
{
    int row = change->iItem;
    if (row < 0) {
        return;
    }
    WCHAR texts[4][kDeviceTextCapacity];
    for (int subItem = 0; subItem < 4; ++subItem) {
        // Terminated beforehand, so a read that fails leaves an empty text.
        texts[subItem][0] = L'\0';
        texts[subItem][kDeviceTextCapacity - 1] = L'\0';
        LVITEMW item;
        memset(&item, 0, sizeof(item));
        item.iSubItem = subItem;
        item.pszText = texts[subItem];
        item.cchTextMax = kDeviceTextCapacity;
        SendMessageW(hDeviceList, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    }
    WCHAR detail[kDetailCapacity];
    FormatBounded(detail, kDetailCapacity, kUiText.detailTemplate, texts[0], texts[1], texts[2],
                  texts[3]);
    SetWindowTextW(hDetailEdit, detail);
}
