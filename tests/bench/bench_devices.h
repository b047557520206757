// The crafted present devices and service keys that the benchmarks measure.
#pragma once

// Service keys HalvexBenchSvc0..49, each with an ImagePath.
void CreateBenchServices();

// Devices ROOT\HALVEXBENCH\<from>..<to - 1> of the test class: two in three
// with a friendly name, every one with a description, two hardware IDs, a
// manufacturer and one of the bench services.
void CreateBenchDevices(int from, int to);
