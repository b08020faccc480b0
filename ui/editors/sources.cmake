# The brightness-table and transformation-table editors.
list(APPEND VELMORA_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ClickLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClickLabel.h
  ${CMAKE_CURRENT_LIST_DIR}/EditorWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditorWindow.h
  ${CMAKE_CURRENT_LIST_DIR}/Form4.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form4.h
  ${CMAKE_CURRENT_LIST_DIR}/Form5.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form5.h
)
