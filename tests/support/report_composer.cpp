#include "support/report_composer.h"

#include <windows.h>
#include <setupapi.h>

namespace {

// A property as text, or false when it is missing or over 1024 bytes.
bool ReadProperty(HDEVINFO set, SP_DEVINFO_DATA *data, DWORD property, std::wstring *text)
{
    DWORD size = 0;
    SetupDiGetDeviceRegistryPropertyW(set, data, property, nullptr, nullptr, 0, &size);
    if (size == 0 || size > 1024) {
        return false;
    }
    std::vector<wchar_t> value(size / sizeof(wchar_t) + 1, L'\0');
    if (!SetupDiGetDeviceRegistryPropertyW(set, data, property, nullptr,
                                           reinterpret_cast<BYTE *>(value.data()), size, nullptr)) {
        return false;
    }
    *text = value.data();
    return true;
}

std::wstring DriverFile(HDEVINFO set, SP_DEVINFO_DATA *data)
{
    std::wstring service;
    if (!ReadProperty(set, data, SPDRP_SERVICE, &service)) {
        return L"N/A";
    }
    HKEY key;
    std::wstring keyPath = L"SYSTEM\\CurrentControlSet\\Services\\" + service;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) != 0) {
        return L"N/A";
    }
    wchar_t value[1025] = {};
    DWORD type = 0;
    DWORD size = 2048;
    LONG status = RegQueryValueExW(key, L"ImagePath", nullptr, &type,
                                   reinterpret_cast<BYTE *>(value), &size);
    RegCloseKey(key);
    if (status != 0 || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return L"N/A";
    }
    std::wstring path = value;
    size_t separator = path.find_last_of(L"\\/");
    std::wstring file = separator == std::wstring::npos ? path : path.substr(separator + 1);
    if (file.size() >= 2 && file.back() == L'"') {
        file.pop_back();
    }
    return file.empty() ? L"N/A" : file.substr(0, 511);
}

}  // namespace

std::string ReadFileBytes(const std::wstring &path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "<missing>";
    }
    std::string bytes;
    char chunk[65536];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) {
        bytes.append(chunk, read);
    }
    CloseHandle(file);
    return bytes;
}

std::string Utf16Bytes(const std::wstring &text)
{
    std::string bytes;
    for (wchar_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::string ReportBytes(const std::vector<std::vector<std::wstring>> &devices)
{
    std::wstring text = L"\xFEFF" L"List of all present devices\r\n===========================\r\n\r\n";
    unsigned long number = 0;
    for (const std::vector<std::wstring> &d : devices) {
        text += L"[" + std::to_wstring(++number) + L"]\r\n";
        text += L"Device Name: " + d[0] + L"\r\n";
        text += L"Hardware ID: " + d[1] + L"\r\n";
        text += L"Manufacturer: " + d[2] + L"\r\n";
        text += L"Associated Driver: " + d[3] + L"\r\n\r\n";
    }
    return Utf16Bytes(text);
}

ComposedReport ComposeReportOfPresentDevices()
{
    std::vector<std::vector<std::wstring>> devices = PresentDeviceTexts(nullptr);
    return {ReportBytes(devices), static_cast<unsigned long>(devices.size())};
}

std::vector<std::vector<std::wstring>> PresentDeviceTexts(const GUID *classGuid)
{
    std::vector<std::vector<std::wstring>> devices;
    DWORD flags = classGuid ? DIGCF_PRESENT : DIGCF_PRESENT | DIGCF_ALLCLASSES;
    HDEVINFO set = SetupDiGetClassDevsW(classGuid, nullptr, nullptr, flags);
    SP_DEVINFO_DATA data = {};
    data.cbSize = sizeof(data);
    for (DWORD i = 0; set != INVALID_HANDLE_VALUE && SetupDiEnumDeviceInfo(set, i, &data); ++i) {
        std::wstring name, hardwareId, manufacturer;
        if (!ReadProperty(set, &data, SPDRP_FRIENDLYNAME, &name) &&
            !ReadProperty(set, &data, SPDRP_DEVICEDESC, &name)) {
            name = L"Unknown";
        }
        if (!ReadProperty(set, &data, SPDRP_HARDWAREID, &hardwareId)) {
            hardwareId = L"N/A";
        }
        if (!ReadProperty(set, &data, SPDRP_MFG, &manufacturer)) {
            manufacturer = L"N/A";
        }
        devices.push_back({name, hardwareId, manufacturer, DriverFile(set, &data)});
    }
    if (set != INVALID_HANDLE_VALUE) {
        SetupDiDestroyDeviceInfoList(set);
    }
    return devices;
}
