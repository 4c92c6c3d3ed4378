# `cmake --build build --target format` rewrites the project's C++ sources in
# the style of .clang-format. It is never part of the build or of the tests.
find_program(CLANG_FORMAT NAMES clang-format clang-format-14)

set(format_sources)
foreach(folder src tools bench tests)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/${folder}/*.h ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  list(APPEND format_sources ${found})
endforeach()
# The layer checker's sample tree is test data, kept exactly as written.
list(FILTER format_sources EXCLUDE REGEX "/tests/layers/wrong/")

if(CLANG_FORMAT)
  add_custom_target(format
    COMMAND ${CLANG_FORMAT} -i --style=file ${format_sources}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Formatting the sources with ${CLANG_FORMAT}"
    VERBATIM)
else()
  add_custom_target(format
    COMMAND ${CMAKE_COMMAND} -E echo
            "clang-format not found: install the Debian package clang-format to format the sources."
    VERBATIM)
endif()
