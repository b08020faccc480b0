# What keeps the first build short on a small machine (measured with
# bench/build/build_time.sh): most of a file's compile time was spent reading
# Qt's and the standard library's headers again and writing debug information.
#
# - The programs and their libraries carry no debug information; test programs
#   (tests/, bench/) and the sanitizer and fuzz builds keep it, for readable
#   failures and stack traces.
# - Each room precompiles the headers nearly all of its files include.
# - The window and output libraries compile as a few unity files.

option(VELMORA_DEBUG_INFO "Debug information in the programs and libraries, not only in the tests" OFF)
if(VELMORA_SANITIZE OR VELMORA_FUZZ)
  set(VELMORA_DEBUG_INFO ON)
endif()
if(NOT VELMORA_DEBUG_INFO)
  string(REGEX REPLACE "(^| )-g[0-9]*( |$)" " " CMAKE_CXX_FLAGS_RELWITHDEBINFO "${CMAKE_CXX_FLAGS_RELWITHDEBINFO}")
  string(REGEX REPLACE "(^| )-g[0-9]*( |$)" " " CMAKE_CXX_FLAGS_DEBUG "${CMAKE_CXX_FLAGS_DEBUG} -O0")
endif()

# Test and bench folders call this first: their own files keep debug information.
macro(velmora_keep_debug_info)
  if(NOT VELMORA_DEBUG_INFO)
    add_compile_options(-g)
  endif()
endmacro()

# Headers by how much of Qt a room uses: std (calendar, chart), core (files,
# moment, script, output), widgets (ui and the window tests).
set(VELMORA_PCH_STD <string> <string_view> <vector> <array> <optional> <algorithm> <functional> <memory> <utility>)
set(VELMORA_PCH_CORE ${VELMORA_PCH_STD} <QString> <QStringList> <QByteArray> <QList> <QObject> <QHash> <QDate> <QDir> <QFileInfo>)
set(VELMORA_PCH_WIDGETS ${VELMORA_PCH_CORE}
  <QWidget> <QLabel> <QComboBox> <QPushButton> <QRadioButton> <QLineEdit> <QAction> <QTreeWidget>
  <QPainter> <QMenu> <QFrame> <QVBoxLayout> <QHBoxLayout> <QDialog> <QEvent> <QApplication>)

# velmora_precompile(TARGET std|core|widgets|tests)
# The first library of a kind compiles the headers; every later one reuses that
# artifact, since one precompiled core header costs as much as five sources.
# The libraries of a kind share their compile options; CMake's -Winvalid-pch
# (an error under VELMORA_WERROR) stops the build if one ever drifts. Test
# programs keep their own: Qt Test defines each one's folder as a macro.
function(velmora_precompile target kind)
  if(kind STREQUAL "std")
    set(headers ${VELMORA_PCH_STD})
  elseif(kind STREQUAL "core")
    set(headers ${VELMORA_PCH_CORE})
  elseif(kind STREQUAL "widgets")
    set(headers ${VELMORA_PCH_WIDGETS})
  elseif(kind STREQUAL "tests")
    set(headers ${VELMORA_PCH_WIDGETS} <gtest/gtest.h> <QtTest/QTest>)
  else()
    message(FATAL_ERROR "velmora_precompile: unknown kind ${kind}")
  endif()
  get_property(first GLOBAL PROPERTY VELMORA_PCH_FIRST_${kind})
  if(first AND NOT kind STREQUAL "tests")
    target_precompile_headers(${target} REUSE_FROM ${first})
  else()
    set_property(GLOBAL PROPERTY VELMORA_PCH_FIRST_${kind} ${target})
    target_precompile_headers(${target} PRIVATE ${headers})
  endif()
endfunction()

# velmora_unity(TARGET BATCH): BATCH files a unity file.
function(velmora_unity target batch)
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${batch})
endfunction()
