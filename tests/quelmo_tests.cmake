# Each *_test.cpp of a folder becomes one test program, run by CTest.
function(quelmo_add_test_folder)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
    foreach(src ${sources})
        get_filename_component(name ${src} NAME_WE)
        add_executable(${name} ${src})
        target_link_libraries(${name} PRIVATE quelmo_test_support quelmo_test_main ${ARGN})
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=UTC" TIMEOUT 300)
    endforeach()
endfunction()

# A libFuzzer target under AddressSanitizer and UBSan (clang only). The sources it reads are
# compiled into it, so that the fuzzer sees their coverage.
function(quelmo_add_fuzz_target name)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "QUELMO_FUZZ needs clang (CMAKE_CXX_COMPILER=clang++)")
    endif()
    set(flags -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
    add_executable(${name} ${ARGN})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    target_compile_options(${name} PRIVATE ${flags})
    target_link_options(${name} PRIVATE ${flags})
endfunction()
