# The header-only libraries of the Linux build, for the Windows cross build.
# Only links to their own folders are put on the include path: all of
# /usr/include would bring glibc's headers in front of mingw-w64's.
set(VOLLETA_CROSS_INCLUDE ${CMAKE_BINARY_DIR}/cross-include)
file(MAKE_DIRECTORY ${VOLLETA_CROSS_INCLUDE})
foreach(dir boost CLI)
  if(NOT EXISTS /usr/include/${dir})
    message(FATAL_ERROR "/usr/include/${dir} is missing: install the Linux build's packages "
                        "(scripts/deps.sh)")
  endif()
  if(NOT EXISTS ${VOLLETA_CROSS_INCLUDE}/${dir})
    file(CREATE_LINK /usr/include/${dir} ${VOLLETA_CROSS_INCLUDE}/${dir} SYMBOLIC)
  endif()
endforeach()
add_library(Boost::headers INTERFACE IMPORTED)
target_include_directories(Boost::headers SYSTEM INTERFACE ${VOLLETA_CROSS_INCLUDE})
add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${VOLLETA_CROSS_INCLUDE})
