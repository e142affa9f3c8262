# Level tests through zorbix2-sim, each in a scratch game folder of its own
# (scratch.sh), each a few calls of zorbix2-sim that run many games after one
# start-up, with output that names every run:
# - smoke.<folder>: every level script of the store (the file named after its
#   folder under data/levels/) runs init and some steps, neutral and random;
#   smoke_rules.infinity: the infinity levels also under the replay rules,
#   whose own test is replay_rules;
# - pilot.infinity: every infinity level played by its levelTest.pilot under
#   the replay rules (a pilot that fails or draws random numbers ends it with
#   status 1);
# - ends.infinity: under neutral input every infinity level ends within
#   36,000 steps;
# - roundtrip: an infinity game is recorded, saved and played back to the same
#   score and hash, for a test level and for every infinity level in the store;
# - golden: every pinned replay under tests/data/replays/ re-simulates to its
#   hash chain;
# - replay_ids: the simulator takes every replay id the game saves, and its
#   standard output holds only its results;
# - unreadable_files: a file the simulator is given that it cannot read, or a
#   hash list that is no hash chain, is refused with one line naming it and
#   the cause; --help prints the usage; a malformed value is a wrong call;
# - outcomes: what the simulator records (a campaign level's time, drawn or
#   not) and how a run ends (a game paused for good, a differing hash chain,
#   a chain that cannot be written, a replay's copy that cannot be saved, a
#   replay that could not be saved); the replay file given is never changed.
if(NOT TARGET zorbix2-sim)
  return()
endif()
if(ZORBIX_SANITIZE)
  set(ZORBIX_SMOKE_STEPS 1200)
else()
  set(ZORBIX_SMOKE_STEPS 3600)
endif()
set(ZORBIX_LEVEL_TEST_ENVIRONMENT
    "ZORBIX_HEADLESS=1;ALSOFT_DRIVERS=null;ASAN_OPTIONS=detect_leaks=1"
    "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
set(ZORBIX_SIM $<TARGET_FILE:zorbix2-sim>)
set(ZORBIX_LEVEL_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/levels)

function(zorbix_level_test name)
  add_test(NAME ${name} COMMAND sh ${ZORBIX_LEVEL_SCRIPTS}/scratch.sh ${ARGN})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ZORBIX_LEVEL_TEST_ENVIRONMENT}")
endfunction()

# The level scripts by folder: data/levels/<folder>/<level>/<level>.lua.
file(GLOB_RECURSE level_files CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/data/levels/*.lua)
list(SORT level_files)
set(level_folders "")
foreach(file ${level_files})
  get_filename_component(folder ${file} DIRECTORY)
  get_filename_component(folder_name ${folder} NAME)
  get_filename_component(file_name ${file} NAME_WE)
  if(file_name STREQUAL folder_name)
    get_filename_component(parent ${folder} DIRECTORY)
    string(REGEX REPLACE "^data/levels/" "" group ${parent})
    string(REGEX REPLACE "[^A-Za-z0-9]+" "_" group ${group})
    list(APPEND level_folders ${group})
    list(APPEND levels_${group} /${file})
  endif()
endforeach()
list(REMOVE_DUPLICATES level_folders)

foreach(group ${level_folders})
  zorbix_level_test(smoke.${group} bash ${ZORBIX_LEVEL_SCRIPTS}/smoke.sh ${ZORBIX_SIM} ${ZORBIX_SMOKE_STEPS}
    ${levels_${group}})
endforeach()

set(infinity ${levels_infinity})
zorbix_level_test(smoke_rules.infinity bash ${ZORBIX_LEVEL_SCRIPTS}/smoke.sh ${ZORBIX_SIM} ${ZORBIX_SMOKE_STEPS}
  --replay-rules ${infinity})
set(pilot_runs "")
foreach(level ${infinity})
  if(pilot_runs)
    list(APPEND pilot_runs --then)
  endif()
  list(APPEND pilot_runs --replay-rules --input pilot ${level} ${ZORBIX_SMOKE_STEPS})
endforeach()
zorbix_level_test(pilot.infinity ${ZORBIX_SIM} ${pilot_runs})
zorbix_level_test(ends.infinity bash ${ZORBIX_LEVEL_SCRIPTS}/ends.sh ${ZORBIX_SIM} 36000 ${infinity})
zorbix_level_test(roundtrip.infinity bash ${ZORBIX_LEVEL_SCRIPTS}/roundtrip.sh ${ZORBIX_SIM} 1200 ${infinity})

zorbix_level_test(replay_rules sh ${ZORBIX_LEVEL_SCRIPTS}/replayrules.sh ${ZORBIX_SIM})

zorbix_level_test(roundtrip.test_level bash ${ZORBIX_LEVEL_SCRIPTS}/roundtrip.sh ${ZORBIX_SIM} 1200
  --add-script /data/levels/infinity/assault/assault.lua=${CMAKE_CURRENT_SOURCE_DIR}/data/levels/roundtrip.lua 1002)

file(GLOB golden_replays CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/data/replays/*.txt)
list(SORT golden_replays)
zorbix_level_test(golden bash ${ZORBIX_LEVEL_SCRIPTS}/golden.sh ${ZORBIX_SIM} ${golden_replays})

# The long sweep (ZORBIX_SWEEP=ON; about 1,200 games): every level over ten
# seeds (six for the infinity levels) at difficulties 0 and 2, with its pilot
# and with no input, held to the thresholds of scripts/sweep.sh --check.
if(ZORBIX_SWEEP)
  foreach(input pilot none)
    add_test(NAME sweep.${input} COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/sweep.sh --check --input ${input}
                                         --sim ${ZORBIX_SIM})
    set_tests_properties(sweep.${input} PROPERTIES ENVIRONMENT "${ZORBIX_LEVEL_TEST_ENVIRONMENT}" TIMEOUT 7200)
  endforeach()
endif()

zorbix_level_test(replay_ids sh ${ZORBIX_LEVEL_SCRIPTS}/replayids.sh ${ZORBIX_SIM}
  ${CMAKE_CURRENT_SOURCE_DIR}/data/replays/infinity-asteroids.txt)
zorbix_level_test(unreadable_files sh ${ZORBIX_LEVEL_SCRIPTS}/unreadable.sh ${ZORBIX_SIM})
zorbix_level_test(outcomes sh ${ZORBIX_LEVEL_SCRIPTS}/outcomes.sh ${ZORBIX_SIM})
