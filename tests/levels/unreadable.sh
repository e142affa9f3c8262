#!/bin/sh
# zorbix2-sim and the files it is given by name (a replay, a script, an input
# file, a hash list): one that is no readable file (a folder, a missing file,
# a device with no end, a file whose read fails, a line too long), or a hash
# list that is no hash chain, is refused in one line on the standard error
# naming the file and the cause, with status 1. --help prints the usage on the
# standard output with status 0; a wrong option or a malformed value prints it
# on the standard error with status 2, wherever the value stands.
# Usage: unreadable.sh SIM
set -u
sim=$1
level=/data/levels/infinity/assault/assault.lua
failed=0
fail() { echo "$*"; failed=1; }
mkdir folder
{ echo "0 -1 -1 -1 -1"; head -c 5000 /dev/zero | tr '\0' x; echo; } > long.txt

# refused FILE CAUSE ARGUMENT...
refused() {
    file=$1 cause=$2
    shift 2
    out=$("$sim" "$@" 2> errors.txt)
    status=$?
    want="$sim: cannot read $file: $cause"
    [ $status -eq 1 ] || fail "$*: status $status"
    [ "$(cat errors.txt)" = "$want" ] || fail "$*: said \"$(cat errors.txt)\", not \"$want\""
    [ -z "$out" ] || fail "$*: printed $out"
}
for file in folder missing /dev/zero /proc/self/mem; do
    case $file in
        folder) cause="it is a folder" ;;
        missing) cause="No such file or directory" ;;
        /dev/zero) cause="larger than 16777216 bytes" ;;
        *) cause="Input/output error" ;;
    esac
    refused "$file" "$cause" --replay-file "$file"
    refused "$file" "$cause" --add-script "$level=$file" "$level" 10
    refused "$file" "$cause" --input "$file" "$level" 10
    refused "$file" "$cause" --check-hashes "$file" "$level" 10
done
for option in --input --check-hashes; do
    refused long.txt "line 2 is longer than 4096 bytes" $option long.txt "$level" 10
done
# Its bytes are not copied to the standard error stream.
printf '60 0123456789abcdef\ngarbage\001\002\n' > chain.txt
refused chain.txt 'line 2 is not a checkpoint "STEP HASH"' --check-hashes chain.txt "$level" 10
: > empty.txt
refused empty.txt "it holds no checkpoint" --check-hashes empty.txt "$level" 10

out=$("$sim" --help 2> errors.txt)
status=$?
[ $status -eq 0 ] || fail "--help: status $status"
case "$out" in "usage: $sim "*"--then"*) ;; *) fail "--help printed: $out" ;; esac
[ ! -s errors.txt ] || fail "--help wrote on the standard error: $(cat errors.txt)"
for call in "--verbose $level 10" "--add-script foo $level 10" "--input random:x $level 10" \
            "--seed -1 $level 10" "--difficulty 3 $level 10" "$level abc" "$level 10 --then --input random: $level 10"; do
    out=$("$sim" $call 2> errors.txt)
    status=$?
    [ $status -eq 2 ] || fail "$call: status $status"
    [ -z "$out" ] || fail "$call printed: $out"
    grep -q "^usage: $sim " errors.txt || fail "$call: no usage on the standard error: $(cat errors.txt)"
done
exit $failed
