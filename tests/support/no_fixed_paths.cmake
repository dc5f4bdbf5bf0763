# Tests write only into their own temporary folders: no test source may name
# a fixed path under /tmp, which two runs at once would share.
file(GLOB_RECURSE sources "${ROOT}/*.cpp" "${ROOT}/*.h")
set(found "")
foreach(source IN LISTS sources)
    file(STRINGS "${source}" lines REGEX "\"/tmp[/\"]")
    foreach(line IN LISTS lines)
        string(APPEND found "${source}: ${line}\n")
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "Fixed paths under /tmp in tests:\n${found}")
endif()
