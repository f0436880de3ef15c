# `make package`: one Debian package of everything `cmake --install` puts in place.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vireflu)
set(CPACK_PACKAGE_VENDOR "Vireflu developers")
set(CPACK_PACKAGE_CONTACT "Vireflu developers <dev@vireflu.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "Vireflu shows a cross-section of a three-phase machine: the stator \
and rotor conductors coloured by their currents, the air gap coloured by the magnetomotive \
force, the field vector, its trace and the torque, animated as the supply turns. \
vireflu-render plays the same scenarios without a window and writes images, frames and the \
state. Licence: GPL-3.0-or-later.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads these as plugins at run time, so the library dependencies do not name them: the
# platform plugins for the window, and Qt's own French strings.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
