#include "bench/bench_devices.h"

#include <cwchar>
#include <string>

#include "support/crafted_devices.h"

namespace {

const int kServices = 50;

}  // namespace

void CreateBenchServices()
{
    for (int s = 0; s < kServices; ++s) {
        CreateServiceKey(L"HalvexBenchSvc" + std::to_wstring(s), REG_EXPAND_SZ,
                         Text(L"%SystemRoot%\\System32\\drivers\\bench" + std::to_wstring(s) +
                              L".sys"));
    }
}

void CreateBenchDevices(int from, int to)
{
    for (int i = from; i < to; ++i) {
        wchar_t id[64];
        swprintf(id, 64, L"ROOT\\HALVEXBENCH\\%05d", i);
        CraftedDevice device;
        device.instanceId = id;
        device.classGuid = kTestClassGuid;
        if (i % 3 != 0) {
            device.friendlyName = Text(L"Bench device " + std::to_wstring(i));
        }
        device.description = Text(L"Bench device description");
        device.hardwareIds = MultiText({L"ROOT\\BENCH_" + std::to_wstring(i), L"ROOT\\BENCH"});
        device.manufacturer = Text(L"Bench maker");
        device.service = Text(L"HalvexBenchSvc" + std::to_wstring(i % kServices));
        CreatePresentDevice(device);
    }
}
