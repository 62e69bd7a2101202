// libFuzzer entry of the table file loader.
#include "TableFuzzOne.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzTableFile(data, size);
    return 0;
}
