# Runs at install time: copies the Qt plugins the program loads, and the DLLs
# that it and they load, found among Qt's and the compiler's, into the
# program's folder, stripped. A DLL found in neither place is Windows' own.
set(destination $ENV{DESTDIR}${CMAKE_INSTALL_PREFIX})

function(install_stripped file folder)
    file(INSTALL ${file} DESTINATION ${CMAKE_INSTALL_PREFIX}/${folder})
    get_filename_component(name ${file} NAME)
    execute_process(COMMAND ${ZERUBINO_STRIP} --strip-unneeded ${destination}/${folder}/${name}
                    COMMAND_ERROR_IS_FATAL ANY)
endfunction()

set(plugins ${ZERUBINO_PLUGINS})
set(plugin_files)
while(plugins)
    list(POP_FRONT plugins folder file)
    install_stripped(${file} ${folder})
    list(APPEND plugin_files ${file})
endwhile()

# A DLL is named in lower case where it is looked up, and Windows does not
# mind; Linux does. So the DLLs are looked up through links of lower-case
# names, and each link's own file is installed.
set(links ${ZERUBINO_DLL_LINKS})
file(REMOVE_RECURSE ${links})
file(MAKE_DIRECTORY ${links})
foreach(folder IN LISTS ZERUBINO_DLL_DIRECTORIES)
    file(GLOB dlls ${folder}/*.dll)
    foreach(dll IN LISTS dlls)
        get_filename_component(name ${dll} NAME)
        string(TOLOWER ${name} name)
        if(NOT EXISTS ${links}/${name})
            file(CREATE_LINK ${dll} ${links}/${name} SYMBOLIC)
        endif()
    endforeach()
endforeach()

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${ZERUBINO_OBJDUMP})
file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES ${ZERUBINO_EXECUTABLE}
    MODULES ${plugin_files}
    DIRECTORIES ${links}
    RESOLVED_DEPENDENCIES_VAR dlls
    UNRESOLVED_DEPENDENCIES_VAR windows_dlls)
foreach(link IN LISTS dlls)
    get_filename_component(dll ${link} REALPATH)
    install_stripped(${dll} .)
endforeach()
