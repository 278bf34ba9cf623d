# The Windows download: Pagewright-<version>-win32.zip with both programs and
# the user guide, in a folder of the same name.
install(TARGETS pagewright pagewright-clip RUNTIME DESTINATION .)

# Windows users read the guide in Notepad and the like: carriage return and
# line feed at each line end.
file(READ ${CMAKE_SOURCE_DIR}/docs/USERGUIDE.txt PAGEWRIGHT_GUIDE)
string(CONFIGURE "${PAGEWRIGHT_GUIDE}" PAGEWRIGHT_GUIDE @ONLY)
string(REPLACE "\n" "\r\n" PAGEWRIGHT_GUIDE "${PAGEWRIGHT_GUIDE}")
file(WRITE ${CMAKE_BINARY_DIR}/USERGUIDE.txt "${PAGEWRIGHT_GUIDE}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/USERGUIDE.txt)
install(FILES ${CMAKE_BINARY_DIR}/USERGUIDE.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Pagewright)
set(CPACK_PACKAGE_VENDOR "The Pagewright team")
set(CPACK_PACKAGE_FILE_NAME Pagewright-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES OFF)
include(CPack)
