# The palace board: geometry, labels, chart fill, marks, flying overlay, period board.
list(APPEND VELMORA_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BoardGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoardGeometry.h
  ${CMAKE_CURRENT_LIST_DIR}/BoardLabels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoardLabels.h
  ${CMAKE_CURRENT_LIST_DIR}/BoardRouting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoardRouting.h
  ${CMAKE_CURRENT_LIST_DIR}/CalendarNotes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalendarNotes.h
  ${CMAKE_CURRENT_LIST_DIR}/ChartFill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartFill.h
  ${CMAKE_CURRENT_LIST_DIR}/FlyingOverlay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FlyingOverlay.h
  ${CMAKE_CURRENT_LIST_DIR}/OverlayLabels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OverlayLabels.h
  ${CMAKE_CURRENT_LIST_DIR}/PalaceBoard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PalaceBoard.h
  ${CMAKE_CURRENT_LIST_DIR}/PeriodBoard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PeriodBoard.h
  ${CMAKE_CURRENT_LIST_DIR}/ReadingLabels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadingLabels.h
  ${CMAKE_CURRENT_LIST_DIR}/RelationMarks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RelationMarks.h
  ${CMAKE_CURRENT_LIST_DIR}/TransformationMarks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TransformationMarks.h
)
