# Every file of a folder belongs to its library; adding a file needs no edit here.
function(morvelin_sources out)
  set(result)
  foreach(dir ${ARGN})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/src/${dir}/*.h ${CMAKE_SOURCE_DIR}/src/${dir}/*.qrc)
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

function(morvelin_warnings target)
  target_compile_options(${target} PRIVATE ${MORVELIN_WARNINGS})
endfunction()
