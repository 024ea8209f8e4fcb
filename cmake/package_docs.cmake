# Writes the package's manual page and changelog, gzip'd as Debian keeps them. The page's
# synopsis is the usage text of the built program, so the two cannot drift apart.
# Run as: cmake -DPROGRAM=... -DSOURCE=<packaging folder> -DVERSION=... -DOUTPUT=<folder> -P package_docs.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE USAGE RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()
string(STRIP "${USAGE}" USAGE)
# The synopsis heading says what "usage:" says; the command lines move left by as much (the
# lists after them, such as the report names, keep their own indent).
string(REGEX REPLACE "^usage: " "" USAGE "${USAGE}")
string(REGEX MATCH "^.*\n +corravin --version[^\n]*" commandLines "${USAGE}")
string(LENGTH "${commandLines}" commandLinesLength)
string(SUBSTRING "${USAGE}" ${commandLinesLength} -1 lists)
string(REPLACE "\n       " "\n" commandLines "${commandLines}")
set(USAGE "${commandLines}${lists}")
# troff reads a backslash as an escape and a plain hyphen as a dash that cannot be typed.
string(REPLACE "\\" "\\e" USAGE "${USAGE}")
string(REPLACE "-" "\\-" USAGE "${USAGE}")
configure_file(${SOURCE}/corravin.1.in ${OUTPUT}/corravin.1 @ONLY)

# -n leaves out the name and time, so the same input gives the same file.
execute_process(COMMAND gzip -9n -c ${OUTPUT}/corravin.1 OUTPUT_FILE ${OUTPUT}/corravin.1.gz COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND gzip -9n -c ${SOURCE}/changelog OUTPUT_FILE ${OUTPUT}/changelog.Debian.gz
                COMMAND_ERROR_IS_FATAL ANY)
