# cmake -DABC2MIDI=PATH -DSRC=piece.abc -DOUT=piece.mid -P abc2midi.cmake
# Compiles one score; any warning of abc2midi (a bar of the wrong length, an unknown symbol)
# stops the build, so that what is heard is what the score says.
get_filename_component(out_dir "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${out_dir}")
execute_process(COMMAND "${ABC2MIDI}" "${SRC}" -o "${OUT}.part"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "[Ww]arning|[Ee]rror" OR NOT EXISTS "${OUT}.part")
  file(REMOVE "${OUT}.part")
  message(FATAL_ERROR "abc2midi ${SRC}:\n${output}")
endif()
file(RENAME "${OUT}.part" "${OUT}")
