<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>GalleryWindow</name>
    <message>
        <source>Programs that teach event-driven programming</source>
        <translation>Programas que enseñan la programación por eventos</translation>
    </message>
    <message>
        <source>Programs by lesson</source>
        <translation>Programas por lección</translation>
    </message>
    <message>
        <source>&amp;Programs:</source>
        <translation>&amp;Programas:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Program %1, window “%2”</source>
        <translation>Programa %1, ventana «%2»</translation>
    </message>
    <message>
        <source>Starts %1</source>
        <translation>Abre %1</translation>
    </message>
    <message>
        <source>Picture of the window of %1</source>
        <translation>Imagen de la ventana de %1</translation>
    </message>
    <message>
        <source>Drawing the window…</source>
        <translation>Dibujando la ventana…</translation>
    </message>
    <message>
        <source>No picture of this window.</source>
        <translation>No hay imagen de esta ventana.</translation>
    </message>
    <message>
        <source>The program %1 could not be started.</source>
        <translation>No se pudo abrir el programa %1.</translation>
    </message>
</context>
<context>
    <name>SourceView</name>
    <message>
        <source>Source file</source>
        <translation>Archivo de código</translation>
    </message>
    <message>
        <source>Source &amp;file:</source>
        <translation>Ar&amp;chivo de código:</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Código fuente</translation>
    </message>
    <message>
        <source>Source of %1, file %2</source>
        <translation>Código fuente de %1, archivo %2</translation>
    </message>
</context>
<context>
    <name>TraceView</name>
    <message>
        <source>Event trace</source>
        <translation>Traza de eventos</translation>
    </message>
    <message>
        <source>Event &amp;trace of the programs started here:</source>
        <translation>&amp;Traza de eventos de los programas abiertos aquí:</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>Pa&amp;usa</translation>
    </message>
    <message>
        <source>&amp;Hide timer ticks</source>
        <translation>&amp;Ocultar los tics del temporizador</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Each handler with what it assigned; Enter shows the handler&apos;s source</source>
        <translation>Cada manejador con lo que asignó; Intro muestra el código del manejador</translation>
    </message>
    <message>
        <source>Stop &amp;before each event</source>
        <translation>&amp;Detenerse antes de cada evento</translation>
    </message>
    <message>
        <source>Each click, key, change or timer tick waits in the program until “Next event”; what you do in the program meanwhile, closing its window too, waits its turn</source>
        <translation>Cada clic, tecla, cambio o tic del temporizador espera en el programa hasta «Siguiente evento»; lo que haga en el programa mientras tanto, también cerrar su ventana, espera su turno</translation>
    </message>
    <message>
        <source>&amp;Next event (F10)</source>
        <translation>Siguiente &amp;evento (F10)</translation>
    </message>
    <message>
        <source>Runs the waiting event&apos;s handler with all it sets off</source>
        <translation>Ejecuta el manejador del evento en espera con todo lo que desencadena</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;iar</translation>
    </message>
    <message>
        <source>Copies the whole trace as text</source>
        <translation>Copia la traza entera como texto</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>Saves the trace as a text file</source>
        <translation>Guarda la traza como archivo de texto</translation>
    </message>
    <message>
        <source>Save the event trace</source>
        <translation>Guardar la traza de eventos</translation>
    </message>
    <message>
        <source>trace.txt</source>
        <translation>traza.txt</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The trace could not be saved in %1.</source>
        <translation>No se pudo guardar la traza en %1.</translation>
    </message>
</context>
<context>
    <name>VariablesView</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Form variables</source>
        <translation>Variables del formulario</translation>
    </message>
    <message>
        <source>Each window&apos;s form-level variables after the last event; changed values in bold</source>
        <translation>Las variables de formulario de cada ventana tras el último evento; los valores cambiados, en negrita</translation>
    </message>
    <message>
        <source>Form &amp;variables of the programs started here:</source>
        <translation>&amp;Variables de formulario de los programas abiertos aquí:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>rt::TraceLog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message numerus="yes">
        <source>(%n times)</source>
        <translation>
            <numerusform>(%n vez)</numerusform>
            <numerusform>(%n veces)</numerusform>
        </translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>nivel %1</translation>
    </message>
    <message>
        <source>%1 started</source>
        <translation>%1 empezó</translation>
    </message>
    <message>
        <source>not run: the program ended</source>
        <translation>no se ejecutó: el programa terminó</translation>
    </message>
    <message>
        <source>%1 ended</source>
        <translation>%1 terminó</translation>
    </message>
    <message>
        <source>not run: its window was closed</source>
        <translation>no se ejecutó: se cerró su ventana</translation>
    </message>
    <message>
        <source>waiting for an answer</source>
        <translation>esperando una respuesta</translation>
    </message>
    <message>
        <source>answered %1</source>
        <translation>respondido: %1</translation>
    </message>
    <message>
        <source>run-time error %1 “%2” stopped %3</source>
        <translation>el error en tiempo de ejecución %1 «%2» detuvo %3</translation>
    </message>
    <message>
        <source>waiting for “Next event”</source>
        <translation>esperando «Siguiente evento»</translation>
    </message>
</context>
</TS>
