// libFuzzer entry point for the dBase reader and writer.
#include "DbfFuzzOne.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzdbf::runOne(data, size);
    return 0;
}
