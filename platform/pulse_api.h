// The table of libpulse functions the microphone watch calls, filled at run time by
// pulse_api(): linking libpulse would load its two dozen libraries (codecs, D-Bus,
// systemd) at every start, before the bar shows. Each entry is typed from libpulse's own
// declaration, so a mismatch fails to compile; the names are libpulse's.
#pragma once

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/operation.h>
#include <pulse/proplist.h>
#include <pulse/subscribe.h>

#include <string>

namespace trovel {

// clang-format off
#define TROVEL_PULSE_FUNCTIONS(X) \
    X(pa_proplist_new) X(pa_proplist_free) X(pa_proplist_sets) X(pa_proplist_gets) \
    X(pa_context_new_with_proplist) X(pa_context_unref) X(pa_context_connect) \
    X(pa_context_disconnect) X(pa_context_get_state) X(pa_context_errno) \
    X(pa_context_set_state_callback) X(pa_context_set_subscribe_callback) X(pa_context_subscribe) \
    X(pa_context_get_source_info_list) X(pa_context_get_source_info_by_index) \
    X(pa_context_get_source_output_info_list) X(pa_context_get_source_output_info) \
    X(pa_operation_unref)
// clang-format on

struct PulseApi {
#define TROVEL_PULSE_ENTRY(name) decltype(&::name) name = nullptr;
    TROVEL_PULSE_FUNCTIONS(TROVEL_PULSE_ENTRY)
#undef TROVEL_PULSE_ENTRY
};

inline constexpr const char *kPulseSoname = "libpulse.so.0";

// The process's table, the library loaded at the first call (on the GUI thread) and kept
// from then on. Returns nullptr with the dynamic loader's text in error when it cannot be
// loaded or lacks a function; the next call tries again.
const PulseApi *pulse_api(std::string &error, const char *soname = kPulseSoname);

} // namespace trovel
