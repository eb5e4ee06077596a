# Warnings and sanitizers for every target of the project.
function(tormo_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(TORMO_ASAN)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# One static library per folder: tormo_library(name SOURCES ... DEPS ...)
function(tormo_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  tormo_target_options(${name})
  if(TORMO_ASAN)
    target_link_options(${name} INTERFACE -fsanitize=address,undefined)
  endif()
endfunction()

# One GoogleTest binary per folder, registered with CTest. NO_MAIN leaves out
# gtest_main for a binary that brings its own main() (a Qt application object).
function(tormo_test name)
  cmake_parse_arguments(ARG "NO_MAIN" "" "SOURCES;DEPS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock)
  if(NOT ARG_NO_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  tormo_target_options(${name})
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "LC_ALL=C.UTF-8;LANG=C.UTF-8;TZ=UTC;${ARG_ENV}")
endfunction()
