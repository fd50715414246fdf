# The Debian package: `cpack -G DEB` in the build folder makes
# torvik_<version>_<arch>.deb with the programs, the help, the desktop
# integration, the manual pages and the AppStream description. The shared
# libraries the programs link are found by dpkg-shlibdeps (dpkg-dev); what
# Qt loads at run time (the platform and SVG plugins) is named here.
set(TORVIK_MAINTAINER "Torvik developers <developers@torvik.invalid>")

set(CPACK_PACKAGE_NAME torvik)
set(CPACK_PACKAGE_VENDOR "Kelmar")
set(CPACK_PACKAGE_VERSION "${TORVIK_FILE_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "orthodontic wire loop design and activation")
set(CPACK_PACKAGE_DESCRIPTION "Torvik is a desktop program for orthodontists, residents and researchers.
The user bends a wire, a chain of short straight segments clamped in a left
bracket, chooses its material and cross-section, and activates it: a
beam-mechanics solver finds the force and moment that bring the wire end
into the right bracket and shows the forces, moments and moment-to-force
ratios at both brackets. The package holds the program, torvik-activate
for batch activations from the command line, torvik-design, which writes
loops made from parametric templates, and the help.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TORVIK_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Python module is built for one Python version and uses NumPy; the
# programs need neither, so they are recommended rather than required.
if(TORVIK_BUILD_PYTHON)
  math(EXPR torvik_python_next "${Python3_VERSION_MINOR} + 1")
  set(torvik_python_series "${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
      "python3 (>= ${torvik_python_series}~), python3 (<< ${Python3_VERSION_MAJOR}.${torvik_python_next}), python3-numpy")
  string(APPEND CPACK_PACKAGE_DESCRIPTION "
The torvik Python module activates designs from Python scripts.")
endif()

# Debian wants a copyright file and a changelog in the package's doc folder.
configure_file(${PROJECT_SOURCE_DIR}/resources/package/changelog.in ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
find_program(TORVIK_GZIP gzip)
if(TORVIK_GZIP)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/package/changelog.gz
    COMMAND ${TORVIK_GZIP} -9 -n -c ${CMAKE_BINARY_DIR}/package/changelog > ${CMAKE_BINARY_DIR}/package/changelog.gz
    DEPENDS ${CMAKE_BINARY_DIR}/package/changelog VERBATIM)
  add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/package/changelog.gz)
  install(FILES ${CMAKE_BINARY_DIR}/package/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/torvik)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/resources/package/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/torvik)

include(CPack)
