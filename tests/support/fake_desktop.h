// Stand-ins for the desktop's idle time and full-screen state: the test sets the answer
// and counts how often it was asked.
#pragma once

#include "platform/full_screen.h"
#include "platform/idle_time.h"

#include <cstdint>
#include <optional>

namespace trovel::test {

class FakeIdleSource : public IdleTimeSource {
public:
    std::optional<int64_t> answer; // nothing: the desktop cannot tell
    int queries = 0;

    std::optional<int64_t> idle_ms() override {
        ++queries;
        return answer;
    }
};

class FakeFullScreenProbe : public FullScreenProbe {
public:
    bool answer = false;
    int queries = 0;

    bool other_program_full_screen() override {
        ++queries;
        return answer;
    }
};

} // namespace trovel::test
