#include "support/fake_environment.h"

namespace trovel::test {

void FakeEnvironment::advance_ms(uint32_t ms) {
    tick += ms; // wraps like the real 32-bit counter
    time = time.addMSecs(static_cast<int>(ms % 86400000u));
}

} // namespace trovel::test
