# Manual pages. torvik_man_page_from_help(TARGET SUMMARY ... SEE_ALSO ...)
# builds <target>.1 from the program's --help output (help_to_man.cmake) and
# installs it, compressed as Debian wants its pages, under share/man/man1.
# torvik_man_page(FILE) installs a written page the same way.
find_program(TORVIK_GZIP gzip)

function(torvik_install_man_page page)
  get_filename_component(name "${page}" NAME)
  if(TORVIK_GZIP)
    set(gz "${CMAKE_BINARY_DIR}/man/${name}.gz")
    add_custom_command(OUTPUT "${gz}"
      COMMAND "${TORVIK_GZIP}" -9 -n -c "${page}" > "${gz}"
      DEPENDS "${page}" VERBATIM)
    add_custom_target(man_${name} ALL DEPENDS "${gz}")
    install(FILES "${gz}" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    add_custom_target(man_${name} ALL DEPENDS "${page}")
    install(FILES "${page}" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endfunction()

function(torvik_man_page_from_help target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "SUMMARY" "SEE_ALSO")
  set(page "${CMAKE_BINARY_DIR}/man/${target}.1")
  add_custom_command(OUTPUT "${page}"
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DNAME=${target}
            "-DSUMMARY=${arg_SUMMARY}" -DVERSION=${PROJECT_VERSION} "-DSEE_ALSO=${arg_SEE_ALSO}"
            -DOUTPUT=${page} -P ${PROJECT_SOURCE_DIR}/cmake/help_to_man.cmake
    DEPENDS ${target} ${PROJECT_SOURCE_DIR}/cmake/help_to_man.cmake VERBATIM)
  torvik_install_man_page("${page}")
endfunction()

function(torvik_man_page source)
  get_filename_component(name "${source}" NAME)
  set(page "${CMAKE_BINARY_DIR}/man/${name}")
  configure_file("${source}" "${page}" @ONLY)
  torvik_install_man_page("${page}")
endfunction()
