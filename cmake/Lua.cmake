# Lua 5.1.5 from Debian's lua5.1 source package, built as a static library with
# the game's own configuration header (integer numbers, no dynamic libraries).
# The sources are fetched into the build tree at configure time and never
# edited: the few stock functions that the game replaces are renamed at
# compile time.
# The profile-training tree of a PGO build (see CMakeLists.txt) compiles the
# same fetched sources as its parent tree: profiles are matched by file name.
if(NOT ZORBIX_LUA_FETCH_DIR)
  set(ZORBIX_LUA_FETCH_DIR ${CMAKE_BINARY_DIR}/_deps/lua5.1)
endif()
set(ZORBIX_LUA_CONFIG ${CMAKE_SOURCE_DIR}/src/script/LuaConfig.h)

function(zorbix_find_lua_source out)
  file(GLOB found LIST_DIRECTORIES true ${ZORBIX_LUA_FETCH_DIR}/lua5.1-5.1.5*)
  set(dir "")
  foreach(candidate ${found})
    if(IS_DIRECTORY ${candidate} AND EXISTS ${candidate}/src/lvm.c
       AND EXISTS ${candidate}/.pc/applied-patches)
      set(dir ${candidate})
    endif()
  endforeach()
  set(${out} ${dir} PARENT_SCOPE)
endfunction()

zorbix_find_lua_source(ZORBIX_LUA_DIR)
if(NOT ZORBIX_LUA_DIR)
  message(STATUS "Fetching the lua5.1 source package into ${ZORBIX_LUA_FETCH_DIR}")
  file(REMOVE_RECURSE ${ZORBIX_LUA_FETCH_DIR})
  file(MAKE_DIRECTORY ${ZORBIX_LUA_FETCH_DIR})
  execute_process(COMMAND apt-get source lua5.1
    WORKING_DIRECTORY ${ZORBIX_LUA_FETCH_DIR}
    RESULT_VARIABLE fetch_result OUTPUT_VARIABLE fetch_output ERROR_VARIABLE fetch_output)
  zorbix_find_lua_source(ZORBIX_LUA_DIR)
  if(NOT fetch_result EQUAL 0 OR NOT ZORBIX_LUA_DIR)
    file(REMOVE_RECURSE ${ZORBIX_LUA_FETCH_DIR})
    message(FATAL_ERROR
      "Could not fetch Lua's sources with 'apt-get source lua5.1' (status ${fetch_result}).\n"
      "The build needs deb-src entries and dpkg-dev: run scripts/setup.sh as root, then "
      "configure again.\nOutput of apt-get:\n${fetch_output}")
  endif()
endif()
set(ZORBIX_LUA_SRC ${ZORBIX_LUA_DIR}/src)

# Everything but the stand-alone programs, the stock library list and the
# stock math library (the game has its own).
set(ZORBIX_LUA_FILES
  lapi lcode ldebug ldo ldump lfunc lgc llex lmem lobject lopcodes lparser
  lstate lstring ltable ltm lundump lvm lzio
  lauxlib lbaselib ldblib liolib loadlib loslib lstrlib ltablib)
set(ZORBIX_LUA_SOURCES "")
foreach(f ${ZORBIX_LUA_FILES})
  list(APPEND ZORBIX_LUA_SOURCES ${ZORBIX_LUA_SRC}/${f}.c)
endforeach()

add_library(zorbix_lua STATIC ${ZORBIX_LUA_SOURCES})
target_include_directories(zorbix_lua PUBLIC ${ZORBIX_LUA_SRC})
target_compile_definitions(zorbix_lua PRIVATE ZORBIX_LUA_BUILD)
# With int numbers, Lua's own int arithmetic on script values may overflow
# (an index of -2147483648 in the table code, for one): it must wrap.
target_compile_options(zorbix_lua PRIVATE -include ${ZORBIX_LUA_CONFIG} -fwrapv -w)
# The chunk loader reads the embedded script store: the stock one gives way.
set_source_files_properties(${ZORBIX_LUA_SRC}/lauxlib.c PROPERTIES
  COMPILE_DEFINITIONS luaL_loadfile=luaL_loadfile_stock)
# Precompiled chunks are never loaded: the binary chunk reader trusts its
# input, so lua_load calls a refusal in its place (in LuaLoaders.cpp).
set_source_files_properties(${ZORBIX_LUA_SRC}/ldo.c PROPERTIES
  COMPILE_DEFINITIONS luaU_undump=zorbix_refusePrecompiledChunk)
set_source_files_properties(${ZORBIX_LUA_SOURCES} PROPERTIES
  OBJECT_DEPENDS ${ZORBIX_LUA_CONFIG})
# Lua calls back into the game (chunk loader, library list, streams), so the
# two static libraries depend on each other.
target_link_libraries(zorbix_lua INTERFACE zorbix_engine)
set_target_properties(zorbix_lua PROPERTIES LINK_INTERFACE_MULTIPLICITY 3)
list(APPEND ZORBIX_ENGINE_DEPS zorbix_lua)
