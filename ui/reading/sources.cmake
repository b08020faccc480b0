# Views read from the chart: the timeline, the flying list, the unknown-hour grid.
list(APPEND VELMORA_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/FlyingView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FlyingView.h
  ${CMAKE_CURRENT_LIST_DIR}/OverlayView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OverlayView.h
  ${CMAKE_CURRENT_LIST_DIR}/OverlayViewText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PatternView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PatternView.h
  ${CMAKE_CURRENT_LIST_DIR}/ReadingToggles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadingToggles.h
  ${CMAKE_CURRENT_LIST_DIR}/SelfTransformationMarks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SelfTransformationMarks.h
  ${CMAKE_CURRENT_LIST_DIR}/TimelineView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TimelineView.h
  ${CMAKE_CURRENT_LIST_DIR}/UnknownHourDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnknownHourDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/YearReportTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/YearReportTable.h
  ${CMAKE_CURRENT_LIST_DIR}/YearReportView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/YearReportView.h
)
