# Precompiled headers: the Qt Widgets and GoogleTest headers most sources of
# the window, the dialogs and the tests include are parsed once per target
# instead of once per source, which shortens a full build by about a third.
# TORVIK_PCH=OFF builds without them (to check that every source names its
# own includes).
option(TORVIK_PCH "Precompile the common Qt and GoogleTest headers" ON)

set(torvik_pch_std <algorithm> <cmath> <functional> <memory> <optional> <string> <vector>)
set(torvik_pch_widgets <QtCore/QString> <QtCore/QObject> <QtGui/QPainter> <QtGui/QImage> <QtGui/QAction>
    <QtWidgets/QApplication> <QtWidgets/QWidget> <QtWidgets/QDialog> <QtWidgets/QLabel> <QtWidgets/QLineEdit>
    <QtWidgets/QPushButton> <QtWidgets/QComboBox> <QtWidgets/QCheckBox> <QtWidgets/QMenu>
    <QtWidgets/QBoxLayout> <QtWidgets/QGridLayout> <QtWidgets/QDialogButtonBox> <QtWidgets/QGroupBox>)

# aKind: "widgets" for a target of Qt Widgets code, "gtest" for plain tests,
# "widgets-gtest" for tests of Qt Widgets code.
function(torvik_precompile aTarget aKind)
  if(NOT TORVIK_PCH)
    return()
  endif()
  set(headers ${torvik_pch_std})
  if(aKind MATCHES "widgets")
    list(APPEND headers ${torvik_pch_widgets})
  endif()
  if(aKind MATCHES "gtest")
    list(APPEND headers <gtest/gtest.h>)
    # With the precompiled header GCC 12 inlines differently and gives its
    # known false -Warray-bounds and -Wstringop-overflow warnings on
    # std::string concatenations in test bodies (fixed in GCC 13).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      target_compile_options(${aTarget} PRIVATE -Wno-array-bounds -Wno-stringop-overflow)
    endif()
  endif()
  target_precompile_headers(${aTarget} PRIVATE ${headers})
endfunction()
