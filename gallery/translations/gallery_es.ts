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
    <name>QObject</name>
    <message>
        <source>start %1</source>
        <translation>empieza %1</translation>
    </message>
    <message>
        <source>end %1</source>
        <translation>termina %1</translation>
    </message>
    <message>
        <source>run-time error %1</source>
        <translation>error en tiempo de ejecución %1</translation>
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
</context>
</TS>
