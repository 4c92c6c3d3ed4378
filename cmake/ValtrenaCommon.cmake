# What every target of the project shares.
add_library(valtrena_common INTERFACE)
target_compile_features(valtrena_common INTERFACE cxx_std_20)
target_compile_options(valtrena_common INTERFACE
  -Wall -Wextra -Wold-style-cast -Woverloaded-virtual -Wnon-virtual-dtor)
target_compile_definitions(valtrena_common INTERFACE
  QT_NO_CAST_FROM_ASCII QT_USE_QSTRINGBUILDER QT_NO_CONTEXTLESS_CONNECT)
if(VALTRENA_WERROR)
  target_compile_options(valtrena_common INTERFACE -Werror)
endif()
if(VALTRENA_SANITIZE)
  # Undefined behaviour stops the test that meets it instead of scrolling past.
  target_compile_options(valtrena_common INTERFACE -fsanitize=address,undefined
                         -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(valtrena_common INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=undefined)
endif()
target_include_directories(valtrena_common INTERFACE ${PROJECT_SOURCE_DIR}/src)

# valtrena_library(name SOURCES ... LIBS ...)
function(valtrena_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC valtrena_common ${ARG_LIBS})
endfunction()

# valtrena_test(name SOURCES ... LIBS ...): a Qt Test executable run headless by CTest.
function(valtrena_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE valtrena_common vt_testsupport Qt6::Test ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=it_IT.UTF-8;LC_ALL=C.UTF-8;QT_LOGGING_RULES=qt.qpa.*=false")
endfunction()
target_compile_definitions(valtrena_common INTERFACE VALTRENA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
