# The product as a user gets it: real X input, the outside inspector, screenshots.
find_program(PLAUDERIX_PYTHON NAMES python3 NO_CMAKE_FIND_ROOT_PATH)
if(PLAUDERIX_PYTHON)
  add_test(NAME acceptance COMMAND ${PLAUDERIX_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/acceptance/acceptance.py ${CMAKE_BINARY_DIR})
  set_tests_properties(acceptance PROPERTIES TIMEOUT 1800)
endif()
