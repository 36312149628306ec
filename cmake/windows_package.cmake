# The Windows download, made by the target windows_package: the program with its read-me, its
# licence and Qt's licence notice, as vellacode-VERSION-windows-x64.zip and as an installer made
# with NSIS, vellacode-VERSION-windows-x64-setup.exe.
find_program(VELLACODE_MAKENSIS makensis REQUIRED)
set(VELLACODE_FOLDER vellacode-${PROJECT_VERSION}-windows-x64)
set(VELLACODE_STAGE ${CMAKE_BINARY_DIR}/package/${VELLACODE_FOLDER})
set(VELLACODE_ZIP ${CMAKE_BINARY_DIR}/${VELLACODE_FOLDER}.zip)
set(VELLACODE_SETUP ${CMAKE_BINARY_DIR}/${VELLACODE_FOLDER}-setup.exe)
set(VELLACODE_ICO ${CMAKE_BINARY_DIR}/src/vellacode.ico)
# Qt's licence texts and the copyright file of the source it was built from.
set(VELLACODE_QT_LICENSES ${QT6_INSTALL_PREFIX}/LICENSES)
if(NOT EXISTS ${VELLACODE_QT_LICENSES}/LGPL-3.0-only.txt)
    message(FATAL_ERROR "Qt for Windows at ${QT6_INSTALL_PREFIX} has no LICENSES folder: "
                        "the download must carry Qt's licence notice.")
endif()

configure_file(data/windows/README.txt.in ${VELLACODE_STAGE}/README.txt @ONLY)
configure_file(data/windows/THIRD-PARTY.txt ${VELLACODE_STAGE}/THIRD-PARTY.txt COPYONLY)
configure_file(LICENSE ${VELLACODE_STAGE}/LICENSE.txt COPYONLY)
configure_file(data/windows/installer.nsi.in installer.nsi @ONLY)

add_custom_target(windows_package
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:vellacode> ${VELLACODE_STAGE}/
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${VELLACODE_QT_LICENSES}
            ${VELLACODE_STAGE}/licenses/Qt
    COMMAND ${CMAKE_COMMAND} -E rm -f ${VELLACODE_ZIP}
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/package
            ${CMAKE_COMMAND} -E tar cf ${VELLACODE_ZIP} --format=zip ${VELLACODE_FOLDER}
    COMMAND ${VELLACODE_MAKENSIS} -V2 -INPUTCHARSET UTF8 ${CMAKE_BINARY_DIR}/installer.nsi
    DEPENDS vellacode
    BYPRODUCTS ${VELLACODE_ZIP} ${VELLACODE_SETUP}
    COMMENT "The Windows download: ${VELLACODE_FOLDER}.zip and ${VELLACODE_FOLDER}-setup.exe"
    VERBATIM)
