# Level tests through zorbix2-sim, each in a scratch game directory of its own:
# - smoke: every level script of the store (the file named after its folder
#   under data/levels/) runs init and some steps, neutral and random; the
#   infinity levels also under the replay rules, whose own test is replay_rules;
# - pilot: every infinity level played by its levelTest.pilot under the replay
#   rules (a pilot that fails or draws random numbers ends it with status 1);
# - ends: under neutral input every infinity level ends within 36,000 steps;
# - roundtrip: an infinity game is recorded, saved and played back to the same
#   score and hash, for a test level and for every infinity level in the store;
# - golden: every pinned replay under tests/data/replays/ re-simulates to its
#   hash chain.
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
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/level-tests/${name})
  file(MAKE_DIRECTORY ${dir}/data ${dir}/app/native)
  add_test(NAME ${name} COMMAND ${ARGN} WORKING_DIRECTORY ${dir})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ZORBIX_LEVEL_TEST_ENVIRONMENT}")
endfunction()

file(GLOB_RECURSE level_files CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/data/levels/*.lua)
list(SORT level_files)
foreach(file ${level_files})
  get_filename_component(folder ${file} DIRECTORY)
  get_filename_component(folder_name ${folder} NAME)
  get_filename_component(file_name ${file} NAME_WE)
  if(file_name STREQUAL folder_name)
    string(REGEX REPLACE "[^A-Za-z0-9]+" "_" id ${folder})
    zorbix_level_test(smoke.${id} sh ${ZORBIX_LEVEL_SCRIPTS}/smoke.sh ${ZORBIX_SIM} /${file} ${ZORBIX_SMOKE_STEPS})
    if(folder MATCHES "^data/levels/infinity/")
      zorbix_level_test(ends.${id} sh ${ZORBIX_LEVEL_SCRIPTS}/ends.sh ${ZORBIX_SIM} /${file} 36000)
      zorbix_level_test(smoke_rules.${id} sh ${ZORBIX_LEVEL_SCRIPTS}/smoke.sh ${ZORBIX_SIM} /${file} ${ZORBIX_SMOKE_STEPS}
        --replay-rules)
      zorbix_level_test(pilot.${id} ${ZORBIX_SIM} --replay-rules --input pilot /${file} ${ZORBIX_SMOKE_STEPS})
      zorbix_level_test(roundtrip.${id} sh ${ZORBIX_LEVEL_SCRIPTS}/roundtrip.sh ${ZORBIX_SIM} /${file} 1200)
    endif()
  endif()
endforeach()

zorbix_level_test(replay_rules sh ${ZORBIX_LEVEL_SCRIPTS}/replayrules.sh ${ZORBIX_SIM})

zorbix_level_test(roundtrip.test_level sh ${ZORBIX_LEVEL_SCRIPTS}/roundtrip.sh ${ZORBIX_SIM} 1002 1200
  --add-script /data/levels/infinity/assault/assault.lua=${CMAKE_CURRENT_SOURCE_DIR}/data/levels/roundtrip.lua)

file(GLOB golden_replays CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/data/replays/*.txt)
list(SORT golden_replays)
foreach(replay ${golden_replays})
  get_filename_component(name ${replay} NAME_WE)
  zorbix_level_test(golden.${name} sh ${ZORBIX_LEVEL_SCRIPTS}/golden.sh ${ZORBIX_SIM} ${replay})
endforeach()
