# Plants one include a case in an otherwise empty tree and runs the layer
# check on it: each include that crosses a layer must fail the check, and
# each allowed one must pass.
#   cmake -DCHECK=<CheckLayers.cmake> -DWORK=<scratch folder> -P LayerCheckTest.cmake

# folder|include|expected (fail or pass)
set(cases
    "src/module|#include \"ui/MainWindow.h\"|fail"
    "src/module|#include \"cli/Dump.h\"|fail"
    "src/module|#include <app/ModelSnapshot.h>|fail"
    "src/module|#include \"../app/ModelSnapshot.h\"|fail"
    "src/module|#include \"../../src/app/ModelSnapshot.h\"|fail"
    "src/module|#include \"sim/ModuleDevice.h\"|fail"
    "src/jobs|#include \"external/ToolRun.h\"|fail"
    "src/external|#include \"jobs/Readers.h\"|fail"
    "src/app|#include <QtCore/QString>|fail"
    "src/ui/logic|#include <QtCore/QString>|fail"
    "src/ui/logic|#include \"ui/MainWindow.h\"|fail"
    "src/ui/logic|#include \"cli/Dump.h\"|fail"
    "src/cli|#include \"ui/logic/ListTexts.h\"|fail"
    "src/cli|#include <QtWidgets/QWidget>|fail"
    "src/cli|#include \"../../sim/ModuleDevice.h\"|fail"
    "src/ui|#include \"cli/Dump.h\"|fail"
    "src/ui|#include \"sim/ModuleDevice.h\"|fail"
    "sim|#include \"module/Exchange.h\"|fail"
    "sim|#include <app/AppSettings.h>|fail"
    "sim|#include <QtCore/QString>|fail"
    "src/module|#include \"link/Serial.h\"|pass"
    "src/app|#include \"external/ToolRun.h\"|pass"
    "src/ui/logic|#include \"app/ModuleSession.h\"|pass"
    "src/cli|#include \"app/ModuleSession.h\"|pass"
    "src/ui|#include \"ui/logic/MainFlows.h\"|pass"
    "src/ui|#include <QtWidgets/QWidget>|pass"
    "sim|#include \"link/SimLineProtocol.h\"|pass"
    "sim|#include \"sim/ModuleDevice.h\"|pass"
    "src/module|#include <fmt/format.h>|pass")

set(failures "")
set(index 0)
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" parts "${case}")
    list(GET parts 0 folder)
    list(GET parts 1 line)
    list(GET parts 2 expected)
    math(EXPR index "${index} + 1")
    set(root ${WORK}/case-${index})
    file(REMOVE_RECURSE ${root})
    file(WRITE ${root}/${folder}/Planted.cpp "${line}\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${root} -P ${CHECK}
                    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
    if(expected STREQUAL "fail" AND result EQUAL 0)
        list(APPEND failures "not caught: ${folder}: ${line}")
    elseif(expected STREQUAL "pass" AND NOT result EQUAL 0)
        list(APPEND failures "refused: ${folder}: ${line}: ${errors}")
    endif()
endforeach()
file(REMOVE_RECURSE ${WORK})

if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "${text}")
endif()
