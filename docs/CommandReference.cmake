# The command reference of the user guide, printed by the editor from its
# command registry. With MODE=update it rewrites docs/de/befehle.md and
# docs/en/commands.md; with MODE=check it fails, naming the way to rewrite
# them, when a checked-in file differs from what the registry prints.
#   cmake -DTMEDIT=... -DSOURCE_DIR=... -DWORK_DIR=... -DMODE=check|update -P CommandReference.cmake
# A fresh user: no keys of one's own, no language chosen, nothing to recover.
file(MAKE_DIRECTORY ${WORK_DIR}/config ${WORK_DIR}/data)
set(ENV{XDG_CONFIG_HOME} ${WORK_DIR}/config)
set(ENV{XDG_DATA_HOME} ${WORK_DIR}/data)
set(ENV{QT_QPA_PLATFORM} offscreen)
set(stale)
foreach(language de en)
  if(language STREQUAL "de")
    set(page de/befehle.md)
  else()
    set(page en/commands.md)
  endif()
  execute_process(COMMAND ${TMEDIT} --list-commands --format markdown --lang ${language}
    OUTPUT_FILE ${WORK_DIR}/${language}.md RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "TMEdit --list-commands --lang ${language} failed: ${result}")
  endif()
  if(MODE STREQUAL "update")
    configure_file(${WORK_DIR}/${language}.md ${SOURCE_DIR}/docs/${page} COPYONLY)
  else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/${language}.md ${SOURCE_DIR}/docs/${page}
      RESULT_VARIABLE differs)
    if(differs)
      list(APPEND stale docs/${page})
    endif()
  endif()
endforeach()
if(stale)
  message(FATAL_ERROR "${stale}: not what the command registry lists now. Rewrite with\n"
    "  cmake --build build --target update_command_reference")
endif()
