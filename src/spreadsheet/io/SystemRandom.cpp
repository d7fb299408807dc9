#include "spreadsheet/io/SystemRandom.h"

#include <sys/random.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace morvessa::sheet::io {

void FillSystemRandom(std::span<uint8_t> bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = getrandom(bytes.data() + done, bytes.size() - done, 0);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw std::system_error(errno, std::generic_category(), "getrandom");
        }
        done += size_t(got);
    }
}

uint32_t SystemRandom32()
{
    uint8_t bytes[4];
    FillSystemRandom(bytes);
    uint32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

int SystemRandomBelow(int bound)
{
    // Bytes at or above the largest multiple of bound would favour the low values: drawn again.
    const int limit = 256 - 256 % bound;
    uint8_t byte = 0;
    do
        FillSystemRandom(std::span(&byte, 1));
    while (byte >= limit);
    return byte % bound;
}

}  // namespace morvessa::sheet::io
