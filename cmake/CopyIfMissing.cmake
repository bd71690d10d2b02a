# cmake -DSRC=... -DDST=... -P CopyIfMissing.cmake: copies SRC to DST unless DST exists.
if(NOT EXISTS "${DST}" AND EXISTS "${SRC}")
  configure_file("${SRC}" "${DST}" COPYONLY)
  message(STATUS "Example file placed at ${DST}")
endif()
