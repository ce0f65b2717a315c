# Each library sees only its own headers and those of the libraries it links.
#
# Headers are included by folder ("platform/Archive.h", "Dm/CoordSyst.h"). The project root is
# on no target's include path; instead each library gets a folder of its own in the build tree
# holding one link named after the library, pointing at its sources. A target that includes a
# header of a library it does not link therefore fails to compile, not only to link.
function(plotvane_headers target scope folder)
  set(root ${PROJECT_BINARY_DIR}/include/${folder})
  if(NOT EXISTS ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()
