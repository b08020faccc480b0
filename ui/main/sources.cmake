# The main window: controller, date line and jump, layers, keyboard, zoom, accessibility, its secondary windows.
list(APPEND VELMORA_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Accessibility.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Accessibility.h
  ${CMAKE_CURRENT_LIST_DIR}/DateJump.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateJump.h
  ${CMAKE_CURRENT_LIST_DIR}/DateLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateLine.h
  ${CMAKE_CURRENT_LIST_DIR}/Form1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form1.h
  ${CMAKE_CURRENT_LIST_DIR}/Form1Chart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form1Controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form1Layers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JumpToDateDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JumpToDateDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/Form1Recompute.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Keyboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Keyboard.h
  ${CMAKE_CURRENT_LIST_DIR}/Layers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Layers.h
  ${CMAKE_CURRENT_LIST_DIR}/OverlayDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OverlayDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/ReferenceReads.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReferenceReads.h
  ${CMAKE_CURRENT_LIST_DIR}/SecondaryWindows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowZoom.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowZoom.h
)
