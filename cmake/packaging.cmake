# The Windows download: Pagewright-<version>-win32.zip with both programs, the
# user guide and the record library's SDK, in a folder of the same name.
install(TARGETS pagewright pagewright-clip RUNTIME DESTINATION .)
install(TARGETS kestrel RUNTIME DESTINATION sdk/bin ARCHIVE DESTINATION sdk/lib)
install(FILES ${PROJECT_SOURCE_DIR}/eventlib/include/kestrel.h DESTINATION sdk/include)
install(FILES ${PROJECT_SOURCE_DIR}/examples/event_roundtrip.cpp DESTINATION sdk/examples)

# Windows users read the texts in Notepad and the like: carriage return and
# line feed at each line end. Installs SOURCE, configured and so converted, as
# FOLDER/NAME.
function(pagewright_windows_text source folder name)
    file(READ ${PROJECT_SOURCE_DIR}/${source} text)
    string(CONFIGURE "${text}" text @ONLY)
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${PROJECT_BINARY_DIR}/windows-texts/${folder}/${name} "${text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${source})
    install(FILES ${PROJECT_BINARY_DIR}/windows-texts/${folder}/${name} DESTINATION ${folder})
endfunction()
pagewright_windows_text(docs/USERGUIDE.txt . USERGUIDE.txt)
pagewright_windows_text(docs/SDK.txt sdk README.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Pagewright)
set(CPACK_PACKAGE_VENDOR "The Pagewright team")
set(CPACK_PACKAGE_FILE_NAME Pagewright-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES OFF)
include(CPack)
