// libFuzzer target: any bytes as a clipboard picture block. An accepted block must lie wholly
// within the bytes given, which the reads below make AddressSanitizer check.
#include "imagewin/clipboard_dib.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DibLayout d;
    if (ParseClipboardDib(data, size, &d) != 0) return 0;
    volatile uint8_t sink = 0;
    if (d.colorCount > 0) sink = sink + data[d.colorOffset + static_cast<size_t>(d.colorCount) * d.colorEntrySize - 1];
    if (d.pixelBytes > 0) sink = sink + data[d.bitsOffset] + data[d.bitsOffset + static_cast<size_t>(d.pixelBytes) - 1];
    (void)sink;
    return 0;
}
