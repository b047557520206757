#include "inventory/driver_file.h"

#include <string.h>

#include "inventory/device_record.h"
#include "text/build_language.h"
#include "text/format_bounded.h"

namespace {

enum {
    kServiceNameCapacity = 256,   // units
    kKeyPathCapacity = 512,       // units
    kImagePathCapacity = 1024,    // units, 2048 bytes
};

}  // namespace

bool ResolveDriverFile(HDEVINFO deviceList, SP_DEVINFO_DATA *device, WCHAR *driverFile)
{
    if (driverFile == nullptr) {
        return false;
    }
    lstrcpynW(driverFile, kUiText.fieldFallback, kDeviceTextCapacity);

    // Zero-filled so that a name stored without a terminator, or with no
    // data at all, still reads as a terminated text.
    WCHAR serviceName[kServiceNameCapacity];
    memset(serviceName, 0, sizeof(serviceName));
    DWORD dataType = 0;
    if (!SetupDiGetDeviceRegistryPropertyW(deviceList, device, SPDRP_SERVICE, &dataType,
                                           reinterpret_cast<BYTE *>(serviceName),
                                           sizeof(serviceName), nullptr)) {
        return false;
    }
    serviceName[kServiceNameCapacity - 1] = L'\0';

    WCHAR keyPath[kKeyPathCapacity];
    FormatBounded(keyPath, kKeyPathCapacity, L"SYSTEM\\CurrentControlSet\\Services\\%ls",
                  serviceName);

    HKEY serviceKey;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_QUERY_VALUE, &serviceKey) !=
        ERROR_SUCCESS) {
        return false;
    }
    WCHAR imagePath[kImagePathCapacity];
    DWORD valueType = 0;
    DWORD byteCount = sizeof(imagePath);
    LONG queried = RegQueryValueExW(serviceKey, L"ImagePath", nullptr, &valueType,
                                    reinterpret_cast<BYTE *>(imagePath), &byteCount);
    RegCloseKey(serviceKey);
    if (queried != ERROR_SUCCESS || (valueType != REG_SZ && valueType != REG_EXPAND_SZ)) {
        return false;
    }

    // The text ends at its own terminator, else where the data ends, else at
    // the last unit of the buffer.
    if (byteCount / sizeof(WCHAR) < kImagePathCapacity) {
        imagePath[byteCount / sizeof(WCHAR)] = L'\0';
    }
    imagePath[kImagePathCapacity - 1] = L'\0';

    WCHAR *fileName = imagePath;
    for (WCHAR *p = imagePath; *p != L'\0'; ++p) {
        if (*p == L'\\' || *p == L'/') {
            fileName = p + 1;
        }
    }
    size_t length = wcslen(fileName);
    if (length >= 2 && fileName[length - 1] == L'"') {
        fileName[length - 1] = L'\0';
        --length;
    }
    if (length == 0) {
        return false;
    }
    lstrcpynW(driverFile, fileName, kDeviceTextCapacity);
    return true;
}
