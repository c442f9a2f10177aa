<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Quillora</name>
    <message>
        <source>Went down to the woods today. Got a big surprise. Hope all well, Love from FB x</source>
        <translation>Hoy fui al bosque. Me llevé una gran sorpresa. Espero que estéis todos bien. Con cariño, FB x</translation>
    </message>
    <message>
        <source>Baby bear</source>
        <translation>Osito</translation>
    </message>
    <message>
        <source>Bear town</source>
        <translation>Villaosos</translation>
    </message>
    <message>
        <source>BT8 8TP</source>
        <translation>BT8 8TP</translation>
    </message>
    <message>
        <source>Once upon a time there was an old old man called Mr Grumpy.</source>
        <translation>Érase una vez un señor muy muy viejo que se llamaba el señor Gruñón.</translation>
    </message>
    <message>
        <source>Sorry, this screen cannot be saved as a PNG file.</source>
        <translation>Lo siento, esta pantalla no se puede guardar como archivo PNG.</translation>
    </message>
    <message>
        <source>Sorry. There are some layout files missing. Please re-install Quillora</source>
        <translation>Lo siento. Faltan algunos archivos de diseño. Vuelve a instalar Quillora, por favor</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be opened (%2).</source>
        <translation>No se pudo abrir el archivo de diseño &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; is too large to be a layout.</source>
        <translation>El archivo de diseño &quot;%1&quot; es demasiado grande para ser un diseño.</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; has no layout line.</source>
        <translation>El archivo de diseño &quot;%1&quot; no tiene ninguna línea de diseño.</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge</source>
        <translation>Imprime por las dos caras, dando la vuelta a la hoja por el borde corto</translation>
    </message>
    <message>
        <source>The stamp picture &quot;%1&quot; could not be read.</source>
        <translation>No se pudo leer la imagen del sello &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be saved: ask your teacher to make some room, or save it somewhere else.</source>
        <translation>El disco está lleno y este archivo no se pudo guardar: pide a tu maestro que haga sitio, o guárdalo en otro lugar.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be saved here: choose another folder, or ask your teacher.</source>
        <translation>Este archivo no se pudo guardar aquí: elige otra carpeta o pregunta a tu maestro.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be saved.</source>
        <translation>Lo siento. Este archivo no se pudo guardar.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be found: it may have been moved or renamed.</source>
        <translation>No se encuentra este archivo: puede que se haya movido o cambiado de nombre.</translation>
    </message>
    <message>
        <source>This file is damaged: it may not have finished copying.</source>
        <translation>Este archivo está dañado: puede que no se terminara de copiar.</translation>
    </message>
    <message>
        <source>This file is too big to open: ask your teacher to look at it.</source>
        <translation>Este archivo es demasiado grande para abrirlo: pide a tu maestro que lo mire.</translation>
    </message>
    <message>
        <source>This file was made by a newer Quillora: ask your teacher to update this one.</source>
        <translation>Este archivo se hizo con un Quillora más nuevo: pide a tu maestro que actualice este.</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be opened: ask your teacher to make some room.</source>
        <translation>El disco está lleno y este archivo no se pudo abrir: pide a tu maestro que haga sitio.</translation>
    </message>
    <message>
        <source>This file may not be opened: ask your teacher to check it.</source>
        <translation>Este archivo no se puede abrir: pide a tu maestro que lo revise.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be opened.</source>
        <translation>Lo siento. Este archivo no se pudo abrir.</translation>
    </message>
    <message>
        <source>Some parts of this file could not be used, so they were left out.</source>
        <translation>Algunas partes de este archivo no se pudieron usar y se han dejado fuera.</translation>
    </message>
    <message>
        <source>Your work from today at %1</source>
        <translation>Tu trabajo de hoy a las %1</translation>
    </message>
    <message>
        <source>Your work from yesterday at %1</source>
        <translation>Tu trabajo de ayer a las %1</translation>
    </message>
    <message>
        <source>Your work from %1 at %2</source>
        <translation>Tu trabajo del %1 a las %2</translation>
    </message>
    <message>
        <source>Comic-strip</source>
        <translation>Cómic</translation>
    </message>
    <message>
        <source>Not ready</source>
        <translation>No está listo</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be read (%2).</source>
        <translation>No se pudo leer el archivo de diseño &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; gives no usable page size.</source>
        <translation>El archivo de diseño &quot;%1&quot; no da ningún tamaño de página válido.</translation>
    </message>
    <message>
        <source>Tall page</source>
        <translation>Página alta</translation>
    </message>
    <message>
        <source>My page</source>
        <translation>Mi página</translation>
    </message>
    <message>
        <source>Two columns</source>
        <translation>Dos columnas</translation>
    </message>
    <message>
        <source>Wide page</source>
        <translation>Página ancha</translation>
    </message>
    <message>
        <source>A visit</source>
        <translation>Una visita</translation>
    </message>
    <message>
        <source>Our visit</source>
        <translation>Nuestra visita</translation>
    </message>
    <message>
        <source>We went to</source>
        <translation>Fuimos a</translation>
    </message>
    <message>
        <source>We saw</source>
        <translation>Vimos</translation>
    </message>
    <message>
        <source>It was</source>
        <translation>Fue</translation>
    </message>
    <message>
        <source>by</source>
        <translation>por</translation>
    </message>
    <message>
        <source>All about me</source>
        <translation>Todo sobre mí</translation>
    </message>
    <message>
        <source>I am this old</source>
        <translation>Mi edad</translation>
    </message>
    <message>
        <source>My family</source>
        <translation>Mi familia</translation>
    </message>
    <message>
        <source>I like</source>
        <translation>Me gusta</translation>
    </message>
    <message>
        <source>My name is</source>
        <translation>Me llamo</translation>
    </message>
    <message>
        <source>My book</source>
        <translation>Mi libro</translation>
    </message>
    <message>
        <source>Once upon a time</source>
        <translation>Érase una vez</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>The end</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>My topic</source>
        <translation>Mi tema</translation>
    </message>
    <message>
        <source>My writing</source>
        <translation>Lo que escribo</translation>
    </message>
    <message>
        <source>Poem</source>
        <translation>Poema</translation>
    </message>
    <message>
        <source>My poem</source>
        <translation>Mi poema</translation>
    </message>
    <message>
        <source>Story time</source>
        <translation>La hora del cuento</translation>
    </message>
    <message>
        <source>Birthday card</source>
        <translation>Tarjeta de cumpleaños</translation>
    </message>
    <message>
        <source>Happy birthday</source>
        <translation>Feliz cumpleaños</translation>
    </message>
    <message>
        <source>Dear</source>
        <translation>Querido</translation>
    </message>
    <message>
        <source>Love from</source>
        <translation>Con cariño de</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Hecho por</translation>
    </message>
    <message>
        <source>Get well card</source>
        <translation>Tarjeta para un enfermo</translation>
    </message>
    <message>
        <source>Get well soon</source>
        <translation>Que te mejores pronto</translation>
    </message>
    <message>
        <source>Thank you card</source>
        <translation>Tarjeta de agradecimiento</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Gracias</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Big and small</source>
        <translation>Grande y pequeño</translation>
    </message>
    <message>
        <source>Four squares</source>
        <translation>Cuatro cuadrados</translation>
    </message>
    <message>
        <source>Six frames</source>
        <translation>Seis marcos</translation>
    </message>
    <message>
        <source>Tall and wide</source>
        <translation>Alto y ancho</translation>
    </message>
    <message>
        <source>Three in a row</source>
        <translation>Tres en fila</translation>
    </message>
    <message>
        <source>Two frames</source>
        <translation>Dos marcos</translation>
    </message>
    <message>
        <source>Award</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>Presented to</source>
        <translation>Otorgado a</translation>
    </message>
    <message>
        <source>for</source>
        <translation>por</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Firmado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Diploma</translation>
    </message>
    <message>
        <source>This certificate is awarded to</source>
        <translation>Este diploma se otorga a</translation>
    </message>
    <message>
        <source>Star award</source>
        <translation>Premio estrella</translation>
    </message>
    <message>
        <source>This star award goes to</source>
        <translation>Este premio estrella es para</translation>
    </message>
    <message>
        <source>Well done</source>
        <translation>Muy bien</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>¡Muy bien!</translation>
    </message>
    <message>
        <source>This award is for</source>
        <translation>Este premio es para</translation>
    </message>
    <message>
        <source>No border</source>
        <translation>Sin borde</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenidos</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Fiesta</translation>
    </message>
    <message>
        <source>Party!</source>
        <translation>¡Fiesta!</translation>
    </message>
    <message>
        <source>With border</source>
        <translation>Con borde</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hola</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>Sobre mí</translation>
    </message>
    <message>
        <source>I am</source>
        <translation>Soy</translation>
    </message>
    <message>
        <source>I live in</source>
        <translation>Vivo en</translation>
    </message>
    <message>
        <source>When I grow up I want to be</source>
        <translation>De mayor quiero ser</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>My diary</source>
        <translation>Mi diario</translation>
    </message>
    <message>
        <source>Today is</source>
        <translation>Hoy es</translation>
    </message>
    <message>
        <source>Today I</source>
        <translation>Hoy yo</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Caleidoscopio</translation>
    </message>
    <message>
        <source>I used the colours</source>
        <translation>Usé los colores</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espejo</translation>
    </message>
    <message>
        <source>Mirror magic</source>
        <translation>Espejo mágico</translation>
    </message>
    <message>
        <source>My picture is called</source>
        <translation>Mi dibujo se llama</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Spinning pattern</source>
        <translation>Dibujo que gira</translation>
    </message>
    <message>
        <source>My pattern looks like</source>
        <translation>Mi dibujo se parece a</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Estaciones</translation>
    </message>
    <message>
        <source>The four seasons</source>
        <translation>Las cuatro estaciones</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Primavera</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verano</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Otoño</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Invierno</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Cómo se hace</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primero</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Por último</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Cuento</translation>
    </message>
    <message>
        <source>My story</source>
        <translation>Mi cuento</translation>
    </message>
    <message>
        <source>Then and now</source>
        <translation>Antes y ahora</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>A trip</source>
        <translation>Una excursión</translation>
    </message>
    <message>
        <source>Our trip</source>
        <translation>Nuestra excursión</translation>
    </message>
    <message>
        <source>Where we went</source>
        <translation>Adónde fuimos</translation>
    </message>
    <message>
        <source>What we saw</source>
        <translation>Qué vimos</translation>
    </message>
    <message>
        <source>What we did</source>
        <translation>Qué hicimos</translation>
    </message>
    <message>
        <source>The best bit</source>
        <translation>Lo mejor</translation>
    </message>
    <message>
        <source>Next time</source>
        <translation>La próxima vez</translation>
    </message>
    <message>
        <source>You need</source>
        <translation>Necesitas</translation>
    </message>
    <message>
        <source>What it is</source>
        <translation>Qué es</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dónde</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Did you know</source>
        <translation>Sabías que</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>A recipe</source>
        <translation>Una receta</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Paso 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Paso 2</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Paso 3</translation>
    </message>
    <message>
        <source>Enjoy</source>
        <translation>¡A disfrutar!</translation>
    </message>
    <message>
        <source>My day</source>
        <translation>Mi día</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>Tarde</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Anochecer</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>My pet</source>
        <translation>Mi mascota</translation>
    </message>
    <message>
        <source>Its name</source>
        <translation>Se llama</translation>
    </message>
    <message>
        <source>It eats</source>
        <translation>Come</translation>
    </message>
    <message>
        <source>It likes</source>
        <translation>Le gusta</translation>
    </message>
    <message>
        <source>It sleeps</source>
        <translation>Duerme</translation>
    </message>
    <message>
        <source>I love it</source>
        <translation>Me encanta</translation>
    </message>
    <message>
        <source>Badges</source>
        <translation>Chapas</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcapáginas</translation>
    </message>
    <message>
        <source>Happy reading!</source>
        <translation>¡Feliz lectura!</translation>
    </message>
    <message>
        <source>This book belongs to</source>
        <translation>Este libro es de</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>This belongs to</source>
        <translation>Esto es de</translation>
    </message>
    <message>
        <source>Name cards</source>
        <translation>Tarjetas con nombre</translation>
    </message>
    <message>
        <source>Hello, my name is</source>
        <translation>Hola, me llamo</translation>
    </message>
    <message>
        <source>Raffle tickets</source>
        <translation>Papeletas de rifa</translation>
    </message>
    <message>
        <source>No. ^</source>
        <translation>N.º ^</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Raffle ticket</source>
        <translation>Papeleta de rifa</translation>
    </message>
    <message>
        <source>Class news</source>
        <translation>Noticias de clase</translation>
    </message>
    <message>
        <source>Class News</source>
        <translation>Noticias de la clase</translation>
    </message>
    <message>
        <source>Written by</source>
        <translation>Escrito por</translation>
    </message>
    <message>
        <source>Our big news</source>
        <translation>Nuestra gran noticia</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>Nature notes</source>
        <translation>Notas de la naturaleza</translation>
    </message>
    <message>
        <source>Nature Notes</source>
        <translation>Notas de la naturaleza</translation>
    </message>
    <message>
        <source>What we found outside</source>
        <translation>Lo que encontramos fuera</translation>
    </message>
    <message>
        <source>We looked for</source>
        <translation>Buscamos</translation>
    </message>
    <message>
        <source>School times</source>
        <translation>El diario del cole</translation>
    </message>
    <message>
        <source>School Times</source>
        <translation>El Diario del Cole</translation>
    </message>
    <message>
        <source>Read all about it!</source>
        <translation>¡Extra, extra!</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Sports news</source>
        <translation>Noticias deportivas</translation>
    </message>
    <message>
        <source>Sports News</source>
        <translation>Noticias Deportivas</translation>
    </message>
    <message>
        <source>What a race!</source>
        <translation>¡Qué carrera!</translation>
    </message>
    <message>
        <source>The winner was</source>
        <translation>El ganador fue</translation>
    </message>
    <message>
        <source>Weekend news</source>
        <translation>Noticias del fin de semana</translation>
    </message>
    <message>
        <source>Weekend News</source>
        <translation>Noticias del Fin de Semana</translation>
    </message>
    <message>
        <source>My weekend</source>
        <translation>Mi fin de semana</translation>
    </message>
    <message>
        <source>On Saturday</source>
        <translation>El sábado</translation>
    </message>
    <message>
        <source>On Sunday</source>
        <translation>El domingo</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Postal</translation>
    </message>
    <message>
        <source>Fact file</source>
        <translation>Ficha de datos</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>¿Lo sabías?</translation>
    </message>
    <message>
        <source>Party time!</source>
        <translation>¡Hora de la fiesta!</translation>
    </message>
    <message>
        <source>You are invited!</source>
        <translation>¡Estás invitado!</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>Save our planet</source>
        <translation>Salvemos nuestro planeta</translation>
    </message>
    <message>
        <source>We can help by</source>
        <translation>Podemos ayudar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Come to our show!</source>
        <translation>¡Ven a ver nuestra función!</translation>
    </message>
    <message>
        <source>When:
