# The splash and about pictures, drawn at build time and compiled into the program as PNG bytes.
add_executable(make_pictures ${CMAKE_CURRENT_SOURCE_DIR}/make_pictures.cpp)
target_include_directories(make_pictures PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(make_pictures PRIVATE platform)
set(ARVEX_PICTURES_CPP ${CMAKE_CURRENT_BINARY_DIR}/program_pictures.cpp)
add_custom_command(
  OUTPUT ${ARVEX_PICTURES_CPP}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:make_pictures> ${ARVEX_PICTURES_CPP}
  DEPENDS make_pictures
  COMMENT "Drawing the splash and about pictures")
add_custom_target(arvex_pictures DEPENDS ${ARVEX_PICTURES_CPP})
add_dependencies(arvex_resources arvex_pictures)
add_library(program_pictures STATIC ${ARVEX_PICTURES_CPP})
target_include_directories(program_pictures PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(shell PUBLIC program_pictures)
