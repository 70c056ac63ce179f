// Idle spells are told apart by where they started (the counter's reading minus the idle
// time), so a spell that goes on through a rest or a pause is still the same spell when
// the next typing phase sees it, and counts once.
#include "app/activity_rule.h"

#include <algorithm>

namespace trovel {

int32_t rest_minutes_now(bool one_minute, bool two_minutes, bool five_minutes, int32_t typing_minutes) {
    int32_t minutes = typing_minutes;
    if (one_minute) minutes = 1;
    if (two_minutes) minutes = 2;
    if (five_minutes) minutes = 5;
    return minutes;
}

int32_t rest_seconds_now(bool one_minute, bool two_minutes, bool five_minutes, int32_t typing_minutes) {
    return rest_minutes_now(one_minute, two_minutes, five_minutes, typing_minutes) * 60;
}

bool ActivityRule::same_spell(uint32_t now_ms, int64_t idle_ms) const {
    // The counter wraps after 2^32 ms; idle times are below 2^31, so the difference of two
    // starts read as a signed 32-bit number is exact.
    const uint32_t start = now_ms - static_cast<uint32_t>(idle_ms);
    const auto drift = static_cast<int32_t>(start - *spell_start_ms_);
    return drift >= -kSameSpellToleranceMs && drift <= kSameSpellToleranceMs;
}

bool ActivityRule::used_up(uint32_t spell_start_ms) const {
    return used_until_ms_ && static_cast<int32_t>(spell_start_ms - *used_until_ms_) < 0;
}

std::optional<int64_t> ActivityRule::idle_at_most(uint32_t now_ms) const {
    if (!last_reading_) return std::nullopt;
    return last_reading_->idle_ms + static_cast<uint32_t>(now_ms - last_reading_->at_ms);
}

bool ActivityRule::rest_tick_counts(uint32_t now_ms, bool hands_off, IdleTimeSource &idle) {
    if (!hands_off) return true;
    // A source told by the compositor asks to be told after this long without input.
    idle.set_away_threshold_ms(kHandsOnWithinMs);
    std::optional<int64_t> idle_ms;
    if (const auto ms = idle.idle_ms()) idle_ms = plausible_idle_ms(*ms);
    if (idle_ms)
        last_reading_ = Reading{now_ms, *idle_ms};
    else
        last_reading_.reset();
    return !idle_ms || *idle_ms >= kHandsOnWithinMs;
}

ActivityRule::Verdict ActivityRule::typing_tick(const Tick &tick, const Options &options, IdleTimeSource &idle,
                                                FullScreenProbe &full_screen, CallProbe *call) {
    Verdict verdict;

    std::optional<int64_t> idle_ms;
    const int64_t rest_ms = int64_t{tick.rest_seconds} * 1000;
    const std::optional<int64_t> bound = idle_at_most(tick.now_ms);
    // While a natural break holds the countdown every tick asks, the user may be back;
    // unless the source watches for the return and has seen none: then the last reading,
    // grown with the counter, is what it would say.
    const bool could_be_away = spell_start_ms_ || !bound || *bound + kIdleBoundMarginMs >= rest_ms;
    bool asked = false;
    // A source that is told of the user's absence asks to be told after a rest's length.
    if (options.natural_breaks && rest_ms > 0) idle.set_away_threshold_ms(rest_ms);
    if (options.natural_breaks && could_be_away) {
        if (spell_start_ms_ && bound && idle.quiet_since_last_answer()) {
            idle_ms = bound;
        } else {
            asked = true;
            // A source is trusted no further than the plausible range, whatever it checked.
            if (const auto ms = idle.idle_ms()) idle_ms = plausible_idle_ms(*ms);
            if (idle_ms)
                last_reading_ = Reading{tick.now_ms, *idle_ms};
            else
                last_reading_.reset();
        }
    }

    if (options.natural_breaks && tick.rest_seconds > 0 && tick.slept_ms >= rest_ms) {
        // A sleep a rest long: the user had a break whatever the idle time says, which
        // does not grow while the computer sleeps. Time away already counted goes on.
        if (spell_start_ms_) {
            spell_slept_ms_ += tick.slept_ms;
        } else {
            verdict.natural_break = true;
            verdict.slept_ms = tick.slept_ms;
        }
        used_until_ms_ = tick.now_ms;
        verdict.hold_full_length = true;
        waiting_since_ms_.reset();
        return verdict;
    }

    if (spell_start_ms_ && !(idle_ms && same_spell(tick.now_ms, *idle_ms))) {
        if (spell_counts_) verdict.away_ms = spell_longest_ms_ + spell_slept_ms_;
        spell_start_ms_.reset();
    }
    // Input since the last rest or sleep that counted: later spells are new ones.
    if (idle_ms && !used_up(tick.now_ms - static_cast<uint32_t>(*idle_ms))) used_until_ms_.reset();

    const bool away = idle_ms && tick.rest_seconds > 0 && *idle_ms >= int64_t{tick.rest_seconds} * 1000;
    if (away) {
        if (!spell_start_ms_) {
            spell_start_ms_ = tick.now_ms - static_cast<uint32_t>(*idle_ms);
            spell_longest_ms_ = *idle_ms;
            spell_slept_ms_ = 0;
            spell_counts_ = !used_up(*spell_start_ms_);
            verdict.natural_break = spell_counts_;
        } else {
            spell_longest_ms_ = std::max(spell_longest_ms_, *idle_ms);
        }
        verdict.hold_full_length = true;
        if (asked) idle.watch_for_return();
        // The user has had the rest the wait was keeping back.
        waiting_since_ms_.reset();
        return verdict;
    }

    if (!tick.countdown_ended) {
        // A command started a new phase while a rest waited: that wait is over.
        waiting_since_ms_.reset();
        return verdict;
    }
    std::optional<WaitedFor> holds;
    if (options.full_screen_wait && full_screen.other_program_full_screen())
        holds = WaitedFor::full_screen;
    else if (options.call_wait && call && call->call_going_on())
        holds = WaitedFor::call;
    if (holds) {
        if (!waiting_since_ms_) {
            waiting_since_ms_ = tick.now_ms;
            waiting_for_ = *holds;
        }
        verdict.rest_waits = true;
        return verdict;
    }
    if (waiting_since_ms_) {
        verdict.waited_for = waiting_for_;
        verdict.waited_ms = static_cast<int64_t>(static_cast<uint32_t>(tick.now_ms - *waiting_since_ms_));
        waiting_since_ms_.reset();
    }
    return verdict;
}

} // namespace trovel
