# Generated audio: the soundtrack's amplitude table is compiled into the engine;
# tools/audiogen writes it together with the sound effects and the soundtrack.
set(ZORBIX_MUSIC_AMPLITUDES_SOURCE ${CMAKE_BINARY_DIR}/generated/MusicAmplitudes.cpp)
set_source_files_properties(${ZORBIX_MUSIC_AMPLITUDES_SOURCE} PROPERTIES GENERATED TRUE)
list(APPEND ZORBIX_ENGINE_EXTRA_SOURCES ${ZORBIX_MUSIC_AMPLITUDES_SOURCE})
