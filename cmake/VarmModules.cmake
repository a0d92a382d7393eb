# Helpers shared by every folder's CMakeLists.

# Stamps the file version (major.minor.build.revision) into a module or program as a
# read-only ELF section ".varm_version" of four little-endian 16-bit numbers, so the
# version can be read from the file without loading it.
function(varm_stamp_version target)
    cmake_parse_arguments(ARG "" "VERSION" "" ${ARGN})
    if(NOT ARG_VERSION)
        set(ARG_VERSION ${PROJECT_VERSION})
    endif()
    string(REPLACE "." ";" parts "${ARG_VERSION}")
    list(LENGTH parts n)
    while(n LESS 4)
        list(APPEND parts 0)
        math(EXPR n "${n}+1")
    endwhile()
    if(n GREATER 4)
        message(FATAL_ERROR "varm_stamp_version(${target}): ${ARG_VERSION} has more than four parts")
    endif()
    set(bytes "")
    foreach(p IN LISTS parts)
        if(NOT p MATCHES "^[0-9]+$" OR p GREATER 65535)
            message(FATAL_ERROR "varm_stamp_version(${target}): ${ARG_VERSION} is not four numbers 0..65535")
        endif()
        math(EXPR lo "${p} & 255")
        math(EXPR hi "(${p} >> 8) & 255")
        string(APPEND bytes "${lo}, ${hi}, ")
    endforeach()
    string(MAKE_C_IDENTIFIER "${target}" symbol)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_stamp.cpp)
    file(WRITE ${out}.in
"// Generated: the file version record of ${target} (${ARG_VERSION}).
extern \"C\" __attribute__((used, section(\".varm_version\"), visibility(\"hidden\")))
const unsigned char varm_version_record_${symbol}[8] = {${bytes}};
")
    configure_file(${out}.in ${out} COPYONLY)
    target_sources(${target} PRIVATE ${out})
endfunction()

# Collects the C++ sources below the given folders (relative to the caller).
function(varm_glob_sources outvar)
    set(all "")
    foreach(dir IN LISTS ARGN)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS
             ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
        list(APPEND all ${found})
    endforeach()
    set(${outvar} ${all} PARENT_SCOPE)
endfunction()
