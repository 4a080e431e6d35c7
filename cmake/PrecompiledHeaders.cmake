# Precompiled Qt headers. Every test executable parses QtTest and most of QtCore, QtSql and (for
# the window's tests) QtWidgets again; compiling them once per kind of test and sharing the
# result (REUSE_FROM) takes most of that time off a cold build.
#
# A precompiled header is only used by a compilation whose macros match the one that made it, so
# everything that shares one must be compiled alike. Qt's test library defines the folder of
# each test's target as QT_TESTCASE_BUILDDIR/QT_TESTCASE_SOURCEDIR (for QFINDTESTDATA); the tests
# get the tests folder of the source tree for both instead. That also keeps the compilations the
# same from one build folder to the next, so ccache finds them again.
#
# ccache caches compilations with a precompiled header only with sloppiness pch_defines and
# time_macros; verdimo_compiler_launcher sets them for the compilations it starts. CMake compiles
# with -Winvalid-pch, so a header that cannot be used fails the warnings-as-errors builds instead
# of making them quietly slow.

# Off, every test parses its headers itself: for tools that read the compile commands, and to
# measure what the precompiled headers save.
option(VERDIMO_PRECOMPILED_HEADERS "Precompile the Qt headers the tests share" ON)

set(VERDIMO_TEST_PCH_HEADERS
    <QByteArray> <QCoreApplication> <QDate> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash>
    <QList> <QLocale> <QProcess> <QRegularExpression> <QSettings> <QSignalSpy> <QSqlDatabase>
    <QSqlError> <QSqlQuery> <QString> <QStringList> <QTemporaryDir> <QTest> <QVariant>)
set(VERDIMO_WIDGET_TEST_PCH_HEADERS
    ${VERDIMO_TEST_PCH_HEADERS}
    <QAction> <QApplication> <QCheckBox> <QComboBox> <QDialog> <QLabel> <QLineEdit>
    <QPushButton> <QTableView> <QTreeView> <QWidget>)

# The compiler launcher: ccache with the settings precompiled headers need.
function(verdimo_compiler_launcher ccache)
    set(CMAKE_CXX_COMPILER_LAUNCHER
        ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=pch_defines,time_macros ${ccache}
        PARENT_SCOPE)
endfunction()

# Compiles target like every other user of the shared test headers.
function(verdimo_test_pch_settings target)
    set_target_properties(${target} PROPERTIES QT_TESTCASE_BUILDDIR ${PROJECT_SOURCE_DIR}/tests)
    target_compile_options(${target} PRIVATE
        -UQT_TESTCASE_SOURCEDIR "-DQT_TESTCASE_SOURCEDIR=\"${PROJECT_SOURCE_DIR}/tests\"")
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        # A header's time stamp in the precompiled file would make every build a cache miss.
        target_compile_options(${target} PRIVATE "SHELL:-Xclang -fno-pch-timestamp")
    endif()
endfunction()

# Makes target the owner of the precompiled headers listed in the variable named by headers.
function(verdimo_own_test_pch target headers)
    verdimo_test_pch_settings(${target})
    if(VERDIMO_PRECOMPILED_HEADERS)
        target_precompile_headers(${target} PRIVATE ${${headers}})
    endif()
endfunction()

# A test executable reuses the headers of the owner that matches the libraries it links.
function(verdimo_use_test_pch target owner)
    verdimo_test_pch_settings(${target})
    if(VERDIMO_PRECOMPILED_HEADERS)
        target_precompile_headers(${target} REUSE_FROM ${owner})
    endif()
endfunction()
