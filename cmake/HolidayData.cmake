# The world holiday data: the pinned date-holidays package (fetched by scripts/holiday-data.sh into
# .deps/), split at build time into one file per country beside the programs (bin/holidays), and
# installed into the data folder with its licence.
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/holidays/date-holidays.pin pin_version REGEX "^version=")
string(REGEX REPLACE "^version=" "" MORVESSA_HOLIDAY_DATA_VERSION "${pin_version}")
set(MORVESSA_HOLIDAY_PACKAGE ${PROJECT_SOURCE_DIR}/.deps/date-holidays-${MORVESSA_HOLIDAY_DATA_VERSION}/package)
set(holiday_json ${MORVESSA_HOLIDAY_PACKAGE}/data/holidays.json)
if(NOT EXISTS ${holiday_json})
  execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/holiday-data.sh RESULT_VARIABLE fetched)
endif()
if(NOT EXISTS ${holiday_json})
  message(FATAL_ERROR "The holiday data date-holidays ${MORVESSA_HOLIDAY_DATA_VERSION} is missing: run scripts/setup.sh")
endif()
# The tests' second reader: the same version's JavaScript evaluator with its dependencies.
set(MORVESSA_HOLIDAY_READER ${PROJECT_SOURCE_DIR}/.deps/date-holidays-reader-${MORVESSA_HOLIDAY_DATA_VERSION}/node_modules)

find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(MORVESSA_HOLIDAY_FOLDER ${PROJECT_BINARY_DIR}/bin/holidays)
add_custom_command(OUTPUT ${MORVESSA_HOLIDAY_FOLDER}/index.json
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/cmake/split_holidays.py ${holiday_json}
          ${MORVESSA_HOLIDAY_FOLDER} ${MORVESSA_HOLIDAY_DATA_VERSION}
  DEPENDS ${holiday_json} ${PROJECT_SOURCE_DIR}/cmake/split_holidays.py
  COMMENT "Splitting the holiday data date-holidays ${MORVESSA_HOLIDAY_DATA_VERSION} per country")
add_custom_target(holiday_data ALL DEPENDS ${MORVESSA_HOLIDAY_FOLDER}/index.json)

install(DIRECTORY ${MORVESSA_HOLIDAY_FOLDER}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/morvessa/holidays
  FILES_MATCHING PATTERN "*.json")
install(FILES ${MORVESSA_HOLIDAY_PACKAGE}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR}
  RENAME LICENSE.date-holidays)
