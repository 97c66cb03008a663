/* Starts a program on the X display and prints, in milliseconds, how long
 * it took until something was first drawn into a 640 x 480 top-level window
 * of it (a Damage report from the X server); then ends the program with
 * SIGTERM and waits for it.
 *
 *   first_frame [--idle SECONDS] PROGRAM [ARGS...]
 *
 * With --idle it then lets the program sit for half a second, measures the
 * processor time it uses over the given seconds and prints, after the
 * milliseconds, its peak memory (VmHWM, kB) and that processor time (ms).
 *
 * Exits 2 when the program drew nothing within 20 s. */
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

/* User plus system time of a process so far, in milliseconds. */
static double cpu_ms(pid_t pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE *f = fopen(path, "r");
    if (!f) return -1;
    unsigned long utime = 0, stime = 0;
    /* Fields 14 and 15; the command name (field 2) has no blanks here. */
    if (fscanf(f, "%*d %*s %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime, &stime) != 2) utime = stime = 0;
    fclose(f);
    return (utime + stime) * 1000.0 / sysconf(_SC_CLK_TCK);
}

static long peak_kb(pid_t pid) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE *f = fopen(path, "r");
    long kb = -1;
    if (!f) return -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmHWM: %ld", &kb) == 1) break;
    fclose(f);
    return kb;
}

int main(int argc, char **argv) {
    double idle = 0;
    if (argc > 2 && argv[1][0] == '-' && argv[1][1] == '-') {
        idle = atof(argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc < 2) {
        fprintf(stderr, "usage: first_frame PROGRAM [ARGS...]\n");
        return 1;
    }
    Display *dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "first_frame: no X display\n");
        return 1;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        fprintf(stderr, "first_frame: the X server has no DAMAGE extension\n");
        return 1;
    }
    /* Windows are watched from their creation on, before they can be drawn. */
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);

    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double first = -1;
    const int fd = ConnectionNumber(dpy);
    while (first < 0 && now_ms() - start < 20000) {
        if (!XPending(dpy)) {
            struct pollfd p = {fd, POLLIN, 0};
            poll(&p, 1, 100);
            continue;
        }
        XEvent e;
        XNextEvent(dpy, &e);
        if (e.type == CreateNotify && e.xcreatewindow.width == 640 && e.xcreatewindow.height == 480)
            XDamageCreate(dpy, e.xcreatewindow.window, XDamageReportNonEmpty);
        else if (e.type == damageEvent + XDamageNotify)
            first = now_ms() - start;
    }
    long peak = -1;
    double busy = -1;
    if (first >= 0 && idle > 0) {
        usleep(500000);
        const double before = cpu_ms(child);
        usleep((useconds_t)(idle * 1e6));
        busy = cpu_ms(child) - before;
        peak = peak_kb(child);
    }
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    XCloseDisplay(dpy);
    if (first < 0) return 2;
    if (idle > 0) printf("%.1f %ld %.0f\n", first, peak, busy);
    else printf("%.1f\n", first);
    return 0;
}
