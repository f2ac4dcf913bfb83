cmake_minimum_required(VERSION 3.25)
# Falla si un archivo incluye una cabecera de una capa que no está debajo de la suya:
#   model <- io
#   model <- geometry <- rock <- methods <- calculo <- output
# La pintura de escenas (dibujo, Qt sin widgets) está encima del núcleo, que no la incluye. La
# línea de órdenes (cli) y la interfaz gráfica (ui) están encima de las dos y no se incluyen
# entre sí.
set(permitidas_model model)
set(permitidas_io model io)
set(permitidas_geometry model geometry)
set(permitidas_rock model geometry rock)
set(permitidas_methods model geometry rock methods)
set(permitidas_calculo model geometry rock methods calculo)
set(permitidas_output model geometry rock methods calculo output)
set(permitidas_dibujo model io geometry rock methods calculo output dibujo)
set(permitidas_cli model io geometry rock methods calculo output dibujo cli)
set(permitidas_ui model io geometry rock methods calculo output dibujo ui)
set(capas model io geometry rock methods calculo output dibujo cli ui)

set(culpables "")
foreach(capa ${capas})
  file(GLOB_RECURSE archivos "${RAIZ}/${capa}/*.h" "${RAIZ}/${capa}/*.cpp")
  foreach(archivo ${archivos})
    file(STRINGS "${archivo}" lineas REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
    foreach(linea ${lineas})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z_]+)/.*" "\\1" incluida "${linea}")
      if(incluida IN_LIST capas AND NOT incluida IN_LIST permitidas_${capa})
        file(RELATIVE_PATH relativo "${RAIZ}" "${archivo}")
        list(APPEND culpables "${relativo} incluye ${incluida}/")
      endif()
    endforeach()
  endforeach()
endforeach()
if(culpables)
  list(JOIN culpables "\n  " lista)
  message(FATAL_ERROR "Inclusiones contra el orden de las capas:\n  ${lista}")
endif()
message(STATUS "Las capas se incluyen en orden")
