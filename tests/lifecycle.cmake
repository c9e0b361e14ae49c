# The program's lifecycle as real processes: how each way of ending sets the exit code.

# The program without its window template, to reach the missing-template path.
add_executable(plauderix_notemplate WIN32 ${CMAKE_SOURCE_DIR}/app/main.cpp fixtures/notemplate.rc)
target_link_libraries(plauderix_notemplate PRIVATE plauderix_core ${PLAUDERIX_STATIC_LINK})
target_include_directories(plauderix_notemplate PRIVATE ${CMAKE_SOURCE_DIR}/resources ${CMAKE_SOURCE_DIR}/wlib)
set_target_properties(plauderix_notemplate PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

plauderix_test(test_lifecycle PRODUCT SOURCES test_lifecycle.cpp)
if(TARGET test_lifecycle)
  add_dependencies(test_lifecycle plauderix plauderix_notemplate)
endif()
