# The outside inspector used by the demonstration and the acceptance tests.
add_executable(plauderix_inspect inspector/plauderix_inspect.cpp)
target_link_libraries(plauderix_inspect PRIVATE user32 ${PLAUDERIX_STATIC_LINK})
set_target_properties(plauderix_inspect PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
