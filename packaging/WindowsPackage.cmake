# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

# The Windows installer: everything in one folder under Program Files, the
# program with the Qt and MinGW runtime libraries beside it, a Start-menu
# shortcut that starts tolvaric in the Documents folder of the user who
# starts it (where Quit can always write tolvaric.dat and owner), and an
# uninstaller. Neither replaces nor removes a tolvaric that is running.

# The Qt libraries and plugins the program loads.
foreach(library Core Gui Widgets PrintSupport)
    install(FILES $<TARGET_FILE:Qt6::${library}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
# The logo may be any picture the README names: JPEG and GIF besides the
# formats Qt reads by itself.
install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> $<TARGET_FILE:Qt6::QGifPlugin>
        DESTINATION imageformats)

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

# Everything the installer carries without its debugging sections.
install(CODE "set(tolvaric_strip \"${CMAKE_STRIP}\")")
install(CODE [[
    file(GLOB_RECURSE binaries "${CMAKE_INSTALL_PREFIX}/*.dll" "${CMAKE_INSTALL_PREFIX}/*.exe"
         "${CMAKE_INSTALL_PREFIX}/*.com")
    foreach(binary IN LISTS binaries)
        execute_process(COMMAND "${tolvaric_strip}" --strip-unneeded "${binary}"
                        RESULT_VARIABLE stripped)
        if(NOT stripped EQUAL 0)
            message(FATAL_ERROR "could not strip ${binary}")
        endif()
    endforeach()
]])

set(CPACK_GENERATOR NSIS)
# The script carries German words: read it as UTF-8 whatever the build's locale.
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "INPUTCHARSET UTF8")
# A dictionary as large as the whole payload: the Qt libraries share much.
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma\n  SetCompressorDictSize 64")
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
# A 64-bit installer: Debian's NSIS makes 32-bit ones unless told. An
# installation goes where tolvaric already is; the folder page's words fit
# it; the last page offers to start tolvaric as the shortcut does. NSIS shows
# its own pages in Windows' language; tolvaric's few words on them are set
# once the window is up, in German where Windows is (1031 is NSIS's German).
# CPack copies every NSIS line below through a CMake string, which reads a
# single backslash before t as a tab: backslashes are doubled.
set(CPACK_NSIS_DEFINES [[
  Target amd64-unicode
  InstallDirRegKey HKLM 'Software\\tolvaric\\tolvaric' ''
  Var tolvaricFolderText
  Var tolvaricStartText
  Function tolvaricPageTexts
    StrCpy $tolvaricFolderText 'tolvaric goes into this folder. Browse chooses another.'
    StrCpy $tolvaricStartText 'Start tolvaric'
    StrCmp $LANGUAGE 1031 0 +3
    StrCpy $tolvaricFolderText 'tolvaric kommt in diesen Ordner. Durchsuchen wählt einen anderen.'
    StrCpy $tolvaricStartText 'tolvaric starten'
  FunctionEnd
  !define MUI_CUSTOMFUNCTION_GUIINIT tolvaricPageTexts
  !define MUI_DIRECTORYPAGE_TEXT_TOP '$tolvaricFolderText'
  !define MUI_FINISHPAGE_RUN '$INSTDIR\\tolvaric.exe'
  !define MUI_FINISHPAGE_RUN_PARAMETERS '--in-documents'
  !define MUI_FINISHPAGE_RUN_TEXT '$tolvaricStartText'
]])
# The shortcut is made once for every user, so it names no user's folder:
# tolvaric finds the Documents folder of whoever starts it. CPack copies
# these lines through a CMake string: single quotes, doubled backslashes.
# The metric shortcut is named in Windows' language.
set(CPACK_NSIS_CREATE_ICONS_EXTRA [[
    CreateShortCut '$SMPROGRAMS\\$STARTMENU_FOLDER\\tolvaric.lnk' '$INSTDIR\\tolvaric.exe' '--in-documents'
    StrCpy $R6 'tolvaric (millimetres and bar)'
    StrCmp $LANGUAGE 1031 0 +2
    StrCpy $R6 'tolvaric (Millimeter und bar)'
    CreateShortCut '$SMPROGRAMS\\$STARTMENU_FOLDER\\$R6.lnk' '$INSTDIR\\tolvaric.exe' '--in-documents --metric'
]])
# A running tolvaric holds a named mutex; its files cannot be replaced or
# removed then, so the user is asked to close it, and a silent run fails.
set(tolvaric_refuse_while_running [[
    StrCpy $R6 'tolvaric is running. Close it, then try again.'
    StrCmp $LANGUAGE 1031 0 +2
    StrCpy $R6 'tolvaric läuft. Schließen Sie es und versuchen Sie es erneut.'
    StrCpy $R9 'tolvaric-running'
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w R9) p .R8'
    StrCmp $R8 0 +5
    System::Call 'kernel32::CloseHandle(p R8)'
    MessageBox MB_OK|MB_ICONSTOP $R6 /SD IDOK
    SetErrorLevel 2
    Abort
]])
# One installation at a time: a second one, even into another folder (/D=),
# updates the first where it is, so no shortcut or uninstall entry is left
# pointing at a copy another uninstall removes.
set(tolvaric_where_installed [[
    ReadRegStr $R7 HKLM 'Software\\tolvaric\\tolvaric' ''
    StrCpy $R6 'tolvaric is already installed in $R7. It is updated there.'
    StrCmp $LANGUAGE 1031 0 +2
    StrCpy $R6 'tolvaric ist bereits in $R7 installiert. Es wird dort aktualisiert.'
    StrCmp $R7 '' +5
    StrCmp $R7 $INSTDIR +4
    MessageBox MB_OK|MB_ICONINFORMATION $R6 /SD IDOK
    StrCpy $INSTDIR $R7
    SetOutPath $INSTDIR
]])
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS
    "${tolvaric_refuse_while_running}${tolvaric_where_installed}")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "${tolvaric_refuse_while_running}")
# After CPack has removed Software\tolvaric\tolvaric, the vendor's key
# above it goes too when nothing else is left in it.
set(CPACK_NSIS_DELETE_ICONS_EXTRA [[
    Delete '$SMPROGRAMS\\$MUI_TEMP\\tolvaric.lnk'
    Delete '$SMPROGRAMS\\$MUI_TEMP\\tolvaric (millimetres and bar).lnk'
    Delete '$SMPROGRAMS\\$MUI_TEMP\\tolvaric (Millimeter und bar).lnk'
    DeleteRegKey /ifempty HKLM 'Software\\tolvaric'
]])
