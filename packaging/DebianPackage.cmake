# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

# A Debian package: cpack -G DEB in the build folder.
# CPack puts the summary in front as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A desktop calculator for engine builders. Type the dimensions of one cylinder
(bore, stroke, rod length, deck clearance, head gasket, top land, chamber, dome
and valve-relief volumes, gauge correction, intake seat timing) and get, at a
click, the static compression ratio, the combustion-chamber volume that a
wanted ratio needs, and the cranking cylinder pressure.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# The script face of "Distribute Freely" (without it any cursive face is used),
# and Qt's own texts in the desktop's language for its dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-urw-base35, qt6-translations-l10n")
