#!/usr/bin/env bash
# Measures Tachoria's start-up (launch to its window being mapped, under Xvfb)
# and peak memory (/usr/bin/time -v), side by side with the smallest Qt
# window (a tab widget and an empty list) as the floor. Reports medians and
# the ratio to the floor.   Usage: scripts/measure-startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}

bash scripts/install-deps.sh test time libx11-dev
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The floor: what any Qt Widgets program with a tab control and a list costs,
# at Tachoria's fixed client size (576 x 594), since the window's backing
# store grows with its area whatever the program draws in it.
cat >"$work/floor.cpp" <<'EOF'
#include <QApplication>
#include <QTabWidget>
#include <QTreeWidget>
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTabWidget tabs;
    tabs.addTab(new QTreeWidget, QStringLiteral("Page"));
    tabs.setFixedSize(576, 594);
    tabs.show();
    return QApplication::exec();
}
EOF
g++ -O2 -fPIC -std=c++20 "$work/floor.cpp" -o "$work/floor" \
    $(pkg-config --cflags --libs Qt6Widgets)

# Starts a command under /usr/bin/time -v, waits until a top-level window is
# mapped, prints the milliseconds that took, then ends the program so that
# time reports its peak memory.
cat >"$work/mapwait.c" <<'EOF'
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}
int main(int argc, char** argv) {
    Display* display = XOpenDisplay(NULL);
    if (!display || argc < 2) return 2;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    double start = now_ms();
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) break;
    }
    printf("%.1f\n", now_ms() - start);
    usleep(300000); /* let it paint: the memory a user's first look costs */
    char kill_program[64];
    snprintf(kill_program, sizeof kill_program, "pkill -TERM -P %d", (int)child);
    if (system(kill_program) != 0) kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    return 0;
}
EOF
cc -O2 "$work/mapwait.c" -o "$work/mapwait" -lX11

# The runs, alternating, in one Xvfb session.
cat >"$work/runs.sh" <<EOF
measure() {  # name command...: appends "ms kib" to $work/<name>.runs
    name=\$1; shift
    ms=\$("$work/mapwait" /usr/bin/time -v -o "$work/time.txt" "\$@")
    kib=\$(awk -F: '/Maximum resident set size/ {gsub(/ /, "", \$2); print \$2}' "$work/time.txt")
    echo "\$ms \$kib" >>"$work/\$name.runs"
}
for i in \$(seq $runs); do
    measure floor "$work/floor"
    measure tachoria "$PWD/build/app/tachoria"
done
EOF
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/runs.sh"

median() {  # column file
    sort -n -k"$1" "$2" | awk -v c="$1" '{ v[NR] = $c } END {
        print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '%-10s %12s %14s\n' "" "start-up ms" "peak RSS KiB"
for name in floor tachoria; do
    printf '%-10s %12s %14s\n' "$name" "$(median 1 "$work/$name.runs")" "$(median 2 "$work/$name.runs")"
done
awk -v t="$(median 1 "$work/tachoria.runs")" -v f="$(median 1 "$work/floor.runs")" \
    -v tm="$(median 2 "$work/tachoria.runs")" -v fm="$(median 2 "$work/floor.runs")" \
    'BEGIN { printf "ratio      %12.3f %14.3f   (medians of %d runs each)\n", t / f, tm / fm, '"$runs"' }'
