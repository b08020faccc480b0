# The brightness-table and transformation-table editors.
list(APPEND VELMORA_UI_SOURCES
)
