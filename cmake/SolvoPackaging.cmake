# What `cmake --install` puts on a machine and how CPack wraps it into a .deb
# that a Debian or Ubuntu user can install and trust: the two programs, the
# desktop entry, icon, file type and software-centre entry, manual pages,
# bash completion and the documents Debian expects of every package.
include(GNUInstallDirs)

set(SOLVO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/solvo)
set(SOLVO_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)

# Debian compresses manual pages and the changelog with gzip -9n (no name or
# time stamp inside, so the package is reproducible).
function(solvo_gzip source output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND gzip -9nc ${source} > ${output}
    DEPENDS ${source}
    VERBATIM)
endfunction()

set(solvo_compressed)
foreach(page solvo solvo-cli)
  if((page STREQUAL "solvo" AND SOLVO_BUILD_GUI) OR (page STREQUAL "solvo-cli" AND SOLVO_BUILD_CLI))
    solvo_gzip(${CMAKE_SOURCE_DIR}/resources/man/${page}.1 ${SOLVO_PACKAGING_DIR}/${page}.1.gz)
    list(APPEND solvo_compressed ${SOLVO_PACKAGING_DIR}/${page}.1.gz)
    install(FILES ${SOLVO_PACKAGING_DIR}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()
# A version with a Debian revision makes a non-native package, whose
# changelog Debian names changelog.Debian.
solvo_gzip(${CMAKE_SOURCE_DIR}/resources/debian/changelog
           ${SOLVO_PACKAGING_DIR}/changelog.Debian.gz)
list(APPEND solvo_compressed ${SOLVO_PACKAGING_DIR}/changelog.Debian.gz)
file(MAKE_DIRECTORY ${SOLVO_PACKAGING_DIR})
add_custom_target(solvo_packaging_files ALL DEPENDS ${solvo_compressed})

install(FILES ${SOLVO_PACKAGING_DIR}/changelog.Debian.gz resources/debian/copyright
        DESTINATION ${SOLVO_DOC_DIR})
install(FILES resources/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME solvo)

if(SOLVO_BUILD_GUI)
  install(TARGETS solvo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES resources/solvo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES resources/solvo.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES resources/solvo-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME solvo.xml)
  install(FILES resources/solvo.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
          RENAME example.flaskware.Solvo.metainfo.xml)
endif()
if(SOLVO_BUILD_CLI)
  install(TARGETS solvo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES resources/completion/solvo-cli
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "solvo")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The Debian revision: the first package of this upstream version.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_VENDOR "Flaskware")
set(CPACK_PACKAGE_CONTACT "Flaskware <support@flaskware.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "calculator for preparing laboratory solutions")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_SOURCE_DIR}/resources/debian/description)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://flaskware.example/solvo")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plugins, so the library scan cannot see them: the SVG reader for
# the program's icon and the platform plugins that put a window on screen.
# The recipe page and the formula pictures are laid out with Arial's metrics,
# which Liberation Sans provides, so a printed page is the page the tests check.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
