# Builds the MSI from a folder of installed files, with Debian's wixl:
#   cmake -DFILES=<folder> -DVERSION=<x.y.z> -DICON=<ico> -DOUTPUT=<msi>
#         -P cmake/BuildMsi.cmake
foreach(input FILES VERSION ICON OUTPUT)
    if(NOT DEFINED ${input})
        message(FATAL_ERROR "BuildMsi.cmake needs -D${input}=")
    endif()
endforeach()
find_program(WIXL wixl REQUIRED)
find_program(WIXL_HEAT wixl-heat REQUIRED)
find_program(MSIBUILD msibuild REQUIRED)

# The upgrade code never changes: it is what lets a newer version replace an
# older one and leave one entry in Apps & features. The product code follows
# from the version alone, so that every build of one version is the same
# product to Windows Installer and to Intune.
set(upgrade_code 16d0f0ba-3f97-4bbe-ab82-685a835a5859)
string(UUID product_code NAMESPACE ${upgrade_code} NAME "zerubino ${VERSION}" TYPE SHA1)

get_filename_component(product "${CMAKE_CURRENT_LIST_DIR}/../app/windows/zerubino.wxs" ABSOLUTE)
get_filename_component(output "${OUTPUT}" ABSOLUTE)
set(work "${output}.work")
file(REMOVE_RECURSE "${work}")
# wixl takes only relative paths to the files it packs.
file(MAKE_DIRECTORY "${work}")
file(CREATE_LINK "${FILES}" "${work}/files" SYMBOLIC)
file(COPY_FILE "${ICON}" "${work}/zerubino.ico")

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${work}" "${work}/files/*")
list(SORT installed)
list(JOIN installed "\n" installed)
file(WRITE "${work}/installed.txt" "${installed}\n")
# 64-bit components, as the folder they go to.
execute_process(COMMAND ${WIXL_HEAT} --prefix files/ --directory-ref INSTALLDIR --win64
                        --component-group ProgramFiles --var var.Files
                WORKING_DIRECTORY "${work}" INPUT_FILE "${work}/installed.txt" OUTPUT_FILE "${work}/files.wxs"
                COMMAND_ERROR_IS_FATAL ANY)

# Windows Installer reads the tables' strings in the database's code page,
# and wixl writes them in the code page of the machine's locale, which for
# C.UTF-8 leaves the Japanese names unreadable: it is told Japanese (932)
# both for writing the strings and as the database's code page.
set(ENV{WINDOWS_LANGUAGE} ja)
execute_process(COMMAND ${WIXL} --arch x64 -D Version=${VERSION} -D ProductCode=${product_code}
                        -D UpgradeCode=${upgrade_code} -D Win64=yes -D Files=files -D Icon=zerubino.ico
                        -o product.msi "${product}" files.wxs
                WORKING_DIRECTORY "${work}" COMMAND_ERROR_IS_FATAL ANY)
# The summary's strings (what Explorer shows of the file), though, it
# writes as UTF-8 under any code page, which Windows would read as
# Shift_JIS: they are ASCII, the author too, which wixl takes from the
# product's Japanese manufacturer; and the summary names the package's
# language, which wixl leaves English.
file(WRITE "${work}/_ForceCodepage.idt" "\r\n\r\n932\t_ForceCodepage\r\n")
execute_process(COMMAND ${MSIBUILD} product.msi -i _ForceCodepage.idt -s "Zerubino ${VERSION}" Zerubino "x64;1041"
                WORKING_DIRECTORY "${work}" COMMAND_ERROR_IS_FATAL ANY)

file(RENAME "${work}/product.msi" "${output}")
file(REMOVE_RECURSE "${work}")
