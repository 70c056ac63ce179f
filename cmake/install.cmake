# Installing Trovel as a desktop program (`cmake --install`) and packaging it as a Debian
# package (`cpack -G DEB`): the program, its desktop entry, its icon in the hicolor theme
# at several sizes, its AppStream metainfo, its manual page, and the copyright and
# changelog that Debian expects in the documentation folder.
include(GNUInstallDirs)

set(TROVEL_APP_ID org.example.trovel)
set(TROVEL_DIST_DIR ${CMAKE_SOURCE_DIR}/dist)

install(TARGETS trovel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TROVEL_DIST_DIR}/trovel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TROVEL_DIST_DIR}/${TROVEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page carries the project's version; it and the changelog are installed
# compressed, as Debian wants them, without a time stamp in the gzip header so that two
# builds of the same sources give the same bytes.
configure_file(${TROVEL_DIST_DIR}/trovel.1.in ${CMAKE_BINARY_DIR}/doc/trovel.1 @ONLY)
set(TROVEL_DEBIAN_DIR ${TROVEL_DIST_DIR}/debian)
set(compressed_docs)
foreach(pair "${CMAKE_BINARY_DIR}/doc/trovel.1:trovel.1.gz" "${TROVEL_DEBIAN_DIR}/changelog:changelog.gz")
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 input)
  list(GET pair 1 output)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/${output}
    COMMAND gzip -9 -n -c ${input} > ${CMAKE_BINARY_DIR}/doc/${output}
    DEPENDS ${input}
    COMMENT "Compressing ${output}")
  list(APPEND compressed_docs ${CMAKE_BINARY_DIR}/doc/${output})
endforeach()
add_custom_target(trovel_docs ALL DEPENDS ${compressed_docs})
install(FILES ${CMAKE_BINARY_DIR}/doc/trovel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TROVEL_DEBIAN_DIR}/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
# What lintian reports on the package and we keep on purpose, one reason above each line.
install(FILES ${TROVEL_DEBIAN_DIR}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME trovel)

# The icon theme's sizes, drawn at build time from the 16x16 pixel art: each pixel becomes
# a square block, never a blur. The tool is a build helper, so no sanitizers.
add_executable(trovel_icon_tool ${TROVEL_DIST_DIR}/icon_tool.cpp)
target_link_libraries(trovel_icon_tool PRIVATE Qt6::Gui)
target_compile_options(trovel_icon_tool PRIVATE -Wall -Wextra $<$<BOOL:${TROVEL_WERROR}>:-Werror>)

set(TROVEL_ICON_SOURCE ${CMAKE_SOURCE_DIR}/assets/tray0.xpm)
set(TROVEL_ICON_SIZES 16 32 48 64 128 256)
set(icon_files)
foreach(size ${TROVEL_ICON_SIZES})
  set(dir ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/apps)
  add_custom_command(OUTPUT ${dir}/trovel.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND trovel_icon_tool ${TROVEL_ICON_SOURCE} ${dir}/trovel.png ${size}
    DEPENDS trovel_icon_tool ${TROVEL_ICON_SOURCE}
    COMMENT "Drawing the ${size}x${size} icon"
    VERBATIM)
  list(APPEND icon_files ${dir}/trovel.png)
  install(FILES ${dir}/trovel.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(trovel_icons ALL DEPENDS ${icon_files})

# Checks of what gets installed: the desktop entry and metainfo validate, the icons are
# exact block scalings of the pixel art. They install into a scratch folder.
if(TROVEL_TESTS)
  add_test(NAME dist_install
    COMMAND bash ${TROVEL_DIST_DIR}/check_install.sh ${CMAKE_BINARY_DIR} ${TROVEL_ICON_SOURCE} ${TROVEL_ICON_SIZES})
  set_tests_properties(dist_install PROPERTIES LABELS dist TIMEOUT 120)
endif()

# The Debian package. Its dependencies are read off the libraries the program links
# (dpkg-shlibdeps, from dpkg-dev). Build it from a Release build: cpack -G DEB.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trovel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Trovel developers")
set(CPACK_PACKAGE_CONTACT "The Trovel developers <trovel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "break reminder with a countdown bar and rest window")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The terms allow giving Trovel away but not selling it: not free in Debian's sense.
set(CPACK_DEBIAN_PACKAGE_SECTION non-free/utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://trovel.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sound libraries are opened by name at the first sound, and libpulse when the
# microphone watch starts, so the linker's list shows none of them; they are named here
# and joined to the computed ones (SQLite among them).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0, libsdl2-mixer-2.0-0, libpulse0")
# The long description; CPack puts the summary above it and indents it for Debian.
set(CPACK_PACKAGE_DESCRIPTION
  "Trovel keeps one tiny bar on top of all other windows that counts down the
minutes you may type. When the time is up, the bar grows into a rest window
with a picture from your own folder or an analog clock, and an optional
sound, for a micropause of one, two or five minutes; then it shrinks back.
Skipped rests are counted, and a notification-area icon starts a rest at once.")
include(CPack)
