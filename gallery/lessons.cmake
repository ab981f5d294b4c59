# What each program teaches, in the order a learner takes them: its group, its
# name in English and Spanish for the gallery and the desktop menu, a Spanish
# comment for the menu (the Spanish of the program's summary) and the lesson
# the gallery shows, in English and in Spanish. The gallery speaks the
# desktop's language: the Spanish texts here become its translations. Programs
# that are not built are left out of the gallery and the install; a built
# program missing here is listed last, under "Other programs", and the check of
# the translations fails until it has its line. Texts must not contain
# semicolons.

rt_lesson_group("Small converters" "Conversores sencillos")
rt_lesson_group("Control arrays" "Matrices de controles")
rt_lesson_group("Lists" "Listas")
rt_lesson_group("Timers and animation" "Temporizadores y animación")
rt_lesson_group("Drawing in user coordinates" "Dibujo en coordenadas de usuario")
rt_lesson_group("Mouse input" "Entrada con el ratón")
rt_lesson_group("Dialogs and files" "Diálogos y archivos")

rt_lesson(Temperat GROUP "Small converters"
  NAME "Temperature converter" NAME_ES "Conversor de temperaturas"
  COMMENT_ES "Grados Celsius y Fahrenheit con una barra de desplazamiento."
  LESSON "A vertical scroll bar sets a temperature in degrees Celsius and two text boxes show it in Celsius and Fahrenheit. The smallest example of one control's Change event driving others: vsbTemp_Change runs every time the bar moves, by mouse or by arrow key."
  LESSON_ES "Una barra de desplazamiento vertical fija una temperatura en grados Celsius y dos cuadros de texto la muestran en Celsius y en Fahrenheit. El ejemplo más pequeño del evento Change de un control que mueve a otros: vsbTemp_Change se ejecuta cada vez que la barra se mueve, con el ratón o con una tecla de flecha.")
rt_lesson(Calc GROUP "Small converters"
  NAME "Calculator" NAME_ES "Calculadora"
  COMMENT_ES "Suma, resta, producto y cociente de dos números."
  LESSON "Two operand boxes, a result box and four operator buttons. Each button has a Click handler of its own (cmdSuma_Click, cmdResta_Click, cmdProd_Click, cmdDiv_Click) that reads the operands with Val, computes and shows the result and the operator."
  LESSON_ES "Dos cuadros para los operandos, uno para el resultado y cuatro botones de operación. Cada botón tiene su propio manejador Click (cmdSuma_Click, cmdResta_Click, cmdProd_Click, cmdDiv_Click), que lee los operandos con Val, calcula y muestra el resultado y el operador.")

rt_lesson(colorpick GROUP "Control arrays"
  NAME "Colour choice with options" NAME_ES "Elección de colores"
  COMMENT_ES "Botones de opción en marcos que cambian el color y la posición de un recuadro."
  LESSON "A coloured box and two frames of option buttons: one sets the box's colour, the other moves it up or down. Every option has a Click handler of its own (optAzul_Click, optArriba_Click, ...) that sets one property: compare it with the control array of the next program."
  LESSON_ES "Un recuadro de color y dos marcos de botones de opción: uno fija el color del recuadro, el otro lo sube o lo baja. Cada opción tiene su propio manejador Click (optAzul_Click, optArriba_Click, ...) que cambia una propiedad: compárelo con la matriz de controles del programa siguiente.")
rt_lesson(Colores GROUP "Control arrays"
  NAME "RGB colour mixer" NAME_ES "Colores"
  COMMENT_ES "Mezcla de rojo, verde y azul con tres barras de desplazamiento."
  LESSON "Three scroll bars mix red, green and blue into a sample's background or text colour. The bars and the options are control arrays: one hsbColor_Change(Index) and one optColor_Click(Index) serve them all, and setting a bar's value from code runs its Change inside the Click."
  LESSON_ES "Tres barras de desplazamiento mezclan rojo, verde y azul en el color de fondo o del texto de una muestra. Las barras y las opciones son matrices de controles: un solo hsbColor_Change(Index) y un solo optColor_Click(Index) sirven a todas, y fijar el valor de una barra desde el código ejecuta su Change dentro del Click.")

rt_lesson(Numeros GROUP "Lists"
  NAME "Number list operations" NAME_ES "Operar con lista de números"
  COMMENT_ES "Una lista de números: suma, máximo, mínimo y ordenación."
  LESSON "Numbers typed into a text box go into a list, and buttons compute their sum, largest and smallest value, sort them or remove them. txtInput_KeyPress adds a number on Enter, and each button's Click walks the list's items."
  LESSON_ES "Los números que se teclean en un cuadro de texto pasan a una lista, y los botones calculan su suma, el mayor y el menor, los ordenan o los quitan. txtInput_KeyPress añade un número al pulsar Intro, y el Click de cada botón recorre los elementos de la lista.")
