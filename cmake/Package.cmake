# The installed layout and the Debian package.
#   /usr/bin/volleta                        the executable
#   /usr/share/volleta/experiment/          the bundled experiment, copied by --new-study
#   /usr/share/doc/volleta/                 README.md, CHANGELOG.md and the docs readme.htm names
# The program finds its experiment relative to its own folder, so the layout
# also runs from a staging root (DESTDIR, an unpacked package).
include(GNUInstallDirs)
set(VOLLETA_INSTALL_EXPERIMENT_DIR ${CMAKE_INSTALL_DATADIR}/volleta/experiment)
file(RELATIVE_PATH VOLLETA_EXPERIMENT_FROM_BIN /root/${CMAKE_INSTALL_BINDIR}
     /root/${VOLLETA_INSTALL_EXPERIMENT_DIR})
target_compile_definitions(volleta_platform PRIVATE
  VOLLETA_INSTALLED_EXPERIMENT="${VOLLETA_EXPERIMENT_FROM_BIN}")

install(TARGETS volleta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# From the sources, not the build's program folder, which also holds what runs wrote there.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/experiment/ DESTINATION ${VOLLETA_INSTALL_EXPERIMENT_DIR}
        PATTERN log EXCLUDE
        PATTERN quindle.htm EXCLUDE)
# The documents keep their places relative to README.md, whose links point into docs/.
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/CHANGELOG.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs
        FILES_MATCHING PATTERN "*.md" PATTERN screenshots EXCLUDE)

# CPack's DEB generator: the package version is the project's, the file list
# is the install rules above, and dpkg-shlibdeps finds the shared libraries'
# packages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME volleta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The project's contact and homepage as the README's "Contact" states them.
set(CPACK_PACKAGE_CONTACT "The Volleta project <volleta@volleta.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "ball-tossing game for psychology experiments on social exclusion")
set(CPACK_PACKAGE_DESCRIPTION
    "Volleta runs a ball-tossing game in a browser window: one participant plays catch\n"
    "with computer players presented as other participants, who throw by the\n"
    "experimenter's schedule. Every throw is logged with its millisecond time, and\n"
    "each catch can send a TTL code to a parallel port or a USB trigger box.\n"
    "Make a study folder with volleta --new-study DIR and run the program in it.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window: any browser the launcher knows (Ubuntu's Chromium is chromium-browser).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "chromium | chromium-browser | firefox-esr | firefox")
# Graphical dialogs; without zenity they fall back to the terminal.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS zenity)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE VOLLETA_DEB_ARCH
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT VOLLETA_DEB_ARCH)
  set(VOLLETA_DEB_ARCH amd64)
endif()
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${VOLLETA_DEB_ARCH})
set(CPACK_DEBIAN_FILE_NAME volleta-${PROJECT_VERSION}-linux-${VOLLETA_DEB_ARCH}.deb)
include(CPack)
