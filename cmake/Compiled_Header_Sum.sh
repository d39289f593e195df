#!/bin/sh
# Compiled_Header_Sum.sh ROOT COMMAND...: runs COMMAND, which compiles a
# precompiled header through ccache, then writes the header's checksum beside
# it (HEADER.sum). ccache, told to (pch_external_checksum), hashes that file
# instead of the header, some 200 MB, for every object that includes it. The
# checkout's folder ROOT is taken out of the header first: clang writes it
# in, and another checkout's objects would then miss the cache.
root=$1
shift
"$@" || exit
output=
previous=
for argument; do
    [ "$previous" = -o ] && output=$argument
    previous=$argument
done
case $output in
*.gch | *.pch) ;;
*) exit 0 ;;
esac
ROOT=$root perl -pe 's/\Q$ENV{ROOT}\E//g' "$output" | sha256sum >"$output.sum.new" &&
    mv "$output.sum.new" "$output.sum"
