# arvex_library(name DIR dir [DEPS ...]): one static library of every .cpp below dir.
# Sources are globbed so that each area can add files without touching the build.
function(arvex_library name)
  cmake_parse_arguments(A "" "DIR" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${A_DIR}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "/main\\.cpp$")
  if(NOT srcs)
    set(srcs ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPS})
endfunction()

# arvex_test_dirs(root DEPS ...): one test program per folder below root that holds *_test.cpp
# files, named after the folder (tests/engine/model -> test_engine_model).
function(arvex_test_dirs root)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE tests CONFIGURE_DEPENDS ${root}/*_test.cpp)
  set(dirs "")
  foreach(t ${tests})
    get_filename_component(d ${t} DIRECTORY)
    list(APPEND dirs ${d})
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  foreach(d ${dirs})
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${d})
    string(REPLACE "/" "_" name ${rel})
    string(REGEX REPLACE "^tests_" "test_" name ${name})
    file(GLOB srcs CONFIGURE_DEPENDS ${d}/*.cpp)
    add_executable(${name} ${srcs})
    add_dependencies(${name} arvex_resources)
    # Beside the program, so that tests find its fonts and language files as it does.
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${A_DEPS} testsupport GTest::gtest_main GTest::gmock)
    arvex_quick_compile(${name})
    # A test program's files compiled a batch at a time: each file alone parses the same test,
    # Qt and engine headers again, which was most of the suite's build time. Helpers in a
    # file's unnamed namespace therefore need names of their own within the folder.
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 16)
    # Scripted replies name only the fields they set and leave the rest at their defaults.
    target_compile_options(${name} PRIVATE -Wno-missing-field-initializers)
    target_compile_definitions(${name} PRIVATE
      ARVEX_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ARVEX_BINARY_DIR="${CMAKE_BINARY_DIR}")
    # One entry per program: a process per test case would spend most of the suite's time
    # starting the sanitizers and Qt again for every case.
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1 WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endforeach()
endfunction()

# Under the sanitizers optimising the checks' own code (tests, benchmarks) triples its compile
# time and buys nothing: the libraries they exercise stay optimised.
function(arvex_quick_compile target)
  if(ARVEX_SANITIZE)
    target_compile_options(${target} PRIVATE -O0)
  endif()
endfunction()
