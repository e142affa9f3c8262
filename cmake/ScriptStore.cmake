# The embedded script store: every script under data/ is compiled into the game
# as constant tables (path "/data/...", text, size). Adding or changing a script
# under data/ is all it takes; the glob re-runs when files come or go. Only
# scripts: the documents a game run from the source folder writes into data/
# (scores, achievements) are no part of it.
file(GLOB_RECURSE ZORBIX_DATA_FILES CONFIGURE_DEPENDS
     LIST_DIRECTORIES false ${CMAKE_SOURCE_DIR}/data/*.lua)
list(SORT ZORBIX_DATA_FILES)
set(ZORBIX_DATA_LIST "")
foreach(f ${ZORBIX_DATA_FILES})
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR}/data ${f})
  string(APPEND ZORBIX_DATA_LIST "${rel}\n")
endforeach()
set(ZORBIX_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
# Written only when the list changes, so that nothing rebuilds needlessly.
file(CONFIGURE OUTPUT ${ZORBIX_GENERATED_DIR}/LuaScriptFiles.txt
     CONTENT "${ZORBIX_DATA_LIST}" @ONLY)
add_custom_command(
  OUTPUT ${ZORBIX_GENERATED_DIR}/LuaScriptData.cpp
  COMMAND zorbix_embed_scripts ${CMAKE_SOURCE_DIR}/data
          ${ZORBIX_GENERATED_DIR}/LuaScriptFiles.txt
          ${ZORBIX_GENERATED_DIR}/LuaScriptData.cpp
  DEPENDS zorbix_embed_scripts ${ZORBIX_GENERATED_DIR}/LuaScriptFiles.txt ${ZORBIX_DATA_FILES}
  COMMENT "Embedding the scripts under data/"
  VERBATIM)
list(APPEND ZORBIX_ENGINE_EXTRA_SOURCES ${ZORBIX_GENERATED_DIR}/LuaScriptData.cpp)
