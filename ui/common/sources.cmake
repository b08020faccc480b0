# Shared by every window: twips, fonts, message boxes, drop-down rows, the label and spinner widgets.
list(APPEND VELMORA_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ArrowSpinner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ArrowSpinner.h
  ${CMAKE_CURRENT_LIST_DIR}/CachedIndicatorStyle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CachedIndicatorStyle.h
  ${CMAKE_CURRENT_LIST_DIR}/DropDownRows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DropDownRows.h
  ${CMAKE_CURRENT_LIST_DIR}/Fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Fonts.h
  ${CMAKE_CURRENT_LIST_DIR}/LunarDatePicker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LunarDatePicker.h
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxes.h
  ${CMAKE_CURRENT_LIST_DIR}/QtTranslations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtTranslations.h
  ${CMAKE_CURRENT_LIST_DIR}/RowLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RowLabel.h
  ${CMAKE_CURRENT_LIST_DIR}/SecondaryWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SecondaryWindow.h
  ${CMAKE_CURRENT_LIST_DIR}/ShownScript.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShownScript.h
  ${CMAKE_CURRENT_LIST_DIR}/Settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Settings.h
  ${CMAKE_CURRENT_LIST_DIR}/Twips.h
)
