/* Starts a program and tells how long it took until its first window was mapped anywhere
 * on the display: a top-level window (framed by a window manager or not) or an icon
 * docked in a tray. Used by bench/peers and bench/startup, which compile it with cc -lX11.
 *
 * Usage: map_watch [-s MIN] [-w] TIMEOUT_S PROGRAM [ARG...]
 * Prints "pid N" when the program has been started, then "mapped_ms M" (or "mapped_ms
 * none" after TIMEOUT_S seconds) and "window WxH NAME" of that window, and exits; the
 * program keeps running. With -w it stays until the program has ended instead, so the
 * program remains its child and is reaped when stopped. With -s, only windows at least
 * MIN pixels wide and high count (bench/startup passes 33 so that a tray icon, at most
 * 32 pixels, does not count as the program's window).
 *
 * Every window that exists at start-up (the root, the window manager's, its tray) is
 * watched for SubstructureNotify, and so is every window created later, so a map is
 * seen wherever it happens. Only windows created after the watch began count, and only
 * InputOutput windows larger than 2x2 (not the hidden helper windows toolkits map), or
 * at least MIN in both directions. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static int ignore_errors(Display *d, XErrorEvent *e) {
    (void)d;
    (void)e; /* a window may be gone before we look at it */
    return 0;
}

static void watch_tree(Display *d, Window w) {
    Window root, parent, *kids = NULL;
    unsigned n = 0;
    XSelectInput(d, w, SubstructureNotifyMask);
    if (XQueryTree(d, w, &root, &parent, &kids, &n)) {
        for (unsigned i = 0; i < n; ++i)
            watch_tree(d, kids[i]);
        if (kids) XFree(kids);
    }
}

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

#define MAX_NEW 4096
static Window created[MAX_NEW];
static int n_created;

static int is_new(Window w) {
    for (int i = 0; i < n_created; ++i)
        if (created[i] == w) return 1;
    return 0;
}

static pid_t pid;
static int stay;

/* Ends map_watch, with -w once the program has ended. */
static int finish(Display *d) {
    fflush(stdout);
    if (!stay) return 0;
    XCloseDisplay(d);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return 1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int main(int argc, char **argv) {
    int min_size = 3;
    for (;;) {
        if (argc > 2 && strcmp(argv[1], "-s") == 0) {
            min_size = atoi(argv[2]);
            argv += 2;
            argc -= 2;
        } else if (argc > 1 && strcmp(argv[1], "-w") == 0) {
            stay = 1;
            ++argv;
            --argc;
        } else {
            break;
        }
    }
    if (argc < 3) {
        fprintf(stderr, "usage: map_watch [-s MIN] [-w] TIMEOUT_S PROGRAM [ARG...]\n");
        return 2;
    }
    const double timeout_ms = atof(argv[1]) * 1000;
    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "map_watch: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    watch_tree(d, DefaultRootWindow(d));
    XSync(d, False);

    const double start = now_ms();
    pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(d));
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    printf("pid %d\n", (int)pid);
    fflush(stdout);

    const int fd = ConnectionNumber(d);
    for (;;) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == CreateNotify) {
                Window w = e.xcreatewindow.window;
                XSelectInput(d, w, SubstructureNotifyMask);
                if (n_created < MAX_NEW) created[n_created++] = w;
            } else if (e.type == MapNotify && is_new(e.xmap.window)) {
                XWindowAttributes a;
                if (XGetWindowAttributes(d, e.xmap.window, &a) && a.class == InputOutput && a.width >= min_size &&
                    a.height >= min_size) {
                    printf("mapped_ms %.1f\n", now_ms() - start);
                    XClassHint hint = {NULL, NULL};
                    XGetClassHint(d, e.xmap.window, &hint);
                    printf("window %dx%d %s\n", a.width, a.height, hint.res_name ? hint.res_name : "(no class)");
                    return finish(d);
                }
            }
        }
        const double left = timeout_ms - (now_ms() - start);
        if (left <= 0) break;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        struct timeval tv = {(time_t)(left / 1000), (suseconds_t)((long)left % 1000 * 1000)};
        select(fd + 1, &fds, NULL, NULL, &tv);
    }
    printf("mapped_ms none\n");
    return finish(d);
}
