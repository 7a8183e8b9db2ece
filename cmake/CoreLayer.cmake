# add_core_layer(NAME USES LIBRARIES... SOURCES FILES...): one folder of src/core as the library
# torvalet_NAME, linked to the layers it names and nothing else.
#
# A layer's headers are reached as "NAME/File.h" through an include folder that holds only that
# layer, so a file sees the headers of its own layer and of the layers below it (their include
# folders come with the libraries it links) and no others: an include that runs up a layer does
# not compile.
function(add_core_layer name)
  cmake_parse_arguments(LAYER "" "" "USES;SOURCES" ${ARGN})
  set(include ${CMAKE_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${include})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${include}/${name} SYMBOLIC)
  add_library(torvalet_${name} STATIC ${LAYER_SOURCES})
  target_include_directories(torvalet_${name} PUBLIC ${include})
  target_link_libraries(torvalet_${name} PUBLIC ${LAYER_USES})
endfunction()
