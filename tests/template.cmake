# The main window's template: as stored in the executable, and as instantiated.
plauderix_test(test_template SOURCES test_template.cpp ${PLAUDERIX_RC} LIBS plauderix_core)
