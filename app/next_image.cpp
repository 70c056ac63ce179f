#include "app/next_image.h"

namespace trovel {

NextImage choose_next_image(int32_t entry_count, int32_t image_counter, int32_t step) {
    // 32-bit arithmetic that wraps instead of overflowing.
    int32_t counter = static_cast<int32_t>(static_cast<uint32_t>(image_counter) + static_cast<uint32_t>(step));
    NextImage next;
    if (entry_count <= 0) {
        next.message = true;
        next.new_counter = counter;
        return next;
    }
    // Each pass over the listing takes entry_count off a counter beyond the last entry.
    if (counter > entry_count) counter = (counter - 1) % entry_count + 1;
    if (counter >= 1) {
        next.shown_index = counter - 1;
        next.label = counter;
        next.new_counter = counter + 1;
    } else {
        // A counter of 0 or less shows the first entry and goes on with the second.
        next.shown_index = 0;
        next.label = 1;
        next.new_counter = 2;
    }
    return next;
}

} // namespace trovel
