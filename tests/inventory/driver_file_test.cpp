// The driver file name, from real service keys in the prefix's registry.
#include <cstring>

#include "inventory/driver_file.h"
#include "inventory/inventory_support.h"

namespace {


struct Resolution {
    bool result;
    std::wstring driverFile;
    bool terminatedInField;
};

// Resolves the driver file of the first present device of the test class.
Resolution ResolveFirstTestDevice()
{
    Resolution r = {false, L"", false};
    HDEVINFO set = SetupDiGetClassDevsW(&kTestClassGuid, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "no device list";
        return r;
    }
    SP_DEVINFO_DATA device;
    std::memset(&device, 0, sizeof(device));
    device.cbSize = sizeof(device);
    if (!SetupDiEnumDeviceInfo(set, 0, &device)) {
        ADD_FAILURE() << "no device";
    } else {
        WCHAR field[kDeviceTextCapacity];
        std::memset(field, 0xCC, sizeof(field));
        r.result = ResolveDriverFile(set, &device, field);
        r.terminatedInField = std::wmemchr(field, L'\0', kDeviceTextCapacity) != nullptr;
        if (r.terminatedInField) {
            r.driverFile = field;
        }
    }
    SetupDiDestroyDeviceInfoList(set);
    return r;
}

void CreateServedDevice(const wchar_t *instanceId, const RawValue &service)
{
    CraftedDevice device;
    device.instanceId = instanceId;
    device.classGuid = kTestClassGuid;
    device.service = service;
    CreatePresentDevice(device);
}

struct ImagePathCase {
    const char *name;
    DWORD type;
    RawValue imagePath;
    std::wstring expectedDriverFile;
    bool expectedResult;
};

const DWORD kDword = 7;

std::vector<ImagePathCase> ImagePathCases()
{
    const std::wstring quoted = L"\"C:\\Program Files\\Vendor\\svc.exe\"";
    return {
        {"system root path", REG_EXPAND_SZ, Text(L"\\SystemRoot\\System32\\drivers\\usbhub.sys"), L"usbhub.sys", true},
        {"relative path", REG_SZ, Text(L"System32\\drivers\\disk.sys"), L"disk.sys", true},
        {"environment reference in the folder", REG_EXPAND_SZ, Text(L"%SystemRoot%\\System32\\drivers\\acpi.sys"), L"acpi.sys", true},
        {"forward slashes", REG_SZ, Text(L"C:/Drivers/net.sys"), L"net.sys", true},
        {"no separator", REG_SZ, Text(L"usbhub.sys"), L"usbhub.sys", true},
        {"arguments stay", REG_EXPAND_SZ, Text(L"C:\\Windows\\system32\\svchost.exe -k LocalService"), L"svchost.exe -k LocalService", true},
        {"quoted path", REG_SZ, Text(quoted), L"svc.exe", true},
        {"quoted path then /run", REG_SZ, Text(quoted + L" /run"), L"run", true},
        {"quoted path then -k x", REG_SZ, Text(quoted + L" -k x"), L"svc.exe\" -k x", true},
        {"quoted name without separator", REG_SZ, Text(L"\"usbhub.sys\""), L"\"usbhub.sys", true},
        {"ends in a separator", REG_SZ, Text(L"C:\\Drivers\\"), L"N/A", false},
        {"a single double quote", REG_SZ, Text(L"\""), L"\"", true},
        {"empty text", REG_SZ, Text(L""), L"N/A", false},
        {"environment reference in the file name stays", REG_EXPAND_SZ, Text(L"C:\\d\\%DRIVER%.sys"), L"%DRIVER%.sys", true},
        {"multi-string type", REG_MULTI_SZ, MultiText({L"C:\\d\\multi.sys"}), L"N/A", false},
        {"binary type", REG_BINARY, Text(L"C:\\d\\binary.sys"), L"N/A", false},
        {"number type", REG_DWORD, Bytes(&kDword, sizeof kDword), L"N/A", false},
        {"exactly 2048 bytes read whole", REG_SZ, Text(L"C:\\" + Units(L'd', 1011) + L"\\long.sys"), L"long.sys", true},
        {"2050 bytes is too large", REG_SZ, Text(L"C:\\" + Units(L'd', 1012) + L"\\long.sys"), L"N/A", false},
        {"unterminated 2048 bytes lose the last unit", REG_SZ, Unterminated(L"C:\\" + Units(L'd', 1011) + L"\\long.sysX"), L"long.sys", true},
        {"unterminated short value ends with its data", REG_SZ, Unterminated(L"C:\\a\\short.sys"), L"short.sys", true},
        {"value with no data", REG_SZ, Bytes(nullptr, 0), L"N/A", false},
        {"file name of 511 units whole", REG_SZ, Text(L"C:\\" + Units(L'f', 511)), Units(L'f', 511), true},
        {"file name over 511 units cut", REG_SZ, Text(L"C:\\" + Units(L'f', 700)), Units(L'f', 511), true},
        {"no ImagePath value", REG_SZ, RawValue(), L"N/A", false},
    };
}

class DriverFileTest : public CraftedDeviceTest {};

TEST_F(DriverFileTest, ImagePathValues)
{
    for (const ImagePathCase &c : ImagePathCases()) {
        SCOPED_TRACE(c.name);
        CreateServiceKey(L"HalvexTestSvc", c.type, c.imagePath);
        CreateServedDevice(L"ROOT\\HALVEXTEST\\0001", Text(L"HalvexTestSvc"));
        if (HasFatalFailure()) {
            return;
        }
        Resolution r = ResolveFirstTestDevice();
        EXPECT_EQ(r.result, c.expectedResult);
        ASSERT_TRUE(r.terminatedInField);
        EXPECT_EQ(r.driverFile, c.expectedDriverFile);

        // The record of the enumeration carries the same text.
        Enumeration e = Enumerate(&kTestClassGuid);
        ASSERT_EQ(e.records.size(), 1u);
        EXPECT_EQ(std::wstring(e.records[0].driverFile), c.expectedDriverFile);
        RemoveEverythingCrafted();
    }
}

struct ServiceCase {
    const char *name;
    RawValue service;             // the device's service property
    std::wstring serviceKey;      // the key created, or empty for none
    std::wstring expectedDriverFile;
    bool expectedResult;
};

std::vector<ServiceCase> ServiceCases()
{
    const std::wstring longest = L"HalvexSvc" + Units(L'n', 246);  // 255 units
    return {
        {"no service property", RawValue(), L"", L"N/A", false},
        {"service key missing", Text(L"HalvexNoSuchSvc"), L"", L"N/A", false},
        {"service name of 255 units", Text(longest), longest, L"found.sys", true},
        {"service name over 255 units does not fit", Text(longest + L"x"), longest, L"N/A", false},
        {"unterminated service name filling 512 bytes is cut to 255 units",
         Unterminated(longest + L"x"), longest, L"found.sys", true},
        {"empty service name", Text(L""), L"", L"N/A", false},
    };
}

TEST_F(DriverFileTest, ServiceNames)
{
    for (const ServiceCase &c : ServiceCases()) {
        SCOPED_TRACE(c.name);
        if (!c.serviceKey.empty()) {
            CreateServiceKey(c.serviceKey, REG_SZ, Text(L"C:\\drivers\\found.sys"));
        }
        CreateServedDevice(L"ROOT\\HALVEXTEST\\0001", c.service);
        if (HasFatalFailure()) {
            return;
        }
        Resolution r = ResolveFirstTestDevice();
        EXPECT_EQ(r.result, c.expectedResult);
        ASSERT_TRUE(r.terminatedInField);
        EXPECT_EQ(r.driverFile, c.expectedDriverFile);
        RemoveEverythingCrafted();
    }
}

TEST_F(DriverFileTest, TwoDevicesSharingAServiceEachFindIt)
{
    CreateServiceKey(L"HalvexSharedSvc", REG_EXPAND_SZ, Text(L"System32\\drivers\\shared.sys"));
    CreateServedDevice(L"ROOT\\HALVEXTEST\\0001", Text(L"HalvexSharedSvc"));
    CreateServedDevice(L"ROOT\\HALVEXTEST\\0002", Text(L"HalvexSharedSvc"));
    Enumeration e = Enumerate(&kTestClassGuid);
    ASSERT_EQ(e.records.size(), 2u);
    EXPECT_STREQ(e.records[0].driverFile, L"shared.sys");
    EXPECT_STREQ(e.records[1].driverFile, L"shared.sys");
}

TEST_F(DriverFileTest, NoOutputFieldWritesNothing)
{
    CreateServiceKey(L"HalvexTestSvc", REG_SZ, Text(L"C:\\drivers\\found.sys"));
    CreateServedDevice(L"ROOT\\HALVEXTEST\\0001", Text(L"HalvexTestSvc"));
    HDEVINFO set = SetupDiGetClassDevsW(&kTestClassGuid, nullptr, nullptr, DIGCF_PRESENT);
    ASSERT_NE(set, INVALID_HANDLE_VALUE);
    SP_DEVINFO_DATA device;
    std::memset(&device, 0, sizeof(device));
    device.cbSize = sizeof(device);
    ASSERT_TRUE(SetupDiEnumDeviceInfo(set, 0, &device));
    EXPECT_FALSE(ResolveDriverFile(set, &device, nullptr));
    SetupDiDestroyDeviceInfoList(set);
}

}  // namespace
