// The seven device categories of the category drop-down, in display order.
#pragma once

#include <windows.h>

#include "text/ui_text.h"

struct DeviceCategory {
    const WCHAR *label;
    const GUID *classGuid;  // null: every class
};

extern const DeviceCategory kDeviceCategories[kCategoryCount];
