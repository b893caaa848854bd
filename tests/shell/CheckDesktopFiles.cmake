# Installs the desktop component into a scratch prefix and checks it as a desktop would: the
# entry validates, the icon sits in the hicolor theme, and the MIME database built from the
# package knows both extensions.
#   cmake -DBUILD=... -DPREFIX=... -P CheckDesktopFiles.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --component desktop --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file applications/clipwise.desktop icons/hicolor/scalable/apps/clipwise.svg
             icons/hicolor/48x48/apps/clipwise.png icons/hicolor/256x256/apps/clipwise.png
             mime/packages/clipwise.xml)
    if(NOT EXISTS ${PREFIX}/share/${file})
        message(FATAL_ERROR "share/${file} was not installed")
    endif()
endforeach()
execute_process(COMMAND desktop-file-validate ${PREFIX}/share/applications/clipwise.desktop
                OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
execute_process(COMMAND update-mime-database ${PREFIX}/share/mime RESULT_VARIABLE rc)
file(READ ${PREFIX}/share/mime/globs2 globs)
foreach(glob "application/x-clipwise-media-index:*.vmi" "application/x-clipwise-media-index:*.mch")
    string(FIND "${globs}" "${glob}" at)
    if(NOT rc EQUAL 0 OR at EQUAL -1)
        message(FATAL_ERROR "The MIME database lacks ${glob}")
    endif()
endforeach()
