# Installs the program as a desktop application (binary on the PATH, menu entry, icon,
# AppStream metainfo, copyright, change log, manual page) and describes its Debian
# package, made by CPack's DEB generator: `bash scripts/package`.
include(GNUInstallDirs)
# Installing needs only the program and its files, not every test and benchmark:
# scripts/package builds just those before it makes the package.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

# The AppStream component id must be a reverse domain name; the menu entry and the icon
# keep the program's own name.
set(RC_APP_ID org.example.rectification CACHE STRING "AppStream component id (reverse domain name)")
set(RC_RELEASE_DATE 2026-12-08 CACHE STRING "Date of this release, for the AppStream metainfo")
set(RC_PACKAGE_MAINTAINER "Rectification column developers <rectification@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(RC_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(RC_GENERATED_DIR ${PROJECT_BINARY_DIR}/packaging)
configure_file(${RC_PACKAGING_DIR}/rectification.metainfo.xml.in
               ${RC_GENERATED_DIR}/${RC_APP_ID}.metainfo.xml @ONLY)
configure_file(${RC_PACKAGING_DIR}/changelog.in ${RC_GENERATED_DIR}/changelog @ONLY)

# Debian keeps the change log and the manual page compressed, reproducibly (gzip -n).
find_program(RC_GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${RC_GENERATED_DIR}/changelog.gz ${RC_GENERATED_DIR}/rectification.1.gz
         ${RC_GENERATED_DIR}/rectification-class.1.gz
  COMMAND ${RC_GZIP} -9nc ${RC_GENERATED_DIR}/changelog > ${RC_GENERATED_DIR}/changelog.gz
  COMMAND ${RC_GZIP} -9nc ${RC_PACKAGING_DIR}/rectification.1 > ${RC_GENERATED_DIR}/rectification.1.gz
  COMMAND ${RC_GZIP} -9nc ${RC_PACKAGING_DIR}/rectification-class.1
          > ${RC_GENERATED_DIR}/rectification-class.1.gz
  DEPENDS ${RC_GENERATED_DIR}/changelog ${RC_PACKAGING_DIR}/rectification.1
          ${RC_PACKAGING_DIR}/rectification-class.1
  VERBATIM)
add_custom_target(rc_packaging_files ALL
  DEPENDS ${RC_GENERATED_DIR}/changelog.gz ${RC_GENERATED_DIR}/rectification.1.gz
          ${RC_GENERATED_DIR}/rectification-class.1.gz)

# The program and the teacher's class tool.
install(TARGETS rectification rectification-class RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${RC_PACKAGING_DIR}/rectification.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The data files' type, so that a double-click on one opens it in the program.
install(FILES ${RC_PACKAGING_DIR}/rectification-data.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${RC_PACKAGING_DIR}/rectification.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${RC_GENERATED_DIR}/${RC_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${RC_GENERATED_DIR}/rectification.1.gz ${RC_GENERATED_DIR}/rectification-class.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${RC_PACKAGING_DIR}/copyright ${RC_GENERATED_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/rectification)  # named for the package

# The Debian package: rectification_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rectification)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "teaching program for the design of a tray rectification column")
set(CPACK_PACKAGE_DESCRIPTION
    "An interactive teaching program for the design calculation of a tray
distillation (rectification) column separating a two-component mixture.
The student types the vapour-liquid equilibrium curve, the compositions,
the tray type and the column parameters; the program checks them and
computes:
  * the kinetic line of rectification, and the column tray by tray:
    the number of real trays and the feed tray;
  * the y-x diagram, with the real trays stepped against the equilibrium
    curve, and every tray's profile;
  * the reflux study: the number of trays and N(R+1) over a range of
    reflux ratios, with the optimum reflux ratio;
  * the column to the end: every tray's pressure drop and per cent of
    flooding, the column's pressure drop and height, its heat balance;
  * the study of any input over a range (the window «ВЛИЯНИЕ ПАРАМЕТРА»):
    the trays, the flooding and the pressure drop against the value;
  * the column for a feed below its boiling point or partly vaporised,
    by the feed's thermal condition q, with the q-line and the minimum
    reflux ratio.
The results are shown as tables and diagrams and printed as reports (PDF).
The student's data are saved in data files (.rcol) and opened again from
them. The teacher's tool rectification-class makes a class of individual
variants with their task sheets and answer key, and marks the students'
answers. The program's texts are in Russian.")
set(CPACK_PACKAGE_CONTACT ${RC_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${RC_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt libraries (Widgets, Print Support, and SVG for the plots' pictures: libqt6svg6)
# come from the programs' own links through shlibdeps.
# Beyond the libraries: the fonts of the windows and the report, Qt's Russian texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
