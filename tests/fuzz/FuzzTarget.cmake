# add_zelm_fuzz_target(NAME <Target>Fuzz SOURCES ... [LIBRARIES ...] [INCLUDES ...])
#
# One fuzz target: a source defining LLVMFuzzerTestOneInput, its seed corpus in corpus/<Target>/
# and the crashes it once found in crashes/<Target>/. The normal build makes a replay program that
# runs every file of both folders through the target once, registered as a ctest test. A build with
# -DZELM_FUZZ=ON and clang++ makes the real libFuzzer program instead (see README.md).
set(ZELM_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
if(NOT TARGET zelm_fuzzers)
  add_custom_target(zelm_fuzzers)
endif()

function(add_zelm_fuzz_target)
  cmake_parse_arguments(FUZZ "" "NAME" "SOURCES;LIBRARIES;INCLUDES" ${ARGN})
  string(REGEX REPLACE "Fuzz$" "" corpus_name ${FUZZ_NAME})
  set(corpus ${ZELM_FUZZ_DIR}/corpus/${corpus_name})
  set(crashes ${ZELM_FUZZ_DIR}/crashes/${corpus_name})
  if(ZELM_FUZZ)
    add_executable(${FUZZ_NAME} ${FUZZ_SOURCES})
    target_link_options(${FUZZ_NAME} PRIVATE -fsanitize=fuzzer,address,undefined)
    add_dependencies(zelm_fuzzers ${FUZZ_NAME})
    set(program ${FUZZ_NAME})
  else()
    set(program ${FUZZ_NAME}Replay)
    add_executable(${program} ${FUZZ_SOURCES} ${ZELM_FUZZ_DIR}/FuzzReplayMain.cpp)
    add_test(NAME ${program} COMMAND ${program} ${corpus} ${crashes})
  endif()
  target_include_directories(${program} PRIVATE ${FUZZ_INCLUDES})
  target_link_libraries(${program} PRIVATE ${FUZZ_LIBRARIES})
endfunction()
