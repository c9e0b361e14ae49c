# The pictures and the version block as stored in plauderix.exe, the shipped one too.
plauderix_test(test_resources PRODUCT SOURCES test_resources.cpp LIBS version)
target_compile_definitions(test_resources PRIVATE PLAUDERIX_BUILD_TIME=${PLAUDERIX_BUILD_TIME})
add_dependencies(test_resources plauderix)
