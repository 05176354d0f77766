# The toolchain that builds the programs, as the build machine's Debian
# packages name it: the same package versions build the same bytes, so
# BUILDINFO.txt names them for a player who checks a download. Where dpkg
# cannot say (not a Debian machine, or a tool installed by hand), the tool's
# own --version line stands in.
#   dk_toolchain_packages(out)  "Compiler: package=version" and a line each for
#                               the binutils and the Windows runtime linked in

# dk_debian_package(out path): "package=version" of the installed package that
# holds path, or "" when dpkg cannot say.
function(dk_debian_package out path)
    set(${out} "" PARENT_SCOPE)
    find_program(DK_DPKG_QUERY dpkg-query)
    if(NOT DK_DPKG_QUERY OR NOT IS_ABSOLUTE "${path}")
        return()
    endif()
    # The compiler's name is an alternative: the package holds the file it leads to.
    file(REAL_PATH ${path} real)
    foreach(candidate IN ITEMS ${real} ${path})
        execute_process(COMMAND ${DK_DPKG_QUERY} --search ${candidate}
                        OUTPUT_VARIABLE owners RESULT_VARIABLE status ERROR_QUIET)
        # "package[:arch][, package...]: path", after any "diversion by ..." lines.
        string(REGEX REPLACE "diversion by [^\n]*\n" "" owners "${owners}")
        if(status EQUAL 0 AND owners MATCHES "^([^,: \n]+(:[^,: \n]+)?)[,:] ")
            break()
        endif()
        set(owners "")
    endforeach()
    if(NOT owners)
        return()
    endif()
    set(package ${CMAKE_MATCH_1})
    execute_process(COMMAND ${DK_DPKG_QUERY} --show --showformat=\${Version} ${package}
                    OUTPUT_VARIABLE version RESULT_VARIABLE status ERROR_QUIET)
    if(status EQUAL 0 AND NOT version STREQUAL "")
        set(${out} "${package}=${version}" PARENT_SCOPE)
    endif()
endfunction()

# dk_tool_line(out label path): the package of the tool at path, else its --version.
function(dk_tool_line out label path)
    dk_debian_package(package "${path}")
    if(NOT path)
        set(package "not found")
    elseif(NOT package)
        get_filename_component(name "${path}" NAME)
        execute_process(COMMAND ${path} --version OUTPUT_VARIABLE said ERROR_QUIET)
        string(REGEX REPLACE "\n.*" "" said "${said}")
        set(package "not from a Debian package; `${name} --version`: ${said}")
    endif()
    set(${out} "${label}: ${package}" PARENT_SCOPE)
endfunction()

# dk_compiler_path(out what name): where the compiler finds a program or a file.
function(dk_compiler_path out what name)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-${what}-name=${name}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(what STREQUAL "prog" AND NOT IS_ABSOLUTE "${path}")
        find_program(path_found NAMES ${path} ${name} NO_CACHE)
        set(path ${path_found})
    endif()
    set(${out} "${path}" PARENT_SCOPE)
endfunction()

function(dk_toolchain_packages out)
    dk_tool_line(compiler "Compiler" ${CMAKE_CXX_COMPILER})
    dk_compiler_path(linker prog ld)
    dk_tool_line(binutils "Binutils" "${linker}")
    # The MinGW-w64 runtime's static parts and headers go into both programs.
    dk_compiler_path(runtime_file file libmingwex.a)
    dk_debian_package(runtime "${runtime_file}")
    if(NOT runtime)
        if(IS_ABSOLUTE "${runtime_file}")
            file(REAL_PATH ${runtime_file} runtime_file)
        endif()
        set(runtime "not from a Debian package (${runtime_file})")
    endif()
    set(${out} "${compiler}\n${binutils}\nWindows runtime: ${runtime}" PARENT_SCOPE)
endfunction()
