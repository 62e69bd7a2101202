// One fuzz input run through the dBase reader and writer; shared by the libFuzzer target and the
// corpus replay test. Input layout: byte 0 flags (bit 0: dBase .dbt memo instead of FoxPro .fpt),
// bytes 1-2 the table's length (little-endian), then the table bytes, then the memo file bytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzzdbf {

// Returns the number of values read; never throws.
int runOne(const uint8_t *data, size_t size);

} // namespace fuzzdbf
