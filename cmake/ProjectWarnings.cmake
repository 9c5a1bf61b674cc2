# Our own targets build with every common warning as an error; Qt's headers
# are system headers and stay out of it.
function(zerubino_strict_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
    # Texts shown to the pupil are Japanese: no silent Latin-1 conversions.
    target_compile_definitions(${target} PRIVATE
        QT_NO_CAST_FROM_ASCII
        QT_NO_CAST_TO_ASCII
        QT_NO_URL_CAST_FROM_STRING
        QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
endfunction()

# zerubino_library(<name> <files...> LINKS <libraries...>)
# A static library of the files of its own folder; its users include them by
# bare name and get its links with it.
function(zerubino_library name)
    cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
    add_library(${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
    zerubino_strict_warnings(${name})
endfunction()
