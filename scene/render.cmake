# The renderer: draws the window model into a pixel buffer, with the fonts
# built in. Needs SDL_ttf (and SDL's surfaces) but no video.
find_package(PkgConfig REQUIRED)
if(NOT TARGET PkgConfig::SDL2)
  pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
endif()
if(NOT TARGET PkgConfig::SDL2_TTF)
  pkg_check_modules(SDL2_TTF REQUIRED IMPORTED_TARGET SDL2_ttf)
endif()

add_library(wf_render STATIC
  cp1252.cpp
  damage.cpp
  fonts.cpp
  renderer.cpp
  text_layout.cpp)
target_link_libraries(wf_render PUBLIC wf_form PkgConfig::SDL2_TTF PkgConfig::SDL2)

# Liberation stands in for the labels' Times New Roman and MS Sans Serif (same
# metrics); the plain sans faces serve the message boxes.
set(WF_FONT_DIR /usr/share/fonts/truetype/liberation)
wf_embed(wf_render font_serif_italic ${WF_FONT_DIR}/LiberationSerif-Italic.ttf)
wf_embed(wf_render font_sans_bold_italic ${WF_FONT_DIR}/LiberationSans-BoldItalic.ttf)
wf_embed(wf_render font_sans ${WF_FONT_DIR}/LiberationSans-Regular.ttf)
wf_embed(wf_render font_sans_bold ${WF_FONT_DIR}/LiberationSans-Bold.ttf)

# The built-in pictures, once the assets provide them.
if(TARGET wf_pictures)
  target_sources(wf_render PRIVATE asset_pictures.cpp)
  target_link_libraries(wf_render PUBLIC wf_pictures)
endif()
