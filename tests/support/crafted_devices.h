// Present devices and service keys made for a test in the throwaway Wine
// prefix, through the platform's own SetupAPI and registry, and removed again.
#pragma once

#include <windows.h>
#include <setupapi.h>

#include <string>
#include <vector>

// A raw property or value: exactly these bytes are stored.
struct RawValue {
    bool present = false;
    std::vector<BYTE> bytes;
};

RawValue Text(const std::wstring &text);                   // with its terminator
RawValue MultiText(const std::vector<std::wstring> &list);  // each terminated, then one more
RawValue Bytes(const void *data, size_t size);
RawValue Unterminated(const std::wstring &text);           // its units, no terminator
std::wstring Units(wchar_t unit, size_t count);             // count copies of one unit

struct CraftedDevice {
    std::wstring instanceId;  // such as L"ROOT\\HALVEXTEST\\0001"
    GUID classGuid;
    RawValue friendlyName;
    RawValue description;
    RawValue hardwareIds;
    RawValue manufacturer;
    RawValue service;
};

// A class of the test's own that no device of the prefix belongs to.
extern const GUID kTestClassGuid;

// Creates and registers the device, then stores its properties. Values
// without a terminator of their own are written below the device's Enum key
// with NtSetValueKey, since SetupAPI would append one.
void CreatePresentDevice(const CraftedDevice &device);
void RemovePresentDevice(const std::wstring &instanceId);

// HKLM\SYSTEM\CurrentControlSet\Services\<name>, with "ImagePath" stored as
// exactly these bytes of this type when imagePath.present.
void CreateServiceKey(const std::wstring &name, DWORD type, const RawValue &imagePath);
void DeleteServiceKey(const std::wstring &name);

// Removes every device and service key made through these calls so far.
void RemoveEverythingCrafted();

// The present devices of a class (or of all classes when null), in the
// platform's order, as the test itself reads them: instance IDs.
std::vector<std::wstring> PresentInstanceIds(const GUID *classGuid);
