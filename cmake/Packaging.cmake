# The Debian package of the suite, built by `cpack -G DEB` in the build folder: the three programs,
# the examples, the manual pages and the desktop's files, installed under /usr. Its run-time
# dependencies are what dpkg-shlibdeps finds the programs linked against.
set(ZELM_MAINTAINER "The ZELM team <zelm@example.org>")

install(FILES ${PROJECT_SOURCE_DIR}/doc/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# A native package keeps its change log as changelog.gz, compressed without a time stamp.
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/doc/changelog > ${changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/doc/changelog
  COMMENT "Compressing the change log")
add_custom_target(changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelm)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The ZELM team")
set(CPACK_PACKAGE_CONTACT ${ZELM_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "subsurface drainage design for agricultural fields")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Only what the install rules name: the programs and their files, no tests or benchmarks.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZELM_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zelm.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The extended description; CPack puts the summary above it and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "ZELM answers two questions an engineer asks before laying pipe drains in a
field: how far apart must the drains be so that the water table midway between
them never rises above a height the crop tolerates, and how high does it rise
between the drains of an existing layout.

The package holds the transient drain-spacing model zelm, the model of
drainage design under uncertainty (reliability and cost of designs under
uncertain soil data), and the desktop application zelmview, which edits the
projects, runs the models and shows their reports, charts and tables.")

include(CPack)
