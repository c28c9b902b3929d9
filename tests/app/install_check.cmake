# The installed tree and the Debian package hold what a user needs: both programs, their
# manual pages, the user guide, the desktop entry with its icon, MIME type and AppStream
# metadata, all pointing at each other; and zan-report runs from where it was put.
#
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DGUI=ON|OFF -DAPPSTREAM_ID=...
#         -DCHECK=install|package [-DAPPSTREAMCLI=...] [-DWEB_PAGE=zan-design.html]
#         -P install_check.cmake

cmake_minimum_required(VERSION 3.25)

foreach(var BUILD_DIR SOURCE_DIR WORK_DIR GUI APPSTREAM_ID CHECK)
    if("${${var}}" STREQUAL "")
        message(FATAL_ERROR "install_check: ${var} is not set")
    endif()
endforeach()

set(guide share/doc/zan-thickness-design/user-guide.md)
set(expected bin/zan-report share/man/man1/zan-report.1 ${guide})
# The guide in every other language it is written in, beside the English one.
file(GLOB translated_guides RELATIVE ${SOURCE_DIR}/docs ${SOURCE_DIR}/docs/user-guide.*.md)
foreach(translated IN LISTS translated_guides)
    list(APPEND expected share/doc/zan-thickness-design/${translated})
endforeach()
if(GUI)
    list(APPEND expected bin/zan-design share/man/man1/zan-design.1
         share/applications/zan-design.desktop share/icons/hicolor/scalable/apps/zan-design.svg
         share/mime/packages/zan-design-def.xml share/metainfo/${APPSTREAM_ID}.metainfo.xml)
endif()
set(web_page share/zan-design/zan-design.html)
if(WEB_PAGE)
    list(APPEND expected ${web_page})
endif()

function(run_or_fail)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "install_check: '${ARGN}' failed (${status}):\n${out}\n${err}")
    endif()
    set(run_output "${out}" PARENT_SCOPE)
endfunction()

# zan-report answers --help from the tree, and the tree holds exactly the expected files.
function(check_tree root)
    foreach(file IN LISTS expected)
        if(NOT EXISTS ${root}/${file})
            message(FATAL_ERROR "install_check: ${file} is missing under ${root}")
        endif()
    endforeach()
    file(GLOB_RECURSE present RELATIVE ${root} ${root}/*)
    list(SORT present)
    set(wanted ${expected})
    list(SORT wanted)
    if(NOT present STREQUAL wanted)
        message(FATAL_ERROR "install_check: ${root} holds\n  ${present}\ninstead of\n  ${wanted}")
    endif()
    run_or_fail(${root}/bin/zan-report --help)
    if(NOT run_output MATCHES "--summary")
        message(FATAL_ERROR "install_check: the installed zan-report is not this one")
    endif()
    file(READ ${root}/${guide} installed)
    file(READ ${SOURCE_DIR}/docs/user-guide.md written)
    if(NOT installed STREQUAL written)
        message(FATAL_ERROR "install_check: ${guide} is not docs/user-guide.md")
    endif()
    if(WEB_PAGE)
        file(SHA256 ${root}/${web_page} installed)
        file(SHA256 ${WEB_PAGE} built)
        if(NOT installed STREQUAL built)
            message(FATAL_ERROR "install_check: ${web_page} is not ${WEB_PAGE}")
        endif()
    endif()
    if(GUI)
        check_desktop_files(${root})
    endif()
endfunction()

function(require_line file line)
    file(STRINGS ${file} lines)
    if(NOT line IN_LIST lines)
        message(FATAL_ERROR "install_check: ${file} lacks the line '${line}'")
    endif()
endfunction()

# The desktop entry opens data files of the installed MIME type, and the AppStream metadata
# launches that entry and provides the programs and the type the tree holds.
function(check_desktop_files root)
    set(desktop ${root}/share/applications/zan-design.desktop)
    require_line(${desktop} "Exec=zan-design %f")
    require_line(${desktop} "MimeType=application/x-zan-def;")
    file(READ ${root}/share/mime/packages/zan-design-def.xml mime)
    file(READ ${root}/share/metainfo/${APPSTREAM_ID}.metainfo.xml metainfo)
    string(FIND "${metainfo}" "<id>${APPSTREAM_ID}</id>" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "install_check: the metainfo file is not named after its id")
    endif()
    string(REGEX MATCHALL "<launchable type=\"desktop-id\">[^<]*" launchables "${metainfo}")
    string(REGEX MATCHALL "<binary>[^<]*" binaries "${metainfo}")
    string(REGEX MATCHALL "<mediatype>[^<]*" mediatypes "${metainfo}")
    list(TRANSFORM launchables REPLACE ".*>" "share/applications/")
    list(TRANSFORM binaries REPLACE ".*>" "bin/")
    list(TRANSFORM mediatypes REPLACE ".*>" "")
    if(NOT binaries STREQUAL "bin/zan-design;bin/zan-report" OR NOT launchables
       OR NOT mediatypes STREQUAL "application/x-zan-def")
        message(FATAL_ERROR "install_check: the metainfo file provides ${binaries} ${mediatypes}"
                            " and launches ${launchables}")
    endif()
    foreach(file IN LISTS launchables binaries)
        if(NOT EXISTS ${root}/${file})
            message(FATAL_ERROR "install_check: the metainfo file names ${file}, not installed")
        endif()
    endforeach()
    if(NOT mime MATCHES "<mime-type type=\"${mediatypes}\">")
        message(FATAL_ERROR "install_check: the MIME package does not define ${mediatypes}")
    endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

if(CHECK STREQUAL "install")
    run_or_fail(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
    check_tree(${WORK_DIR}/prefix)
elseif(CHECK STREQUAL "package")
    run_or_fail(${CMAKE_CPACK_COMMAND} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake
                -B ${WORK_DIR})
    file(GLOB packages ${WORK_DIR}/*.deb)
    list(LENGTH packages count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "install_check: cpack made ${count} packages: ${packages}")
    endif()
    run_or_fail(dpkg-deb --field ${packages} Package Depends)
    if(NOT run_output MATCHES "Package: zan-thickness-design")
        message(FATAL_ERROR "install_check: wrong package name:\n${run_output}")
    endif()
    set(libraries libc6 libstdc\\+\\+6)
    if(GUI)
        list(APPEND libraries libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6)
    endif()
    foreach(library IN LISTS libraries)
        if(NOT run_output MATCHES "Depends:.*${library}")
            message(FATAL_ERROR "install_check: the package does not depend on ${library}:\n"
                                "${run_output}")
        endif()
    endforeach()
    run_or_fail(dpkg-deb --extract ${packages} ${WORK_DIR}/root)
    # As Debian's policy has it: manual pages compressed, a changelog and a copyright file.
    list(TRANSFORM expected REPLACE "[.]1$" ".1.gz")
    list(APPEND expected share/doc/zan-thickness-design/changelog.gz
         share/doc/zan-thickness-design/copyright)
    check_tree(${WORK_DIR}/root/usr)
    if(GUI)
        # The metadata read together with the desktop entry beside it, as a distribution's
        # metadata generator reads the package (it looks under usr/ of the root it is given).
        run_or_fail(${APPSTREAMCLI} validate-tree --no-net --pedantic ${WORK_DIR}/root)
        if(run_output MATCHES "(^|\n) *[EWI]: ")
            message(FATAL_ERROR "install_check: appstreamcli finds fault with the package:\n"
                                "${run_output}")
        endif()
    endif()
else()
    message(FATAL_ERROR "install_check: CHECK is install or package, not ${CHECK}")
endif()
