# Embeds a file's exact bytes into a target at build time, as
#   extern const std::string_view <NAMESPACE>::<NAME>;
# so that text such as a page script stays a file of its own language in the
# tree. A JavaScript file is also syntax-checked by a ctest test when node is
# there.
#
#   include(cmake/EmbedFile.cmake)
#   volleta_embed_file(<target> <file> <namespace> <name>)
#
# The generated source spells every byte as a \xNN escape (no raw string, so
# no delimiter can collide with the file's text). This file is also the
# generating script, run with cmake -P at build time so that an edited file is
# embedded anew.

if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" hex HEX)
  # Adjacent string literals of 16 bytes each, every byte as a \xNN escape.
  string(REPEAT "[0-9a-f]" 32 line)
  string(REGEX REPLACE "(${line})" "\\1\"\n\"" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" bytes "${hex}")
  file(WRITE "${OUTPUT}"
       "// Generated at build time from ${SOURCE_NAME} by cmake/EmbedFile.cmake.\n"
       "#include <string_view>\n\n"
       "namespace ${NAMESPACE} {\n"
       "namespace {\n"
       "constexpr char kBytes[] =\n\"${bytes}\";\n"
       "}  // namespace\n"
       "extern const std::string_view ${NAME};\n"
       "const std::string_view ${NAME}(kBytes, sizeof kBytes - 1);\n"
       "}  // namespace ${NAMESPACE}\n")
  return()
endif()

set(VOLLETA_EMBED_FILE_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(volleta_embed_file target file namespace name)
  cmake_path(ABSOLUTE_PATH file NORMALIZE)
  cmake_path(RELATIVE_PATH file BASE_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE relative)
  set(output ${CMAKE_BINARY_DIR}/embedded/${relative}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${output} -DSOURCE_NAME=${relative}
            -DNAMESPACE=${namespace} -DNAME=${name} -P ${VOLLETA_EMBED_FILE_SCRIPT}
    DEPENDS ${file} ${VOLLETA_EMBED_FILE_SCRIPT}
    COMMENT "Embedding ${relative}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})

  if(file MATCHES "\\.js$" AND VOLLETA_TESTS)
    find_program(NODE_EXECUTABLE node)
    if(NODE_EXECUTABLE)
      add_test(NAME node_check.${relative} COMMAND ${NODE_EXECUTABLE} --check ${file})
    endif()
  endif()
endfunction()
