# The Windows folder users copy: dist/Quorvela/Quorvela.exe and dist/Quorvela/模块/Pixfarrow.dll,
# and a zip of it beside the folder.
set(QV_DIST_DIR ${CMAKE_BINARY_DIR}/dist/Quorvela)
set(QV_DIST_ZIP ${CMAKE_BINARY_DIR}/dist/Quorvela.zip)
set(_dist_deps)
foreach(t Quorvela Pixfarrow)
  if(TARGET ${t})
    list(APPEND _dist_deps ${t})
  endif()
endforeach()
if(_dist_deps)
  add_custom_target(dist_zip ALL
    COMMAND ${CMAKE_COMMAND} -E rm -f ${QV_DIST_ZIP}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${QV_DIST_ZIP} --format=zip Quorvela
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/dist
    COMMENT "Packing dist/Quorvela.zip")
  add_dependencies(dist_zip ${_dist_deps})
endif()
