# The help pages that ship with the program: copied beside every executable that shows them,
# and installed below share/clipwise.

set(CLIPWISE_HELP_DIR ${CMAKE_SOURCE_DIR}/Help)

# Copies Help/ into a Help folder beside the target's executable whenever a page changes.
#   clipwise_copy_help(<target>)
function(clipwise_copy_help target)
    file(GLOB_RECURSE pages CONFIGURE_DEPENDS ${CLIPWISE_HELP_DIR}/*)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}-help.stamp)
    add_custom_command(
        OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -E rm -rf $<TARGET_FILE_DIR:${target}>/Help
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${CLIPWISE_HELP_DIR}
                $<TARGET_FILE_DIR:${target}>/Help
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${pages}
        COMMENT "Copying the help pages beside ${target}"
        VERBATIM)
    add_custom_target(${target}-help DEPENDS ${stamp})
    add_dependencies(${target} ${target}-help)
endfunction()

install(DIRECTORY ${CLIPWISE_HELP_DIR}/ DESTINATION share/clipwise/Help)
