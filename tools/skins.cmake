# The program's skin files, painted at build time into the program's skins/ folder, and the flat
# test skin the tests load (kept out of the program's folder).
add_executable(make_skins
  ${CMAKE_CURRENT_LIST_DIR}/make_skins.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_art.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_skin_art.cpp)
target_include_directories(make_skins PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(make_skins PRIVATE ui shell platform)
set(ARVEX_SKIN_DIR ${CMAKE_BINARY_DIR}/bin/skins)
set(ARVEX_TEST_SKIN ${CMAKE_BINARY_DIR}/test_skins/flat.skin)
add_custom_command(
  OUTPUT ${ARVEX_SKIN_DIR}/silver.skin ${ARVEX_SKIN_DIR}/black.skin ${ARVEX_SKIN_DIR}/blue.skin ${ARVEX_TEST_SKIN}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ARVEX_SKIN_DIR} ${CMAKE_BINARY_DIR}/test_skins
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:make_skins> ${ARVEX_SKIN_DIR} ${ARVEX_TEST_SKIN}
  DEPENDS make_skins
  COMMENT "Painting the skins")
add_custom_target(arvex_skins DEPENDS ${ARVEX_SKIN_DIR}/silver.skin ${ARVEX_SKIN_DIR}/black.skin
  ${ARVEX_SKIN_DIR}/blue.skin ${ARVEX_TEST_SKIN})
add_dependencies(arvex_resources arvex_skins)
