# Event dispatch and the application phases, in-process.
plauderix_test(test_events SOURCES test_events.cpp LIBS wlib)
