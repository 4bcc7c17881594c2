# The component for other projects: `cmake --install build --prefix P` puts the libraries, the
# headers the public ones need, the GlossButton CMake package, glossbutton-render and the Designer
# plugin under P, all in install component Development. A consumer writes
#   find_package(GlossButton 0.2 REQUIRED)
#   target_link_libraries(app PRIVATE GlossButton::Widget)   # or GlossButton::Core, without Qt
#
# The libraries are static and position independent: an installed program carries its own copy
# (nothing of the component is needed at run time), and the Designer plugin, a shared object,
# links them in.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(GLOSSBUTTON_INCLUDE_DIR "${CMAKE_INSTALL_INCLUDEDIR}/GlossButton")
set(GLOSSBUTTON_CMAKE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/GlossButton")

# glossbutton_header_closure(OUT ENTRY...): the headers ENTRY (paths relative to the source tree)
# include with "...", followed to the end. Installed headers may only reach the library folders.
function(glossbutton_header_closure out)
  set(_todo ${ARGN})
  set(_seen)
  while(_todo)
    list(POP_FRONT _todo _h)
    if(_h IN_LIST _seen)
      continue()
    endif()
    if(NOT _h MATCHES "^(platform|hook|glossbutton|host)/" OR NOT EXISTS "${PROJECT_SOURCE_DIR}/${_h}")
      message(FATAL_ERROR "installed header reaches ${_h}, which is not part of the installed libraries")
    endif()
    list(APPEND _seen ${_h})
    file(STRINGS "${PROJECT_SOURCE_DIR}/${_h}" _lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(_line ${_lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" _inc "${_line}")
      list(APPEND _todo ${_inc})
    endforeach()
  endwhile()
  list(SORT _seen)
  set(${out} ${_seen} PARENT_SCOPE)
endfunction()

set(_core_libs korvane_platform korvane_render korvane_hook korvane_glossbutton)
set(_libs ${_core_libs})
set(_entry glossbutton/GlossButton.h glossbutton/render/Redraw.h)
if(TARGET korvane_host)
  list(APPEND _libs korvane_host)
  list(APPEND _entry host/qt/GlossButtonWidget.h)
endif()

foreach(_lib ${_libs})
  set_target_properties(${_lib} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_include_directories(${_lib} PUBLIC "$<INSTALL_INTERFACE:${GLOSSBUTTON_INCLUDE_DIR}>")
endforeach()
set_target_properties(korvane_platform PROPERTIES EXPORT_NAME Platform)
set_target_properties(korvane_render PROPERTIES EXPORT_NAME Render)
set_target_properties(korvane_hook PROPERTIES EXPORT_NAME Hook)
set_target_properties(korvane_glossbutton PROPERTIES EXPORT_NAME Core)
# <GlossButton/GlossButton.h>, <GlossButton/GlossButtonWidget.h>: the same inside the tree.
target_include_directories(korvane_glossbutton PUBLIC "$<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>"
                                                      "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>")
add_library(GlossButton::Core ALIAS korvane_glossbutton)
if(TARGET korvane_host)
  set_target_properties(korvane_host PROPERTIES EXPORT_NAME Widget)
  add_library(GlossButton::Widget ALIAS korvane_host)
endif()

glossbutton_header_closure(_headers ${_entry})
foreach(_h ${_headers})
  get_filename_component(_dir "${_h}" DIRECTORY)
  install(FILES "${PROJECT_SOURCE_DIR}/${_h}" DESTINATION "${GLOSSBUTTON_INCLUDE_DIR}/${_dir}"
          COMPONENT Development)
endforeach()
install(FILES include/GlossButton/GlossButton.h DESTINATION "${GLOSSBUTTON_INCLUDE_DIR}" COMPONENT Development)
if(TARGET korvane_host)
  install(FILES include/GlossButton/GlossButtonWidget.h DESTINATION "${GLOSSBUTTON_INCLUDE_DIR}"
          COMPONENT Development)
endif()

install(TARGETS ${_libs} EXPORT GlossButtonTargets
        ARCHIVE DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT Development
        INCLUDES DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}")
install(EXPORT GlossButtonTargets NAMESPACE GlossButton:: DESTINATION "${GLOSSBUTTON_CMAKE_DIR}"
        COMPONENT Development)

if(TARGET korvane_host)
  set(GLOSSBUTTON_WITH_WIDGET ON)
else()
  set(GLOSSBUTTON_WITH_WIDGET OFF)
endif()
configure_package_config_file(cmake/GlossButtonConfig.cmake.in
                              "${PROJECT_BINARY_DIR}/GlossButtonConfig.cmake"
                              INSTALL_DESTINATION "${GLOSSBUTTON_CMAKE_DIR}")
write_basic_package_version_file("${PROJECT_BINARY_DIR}/GlossButtonConfigVersion.cmake"
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES "${PROJECT_BINARY_DIR}/GlossButtonConfig.cmake" "${PROJECT_BINARY_DIR}/GlossButtonConfigVersion.cmake"
        DESTINATION "${GLOSSBUTTON_CMAKE_DIR}" COMPONENT Development)

if(TARGET glossbutton-render)
  install(TARGETS glossbutton-render RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT Development)
endif()
