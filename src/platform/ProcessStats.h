#pragma once

#include <cstdint>

// What this process has used so far: the benchmarks' measures, and the start-up report.
namespace ProcessStats {

// CPU time of every thread of the process, in seconds.
double CpuSeconds();

// Resident memory now and at its highest so far, in bytes; 0 where the system does not tell.
std::int64_t ResidentBytes();
std::int64_t PeakResidentBytes();

// Nanoseconds on the steady clock, which every process of the machine shares.
std::int64_t SteadyNanoseconds();

} // namespace ProcessStats
