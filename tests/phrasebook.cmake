# The phrase book: the list, translation by double-click, the recordings that
# reach the sound device, and what happens when a recording cannot play.
plauderix_test(test_phrasebook SOURCES test_phrasebook.cpp test_phrasebook_text.cpp ${PLAUDERIX_RC}
  LIBS plauderix_core)

if(TARGET test_phrasebook)
  add_dependencies(test_phrasebook sounds)

  # The same program on a system without a wave output device: a home without
  # the .asoundrc that makes the recording device. Wine gives a child process
  # the HOME of its own Unix environment, so the test cannot set it itself.
  set(PLAUDERIX_SILENT_HOME ${CMAKE_BINARY_DIR}/tests/home-without-sound)
  file(MAKE_DIRECTORY ${PLAUDERIX_SILENT_HOME})
  add_test(NAME test_phrasebook_no_wave_device
    COMMAND test_phrasebook --gtest_filter=NoWaveDevice.*
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(test_phrasebook_no_wave_device PROPERTIES TIMEOUT 300
    ENVIRONMENT "HOME=${PLAUDERIX_SILENT_HOME};PLAUDERIX_NO_WAVE_DEVICE=1")
endif()
