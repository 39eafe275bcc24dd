# wine_gtest_discover(target): registers a GoogleTest program of the cross
# build with ctest, listing its tests under Wine when ctest runs (not at build
# time, which needs no Wine session). CMake 3.25's own PRE_TEST mode
# overwrites its generated include file with one that includes itself on any
# reconfigure, so the include file is generated here under a name of our own.
include(GoogleTest)

function(wine_gtest_discover target)
  cmake_parse_arguments(ARG "" "TIMEOUT" "" ${ARGN})
  set(base "${CMAKE_CURRENT_BINARY_DIR}/${target}")
  set(tests_file "${base}_tests.cmake")
  get_property(emulator TARGET ${target} PROPERTY CROSSCOMPILING_EMULATOR)
  string(CONCAT content
    "if(EXISTS \"$<TARGET_FILE:${target}>\")\n"
    "  if(NOT EXISTS \"${tests_file}\" OR\n"
    "     NOT \"${tests_file}\" IS_NEWER_THAN \"$<TARGET_FILE:${target}>\")\n"
    "    include(\"${_GOOGLETEST_DISCOVER_TESTS_SCRIPT}\")\n"
    "    gtest_discover_tests_impl(\n"
    "      TEST_EXECUTABLE [==[$<TARGET_FILE:${target}>]==]\n"
    "      TEST_EXECUTOR [==[${emulator}]==]\n"
    "      TEST_WORKING_DIR [==[${CMAKE_CURRENT_BINARY_DIR}]==]\n"
    "      TEST_EXTRA_ARGS [==[]==]\n"
    "      TEST_PROPERTIES [==[TIMEOUT;${ARG_TIMEOUT}]==]\n"
    "      TEST_PREFIX [==[]==]\n"
    "      TEST_SUFFIX [==[]==]\n"
    "      TEST_FILTER [==[]==]\n"
    "      NO_PRETTY_TYPES [==[FALSE]==]\n"
    "      NO_PRETTY_VALUES [==[FALSE]==]\n"
    "      TEST_LIST [==[${target}_TESTS]==]\n"
    "      CTEST_FILE [==[${tests_file}]==]\n"
    "      TEST_DISCOVERY_TIMEOUT [==[60]==]\n"
    "      TEST_XML_OUTPUT_DIR [==[]==]\n"
    "    )\n"
    "  endif()\n"
    "  include(\"${tests_file}\")\n"
    "else()\n"
    "  add_test(${target}_NOT_BUILT ${target}_NOT_BUILT)\n"
    "endif()\n")
  file(GENERATE OUTPUT "${base}_discover.cmake" CONTENT "${content}")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${base}_discover.cmake")
endfunction()
