# The Debian package: `cpack -G DEB` in a build folder gives
# rolvanta_<version>_<architecture>.deb, installed under /usr. Its
# dependencies on shared libraries come from dpkg-shlibdeps; the ones it
# cannot see are named here.

set(ROLVANTA_MAINTAINER "The ROLVANTA developers <maintainers@rolvanta.example>" CACHE STRING
    "Maintainer named in the Debian package")

configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rolvanta)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rolvanta)
set(CPACK_PACKAGE_VENDOR "The ROLVANTA developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "roll pass design of hot-rolled I-beams")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "A rolling-mill designer picks a finished I-beam (Indian Standard JB, LB, MB and WB beams, "
    "or typed in), sets 5 to 13 passes and a rolling temperature, may change the elongation "
    "coefficients, and gets the pass schedule: the section required at rolling temperature, "
    "then every pass back through the mill, as text pages, drawings, project files and a "
    "report. Includes the desktop program rolvanta and the command-line tool rolvanta-cli.")
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
