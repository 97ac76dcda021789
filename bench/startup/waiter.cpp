// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and watches the X server: prints the milliseconds from the exec to its first
// top-level window being mapped and to that window being painted, and the program's resident
// memory once it is shown. Painted means: the last drawing into the window (seen through the
// DAMAGE extension) before the window stays unchanged for a quiet period.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kQuietMilliseconds = 300;
constexpr int kGiveUpMilliseconds = 20000;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long residentKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

// Waits for the next X event for at most `timeout` milliseconds; false when none came.
bool nextEvent(Display* display, XEvent& event, int timeout) {
  if (XPending(display) == 0) {
    pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
    if (poll(&descriptor, 1, timeout) <= 0) return false;
  }
  XNextEvent(display, &event);
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s program [arguments]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  int damageEvent = 0;
  int damageError = 0;
  if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
    std::fprintf(stderr, "needs an X display with the DAMAGE extension\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }

  double mapped = -1;
  double painted = -1;
  XEvent event;
  while (millisecondsSince(start) < kGiveUpMilliseconds) {
    const int timeout = mapped < 0 ? 100 : kQuietMilliseconds;
    if (!nextEvent(display, event, timeout)) {
      if (painted >= 0) break;  // quiet after the last drawing
      continue;
    }
    if (event.type == MapNotify && mapped < 0 && !event.xmap.override_redirect) {
      mapped = millisecondsSince(start);
      XDamageCreate(display, event.xmap.window, XDamageReportNonEmpty);
    } else if (event.type == damageEvent + XDamageNotify) {
      painted = millisecondsSince(start);
      const auto* damage = reinterpret_cast<XDamageNotifyEvent*>(&event);
      XDamageSubtract(display, damage->damage, None, None);
    }
  }
  const long resident = residentKilobytes(child);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  if (mapped < 0 || painted < 0) {
    std::fprintf(stderr, "%s: no window was mapped and painted\n", argv[1]);
    return 1;
  }
  std::printf("%.1f %.1f %ld\n", mapped, painted, resident);
  return 0;
}
