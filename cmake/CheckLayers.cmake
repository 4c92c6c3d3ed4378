# Fails when a source under ROOT includes a header of a layer above its own,
# includes the composition root from outside it, or when one feature
# includes another feature's header other than its record.
#   cmake -DROOT=<src folder> -P CheckLayers.cmake
# Layers, bottom first; folders on one line are peers.
cmake_minimum_required(VERSION 3.20)
set(layers
  "storage"
  "backup ui"
  "report"
  "resultlist"
  "checks access register customers receipts"
  "summaries export"
  "app")
set(features checks access register customers receipts)
# What another feature may read of one: its record.
set(record_headers
  "register/RegisterRecord.h"
  "customers/CustomerRecord.h"
  "receipts/ReceiptRecord.h")

set(level 0)
foreach(peers IN LISTS layers)
  string(REPLACE " " ";" peer_list "${peers}")
  foreach(folder IN LISTS peer_list)
    set(level_of_${folder} ${level})
  endforeach()
  math(EXPR level "${level} + 1")
endforeach()

file(GLOB_RECURSE sources RELATIVE "${ROOT}" "${ROOT}/*.h" "${ROOT}/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" from "${source}")
  if(NOT DEFINED level_of_${from})
    list(APPEND faults "${source}: folder ${from} has no layer")
    continue()
  endif()
  file(STRINGS "${ROOT}/${source}" includes REGEX "^#include \"[^\"]+/[^\"]+\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    string(REGEX MATCH "^[^/]+" to "${header}")
    if(NOT DEFINED level_of_${to} OR to STREQUAL from)
      continue()
    endif()
    if(to STREQUAL "app")
      list(APPEND faults "${source}: includes ${header}, the composition root")
    elseif(level_of_${to} GREATER level_of_${from})
      list(APPEND faults "${source}: includes ${header} from the layer above (${to} over ${from})")
    elseif(from IN_LIST features AND to IN_LIST features AND NOT header IN_LIST record_headers)
      list(APPEND faults "${source}: feature ${from} includes ${header} of feature ${to}")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  list(LENGTH faults wrong)
  message(FATAL_ERROR "Includes against the layers (${wrong}):\n${text}")
endif()
list(LENGTH sources count)
message(STATUS "Layers hold in ${count} files.")
