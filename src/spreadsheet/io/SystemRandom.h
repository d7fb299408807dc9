#pragma once
// Unpredictable numbers for file and entry names, straight from the kernel (getrandom). Not
// std::random_device: it probes the processor on every construction, which under a hypervisor
// costs about 30 microseconds, more than writing the file it names.

#include <cstdint>
#include <span>

namespace morvessa::sheet::io {

// Fills `bytes`; throws std::system_error when the kernel gives none.
void FillSystemRandom(std::span<uint8_t> bytes);

uint32_t SystemRandom32();

// Uniform in [0, bound), 0 < bound <= 256.
int SystemRandomBelow(int bound);

}  // namespace morvessa::sheet::io
