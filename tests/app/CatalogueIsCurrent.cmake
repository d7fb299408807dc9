# Fails when a translation catalogue misses a text the code marks for translation, or keeps one the
# code no longer has: lupdate refreshes copies of translations/*.ts from src/ and tools/, and the
# copies must come out as they went in.
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... -P CatalogueIsCurrent.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(GLOB catalogues "${SOURCE_DIR}/translations/morvessa_*.ts")
set(copies)
foreach(catalogue IN LISTS catalogues)
  get_filename_component(name "${catalogue}" NAME)
  configure_file("${catalogue}" "${WORK_DIR}/${name}" COPYONLY)
  list(APPEND copies "${WORK_DIR}/${name}")
endforeach()
execute_process(
  COMMAND "${LUPDATE}" -silent -no-obsolete -locations none -extensions cpp,h
          "${SOURCE_DIR}/src" "${SOURCE_DIR}/tools" -ts ${copies}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status})")
endif()
set(stale)
foreach(catalogue IN LISTS catalogues)
  get_filename_component(name "${catalogue}" NAME)
  file(READ "${catalogue}" before)
  file(READ "${WORK_DIR}/${name}" after)
  if(NOT before STREQUAL after)
    list(APPEND stale "${name}")
  endif()
endforeach()
if(stale)
  message(FATAL_ERROR "Out of date with the code: ${stale}. Build the update_translations target "
                      "and translate what it adds (compare with ${WORK_DIR}).")
endif()
