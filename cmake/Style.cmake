# The house style: every C++ file as clang-format (.clang-format) writes it. scripts/format applies
# it; this test fails on any file that differs, and names it.
add_test(NAME house_style COMMAND ${CMAKE_SOURCE_DIR}/scripts/format --check)
set_tests_properties(house_style PROPERTIES LABELS style TIMEOUT 300)
