# Run by cpack (CPACK_PRE_BUILD_SCRIPTS) on the staged tree before it packs the .deb: what
# Debian's policy asks of a package beyond `cmake --install`. The manual pages are compressed
# (gzip -9n: no name or time stamp, so the same tree packs to the same bytes), and the
# package's changelog (native, so changelog.gz) and machine-readable copyright file go beside
# the user guide.
file(GLOB_RECURSE zan_staged_pages "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.1")
foreach(page IN LISTS zan_staged_pages)
    execute_process(COMMAND gzip -9 -n -f "${page}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(GLOB_RECURSE zan_staged_guide "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*user-guide.md")
get_filename_component(zan_doc "${zan_staged_guide}" DIRECTORY)
file(COPY "${CPACK_ZAN_DEBIAN_DIR}/copyright" DESTINATION "${zan_doc}")
file(COPY "${CPACK_ZAN_DEBIAN_DIR}/changelog" DESTINATION "${zan_doc}")
execute_process(COMMAND gzip -9 -n -f "${zan_doc}/changelog" COMMAND_ERROR_IS_FATAL ANY)
