# Second cross toolchain: Debian's clang for x86_64-w64-mingw32, with the same mingw-w64 headers and
# libraries and GCC's C++ library (libstdc++, posix thread model) as the GCC cross build.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

set(tarvik_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_C_COMPILER_TARGET ${tarvik_triple})
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${tarvik_triple})
# Debian's clang package does not bring the unversioned LLVM tools (llvm-ar): archives are made with
# mingw-w64's tools, as in the GCC build.
set(CMAKE_AR ${tarvik_triple}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${tarvik_triple}-ranlib CACHE FILEPATH "")
# With the sysroot clang finds mingw-w64's headers and libraries, and leaves /usr/include out.
set(CMAKE_SYSROOT /usr/x86_64-w64-mingw32)

# Clang 14 does not recognise Debian's GCC folder name ("12-posix") as a version, so it finds neither
# libstdc++ nor GCC's start files itself: they are named here, from the folder GCC reports.
execute_process(COMMAND ${tarvik_triple}-g++-posix -print-libgcc-file-name
  OUTPUT_VARIABLE tarvik_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(tarvik_gcc_dir ${tarvik_libgcc} DIRECTORY)
set(tarvik_cxx_headers ${tarvik_gcc_dir}/include/c++)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES
  ${tarvik_cxx_headers} ${tarvik_cxx_headers}/${tarvik_triple} ${tarvik_cxx_headers}/backward)
# -pthread links winpthread, which libstdc++ of the posix thread model needs, after the C++ library.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-B${tarvik_gcc_dir} -L${tarvik_gcc_dir} -pthread")
