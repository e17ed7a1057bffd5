# The Debian package, made by CPack from the install rules. CPack rather than
# a debian/ folder: the package is built from the one CMake description of the
# install, with no second list of files to keep in step, and with no
# debhelper toolchain needed on a developer's machine. dpkg-shlibdeps computes
# the dependencies from the libraries the executable links.
include(GNUInstallDirs)

set(PAYSMITH_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/paysmith)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in changelog @ONLY)
add_custom_command(OUTPUT changelog.gz
    COMMAND gzip -9n -c changelog > changelog.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog)
add_custom_target(paysmith_changelog ALL DEPENDS changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${PAYSMITH_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME paysmith)
set(CPACK_PACKAGE_VENDOR "Harrowfield Software")
set(CPACK_PACKAGE_CONTACT "Harrowfield Software <packages@hfsoft.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "loan calculator that compares two loans side by side")
# Lines of at most 80 characters, as Debian's package descriptions have them.
set(CPACK_PACKAGE_DESCRIPTION
    "Paysmith works out the payment per period of two loans from the amount\n\
borrowed, the payment frequency, the number of payments, the annual interest\n\
rate and the annual taxes and insurance, with the totals paid over the term.\n\
Its Schedule page lists each loan's payments as a lender bills them, with\n\
extra payments; its Compare page weighs both as offers with their fees and\n\
points, APR or APRC, the cost if kept for some years and which costs less.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.hfsoft.example/paysmith.htm)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's fonts are asked for by name and found through fontconfig; Qt's
# own translations make its standard dialogs and buttons speak the user's
# language along with Paysmith's.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
