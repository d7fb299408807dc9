# What an install puts where (the .deb made by CPack is the same tree under /usr).

set(MORVESSA_APP_ID app.morvessa.Morvessa)

# Files the program looks for beside itself; a package keeps them in its data folder.
install(FILES ${PROJECT_SOURCE_DIR}/resources/HAND-M.CUR DESTINATION ${CMAKE_INSTALL_DATADIR}/morvessa)

install(FILES ${PROJECT_SOURCE_DIR}/resources/${MORVESSA_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PROJECT_SOURCE_DIR}/resources/${MORVESSA_APP_ID}.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/${MORVESSA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${MORVESSA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/morvessa-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME morvessa.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/morvessa.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

install(FILES ${PROJECT_SOURCE_DIR}/resources/completion/morvessa-batch.bash
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME morvessa-batch)

install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/resources/debian/copyright
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The package's changelog (a native package: changelog.gz) is kept compressed, without a time stamp so the package is reproducible.
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
  COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/resources/debian/changelog > ${PROJECT_BINARY_DIR}/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/resources/debian/changelog)
add_custom_target(debian_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Manual pages are made from the programs' own --help and --version, so they cannot drift from
# them. Not in sanitizer builds, whose programs report leaks at exit.
find_program(HELP2MAN_PROGRAM help2man)
if(HELP2MAN_PROGRAM AND NOT MORVESSA_SANITIZE)
  set(man_pages "")
  set(summary_morvessa "make a printable yearly calendar workbook")
  set(summary_morvessa-batch "make a yearly calendar workbook from the command line")
  foreach(program morvessa morvessa-batch)
    if(NOT TARGET ${program})
      continue()
    endif()
    set(page ${PROJECT_BINARY_DIR}/man/${program}.1.gz)
    set(include ${PROJECT_SOURCE_DIR}/resources/man/${program}.h2m)
    add_custom_command(OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
              ${HELP2MAN_PROGRAM} --no-info --section=1 "--name=${summary_${program}}" --include=${include}
              --output=${PROJECT_BINARY_DIR}/man/${program}.1 $<TARGET_FILE:${program}>
      COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/man/${program}.1
      DEPENDS ${program} ${include}
      COMMENT "Writing the manual page of ${program}")
    list(APPEND man_pages ${page})
    install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
  add_custom_target(man_pages ALL DEPENDS ${man_pages})
endif()

# cpack -G DEB (scripts/package.sh) makes the Debian package.
set(CPACK_PACKAGE_NAME morvessa)
set(CPACK_PACKAGE_VENDOR "The Morvessa developers")
set(CPACK_PACKAGE_CONTACT "The Morvessa developers <support@morvessa.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "printable yearly calendar workbook maker")
set(CPACK_PACKAGE_DESCRIPTION
  "Morvessa makes a yearly calendar workbook to print: twelve month sheets\n"
  "in the Excel 97-2003 format with a notes area under every day, fixed and\n"
  "floating holidays, Easter and three colours of the user's choice.\n"
  "morvessa-batch makes the same workbook from the command line.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://morvessa.app/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libxlsxwriter and libical are loaded when an .xlsx or an iCalendar file is first written or read,
# not linked, so dpkg-shlibdeps cannot see them: their packages are named here, from the library
# files the build found.
find_program(DPKG_QUERY dpkg-query)
set(loaded_packages "")
foreach(loaded XLSXWRITER LIBICAL)
  if(DPKG_QUERY AND ${loaded}_FILE AND ${loaded}_SONAME)
    file(REAL_PATH "${${loaded}_FILE}" loaded_real)
    get_filename_component(loaded_dir "${loaded_real}" DIRECTORY)
    execute_process(COMMAND ${DPKG_QUERY} -S "${loaded_dir}/${${loaded}_SONAME}"
      OUTPUT_VARIABLE loaded_owner ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(REGEX MATCH "^[^:]+" loaded_package "${loaded_owner}")
    if(loaded_package)
      list(APPEND loaded_packages "${loaded_package}")
    endif()
  endif()
endforeach()
if(loaded_packages)
  string(REPLACE ";" ", " CPACK_DEBIAN_PACKAGE_DEPENDS "${loaded_packages}")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
