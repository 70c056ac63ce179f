// The commands for the running Trovel (trovel --break, --status, ...): one call over the
// session bus and an answer on one line, without a display or the settings. The status's
// line and JSON object are built from the service's properties by pure functions.
#pragma once

#include "app/command_line.h"

#include <QDateTime>
#include <QString>
#include <QVariantMap>
#include <cstdint>

namespace trovel {

// How a command ends besides 0 (done), 1 (another failure) and 2 (a usage error).
constexpr int kExitNotRunning = 3;
constexpr int kExitNoBus = 4;
constexpr int kExitRefused = 5;

// The service's properties, as --status shows them.
struct RemoteStatus {
    QString phase;
    int32_t seconds_left = 0;
    int32_t breaks_ignored = 0;
    int64_t paused_until = 0; // seconds since 1970; 0: no timed pause
};

// The properties of a GetAll answer; missing ones stay at their defaults.
RemoteStatus remote_status(const QVariantMap &properties);

// "type 04:50 left, 2 breaks ignored"; while paused ", paused until 14:35" (with the
// date when that is not today, as `now` sees it) or ", paused until resumed".
QString status_line(const RemoteStatus &status, const QDateTime &now);

// The same as one JSON object: phase, time_left ("04:50"), seconds_left, breaks_ignored
// and paused_until (ISO 8601 with the offset from UTC, null for none); `now` gives the
// offset.
QString status_json(const RemoteStatus &status, const QDateTime &now);

struct RemoteResult {
    int exit_code = 0;
    QString out;
    QString err;
};

// Sends the request to the running copy and waits for its answer. Needs a
// QCoreApplication.
RemoteResult send_remote_command(const RemoteRequest &request);

// main's way in: a QCoreApplication (no display is opened), the command, its texts on
// stdout and stderr, and the end of the process with the command's status.
[[noreturn]] void run_remote_command(const RemoteRequest &request, int argc, char **argv);

} // namespace trovel
