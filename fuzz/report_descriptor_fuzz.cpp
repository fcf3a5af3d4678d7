#include "device/report_descriptor.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    bexlan::ParseReportDescriptor({data, size});
    return 0;
}
