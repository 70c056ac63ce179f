# Sourced by the end-to-end tests and the benchmarks: stop_processes PID... stops the
# given processes from the last to the first (started last, stopped first: a program
# before its window manager, the display last), each with SIGTERM, then SIGKILL after 3 s.

stop_processes() {
    local pid i pids=("$@")
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || continue
        for _ in $(seq 30); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
