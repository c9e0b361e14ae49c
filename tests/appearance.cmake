# The main window as it first shows: placement, menu and shortcuts, fonts,
# colours, tooltips, default button, closing, font descriptors, leaks.
plauderix_test(test_appearance SOURCES test_appearance.cpp test_font_descriptors.cpp ${PLAUDERIX_RC}
  LIBS plauderix_core)