rt_lesson(Lista GROUP "Lists"
  NAME "List with statistics" NAME_ES "Lista con estadísticas"
  COMMENT_ES "Media y desviación típica de una lista de números."
  LESSON "A list of numbers with their mean and sample standard deviation. txtEntry_KeyPress and cmbAdd_Click add to the list, cmbCompute_Click reads every item back and computes, and the delete buttons show how a list shrinks."
  LESSON_ES "Una lista de números con su media y su desviación típica muestral. txtEntry_KeyPress y cmbAdd_Click añaden a la lista, cmbCompute_Click vuelve a leer cada elemento y calcula, y los botones de borrar muestran cómo se acorta una lista.")
rt_lesson(multiselect GROUP "Lists"
  NAME "Multiple selection list" NAME_ES "Selección múltiple"
  COMMENT_ES "Una lista con selección múltiple: seleccionar, invertir y borrar."
  LESSON "A list box whose items can be selected many at a time. Buttons select all or none, invert the selection and delete the selected items, walking the list's Selected flags from the end so that deleting does not skip an item."
  LESSON_ES "Un cuadro de lista en el que se pueden seleccionar varios elementos a la vez. Los botones seleccionan todos o ninguno, invierten la selección y borran los elementos seleccionados, recorriendo los indicadores Selected de la lista desde el final para que al borrar no se salte ningún elemento.")
rt_lesson(lineup GROUP "Lists"
  NAME "Football line-up" NAME_ES "Alineaciones"
  COMMENT_ES "Componer una alineación de fútbol a partir de una plantilla."
  LESSON "Pick players of one position at a time into a football line-up. Option buttons choose the position, lstJuga_Click and lstAlin_Click move players between two lists, and counters whose Change events warn when the line-up breaks a rule."
  LESSON_ES "Elija jugadores de una posición cada vez para una alineación de fútbol. Los botones de opción eligen la posición, lstJuga_Click y lstAlin_Click pasan jugadores de una lista a la otra, y unos contadores cuyos eventos Change avisan cuando la alineación rompe una regla.")

rt_lesson(tankfill_a GROUP "Timers and animation"
  NAME "Tank fill and empty" NAME_ES "Llenado y vaciado de un depósito"
  COMMENT_ES "Un depósito que se llena o se vacía con un temporizador."
  LESSON "A tank fills or empties at a flow set with a scroll bar. cmdStart_Click starts the timer, and Timer1_Timer moves the level one step each tick until the tank is full or empty: the first example of a timer driving a simulation."
  LESSON_ES "Un depósito se llena o se vacía con un caudal fijado con una barra de desplazamiento. cmdStart_Click pone en marcha el temporizador, y Timer1_Timer mueve el nivel un paso en cada tic hasta que el depósito está lleno o vacío: el primer ejemplo de un temporizador que mueve una simulación.")
rt_lesson(tankfill_b GROUP "Timers and animation"
  NAME "Tank fill and empty, painted" NAME_ES "Llenado y vaciado de un depósito, dibujado"
  COMMENT_ES "El depósito con el líquido dibujado como una columna roja."
  LESSON "The same tank with its liquid painted as a red column in a picture box. Timer1_Timer changes the level and pctBox_Paint draws it, so the drawing comes back whenever the window is uncovered."
  LESSON_ES "El mismo depósito con el líquido dibujado como una columna roja en un cuadro de imagen. Timer1_Timer cambia el nivel y pctBox_Paint lo dibuja, de modo que el dibujo vuelve cada vez que la ventana se descubre.")
rt_lesson(tankflow GROUP "Timers and animation"
  NAME "Two-tank flow" NAME_ES "Flujo entre dos depósitos"
  COMMENT_ES "Dos depósitos unidos por una tubería, con caudales en barras de desplazamiento."
  LESSON "Two tanks joined by a pipe, with inflows and outflows set on scroll bars. Timer1_Timer advances both levels each tick while the bars' Change handlers alter the flows as it runs."
  LESSON_ES "Dos depósitos unidos por una tubería, con caudales de entrada y de salida fijados en barras de desplazamiento. Timer1_Timer avanza los dos niveles en cada tic mientras los manejadores Change de las barras cambian los caudales en plena marcha.")
rt_lesson(Oscila GROUP "Timers and animation"
  NAME "Sinusoidal oscillation" NAME_ES "Oscilación sinusoidal"
  COMMENT_ES "Un cuerpo en movimiento armónico simple, con arrastrar y soltar."
  LESSON "A body moves in simple harmonic motion, driven by a timer in real time. Its shape comes from a control array of options (optMovil_Click), hsbFrec_Change sets the frequency, and dragging the block onto the box (pctBox_DragDrop) sets the amplitude."
  LESSON_ES "Un cuerpo se mueve con movimiento armónico simple, movido por un temporizador en tiempo real. Su forma se elige con una matriz de opciones (optMovil_Click), hsbFrec_Change fija la frecuencia, y arrastrar el bloque sobre el cuadro (pctBox_DragDrop) fija la amplitud.")

