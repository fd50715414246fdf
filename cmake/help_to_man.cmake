# Writes a manual page from a program's own --help text, so that the page
# never drifts from the options the program takes. Run as a script:
#   cmake -DPROGRAM=<exe> -DNAME=<name> -DSUMMARY=<one line> -DVERSION=<v>
#         -DSEE_ALSO=<a(1);b(1)> -DOUTPUT=<file.1> -P help_to_man.cmake
# The page has NAME, SYNOPSIS (the help's "Usage:" line), DESCRIPTION (the
# rest of the help, as the program prints it), and SEE ALSO.
foreach(var PROGRAM NAME SUMMARY VERSION OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "help_to_man.cmake: ${var} is not set")
  endif()
endforeach()

execute_process(COMMAND "${PROGRAM}" --help
                OUTPUT_VARIABLE help RESULT_VARIABLE status
                ENCODING UTF-8)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed (${status})")
endif()

# roff: a backslash is written \e, and a line must not start with "." or "'".
function(roff_escape text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

string(REGEX MATCH "^Usage: ([^\n]*)\n" usage_line "${help}")
set(synopsis "${CMAKE_MATCH_1}")
string(LENGTH "${usage_line}" usage_length)
string(SUBSTRING "${help}" ${usage_length} -1 body)
string(STRIP "${body}" body)
if(synopsis STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help has no Usage: line")
endif()
# The program's name in bold, its arguments as they are.
string(REGEX MATCH "^[^ ]+ +(.*)$" arguments "${synopsis}")
set(arguments "${CMAKE_MATCH_1}")
roff_escape("${arguments}" arguments)
roff_escape("${body}" body)
roff_escape("${SUMMARY}" summary)
string(TOUPPER "${NAME}" title)

set(see_also "")
if(SEE_ALSO)
  list(JOIN SEE_ALSO ", " see_also)
  string(REGEX REPLACE "([a-z-]+)\\(([0-9])\\)" "\\\\fB\\1\\\\fR(\\2)" see_also "${see_also}")
endif()

set(page ".TH ${title} 1 \"\" \"Torvik ${VERSION}\" \"User Commands\"
.SH NAME
${NAME} \\- ${summary}
.SH SYNOPSIS
.B ${NAME}
${arguments}
.SH DESCRIPTION
.nf
${body}
.fi
")
if(NOT see_also STREQUAL "")
  string(APPEND page ".SH SEE ALSO\n${see_also}\n")
endif()
file(WRITE "${OUTPUT}" "${page}")
