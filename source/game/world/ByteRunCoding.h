#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The city file's byte-run coding. Each run opens with a code byte: 0x01-0x7F that many
// literal bytes follow, 0x00 an empty literal run, 0x80-0xFF one byte follows and stands
// (code & 0x7F) + 1 times.

// Expands the runs into the destination; bytes past what the runs fill are left as they
// are. Empty on success; otherwise the fault: a run that reads past the coded bytes or
// writes past the destination.
std::string DecodeByteRuns(const uint8_t* coded, size_t codedSize, uint8_t* destination, size_t size);

// Codes the bytes: three or more equal bytes become repeat runs, the rest literal runs.
std::vector<uint8_t> EncodeByteRuns(const uint8_t* bytes, size_t size);
