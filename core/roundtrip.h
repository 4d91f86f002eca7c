#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace talvora {

class Keyspace;

// Whether an encoded text decodes back to the words it was made from.
struct RoundTrip {
    bool same = true;
    // Column-1 rows of the entries that broke it, in the order they were met; one row per word.
    std::vector<uint32_t> faultyRows;
};

// Decodes encoded in memory, with the keyspace as the encoding started from, and compares
// the result with the words whose dictionary rows are rows (0 marks an empty slot and is
// skipped; encodeText hands these over). The keyspace is not rotated.
RoundTrip checkRoundTrip(const Keyspace& keyspace, const std::vector<uint32_t>& rows,
                         std::string_view encoded);

namespace msg {
// One line naming up to five entries at fault.
std::string roundTripWarning(const Keyspace& keyspace, const RoundTrip& check);
} // namespace msg

} // namespace talvora
