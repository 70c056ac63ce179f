// Natural breaks and the full-screen wait: what the user really does, decided at each
// countdown tick of a typing phase. A plain class with no clock or timer of its own: the
// form calls it at the tick it already has, with the millisecond counter's reading.
//
// Natural break: when the user has left keyboard and mouse alone for at least as long as
// a rest would last now, that idle spell counts as a rest taken (once per spell), and the
// typing countdown stays at its full length for as long as the spell lasts.
// One still spell is one break: a spell that ran on through a rest that counted, or
// through a sleep that counted, gives no natural break of its own; it still holds the
// countdown, and a new spell begins only after input.
// Sleep: time the computer was suspended counts as time away; a sleep at least a rest
// long is a natural break by itself.
// Full-screen and call wait: at the tick that would start a rest, a rest does not start
// while another program's window is active and full screen, or while a call uses the
// microphone or a camera; each later tick looks again.
#pragma once

#include "platform/call_probe.h"
#include "platform/full_screen.h"
#include "platform/idle_time.h"

#include <cstdint>
#include <optional>

namespace trovel {

// How long a rest lasts, in minutes: the last checked of the 1, 2 and 5 minute items, or,
// with none checked, as long as the typing phase.
int32_t rest_minutes_now(bool one_minute, bool two_minutes, bool five_minutes, int32_t typing_minutes);
// The same in seconds: how long a rest would last if it started now.
int32_t rest_seconds_now(bool one_minute, bool two_minutes, bool five_minutes, int32_t typing_minutes);

class ActivityRule {
public:
    struct Options {
        bool natural_breaks = true;   // "count time away as micropause"
        bool full_screen_wait = true; // "wait while another program is full screen"
        bool call_wait = true;        // "wait while a call uses the microphone or camera"
    };

    // What a rest waited for.
    enum class WaitedFor { full_screen, call };

    struct Tick {
        uint32_t now_ms = 0;          // the millisecond counter at this tick
        int32_t rest_seconds = 0;     // rest_seconds_now() at this tick
        bool countdown_ended = false; // this tick would start the rest (1 % or less left)
        int64_t slept_ms = 0;         // how long the computer was suspended since the last tick
    };

    struct Verdict {
        // The first tick of an idle spell at least a rest long: run dec_ignored now.
        bool natural_break = false;
        // Restart the typing countdown at its full length (every tick of such a spell).
        bool hold_full_length = false;
        // The countdown has ended but the rest waits: keep typing, count on below zero.
        bool rest_waits = false;
        // Set on the first tick that finds the user back after a natural break: how long
        // the spell lasted, as far as the ticks saw it (the longest idle time read in it).
        std::optional<int64_t> away_ms;
        // Set on the tick at which a rest that waited starts: how long it waited, and for
        // what (what held it at the first tick it waited).
        std::optional<int64_t> waited_ms;
        WaitedFor waited_for = WaitedFor::full_screen;
        // Set with natural_break when a sleep gave it: how long the computer slept. Such a
        // break is recorded at once, the user being back or not.
        std::optional<int64_t> slept_ms;
    };

    // Two readings of the same spell may differ by this much in where they put its start.
    // A new spell can begin no sooner than a rest length (a minute at least) after the
    // start of one that counted, so this cannot join two spells.
    static constexpr int32_t kSameSpellToleranceMs = 5000;

    // An idle time read at one tick bounds it at later ticks: it grows no faster than the
    // counter. Until that bound comes within this margin of a rest's length the source is
    // not asked again (asking costs a round trip to the X server, and with it a wake-up).
    static constexpr int64_t kIdleBoundMarginMs = 1000;

    // One countdown tick of a typing phase. The idle source is asked only when natural
    // breaks are on and the idle time could have reached a rest's length since it was last
    // read, and while a natural break holds the countdown only when the source does not
    // watch for the user's return or has seen input; the full-screen probe only when the
    // countdown has ended, the wait is on and no natural break holds the countdown; the
    // call probe likewise, and only when no full-screen window holds the rest already.
    Verdict typing_tick(const Tick &tick, const Options &options, IdleTimeSource &idle, FullScreenProbe &full_screen,
                        CallProbe *call = nullptr);

    // Input within this long before a rest's tick means the hands were on the keys.
    static constexpr int64_t kHandsOnWithinMs = 10000;

    // One countdown tick of a rest: false when it must not count, because the rest is
    // hands-off and the idle time shows input within kHandsOnWithinMs. The source is asked
    // only for a hands-off rest, and its away threshold is then kHandsOnWithinMs (the next
    // typing tick sets the rest length again); an unknown idle time lets the tick count.
    bool rest_tick_counts(uint32_t now_ms, bool hands_off, IdleTimeSource &idle);

    // A rest ran to its end at this counter reading: the stillness that went on through it
    // was that rest, and gives no natural break.
    void rest_counted(uint32_t now_ms) { used_until_ms_ = now_ms; }

    // While a natural break holds the countdown: how long the user has been away as far
    // as the ticks saw it (what away_ms will say when they are back). Nothing otherwise.
    std::optional<int64_t> away_so_far() const {
        return spell_start_ms_ && spell_counts_ ? std::optional<int64_t>(spell_longest_ms_ + spell_slept_ms_)
                                                : std::nullopt;
    }

private:
    bool same_spell(uint32_t now_ms, int64_t idle_ms) const;
    // The longest the idle time can be now, from the last reading; nothing without one.
    std::optional<int64_t> idle_at_most(uint32_t now_ms) const;

    // Whether a spell that starts at this counter reading went on through a rest or a
    // sleep that counted.
    bool used_up(uint32_t spell_start_ms) const;

    std::optional<uint32_t> spell_start_ms_; // start of the spell that holds the countdown
    bool spell_counts_ = false;              // it gave a natural break (not used up by a rest)
    int64_t spell_longest_ms_ = 0;
    int64_t spell_slept_ms_ = 0;               // time asleep during the spell, on top of its idle time
    std::optional<uint32_t> used_until_ms_;    // stillness before this reading was a rest already
    std::optional<uint32_t> waiting_since_ms_; // the tick at which a waiting rest was due
    WaitedFor waiting_for_ = WaitedFor::full_screen;
    struct Reading {
        uint32_t at_ms;
        int64_t idle_ms;
    };
    std::optional<Reading> last_reading_; // the last idle time the source gave
};

} // namespace trovel
