# The Windows download: Pagewright-<version>-win32.zip or -win64.zip with both
# programs, the user guide, the license with the notices of the libraries
# linked in, and the record library's SDK, in a folder of the same name.
install(TARGETS pagewright pagewright-clip RUNTIME DESTINATION .)
install(TARGETS kestrel RUNTIME DESTINATION sdk/bin ARCHIVE DESTINATION sdk/lib)
install(FILES ${PROJECT_SOURCE_DIR}/eventlib/include/kestrel.h DESTINATION sdk/include)
install(FILES ${PROJECT_SOURCE_DIR}/examples/event_roundtrip.cpp DESTINATION sdk/examples)

# What the SDK's README names: the compiler of this build's processor, and
# Debian's package of it.
string(REPLACE "_" "-" PAGEWRIGHT_MINGW_PACKAGE "g++-mingw-w64-${CMAKE_SYSTEM_PROCESSOR}")

# Windows users read the texts in Notepad and the like: carriage return and
# line feed at each line end. Installs SOURCE, configured and so converted, as
# each FOLDER/NAME.
function(pagewright_windows_text source name)
    file(READ ${PROJECT_SOURCE_DIR}/${source} text)
    string(CONFIGURE "${text}" text @ONLY)
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${PROJECT_BINARY_DIR}/windows-texts/${name} "${text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${source})
    foreach(folder ${ARGN})
        install(FILES ${PROJECT_BINARY_DIR}/windows-texts/${name} DESTINATION ${folder})
    endforeach()
endfunction()
pagewright_windows_text(docs/USERGUIDE.txt USERGUIDE.txt .)
pagewright_windows_text(docs/SDK.txt sdk/README.txt sdk)
# The SDK is handed on by itself too, so it carries them as well.
pagewright_windows_text(LICENSE LICENSE.txt . sdk)
pagewright_windows_text(docs/THIRD-PARTY-NOTICES.txt THIRD-PARTY-NOTICES.txt . sdk)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Pagewright)
set(CPACK_PACKAGE_VENDOR "The Pagewright team")
set(CPACK_PACKAGE_FILE_NAME Pagewright-${PROJECT_VERSION}-win${PAGEWRIGHT_WINDOWS_BITS})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES OFF)
include(CPack)
