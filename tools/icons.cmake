# The program's icons and pointers, drawn from tools/icons.txt through the platform layer, and
# the empty templates folder that the options dialog lists.
add_executable(make_icons ${CMAKE_CURRENT_SOURCE_DIR}/make_icons.cpp)
target_link_libraries(make_icons PRIVATE platform)
set(ARVEX_ICON_DIR ${CMAKE_BINARY_DIR}/bin/icons)
set(ARVEX_ICON_STAMP ${CMAKE_BINARY_DIR}/tools/icons.stamp)
add_custom_command(
  OUTPUT ${ARVEX_ICON_STAMP}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:make_icons> ${CMAKE_CURRENT_SOURCE_DIR}/icons.txt ${ARVEX_ICON_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${ARVEX_ICON_STAMP}
  DEPENDS make_icons ${CMAKE_CURRENT_SOURCE_DIR}/icons.txt
  COMMENT "Drawing the icons and pointers")
add_custom_target(arvex_icons
  DEPENDS ${ARVEX_ICON_STAMP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin/templates)
add_dependencies(arvex_resources arvex_icons)
