# Header-only libraries of the build machine for a cross build. Each header
# folder is linked alone into a folder of the build tree, which the target
# includes: the cross compiler sees those headers and none of the build
# machine's own system headers, as it would with /usr/include on its path.
function(kestrow_host_header_library target)
  if(TARGET ${target})
    return()
  endif()
  string(REPLACE "::" "-" name ${target})
  set(dir ${CMAKE_BINARY_DIR}/host-headers/${name})
  foreach(folder ${ARGN})
    if(NOT EXISTS /usr/include/${folder})
      message(FATAL_ERROR "${target}: /usr/include/${folder} is missing")
    endif()
    if(NOT EXISTS ${dir}/${folder})
      file(MAKE_DIRECTORY ${dir})
      file(CREATE_LINK /usr/include/${folder} ${dir}/${folder} SYMBOLIC)
    endif()
  endforeach()
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${dir})
endfunction()
