# Renames the training tree's Lua profiles after the parent tree's objects. Lua's
# sources lie in the parent tree (both trees compile the same files, whose
# paths the profile checks), so the training tree's objects are named by
# their path from the source folder and the parent's by their path from its
# own folder. Run with cmake -P, with PROFILE defined.
file(GLOB profiles RELATIVE "${PROFILE}" "${PROFILE}/CMakeFiles#zorbix_lua.dir#*.gcda")
foreach(name IN LISTS profiles)
  string(REGEX REPLACE "^CMakeFiles#zorbix_lua\\.dir#.*#_deps#lua5\\.1#" "CMakeFiles#zorbix_lua.dir#_deps#lua5.1#"
         renamed "${name}")
  if(NOT renamed STREQUAL name)
    file(RENAME "${PROFILE}/${name}" "${PROFILE}/${renamed}")
  endif()
endforeach()
