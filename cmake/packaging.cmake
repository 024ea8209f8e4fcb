# The Debian package (`make package`): the program in /usr/bin with its menu entry, icons,
# AppStream metadata, manual page, copyright and changelog. Its version is the project's, the
# one `corravin --version` prints.
include(GNUInstallDirs)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(debianRelease 1)

# The changelog and the AppStream releases are written by hand; each must begin with this version.
function(corravin_expect_version file pattern version)
  file(READ ${file} text)
  if(NOT text MATCHES "${pattern}" OR NOT CMAKE_MATCH_1 STREQUAL version)
    message(FATAL_ERROR "${file} does not begin with version ${version}: give it an entry for this version")
  endif()
endfunction()
corravin_expect_version(${packaging}/changelog "^corravin \\(([^)]+)\\)" "${PROJECT_VERSION}-${debianRelease}")
corravin_expect_version(${packaging}/org.corravin.Corravin.metainfo.xml "<release version=\"([^\"]+)\""
                        "${PROJECT_VERSION}")

add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/corravin.1.gz ${CMAKE_BINARY_DIR}/changelog.Debian.gz
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:corravin> -DSOURCE=${packaging} -DVERSION=${PROJECT_VERSION}
          -DOUTPUT=${CMAKE_BINARY_DIR} -P ${PROJECT_SOURCE_DIR}/cmake/package_docs.cmake
  DEPENDS corravin ${packaging}/corravin.1.in ${packaging}/changelog ${PROJECT_SOURCE_DIR}/cmake/package_docs.cmake
  COMMENT "Writing the manual page and the changelog"
  VERBATIM)
add_custom_target(corravin_package_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/corravin.1.gz)

# Full RELRO, as Debian builds its programs: every symbol bound at start, the table then read-only.
target_link_options(corravin PRIVATE -Wl,-z,now)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS corravin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packaging}/corravin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/corravin.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The PNG sizes are drawn from corravin.svg once (rsvg-convert -w N -h N) and kept beside it, so
# building needs no SVG renderer.
foreach(size 48 128 256)
  install(FILES ${packaging}/icons/corravin-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME corravin.png)
endforeach()
install(FILES ${packaging}/org.corravin.Corravin.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/corravin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/copyright ${CMAKE_BINARY_DIR}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corravin)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corravin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Corravin developers")
set(CPACK_PACKAGE_CONTACT "Corravin maintainers <maintainers@corravin.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "records of a school riding association's horse-show meet")
set(CPACK_PACKAGE_DESCRIPTION
    "Corravin runs the data side of one regional horse-show meet: the secretary\n\
registers teams, coaches, riders and judges, enters riders into the classes,\n\
assigns judges, prints sheets and cards, records placings, prints standings\n\
and results, and exchanges team files with the district and state levels.\n\
The meet lives in the user's data folder or on a PostgreSQL server.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${debianRelease})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps finds the libraries the program links; what Qt loads at run time (the database
# drivers) and the fonts the reports name are beyond its sight.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, fonts-liberation")
include(CPack)
