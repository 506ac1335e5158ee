# Fails when a framework source includes a header of a room above its own.
# cmake -DROOT=<framework folder> -DLAYERS="core;graphics;..." -P layercheck.cmake
# LAYERS lists the rooms from the bottom up; a room may include its own headers and those of
# the rooms below it.
if(NOT ROOT OR NOT LAYERS)
    message(FATAL_ERROR "usage: cmake -DROOT=<dir> -DLAYERS=<list> -P layercheck.cmake")
endif()

# Which room each header lives in, and each room's rank.
set(rank 0)
foreach(layer IN LISTS LAYERS)
    set(rank_${layer} ${rank})
    file(GLOB headers RELATIVE ${ROOT}/${layer} ${ROOT}/${layer}/*.h)
    foreach(header IN LISTS headers)
        set(room_of_${header} ${layer})
    endforeach()
    math(EXPR rank "${rank} + 1")
endforeach()

set(faults 0)
foreach(layer IN LISTS LAYERS)
    file(GLOB sources ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" included "${line}")
            get_filename_component(name ${included} NAME)
            if(included MATCHES "/")
                message(SEND_ERROR "${source}: include by path \"${included}\"; "
                                   "rooms see each other's headers by name")
                math(EXPR faults "${faults} + 1")
            elseif(DEFINED room_of_${name})
                set(room ${room_of_${name}})
                if(rank_${room} GREATER rank_${layer})
                    message(SEND_ERROR "${source}: ${layer} includes \"${name}\" of ${room}, "
                                       "a room above it")
                    math(EXPR faults "${faults} + 1")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults GREATER 0)
    message(FATAL_ERROR "${faults} include(s) point up a layer")
endif()
message(STATUS "framework layers: no include points up a layer")
