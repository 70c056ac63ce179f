// Which entry of the image directory a rest shows next, and where the counter goes after
// it: a pure choice, so that the coming picture can be foreseen without taking a step.
#pragma once

#include <cstdint>

namespace trovel {

struct NextImage {
    bool message = false;     // no entries: the rest shows the message instead
    int32_t shown_index = -1; // into the listing; -1 with the message
    int32_t label = 0;        // the position shown in the rest window (from 1); 0 with the message
    int32_t new_counter = 0;  // the image counter after the rest
};

// The choice for a listing of entry_count entries when the counter, advanced by step (the
// random skip, 0 in order), points at the next one.
NextImage choose_next_image(int32_t entry_count, int32_t image_counter, int32_t step);

// The runtime's linear congruential generator: the seed after one draw, and the draw in
// [0, n) that this new seed gives.
inline uint32_t next_rand_seed(uint32_t seed) { return seed * 134775813u + 1u; }
inline int32_t random_below(uint32_t seed, int32_t n) {
    return static_cast<int32_t>((static_cast<uint64_t>(seed) * static_cast<uint32_t>(n)) >> 32);
}

} // namespace trovel
