# Qt's headers are most of every source's compile time. Each group of targets parses
# them once, into one precompiled header that the group's first target builds and the
# others with the same compile options reuse. Only Qt's, the standard library's and
# GoogleTest's headers go in, never the program's own (an edit of one would rebuild
# everything). The groups are chosen from what a target links, so a new source file or
# a new target needs no entry here.
# -DTALMERO_PCH=OFF builds without them (to check that every file includes what it uses).

option(TALMERO_PCH "Precompile the Qt headers the sources share" ON)

set(talmero_pch_std <algorithm> <array> <functional> <map> <memory> <optional> <span>
    <stdexcept> <string> <string_view> <utility> <vector>)

# Everything below the windows: the layers, the command line, the virtual car.
set(talmero_pch_core ${talmero_pch_std}
    <QByteArray> <QByteArrayList> <QCoreApplication> <QDateTime> <QDir> <QElapsedTimer>
    <QFile> <QFileInfo> <QHash> <QList> <QObject> <QPointer> <QRegularExpression>
    <QSaveFile> <QString> <QStringList> <QTextStream> <QTimer> <QVariant>)

# Only for targets that link Qt6::Widgets: a lower layer never sees a widget header.
set(talmero_pch_widgets ${talmero_pch_core}
    <QAbstractButton> <QApplication> <QButtonGroup> <QCheckBox> <QCloseEvent> <QComboBox>
    <QDialog> <QDialogButtonBox> <QFont> <QFrame> <QGridLayout> <QGroupBox> <QHBoxLayout>
    <QLabel> <QLayout> <QLineEdit> <QPlainTextEdit> <QPushButton> <QRadioButton>
    <QScreen> <QStyle> <QTabBar> <QTabWidget> <QTableWidget> <QVBoxLayout> <QWidget>)

set(talmero_pch_test_extra <gtest/gtest.h> <QProcess> <QTemporaryDir>)
set(talmero_pch_core_tests ${talmero_pch_core} ${talmero_pch_test_extra})
set(talmero_pch_widgets_tests ${talmero_pch_widgets} ${talmero_pch_test_extra})

# Sets OUT to TRUE when TARGET links a target whose name matches PATTERN, directly or
# through the libraries it links.
function(_talmero_links_to target pattern out)
    set(queue ${target})
    set(seen "")
    while(queue)
        list(POP_FRONT queue t)
        if(t IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${t})
        if(t MATCHES "${pattern}")
            set(${out} TRUE PARENT_SCOPE)
            return()
        endif()
        if(NOT TARGET ${t})
            continue()
        endif()
        get_target_property(links ${t} INTERFACE_LINK_LIBRARIES)
        get_target_property(imported ${t} IMPORTED)
        if(NOT imported)
            get_target_property(own ${t} LINK_LIBRARIES)
            list(APPEND links ${own})
        endif()
        foreach(l IN LISTS links)
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" l "${l}")
            if(l AND NOT l MATCHES "-NOTFOUND$" AND NOT l MATCHES "^\\$<")
                list(APPEND queue ${l})
            endif()
        endforeach()
    endwhile()
    set(${out} FALSE PARENT_SCOPE)
endfunction()

# The generated moc source of a target whose headers declare no Qt object is empty: it
# would only pay for loading the precompiled header, so it goes without.
function(_talmero_skip_empty_moc target)
    get_target_property(automoc ${target} AUTOMOC)
    if(NOT automoc)
        return()
    endif()
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    foreach(s IN LISTS sources)
        if(s MATCHES "^\\$<")
            continue()
        endif()
        get_filename_component(s "${s}" ABSOLUTE BASE_DIR "${source_dir}")
        # Moc also reads the header beside each source.
        string(REGEX REPLACE "\\.(cpp|cxx|cc)$" ".h" header "${s}")
        if(header MATCHES "\\.(h|hpp)$" AND EXISTS "${header}")
            file(STRINGS "${header}" objects REGEX "Q_(OBJECT|GADGET|NAMESPACE)")
            if(objects)
                return()
            endif()
        endif()
    endforeach()
    get_target_property(autogen_dir ${target} AUTOGEN_BUILD_DIR)
    if(NOT autogen_dir)
        get_target_property(binary_dir ${target} BINARY_DIR)
        set(autogen_dir ${binary_dir}/${target}_autogen)
    endif()
    set_source_files_properties(${autogen_dir}/mocs_compilation.cpp TARGET_DIRECTORY ${target}
        PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()

function(_talmero_targets_in dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS subdirs)
        _talmero_targets_in(${sub} more)
        list(APPEND targets ${more})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Gives every compiled target of the project its group's precompiled header. Called once,
# after all targets are defined. GCC takes a header precompiled by another target when the
# flags that matter agree (and says so with -Winvalid-pch when they do not); other
# compilers are stricter about macro definitions, so there each target builds its own.
function(talmero_precompile_targets)
    if(NOT TALMERO_PCH)
        return()
    endif()
    _talmero_targets_in(${CMAKE_SOURCE_DIR} targets)
    get_property(common_options DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY COMPILE_OPTIONS)
    foreach(t IN LISTS targets)
        get_target_property(type ${t} TYPE)
        if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
            continue()
        endif()
        # Qt's own helper targets (compiled resources) and anything without Qt.
        get_target_property(sources ${t} SOURCES)
        list(FILTER sources INCLUDE REGEX "\\.cpp$")
        if(NOT sources OR t MATCHES "_resources_[0-9]+$")
            continue()
        endif()
        _talmero_links_to(${t} "^Qt6::Core$" uses_qt)
        if(NOT uses_qt)
            continue()
        endif()
        _talmero_links_to(${t} "^Qt6::Widgets$" uses_widgets)
        _talmero_links_to(${t} "^GTest::" uses_gtest)
        if(uses_widgets)
            set(group widgets)
        else()
            set(group core)
        endif()
        if(uses_gtest)
            set(group ${group}_tests)
        endif()
        get_target_property(options ${t} COMPILE_OPTIONS)
        get_property(owner GLOBAL PROPERTY talmero_pch_owner_${group})
        message(VERBOSE "Precompiled headers of ${t}: ${group}")
        _talmero_skip_empty_moc(${t})
        if(owner AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND "${options}" STREQUAL "${common_options}")
            target_precompile_headers(${t} REUSE_FROM ${owner})
        else()
            target_precompile_headers(${t} PRIVATE ${talmero_pch_${group}})
            if(NOT owner AND "${options}" STREQUAL "${common_options}")
                set_property(GLOBAL PROPERTY talmero_pch_owner_${group} ${t})
            endif()
        endif()
    endforeach()
endfunction()

# ccache caches a compile that uses a precompiled header only when told to accept it.
if(TALMERO_PCH AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache"
   AND NOT CMAKE_CXX_COMPILER_LAUNCHER MATCHES "CCACHE_SLOPPINESS")
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()
