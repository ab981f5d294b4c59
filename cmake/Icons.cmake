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

# rt_icon_resources(<sources-var> <prefix> <pngs>...): a resource source that
# builds the bitmaps into an executable as :/<prefix>/<size>.png.
function(rt_icon_resources sources_var prefix)
  string(MAKE_C_IDENTIFIER "${prefix}" base)
  set(qrc "<RCC>\n  <qresource prefix=\"/${prefix}\">\n")
  foreach(png IN LISTS ARGN)
    get_filename_component(dir ${png} DIRECTORY)
    get_filename_component(size ${dir} NAME)
    string(REGEX REPLACE "x.*" "" size ${size})
    string(APPEND qrc "    <file alias=\"${size}.png\">${png}</file>\n")
  endforeach()
  string(APPEND qrc "  </qresource>\n</RCC>\n")
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${base}_icon.qrc)
  file(CONFIGURE OUTPUT ${file} CONTENT "${qrc}")
  # qt_add_resources appends to the variable it is given: start it empty.
  set(generated "")
  qt_add_resources(generated ${file})
  set(${sources_var} ${generated} PARENT_SCOPE)
endfunction()
