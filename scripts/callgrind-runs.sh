# shellcheck shell=bash
# Sourced by the scripts that count a benchmark's instructions with callgrind:
# the environment the programs run in there, and one run of a program.

unset DISPLAY WAYLAND_DISPLAY VK_INSTANCE_LAYERS
# Under callgrind a compile of the demo's shader takes seconds, not milliseconds.
export BRENNWICK_HLSL_COMPILE_SECONDS=600
# And lavapipe's first compile of a pipeline takes longer than TdrDelay (2 s),
# which would remove the device as hung and leave nothing drawn to count.
export BRENNWICK_D3D12_TDR_DELAY=3600

# run_under_callgrind OUTPUT [CALLGRIND OPTIONS] -- PROGRAM ARGS...: runs
# bench/PROGRAM of $build with one callgrind output file per thread (OUTPUT-01
# the calling thread's), its output in OUTPUT.stdout and OUTPUT.stderr. Ends
# the script when the program fails or loses its device, which would leave
# nothing drawn to count.
run_under_callgrind() {
    local output=$1 program
    local -a options=()
    shift
    while [[ $1 != -- ]]; do
        options+=("$1")
        shift
    done
    program=$2
    shift 2
    # shellcheck disable=SC2154 # $build is the sourcing script's build folder
    valgrind --tool=callgrind --separate-threads=yes --smc-check=all-non-file "${options[@]}" \
        --callgrind-out-file="$output" "$build/bench/$program" "$@" \
        >"$output.stdout" 2>"$output.stderr" || {
        grep -v '^==' "$output.stderr" | tail -n 20 >&2
        echo "$program failed under callgrind" >&2
        exit 1
    }
    if grep -q 'DEVICE_REMOVAL_PROCESS_AT_FAULT' "$output.stderr"; then
        echo "$program lost its device under callgrind: nothing it counted was drawn" >&2
        exit 1
    fi
}
