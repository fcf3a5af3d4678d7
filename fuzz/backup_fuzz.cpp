// Backup files: only exact report pairs are taken, and what is taken writes back unchanged.
#include <algorithm>
#include <cstdlib>

#include "device/backup_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    if (const auto backup = bexlan::ParseBackup(bytes)) {
        const std::vector<uint8_t> again = bexlan::SerializeBackup(*backup);
        if (!std::equal(again.begin(), again.end(), bytes.begin(), bytes.end()))
            std::abort();
    }
    return 0;
}
