# kelvane_fleet_fixture(<fixture name> <scenario file>)
# A ctest fixture that runs a fake Quake II server fleet while the tests that require it run.
# Tests declare FIXTURES_REQUIRED <fixture name> and read the request log from
# ${CMAKE_CURRENT_BINARY_DIR}/<fixture name>/fleet.log; kelvane_use_fleet() does both.
function(kelvane_fleet_fixture name scenario)
  get_filename_component(scenario ${scenario} ABSOLUTE)
  set(state ${CMAKE_CURRENT_BINARY_DIR}/${name})
  set(script ${PROJECT_SOURCE_DIR}/scripts/fleet.sh)
  add_test(NAME ${name}_start COMMAND bash ${script} start ${scenario} ${state})
  add_test(NAME ${name}_stop COMMAND bash ${script} stop ${state})
  set_tests_properties(${name}_start PROPERTIES FIXTURES_SETUP ${name} TIMEOUT 30 LABELS fleet
    ENVIRONMENT "KELVANE_FAKEQ2=${CMAKE_BINARY_DIR}/tools/fakeq2/fake-q2-server")
  set_tests_properties(${name}_stop PROPERTIES FIXTURES_CLEANUP ${name} TIMEOUT 30 LABELS fleet)
endfunction()

# kelvane_use_fleet(<test> <fixture name>): the test runs while the fleet does, and finds
# its log in the environment variable KELVANE_FLEET_LOG.
function(kelvane_use_fleet test name)
  set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED ${name})
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
    "KELVANE_FLEET_LOG=${CMAKE_CURRENT_BINARY_DIR}/${name}/fleet.log")
endfunction()
