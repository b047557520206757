// The four display texts of one device.
#pragma once

#include <windows.h>

enum { kDeviceTextCapacity = 512 };  // UTF-16 units, terminator included

struct DeviceRecord {
    WCHAR name[kDeviceTextCapacity];
    WCHAR hardwareId[kDeviceTextCapacity];
    WCHAR manufacturer[kDeviceTextCapacity];
    WCHAR driverFile[kDeviceTextCapacity];
};
