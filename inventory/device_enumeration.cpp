#include "inventory/device_enumeration.h"

#include <string.h>

#include "inventory/driver_file.h"
#include "text/build_language.h"

GetClassDevsProc gGetClassDevs = SetupDiGetClassDevsW;

namespace {

void ResetText(WCHAR *field, const WCHAR *text)
{
    memset(field, 0, kDeviceTextCapacity * sizeof(WCHAR));
    for (int i = 0; text[i] != L'\0' && i < kDeviceTextCapacity - 1; ++i) {
        field[i] = text[i];
    }
}

// A value that fills all 1024 bytes without a terminator of its own is cut
// at its last unit, so the field always holds a terminated text.
BOOL ReadTextProperty(HDEVINFO deviceList, SP_DEVINFO_DATA *device, DWORD property, WCHAR *field)
{
    BOOL read = SetupDiGetDeviceRegistryPropertyW(deviceList, device, property, nullptr,
                                                  reinterpret_cast<BYTE *>(field),
                                                  kDeviceTextCapacity * sizeof(WCHAR), nullptr);
    field[kDeviceTextCapacity - 1] = L'\0';
    return read;
}

}  // namespace

void ReadDeviceRecord(HDEVINFO deviceList, SP_DEVINFO_DATA *device, DeviceRecord *record)
{
    ResetText(record->name, kUiText.nameFallback);
    ResetText(record->hardwareId, kUiText.fieldFallback);
    ResetText(record->manufacturer, kUiText.fieldFallback);
    ResetText(record->driverFile, kUiText.fieldFallback);

    if (!ReadTextProperty(deviceList, device, SPDRP_FRIENDLYNAME, record->name)) {
        ReadTextProperty(deviceList, device, SPDRP_DEVICEDESC, record->name);
    }
    // A list of IDs; read as one text, the field shows the first.
    ReadTextProperty(deviceList, device, SPDRP_HARDWAREID, record->hardwareId);
    ReadTextProperty(deviceList, device, SPDRP_MFG, record->manufacturer);
    ResolveDriverFile(deviceList, device, record->driverFile);
}

bool ForEachPresentDevice(const GUID *classGuid, ListReadyStep onListReady,
                          DeviceStep onDevice, void *context)
{
    DWORD flags = classGuid != nullptr ? DIGCF_PRESENT : DIGCF_PRESENT | DIGCF_ALLCLASSES;
    HDEVINFO deviceList = gGetClassDevs(classGuid, nullptr, nullptr, flags);
    if (deviceList == INVALID_HANDLE_VALUE) {
        return false;
    }
    if (onListReady != nullptr) {
        onListReady(context);
    }

    DeviceRecord record;
    SP_DEVINFO_DATA device;
    memset(&device, 0, sizeof(device));
    device.cbSize = sizeof(device);
    for (DWORD deviceIndex = 0; SetupDiEnumDeviceInfo(deviceList, deviceIndex, &device);
         ++deviceIndex) {
        ReadDeviceRecord(deviceList, &device, &record);
        if (onDevice != nullptr) {
            onDevice(context, deviceIndex, &record);
        }
    }

    SetupDiDestroyDeviceInfoList(deviceList);
    return true;
}
