# Icons drawn as SVG and rendered at build time to the bitmap sizes desktops
# ask for: <build>/icons/<size>x<size>/<id>.png beside the scalable one.
set(RT_ICON_SIZES 16 24 32 48 64 128 256)
find_program(RT_RSVG_CONVERT rsvg-convert REQUIRED)

# rt_render_icon(<id> <svg> <pngs-var>): renders <svg> at every size; sets
# <pngs-var> to the bitmaps and makes the target <id>_icon that builds them.
function(rt_render_icon id svg pngs_var)
  set(pngs "")
  foreach(size IN LISTS RT_ICON_SIZES)
    set(dir ${CMAKE_BINARY_DIR}/icons/${size}x${size})
    add_custom_command(OUTPUT ${dir}/${id}.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${RT_RSVG_CONVERT} --width ${size} --height ${size} --output ${dir}/${id}.png ${svg}
      DEPENDS ${svg}
      VERBATIM)
    list(APPEND pngs ${dir}/${id}.png)
  endforeach()
  add_custom_target(${id}_icon DEPENDS ${pngs})
  set(${pngs_var} ${pngs} PARENT_SCOPE)
endfunction()

# The tool that turns a bitmap into bare pixels (tools/icon_pixels.cpp).
if(NOT TARGET rt_icon_pixels)
  add_executable(rt_icon_pixels ${CMAKE_SOURCE_DIR}/tools/icon_pixels.cpp)
  target_link_libraries(rt_icon_pixels PRIVATE Qt6::Gui)
endif()

# The size of a rendered bitmap, from its folder's name (<size>x<size>).
function(rt_icon_size png size_var)
  get_filename_component(dir ${png} DIRECTORY)
  get_filename_component(size ${dir} NAME)
  string(REGEX REPLACE "x.*" "" size ${size})
  set(${size_var} ${size} PARENT_SCOPE)
endfunction()

# Writes <qrc-file> listing <entries> under the resource folder /<prefix> and
# sets <sources-var> to the source the toolkit's resource compiler makes of it.
function(rt_resource_source sources_var qrc_file prefix entries)
  file(CONFIGURE OUTPUT ${qrc_file}
       CONTENT "<RCC>\n  <qresource prefix=\"/${prefix}\">\n${entries}  </qresource>\n</RCC>\n")
  # qt_add_resources appends to the variable it is given: start it empty.
  set(generated "")
  qt_add_resources(generated ${qrc_file})
  set(${sources_var} ${generated} PARENT_SCOPE)
endfunction()

# rt_icon_pixel_resources(<sources-var> <id> <largest> <pngs>...): a resource
# source that builds the bitmaps up to <largest> pixels into an executable as
# bare pixels, :/program-icon/<size>.argb, stored uncompressed: a program
# wears its icon without loading an image decoder or an inflater.
function(rt_icon_pixel_resources sources_var id largest)
  set(entries "")
  foreach(png IN LISTS ARGN)
    rt_icon_size(${png} size)
    if(size GREATER largest)
      continue()
    endif()
    set(pixels ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${id}.argb)
    add_custom_command(OUTPUT ${pixels}
      COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
              $<TARGET_FILE:rt_icon_pixels> ${png} ${pixels}
      DEPENDS ${png} rt_icon_pixels
      VERBATIM)
    string(APPEND entries
           "    <file alias=\"${size}.argb\" compression-algorithm=\"none\">${pixels}</file>\n")
  endforeach()
  rt_resource_source(generated ${CMAKE_CURRENT_BINARY_DIR}/${id}_pixels.qrc program-icon "${entries}")
  set(${sources_var} ${generated} PARENT_SCOPE)
endfunction()

# rt_icon_resources(<sources-var> <prefix> <pngs>...): a resource source that
# builds the bitmaps into an executable as :/<prefix>/<size>.png.
function(rt_icon_resources sources_var prefix)
  string(MAKE_C_IDENTIFIER "${prefix}" base)
  set(entries "")
  foreach(png IN LISTS ARGN)
    rt_icon_size(${png} size)
    string(APPEND entries "    <file alias=\"${size}.png\">${png}</file>\n")
  endforeach()
  rt_resource_source(generated ${CMAKE_CURRENT_BINARY_DIR}/${base}_icon.qrc ${prefix} "${entries}")
  set(${sources_var} ${generated} PARENT_SCOPE)
endfunction()
