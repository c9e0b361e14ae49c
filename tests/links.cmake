# The web links: shortcut file, shell requests, visited colour, link cursor.
# url_standin.exe takes the shell's requests in place of a browser.
add_executable(url_standin url_standin.cpp)
target_link_libraries(url_standin PRIVATE ${PLAUDERIX_STATIC_LINK})
set_target_properties(url_standin PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

plauderix_test(test_links SOURCES test_links.cpp ${PLAUDERIX_RC} LIBS plauderix_core)
if(TARGET test_links)
  add_dependencies(test_links url_standin)
endif()

