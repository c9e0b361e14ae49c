#!/bin/sh
# Runs a Windows program through Wine for CTest: WINELOADER ARGS...
# Wine's daemons inherit and keep open the pipes of whoever starts them, so
# the program writes to a file, which is printed once the program has ended.
out="$(mktemp)"
"$@" >"$out" 2>&1 </dev/null
code=$?
cat "$out"
rm -f "$out"
exit $code
