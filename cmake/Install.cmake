# What `cmake --install` puts where, and the Debian package CPack makes of
# it (scripts/package.sh): the three programs, the demo program folder as
# the example a user's own folder is made from, desktop entries with their
# icons, and the manual pages made from each program's --help.
include(GNUInstallDirs)

set(ISPYT_EXAMPLE_DIR ${CMAKE_INSTALL_DATADIR}/ispyt/example)
# ispyt finds the example from its own folder, so an installation unpacked
# anywhere (dpkg -x, another prefix) uses its own.
file(RELATIVE_PATH ISPYT_EXAMPLE_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${ISPYT_EXAMPLE_DIR})
target_compile_definitions(ispyt PRIVATE ISPYT_EXAMPLE_FROM_BIN="${ISPYT_EXAMPLE_FROM_BIN}")
# The charts window's library is the package's own, out of the system's
# library path (Debian's lib/<architecture>/<package>, so that no ldconfig
# is called for it); ispyt opens it from its own folder, ispyt-tool links it.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(ISPYT_CHARTS_DIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/ispyt)
else()
  set(ISPYT_CHARTS_DIR ${CMAKE_INSTALL_LIBDIR}/ispyt)
endif()
file(RELATIVE_PATH ISPYT_CHARTS_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${ISPYT_CHARTS_DIR})
target_compile_definitions(ispyt_ui PRIVATE ISPYT_CHARTS_FROM_BIN="${ISPYT_CHARTS_FROM_BIN}")
set_target_properties(ispyt-tool PROPERTIES INSTALL_RPATH "$ORIGIN/${ISPYT_CHARTS_FROM_BIN}")
install(TARGETS ispyt_charts LIBRARY DESTINATION ${ISPYT_CHARTS_DIR})

install(TARGETS ispyt ispyt-tool ispyt-receiver RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/demo/ DESTINATION ${ISPYT_EXAMPLE_DIR}
        PATTERN .keep EXCLUDE)
install(FILES dist/ispyt.desktop dist/ispyt-receiver.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES dist/ispyt.svg dist/ispyt-receiver.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual pages, from --help and --version (ispyt-tool's with every
# command's own --help), compressed as Debian keeps them.
find_program(HELP2MAN help2man REQUIRED)
set(ISPYT_MAN_PAGES)
foreach(page ispyt ispyt-tool ispyt-receiver)
  set(out ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DHELP2MAN=${HELP2MAN} -DPROGRAM=$<TARGET_FILE:${page}>
            -DOUT=${out} -P ${CMAKE_SOURCE_DIR}/cmake/MakeManPage.cmake
    DEPENDS ${page} ${CMAKE_SOURCE_DIR}/cmake/MakeManPage.cmake
    COMMENT "Manual page of ${page}")
  list(APPEND ISPYT_MAN_PAGES ${out})
endforeach()
add_custom_target(man-pages ALL DEPENDS ${ISPYT_MAN_PAGES})
install(FILES ${ISPYT_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The package's own documents: its copyright and its changelog, which names
# the maintainer (set first, so that a first configure has it too).
set(ISPYT_PACKAGE_MAINTAINER "ispyt developers <ispyt@example.org>"
    CACHE STRING "The Debian package's maintainer, Name <address>")
configure_file(dist/changelog.in ${CMAKE_BINARY_DIR}/dist/changelog @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/dist/changelog.gz
  COMMAND sh -c "gzip -9nc changelog >changelog.gz"
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/dist
  DEPENDS ${CMAKE_BINARY_DIR}/dist/changelog)
add_custom_target(package-documents ALL DEPENDS ${CMAKE_BINARY_DIR}/dist/changelog.gz)
install(FILES dist/copyright ${CMAKE_BINARY_DIR}/dist/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package: ispyt_<version>_<arch>.deb.  Its dependencies are the
# packages of the libraries the programs link (dpkg-shlibdeps), and those
# loaded at run time that no link names: Qt's platform plugins (without
# them no window opens), the sound player's SDL2_mixer (opened once the
# window is up) and the fonts the screens are drawn in.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ispyt)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ISPYT_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libsdl2-mixer-2.0-0, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, timgm6mb-soundfont, libcap2-bin")
# Lets ispyt-receiver open port 62 (setcap, from libcap2-bin).
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/dist/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "computer-based testing for schools")
# Paragraphs part at an empty line; CPack indents them as Debian wants.
set(CPACK_PACKAGE_DESCRIPTION
    "ispyt shows a pupil a test of up to 60 tasks of eight types in one of
five working modes, in a window that holds the whole screen; it times
and judges every answer, grades the attempt and stores the result in
the program folder.  Results can be sent over the school's network to
the teacher's computer, where ispyt-receiver keeps them in a database.

ispyt-tool compiles tests from a readable text format, imports GIFT
question banks, and prints and checks the program's files.  The
interface is Ukrainian.")
include(CPack)
