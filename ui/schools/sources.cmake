# The schools: the school dialog, settings, comparison and a record's school.
list(APPEND VELMORA_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/RecordSchool.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordSchool.h
  ${CMAKE_CURRENT_LIST_DIR}/SchoolCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SchoolCommands.h
  ${CMAKE_CURRENT_LIST_DIR}/SchoolComparison.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SchoolComparison.h
  ${CMAKE_CURRENT_LIST_DIR}/SchoolDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SchoolDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/SchoolSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SchoolSettings.h
)
