#include "device/virtual_mouse_state.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    bexlan::VirtualMouseMemory memory;
    bexlan::ParseVirtualMouseState({data, size}, memory);
    return 0;
}
