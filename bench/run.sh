#!/usr/bin/env bash
# Builds an optimised tree and runs the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --tests
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALMERO_TESTS=OFF -DTALMERO_BENCH=ON
cmake --build build-bench --target exchange_bench bus_switch_bench adapter_timing_bench bluetooth_bench
./build-bench/bench/exchange_bench "$@"
./build-bench/bench/bus_switch_bench
./build-bench/bench/adapter_timing_bench
./build-bench/bench/bluetooth_bench