Where:
Tickets:</source>
        <translation>Cuándo:
Dónde:
Entradas:</translation>
    </message>
    <message>
        <source>Wanted</source>
        <translation>Se busca</translation>
    </message>
    <message>
        <source>WANTED</source>
        <translation>SE BUSCA</translation>
    </message>
    <message>
        <source>Last seen
Reward</source>
        <translation>Visto por última vez
Recompensa</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>My wish</source>
        <translation>Mi deseo</translation>
    </message>
    <message>
        <source>I wish</source>
        <translation>Deseo</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Corazón</translation>
    </message>
    <message>
        <source>I love</source>
        <translation>Quiero a</translation>
    </message>
    <message>
        <source>I love it because</source>
        <translation>Me encanta porque</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Look at me!</source>
        <translation>¡Mírame!</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nube</translation>
    </message>
    <message>
        <source>In the sky</source>
        <translation>En el cielo</translation>
    </message>
    <message>
        <source>Up in the sky I can see</source>
        <translation>Arriba en el cielo veo</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>My home</source>
        <translation>Mi casa</translation>
    </message>
    <message>
        <source>At home I like to</source>
        <translation>En casa me gusta</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Escudo</translation>
    </message>
    <message>
        <source>My coat of arms</source>
        <translation>Mi escudo de armas</translation>
    </message>
    <message>
        <source>My motto is</source>
        <translation>Mi lema es</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Pez</translation>
    </message>
    <message>
        <source>Under the sea</source>
        <translation>Bajo el mar</translation>
    </message>
    <message>
        <source>My fish is called</source>
        <translation>Mi pez se llama</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Mariposa</translation>
    </message>
    <message>
        <source>Beautiful butterfly</source>
        <translation>Mariposa preciosa</translation>
    </message>
    <message>
        <source>My butterfly likes</source>
        <translation>A mi mariposa le gusta</translation>
    </message>
    <message>
        <source>Big sign</source>
        <translation>Cartel grande</translation>
    </message>
    <message>
        <source>Quiet please</source>
        <translation>Silencio, por favor</translation>
    </message>
    <message>
        <source>Quiet
