# Configures (once) and builds the instrumented simulator of a profile-guided
# build's training tree. Run with cmake -P by the parent tree's build, with
# SOURCE, TREE, GENERATOR, BUILD_TYPE, INITIAL_CACHE (the parent's compilers and
# compiler launchers), PROFILE and LUA_FETCH_DIR defined.
if(NOT EXISTS ${TREE}/CMakeCache.txt)
  message(STATUS "Configuring the training tree ${TREE}")
  execute_process(COMMAND ${CMAKE_COMMAND} -C ${INITIAL_CACHE} -S ${SOURCE} -B ${TREE} -G ${GENERATOR}
                          -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
                          -DZORBIX_LTO=ON -DZORBIX_PGO=OFF -DZORBIX_PGO_GENERATE=${PROFILE}
                          -DZORBIX_LUA_FETCH_DIR=${LUA_FETCH_DIR}
                  OUTPUT_QUIET RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    file(REMOVE ${TREE}/CMakeCache.txt)
    message(FATAL_ERROR "Configuring the training tree ${TREE} failed")
  endif()
endif()
# As many jobs as this process may use (nproc follows the CPU affinity mask);
# without nproc, the build tool's own default.
set(jobs "")
execute_process(COMMAND nproc OUTPUT_VARIABLE cpus OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE status ERROR_QUIET)
if(status EQUAL 0 AND cpus MATCHES "^[1-9][0-9]*$")
  set(jobs -j ${cpus})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${TREE} ${jobs} --target zorbix2-sim
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Building the instrumented simulator in ${TREE} failed")
endif()