rt_lesson(rootplot GROUP "Drawing in user coordinates"
  NAME "Function plot and roots" NAME_ES "Dibujo y raíces de una función"
  COMMENT_ES "Dibujo de una cúbica y una raíz por el método de Newton."
  LESSON "A cubic with editable coefficients, plotted in a picture box that carries its own scale. cmdDib_Click draws, vsbEscala_Change rescales and redraws, and cmdResolver_Click finds a root with Newton's method."
  LESSON_ES "Una cúbica de coeficientes editables, dibujada en un cuadro de imagen que lleva su propia escala. cmdDib_Click dibuja, vsbEscala_Change cambia la escala y vuelve a dibujar, y cmdResolver_Click busca una raíz por el método de Newton.")
rt_lesson(Lanzador GROUP "Drawing in user coordinates"
  NAME "Projectile launcher" NAME_ES "Lanzador"
  COMMENT_ES "Un proyectil en vuelo parabólico hacia una diana."
  LESSON "A projectile flies along a parabola over a picture box with its own coordinate scale. cmdDispara_Click starts the timer, Timer1_Timer moves the projectile and checks the obstacle and the target, and three scroll bars place the obstacle."
  LESSON_ES "Un proyectil vuela siguiendo una parábola sobre un cuadro de imagen con su propia escala de coordenadas. cmdDispara_Click pone en marcha el temporizador, Timer1_Timer mueve el proyectil y comprueba el obstáculo y la diana, y tres barras de desplazamiento colocan el obstáculo.")

rt_lesson(Poligono GROUP "Mouse input"
  NAME "Polygons and points" NAME_ES "Polígonos y puntos"
  COMMENT_ES "Dibujar un polígono con el ratón y saber si un punto está dentro."
  LESSON "Click vertices of a polygon into a picture box, with a rubber-band line following the mouse (pctBox_MouseMove). A double click (pctBox_DblClick) closes it, then each click (pctBox_MouseDown) tests whether a point lies inside."
  LESSON_ES "Haga clic en los vértices de un polígono dentro de un cuadro de imagen, con una línea elástica que sigue al ratón (pctBox_MouseMove). Un doble clic (pctBox_DblClick) lo cierra, y después cada clic (pctBox_MouseDown) comprueba si un punto está dentro.")
rt_lesson(polydraw GROUP "Mouse input"
  NAME "Polygon drawing" NAME_ES "Dibujo de polígonos"
  COMMENT_ES "Dibujar un polígono con el ratón guardando los vértices en listas."
  LESSON "The polygon again, its vertices kept as text in two list boxes. pctBox_MouseDown adds a vertex, and pctBox_MouseMove turns the pointer into a cross near the first vertex, where a click closes the polygon."
  LESSON_ES "Otra vez el polígono, con sus vértices guardados como texto en dos cuadros de lista. pctBox_MouseDown añade un vértice, y pctBox_MouseMove convierte el puntero en una cruz cerca del primer vértice, donde un clic cierra el polígono.")

rt_lesson(editor1 GROUP "Dialogs and files"
  NAME "Text editor, first edition" NAME_ES "Editor de texto, primera edición"
  COMMENT_ES "Un editor de texto con menús y diálogos de archivo y de fuente."
  LESSON "A plain-text editor: menus File and Edit whose Click handlers open the file, font and colour dialogs, read and write whole files, and Form_Resize keeping the text box the size of the window. It does not notice unsaved changes: New, Open, Exit and the close box throw unsaved text away without a word, which is why the second edition asks first."
  LESSON_ES "Un editor de texto plano: los manejadores Click de los menús File y Edit abren los diálogos de archivo, de fuente y de color, leen y escriben archivos enteros, y Form_Resize mantiene el cuadro de texto del tamaño de la ventana. No se entera de los cambios sin guardar: New, Open, Exit y el botón de cerrar tiran el texto sin guardar sin decir nada, y por eso la segunda edición pregunta antes.")
rt_lesson(editor2 GROUP "Dialogs and files"
  NAME "Text editor, second edition" NAME_ES "Editor de texto, segunda edición"
  COMMENT_ES "El editor que pregunta antes de perder cambios sin guardar."
  LESSON "The editor that tracks unsaved changes: txtBox_Change marks the text as changed, and Form_QueryUnload and the File menu ask before the text is lost."
  LESSON_ES "El editor que lleva la cuenta de los cambios sin guardar: txtBox_Change marca el texto como cambiado, y Form_QueryUnload y el menú File preguntan antes de que el texto se pierda.")
rt_lesson(editor3 GROUP "Dialogs and files"
  NAME "Text editor with find and replace" NAME_ES "Mi Plumex"
  COMMENT_ES "El editor con búsqueda y sustitución en diálogos no modales."
  LESSON "The editor with a Search menu and modeless Find and Replace windows. Each window is a form of its own whose handlers work on the main window's text box, so a program of several forms talking to each other."
  LESSON_ES "El editor con un menú Search y las ventanas no modales Find y Replace. Cada ventana es un formulario propio cuyos manejadores trabajan sobre el cuadro de texto de la ventana principal: un programa de varios formularios que hablan entre sí.")
