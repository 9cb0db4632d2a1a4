#!/usr/bin/env bash
# Fails, naming the files, when a C++ source differs from what .clang-format makes of it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
format=$(command -v clang-format-14 || command -v clang-format)
differing=()
while IFS= read -r -d '' file; do
  if ! "$format" --dry-run -Werror "$file" >/dev/null 2>&1; then
    differing+=("$file")
  fi
done < <(git ls-files -z '*.cpp' '*.h')
if ((${#differing[@]})); then
  echo "Quellarine: these files are not formatted as .clang-format says (run clang-format -i on them):" >&2
  printf '  %s\n' "${differing[@]}" >&2
  exit 1
fi
echo "Quellarine: every C++ source is formatted."
