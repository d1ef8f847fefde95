# The layers: each folder below src/, the library it belongs to and the folders it may include.
function(qvr_layer folder)
  # PARTS (the sub-folders of the layer) is read by scripts/check-includes.sh alone.
  cmake_parse_arguments(ARG "" "LIBRARY" "USES;LINKS;PARTS" ${ARGN})
  set_property(GLOBAL APPEND PROPERTY QVR_LAYER_FOLDERS ${folder})
  set_property(GLOBAL PROPERTY QVR_LAYER_LIBRARY_${folder} ${ARG_LIBRARY})
  set_property(GLOBAL PROPERTY QVR_LAYER_USES_${folder} ${ARG_USES})
  set_property(GLOBAL PROPERTY QVR_LAYER_LINKS_${folder} ${ARG_LINKS})
endfunction()
# Read by scripts/check-includes.sh only: what a test folder's files are built with.
function(qvr_test_folder)
endfunction()
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)

# The folders below src/platform that make libraries of their own: the platform base's sources and tests
# leave them out.
set(QVR_PLATFORM_LAYER_EXCLUDES "")
get_property(qvr_layer_folders GLOBAL PROPERTY QVR_LAYER_FOLDERS)
foreach(folder IN LISTS qvr_layer_folders)
  get_property(library GLOBAL PROPERTY QVR_LAYER_LIBRARY_${folder})
  if(folder MATCHES "^platform/" AND NOT library STREQUAL "qvr_platform_base")
    list(APPEND QVR_PLATFORM_LAYER_EXCLUDES /${folder}/)
  endif()
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

# qvr_layer_library(NAME [DEPS target...]): the library of the folders that cmake/Layers.cmake declares
# for NAME, without the sub-folders declared for other libraries, linked to the libraries of the folders
# they use.
function(qvr_layer_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  get_property(folders GLOBAL PROPERTY QVR_LAYER_FOLDERS)
  set(dirs "")
  set(excludes "")
  set(deps ${ARG_DEPS})
  foreach(folder IN LISTS folders)
    get_property(library GLOBAL PROPERTY QVR_LAYER_LIBRARY_${folder})
    if(NOT library STREQUAL name)
      continue()
    endif()
    list(APPEND dirs ${PROJECT_SOURCE_DIR}/src/${folder})
    get_property(links GLOBAL PROPERTY QVR_LAYER_LINKS_${folder})
    list(APPEND deps ${links})
    get_property(uses GLOBAL PROPERTY QVR_LAYER_USES_${folder})
    foreach(used IN LISTS uses)
      get_property(used_library GLOBAL PROPERTY QVR_LAYER_LIBRARY_${used})
      if(used_library AND NOT used_library STREQUAL name)
        list(APPEND deps ${used_library})
      endif()
    endforeach()
    foreach(other IN LISTS folders)
      get_property(other_library GLOBAL PROPERTY QVR_LAYER_LIBRARY_${other})
      if(other MATCHES "^${folder}/" AND NOT other_library STREQUAL name)
        list(APPEND excludes /src/${other}/)
      endif()
    endforeach()
  endforeach()
  if(NOT dirs)
    message(FATAL_ERROR "cmake/Layers.cmake declares no folder for ${name}")
  endif()
  list(REMOVE_DUPLICATES deps)
  qvr_folder_library(${name} DIRS ${dirs} EXCLUDE ${excludes} DEPS ${deps})
  qvr_link_check(${name})
endfunction()

# qvr_link_check(NAME): links every object of the static library NAME, with nothing but the libraries it
# declares, into a program of its own, so that a call into a library above it (which only a program
# linking both would resolve) fails to link. Every layer's library has one; the program is built with
# everything and never run (the fuzz build, whose objects need the fuzzer's runtime, makes none).
function(qvr_link_check name)
  get_target_property(type ${name} TYPE)
  if(NOT type STREQUAL "STATIC_LIBRARY" OR QVR_FUZZ)
    return()
  endif()
  set(main ${CMAKE_BINARY_DIR}/link_check_main.cpp)
  if(NOT EXISTS ${main})
    file(WRITE ${main} "int main() { return 0; }\n")
  endif()
  add_executable(${name}_link_check ${main})
  target_link_libraries(${name}_link_check PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${name}>")
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
