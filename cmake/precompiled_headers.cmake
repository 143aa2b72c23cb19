# Most of a translation unit's compile time goes to parsing Qt's headers (and, in the tests,
# gtest's). Each build tree parses them once into a precompiled header that every target reuses.
# GCC uses a precompiled header only where the macros its headers test are defined alike, so the
# macros of the Qt modules it holds are defined for every target. The bus and the OS stay out of
# it: their headers are for the platform code alone.
option(QUELMO_PCH "Reuse precompiled Qt and gtest headers across targets" ON)
if(QUELMO_FUZZ)
    set(QUELMO_PCH OFF)
endif()

set(quelmo_pch_headers
    <QApplication> <QComboBox> <QCoreApplication> <QDir> <QElapsedTimer> <QFile> <QGroupBox>
    <QLabel> <QLineEdit> <QObject> <QPainter> <QPushButton> <QSpinBox> <QString> <QTimer>
    <QWidget>
    <algorithm> <array> <atomic> <chrono> <cstdint> <cstdio> <cstdlib> <cstring> <functional>
    <memory> <mutex> <optional> <string> <string_view> <thread> <vector>)

if(QUELMO_PCH)
    add_compile_definitions(QT_CORE_LIB QT_GUI_LIB QT_WIDGETS_LIB)
endif()

# Call after every target is defined.
function(quelmo_reuse_precompiled_headers)
    if(NOT QUELMO_PCH)
        return()
    endif()
    set(host_source ${CMAKE_BINARY_DIR}/quelmo_pch_host.cpp)
    file(WRITE ${host_source} "// The precompiled headers' own translation unit.\n")
    add_library(quelmo_pch_qt OBJECT ${host_source})
    target_link_libraries(quelmo_pch_qt PRIVATE Qt6::Widgets)
    target_precompile_headers(quelmo_pch_qt PRIVATE ${quelmo_pch_headers})
    # The tests' support brings gtest and the HTTP server's header, the heaviest of all.
    if(TARGET quelmo_test_support)
        add_library(quelmo_pch_test OBJECT ${host_source})
        target_link_libraries(quelmo_pch_test PRIVATE Qt6::Widgets GTest::gtest
            PkgConfig::HTTPLIB)
        target_precompile_headers(quelmo_pch_test PRIVATE ${quelmo_pch_headers}
            <gtest/gtest.h> <httplib.h>)
    endif()

    quelmo_all_targets(targets)
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|OBJECT_LIBRARY)$" OR
           target MATCHES "^quelmo_pch_")
            continue()
        endif()
        get_target_property(links ${target} LINK_LIBRARIES)
        # Only what is built against Qt; the tests' headers only where the tests' support
        # is linked.
        if(NOT links MATCHES "Qt6::|quelmo_")
            continue()
        endif()
        if(TARGET quelmo_pch_test AND links MATCHES "quelmo_test_support")
            target_precompile_headers(${target} REUSE_FROM quelmo_pch_test)
        else()
            target_precompile_headers(${target} REUSE_FROM quelmo_pch_qt)
        endif()
    endforeach()
endfunction()
