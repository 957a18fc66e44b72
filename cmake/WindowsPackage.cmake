# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

# The Windows installer: everything in one folder under Program Files, the
# program with the Qt and MinGW runtime libraries beside it, a Start-menu
# shortcut that starts in the user's Documents folder (where Quit can always
# write tolvaric.dat and owner), and an uninstaller.

# The Qt libraries and plugins the program loads.
foreach(library Core Gui Widgets PrintSupport)
    install(FILES $<TARGET_FILE:Qt6::${library}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# The compiler's own runtime.
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(runtime_path "${runtime_path}" REALPATH)
    if(NOT EXISTS "${runtime_path}")
        message(FATAL_ERROR "The MinGW runtime ${runtime} was not found")
    endif()
    install(FILES ${runtime_path} DESTINATION .)
endforeach()

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_FILE_NAME "tolvaric-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tolvaric)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY tolvaric)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME tolvaric)
set(CPACK_NSIS_PACKAGE_NAME tolvaric)
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/resources/icons/tolvaric.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/resources/icons/tolvaric.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME tolvaric.exe)
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSES/MIT.txt")
# A 64-bit installer: Debian's NSIS makes 32-bit ones unless told.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# The shortcut's working folder is the folder current when it is made. CPack
# copies these lines through a CMake string: single quotes, doubled backslashes.
set(CPACK_NSIS_CREATE_ICONS_EXTRA [[
    SetOutPath '$DOCUMENTS'
    CreateShortCut '$SMPROGRAMS\\$STARTMENU_FOLDER\\tolvaric.lnk' '$INSTDIR\\tolvaric.exe'
    SetOutPath '$INSTDIR'
]])
set(CPACK_NSIS_DELETE_ICONS_EXTRA [[
    Delete '$SMPROGRAMS\\$MUI_TEMP\\tolvaric.lnk'
]])
