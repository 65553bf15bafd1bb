# libpng, libjpeg-turbo and zlib for the Windows tree: static i686 builds that
# tools/deps-mingw installs into QV_MINGW_DEPS (zlib from libz-mingw-w64-dev).
set(QV_MINGW_DEPS ${CMAKE_SOURCE_DIR}/build/deps/mingw CACHE PATH "Prefix of tools/deps-mingw")

find_library(QV_PNG_LIBRARY NAMES libpng16.a PATHS ${QV_MINGW_DEPS}/lib NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_library(QV_JPEG_LIBRARY NAMES libjpeg.a PATHS ${QV_MINGW_DEPS}/lib NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_path(QV_PNG_INCLUDE png.h PATHS ${QV_MINGW_DEPS}/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_path(QV_JPEG_INCLUDE jpeglib.h PATHS ${QV_MINGW_DEPS}/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_library(QV_ZLIB_LIBRARY NAMES libz.a)
if(NOT QV_PNG_LIBRARY OR NOT QV_JPEG_LIBRARY OR NOT QV_PNG_INCLUDE OR NOT QV_JPEG_INCLUDE OR NOT QV_ZLIB_LIBRARY)
  message(FATAL_ERROR "libpng/libjpeg/zlib for mingw not found in ${QV_MINGW_DEPS}: run tools/deps-mingw")
endif()

add_library(qv::zlib STATIC IMPORTED)
set_target_properties(qv::zlib PROPERTIES IMPORTED_LOCATION ${QV_ZLIB_LIBRARY})
add_library(qv::png STATIC IMPORTED)
set_target_properties(qv::png PROPERTIES IMPORTED_LOCATION ${QV_PNG_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${QV_PNG_INCLUDE} INTERFACE_LINK_LIBRARIES qv::zlib)
add_library(qv::jpeg STATIC IMPORTED)
set_target_properties(qv::jpeg PROPERTIES IMPORTED_LOCATION ${QV_JPEG_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${QV_JPEG_INCLUDE})
