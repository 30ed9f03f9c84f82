# The layers above platform/qt must build without Qt: refuse the build when a
# Qt header is included anywhere else.
file(GLOB_RECURSE _tavrel_sources
  ${CMAKE_SOURCE_DIR}/core/* ${CMAKE_SOURCE_DIR}/functions/* ${CMAKE_SOURCE_DIR}/tape/*
  ${CMAKE_SOURCE_DIR}/platform/* ${CMAKE_SOURCE_DIR}/ui/* ${CMAKE_SOURCE_DIR}/app/*
  ${CMAKE_SOURCE_DIR}/cli/* ${CMAKE_SOURCE_DIR}/tests/* ${CMAKE_SOURCE_DIR}/bench/*
  ${CMAKE_SOURCE_DIR}/fuzz/*)
foreach(_f IN LISTS _tavrel_sources)
  if(_f MATCHES "/platform/qt/" OR _f MATCHES "/tests/qt/" OR _f MATCHES "/bench/qt/")
    continue()
  endif()
  if(NOT _f MATCHES "\\.(h|hpp|cpp|cc)$")
    continue()
  endif()
  file(STRINGS ${_f} _hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q[A-Za-z]")
  if(_hits)
    message(FATAL_ERROR "Qt header outside platform/qt: ${_f}: ${_hits}")
  endif()
endforeach()
