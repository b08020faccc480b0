# The main window's state as plain values: the session and the date inputs.
list(APPEND VELMORA_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/DateInputs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateInputs.h
  ${CMAKE_CURRENT_LIST_DIR}/Session.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Session.h
)
