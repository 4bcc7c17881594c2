# cmake -DDIR=<sip-build folder> -DOUT=<module path> -P CopyModule.cmake
# Copies the one extension module sip-build made to the name the build and install expect.
file(GLOB_RECURSE _found "${DIR}/*.so")
list(FILTER _found INCLUDE REGEX "/GlossButton[^/]*\\.so$")
list(LENGTH _found _n)
if(NOT _n EQUAL 1)
  message(FATAL_ERROR "sip-build left ${_n} GlossButton modules in ${DIR}: ${_found}")
endif()
file(COPY_FILE "${_found}" "${OUT}")
