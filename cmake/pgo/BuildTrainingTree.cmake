# Configures (once) and builds the instrumented simulator of a profile-guided
# build's training tree. Run with cmake -P by the parent tree's build, with
# SOURCE, TREE, GENERATOR, BUILD_TYPE, C_COMPILER, CXX_COMPILER, PROFILE,
# LUA_FETCH_DIR and JOBS defined.
if(NOT EXISTS ${TREE}/CMakeCache.txt)
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${TREE} -G ${GENERATOR}
                          -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
                          -DCMAKE_C_COMPILER=${C_COMPILER} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
                          -DZORBIX_LTO=ON -DZORBIX_PGO=OFF -DZORBIX_PGO_GENERATE=${PROFILE}
                          -DZORBIX_LUA_FETCH_DIR=${LUA_FETCH_DIR}
                  OUTPUT_QUIET RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    file(REMOVE ${TREE}/CMakeCache.txt)
    message(FATAL_ERROR "Configuring the training tree ${TREE} failed")
  endif()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${TREE} -j ${JOBS} --target zorbix2-sim
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Building the instrumented simulator in ${TREE} failed")
endif()
