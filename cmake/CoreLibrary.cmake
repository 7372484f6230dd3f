# The core is a stack of static libraries, one per folder, each linking only those below it:
#
#   tamek_core_library(name folder [DEPENDS lib...] [WX libraries] SOURCES file...)
#
# A library's include root (build/include/<folder>/) holds only a link to its own folder, and it
# sees the folders below it only through the include roots of its DEPENDS, so an include of a folder
# above it ("bytecode/..." from model/) fails to build. A library links wxWidgets' base and core
# libraries (WX: only those given, such as ${TAMEK_BASE_WX_LIBRARIES}); the INTERFACE target
# tamek_core gathers every core library for the GUI, the tests, the benchmarks and the fuzz targets.
add_library(tamek_core INTERFACE)

# Gives target the include root of folder: build/include/<folder>/<folder> -> the source folder.
function(tamek_include_root target scope folder)
    set(root ${CMAKE_BINARY_DIR}/include/${folder})
    if(NOT EXISTS ${root}/${folder})
        file(MAKE_DIRECTORY ${root})
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} ${scope} ${root})
endfunction()

function(tamek_core_library name folder)
    cmake_parse_arguments(LIB "" "" "DEPENDS;SOURCES;WX" ${ARGN})
    if(NOT LIB_WX)
        set(LIB_WX ${TAMEK_CORE_WX_LIBRARIES})
    endif()
    add_library(${name} STATIC ${LIB_SOURCES})
    tamek_include_root(${name} PUBLIC ${folder})
    target_link_libraries(${name} PUBLIC ${LIB_DEPENDS} ${LIB_WX})
    tamek_warnings(${name})
    target_link_libraries(tamek_core INTERFACE ${name})
    set_property(GLOBAL APPEND PROPERTY TAMEK_CORE_LIBRARIES ${name})
endfunction()
