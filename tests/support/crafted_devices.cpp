#include "support/crafted_devices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

const GUID kTestClassGuid = {
    0x6a1b5c7e, 0x3f42, 0x4d8a, {0x9e, 0x11, 0x52, 0x7c, 0x0d, 0xa4, 0x66, 0x21}};

namespace {

std::vector<std::wstring> gCreatedDevices;
std::vector<std::wstring> gCreatedServices;

struct NtUnicodeString {
    USHORT Length;
    USHORT MaximumLength;
    PWSTR Buffer;
};
typedef LONG(WINAPI *NtSetValueKeyProc)(HANDLE, NtUnicodeString *, ULONG, ULONG, PVOID, ULONG);

// Stores bytes as they are, with no terminator added.
void SetRawValue(HKEY key, const wchar_t *name, DWORD type, const RawValue &value)
{
    static NtSetValueKeyProc ntSetValueKey = reinterpret_cast<NtSetValueKeyProc>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtSetValueKey")));
    ASSERT_NE(ntSetValueKey, nullptr);
    std::wstring valueName = name;
    NtUnicodeString unicodeName = {static_cast<USHORT>(valueName.size() * sizeof(wchar_t)),
                                   static_cast<USHORT>(valueName.size() * sizeof(wchar_t)),
                                   &valueName[0]};
    std::vector<BYTE> data = value.bytes;
    data.push_back(0);  // a valid pointer even for zero bytes
    ASSERT_EQ(ntSetValueKey(key, &unicodeName, 0, type, data.data(),
                            static_cast<ULONG>(value.bytes.size())),
              0);
}

bool IsTerminatedText(const RawValue &value)
{
    size_t size = value.bytes.size();
    return size >= 2 && size % 2 == 0 && value.bytes[size - 1] == 0 && value.bytes[size - 2] == 0;
}

void SetProperty(HDEVINFO set, SP_DEVINFO_DATA *data, const std::wstring &instanceId,
                 DWORD property, const wchar_t *valueName, DWORD type, const RawValue &value)
{
    if (!value.present) {
        return;
    }
    if (IsTerminatedText(value)) {
        ASSERT_TRUE(SetupDiSetDeviceRegistryPropertyW(set, data, property, value.bytes.data(),
                                                      static_cast<DWORD>(value.bytes.size())))
            << "property " << property << " error " << GetLastError();
        return;
    }
    std::wstring keyPath = L"System\\CurrentControlSet\\Enum\\" + instanceId;
    HKEY key;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    SetRawValue(key, valueName, type, value);
    RegCloseKey(key);
}

}  // namespace

RawValue Text(const std::wstring &text)
{
    return Bytes(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

RawValue MultiText(const std::vector<std::wstring> &list)
{
    std::wstring joined;
    for (const std::wstring &item : list) {
        joined += item;
        joined.push_back(L'\0');
    }
    joined.push_back(L'\0');
    return Bytes(joined.data(), joined.size() * sizeof(wchar_t));
}

RawValue Unterminated(const std::wstring &text)
{
    return Bytes(text.data(), text.size() * sizeof(wchar_t));
}

std::wstring Units(wchar_t unit, size_t count)
{
    return std::wstring(count, unit);
}

RawValue Bytes(const void *data, size_t size)
{
    RawValue value;
    value.present = true;
    const BYTE *begin = static_cast<const BYTE *>(data);
    value.bytes.assign(begin, begin + size);
    return value;
}

void CreatePresentDevice(const CraftedDevice &device)
{
    HDEVINFO set = SetupDiCreateDeviceInfoList(&device.classGuid, nullptr);
    ASSERT_NE(set, INVALID_HANDLE_VALUE);
    SP_DEVINFO_DATA data;
    std::memset(&data, 0, sizeof(data));
    data.cbSize = sizeof(data);
    ASSERT_TRUE(SetupDiCreateDeviceInfoW(set, device.instanceId.c_str(), &device.classGuid,
                                         nullptr, nullptr, 0, &data))
        << "error " << GetLastError();
    gCreatedDevices.push_back(device.instanceId);
    ASSERT_TRUE(SetupDiRegisterDeviceInfo(set, &data, 0, nullptr, nullptr, nullptr));
    const std::wstring &id = device.instanceId;
    SetProperty(set, &data, id, SPDRP_FRIENDLYNAME, L"FriendlyName", REG_SZ, device.friendlyName);
    SetProperty(set, &data, id, SPDRP_DEVICEDESC, L"DeviceDesc", REG_SZ, device.description);
    SetProperty(set, &data, id, SPDRP_HARDWAREID, L"HardwareID", REG_MULTI_SZ, device.hardwareIds);
    SetProperty(set, &data, id, SPDRP_MFG, L"Mfg", REG_SZ, device.manufacturer);
    SetProperty(set, &data, id, SPDRP_SERVICE, L"Service", REG_SZ, device.service);
    SetupDiDestroyDeviceInfoList(set);
}

void RemovePresentDevice(const std::wstring &instanceId)
{
    HDEVINFO set = SetupDiCreateDeviceInfoList(nullptr, nullptr);
    ASSERT_NE(set, INVALID_HANDLE_VALUE);
    SP_DEVINFO_DATA data;
    std::memset(&data, 0, sizeof(data));
    data.cbSize = sizeof(data);
    if (SetupDiOpenDeviceInfoW(set, instanceId.c_str(), nullptr, 0, &data)) {
        EXPECT_TRUE(SetupDiRemoveDevice(set, &data)) << "error " << GetLastError();
    }
    SetupDiDestroyDeviceInfoList(set);
    gCreatedDevices.erase(std::remove(gCreatedDevices.begin(), gCreatedDevices.end(), instanceId),
                          gCreatedDevices.end());
}

void CreateServiceKey(const std::wstring &name, DWORD type, const RawValue &imagePath)
{
    std::wstring keyPath = L"SYSTEM\\CurrentControlSet\\Services\\" + name;
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    gCreatedServices.push_back(name);
    if (imagePath.present) {
        SetRawValue(key, L"ImagePath", type, imagePath);
    }
    RegCloseKey(key);
}

void DeleteServiceKey(const std::wstring &name)
{
    std::wstring keyPath = L"SYSTEM\\CurrentControlSet\\Services\\" + name;
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, keyPath.c_str());
    gCreatedServices.erase(std::remove(gCreatedServices.begin(), gCreatedServices.end(), name),
                           gCreatedServices.end());
}

void RemoveEverythingCrafted()
{
    while (!gCreatedDevices.empty()) {
        RemovePresentDevice(gCreatedDevices.back());
    }
    while (!gCreatedServices.empty()) {
        DeleteServiceKey(gCreatedServices.back());
    }
}

std::vector<std::wstring> PresentInstanceIds(const GUID *classGuid)
{
    std::vector<std::wstring> ids;
    DWORD flags = classGuid ? DIGCF_PRESENT : DIGCF_PRESENT | DIGCF_ALLCLASSES;
    HDEVINFO set = SetupDiGetClassDevsW(classGuid, nullptr, nullptr, flags);
    if (set == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "no device list";
        return ids;
    }
    SP_DEVINFO_DATA data;
    std::memset(&data, 0, sizeof(data));
    data.cbSize = sizeof(data);
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &data); ++i) {
        wchar_t id[200];  // the longest instance ID and its terminator
        if (SetupDiGetDeviceInstanceIdW(set, &data, id, 200, nullptr)) {
            ids.push_back(id);
        }
    }
    SetupDiDestroyDeviceInfoList(set);
    return ids;
}
