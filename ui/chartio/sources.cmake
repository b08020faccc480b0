# The chart going out: export, print, copy, the script command, the query run.
list(APPEND VELMORA_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ChartCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartCommands.h
  ${CMAKE_CURRENT_LIST_DIR}/ChartCopy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartCopy.h
  ${CMAKE_CURRENT_LIST_DIR}/ChartExport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartExport.h
  ${CMAKE_CURRENT_LIST_DIR}/ChartHost.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartHost.h
  ${CMAKE_CURRENT_LIST_DIR}/ExportDialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExportDialogs.h
  ${CMAKE_CURRENT_LIST_DIR}/QueryChart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QueryChart.h
  ${CMAKE_CURRENT_LIST_DIR}/ScriptCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptCommand.h
)
