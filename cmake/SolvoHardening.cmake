# Release builds are hardened as Debian builds its packages: the hardening
# flags dpkg-buildflags gives with every hardening feature on (stack
# protector, fortified functions, read-only relocations with immediate
# binding), and control-flow protection (CET) where the compiler has it.
# Optimisation and debug flags stay the build type's own. scripts/package.sh
# checks the packaged programs with hardening-check.
include(CheckCXXCompilerFlag)

option(SOLVO_HARDEN "Harden release builds with Debian's flags" ON)

if(SOLVO_HARDEN AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$"
   AND NOT SOLVO_SANITIZE AND NOT SOLVO_BUILD_FUZZ AND NOT CMAKE_CROSSCOMPILING)
  # Debian's own defaults, used where dpkg-buildflags is missing.
  set(solvo_hardening_compile -fstack-protector-strong -Wformat -Werror=format-security
                              -D_FORTIFY_SOURCE=2)
  set(solvo_hardening_link -Wl,-z,relro -Wl,-z,now)
  find_program(SOLVO_DPKG_BUILDFLAGS dpkg-buildflags)
  if(SOLVO_DPKG_BUILDFLAGS)
    set(solvo_hardening_compile)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${SOLVO_DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
      separate_arguments(flags UNIX_COMMAND "${flags}")
      # -g, -O2 and the file prefix map belong to Debian's build, not to hardening.
      list(FILTER flags EXCLUDE REGEX "^-(g|O[0-9s]?|ffile-prefix-map=.*)$")
      if(kind STREQUAL "LDFLAGS")
        set(solvo_hardening_link ${flags})
      else()
        list(APPEND solvo_hardening_compile ${flags})
      endif()
    endforeach()
  endif()
  foreach(flag -fcf-protection -fstack-clash-protection)
    string(MAKE_C_IDENTIFIER "SOLVO_HAS${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported})
      list(APPEND solvo_hardening_compile ${flag})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES solvo_hardening_compile)
  list(JOIN solvo_hardening_compile " " compile_text)
  list(JOIN solvo_hardening_link " " link_text)
  message(STATUS "Hardening: ${compile_text} ${link_text}")
  add_compile_options(${solvo_hardening_compile})
  add_link_options(${solvo_hardening_link})
endif()
