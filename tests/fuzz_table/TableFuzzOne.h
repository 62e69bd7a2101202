// One fuzz input for the table file loader: the libFuzzer target and the corpus replay share it.
#pragma once

#include <cstddef>
#include <cstdint>

// Loads the input as a table file. An even first byte seals the rest in a correct envelope (magic,
// version, length, checksum; a real file starts with the odd byte 0x89), so the payload decoder is reached and not only the envelope checks.
// A table that loads must survive selection, zoom and a save-load round trip; a violated
// expectation aborts.
void fuzzTableFile(const uint8_t *data, size_t size);
