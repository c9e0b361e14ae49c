# The twenty phrase recordings, spoken from the phrase table into
# ${CMAKE_BINARY_DIR}/sounds. Everything here runs on the build machine:
# the generator is compiled with the host g++, never the cross compiler.

set(PLAUDERIX_TOOLS_DIR "${CMAKE_CURRENT_LIST_DIR}")
get_filename_component(PLAUDERIX_SOURCE_ROOT "${PLAUDERIX_TOOLS_DIR}" DIRECTORY)
set(PLAUDERIX_SOUNDS_DIR "${CMAKE_BINARY_DIR}/sounds")

# NO_CMAKE_FIND_ROOT_PATH: a cross toolchain may restrict program lookup to its sysroot.
find_program(PLAUDERIX_HOST_CXX NAMES g++ NO_CMAKE_FIND_ROOT_PATH)
find_program(PLAUDERIX_ESPEAK_NG NAMES espeak-ng NO_CMAKE_FIND_ROOT_PATH)
find_program(PLAUDERIX_SH NAMES sh NO_CMAKE_FIND_ROOT_PATH)
foreach(tool PLAUDERIX_HOST_CXX PLAUDERIX_ESPEAK_NG PLAUDERIX_SH)
    if(NOT ${tool})
        message(FATAL_ERROR "${tool}: needed on the build machine to make the sound files")
    endif()
endforeach()

set(PLAUDERIX_SOUND_FILES "")
foreach(n RANGE 1 20)
    list(APPEND PLAUDERIX_SOUND_FILES "${PLAUDERIX_SOUNDS_DIR}/${n}.wav")
endforeach()

add_custom_command(
    OUTPUT ${PLAUDERIX_SOUND_FILES}
    COMMAND ${CMAKE_COMMAND} -E env
            "HOST_CXX=${PLAUDERIX_HOST_CXX}" "ESPEAK_NG=${PLAUDERIX_ESPEAK_NG}"
            "${PLAUDERIX_SH}" "${PLAUDERIX_TOOLS_DIR}/make_sounds.sh" "${PLAUDERIX_SOUNDS_DIR}"
    DEPENDS
        "${PLAUDERIX_TOOLS_DIR}/make_sounds.sh"
        "${PLAUDERIX_TOOLS_DIR}/phrase_texts.cpp"
        "${PLAUDERIX_SOURCE_ROOT}/phrases/PhraseTable.cpp"
        "${PLAUDERIX_SOURCE_ROOT}/phrases/PhraseTable.h"
        "${PLAUDERIX_SOURCE_ROOT}/phrases/PhrasePair.h"
    COMMENT "Speaking the phrase recordings into ${PLAUDERIX_SOUNDS_DIR}"
    VERBATIM)

add_custom_target(sounds ALL DEPENDS ${PLAUDERIX_SOUND_FILES})
