# The Debian package: what the game installs for every user of the machine
# beyond its programs and data, and how CPack makes the package of it.
# `cmake --build BUILD --target package` makes kernmine_<version>_<arch>.deb.

set(KERNMINE_HOMEPAGE "https://kernmine.orvelund.org" CACHE STRING "The game's home page, named in the package")
install(TARGETS kernmine-tape kernmine-levels DESTINATION ${KERNMINE_GAMES_DIR})

# The desktop's menu: an entry and icons at every size for each window.
set(desktop_art ${PROJECT_SOURCE_DIR}/assets/desktop)
foreach(program kernmine kernmine-editor)
  set(TRYEXEC ${CMAKE_INSTALL_PREFIX}/${KERNMINE_GAMES_DIR}/${program})
  set(EXEC ${TRYEXEC})
  configure_file(${desktop_art}/${program}.desktop.in ${PROJECT_BINARY_DIR}/desktop/${program}.desktop @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/desktop/${program}.desktop DESTINATION share/applications)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${desktop_art}/icons/${program}-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
            RENAME ${program}.png)
  endforeach()
  install(FILES ${desktop_art}/icons/${program}.svg DESTINATION share/icons/hicolor/scalable/apps)
endforeach()

# What software centres show of the game.
configure_file(${desktop_art}/kernmine.metainfo.xml.in ${PROJECT_BINARY_DIR}/desktop/org.orvelund.Kernmine.metainfo.xml
               @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/desktop/org.orvelund.Kernmine.metainfo.xml DESTINATION share/metainfo)

# A manual page in section 6 for each program, written in POD.
find_program(POD2MAN pod2man REQUIRED)
set(pages)
foreach(program kernmine kernmine-editor kernmine-tape kernmine-levels)
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${program}.pod)
  set(page ${PROJECT_BINARY_DIR}/man/${program}.6)
  string(TOUPPER ${program} title)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${POD2MAN} --section=6 --name=${title} --center=Kernmine "--release=Kernmine ${PROJECT_VERSION}"
            --date=${KERNMINE_RELEASE_DATE} ${source} ${page}
    COMMAND gzip -9nf ${page}
    DEPENDS ${source} VERBATIM)
  list(APPEND pages ${page}.gz)
endforeach()

# Debian keeps a package's copyright and history in its documentation folder.
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/doc/changelog @ONLY)
set(changelog ${PROJECT_BINARY_DIR}/doc/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND gzip -9nc ${PROJECT_BINARY_DIR}/doc/changelog > ${changelog}
  DEPENDS ${PROJECT_BINARY_DIR}/doc/changelog VERBATIM)
add_custom_target(kernmine-package-docs ALL DEPENDS ${pages} ${changelog})
install(FILES ${pages} DESTINATION share/man/man6)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${changelog} DESTINATION share/doc/kernmine)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kernmine)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PACKAGE_CONTACT "The Kernmine developers <kernmine@orvelund.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "digging game: diamonds, falling stones and creatures")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Steer the digger through a board of 60 by 40 cells: dig the earth, collect
every diamond, push stones, dodge what falls and blow up two kinds of
wandering creatures with bombs. Thirty levels come with the game; further
levels are read from pictures, and the game's look from skins.
.
The package also holds a level editor that proves each level winnable,
kernmine-tape, which plays a level by a tape of keys, and kernmine-levels,
which turns levels written as text into pictures. Every text is in English
and Russian.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KERNMINE_HOMEPAGE})
# The libraries the programs need, as dpkg-shlibdeps finds them; and what they
# load at run time, which no binary names: Qt's plugin for the window system and
# the two fonts whose sizes the game's texts are fitted to.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-extra, fonts-liberation")
# Qt's own words (the file dialogs') in Russian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
include(CPack)
