#!/usr/bin/env bash
# make <dir>:   a folder whose serverlist.txt cannot be replaced, not even by root
#               (an immutable file); without the means to make one, no folder.
# remove <dir>: takes the folder away again.
set -u
dir=$2
[ -e "$dir/serverlist.txt" ] && chattr -i "$dir/serverlist.txt" 2>/dev/null
rm -rf "$dir"
if [ "$1" = make ]; then
  mkdir -p "$dir"
  printf '127.0.0.1:28399\nKept favourite\nhttp://k.example/\n1\n0\n' > "$dir/serverlist.txt"
  if ! chattr +i "$dir/serverlist.txt" 2>/dev/null; then
    echo "no immutable file can be made here"
    rm -rf "$dir"
  fi
fi
exit 0
