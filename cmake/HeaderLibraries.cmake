# Header-only libraries from Debian's packages. A native build finds them by
# their CMake packages. A cross compiler (MinGW-w64, emscripten) does not
# search /usr/include, and must not: the build machine's C library sits
# there. It gets a folder in the build tree that links to the library's own
# header folder alone.
include_guard(GLOBAL)

# tachoria_header_library(<target> <package> <package target> <header>):
# <target>, an interface library that puts <header> ("nlohmann/json.hpp") on
# the include path; its first folder is the one linked to.
function(tachoria_header_library target package package_target header)
    if(CMAKE_CROSSCOMPILING)
        string(REGEX MATCH "^[^/]+" folder ${header})
        find_path(${target}_HEADERS ${header} NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH REQUIRED
                  PATHS /usr/include)
        set(root ${CMAKE_BINARY_DIR}/headers/${target})
        file(MAKE_DIRECTORY ${root})
        file(CREATE_LINK ${${target}_HEADERS}/${folder} ${root}/${folder} SYMBOLIC)
        add_library(${target} INTERFACE)
        target_include_directories(${target} SYSTEM INTERFACE ${root})
    else()
        find_package(${package} CONFIG REQUIRED)
        add_library(${target} INTERFACE)
        target_link_libraries(${target} INTERFACE ${package_target})
    endif()
endfunction()
