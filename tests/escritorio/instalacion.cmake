# Instala el programa en una carpeta vacía y comprueba lo que un escritorio necesita para
# ofrecerlo en su menú y abrir con él los archivos .cod: el programa, la entrada del menú, el icono
# y el tipo de archivo, que concuerden entre sí, y el manual y los ejemplos.
#   cmake -DCOMPILACION=<carpeta de compilación> -DDESTINO=<carpeta temporal> -P instalacion.cmake
file(REMOVE_RECURSE "${DESTINO}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${COMPILACION}" --prefix "${DESTINO}"
                RESULT_VARIABLE resultado OUTPUT_QUIET)
if(NOT resultado EQUAL 0)
  message(FATAL_ERROR "cmake --install falló: ${resultado}")
endif()

foreach(archivo
    bin/vertana
    bin/vertana-cli
    share/applications/vertana.desktop
    share/icons/hicolor/scalable/apps/vertana.svg
    share/icons/hicolor/256x256/apps/vertana.png
    share/mime/packages/vertana-cod.xml
    share/doc/vertana/manual.html
    share/doc/vertana/ejemplos/talud_homogeneo_bishop.cod
    share/doc/vertana/ejemplos/talud_estratificado_janbu.cod
    share/doc/vertana/ejemplos/talud_roca_variacional.cod)
  if(NOT EXISTS "${DESTINO}/${archivo}")
    message(FATAL_ERROR "falta ${archivo}")
  endif()
endforeach()

# La entrada abre un archivo con el programa, con el icono y el tipo instalados.
file(READ "${DESTINO}/share/applications/vertana.desktop" entrada)
foreach(linea "[Desktop Entry]" "Type=Application" "Exec=vertana %f" "Icon=vertana"
              "MimeType=application/x-vertana-cod;" "Name=Vertana")
  string(FIND "${entrada}" "${linea}" lugar)
  if(lugar EQUAL -1)
    message(FATAL_ERROR "vertana.desktop no tiene «${linea}»")
  endif()
endforeach()
file(READ "${DESTINO}/share/mime/packages/vertana-cod.xml" tipo)
foreach(texto "type=\"application/x-vertana-cod\"" "pattern=\"*.cod\"" "<icon name=\"vertana\"/>")
  string(FIND "${tipo}" "${texto}" lugar)
  if(lugar EQUAL -1)
    message(FATAL_ERROR "vertana-cod.xml no tiene «${texto}»")
  endif()
endforeach()

# Con las herramientas del escritorio a mano, la instalación deja el tipo registrado.
find_program(ACTUALIZAR_MIME update-mime-database)
if(ACTUALIZAR_MIME)
  file(READ "${DESTINO}/share/mime/globs2" globos)
  string(FIND "${globos}" "application/x-vertana-cod:*.cod" lugar)
  if(lugar EQUAL -1)
    message(FATAL_ERROR "el tipo .cod no quedó registrado en share/mime/globs2")
  endif()
endif()
file(REMOVE_RECURSE "${DESTINO}")
