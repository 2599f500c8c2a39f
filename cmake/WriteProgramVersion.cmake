# Build step: writes OUTPUT from INPUT with the version text, VERSION plus the
# commit of the checkout in SOURCE_DIR when there is one.
#   cmake -DSOURCE_DIR=... -DVERSION=... -DINPUT=... -DOUTPUT=... -P WriteProgramVersion.cmake
set(QUITANZA_VERSION_TEXT ${VERSION})
find_program(GIT git)
if(GIT)
  execute_process(COMMAND ${GIT} rev-parse --short HEAD WORKING_DIRECTORY ${SOURCE_DIR}
                  OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE result)
  if(result EQUAL 0 AND commit)
    set(QUITANZA_VERSION_TEXT "${VERSION} (commit ${commit})")
  endif()
endif()
configure_file(${INPUT} ${OUTPUT} @ONLY)
# Newer than the commit that asked for it, even when the text is the same,
# so the step does not run again on every build.
file(TOUCH_NOCREATE ${OUTPUT})
