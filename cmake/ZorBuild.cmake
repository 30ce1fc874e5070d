# Compiler settings shared by every target of the project.

add_library(zor_options INTERFACE)
target_compile_features(zor_options INTERFACE cxx_std_20)
target_include_directories(zor_options INTERFACE ${PROJECT_SOURCE_DIR}/src)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(zor_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                 -Wno-sign-conversion)
    if(ZOR_WERROR)
        target_compile_options(zor_options INTERFACE -Werror)
    endif()
endif()

if(WIN32)
    # One .exe that needs nothing but Windows: static C and C++ runtimes and winpthreads.
    target_compile_definitions(zor_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
    target_link_options(zor_options INTERFACE -static -static-libgcc -static-libstdc++)
elseif(ZOR_SANITIZE)
    set(ZOR_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_compile_options(zor_options INTERFACE ${ZOR_SANITIZER_FLAGS})
    target_link_options(zor_options INTERFACE ${ZOR_SANITIZER_FLAGS})
endif()

# Sources of a folder, picked up as files are added.
function(zor_sources out)
    set(all)
    foreach(dir IN LISTS ARGN)
        file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp)
        list(APPEND all ${found})
    endforeach()
    set(${out} ${all} PARENT_SCOPE)
endfunction()
