# Shared by the level test scripts (sourced): the output of a zorbix2-sim call
# of several runs, summed up a line per run as "RUN|REPLAY|SCORE|STEPS|HASH|STATUS"
# (an empty field where the run printed none). A call of one run prints no "== run" lines: its summary is
# that of run 1, with the status left to the caller (the call's own).
summarize_runs() {
    printf '%s\n' "$1" | awk '
        BEGIN { run = 1 }
        /^== run [0-9]+: status -?[0-9]+$/ { print run "|" replay "|" score "|" steps "|" hash "|" $NF; runs++; next }
        /^== run [0-9]+: / { run = $3; sub(":", "", run); replay = score = steps = hash = ""; next }
        /^replay -?[0-9]+$/ { replay = $2 }
        /^score -?[0-9]+$/ { score = $2 }
        /^steps [0-9]+$/ { steps = $2 }
        /^hash [0-9a-f]+$/ { hash = $2 }
        END { if (!runs) print run "|" replay "|" score "|" steps "|" hash "|" }'
}
