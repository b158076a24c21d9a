# GoogleTest comes from Debian's source package, so both presets build it with their own compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# kelvane_add_test(name SOURCES a.cpp b.cpp LIBS lib... [LABELS l...] [TIMEOUT s] [GUI])
# GUI marks a Win32 test that is linked as a windows-subsystem program.
function(kelvane_add_test name)
  cmake_parse_arguments(T "GUI" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main kelvane_test_support)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}"
    ENVIRONMENT "KELVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR};KELVANE_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# kelvane_use_fake_game(<test>): the Win32 test starts the fake quake2.exe of
# tests/extras, which it finds in KELVANE_FAKE_QUAKE2.
function(kelvane_use_fake_game test)
  add_dependencies(${test} fake_quake2)
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT "KELVANE_FAKE_QUAKE2=$<TARGET_FILE:fake_quake2>")
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/WebFixture.cmake)
