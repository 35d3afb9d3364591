# The Debian package: `cpack -G DEB` in a build folder gives
# rolvanta_<version>-<release>_<architecture>.deb, installed under /usr. Its
# dependencies on shared libraries come from dpkg-shlibdeps; the ones it
# cannot see are named here.

set(ROLVANTA_MAINTAINER "The ROLVANTA developers <maintainers@rolvanta.example>" CACHE STRING
    "Maintainer named in the Debian package")

configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
# The package's own release after the program's version: its changelog is
# the Debian one, compressed as Debian policy has it (gzip -9, no name or
# time inside, so that two builds give the same bytes).
set(ROLVANTA_DEBIAN_RELEASE 1)
set(ROLVANTA_DEBIAN_VERSION ${PROJECT_VERSION}-${ROLVANTA_DEBIAN_RELEASE})
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog ${CMAKE_BINARY_DIR}/packaging/changelog.Debian
               @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
  COMMAND gzip -9nkf changelog.Debian
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/packaging
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.Debian
  VERBATIM)
add_custom_target(rolvanta_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright
              ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rolvanta)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME rolvanta)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rolvanta)
set(CPACK_PACKAGE_VENDOR "The ROLVANTA developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${ROLVANTA_DEBIAN_RELEASE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "roll pass design of hot-rolled I-beams")
# The extended description in lines of at most 72 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "A rolling-mill designer picks a finished I-beam (Indian Standard JB,\n"
    "LB, MB and WB beams, or typed in), sets 5 to 13 passes and a rolling\n"
    "temperature, may change the elongation coefficients, and gets the pass\n"
    "schedule: the section required at rolling temperature, then every pass\n"
    "back through the mill, as text pages, drawings, project files and a\n"
    "report, with the loads of every stand when a mill is given.\n"
    "Includes the desktop program rolvanta and the command-line tool\n"
    "rolvanta-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ROLVANTA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ROLVANTA_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by name at run time, so dpkg-shlibdeps cannot see them: the font
# faces the program asks for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_STRIP_FILES ON)
include(CPack)
