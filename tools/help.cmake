# The user's guide: resources/help/guide.txt set as bin/help/help.pdf in the default stroke font.
add_executable(make_help ${CMAKE_CURRENT_SOURCE_DIR}/make_help.cpp ${CMAKE_SOURCE_DIR}/engine/fonts/font_file.cpp)
target_include_directories(make_help PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(make_help PRIVATE platform)
set(ARVEX_HELP_PDF ${CMAKE_BINARY_DIR}/bin/help/help.pdf)
add_custom_command(
  OUTPUT ${ARVEX_HELP_PDF}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:make_help> ${CMAKE_SOURCE_DIR}/resources/help/guide.txt
          ${ARVEX_FONT_DIR}/technic_normal ${ARVEX_HELP_PDF}
  DEPENDS make_help ${CMAKE_SOURCE_DIR}/resources/help/guide.txt ${ARVEX_FONT_DIR}/technic_normal
  COMMENT "Setting the user's guide")
add_custom_target(arvex_help DEPENDS ${ARVEX_HELP_PDF})
add_dependencies(arvex_help arvex_fonts)
add_dependencies(arvex_resources arvex_help)
