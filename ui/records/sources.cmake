# The record window and the gender dialog.
list(APPEND VELMORA_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Form2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form2.h
  ${CMAKE_CURRENT_LIST_DIR}/Form2Commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form2Confirm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form2Layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form2List.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form2Moment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form2Moment.h
  ${CMAKE_CURRENT_LIST_DIR}/Form2Picking.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form2Saving.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form3.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form3.h
  ${CMAKE_CURRENT_LIST_DIR}/GapCaption.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GapCaption.h
  ${CMAKE_CURRENT_LIST_DIR}/LunarEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LunarEntry.h
  ${CMAKE_CURRENT_LIST_DIR}/RecordChecks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordChecks.h
  ${CMAKE_CURRENT_LIST_DIR}/RecordCharting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordCharting.h
  ${CMAKE_CURRENT_LIST_DIR}/RecordFields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordFields.h
  ${CMAKE_CURRENT_LIST_DIR}/RecordListView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordListView.h
)
