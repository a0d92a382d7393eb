# Fails when an include climbs the layers. Run as a test:
#   cmake -DROOT=<source tree> -P CheckLayers.cmake
# Qt belongs to platform/ui and the window folders; nothing below the windows includes a
# window folder; the platform, also its windowing layer, knows nothing of the core; the core
# nothing of the model, the model nothing of the evaluation or the run-time modules. At the
# top, app/ (shell and document) knows no dialog or page, the dialogs know no page, and only
# the program in app/main knows them all.
if(NOT ROOT)
    message(FATAL_ERROR "CheckLayers.cmake: ROOT is not set")
endif()
get_filename_component(ROOT "${ROOT}" ABSOLUTE)

set(window_folders "app/|pages/|dialogs/|controls/|platform/ui/")
set(above_core "model/|evaluation/|solar/|regio/|${window_folders}")
# folder -> the include prefixes it must not use
set(rule_platform "${above_core}|core/")
# The windowing layer sits on the platform: Qt and the rest of platform/, nothing above.
set(rule_platform_ui "model/|evaluation/|solar/|regio/|app/|pages/|dialogs/|controls/|core/")
set(rule_core "${above_core}")
set(rule_model "evaluation/|solar/|regio/|${window_folders}")
set(rule_evaluation "solar/|regio/|${window_folders}")
set(rule_solar "evaluation/|regio/|${window_folders}")
set(rule_regio "evaluation/|solar/|${window_folders}")
set(rule_app "pages/|dialogs/")
set(rule_dialogs "pages/")

set(count 0)
foreach(folder IN ITEMS platform core model evaluation solar regio app dialogs)
    file(GLOB_RECURSE files LIST_DIRECTORIES false ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
    foreach(file IN LISTS files)
        file(RELATIVE_PATH rel ${ROOT} ${file})
        set(layer ${folder})
        set(name ${folder})
        if(rel MATCHES "^platform/ui/")
            set(layer platform_ui)
            set(name platform/ui)
        elseif(rel MATCHES "^app/main/")
            # The program on top registers every window.
            continue()
        endif()
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1" target "${line}")
            # A relative path climbs just as well: judge it by what it names.
            string(REGEX REPLACE "^(\\.\\.?/)+" "" target "${target}")
            set(why "")
            if(target MATCHES "^Q[A-Za-z]*(/|$)" AND NOT layer MATCHES "^(platform_ui|app|dialogs)$")
                set(why "Qt outside platform/ui and the window folders")
            elseif(target MATCHES "^(${rule_${layer}})")
                set(why "${name} must not include ${CMAKE_MATCH_1}")
            endif()
            if(why)
                message("${rel}: #include ${target}: ${why}")
                math(EXPR count "${count} + 1")
            endif()
        endforeach()
    endforeach()
endforeach()

if(count GREATER 0)
    message(FATAL_ERROR "${count} climbing includes")
endif()
message("no climbing includes")
