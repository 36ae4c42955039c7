# Fails when a file reaches a layer above its own or beside it, or Qt where
# Qt has no place.
#   cmake -DROOT=<the repository> -P CheckLayers.cmake
#
# The layers, lowest first: the core (base, link, module, then jobs and
# external side by side, then app), the window's plain logic and the command
# line above it, the window on top. The simulated devices are a peer of the
# host: they see only base and link.
set(rank_base 0)
set(rank_link 1)
set(rank_module 2)
set(rank_jobs 3)
set(rank_external 3)
set(rank_app 4)
set(rank_ui/logic 5)
set(rank_cli 5)
set(rank_ui 6)
set(layers base link module jobs external app ui/logic cli ui)
# Where each layer's files lie, and who may use Qt.
set(folder_sim sim)
foreach(layer ${layers})
    set(folder_${layer} src/${layer})
endforeach()
set(qt_ui TRUE)

if(NOT ROOT)
    message(FATAL_ERROR "CheckLayers: ROOT is not set")
endif()

# The layer an include names, whatever its form: "app/X.h", <app/X.h>,
# "../app/X.h", "../../src/app/X.h"; empty for anything else.
function(included_layer line out)
    set(target "")
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"]")
        set(path "${CMAKE_MATCH_1}")
        string(REGEX REPLACE "^(\\./|\\.\\./)+" "" path "${path}")
        string(REGEX REPLACE "^src/" "" path "${path}")
        if(path MATCHES "^ui/logic/")
            set(target ui/logic)
        elseif(path MATCHES "^(base|link|module|jobs|external|app|cli|ui|sim)/")
            set(target ${CMAKE_MATCH_1})
        endif()
    endif()
    set(${out} "${target}" PARENT_SCOPE)
endfunction()

# Whether a file of `layer` may include `target`.
function(may_include layer target out)
    set(ok FALSE)
    if(target STREQUAL layer)
        set(ok TRUE)
    elseif(layer STREQUAL "sim")
        if(target STREQUAL "base" OR target STREQUAL "link")
            set(ok TRUE)
        endif()
    elseif(target STREQUAL "sim" OR target STREQUAL "cli")
        # The command line is a front end of its own, and the devices a peer.
        set(ok FALSE)
    elseif(rank_${target} LESS rank_${layer})
        # jobs and external stand side by side, and so do cli and the window's logic.
        set(ok TRUE)
    endif()
    set(${out} ${ok} PARENT_SCOPE)
endfunction()

set(faults "")
foreach(layer ${layers} sim)
    file(GLOB_RECURSE files ${ROOT}/${folder_${layer}}/*.h ${ROOT}/${folder_${layer}}/*.cpp)
    foreach(file ${files})
        # The window's folder holds its logic's folder; each file belongs to the deepest.
        if(layer STREQUAL "ui" AND file MATCHES "/src/ui/logic/")
            continue()
        endif()
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line ${includes})
            if(line MATCHES "[<\"](\\.\\./)*(Q[A-Za-z]*|qt[^/]*)(/|>|\")" OR line MATCHES "[<\"]Qt")
                if(NOT qt_${layer})
                    list(APPEND faults "${file}: ${layer} does not use Qt: ${line}")
                endif()
                continue()
            endif()
            included_layer("${line}" target)
            if(target)
                may_include(${layer} ${target} ok)
                if(NOT ok)
                    list(APPEND faults "${file}: ${layer} may not include ${target}: ${line}")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n" text)
    message(FATAL_ERROR "Layer check failed:\n${text}")
endif()
