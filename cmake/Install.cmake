# Where `cmake --install` puts Vorbix: the programs in bin/, the files the programs ship with in
# share/vorbix/ (an installed program copies them into the user's program folder), and the
# desktop integration where desktops look for it.
include(GNUInstallDirs)

# The maintainer of the package and its changelog: VORBIX_MAINTAINER, else the git identity of
# the tree being packaged.
if(NOT DEFINED VORBIX_MAINTAINER)
    execute_process(COMMAND git config user.name WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        OUTPUT_VARIABLE git_name OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    execute_process(COMMAND git config user.email WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        OUTPUT_VARIABLE git_email OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(git_name STREQUAL "" OR git_email STREQUAL "")
        set(git_name "Vorbix maintainers")
        set(git_email "root@localhost")
    endif()
    set(VORBIX_MAINTAINER "${git_name} <${git_email}>")
endif()

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(vorbix_programs vorbixctl vorbix-rxsim)
if(VORBIX_BUILD_UI)
    list(APPEND vorbix_programs vorbix)
endif()
install(TARGETS ${vorbix_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(shipped_dir ${CMAKE_INSTALL_DATADIR}/vorbix)
file(GLOB shipped_files CONFIGURE_DEPENDS ${VORBIX_DATA_DIR}/*.lng ${VORBIX_DATA_DIR}/*.def)
install(FILES ${shipped_files} DESTINATION ${shipped_dir})
install(DIRECTORY ${VORBIX_DATA_DIR}/Help ${VORBIX_DATA_DIR}/Sounds ${VORBIX_DATA_DIR}/Examples
    DESTINATION ${shipped_dir})

# Files that carry the version, and manual pages compressed as Debian wants them.
set(install_data ${VORBIX_DATA_DIR}/install)
set(generated ${CMAKE_BINARY_DIR}/install)
configure_file(${install_data}/${VORBIX_APP_ID}.metainfo.xml ${generated}/${VORBIX_APP_ID}.metainfo.xml @ONLY)
set(manual_pages vorbix.1 vorbixctl.1 vorbix-rxsim.1)
set(compressed_pages)
foreach(page IN LISTS manual_pages)
    configure_file(${install_data}/${page} ${generated}/${page} @ONLY)
    add_custom_command(OUTPUT ${generated}/${page}.gz
        COMMAND gzip -9 -n -c ${generated}/${page} > ${generated}/${page}.gz
        DEPENDS ${generated}/${page} ${install_data}/${page}
        VERBATIM)
    list(APPEND compressed_pages ${generated}/${page}.gz)
endforeach()
configure_file(${install_data}/changelog ${generated}/changelog @ONLY)
add_custom_command(OUTPUT ${generated}/changelog.gz
    COMMAND gzip -9 -n -c ${generated}/changelog > ${generated}/changelog.gz
    DEPENDS ${generated}/changelog ${install_data}/changelog
    VERBATIM)
add_custom_target(vorbix_install_files ALL DEPENDS ${compressed_pages} ${generated}/changelog.gz)

install(FILES ${compressed_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${install_data}/${VORBIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${VORBIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${install_data}/vorbixctl.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vorbixctl)
install(FILES ${VORBIX_DATA_DIR}/vorbix.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${VORBIX_DATA_DIR}/icons/png/vorbix-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME vorbix.png)
endforeach()
install(FILES ${install_data}/copyright ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vorbix)
install(FILES ${install_data}/vorbix-bridge@.service DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vorbix/examples)
