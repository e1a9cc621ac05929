// xmapwait: starts a program and measures it against the X screen it draws on.
//
//   xmapwait -n TITLE [-r SECONDS] [-i SECONDS] [-s SERVER_PID] [-t TIMEOUT] -- COMMAND [ARG...]
//
// Listens for MapNotify on the root window (no polling), forks and execs COMMAND, and on the first
// map of a window whose _NET_WM_NAME or WM_NAME equals TITLE prints, on one line of key=value:
//   wall_ms      time from the fork to that map (CLOCK_MONOTONIC)
//   pid          the process that owns the window (_NET_WM_PID, which Wine sets)
//   cpu_ms       that process's CPU time (user + system, all threads) at the map, ns-precise
//   stat_cpu_ms  the same from utime + stime in /proc/PID/stat (clock-tick precise)
//   server_ms    CPU the Wine server (-s) used from the fork to the map
//   rss_kb       VmRSS, -r seconds after the map (default 1)
//   idle_cpu_ms  CPU used over the -i seconds that follow (only with -i)
// Then waits until the window's process has ended (someone else closes it) and exits 0.
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double Seconds(const struct timespec* t) {
  return (double)t->tv_sec + t->tv_nsec / 1e9;
}

static double Now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return Seconds(&t);
}

static void SleepUntil(double when) {
  struct timespec t = {(time_t)when, (long)((when - (time_t)when) * 1e9)};
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, NULL) == EINTR) {
  }
}

// Process CPU time in ms from the kernel's per-process clock; negative when unreadable.
static double ProcessCpuMs(pid_t pid) {
  clockid_t clock;
  struct timespec t;
  if (pid <= 0 || clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &t) != 0) return -1;
  return Seconds(&t) * 1000.0;
}

// utime + stime of /proc/PID/stat in ms; negative when unreadable.
static double StatCpuMs(pid_t pid) {
  char path[64], buffer[1024];
  snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
  FILE* f = fopen(path, "r");
  if (f == NULL) return -1;
  size_t n = fread(buffer, 1, sizeof buffer - 1, f);
  fclose(f);
  buffer[n] = '\0';
  // The command name may hold spaces and parentheses: fields are counted after the last ')'.
  char* p = strrchr(buffer, ')');
  if (p == NULL) return -1;
  unsigned long long utime = 0, stime = 0;
  // Fields 3..13 are skipped; utime and stime are fields 14 and 15.
  if (sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &utime, &stime) != 2)
    return -1;
  return (double)(utime + stime) * 1000.0 / (double)sysconf(_SC_CLK_TCK);
}

static long RssKb(pid_t pid) {
  char path[64], line[256];
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* f = fopen(path, "r");
  if (f == NULL) return -1;
  long kb = -1;
  while (fgets(line, sizeof line, f) != NULL) {
    if (sscanf(line, "VmRSS: %ld kB", &kb) == 1) break;
  }
  fclose(f);
  return kb;
}

// The window's property of the given type and format, or NULL; the caller frees it with XFree.
static unsigned char* GetProperty(Display* display, Window window, Atom property, Atom type,
                                  int wantedFormat, long length, unsigned long* count) {
  Atom actualType;
  int format;
  unsigned long after;
  unsigned char* data = NULL;
  if (XGetWindowProperty(display, window, property, 0, length, False, type, &actualType, &format,
                         count, &after, &data) != Success ||
      data == NULL) {
    return NULL;
  }
  if (actualType != type || format != wantedFormat) {
    XFree(data);
    return NULL;
  }
  return data;
}

static int NameMatches(Display* display, Window window, const char* wanted) {
  unsigned long count = 0;
  int match = 0;
  Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  unsigned char* data = GetProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                                    utf8, 8, 1024, &count);
  if (data != NULL) {
    match = strlen((char*)data) == count && strcmp((char*)data, wanted) == 0;
    XFree(data);
    if (match) return 1;
  }
  char* name = NULL;
  if (XFetchName(display, window, &name) && name != NULL) {
    match = strcmp(name, wanted) == 0;
    XFree(name);
  }
  return match;
}

static pid_t WindowPid(Display* display, Window window) {
  unsigned long count = 0;
  pid_t pid = 0;
  unsigned char* data = GetProperty(display, window, XInternAtom(display, "_NET_WM_PID", False),
                                    XA_CARDINAL, 32, 1, &count);
  if (data != NULL) {
    if (count == 1) pid = (pid_t) * (unsigned long*)data;
    XFree(data);
  }
  return pid;
}