please</source>
        <translation>Silencio,
por favor</translation>
    </message>
    <message>
        <source>We are busy learning</source>
        <translation>Estamos aprendiendo</translation>
    </message>
    <message>
        <source>to our
classroom</source>
        <translation>a nuestra
clase</translation>
    </message>
    <message>
        <source>Our class</source>
        <translation>Nuestra clase</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Keep out</source>
        <translation>Prohibido pasar</translation>
    </message>
    <message>
        <source>KEEP OUT!</source>
        <translation>¡PROHIBIDO PASAR!</translation>
    </message>
    <message>
        <source>Dragon
zone</source>
        <translation>Zona
de dragones</translation>
    </message>
    <message>
        <source>Found it</source>
        <translation>Encontrado</translation>
    </message>
    <message>
        <source>Lost &amp; found</source>
        <translation>Objetos perdidos</translation>
    </message>
    <message>
        <source>Is this yours?</source>
        <translation>¿Es tuyo?</translation>
    </message>
    <message>
        <source>Please ask your teacher</source>
        <translation>Pregunta a tu maestro, por favor</translation>
    </message>
    <message>
        <source>Wash hands</source>
        <translation>Lavarse las manos</translation>
    </message>
    <message>
        <source>Wash your hands</source>
        <translation>Lávate las manos</translation>
    </message>
    <message>
        <source>Soap and water!</source>
        <translation>¡Agua y jabón!</translation>
    </message>
    <message>
        <source>Shop open</source>
        <translation>Tienda abierta</translation>
    </message>
    <message>
        <source>Welcome to our shop</source>
        <translation>Bienvenidos a nuestra tienda</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ABIERTO</translation>
    </message>
    <message>
        <source>Come in!</source>
        <translation>¡Pasa!</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Llamar</translation>
    </message>
    <message>
        <source>Please
