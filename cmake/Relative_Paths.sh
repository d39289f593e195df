#!/bin/sh
# Relative_Paths.sh COMMAND...: runs COMMAND with each argument that is a
# path in the current folder (the build folder, where Ninja runs a compile)
# made relative to it. CMake hands clang its compiled header by absolute
# path, behind -Xclang, where ccache does not make it relative as it does
# for -I or -o; left absolute, it would keep every object of one checkout
# out of another checkout's cache.
for argument; do
    shift
    case $argument in
    "$PWD"/*) argument=${argument#"$PWD"/} ;;
    esac
    set -- "$@" "$argument"
done
exec "$@"
