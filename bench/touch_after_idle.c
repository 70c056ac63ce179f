/* How much it costs this machine to touch memory again after a short idle spell: the
 * milliseconds to write one byte in each 4 KiB page of 8 MiB, first right after the
 * previous pass, then after sleeping 2 s. On an ordinary desktop both are well under a
 * millisecond; on a virtual machine whose host takes idle memory back, the second one
 * can be many times larger, and every program that wakes briefly pays it on each
 * wake-up. bench/idle prints it beside its figure. Compiled by bench/idle with cc. */
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static double touch(volatile char *buf, size_t size) {
    const double start = now_ms();
    for (size_t i = 0; i < size; i += 4096)
        buf[i]++;
    return now_ms() - start;
}

int main(void) {
    const size_t size = 8u << 20;
    volatile char *buf = malloc(size);
    if (!buf) return 1;
    touch(buf, size); /* the first touch maps the pages */
    double busy = 0, idle = 0;
    for (int i = 0; i < 3; ++i)
        busy += touch(buf, size) / 3;
    for (int i = 0; i < 3; ++i) {
        sleep(2);
        idle += touch(buf, size) / 3;
    }
    printf("touching 8 MiB again: %.2f ms at once, %.2f ms after 2 s idle\n", busy, idle);
    return 0;
}
