# liblsl, the Lab Streaming Layer library, built from its vendored source in
# third_party/liblsl as a static library of our own. Its own CMake project is
# not used: it asks for CMake 3.28, switches on LTO, fetches pugixml and brings
# CPack and install rules the program's package must not pick up. The sources,
# definitions and include paths below are those of its static build.
#
# Boost: Debian's (the handful of headers liblsl uses: endian and
# intrusive_ptr), mapped onto the "lslboost" namespace as its own build does
# with a system Boost. pugixml: Debian's static library, never fetched.
set(LIBLSL_DIR ${CMAKE_SOURCE_DIR}/third_party/liblsl)
find_package(pugixml REQUIRED)

file(GLOB LIBLSL_SOURCES CONFIGURE_DEPENDS ${LIBLSL_DIR}/src/*.cpp ${LIBLSL_DIR}/src/util/*.cpp)
add_library(volleta_liblsl STATIC ${LIBLSL_SOURCES}
            ${LIBLSL_DIR}/thirdparty/loguru/loguru.cpp
            ${LIBLSL_DIR}/thirdparty/asio_objects.cpp)
set_target_properties(volleta_liblsl PROPERTIES CXX_STANDARD 17 POSITION_INDEPENDENT_CODE ON)
target_include_directories(volleta_liblsl PUBLIC ${LIBLSL_DIR}/include)
target_include_directories(volleta_liblsl SYSTEM PRIVATE ${LIBLSL_DIR}/thirdparty/asio
                           ${LIBLSL_DIR}/thirdparty/loguru)
target_compile_definitions(volleta_liblsl
  PUBLIC LIBLSL_STATIC
  PRIVATE LIBLSL_EXPORTS ASIO_NO_DEPRECATED ASIO_SEPARATE_COMPILATION ASIO_DISABLE_VISIBILITY
          LOGURU_DEBUG_LOGGING=0 LOGURU_STACKTRACES=0 BOOST_ALL_NO_LIB lslboost=boost
          LSL_LIBRARY_INFO_STR="vendored-1.17.7/link:STATIC")
# Vendored code: its warnings are not ours to fix.
target_compile_options(volleta_liblsl PRIVATE -w)
# The undefined-behaviour checks are for our code: liblsl calls a member of a
# stream buffer before its base is built (cancellable_streambuf), which
# -fsanitize=vptr stops on. AddressSanitizer still covers it.
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=[^ ]*undefined")
  target_compile_options(volleta_liblsl PRIVATE -fno-sanitize=undefined)
endif()
target_link_libraries(volleta_liblsl PRIVATE Boost::headers pugixml::static
                      PUBLIC Threads::Threads)
