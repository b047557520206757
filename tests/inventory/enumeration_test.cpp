// The enumeration of present devices: order, class filter, steps, failure.
#include <cstdio>

#include "inventory/device_categories.h"
#include "inventory/inventory_support.h"

namespace {

std::string GuidText(const GUID &g)
{
    char text[40];
    snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
             static_cast<unsigned long>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
             g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return text;
}

TEST(DeviceCategories, SevenRowsWithThePublishedSetupClasses)
{
    const char *expected[kCategoryCount] = {
        nullptr,
        "{4D36E972-E325-11CE-BFC1-08002BE10318}",
        "{4D36E967-E325-11CE-BFC1-08002BE10318}",
        "{4D36E96A-E325-11CE-BFC1-08002BE10318}",
        "{4D36E968-E325-11CE-BFC1-08002BE10318}",
        "{36FC9E60-C465-11CF-8056-444553540000}",
        "{4D36E96C-E325-11CE-BFC1-08002BE10318}",
    };
    for (int i = 0; i < kCategoryCount; ++i) {
        if (expected[i] == nullptr) {
            EXPECT_EQ(kDeviceCategories[i].classGuid, nullptr);
        } else {
            ASSERT_NE(kDeviceCategories[i].classGuid, nullptr) << i;
            EXPECT_EQ(GuidText(*kDeviceCategories[i].classGuid), expected[i]) << i;
        }
    }
}

class EnumerationTest : public CraftedDeviceTest {};

CraftedDevice Named(const wchar_t *instanceId, const GUID &classGuid, const wchar_t *name)
{
    CraftedDevice device;
    device.instanceId = instanceId;
    device.classGuid = classGuid;
    device.friendlyName = Text(name);
    return device;
}

TEST_F(EnumerationTest, ClassFilterVersusAllClasses)
{
    const GUID &net = *kDeviceCategories[1].classGuid;
    const GUID &media = *kDeviceCategories[6].classGuid;
    // Created out of order: the platform lists them by instance ID.
    CreatePresentDevice(Named(L"ROOT\\HALVEXNET\\0002", net, L"Net two"));
    CreatePresentDevice(Named(L"ROOT\\HALVEXMEDIA\\0001", media, L"Media one"));
    CreatePresentDevice(Named(L"ROOT\\HALVEXNET\\0001", net, L"Net one"));

    Enumeration netOnly = Enumerate(&net);
    ASSERT_TRUE(netOnly.result);
    ASSERT_EQ(netOnly.records.size(), PresentInstanceIds(&net).size());
    ASSERT_EQ(netOnly.records.size(), 2u);
    EXPECT_STREQ(netOnly.records[0].name, L"Net one");
    EXPECT_STREQ(netOnly.records[1].name, L"Net two");

    Enumeration all = Enumerate(nullptr);
    ASSERT_TRUE(all.result);
    std::vector<std::wstring> ids = PresentInstanceIds(nullptr);
    ASSERT_EQ(all.records.size(), ids.size());
    ASSERT_GT(ids.size(), 3u);  // the prefix's own devices as well
    for (size_t i = 0; i < ids.size(); ++i) {
        const wchar_t *expectedName = ids[i] == L"ROOT\\HALVEXNET\\0001"     ? L"Net one"
                                      : ids[i] == L"ROOT\\HALVEXNET\\0002"   ? L"Net two"
                                      : ids[i] == L"ROOT\\HALVEXMEDIA\\0001" ? L"Media one"
                                                                             : nullptr;
        if (expectedName != nullptr) {
            EXPECT_STREQ(all.records[i].name, expectedName) << i;
        }
    }
    EXPECT_EQ(std::count(ids.begin(), ids.end(), L"ROOT\\HALVEXMEDIA\\0001"), 1);
}

TEST_F(EnumerationTest, StepsRunInOrderWithRisingDeviceIndexes)
{
    for (const wchar_t *id : {L"ROOT\\HALVEXTEST\\0003", L"ROOT\\HALVEXTEST\\0001",
                              L"ROOT\\HALVEXTEST\\0002"}) {
        CreatePresentDevice(Named(id, kTestClassGuid, id));
    }
    Enumeration e = Enumerate(&kTestClassGuid);
    EXPECT_TRUE(e.result);
    EXPECT_EQ(e.listReadyCalls, 1);
    EXPECT_EQ(e.devicesBeforeListReady, 0);
    EXPECT_EQ(e.deviceIndexes, (std::vector<DWORD>{0, 1, 2}));
    ASSERT_EQ(e.records.size(), 3u);
    EXPECT_STREQ(e.records[0].name, L"ROOT\\HALVEXTEST\\0001");
    EXPECT_STREQ(e.records[2].name, L"ROOT\\HALVEXTEST\\0003");
}

TEST_F(EnumerationTest, ClassWithoutPresentDevices)
{
    Enumeration e = Enumerate(&kTestClassGuid);
    EXPECT_TRUE(e.result);
    EXPECT_EQ(e.listReadyCalls, 1);
    EXPECT_TRUE(e.records.empty());
}

TEST_F(EnumerationTest, RemovedDeviceIsGoneFromTheNextEnumeration)
{
    CreatePresentDevice(Named(L"ROOT\\HALVEXTEST\\0001", kTestClassGuid, L"Soon gone"));
    EXPECT_EQ(Enumerate(&kTestClassGuid).records.size(), 1u);
    RemovePresentDevice(L"ROOT\\HALVEXTEST\\0001");
    EXPECT_EQ(Enumerate(&kTestClassGuid).records.size(), 0u);
}

TEST_F(EnumerationTest, StepsAreOptionalButTheDevicesStillRead)
{
    CreatePresentDevice(Named(L"ROOT\\HALVEXTEST\\0001", kTestClassGuid, L"Quiet"));
    EXPECT_TRUE(ForEachPresentDevice(&kTestClassGuid, nullptr, nullptr, nullptr));
}

// The platform cannot be made to refuse the list, so its source is swapped.
HDEVINFO WINAPI RefuseDeviceList(const GUID *, PCWSTR, HWND, DWORD)
{
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
}

TEST_F(EnumerationTest, ListThatCannotBeObtainedRunsNeitherStep)
{
    CreatePresentDevice(Named(L"ROOT\\HALVEXTEST\\0001", kTestClassGuid, L"Unreachable"));
    GetClassDevsProc saved = gGetClassDevs;
    gGetClassDevs = RefuseDeviceList;
    Enumeration e = Enumerate(nullptr);
    Enumeration filtered = Enumerate(&kTestClassGuid);
    gGetClassDevs = saved;
    EXPECT_FALSE(e.result);
    EXPECT_EQ(e.listReadyCalls, 0);
    EXPECT_TRUE(e.records.empty());
    EXPECT_FALSE(filtered.result);
    EXPECT_EQ(filtered.listReadyCalls, 0);
    EXPECT_TRUE(filtered.records.empty());
}

// The flags asked for: present devices of one class, or of every class.
struct RequestSeen {
    const GUID *classGuid;
    DWORD flags;
};
RequestSeen gRequestSeen;

HDEVINFO WINAPI RecordRequest(const GUID *classGuid, PCWSTR enumerator, HWND parent, DWORD flags)
{
    gRequestSeen = {classGuid, flags};
    return SetupDiGetClassDevsW(classGuid, enumerator, parent, flags);
}

TEST_F(EnumerationTest, AsksForPresentDevicesOfOneClassOrAll)
{
    GetClassDevsProc saved = gGetClassDevs;
    gGetClassDevs = RecordRequest;
    Enumerate(&kTestClassGuid);
    RequestSeen filtered = gRequestSeen;
    Enumerate(nullptr);
    RequestSeen all = gRequestSeen;
    gGetClassDevs = saved;
    EXPECT_EQ(filtered.classGuid, &kTestClassGuid);
    EXPECT_EQ(filtered.flags, static_cast<DWORD>(DIGCF_PRESENT));
    EXPECT_EQ(all.classGuid, nullptr);
    EXPECT_EQ(all.flags, static_cast<DWORD>(DIGCF_PRESENT | DIGCF_ALLCLASSES));
}

}  // namespace
