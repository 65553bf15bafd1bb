#!/usr/bin/env bash
# A target file in a folder that refuses new files keeps its old content when the program
# replaces it. Root ignores folder permissions, so for root the folder is made immutable.
#   readonly_folder_test.sh TREE TEST.exe
set -u
tree=$1 exe=$2
dir=$(mktemp -d)
printf old >"$dir/目标图.bmp"
undo() {
  chattr -i "$dir" 2>/dev/null
  chmod u+w "$dir"
  rm -rf "$dir"
}
trap undo EXIT
if [ "$(id -u)" = 0 ]; then
  chattr +i "$dir" 2>/dev/null || { echo "skip: this file system cannot make a folder read-only for root"; exit 77; }
else
  chmod a-w "$dir"
fi
if touch "$dir/probe" 2>/dev/null; then
  echo "skip: the folder still accepts new files"
  exit 77
fi
QV_READONLY_FOLDER="Z:${dir//\//\\}" "$tree/wine-run" "$exe" --gtest_filter='ReplaceFileBytes.ReadOnlyFolder*'
