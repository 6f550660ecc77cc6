# Settings shared by every target of the project's own code.

if(ENABLE_FUZZING)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "ENABLE_FUZZING needs clang: configure with CXX=clang++-14")
    endif()
    # Coverage feedback for the fuzzer in every library; the fuzz targets add its main.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=fuzzer-no-link,address,undefined)
elseif(VIRELITH_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

function(virelith_target_options target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
    if(VIRELITH_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
        QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
endfunction()

# The include root of the library folder src/`folder`: a folder of the build tree that holds
# only a link named `folder` to it, so that a target sees the headers of the libraries it links
# and no others. Where no link can be made, every library shares src/ and only scripts/lint
# holds the library order.
function(virelith_header_root out folder)
    set(root ${CMAKE_BINARY_DIR}/include/${folder})
    if(NOT IS_SYMLINK ${root}/${folder})
        file(MAKE_DIRECTORY ${root})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder}
            RESULT linked SYMBOLIC)
        if(NOT linked EQUAL 0)
            set(root ${PROJECT_SOURCE_DIR}/src)
        endif()
    endif()
    set(${out} ${root} PARENT_SCOPE)
endfunction()

# A static library for one subsystem folder; its headers are included as "folder/Header.h", and
# it publishes its own folder's headers only.
function(virelith_library target)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LINKS" ${ARGN})
    add_library(${target} STATIC ${ARG_SOURCES})
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    virelith_header_root(root ${folder})
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PUBLIC ${ARG_PUBLIC_LINKS})
    virelith_target_options(${target})
endfunction()
