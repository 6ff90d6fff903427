# Compiles SpandleHelp.chm from the UTF-8 sources in help/.
#
#   cmake -DSOURCE_DIR=<help sources> -DWORK_DIR=<staging folder> -DOUTPUT=<chm file>
#         -DCHMCMD=<chmcmd> -DICONV=<iconv> -P BuildHelp.cmake
#
# The HTML Help viewer reads the table of contents, the index and the project's title in
# the ANSI code page of the help file's language (0x804, code page 936), so every text
# source is converted to GBK in a staging folder first; the pages' charset declaration is
# changed to match. A character that GBK cannot hold fails the build.

foreach(var SOURCE_DIR WORK_DIR OUTPUT CHMCMD ICONV)
  if(NOT ${var})
    message(FATAL_ERROR "BuildHelp.cmake: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

file(GLOB sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
foreach(name ${sources})
  set(in ${SOURCE_DIR}/${name})
  set(out ${WORK_DIR}/${name})
  if(name MATCHES "\\.(htm|html|hhc|hhk|hhp|css)$")
    file(READ ${in} text)
    string(REPLACE "charset=utf-8" "charset=gb2312" text "${text}")
    file(WRITE ${out}.utf8 "${text}")
    execute_process(COMMAND ${ICONV} -f UTF-8 -t CP936 ${out}.utf8
                    OUTPUT_FILE ${out} RESULT_VARIABLE result ERROR_VARIABLE error)
    file(REMOVE ${out}.utf8)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "${name}: cannot convert to GBK: ${error}")
    endif()
  else()
    file(COPY ${in} DESTINATION ${WORK_DIR})
  endif()
endforeach()

execute_process(COMMAND ${CHMCMD} SpandleHelp.hhp WORKING_DIRECTORY ${WORK_DIR}
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
# chmcmd reports a link to a missing file as a warning and still succeeds: treat it as
# an error, so a broken link cannot ship.
if(NOT result EQUAL 0 OR log MATCHES "[Ee]rror|couldn't find|not found"
   OR NOT EXISTS ${WORK_DIR}/SpandleHelp.chm)
  message(FATAL_ERROR "chmcmd failed:\n${log}")
endif()
file(COPY_FILE ${WORK_DIR}/SpandleHelp.chm ${OUTPUT})
