# Plug-ins: the registration program next to the editor, and the test plug-ins.
# Included from the top CMakeLists.txt after the test targets are defined.

# Records a plug-in library in the user's registry; the editor runs it for a library
# it finds unregistered, from the editor's own folder. It needs only QtCore, so it
# builds its three sources itself.
add_executable(quillane-plugin-register
  ${CMAKE_SOURCE_DIR}/src/app/PluginRegisterMain.cpp
  ${CMAKE_SOURCE_DIR}/src/plugins/PluginRegistry.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/SafeWrite.cpp)
target_include_directories(quillane-plugin-register PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(quillane-plugin-register PRIVATE Qt6::Core)
add_dependencies(quillane quillane-plugin-register)

# Test plug-ins: built with the tests, never installed. Each is a library named
# <Name>.so whose metadata serves <name>.plugin (Mismatch.so names another one).
if(TARGET test_plugins)
  set(QN_PLUGIN_FIXTURE_DIR ${CMAKE_BINARY_DIR}/tests/plugins/fixtures)
  set(QN_PLUGIN_FIXTURES)
  foreach(fixture WriteExport ErrorExport TestImport Mismatch NoDescribe NotAPlugin)
    add_library(qn_fixture_${fixture} MODULE ${CMAKE_SOURCE_DIR}/tests/plugins/fixtures/${fixture}.cpp)
    target_include_directories(qn_fixture_${fixture} PRIVATE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(qn_fixture_${fixture} PRIVATE Qt6::Core)
    set_target_properties(qn_fixture_${fixture} PROPERTIES
      PREFIX "" SUFFIX ".so" OUTPUT_NAME ${fixture}
      LIBRARY_OUTPUT_DIRECTORY ${QN_PLUGIN_FIXTURE_DIR})
    list(APPEND QN_PLUGIN_FIXTURES qn_fixture_${fixture})
  endforeach()
  # The plug-in tests, and the shell's tests of the scan at start-up and of the menu.
  foreach(t test_plugins test_shell)
    if(TARGET ${t})
      add_dependencies(${t} ${QN_PLUGIN_FIXTURES} quillane-plugin-register)
      target_include_directories(${t} PRIVATE ${CMAKE_SOURCE_DIR}/tests/plugins)
      target_compile_definitions(${t} PRIVATE
        QN_PLUGIN_FIXTURE_DIR="${QN_PLUGIN_FIXTURE_DIR}"
        QN_PLUGIN_REGISTER_TOOL="$<TARGET_FILE:quillane-plugin-register>")
    endif()
  endforeach()
endif()
