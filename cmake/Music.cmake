# Music
# The nine pieces are scores in ABC notation (assets/music/b01.abc ... b09.abc), compiled by
# abc2midi into the standard MIDI files of the data folder. abc2midi writes the same bytes for
# the same score, so the build repeats exactly.

set(MUSIC_DIR ${CMAKE_BINARY_DIR}/d)
set(MUSIC_FILES)
foreach(n 1 2 3 4 5 6 7 8 9)
  set(score ${CMAKE_SOURCE_DIR}/assets/music/b0${n}.abc)
  set(piece ${MUSIC_DIR}/b0${n}.mid)
  add_custom_command(
    OUTPUT ${piece}
    COMMAND ${CMAKE_COMMAND} -DABC2MIDI=${ABC2MIDI_PROGRAM} -DSRC=${score} -DOUT=${piece}
            -P ${CMAKE_SOURCE_DIR}/cmake/abc2midi.cmake
    DEPENDS ${score} ${CMAKE_SOURCE_DIR}/cmake/abc2midi.cmake
    COMMENT "Compiling the music score b0${n}.abc")
  list(APPEND MUSIC_FILES ${piece})
endforeach()
add_custom_target(music ALL DEPENDS ${MUSIC_FILES})
add_dependencies(qelvane music)

# Renders every piece through the game's audio host and measures it (tools/music_check.sh).
add_executable(music_check tools/music_check.cpp)
target_compile_options(music_check PRIVATE ${QELVANE_WARNINGS})
target_link_libraries(music_check PRIVATE qelvane_sdlhost)

target_compile_definitions(qelvane_tool_tests PRIVATE QELVANE_ABC2MIDI="${ABC2MIDI_PROGRAM}")
add_dependencies(qelvane_bench music)
