# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh) writes torvalet_VERSION_ARCH.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvalet)
set(CPACK_PACKAGE_VENDOR "Torvalet developers")
set(CPACK_PACKAGE_CONTACT "Torvalet developers <developers@torvalet.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal organizer: tasks, reminders, goals, links and contacts")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://torvalet.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS bash-completion)
set(CPACK_PACKAGE_DESCRIPTION "Torvalet keeps a dated task list with reminders beside the goals of the day,
week, month, year and life, trees of web links, folders, documents and
programs, contacts with their yearly days, ready-made phrases and a calendar
of recurring events, all in one window and one folder of plain files.

The package holds the window program torvalet and torvalet-cli, which runs
the organizer without windows.")

include(CPack)
