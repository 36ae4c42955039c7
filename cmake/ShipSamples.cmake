# Copies the sample custom-data projects into a program folder so that they
# build as they are: a build refuses a project written later than its outputs,
# and a checkout leaves the files' times in any order. The projects keep their
# times; every other file (the design tools' outputs) is then made newer.
#
#   cmake -DFROM=<res/data/samples> -DTO=<folder> [-DSTAMP=<file>] -P ShipSamples.cmake
#
# or include() it with FROM and TO set (the install step does).

if(NOT FROM OR NOT TO)
    message(FATAL_ERROR "ShipSamples.cmake: FROM and TO are required")
endif()
file(REMOVE_RECURSE ${TO})
file(COPY ${FROM}/ DESTINATION ${TO})
file(GLOB_RECURSE shipped LIST_DIRECTORIES false ${TO}/*)
set(outputs)
foreach(file ${shipped})
    if(NOT file MATCHES "\\.([Qq][Xx][Pp]|[Rr][Ss][Cc]|[Aa][Mm][Cc]|md)$")
        list(APPEND outputs ${file})
    endif()
endforeach()
if(outputs)
    file(TOUCH_NOCREATE ${outputs})
endif()
if(STAMP)
    file(TOUCH ${STAMP})
endif()
