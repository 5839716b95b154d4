# Fuzz targets: each is a small entry point that hands its input to one of the game's real
# readers (fuzz/fuzz_*.cpp). With -DQELVANE_FUZZ=ON and clang (scripts/fuzz) they are libFuzzer
# programs; in every other build each runs its committed inputs (fuzz/corpus/NAME: seeds and
# every input that once found a fault) and the shipped files of its kind, as a test.
set(FUZZ_TARGETS script replay midi wav patches save stage)

add_library(qelvane_fuzz_support STATIC ${CMAKE_SOURCE_DIR}/fuzz/fuzz_game.cpp)
target_include_directories(qelvane_fuzz_support PUBLIC ${CMAKE_SOURCE_DIR}/fuzz)
target_link_libraries(qelvane_fuzz_support PUBLIC qelvane_host)

# What the game ships of each kind, found in the build.
set(FUZZ_SHIPPED_script)
set(FUZZ_SHIPPED_replay ${CMAKE_SOURCE_DIR}/tests/replays ${CMAKE_SOURCE_DIR}/assets/replays)
set(FUZZ_SHIPPED_midi ${CMAKE_BINARY_DIR}/d/b01.mid ${CMAKE_BINARY_DIR}/d/b05.mid ${CMAKE_BINARY_DIR}/d/b09.mid
    ${CMAKE_BINARY_DIR}/test-assets/test.mid)
set(FUZZ_SHIPPED_wav ${CMAKE_BINARY_DIR}/d/s01.wav ${CMAKE_BINARY_DIR}/d/s02.wav ${CMAKE_BINARY_DIR}/d/s10.wav)
set(FUZZ_SHIPPED_patches ${CMAKE_BINARY_DIR}/d/mapset2.map)
set(FUZZ_SHIPPED_save)
set(FUZZ_SHIPPED_stage)

add_custom_target(fuzz_targets)
foreach(name ${FUZZ_TARGETS})
  set(target fuzz_${name})
  if(QELVANE_FUZZ)
    add_executable(${target} ${CMAKE_SOURCE_DIR}/fuzz/fuzz_${name}.cpp)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${target} ${CMAKE_SOURCE_DIR}/fuzz/fuzz_${name}.cpp ${CMAKE_SOURCE_DIR}/fuzz/run_inputs.cpp)
    target_compile_options(${target} PRIVATE ${QELVANE_WARNINGS})
    set(inputs)
    if(EXISTS ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
      list(APPEND inputs ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
    endif()
    add_test(NAME fuzz_inputs_${name} COMMAND ${target} ${inputs} ${FUZZ_SHIPPED_${name}})
    set_tests_properties(fuzz_inputs_${name} PROPERTIES LABELS fuzz TIMEOUT 300)
  endif()
  target_link_libraries(${target} PRIVATE qelvane_fuzz_support)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  add_dependencies(fuzz_targets ${target})
endforeach()
target_link_libraries(fuzz_wav PRIVATE qelvane_sdlhost)
if(NOT QELVANE_FUZZ)
  # The shipped files are made by the build.
  add_dependencies(fuzz_targets qelvane)
  add_custom_target(fuzz_inputs ALL DEPENDS fuzz_targets)
endif()
