# Installing like any desktop program (the program itself is installed by app/), and the Debian
# package that `make package` builds with CPack.
include(GNUInstallDirs)
set(MONIT12_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
install(FILES ${MONIT12_PACKAGING_DIR}/monit12.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MONIT12_PACKAGING_DIR}/monit12.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${MONIT12_PACKAGING_DIR}/monit12.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME monit12)
set(CPACK_PACKAGE_CONTACT "monit12 maintainers <maintainers@monit12.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "monit12 turns KESTRAVO.TXT, the file a municipality's accounting system \
writes, into the two-page MONIT/12 monitoring statement of the 2012 domestic stability pact, shown \
in a print preview; from the command line it writes PDF/A or PNG files, for one municipality or a \
whole folder of them at once.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries come from dpkg-shlibdeps; the statement's typeface is read from its files.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Qt's own dialogs (print, file) in Italian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
