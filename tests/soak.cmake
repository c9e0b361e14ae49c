# A long run of random user input on one process of the program.
plauderix_test(test_soak SOURCES test_soak.cpp LIBS plauderix_core psapi)
if(TARGET test_soak)
  add_dependencies(test_soak plauderix)
endif()
