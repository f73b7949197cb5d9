#!/usr/bin/env bash
# Times the two clean builds a newcomer waits for, each in a fresh temporary folder and
# without a compiler cache:
#   release  - configured and built as scripts/start.sh does (Release, no tests)
#   test     - configured and built as scripts/test.sh does (sanitizers, with tests)
# and, in the same run, the compile of one minimal Qt Widgets source. Absolute times
# depend on the machine and its load; the ratio to the minimal source is what compares.
#
#   bash bench/build_time.sh [--only release|test] [--samples N] [SOURCE_DIR]
#
# SOURCE_DIR defaults to this checkout (another checkout measures "before").
# TMPDIR chooses where the temporary build folders go (several GB for the test build).
# Exits non-zero when any build fails; the temporary folders are removed in every case.
set -euo pipefail

only=""
samples=3
source_dir=""
while [ $# -gt 0 ]; do
    case "$1" in
        --only) only="${2:?--only needs release or test}"; shift 2 ;;
        --samples) samples="${2:?--samples needs a number}"; shift 2 ;;
        -h|--help) sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        -*) echo "build_time.sh: unknown option $1" >&2; exit 2 ;;
        *) source_dir="$1"; shift ;;
    esac
done
case "$only" in ""|release|test) ;; *) echo "build_time.sh: --only takes release or test" >&2; exit 2 ;; esac
case "$samples" in ''|*[!0-9]*|0) echo "build_time.sh: --samples takes a positive number" >&2; exit 2 ;; esac
[ -n "$source_dir" ] || source_dir="$(cd "$(dirname "$0")/.." && pwd)"
source_dir="$(cd "$source_dir" && pwd)"
[ -f "$source_dir/CMakeLists.txt" ] || { echo "build_time.sh: no CMakeLists.txt in $source_dir" >&2; exit 2; }

# A cache would time the cache, not the build.
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
export CCACHE_DISABLE=1
PATH="$(printf '%s' "$PATH" | tr ':' '\n' | grep -v ccache | paste -sd: -)"
export PATH
jobs="$(nproc)"

work="$(mktemp -d "${TMPDIR:-/tmp}/talmero-build-time.XXXXXX")"
cleanup() { rm -rf "$work"; }
trap cleanup EXIT
trap 'exit 130' INT TERM

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a / b }'; }
# Processor time (user + system) of every finished child of this shell so far; less
# disturbed by other work on the machine than the wall clock. Into $cpu_time, as a
# subshell would count from zero.
cpu_now() {
    times >"$work/times"
    cpu_time="$(awk 'NR == 2 { t = 0; for (i = 1; i <= 2; i++) { split($i, p, /[ms]/); t += p[1] * 60 + p[2] }
                              printf "%.2f", t }' "$work/times")"
}
median() {
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 }
        END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.2f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# run LOG CMD...: runs a step with its output in LOG; on failure shows the end of LOG.
run() {
    local log="$1"; shift
    if ! "$@" >"$log" 2>&1; then
        echo "FAILED: $*" >&2
        tail -n 40 "$log" >&2
        exit 1
    fi
}

# The minimal source: one window with one label, compiled as the Release build compiles.
minimal="$work/minimal"
mkdir -p "$minimal/src"
cat >"$minimal/src/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.22)
project(minimal LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(minimal minimal.cpp)
target_link_libraries(minimal PRIVATE Qt6::Widgets)
EOF
cat >"$minimal/src/minimal.cpp" <<'EOF'
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("TALMERO"));
    label.show();
    return app.exec();
}
EOF
run "$work/minimal-configure.log" \
    cmake -S "$minimal/src" -B "$minimal/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
minimal_object="CMakeFiles/minimal.dir/minimal.cpp.o"
minimal_times=()
minimal_cpu=()
# One sample per call; samples are spread around the long builds so that a change of
# load during the run shows in the minimal figure as well.
minimal_sample() {
    rm -f "$minimal/build/$minimal_object"
    local t0 t1 c0 c1
    cpu_now; c0="$cpu_time"; t0="$(now)"
    run "$work/minimal-build.log" ninja -C "$minimal/build" "$minimal_object"
    t1="$(now)"; cpu_now; c1="$cpu_time"
    minimal_times+=("$(elapsed "$t0" "$t1")")
    minimal_cpu+=("$(elapsed "$c0" "$c1")")
}

