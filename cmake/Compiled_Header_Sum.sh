#!/bin/sh
# Compiled_Header_Sum.sh COMMAND...: runs COMMAND, which compiles a
# precompiled header through ccache, then writes the header's checksum beside
# it (HEADER.sum). ccache, told to (pch_external_checksum), hashes that file
# instead of the header, some 200 MB, for every object that includes it.
"$@" || exit
output=
previous=
for argument; do
    [ "$previous" = -o ] && output=$argument
    previous=$argument
done
case $output in
*.gch | *.pch) sha256sum <"$output" >"$output.sum.new" && mv "$output.sum.new" "$output.sum" ;;
esac
