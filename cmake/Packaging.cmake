# A Debian package of what `cmake --install` puts in place; scripts/package-deb.sh builds it.
set(CPACK_PACKAGE_NAME "wareloft")
set(CPACK_PACKAGE_VENDOR "The Wareloft developers")
set(CPACK_PACKAGE_CONTACT "The Wareloft developers <wareloft@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Catalogue of the software kept on CDs and disks")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Wareloft catalogues the software that a person or a small office keeps on CDs, "
    "floppies, ZIP disks and hard disks: scan a drive and import its files, browse the "
    "archive by class, search and print it, with users, a logbook and scheduled backups.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "")
set(CPACK_STRIP_FILES ON)
include(CPack)