declare -A configure_time build_time build_cpu steps
# timed_build NAME CONFIGURE_ARGS... -- BUILD_ARGS...
timed_build() {
    local name="$1"; shift
    local cfg=() bld=()
    while [ "$1" != "--" ]; do cfg+=("$1"); shift; done
    shift
    bld=("$@")
    local dir="$work/$name" t0 t1 t2 c1 c2
    echo "  $name: configuring and building in $dir ..." >&2
    t0="$(now)"
    run "$work/$name-configure.log" cmake -S "$source_dir" -B "$dir" -G Ninja "${cfg[@]}"
    t1="$(now)"; cpu_now; c1="$cpu_time"
    run "$work/$name-build.log" cmake --build "$dir" "${bld[@]}"
    t2="$(now)"; cpu_now; c2="$cpu_time"
    build_cpu[$name]="$(elapsed "$c1" "$c2")"
    configure_time[$name]="$(elapsed "$t0" "$t1")"
    build_time[$name]="$(elapsed "$t1" "$t2")"
    steps[$name]="$(grep -o '^\[[0-9]*/[0-9]*\]' "$work/$name-build.log" | tail -n 1 | tr -d '[]' | cut -d/ -f2)"
    rm -rf "$dir"
}

echo "Source: $source_dir ($(git -C "$source_dir" rev-parse --short HEAD 2>/dev/null || echo 'not a git checkout'))" >&2
echo "Machine: $jobs cores, load average at start: $(cut -d' ' -f1-3 /proc/loadavg)" >&2
half=$(( (samples + 1) / 2 ))
for _ in $(seq "$half"); do minimal_sample; done
if [ "$only" != "test" ]; then
    # scripts/start.sh
    timed_build release -DCMAKE_BUILD_TYPE=Release -DTALMERO_TESTS=OFF --
fi
for _ in $(seq $(( samples - half ))); do minimal_sample; done
if [ "$only" != "release" ]; then
    # scripts/test.sh
    timed_build test -DCMAKE_BUILD_TYPE=Debug -DTALMERO_SANITIZE=ON -- -j "$jobs"
    minimal_sample
fi
load_end="$(cut -d' ' -f1-3 /proc/loadavg)"

minimal_median="$(median "${minimal_times[@]}")"
minimal_cpu_median="$(median "${minimal_cpu[@]}")"

echo
echo "Build times of $source_dir"
echo "Machine: $jobs cores, $(g++ --version | head -n 1); load average at the end: $load_end"
row='%-34s %10s %10s %10s %14s %6s %10s %12s\n'
printf "$row" "" "configure" "build" "total" "total/minimal" "steps" "build CPU" "CPU/minimal"
printf "$row" "minimal Qt Widgets source (median)" "" "$minimal_median" "$minimal_median" "1.0" "1" \
    "$minimal_cpu_median" "1.0"
for name in release test; do
    [ -n "${build_time[$name]:-}" ] || continue
    case "$name" in
        release) label="Release, no tests (start.sh)" ;;
        test) label="sanitizers, with tests (test.sh)" ;;
    esac
    total="$(awk -v a="${configure_time[$name]}" -v b="${build_time[$name]}" 'BEGIN { printf "%.2f", a + b }')"
    printf "$row" "$label" "${configure_time[$name]}" "${build_time[$name]}" "$total" \
        "$(ratio "$total" "$minimal_median")" "${steps[$name]:-?}" \
        "${build_cpu[$name]}" "$(ratio "${build_cpu[$name]}" "$minimal_cpu_median")"
done
echo "Minimal source samples, wall (s): ${minimal_times[*]}; CPU (s): ${minimal_cpu[*]}"
echo "Seconds. configure, build, total: wall clock (build = 'cmake --build' alone); the"
echo "wall ratio divides the total. build CPU: user + system time of every compiler and"
echo "linker of the build, summed over the cores (steadier on a loaded machine)."
