// The construction word by word, exactly as the rules state it: texts exchanged and rotated
// in place. It is the reference the fast construction is checked against, so on purpose it
// shares none of that construction's code.
#include "keyspacebuild.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace talvora {

std::vector<std::string> buildKeyspaceLiteral(std::vector<std::string> col,
                                              const KeyNumbers& numbers) {
    const int64_t wordCount = static_cast<int64_t>(col.size()) - 1;
    int pairCounter = 0;
    for (int i = 1; i <= KeyNumberCount - 1; i += 2) {
        int64_t a = numbers[i];
        int64_t b = numbers[i + 1];
        if (a < b) {
            const int64_t larger = b;
            b = a;
            a = larger;
        }
        if (a == b)
            a = a + 3;
        const int64_t strideA = a;
        const int64_t strideB = b;
        while (a <= wordCount) {
            std::swap(col[a], col[b]);
            a = a + strideA;
            b = b + strideB;
        }
        pairCounter = pairCounter + 1;
        if (pairCounter == 50) {
            pairCounter = 0;
            if (wordCount >= 1) { // one place towards row 1; row 1 goes to the last row
                std::string kept = std::move(col[1]);
                for (int64_t r = 2; r <= wordCount; ++r)
                    col[r - 1] = std::move(col[r]);
                col[wordCount] = std::move(kept);
            }
        }
    }
    return col;
}

} // namespace talvora