static int Usage(void) {
  fprintf(stderr,
          "usage: xmapwait -n TITLE [-r S] [-i S] [-s SERVER_PID] [-t TIMEOUT] -- COMMAND...\n");
  return 2;
}

static int ignoreXErrors(Display* display, XErrorEvent* error) {
  (void)display;
  (void)error;
  return 0;  // a window may vanish between its event and our property read
}

int main(int argc, char** argv) {
  const char* title = NULL;
  double rssDelay = 1.0, idleSeconds = 0.0, timeout = 60.0;
  pid_t server = 0;
  int opt;
  while ((opt = getopt(argc, argv, "n:r:i:s:t:")) != -1) {
    switch (opt) {
      case 'n':
        title = optarg;
        break;
      case 'r':
        rssDelay = atof(optarg);
        break;
      case 'i':
        idleSeconds = atof(optarg);
        break;
      case 's':
        server = (pid_t)atoi(optarg);
        break;
      case 't':
        timeout = atof(optarg);
        break;
      default:
        return Usage();
    }
  }
  if (title == NULL || optind >= argc) return Usage();

  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "xmapwait: cannot open display\n");
    return 1;
  }
  XSetErrorHandler(ignoreXErrors);
  Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);  // the selection is in force before the program exists

  double serverBefore = ProcessCpuMs(server);
  double start = Now();
  pid_t child = fork();
  if (child < 0) return 1;
  if (child == 0) {
    close(ConnectionNumber(display));
    execvp(argv[optind], argv + optind);
    _exit(127);
  }

  // Windows mapped before their name arrived, watched for a later name.
  enum { kMaxPending = 64 };
  Window pendingWindow[kMaxPending];
  double pendingTime[kMaxPending];
  int pendingCount = 0;

  Window found = 0;
  double mapped = 0;
  int fd = ConnectionNumber(display);
  while (!found) {
    if (!XPending(display)) {
      double left = start + timeout - Now();
      struct pollfd p = {fd, POLLIN, 0};
      if (left <= 0 || poll(&p, 1, (int)(left * 1000) + 1) == 0) {
        fprintf(stderr, "xmapwait: no window \"%s\" mapped within %.0f s\n", title, timeout);
        kill(child, SIGKILL);
        waitpid(child, NULL, 0);
        return 1;
      }
    }
    while (XPending(display) && !found) {
      XEvent event;
      XNextEvent(display, &event);
      double when = Now();
      if (event.type == MapNotify) {
        Window w = event.xmap.window;
        if (NameMatches(display, w, title)) {
          found = w;
          mapped = when;
        } else if (pendingCount < kMaxPending) {
          XSelectInput(display, w, PropertyChangeMask);
          pendingWindow[pendingCount] = w;
          pendingTime[pendingCount++] = when;
        }
      } else if (event.type == PropertyNotify) {
        for (int i = 0; i < pendingCount; ++i) {
          if (pendingWindow[i] == event.xproperty.window &&
              NameMatches(display, pendingWindow[i], title)) {
            found = pendingWindow[i];
            mapped = pendingTime[i];
          }
        }
      }
    }
  }

  pid_t pid = WindowPid(display, found);
  double cpu = ProcessCpuMs(pid);
  double statCpu = StatCpuMs(pid);
  double serverCpu = server > 0 ? ProcessCpuMs(server) - serverBefore : -1;
  XCloseDisplay(display);

  SleepUntil(mapped + rssDelay);
  long rss = RssKb(pid);
  printf("wall_ms=%.1f launcher=%d pid=%d cpu_ms=%.1f stat_cpu_ms=%.0f server_ms=%.1f rss_kb=%ld",
         (mapped - start) * 1000.0, (int)child, (int)pid, cpu, statCpu, serverCpu, rss);
  if (idleSeconds > 0) {
    double idleStart = ProcessCpuMs(pid);
    SleepUntil(mapped + rssDelay + idleSeconds);
    printf(" idle_cpu_ms=%.1f idle_s=%.0f", ProcessCpuMs(pid) - idleStart, idleSeconds);
  }
  printf("\n");
  fflush(stdout);

  // The run ends when the window's process has gone, however it is closed.
  int pidfd = pid > 0 ? (int)syscall(SYS_pidfd_open, pid, 0) : -1;
  if (pidfd >= 0) {
    struct pollfd p = {pidfd, POLLIN, 0};
    if (poll(&p, 1, (int)(timeout * 1000)) == 0) {
      fprintf(stderr, "xmapwait: process %d still running; killing it\n", (int)pid);
      kill(pid, SIGKILL);
      poll(&p, 1, -1);
    }
    close(pidfd);
  }
  waitpid(child, NULL, 0);
  return 0;
}
