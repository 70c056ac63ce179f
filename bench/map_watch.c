/* Starts a program and tells how long it took until its first window was mapped anywhere
 * on the display: a top-level window (framed by a window manager or not) or an icon
 * docked in a tray. Used by bench/peers, which compiles it with cc -lX11.
 *
 * Usage: map_watch TIMEOUT_S PROGRAM [ARG...]
 * Prints "pid N" when the program has been started, then "mapped_ms M" (or "mapped_ms
 * none" after TIMEOUT_S seconds) and "window WxH NAME" of that window, and exits; the
 * program keeps running.
 *
 * Every window that exists at start-up (the root, the window manager's, its tray) is
 * watched for SubstructureNotify, and so is every window created later, so a map is
 * seen wherever it happens. Only windows created after the watch began count, and only
 * InputOutput windows larger than 2x2 (not the hidden helper windows toolkits map). */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/select.h>
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
        for (unsigned i = 0; i < n; ++i) watch_tree(d, kids[i]);
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

int main(int argc, char **argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: %s TIMEOUT_S PROGRAM [ARG...]\n", argv[0]);
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
    pid_t pid = fork();
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
                if (XGetWindowAttributes(d, e.xmap.window, &a) && a.class == InputOutput && a.width > 2 &&
                    a.height > 2) {
                    printf("mapped_ms %.1f\n", now_ms() - start);
                    XClassHint hint = {NULL, NULL};
                    XGetClassHint(d, e.xmap.window, &hint);
                    printf("window %dx%d %s\n", a.width, a.height, hint.res_name ? hint.res_name : "(no class)");
                    return 0;
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
    return 0;
}
