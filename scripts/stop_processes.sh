# Sourced by the end-to-end tests and the benchmarks: stop_processes PID... stops the
# given processes from the last to the first (started last, stopped first: a program
# before its window manager, the display last), each with SIGTERM, then SIGKILL after 3 s.

# Succeeds when process $1 has ended; a zombie not yet reaped by its parent counts as
# ended, as nothing of it runs any more.
process_gone() {
    ! kill -0 "$1" 2>/dev/null || [ "$(ps -o stat= -p "$1" 2>/dev/null | cut -c1)" = Z ]
}

stop_processes() {
    local pid i pids=("$@")
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || continue
        for _ in $(seq 150); do
            process_gone "$pid" && break
            sleep 0.02
        done
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
