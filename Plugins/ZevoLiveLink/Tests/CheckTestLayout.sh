#!/usr/bin/env bash
# The plugin's tests mirror its sources: Tests/<Subsystem>/<File>[<Aspect>]Tests.cpp tests
# Private/<Subsystem>/<File> (or the public header <File>.h), and every suite in it is named
# <File> or <File><Aspect>, so that a test's name says which file's behaviour it holds.
# Prints each file that breaks the rule and exits 1 if any does.
set -u
plugin=$(cd "$(dirname "$0")/.." && pwd)
private=$plugin/Source/ZevoLiveLink/Private
public=$plugin/Source/ZevoLiveLink/Public
status=0
for test in "$plugin"/Tests/*/*Tests.cpp; do
  subsystem=$(basename "$(dirname "$test")")
  [ "$subsystem" = Support ] && continue
  stem=$(basename "$test" Tests.cpp)
  source=""
  for candidate in "$private/$subsystem"/*.cpp "$private/$subsystem"/*.h "$public"/*.h; do
    name=$(basename "${candidate%.*}")
    case "$stem" in "$name"*) [ ${#name} -gt ${#source} ] && source=$name ;; esac
  done
  if [ ! -d "$private/$subsystem" ] || [ -z "$source" ]; then
    echo "$test: names no source file of Private/$subsystem or Public"; status=1; continue
  fi
  while read -r suite; do
    case "$suite" in "$source"*) ;; *) echo "$test: suite $suite does not start with $source"; status=1 ;; esac
  done < <(grep -oE '^TEST(_F|_P)?\(\s*[A-Za-z0-9_]+' "$test" | sed -E 's/^TEST(_F|_P)?\(\s*//' | sort -u)
done
for stray in "$plugin"/Tests/*.cpp; do
  [ -e "$stray" ] && { echo "$stray: tests belong in a subsystem folder"; status=1; }
done
exit $status
