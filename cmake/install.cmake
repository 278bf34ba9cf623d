# Installing on this machine: the two programs, and the record library with
# what a program outside the project needs to build against it. The paths are
# fixed below the prefix, so that the pkg-config file can find them relative
# to itself wherever the prefix is.
install(TARGETS pagewright pagewright-clip RUNTIME DESTINATION bin)
install(TARGETS kestrel EXPORT Kestrel LIBRARY DESTINATION lib INCLUDES DESTINATION include)
install(FILES ${PROJECT_SOURCE_DIR}/eventlib/include/kestrel.h DESTINATION include)

# The package configuration is the imported target Kestrel::kestrel alone.
install(EXPORT Kestrel NAMESPACE Kestrel:: FILE KestrelConfig.cmake DESTINATION lib/cmake/Kestrel)
include(CMakePackageConfigHelpers)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/KestrelConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/KestrelConfigVersion.cmake DESTINATION lib/cmake/Kestrel)

configure_file(${CMAKE_CURRENT_LIST_DIR}/kestrel.pc.in ${PROJECT_BINARY_DIR}/kestrel.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/kestrel.pc DESTINATION lib/pkgconfig)
