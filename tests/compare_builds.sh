#!/usr/bin/env bash
# Runs each program of two builds, the native one and the Windows one under
# Wine, on each input file in fresh directories, and compares what they did:
# standard output, standard error, exit status and every file created.
#   tests/compare_builds.sh NATIVE_BUILD_DIR WINDOWS_BUILD_DIR FILE...
set -euo pipefail
native=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
shift 2
wine=${WINE:-/usr/lib/wine/wine64}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# run DIR COMMAND...: runs COMMAND on disk.d88 in DIR/work, results in DIR.
run() {
  local dir=$1
  shift
  mkdir -p "$dir/work"
  cp "$input" "$dir/work/disk.d88"
  local status=0
  (cd "$dir/work" && "$@" disk.d88 >"$dir/stdout" 2>"$dir/stderr") || status=$?
  echo "$status" >"$dir/status"
}

compared=0
for input in "$@"; do
  for tool in tovakmus tovakcut d88ls; do
    rm -rf "$scratch/a" "$scratch/b"
    run "$scratch/a" "$native/$tool/$tool"
    run "$scratch/b" "$wine" "$windows/$tool/$tool.exe"
    if ! diff -r "$scratch/a" "$scratch/b" >/dev/null; then
      echo "$tool differs on $input:"
      diff -r "$scratch/a" "$scratch/b" | head -20
      exit 1
    fi
    compared=$((compared + 1))
  done
done
echo "native and Windows builds agree: $compared runs compared"
