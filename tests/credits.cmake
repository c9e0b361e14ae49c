# The credits panel, the window icon and the poster's place, in-process.
plauderix_test(test_credits SOURCES test_credits.cpp ${PLAUDERIX_RC} LIBS plauderix_core)
