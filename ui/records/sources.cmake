# The record window and the gender dialog.
list(APPEND VELMORA_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Form3.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form3.h
)