knock</source>
        <translation>Por favor,
llama</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>¡Gracias!</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Sencilla</translation>
    </message>
    <message>
        <source>There seems to be some problem with your Printer.</source>
        <translation>Parece que hay algún problema con tu impresora.</translation>
    </message>
    <message>
        <source>There are no printers available on this computer.</source>
        <translation>No hay ninguna impresora disponible en este ordenador.</translation>
    </message>
    <message>
        <source>Write some words first, then print them.</source>
        <translation>Escribe primero algunas palabras y luego imprímelas.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>¿Salir?</translation>
    </message>
    <message>
        <source>Where to store files</source>
        <translation>Dónde guardar los archivos</translation>
    </message>
    <message>
        <source>Use &apos;My Documents&apos; folder</source>
        <translation>Usar la carpeta «Mis documentos»</translation>
    </message>
    <message>
        <source>Use:</source>
        <translation>Usar:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impresión</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Show printer button all the time</source>
        <translation>Mostrar siempre el botón de imprimir</translation>
    </message>
    <message>
        <source>Hide printer button after printing for</source>
        <translation>Ocultar el botón de imprimir después de imprimir durante</translation>
    </message>
    <message>
        <source>Don&apos;t allow any printing</source>
        <translation>No permitir imprimir</translation>
    </message>
    <message>
        <source>Allow multiple copies to be printed</source>
        <translation>Permitir imprimir varias copias</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>Page Scale Factor:</source>
        <translation>Escala de la página:</translation>
    </message>
    <message>
        <source>Page scale factor down</source>
        <translation>Reducir la escala de la página</translation>
    </message>
    <message>
        <source>Page scale factor up</source>
        <translation>Aumentar la escala de la página</translation>
    </message>
    <message>
        <source>Text Scale Factor:</source>
        <translation>Escala del texto:</translation>
    </message>
    <message>
        <source>Text scale factor down</source>
        <translation>Reducir la escala del texto</translation>
    </message>
    <message>
        <source>Text scale factor up</source>
        <translation>Aumentar la escala del texto</translation>
    </message>
    <message>
        <source>Show pull-down string</source>
        <translation>Mostrar el cordón para tirar</translation>
    </message>
    <message>
        <source>Use darker frame colours</source>
        <translation>Usar colores de marco más oscuros</translation>
    </message>
    <message>
        <source>Show on screen keyboard</source>
        <translation>Mostrar el teclado en pantalla</translation>
    </message>
    <message>
        <source>Turn pages in leaflets quickly</source>
        <translation>Pasar rápido las páginas de los folletos</translation>
    </message>
    <message>
        <source>Show Webcam button</source>
        <translation>Mostrar el botón de la webcam</translation>
    </message>
    <message>
        <source>Show the “Read it to me” button</source>
        <translation>Mostrar el botón «Léemelo»</translation>
    </message>
    <message>
        <source>Say each letter as it is typed</source>
        <translation>Decir cada letra al escribirla</translation>
    </message>
    <message>
        <source>Progress pictures every</source>
        <translation>Imágenes de progreso cada</translation>
    </message>
    <message>
        <source>Store Files in:</source>
        <translation>Guardar los archivos en:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Cambiar...</translation>
    </message>
    <message>
        <source>Allow choices from these fonts:</source>
        <translation>Permitir elegir entre estas fuentes:</translation>
    </message>
    <message>
        <source>Font %1</source>
        <translation>Fuente %1</translation>
    </message>
    <message>
        <source>The school has fixed this setting.</source>
        <translation>El colegio ha fijado este ajuste.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>Make the text bigger or smaller</source>
        <translation>Haz el texto más grande o más pequeño</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Elige una fuente</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Texto %1</translation>
    </message>
    <message>
        <source>Words %1</source>
        <translation>Palabras %1</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Dorado</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Verde hierba</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Celeste</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>%1 text</source>
        <translation>Texto %1</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Pancarta</translation>
    </message>
    <message>
        <source>Banner words</source>
        <translation>Palabras de la pancarta</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Thinnest letters</source>
        <translation>Letras más finas</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Thickest letters</source>
        <translation>Letras más gruesas</translation>
    </message>
    <message>
        <source>Banner colour</source>
        <translation>Color de la pancarta</translation>
    </message>
    <message>
        <source>Letter colour</source>
        <translation>Color de las letras</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Color del contorno</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Borde</translation>
    </message>
    <message>
        <source>Bubble %1</source>
        <translation>Bocadillo %1</translation>
    </message>
    <message>
        <source>Bubble %1 words</source>
        <translation>Palabras del bocadillo %1</translation>
    </message>
    <message>
        <source>Bubble %1 point</source>
        <translation>Punta del bocadillo %1</translation>
    </message>
    <message>
        <source>Bubble %1 size</source>
        <translation>Tamaño del bocadillo %1</translation>
    </message>
    <message>
        <source>Drag to point the bubble</source>
        <translation>Arrastra para apuntar el bocadillo</translation>
    </message>
    <message>
        <source>Drag to make the bubble bigger or smaller</source>
        <translation>Arrastra para hacer el bocadillo más grande o más pequeño</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone speak</source>
        <translation>Arrastra a una imagen para que alguien hable</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone think</source>
        <translation>Arrastra a una imagen para que alguien piense</translation>
    </message>
    <message>
        <source>Drag onto a picture to add some words</source>
        <translation>Arrastra a una imagen para añadir palabras</translation>
    </message>
    <message>
        <source>Drop a bubble here to throw it away</source>
        <translation>Suelta aquí un bocadillo para tirarlo</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anillo</translation>
    </message>
    <message>
        <source>Turn clockwise</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Turn anticlockwise</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Sheet of copies</source>
        <translation>Hoja de copias</translation>
    </message>
    <message>
        <source>Fewest copies</source>
        <translation>Menos copias</translation>
    </message>
    <message>
        <source>Most copies</source>
        <translation>Más copias</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Número de copias</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Bigger text</source>
        <translation>Más grande</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>Más pequeño</translation>
    </message>
    <message>
        <source>Felt pens</source>
        <translation>Rotuladores</translation>
    </message>
    <message>
        <source>Paint tools</source>
        <translation>Pintura</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Use this border</source>
        <translation>Usar este borde</translation>
    </message>
    <message>
        <source>Read it to me</source>
        <translation>Léemelo</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Pick a paint tool over there!</source>
        <translation>¡Elige una herramienta de pintura ahí!</translation>
    </message>
    <message>
        <source>Pick a felt pen over there!</source>
        <translation>¡Elige un rotulador ahí!</translation>
    </message>
    <message>
        <source>Leaflet</source>
        <translation>Folleto</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Open the flap</source>
        <translation>Abrir la solapa</translation>
    </message>
    <message>
        <source>Close the flap</source>
        <translation>Cerrar la solapa</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Text box %1</source>
        <translation>Cuadro de texto %1</translation>
    </message>
    <message>
        <source>Rich text box %1</source>
        <translation>Cuadro de texto enriquecido %1</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Imagen %1</translation>
    </message>
    <message>
        <source>Turn over</source>
        <translation>Dar la vuelta</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>More columns</source>
        <translation>Más columnas</translation>
    </message>
    <message>
        <source>Fewer columns</source>
        <translation>Menos columnas</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Más filas</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Menos filas</translation>
    </message>
    <message>
        <source>Layouts</source>
        <translation>Diseños</translation>
    </message>
    <message>
        <source>Sorry. That layout couldn&apos;t be used. Your work is still here.</source>
        <translation>Lo siento. Ese diseño no se pudo usar. Tu trabajo sigue aquí.</translation>
    </message>
    <message>
        <source>Save Work</source>
        <translation>Guardar trabajo</translation>
    </message>
    <message>
        <source>Open Work</source>
        <translation>Abrir trabajo</translation>
    </message>
    <message>
        <source>Your work</source>
        <translation>Tu trabajo</translation>
    </message>
    <message>
        <source>Picture of your work</source>
        <translation>Imagen de tu trabajo</translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>Open it</source>
        <translation>Ábrelo</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>There is already a work called &apos;%1&apos;. Replace it?</source>
        <translation>Ya hay un trabajo que se llama «%1». ¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <source>No pictures of this work yet.</source>
        <translation>Todavía no hay imágenes de este trabajo.</translation>
    </message>
    <message>
        <source>Watch it grow</source>
        <translation>Míralo crecer</translation>
    </message>
    <message>
        <source>Progress pictures</source>
        <translation>Imágenes de progreso</translation>
    </message>
    <message>
        <source>More files</source>
        <translation>Más archivos</translation>
    </message>
    <message>
        <source>Type a name for your work first.</source>
        <translation>Primero escribe un nombre para tu trabajo.</translation>
    </message>
    <message>
        <source>Choose a work to open first.</source>
        <translation>Primero elige un trabajo para abrir.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Divider %1</source>
        <translation>Separador %1</translation>
    </message>
    <message>
        <source>Drag onto the page to add some writing</source>
        <translation>Arrastra a la página para añadir texto</translation>
    </message>
    <message>
        <source>Drag onto the page to add a picture</source>
        <translation>Arrastra a la página para añadir una imagen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Pintar</translation>
    </message>
    <message>
        <source>Do you want to paint on this picture?</source>
        <translation>¿Quieres pintar en esta imagen?</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Paint on this picture</source>
        <translation>Pintar en esta imagen</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Sectores</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Size?</source>
        <translation>¿Tamaño?</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Espera un momento</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espera un momento...</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>¿Guardar?</translation>
    </message>
    <message>
        <source>Don&apos;t keep it</source>
        <translation>No guardarlo</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>Guardarlo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Border magnifier</source>
        <translation>Lupa del borde</translation>
    </message>
    <message>
        <source>Border picture</source>
        <translation>Imagen del borde</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Importar imagen</translation>
    </message>
    <message>
        <source>Fill the box</source>
        <translation>Llenar el cuadro</translation>
    </message>
    <message>
        <source>Show it all</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>Thick pen</source>
        <translation>Lápiz grueso</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Rectángulo relleno</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>Círculo relleno</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Línea recta</translation>
    </message>
    <message>
        <source>Paint pot</source>
        <translation>Bote de pintura</translation>
    </message>
    <message>
        <source>Starburst</source>
        <translation>Estallido</translation>
    </message>
    <message>
        <source>Scribble</source>
        <translation>Garabato</translation>
    </message>
    <message>
        <source>Splat</source>
        <translation>Mancha</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>Verde vivo</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Gris claro</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Azul oscuro</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Melocotón</translation>
    </message>
    <message>
        <source>Olive green</source>
        <translation>Verde oliva</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Cobrizo</translation>
    </message>
    <message>
        <source>Bright pink</source>
        <translation>Rosa fuerte</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Pale yellow</source>
        <translation>Amarillo pálido</translation>
    </message>
    <message>
        <source>Pale green</source>
        <translation>Verde pálido</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Mint green</source>
        <translation>Verde menta</translation>
    </message>
    <message>
        <source>Navy blue</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rojo oscuro</translation>
    </message>
    <message>
        <source>Bright red</source>
        <translation>Rojo vivo</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Rojo claro</translation>
    </message>
    <message>
        <source>Rust</source>
        <translation>Óxido</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Ámbar</translation>
    </message>
    <message>
        <source>Golden yellow</source>
        <translation>Amarillo oro</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limón</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Mostaza</translation>
    </message>
    <message>
        <source>Leaf green</source>
        <translation>Verde hoja</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Lilac</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>Azul pálido</translation>
    </message>
    <message>
        <source>Royal blue</source>
        <translation>Azul real</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Light pink</source>
        <translation>Rosa claro</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Castaño</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Carmesí</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Coal black</source>
        <translation>Negro carbón</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Gris marengo</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Picture menu</source>
        <translation>Menú de la imagen</translation>
    </message>
    <message>
        <source>Sorry. This picture couldn&apos;t be opened.</source>
        <translation>Lo siento. Esta imagen no se pudo abrir.</translation>
    </message>
    <message>
        <source>This page has no picture for the camera.</source>
        <translation>Esta página no tiene ninguna imagen para la cámara.</translation>
    </message>
    <message>
        <source>Touch a picture on the page first, then the camera.</source>
        <translation>Toca primero una imagen de la página y luego la cámara.</translation>
    </message>
    <message>
        <source>Sorry. The picture couldn&apos;t be taken.</source>
        <translation>Lo siento. No se pudo hacer la foto.</translation>
    </message>
    <message>
        <source>Sorry. No webcam was found.</source>
        <translation>Lo siento. No se encontró ninguna webcam.</translation>
    </message>
    <message>
        <source>Sorry. The webcam isn&apos;t working.</source>
        <translation>Lo siento. La webcam no funciona.</translation>
    </message>
    <message>
        <source>In colour</source>
        <translation>En color</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Foto antigua</translation>
    </message>
    <message>
        <source>Pop art</source>
        <translation>Pop art</translation>
    </message>
    <message>
        <source>Take a picture</source>
        <translation>Hacer una foto</translation>
    </message>
    <message>
        <source>Take the picture</source>
        <translation>Hacer la foto</translation>
    </message>
    <message>
        <source>Lighter or darker</source>
        <translation>Más claro o más oscuro</translation>
    </message>
    <message>
        <source>Darker</source>
        <translation>Más oscuro</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Más claro</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>How to fold</source>
        <translation>Cómo doblar</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge.</source>
        <translation>Imprime por las dos caras, dando la vuelta a la hoja por el borde corto.</translation>
    </message>
    <message>
        <source>Leaflets always print at full size, so that the folds meet.</source>
        <translation>Los folletos siempre se imprimen a tamaño real, para que los pliegues coincidan.</translation>
    </message>
    <message>
        <source>Fold the top half back, behind the sheet.</source>
        <translation>Dobla la mitad de arriba hacia atrás, detrás de la hoja.</translation>
    </message>
    <message>
        <source>Fold the bottom half back, behind the sheet.</source>
        <translation>Dobla la mitad de abajo hacia atrás, detrás de la hoja.</translation>
    </message>
    <message>
        <source>Fold the right side in.</source>
        <translation>Dobla el lado derecho hacia dentro.</translation>
    </message>
    <message>
        <source>Fold the left side over. The cover is now on top.</source>
        <translation>Dobla el lado izquierdo por encima. Ahora la portada queda arriba.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>Print?</source>
        <translation>¿Imprimir?</translation>
    </message>
    <message>
        <source>How many?</source>
        <translation>¿Cuántas?</translation>
    </message>
    <message>
        <source>Check printer is set to A4</source>
        <translation>Comprueba que la impresora esté en A4</translation>
    </message>
    <message>
        <source>Pen %1</source>
        <translation>Lápiz %1</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Tamaños</translation>
    </message>
    <message>
        <source>All text boxes</source>
        <translation>Todos los cuadros de texto</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>On screen keyboard</source>
        <translation>Teclado en pantalla</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>Caps</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>Close keyboard</source>
        <translation>Cerrar el teclado</translation>
    </message>
    <message>
        <source>Open keyboard</source>
        <translation>Abrir el teclado</translation>
    </message>
    <message>
        <source>Pull down</source>
        <translation>Tirar hacia abajo</translation>
    </message>
    <message>
        <source>No voice is installed</source>
        <translation>No hay ninguna voz instalada</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Text toolbar</source>
        <translation>Barra de herramientas de texto</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Viñetas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Color %1</translation>
    </message>
    <message>
        <source>The text is not in Rich Text Format.</source>
        <translation>El texto no está en formato de texto enriquecido (RTF).</translation>
    </message>
    <message>
        <source>The text is too long to be read.</source>
        <translation>El texto es demasiado largo para leerlo.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formas</translation>
    </message>
    <message>
        <source>Printing on both sides? Flip on the short edge.</source>
        <translation>¿Imprimes por las dos caras? Da la vuelta por el borde corto.</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Librito</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Multi</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Noticias</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Cartel</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pancarta</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordes</translation>
    </message>
    <message>
        <source>My layout</source>
        <translation>Mi diseño</translation>
    </message>
    <message>
        <source>Posters</source>
        <translation>Pósteres</translation>
    </message>
    <message>
        <source>Picture, row %1 column %2</source>
        <translation>Imagen, fila %1 columna %2</translation>
    </message>
    <message>
        <source>Words, row %1 column %2</source>
        <translation>Palabras, fila %1 columna %2</translation>
    </message>
    <message>
        <source>Quillora Files</source>
        <translation>Archivos de Quillora</translation>
    </message>
    <message>
        <source>PNG file</source>
        <translation>Archivo PNG</translation>
    </message>
    <message>
        <source>%1 felt pen</source>
        <translation>Rotulador %1</translation>
    </message>
    <message>
        <source>%1 pen lid</source>
        <translation>Capuchón del rotulador %1</translation>
    </message>
    <message>
        <source>Pen sizes</source>
        <translation>Tamaños del lápiz</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>Tamaño %1</translation>
    </message>
    <message>
        <source>page</source>
        <translation>página</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>páginas</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The computer&apos;s language</source>
        <translation>El idioma del ordenador</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>A long press opens the picture menu</source>
        <translation>Mantener pulsado abre el menú de la imagen</translation>
    </message>
    <message>
        <source>Abc</source>
        <translation>Abc</translation>
    </message>
    <message numerus="yes">
        <source>minute(s)</source>
        <translation>
            <numerusform>minuto</numerusform>
            <numerusform>minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n página</numerusform>
            <numerusform>%n páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>Press a pen harder for a wider line</source>
        <translation>Aprieta más el lápiz para una línea más ancha</translation>
    </message>
</context>
</TS>
