// The job-file writer's round trip through the viewer's readers, shared by its unit test and
// its fuzz target.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Writes the header, preview records and polylines that `data` describes: values mostly
// inside each field's range, often at its ends, now and then just outside. Exactly the calls
// with a value outside must be refused, and leave the bytes as they were; what was accepted
// must come back field for field through the viewer's readers and render to the end.
// Returns what went wrong, empty when nothing did.
std::string JobRoundTrip(const uint8_t* data, size_t size);
