# Compile and link options of the WebAssembly build (emscripten), all here so
# that the core's folders stay free of them. Included by the root
# CMakeLists.txt when EMSCRIPTEN is set.
include_guard(GLOBAL)

# -Oz for what ships: the page is downloaded whole, and -Oz makes its core a
# third smaller than -O2 (431 KB against 662 KB), where a table takes
# microseconds either way.
set(CMAKE_CXX_FLAGS_RELEASE "-Oz -DNDEBUG")

# The heap grows as a table or a test needs it, rather than stopping at the
# 16 MB that emscripten reserves by default.
target_link_options(tachoria_options INTERFACE -sALLOW_MEMORY_GROWTH=1)

# tachoria_web_exceptions(<library>): <library> catches C++ exceptions (CLI11
# reports a bad argument by throwing), and so does each program linked with
# it. Emscripten otherwise aborts at the first throw.
function(tachoria_web_exceptions target)
    target_compile_options(${target} PUBLIC -fexceptions)
    target_link_options(${target} PUBLIC -fexceptions)
endfunction()

# tachoria_node_program(<target>): <target> is a program started as
# `node <target>.js`, like a native one.
function(tachoria_node_program target)
    target_link_options(
        ${target}
        PRIVATE
        # Runs under Node only: no code for a browser or a worker.
        -sENVIRONMENT=node
        # Files are the machine's own, as a native program sees them
        # (arguments naming files, /dev/full, the standard streams).
        -sNODERAWFS=1
        # The .wasm inside the .js: one file to start, found wherever it is.
        -sSINGLE_FILE=1
        # main's return value and exit() become Node's exit status.
        -sEXIT_RUNTIME=1)
endfunction()

# tachoria_web_test_program(<target>): a test program, built and linked at -O1:
# it runs a few times per build, where -O2's passes would cost more time in
# binaryen than they save in the run.
function(tachoria_web_test_program target)
    tachoria_node_program(${target})
    target_compile_options(${target} PRIVATE -O1)
    target_link_options(${target} PRIVATE -O1)
endfunction()
