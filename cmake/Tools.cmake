# The programs the build runs, each found once, with the Debian package that brings it named when
# it is missing (scripts/install-deps installs them all).
function(qelvane_find_tool var program package)
  find_program(${var} ${program})
  if(NOT ${var})
    message(FATAL_ERROR "The build needs ${program}, which is not installed: install the Debian package "
                        "${package} (scripts/install-deps installs everything the build needs).")
  endif()
endfunction()

qelvane_find_tool(SOX_PROGRAM sox sox)
qelvane_find_tool(ABC2MIDI_PROGRAM abc2midi abcmidi)
qelvane_find_tool(RSVG_CONVERT_PROGRAM rsvg-convert librsvg2-bin)
qelvane_find_tool(GZIP_PROGRAM gzip gzip)
