# Faults of the user's system and of the build, each on the program as its own
# process: missing or broken recordings, no sound device, a shortcut that
# cannot be written, resources left out.
plauderix_test(test_faults SOURCES test_faults.cpp LIBS plauderix_core)

if(TARGET test_faults)
  # Builds of the program with some resources left out (the one without its
  # template comes from lifecycle.cmake).
  foreach(variant nomenu noaccel noimages)
    add_executable(plauderix_${variant} WIN32 ${CMAKE_SOURCE_DIR}/app/main.cpp fixtures/${variant}.rc)
    target_link_libraries(plauderix_${variant} PRIVATE plauderix_core ${PLAUDERIX_STATIC_LINK})
    target_include_directories(plauderix_${variant} PRIVATE ${CMAKE_SOURCE_DIR}/resources ${CMAKE_SOURCE_DIR}/wlib)
    set_target_properties(plauderix_${variant} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
    add_dependencies(test_faults plauderix_${variant})
  endforeach()
  add_dependencies(test_faults plauderix)
  cmake_language(DEFER CALL plauderix_faults_need_notemplate)

  # No wave output device: a home without the .asoundrc of the recording
  # device. A child's HOME comes from Wine's own Unix environment, not from
  # the environment block of CreateProcess, so this is set from outside.
  set(PLAUDERIX_FAULTS_HOME ${CMAKE_BINARY_DIR}/tests/faults-home-without-sound)
  file(MAKE_DIRECTORY ${PLAUDERIX_FAULTS_HOME})
  add_test(NAME test_faults_no_wave_device COMMAND test_faults --gtest_filter=NoWaveDevice.*
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(test_faults_no_wave_device PROPERTIES TIMEOUT 300
    ENVIRONMENT "HOME=${PLAUDERIX_FAULTS_HOME};PLAUDERIX_NO_WAVE_DEVICE=1")
endif()

function(plauderix_faults_need_notemplate)
  if(TARGET plauderix_notemplate)
    add_dependencies(test_faults plauderix_notemplate)
  endif()
endfunction()
