# The birth-moment inputs: a clock time at a place, shared by the record
# window and the 擇盤 dialog.
list(APPEND VELMORA_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MomentDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MomentDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/MomentInputs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MomentInputs.h
  ${CMAKE_CURRENT_LIST_DIR}/MomentInputsBuild.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlaceBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlaceBox.h
  ${CMAKE_CURRENT_LIST_DIR}/StepLineBreaks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StepLineBreaks.h
  ${CMAKE_CURRENT_LIST_DIR}/ZoneNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZoneNames.h
)
