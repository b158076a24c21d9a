# kelvane_web_fixture(<fixture name> <root dir> <port>)
# Serves <root dir> on 127.0.0.1:<port> (tools/web/serve.py) for the tests that declare
# FIXTURES_REQUIRED <fixture name>; the request log is
# ${CMAKE_CURRENT_BINARY_DIR}/<fixture name>/web.log. Tests use ports 18080-18099.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(kelvane_web_fixture name root port)
  set(script ${PROJECT_SOURCE_DIR}/tools/web/fixture.sh)
  set(state ${CMAKE_CURRENT_BINARY_DIR}/${name})
  add_test(NAME ${name}_start COMMAND bash ${script} start ${root} ${port} ${state})
  add_test(NAME ${name}_stop COMMAND bash ${script} stop ${state})
  set_tests_properties(${name}_start PROPERTIES FIXTURES_SETUP ${name} TIMEOUT 30
    ENVIRONMENT "PYTHON=${Python3_EXECUTABLE}")
  set_tests_properties(${name}_stop PROPERTIES FIXTURES_CLEANUP ${name} TIMEOUT 30)
endfunction()
