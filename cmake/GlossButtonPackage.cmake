# The component for other projects: `cmake --install build --prefix P` puts the libraries, their
# public headers, the GlossButton CMake package, glossbutton-render and the Designer plugin under
# P, all in install component Development. A consumer writes
#   find_package(GlossButton 0.3 REQUIRED)
#   target_link_libraries(app PRIVATE GlossButton::Widget)   # or GlossButton::Core, without Qt
#
# GlossButton::Core is static and position independent. GlossButton::Widget comes both ways: a
# static library (the program carries its own copy) and a shared one with a SONAME, which the
# Designer plugin links too, so that widgets made from .ui files at run time are the program's
# own class. The consumer's BUILD_SHARED_LIBS (or GlossButton_SHARED) picks one.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(GLOSSBUTTON_INCLUDE_DIR "${CMAKE_INSTALL_INCLUDEDIR}/GlossButton")
set(GLOSSBUTTON_CMAKE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/GlossButton")

# The Qt-free control's public face: the control, what a host serves it, its control window, the
# property bag and the value types they name. They include each other by their paths in the tree,
# below include/GlossButton/. The rest (the surface and renderers, the subclass engine, hook
# records, mouse tracking) stays in the tree: the control holds it through GlossButtonPrivate.h.
set(_core_headers
    glossbutton/ControlHost.h glossbutton/ControlWindow.h glossbutton/GlossButton.h glossbutton/GlossButtonEvents.h
    glossbutton/MousePointer.h glossbutton/PropertyBag.h
    glossbutton/render/Image.h glossbutton/render/Numbers.h glossbutton/render/TextEngine.h
    platform/WinTypes.h platform/Window.h)
list(TRANSFORM _core_headers PREPEND "${PROJECT_SOURCE_DIR}/")
# What the reference documents besides the widget.
set(GLOSSBUTTON_CORE_HEADERS ${_core_headers})
target_sources(korvane_glossbutton PUBLIC FILE_SET core_headers TYPE HEADERS BASE_DIRS "${PROJECT_SOURCE_DIR}"
               FILES ${_core_headers})
target_sources(korvane_glossbutton PUBLIC FILE_SET core_entry TYPE HEADERS BASE_DIRS "${PROJECT_SOURCE_DIR}/include"
               FILES "${PROJECT_SOURCE_DIR}/include/GlossButton/GlossButton.h")

set(_core_libs korvane_platform korvane_render korvane_hook korvane_glossbutton)
foreach(_lib ${_core_libs})
  set_target_properties(${_lib} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_include_directories(${_lib} PUBLIC "$<INSTALL_INTERFACE:${GLOSSBUTTON_INCLUDE_DIR}>")
endforeach()
set_target_properties(korvane_platform PROPERTIES EXPORT_NAME Platform)
set_target_properties(korvane_render PROPERTIES EXPORT_NAME Render)
set_target_properties(korvane_hook PROPERTIES EXPORT_NAME Hook)
set_target_properties(korvane_glossbutton PROPERTIES EXPORT_NAME Core)
# <GlossButton/GlossButton.h>: the same inside the tree.
target_include_directories(korvane_glossbutton PUBLIC "$<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>")
add_library(GlossButton::Core ALIAS korvane_glossbutton)

install(TARGETS ${_core_libs} EXPORT GlossButtonCoreTargets
        ARCHIVE DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT Development
        FILE_SET core_headers DESTINATION "${GLOSSBUTTON_INCLUDE_DIR}" COMPONENT Development
        FILE_SET core_entry DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}" COMPONENT Development)
install(EXPORT GlossButtonCoreTargets NAMESPACE GlossButton:: DESTINATION "${GLOSSBUTTON_CMAKE_DIR}"
        COMPONENT Development)

set(GLOSSBUTTON_WITH_WIDGET OFF)
set(GLOSSBUTTON_WITH_SHARED OFF)
if(TARGET korvane_host)
  set(GLOSSBUTTON_WITH_WIDGET ON)
  set_target_properties(korvane_host PROPERTIES EXPORT_NAME Widget OUTPUT_NAME GlossButtonWidget)
  add_library(GlossButton::Widget ALIAS korvane_host)
  install(TARGETS korvane_host EXPORT GlossButtonWidgetStaticTargets
          ARCHIVE DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT Development
          FILE_SET HEADERS DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}" COMPONENT Development)
  install(EXPORT GlossButtonWidgetStaticTargets NAMESPACE GlossButton:: DESTINATION "${GLOSSBUTTON_CMAKE_DIR}"
          COMPONENT Development)
  if(TARGET korvane_widget_shared)
    set(GLOSSBUTTON_WITH_SHARED ON)
    set_target_properties(korvane_widget_shared PROPERTIES EXPORT_NAME Widget)
    target_include_directories(korvane_widget_shared PUBLIC "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>")
    install(TARGETS korvane_widget_shared EXPORT GlossButtonWidgetSharedTargets
            LIBRARY DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT Development NAMELINK_COMPONENT Development)
    install(EXPORT GlossButtonWidgetSharedTargets NAMESPACE GlossButton:: DESTINATION "${GLOSSBUTTON_CMAKE_DIR}"
            COMPONENT Development)
  endif()
endif()

configure_package_config_file(cmake/GlossButtonConfig.cmake.in
                              "${PROJECT_BINARY_DIR}/GlossButtonConfig.cmake"
                              INSTALL_DESTINATION "${GLOSSBUTTON_CMAKE_DIR}")
write_basic_package_version_file("${PROJECT_BINARY_DIR}/GlossButtonConfigVersion.cmake"
                                 VERSION ${GLOSSBUTTON_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES "${PROJECT_BINARY_DIR}/GlossButtonConfig.cmake" "${PROJECT_BINARY_DIR}/GlossButtonConfigVersion.cmake"
        DESTINATION "${GLOSSBUTTON_CMAKE_DIR}" COMPONENT Development)

# The QML module: <prefix>/lib/qml/GlossButton (qmldir, type description, plugin). A QML program
# finds it with the prefix's lib/qml on its import path (QML_IMPORT_PATH, `qml -I`).
if(TARGET glossbuttonplugin)
  set(GLOSSBUTTON_QML_DIR "${CMAKE_INSTALL_LIBDIR}/qml/GlossButton")
  install(TARGETS glossbuttonplugin LIBRARY DESTINATION "${GLOSSBUTTON_QML_DIR}" COMPONENT Development)
  install(FILES "${PROJECT_BINARY_DIR}/qml/GlossButton/qmldir" "${PROJECT_BINARY_DIR}/qml/GlossButton/korvane_quick.qmltypes"
          DESTINATION "${GLOSSBUTTON_QML_DIR}" COMPONENT Development)
endif()

if(TARGET glossbutton-render)
  install(TARGETS glossbutton-render RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT Development)
endif()
