# The Linux installation (program, desktop entry, AppStream metadata, icons, manual page) and the
# Debian package that CPack makes of it, as the Windows download has cmake/windows_package.cmake.
include(GNUInstallDirs)
# Debian keeps games in /usr/games, which is on every Debian user's PATH: installed there, the
# desktop entry runs the program by name. Installed under another prefix (such as ~/.local, whose
# games folder is on nobody's PATH) it runs it by its full path, decided as it is installed.
install(TARGETS vellacode RUNTIME DESTINATION games)
install(CODE "set(vellacode_entry \"${PROJECT_SOURCE_DIR}/data/org.vellacode.Vellacode.desktop\")
              set(vellacode_applications \"${CMAKE_INSTALL_DATADIR}/applications\")")
install(CODE [[
    file(READ "${vellacode_entry}" entry)
    if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
        # A quoted argument escapes " ` $ and \ with a backslash; the file's own string escape
        # doubles every backslash, and a % is written %%.
        set(program "${CMAKE_INSTALL_PREFIX}/games/vellacode")
        string(REGEX REPLACE "([\"`$\\])" "\\\\\\\\\\1" program "${program}")
        string(REPLACE "%" "%%" program "${program}")
        string(REPLACE "Exec=vellacode " "Exec=\"${program}\" " entry "${entry}")
    endif()
    set(written "${CMAKE_CURRENT_BINARY_DIR}/org.vellacode.Vellacode.desktop")
    file(WRITE "${written}" "${entry}")
    file(INSTALL "${written}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${vellacode_applications}")
]])
# The project's web page, for the AppStream metadata and the package; a packager sets it with
# -DVELLACODE_HOMEPAGE=https://... . Without one, software centres show no link.
set(VELLACODE_HOMEPAGE "" CACHE STRING "The project's web page, https://...")
set(homepage_element "")
if(NOT VELLACODE_HOMEPAGE STREQUAL "")
    set(homepage_element "  <url type=\"homepage\">${VELLACODE_HOMEPAGE}</url>\n")
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELLACODE_HOMEPAGE}")
endif()
configure_file(data/org.vellacode.Vellacode.metainfo.xml.in org.vellacode.Vellacode.metainfo.xml
               @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/org.vellacode.Vellacode.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES data/icons/vellacode-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME org.vellacode.Vellacode.png)
endforeach()

# The package's maintainer, as "Name <address>"; a packager sets it with
# -DVELLACODE_MAINTAINER=... . The changelog's sign-off carries the same contact.
set(VELLACODE_MAINTAINER "" CACHE STRING "Maintainer of the Debian package, as Name <address>")
set(maintainer "${VELLACODE_MAINTAINER}")
if(maintainer STREQUAL "")
    set(maintainer "The Vellacode developers")
endif()
configure_file(data/changelog.in changelog @ONLY)

# The manual page and the changelog go in compressed, without a time stamp, so that the package
# is the same whenever it is built.
function(vellacode_gzip plain compressed)
    add_custom_command(OUTPUT ${compressed} COMMAND gzip -9nc ${plain} > ${compressed}
                       DEPENDS ${plain})
endfunction()
vellacode_gzip(${PROJECT_SOURCE_DIR}/data/vellacode.6 vellacode.6.gz)
vellacode_gzip(${CMAKE_BINARY_DIR}/changelog changelog.gz)
add_custom_target(compressed_docs ALL DEPENDS vellacode.6.gz changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/vellacode.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz data/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vellacode)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellacode)
set(CPACK_PACKAGE_VENDOR "The Vellacode project")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "code-breaking game: find the hidden pattern of four pegs")
# CPack puts the summary above this, as the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vellacode hides a pattern of four pegs in six or seven colours, and the
player has ten rows to find it. Each row is scored with a black box for
every peg of the right colour in the right place and a white box for every
further peg whose colour is in the pattern elsewhere.
.
Blank positions and repeated colours make the game harder. Every player who
logs in by name keeps statistics for every variant. The game can be played
with the mouse, with the keyboard alone, with a screen reader, and with
symbols on the pegs instead of telling colours apart.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${maintainer}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland platform, for a Wayland desktop such as Debian 13's; without it the program runs
# through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# Qt's own texts (the standard buttons, an edit box's menu) in the player's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
