# The main window: controller, date inputs, palace board, chart fill, layers.
list(APPEND VELMORA_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BoardGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoardGeometry.h
  ${CMAKE_CURRENT_LIST_DIR}/BoardLabels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoardLabels.h
  ${CMAKE_CURRENT_LIST_DIR}/ChartFill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartFill.h
  ${CMAKE_CURRENT_LIST_DIR}/DateInputs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateInputs.h
  ${CMAKE_CURRENT_LIST_DIR}/DateLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateLine.h
  ${CMAKE_CURRENT_LIST_DIR}/Form1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form1.h
  ${CMAKE_CURRENT_LIST_DIR}/Form1Chart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form1Controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Layers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Layers.h
  ${CMAKE_CURRENT_LIST_DIR}/PalaceBoard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PalaceBoard.h
  ${CMAKE_CURRENT_LIST_DIR}/ReferenceReads.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReferenceReads.h
  ${CMAKE_CURRENT_LIST_DIR}/SecondaryWindows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Session.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Session.h
)
