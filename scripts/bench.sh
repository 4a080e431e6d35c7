#!/bin/sh
# Builds the benchmarks in Release into build-bench/ and runs them, the history comparison
# first. Arguments name the benchmarks to run (e.g. "history reports"); none runs them all.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DVERDIMO_SUBSYSTEMS="base;db;cards;registries;reports;chart;exchange;online;cli" >/dev/null
cmake --build build-bench --target benchmarks -j"$(nproc)"

names="$*"
if [ -z "$names" ]; then
    names=history
    for program in build-bench/bench/bench_*; do
        name=${program##*/bench_}
        [ "$name" = history ] || names="$names $name"
    done
fi
for name in $names; do
    program=build-bench/bench/bench_$name
    if [ ! -x "$program" ]; then
        echo "no benchmark named $name" >&2
        exit 1
    fi
    echo "== $name"
    "$program"
    echo
done
