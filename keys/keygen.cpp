#include "keygen.h"

#include "keyfile.h"
#include "random.h"

#include <cmath>
#include <cstdint>

namespace talvora::keys {

double randomUnit() {
    unsigned char bytes[8];
    randomBytes(bytes, sizeof bytes);
    uint64_t v = 0;
    for (unsigned char b : bytes)
        v = (v << 8) | b;
    return static_cast<double>(v >> 11) * 0x1.0p-53;
}

// The default rounding mode rounds an exact half to even.
int keyDigit(double r) {
    return static_cast<int>(std::nearbyint(r * 9.0));
}

std::string generateKey(const std::function<double()>& draw) {
    std::string key;
    key.reserve(KeyWidth);
    while (key.size() < KeyWidth) {
        int d = keyDigit(draw());
        if (d != 0)
            key += static_cast<char>('0' + d);
    }
    return key;
}

std::string generateKey() {
    return generateKey(randomUnit);
}

} // namespace talvora::keys
