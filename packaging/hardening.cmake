# The hardening flags Debian builds its packages with, as dpkg-buildflags
# gives them with every hardening feature on: the stack protector, format
# checks, fortified C library calls (where the build optimises, which they
# need) and relocations made read-only at start. The build type keeps its
# own optimisation and debug information, so those flags are left out.
option(ROLVANTA_HARDENING "Build with Debian's hardening flags from dpkg-buildflags" ON)
find_program(ROLVANTA_DPKG_BUILDFLAGS dpkg-buildflags)
if(ROLVANTA_HARDENING AND ROLVANTA_DPKG_BUILDFLAGS)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${ROLVANTA_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    foreach(flag IN LISTS flags)
      if(flag MATCHES "^-(O|g|ffile-prefix-map=|fdebug-prefix-map=)")
        continue()
      elseif(flag MATCHES "^-D_FORTIFY_SOURCE")
        add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
      elseif(kind STREQUAL LDFLAGS)
        add_link_options(${flag})
      else()
        add_compile_options(${flag})
      endif()
    endforeach()
  endforeach()
endif()
