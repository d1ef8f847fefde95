# The platform's layers that are libraries of their own; every other folder below src/platform (sqlite,
# and the base's own files) makes up the platform base. Sources and tests both leave these out of the base.
set(QVR_PLATFORM_LAYERS registry lns ui com)
set(QVR_PLATFORM_LAYER_EXCLUDES "")
foreach(layer IN LISTS QVR_PLATFORM_LAYERS)
  list(APPEND QVR_PLATFORM_LAYER_EXCLUDES /platform/${layer}/)
endforeach()

# Every source folder is one static library; a folder's library is made from all the .cpp files below it
# (sub-folders named in EXCLUDE left out), so adding a file never means editing a build script.

function(qvr_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # GCC 12 reports -Wrestrict falsely for std::string concatenation once it inlines (GCC bug 105329);
  # the warning stays on for every other compiler.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  # Under the sanitizers' instrumentation GCC reports -Wmaybe-uninitialized in library code (std::regex,
  # std::function) that the plain build proves initialised; the plain build keeps the warning.
  if(QVR_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
  endif()
endfunction()

function(qvr_folder_sources out_var)
  cmake_parse_arguments(ARG "" "" "DIRS;EXCLUDE" ${ARGN})
  set(sources "")
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  foreach(pattern IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${pattern}")
  endforeach()
  set(${out_var} ${sources} PARENT_SCOPE)
endfunction()

# qvr_folder_library(NAME DIRS dir... [EXCLUDE regex...] [DEPS target...])
function(qvr_folder_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;EXCLUDE;DEPS" ${ARGN})
  qvr_folder_sources(sources DIRS ${ARG_DIRS} EXCLUDE ${ARG_EXCLUDE})
  if(NOT sources)
    # A folder with headers only so far.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  qvr_warnings(${name})
endfunction()

# qvr_folder_tests(NAME DIRS dir... [EXCLUDE regex...] [DEPS target...] [ENVIRONMENT var=value...])
function(qvr_folder_tests name)
  cmake_parse_arguments(ARG "" "" "DIRS;EXCLUDE;DEPS;ENVIRONMENT" ${ARGN})
  qvr_folder_sources(sources DIRS ${ARG_DIRS} EXCLUDE ${ARG_EXCLUDE})
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} qvr_test_support GTest::gtest_main)
  qvr_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120 PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
endfunction()
