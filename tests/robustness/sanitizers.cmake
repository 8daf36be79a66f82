# Initial cache for the sanitizer build: cmake -C tests/robustness/sanitizers.cmake -S . -B build-asan
# Every target, the Qt window and its tests included, is built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any finding aborts the program, so the test that ran it fails.
# clang, because the fuzz targets need its libFuzzer and are built in the same folder.
set(CMAKE_C_COMPILER clang CACHE STRING "")
set(CMAKE_CXX_COMPILER clang++ CACHE STRING "")
set(CMAKE_BUILD_TYPE Debug CACHE STRING "")
set(sanitizers "-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer")
set(CMAKE_C_FLAGS "${sanitizers}" CACHE STRING "")
set(CMAKE_CXX_FLAGS "${sanitizers}" CACHE STRING "")
set(CMAKE_EXE_LINKER_FLAGS "-fsanitize=address,undefined" CACHE STRING "")
set(CMAKE_SHARED_LINKER_FLAGS "-fsanitize=address,undefined" CACHE STRING "")
set(FARB_BUILD_BENCHMARKS OFF CACHE BOOL "")
set(FARB_BUILD_FUZZERS ON CACHE BOOL "")
