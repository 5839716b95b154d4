# The soak: the real game, headless, run after run from seeded random input, each run in a child
# process so that a crash or a sanitizer's report is caught and named by its seed (tools/soak.cpp).
add_executable(qelvane_soak tools/soak.cpp)
target_compile_options(qelvane_soak PRIVATE ${QELVANE_WARNINGS})
target_link_libraries(qelvane_soak PRIVATE qelvane_app)
set_target_properties(qelvane_soak PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
# It plays on copies of the data folder beside it and loads the sheets: everything the game needs.
add_dependencies(qelvane_soak qelvane)

# A short soak in the suite: fails when a run crashes, hangs or the game ends with an error. Under
# the sanitizers it plays longer, since there it is the soak that looks for faults.
if(QELVANE_SANITIZE)
  set(SOAK_SHORT_PASSES 100000)
else()
  set(SOAK_SHORT_PASSES 20000)
endif()
add_test(NAME soak_short COMMAND qelvane_soak --seed 1 --total-passes ${SOAK_SHORT_PASSES} --passes 2000 --quiet)
set_tests_properties(soak_short PROPERTIES LABELS soak TIMEOUT 900)
