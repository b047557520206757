// Reading one device's texts, against devices crafted in the Wine prefix.
#include <cstring>

#include "inventory/inventory_support.h"

namespace {

struct RecordCase {
    const char *name;
    RawValue friendlyName;
    RawValue description;
    RawValue hardwareIds;
    RawValue manufacturer;
    std::wstring expectedName;
    std::wstring expectedHardwareId;
    std::wstring expectedManufacturer;
};

RawValue None() { return RawValue(); }


std::vector<RecordCase> RecordCases()
{
    return {
        {"friendly name before description", Text(L"Crafted Friendly"), Text(L"Crafted Desc"),
         MultiText({L"ROOT\\CRAFTED"}), Text(L"Crafted Mfg"),
         L"Crafted Friendly", L"ROOT\\CRAFTED", L"Crafted Mfg"},
        {"description without friendly name", None(), Text(L"Only Description"), None(), None(),
         L"Only Description", L"N/A", L"N/A"},
        {"neither name gives the fallback", None(), None(), None(), None(),
         L"Unknown", L"N/A", L"N/A"},
        {"empty friendly name is kept and the description not read", Text(L""), Text(L"Desc"),
         None(), None(), L"", L"N/A", L"N/A"},
        {"friendly name of 511 units read whole", Text(Units(L'f', 511)), Text(L"Desc"), None(),
         None(), Units(L'f', 511), L"N/A", L"N/A"},
        {"friendly name over 511 units gives the description", Text(Units(L'f', 512)),
         Text(L"Desc"), None(), None(), L"Desc", L"N/A", L"N/A"},
        {"both names too long give the fallback", Text(Units(L'f', 512)), Text(Units(L'd', 600)),
         None(), None(), L"Unknown", L"N/A", L"N/A"},
        {"unterminated friendly name filling 1024 bytes is cut to 511 units",
         Unterminated(Units(L'u', 512)), Text(L"Desc"), None(), None(), Units(L'u', 511), L"N/A",
         L"N/A"},
        {"several hardware IDs show the first", None(), None(),
         MultiText({L"PCI\\VEN_8086&DEV_1237", L"PCI\\VEN_8086", L"PCI\\CC_0600"}), None(),
         L"Unknown", L"PCI\\VEN_8086&DEV_1237", L"N/A"},
        {"hardware ID list of exactly 1024 bytes", None(), None(), MultiText({Units(L'h', 510)}),
         None(), L"Unknown", Units(L'h', 510), L"N/A"},
        {"hardware ID list over 1024 bytes is N/A though its first ID fits", None(), None(),
         MultiText({L"SHORT\\ID", Units(L'h', 600)}), None(), L"Unknown", L"N/A", L"N/A"},
        {"empty manufacturer is kept", None(), None(), None(), Text(L""), L"Unknown", L"N/A", L""},
        {"texts outside any code page unit for unit",
         Text(L"\u0395\u03bb\u03bb\u03ac\u03b4\u03b1 \u65e5\u672c \xD83D\xDE00"), None(),
         MultiText({L"USB\\\u00e9\u00e8"}), Text(L"Soci\u00e9t\u00e9 \u6771\u829d"),
         L"\u0395\u03bb\u03bb\u03ac\u03b4\u03b1 \u65e5\u672c \xD83D\xDE00", L"USB\\\u00e9\u00e8",
         L"Soci\u00e9t\u00e9 \u6771\u829d"},
        {"a line feed inside a text stays", Text(L"two\nlines"), None(), None(), Text(L"a\r\nb"),
         L"two\nlines", L"N/A", L"a\r\nb"},
    };
}

class DeviceRecordTest : public CraftedDeviceTest {};

TEST_F(DeviceRecordTest, FieldsAndFallbacks)
{
    for (const RecordCase &c : RecordCases()) {
        SCOPED_TRACE(c.name);
        CraftedDevice device;
        device.instanceId = L"ROOT\\HALVEXTEST\\0001";
        device.classGuid = kTestClassGuid;
        device.friendlyName = c.friendlyName;
        device.description = c.description;
        device.hardwareIds = c.hardwareIds;
        device.manufacturer = c.manufacturer;
        CreatePresentDevice(device);
        if (HasFatalFailure()) {
            return;
        }

        Enumeration e = Enumerate(&kTestClassGuid);
        ASSERT_TRUE(e.result);
        ASSERT_EQ(e.records.size(), 1u);
        const DeviceRecord &r = e.records[0];
        for (const WCHAR *field : {r.name, r.hardwareId, r.manufacturer, r.driverFile}) {
            EXPECT_EQ(field[kDeviceTextCapacity - 1], L'\0');
        }
        EXPECT_EQ(std::wstring(r.name), c.expectedName);
        EXPECT_EQ(std::wstring(r.hardwareId), c.expectedHardwareId);
        EXPECT_EQ(std::wstring(r.manufacturer), c.expectedManufacturer);
        EXPECT_EQ(std::wstring(r.driverFile), L"N/A");

        RemoveEverythingCrafted();
    }
}

// Each field must be exactly its reset text and zeros with the value read
// written over its start: nothing of the earlier, longer device may show
// through.
void ExpectOnlyThisDevice(const WCHAR *field, const std::wstring &resetText,
                          const std::wstring &value, const char *what)
{
    std::vector<WCHAR> expected(kDeviceTextCapacity, L'\0');
    std::copy(resetText.begin(), resetText.end(), expected.begin());
    std::copy(value.begin(), value.end(), expected.begin());
    expected[value.size()] = L'\0';
    for (int i = 0; i < kDeviceTextCapacity; ++i) {
        if (field[i] != expected[i]) {
            ADD_FAILURE() << what << ": unit " << i << " is " << std::hex << field[i]
                          << " instead of " << expected[i];
            return;
        }
    }
}

TEST_F(DeviceRecordTest, ShortDeviceAfterLongOneLeavesNothingBehind)
{
    CreateServiceKey(L"HalvexLongSvc", REG_SZ, Text(L"C:\\d\\" + Units(L'x', 600)));
    CreateServiceKey(L"HalvexShortSvc", REG_SZ, Text(L"C:\\d\\s.sys"));
    CraftedDevice longDevice;
    longDevice.instanceId = L"ROOT\\HALVEXTEST\\0001";
    longDevice.classGuid = kTestClassGuid;
    longDevice.friendlyName = Text(Units(L'n', 511));
    longDevice.hardwareIds = MultiText({Units(L'h', 510)});
    longDevice.manufacturer = Text(Units(L'm', 511));
    longDevice.service = Text(L"HalvexLongSvc");
    CreatePresentDevice(longDevice);
    CraftedDevice shortDevice;
    shortDevice.instanceId = L"ROOT\\HALVEXTEST\\0002";
    shortDevice.classGuid = kTestClassGuid;
    shortDevice.friendlyName = Text(L"S");
    shortDevice.hardwareIds = MultiText({L"H"});
    shortDevice.service = Text(L"HalvexShortSvc");
    CreatePresentDevice(shortDevice);
    CraftedDevice bareDevice;
    bareDevice.instanceId = L"ROOT\\HALVEXTEST\\0003";
    bareDevice.classGuid = kTestClassGuid;
    CreatePresentDevice(bareDevice);

    Enumeration e = Enumerate(&kTestClassGuid);
    ASSERT_EQ(e.records.size(), 3u);
    ExpectOnlyThisDevice(e.records[0].name, L"Unknown", Units(L'n', 511), "long name");
    ExpectOnlyThisDevice(e.records[0].driverFile, L"N/A", Units(L'x', 511), "long driver file");
    ExpectOnlyThisDevice(e.records[1].name, L"Unknown", L"S", "short name");
    // The list ends with a second terminator.
    ExpectOnlyThisDevice(e.records[1].hardwareId, L"N/A", std::wstring(L"H\0", 2), "short hardware ID");
    ExpectOnlyThisDevice(e.records[1].manufacturer, L"N/A", L"N/A", "missing manufacturer");
    ExpectOnlyThisDevice(e.records[1].driverFile, L"N/A", L"s.sys", "short driver file");
    ExpectOnlyThisDevice(e.records[2].name, L"Unknown", L"Unknown", "bare name");
    ExpectOnlyThisDevice(e.records[2].hardwareId, L"N/A", L"N/A", "bare hardware ID");
    ExpectOnlyThisDevice(e.records[2].manufacturer, L"N/A", L"N/A", "bare manufacturer");
    ExpectOnlyThisDevice(e.records[2].driverFile, L"N/A", L"N/A", "bare driver file");
}

}  // namespace
