# Every file of a folder belongs to its library; adding a file needs no edit here.
function(morvelin_sources out)
  set(result)
  foreach(dir ${ARGN})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/src/${dir}/*.h ${CMAKE_SOURCE_DIR}/src/${dir}/*.qrc)
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

function(morvelin_warnings target)
  target_compile_options(${target} PRIVATE ${MORVELIN_WARNINGS})
endfunction()

# Precompiled headers: the Qt and standard headers nearly every file parses. In a file-by-file
# build, parsing them once per library (and once for all test programs) saves a fifth to a third
# of each file's compile.
set(MORVELIN_CORE_PCH
  <algorithm> <array> <cmath> <cstdint> <functional> <memory> <optional> <span> <string> <vector>
  <QByteArray> <QObject> <QString> <QStringList> <QTimer>)
set(MORVELIN_WIDGETS_PCH ${MORVELIN_CORE_PCH} <QPainter> <QWidget>)
set(MORVELIN_TEST_PCH <gtest/gtest.h> <QCoreApplication> <QDir> <QTemporaryDir> <QTest>)
set(MORVELIN_WIDGETS_TEST_PCH <QApplication> <QImage> <QKeyEvent> <QLabel> <QLineEdit> <QMouseEvent>)

function(morvelin_precompile target)
  if(MORVELIN_PCH)
    target_precompile_headers(${target} PRIVATE ${ARGN})
    target_compile_options(${target} PRIVATE -Winvalid-pch)  # a header that stops fitting shows
  endif()
endfunction()

# Test programs share one precompiled header with the support library they link.
function(morvelin_reuse_precompiled target from)
  if(MORVELIN_PCH)
    target_precompile_headers(${target} REUSE_FROM ${from})
    target_compile_options(${target} PRIVATE -Winvalid-pch)
  endif()
endfunction()

# Test code needs line numbers for its failure traces, not full debug info, and no
# optimisation: the tests' time goes to the code under test, which keeps its flags, and a batch
# of test files compiles in half the time at -O0.
function(morvelin_test_flags target)
  target_compile_options(${target} PRIVATE -g1 -O0)
endfunction()
