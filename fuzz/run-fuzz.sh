#!/usr/bin/env bash
# Builds the GIF decoder's libFuzzer target with clang (ASan + UBSan) and runs it.
# Usage: fuzz/run-fuzz.sh [SECONDS [LIBFUZZER OPTIONS...]]   (default 60 s). New inputs go to
# build/fuzz/corpus (or $QV_FUZZ_DIR), findings to finding-* there; the exit status is non-zero
# when the run found something.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
duration=${1:-60}
shift || true
out=${QV_FUZZ_DIR:-$repo/build/fuzz}
mkdir -p "$out/corpus"

clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$repo" -I"$repo/tests" "$here/gif_decode_fuzzer.cpp" "$repo"/widgets/GIFImage/core/*.cpp \
    -lgif -o "$out/gif_decode_fuzzer"

"$out/gif_decode_fuzzer" -max_total_time="$duration" -rss_limit_mb=2560 -malloc_limit_mb=1024 \
    -max_len=65536 -timeout=60 -print_final_stats=1 -artifact_prefix="$out/finding-" "$@" \
    "$out/corpus" "$here/corpus"
