# The release package: a zip of tarvik.exe and its documents with a SHA-256 file beside it, made by cpack
# (scripts/package.sh) as build/tarvik-<version>-win64.zip.
set(tarvik_documents README.md docs/usage.md)

# Packing builds nothing: scripts/package.sh builds tarvik first, and the tests need not be built for it.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
# Only the Runtime component is packed, so install rules of bundled projects (GoogleTest) stay out.
install(TARGETS tarvik RUNTIME DESTINATION . COMPONENT Runtime)
foreach(document ${tarvik_documents})
  get_filename_component(folder ${document} DIRECTORY)
  install(FILES ${document} DESTINATION ./${folder} COMPONENT Runtime)
endforeach()

# The files of the zip, as the package check expects them.
set(TARVIK_PACKAGE_NAME tarvik-${PROJECT_VERSION}-win64)
set(TARVIK_PACKAGE_FILES tarvik.exe ${tarvik_documents})
list(TRANSFORM TARVIK_PACKAGE_FILES PREPEND ${TARVIK_PACKAGE_NAME}/)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME ${TARVIK_PACKAGE_NAME})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Runtime;/")
set(CPACK_STRIP_FILES ON)
include(CPack)
