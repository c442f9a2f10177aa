<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Quillora</name>
    <message>
        <source>Went down to the woods today. Got a big surprise. Hope all well, Love from FB x</source>
        <translation>Oggi sono andato nel bosco. Che bella sorpresa! Spero che stiate tutti bene. Con affetto, FB x</translation>
    </message>
    <message>
        <source>Baby bear</source>
        <translation>Orsetto</translation>
    </message>
    <message>
        <source>Bear town</source>
        <translation>Orsolandia</translation>
    </message>
    <message>
        <source>BT8 8TP</source>
        <translation>BT8 8TP</translation>
    </message>
    <message>
        <source>Once upon a time there was an old old man called Mr Grumpy.</source>
        <translation>C&apos;era una volta un signore vecchio vecchio che si chiamava il signor Brontolone.</translation>
    </message>
    <message>
        <source>Sorry, this screen cannot be saved as a PNG file.</source>
        <translation>Mi dispiace, questa schermata non si può salvare come file PNG.</translation>
    </message>
    <message>
        <source>Sorry. There are some layout files missing. Please re-install Quillora</source>
        <translation>Mi dispiace. Mancano alcuni file di impaginazione. Reinstalla Quillora, per favore</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be opened (%2).</source>
        <translation>Non si è potuto aprire il file di impaginazione &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; is too large to be a layout.</source>
        <translation>Il file di impaginazione &quot;%1&quot; è troppo grande per essere un&apos;impaginazione.</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; has no layout line.</source>
        <translation>Il file di impaginazione &quot;%1&quot; non ha nessuna riga di impaginazione.</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge</source>
        <translation>Stampa fronte e retro, girando il foglio sul lato corto</translation>
    </message>
    <message>
        <source>The stamp picture &quot;%1&quot; could not be read.</source>
        <translation>Non si è potuta leggere l&apos;immagine del francobollo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be saved: ask your teacher to make some room, or save it somewhere else.</source>
        <translation>Il disco è pieno e questo file non si è potuto salvare: chiedi all&apos;insegnante di fare spazio, oppure salvalo da un&apos;altra parte.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be saved here: choose another folder, or ask your teacher.</source>
        <translation>Questo file non si è potuto salvare qui: scegli un&apos;altra cartella, oppure chiedi all&apos;insegnante.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be saved.</source>
        <translation>Mi dispiace. Questo file non si è potuto salvare.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be found: it may have been moved or renamed.</source>
        <translation>Non si trova questo file: forse è stato spostato o rinominato.</translation>
    </message>
    <message>
        <source>This file is damaged: it may not have finished copying.</source>
        <translation>Questo file è rovinato: forse non è stato copiato fino in fondo.</translation>
    </message>
    <message>
        <source>This file is too big to open: ask your teacher to look at it.</source>
        <translation>Questo file è troppo grande da aprire: chiedi all&apos;insegnante di guardarlo.</translation>
    </message>
    <message>
        <source>This file was made by a newer Quillora: ask your teacher to update this one.</source>
        <translation>Questo file è stato fatto con un Quillora più nuovo: chiedi all&apos;insegnante di aggiornare questo.</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be opened: ask your teacher to make some room.</source>
        <translation>Il disco è pieno e questo file non si è potuto aprire: chiedi all&apos;insegnante di fare spazio.</translation>
    </message>
    <message>
        <source>This file may not be opened: ask your teacher to check it.</source>
        <translation>Questo file non si può aprire: chiedi all&apos;insegnante di controllarlo.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be opened.</source>
        <translation>Mi dispiace. Questo file non si è potuto aprire.</translation>
    </message>
    <message>
        <source>Some parts of this file could not be used, so they were left out.</source>
        <translation>Alcune parti di questo file non si sono potute usare e sono state lasciate fuori.</translation>
    </message>
    <message>
        <source>Your work from today at %1</source>
        <translation>Il tuo lavoro di oggi alle %1</translation>
    </message>
    <message>
        <source>Your work from yesterday at %1</source>
        <translation>Il tuo lavoro di ieri alle %1</translation>
    </message>
    <message>
        <source>Your work from %1 at %2</source>
        <translation>Il tuo lavoro del %1 alle %2</translation>
    </message>
    <message>
        <source>Comic-strip</source>
        <translation>Fumetto</translation>
    </message>
    <message>
        <source>Not ready</source>
        <translation>Non pronto</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be read (%2).</source>
        <translation>Non si è potuto leggere il file di impaginazione &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; gives no usable page size.</source>
        <translation>Il file di impaginazione &quot;%1&quot; non dà dimensioni della pagina utilizzabili.</translation>
    </message>
    <message>
        <source>Tall page</source>
        <translation>Pagina alta</translation>
    </message>
    <message>
        <source>My page</source>
        <translation>La mia pagina</translation>
    </message>
    <message>
        <source>Two columns</source>
        <translation>Due colonne</translation>
    </message>
    <message>
        <source>Wide page</source>
        <translation>Pagina larga</translation>
    </message>
    <message>
        <source>A visit</source>
        <translation>Una visita</translation>
    </message>
    <message>
        <source>Our visit</source>
        <translation>La nostra visita</translation>
    </message>
    <message>
        <source>We went to</source>
        <translation>Siamo andati a</translation>
    </message>
    <message>
        <source>We saw</source>
        <translation>Abbiamo visto</translation>
    </message>
    <message>
        <source>It was</source>
        <translation>Era</translation>
    </message>
    <message>
        <source>by</source>
        <translation>di</translation>
    </message>
    <message>
        <source>All about me</source>
        <translation>Tutto su di me</translation>
    </message>
    <message>
        <source>I am this old</source>
        <translation>La mia età</translation>
    </message>
    <message>
        <source>My family</source>
        <translation>La mia famiglia</translation>
    </message>
    <message>
        <source>I like</source>
        <translation>Mi piace</translation>
    </message>
    <message>
        <source>My name is</source>
        <translation>Mi chiamo</translation>
    </message>
    <message>
        <source>My book</source>
        <translation>Il mio libro</translation>
    </message>
    <message>
        <source>Once upon a time</source>
        <translation>C&apos;era una volta</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Poi</translation>
    </message>
    <message>
        <source>The end</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>My topic</source>
        <translation>Il mio argomento</translation>
    </message>
    <message>
        <source>My writing</source>
        <translation>Il mio testo</translation>
    </message>
    <message>
        <source>Poem</source>
        <translation>Poesia</translation>
    </message>
    <message>
        <source>My poem</source>
        <translation>La mia poesia</translation>
    </message>
    <message>
        <source>Story time</source>
        <translation>L&apos;ora delle storie</translation>
    </message>
    <message>
        <source>Birthday card</source>
        <translation>Biglietto di compleanno</translation>
    </message>
    <message>
        <source>Happy birthday</source>
        <translation>Buon compleanno</translation>
    </message>
    <message>
        <source>Dear</source>
        <translation>Caro</translation>
    </message>
    <message>
        <source>Love from</source>
        <translation>Con affetto da</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Fatto da</translation>
    </message>
    <message>
        <source>Get well card</source>
        <translation>Biglietto di pronta guarigione</translation>
    </message>
    <message>
        <source>Get well soon</source>
        <translation>Guarisci presto</translation>
    </message>
    <message>
        <source>Thank you card</source>
        <translation>Biglietto di ringraziamento</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Grazie</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>Big and small</source>
        <translation>Grande e piccolo</translation>
    </message>
    <message>
        <source>Four squares</source>
        <translation>Quattro quadrati</translation>
    </message>
    <message>
        <source>Six frames</source>
        <translation>Sei riquadri</translation>
    </message>
    <message>
        <source>Tall and wide</source>
        <translation>Alto e largo</translation>
    </message>
    <message>
        <source>Three in a row</source>
        <translation>Tre in fila</translation>
    </message>
    <message>
        <source>Two frames</source>
        <translation>Due riquadri</translation>
    </message>
    <message>
        <source>Award</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>Presented to</source>
        <translation>Consegnato a</translation>
    </message>
    <message>
        <source>for</source>
        <translation>per</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Attestato</translation>
    </message>
    <message>
        <source>This certificate is awarded to</source>
        <translation>Questo attestato è consegnato a</translation>
    </message>
    <message>
        <source>Star award</source>
        <translation>Premio stella</translation>
    </message>
    <message>
        <source>This star award goes to</source>
        <translation>Questo premio stella va a</translation>
    </message>
    <message>
        <source>Well done</source>
        <translation>Bravo</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bravo!</translation>
    </message>
    <message>
        <source>This award is for</source>
        <translation>Questo premio è per</translation>
    </message>
    <message>
        <source>No border</source>
        <translation>Senza bordo</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Benvenuti</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Festa</translation>
    </message>
    <message>
        <source>Party!</source>
        <translation>Festa!</translation>
    </message>
    <message>
        <source>With border</source>
        <translation>Con bordo</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Ciao</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>Su di me</translation>
    </message>
    <message>
        <source>I am</source>
        <translation>Io sono</translation>
    </message>
    <message>
        <source>I live in</source>
        <translation>Abito a</translation>
    </message>
    <message>
        <source>When I grow up I want to be</source>
        <translation>Da grande voglio fare</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>My diary</source>
        <translation>Il mio diario</translation>
    </message>
    <message>
        <source>Today is</source>
        <translation>Oggi è</translation>
    </message>
    <message>
        <source>Today I</source>
        <translation>Oggi io</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Caleidoscopio</translation>
    </message>
    <message>
        <source>I used the colours</source>
        <translation>Ho usato i colori</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Specchio</translation>
    </message>
    <message>
        <source>Mirror magic</source>
        <translation>Magia dello specchio</translation>
    </message>
    <message>
        <source>My picture is called</source>
        <translation>Il mio disegno si chiama</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Spinning pattern</source>
        <translation>Disegno che gira</translation>
    </message>
    <message>
        <source>My pattern looks like</source>
        <translation>Il mio disegno assomiglia a</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Stagioni</translation>
    </message>
    <message>
        <source>The four seasons</source>
        <translation>Le quattro stagioni</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Primavera</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Estate</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Autunno</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Inverno</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passi</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Come si fa</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Poi</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Infine</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Storia</translation>
    </message>
    <message>
        <source>My story</source>
        <translation>La mia storia</translation>
    </message>
    <message>
        <source>Then and now</source>
        <translation>Prima e adesso</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Adesso</translation>
    </message>
    <message>
        <source>A trip</source>
        <translation>Una gita</translation>
    </message>
    <message>
        <source>Our trip</source>
        <translation>La nostra gita</translation>
    </message>
    <message>
        <source>Where we went</source>
        <translation>Dove siamo andati</translation>
    </message>
    <message>
        <source>What we saw</source>
        <translation>Cosa abbiamo visto</translation>
    </message>
    <message>
        <source>What we did</source>
        <translation>Cosa abbiamo fatto</translation>
    </message>
    <message>
        <source>The best bit</source>
        <translation>La parte più bella</translation>
    </message>
    <message>
        <source>Next time</source>
        <translation>La prossima volta</translation>
    </message>
    <message>
        <source>You need</source>
        <translation>Ti serve</translation>
    </message>
    <message>
        <source>What it is</source>
        <translation>Che cos&apos;è</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dove</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Fatti</translation>
    </message>
    <message>
        <source>Did you know</source>
        <translation>Lo sapevi</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>A recipe</source>
        <translation>Una ricetta</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Passo 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Passo 2</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Passo 3</translation>
    </message>
    <message>
        <source>Enjoy</source>
        <translation>Buon appetito</translation>
    </message>
    <message>
        <source>My day</source>
        <translation>La mia giornata</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Mattina</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Pranzo</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>Pomeriggio</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Sera</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Notte</translation>
    </message>
    <message>
        <source>My pet</source>
        <translation>Il mio animale</translation>
    </message>
    <message>
        <source>Its name</source>
        <translation>Il suo nome</translation>
    </message>
    <message>
        <source>It eats</source>
        <translation>Mangia</translation>
    </message>
    <message>
        <source>It likes</source>
        <translation>Gli piace</translation>
    </message>
    <message>
        <source>It sleeps</source>
        <translation>Dorme</translation>
    </message>
    <message>
        <source>I love it</source>
        <translation>Gli voglio bene</translation>
    </message>
    <message>
        <source>Badges</source>
        <translation>Spille</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Segnalibri</translation>
    </message>
    <message>
        <source>Happy reading!</source>
        <translation>Buona lettura!</translation>
    </message>
    <message>
        <source>This book belongs to</source>
        <translation>Questo libro appartiene a</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etichette</translation>
    </message>
    <message>
        <source>This belongs to</source>
        <translation>Questo appartiene a</translation>
    </message>
    <message>
        <source>Name cards</source>
        <translation>Cartellini con il nome</translation>
    </message>
    <message>
        <source>Hello, my name is</source>
        <translation>Ciao, mi chiamo</translation>
    </message>
    <message>
        <source>Raffle tickets</source>
        <translation>Biglietti della lotteria</translation>
    </message>
    <message>
        <source>No. ^</source>
        <translation>N. ^</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Raffle ticket</source>
        <translation>Biglietto della lotteria</translation>
    </message>
    <message>
        <source>Class news</source>
        <translation>Notizie della classe</translation>
    </message>
    <message>
        <source>Class News</source>
        <translation>Notizie della Classe</translation>
    </message>
    <message>
        <source>Written by</source>
        <translation>Scritto da</translation>
    </message>
    <message>
        <source>Our big news</source>
        <translation>La nostra grande notizia</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Questa settimana</translation>
    </message>
    <message>
        <source>Nature notes</source>
        <translation>Appunti di natura</translation>
    </message>
    <message>
        <source>Nature Notes</source>
        <translation>Appunti di Natura</translation>
    </message>
    <message>
        <source>What we found outside</source>
        <translation>Cosa abbiamo trovato fuori</translation>
    </message>
    <message>
        <source>We looked for</source>
        <translation>Abbiamo cercato</translation>
    </message>
    <message>
        <source>School times</source>
        <translation>Giornale della scuola</translation>
    </message>
    <message>
        <source>School Times</source>
        <translation>Il Giornale della Scuola</translation>
    </message>
    <message>
        <source>Read all about it!</source>
        <translation>Ultime notizie!</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Sports news</source>
        <translation>Notizie sportive</translation>
    </message>
    <message>
        <source>Sports News</source>
        <translation>Notizie Sportive</translation>
    </message>
    <message>
        <source>What a race!</source>
        <translation>Che gara!</translation>
    </message>
    <message>
        <source>The winner was</source>
        <translation>Ha vinto</translation>
    </message>
    <message>
        <source>Weekend news</source>
        <translation>Notizie del fine settimana</translation>
    </message>
    <message>
        <source>Weekend News</source>
        <translation>Notizie del Fine Settimana</translation>
    </message>
    <message>
        <source>My weekend</source>
        <translation>Il mio fine settimana</translation>
    </message>
    <message>
        <source>On Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>On Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Cartolina</translation>
    </message>
    <message>
        <source>Fact file</source>
        <translation>Scheda informativa</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>Lo sapevi?</translation>
    </message>
    <message>
        <source>Party time!</source>
        <translation>È ora di fare festa!</translation>
    </message>
    <message>
        <source>You are invited!</source>
        <translation>Sei invitato!</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Pianeta</translation>
    </message>
    <message>
        <source>Save our planet</source>
        <translation>Salviamo il nostro pianeta</translation>
    </message>
    <message>
        <source>We can help by</source>
        <translation>Possiamo aiutare così</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Spettacolo</translation>
    </message>
    <message>
        <source>Come to our show!</source>
        <translation>Vieni al nostro spettacolo!</translation>
    </message>
    <message>
        <source>When:
Where:
Tickets:</source>
        <translation>Quando:
Dove:
Biglietti:</translation>
    </message>
    <message>
        <source>Wanted</source>
        <translation>Ricercato</translation>
    </message>
    <message>
        <source>WANTED</source>
        <translation>RICERCATO</translation>
    </message>
    <message>
        <source>Last seen
Reward</source>
        <translation>Visto l&apos;ultima volta
Ricompensa</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stella</translation>
    </message>
    <message>
        <source>My wish</source>
        <translation>Il mio desiderio</translation>
    </message>
    <message>
        <source>I wish</source>
        <translation>Vorrei</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cuore</translation>
    </message>
    <message>
        <source>I love</source>
        <translation>Voglio bene a</translation>
    </message>
    <message>
        <source>I love it because</source>
        <translation>Gli voglio bene perché</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>Look at me!</source>
        <translation>Guardami!</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nuvola</translation>
    </message>
    <message>
        <source>In the sky</source>
        <translation>Nel cielo</translation>
    </message>
    <message>
        <source>Up in the sky I can see</source>
        <translation>Lassù nel cielo vedo</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>My home</source>
        <translation>La mia casa</translation>
    </message>
    <message>
        <source>At home I like to</source>
        <translation>A casa mi piace</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Scudo</translation>
    </message>
    <message>
        <source>My coat of arms</source>
        <translation>Il mio stemma</translation>
    </message>
    <message>
        <source>My motto is</source>
        <translation>Il mio motto è</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Pesce</translation>
    </message>
    <message>
        <source>Under the sea</source>
        <translation>Sotto il mare</translation>
    </message>
    <message>
        <source>My fish is called</source>
        <translation>Il mio pesce si chiama</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Farfalla</translation>
    </message>
    <message>
        <source>Beautiful butterfly</source>
        <translation>Bella farfalla</translation>
    </message>
    <message>
        <source>My butterfly likes</source>
        <translation>Alla mia farfalla piace</translation>
    </message>
    <message>
        <source>Big sign</source>
        <translation>Cartello grande</translation>
    </message>
    <message>
        <source>Quiet please</source>
        <translation>Silenzio, per favore</translation>
    </message>
    <message>
        <source>Quiet
please</source>
        <translation>Silenzio
per favore</translation>
    </message>
    <message>
        <source>We are busy learning</source>
        <translation>Stiamo imparando</translation>
    </message>
    <message>
        <source>to our
classroom</source>
        <translation>nella nostra
classe</translation>
    </message>
    <message>
        <source>Our class</source>
        <translation>La nostra classe</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Keep out</source>
        <translation>Vietato entrare</translation>
    </message>
    <message>
        <source>KEEP OUT!</source>
        <translation>VIETATO ENTRARE!</translation>
    </message>
    <message>
        <source>Dragon
zone</source>
        <translation>Zona
draghi</translation>
    </message>
    <message>
        <source>Found it</source>
        <translation>Trovato</translation>
    </message>
    <message>
        <source>Lost &amp; found</source>
        <translation>Oggetti smarriti</translation>
    </message>
    <message>
        <source>Is this yours?</source>
        <translation>È tuo?</translation>
    </message>
    <message>
        <source>Please ask your teacher</source>
        <translation>Chiedi all&apos;insegnante, per favore</translation>
    </message>
    <message>
        <source>Wash hands</source>
        <translation>Lavarsi le mani</translation>
    </message>
    <message>
        <source>Wash your hands</source>
        <translation>Lavati le mani</translation>
    </message>
    <message>
        <source>Soap and water!</source>
        <translation>Acqua e sapone!</translation>
    </message>
    <message>
        <source>Shop open</source>
        <translation>Negozio aperto</translation>
    </message>
    <message>
        <source>Welcome to our shop</source>
        <translation>Benvenuti nel nostro negozio</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>APERTO</translation>
    </message>
    <message>
        <source>Come in!</source>
        <translation>Entrate!</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Bussare</translation>
    </message>
    <message>
        <source>Please
knock</source>
        <translation>Per favore
bussa</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>Grazie!</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Semplice</translation>
    </message>
    <message>
        <source>There seems to be some problem with your Printer.</source>
        <translation>Sembra che ci sia un problema con la tua stampante.</translation>
    </message>
    <message>
        <source>There are no printers available on this computer.</source>
        <translation>Non ci sono stampanti disponibili su questo computer.</translation>
    </message>
    <message>
        <source>Write some words first, then print them.</source>
        <translation>Prima scrivi qualche parola, poi stampala.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Uscire?</translation>
    </message>
    <message>
        <source>Where to store files</source>
        <translation>Dove salvare i file</translation>
    </message>
    <message>
        <source>Use &apos;My Documents&apos; folder</source>
        <translation>Usa la cartella «Documenti»</translation>
    </message>
    <message>
        <source>Use:</source>
        <translation>Usa:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Caratteri</translation>
    </message>
    <message>
        <source>Show printer button all the time</source>
        <translation>Mostra sempre il pulsante di stampa</translation>
    </message>
    <message>
        <source>Hide printer button after printing for</source>
        <translation>Nascondi il pulsante di stampa dopo la stampa per</translation>
    </message>
    <message>
        <source>Don&apos;t allow any printing</source>
        <translation>Non permettere di stampare</translation>
    </message>
    <message>
        <source>Allow multiple copies to be printed</source>
        <translation>Permetti di stampare più copie</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Stampante:</translation>
    </message>
    <message>
        <source>Page Scale Factor:</source>
        <translation>Scala della pagina:</translation>
    </message>
    <message>
        <source>Page scale factor down</source>
        <translation>Riduci la scala della pagina</translation>
    </message>
    <message>
        <source>Page scale factor up</source>
        <translation>Aumenta la scala della pagina</translation>
    </message>
    <message>
        <source>Text Scale Factor:</source>
        <translation>Scala del testo:</translation>
    </message>
    <message>
        <source>Text scale factor down</source>
        <translation>Riduci la scala del testo</translation>
    </message>
    <message>
        <source>Text scale factor up</source>
        <translation>Aumenta la scala del testo</translation>
    </message>
    <message>
        <source>Show pull-down string</source>
        <translation>Mostra la cordicella da tirare</translation>
    </message>
    <message>
        <source>Use darker frame colours</source>
        <translation>Usa colori più scuri per le cornici</translation>
    </message>
    <message>
        <source>Show on screen keyboard</source>
        <translation>Mostra la tastiera sullo schermo</translation>
    </message>
    <message>
        <source>Turn pages in leaflets quickly</source>
        <translation>Gira velocemente le pagine dei pieghevoli</translation>
    </message>
    <message>
        <source>Show Webcam button</source>
        <translation>Mostra il pulsante della webcam</translation>
    </message>
    <message>
        <source>Show the “Read it to me” button</source>
        <translation>Mostra il pulsante «Leggimelo»</translation>
    </message>
    <message>
        <source>Say each letter as it is typed</source>
        <translation>Pronuncia ogni lettera mentre viene scritta</translation>
    </message>
    <message>
        <source>Progress pictures every</source>
        <translation>Immagini di avanzamento ogni</translation>
    </message>
    <message>
        <source>Store Files in:</source>
        <translation>Salva i file in:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Cambia...</translation>
    </message>
    <message>
        <source>Allow choices from these fonts:</source>
        <translation>Permetti di scegliere tra questi caratteri:</translation>
    </message>
    <message>
        <source>Font %1</source>
        <translation>Carattere %1</translation>
    </message>
    <message>
        <source>The school has fixed this setting.</source>
        <translation>La scuola ha bloccato questa impostazione.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Make the text bigger or smaller</source>
        <translation>Rendi il testo più grande o più piccolo</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Scegli un carattere</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Testo %1</translation>
    </message>
    <message>
        <source>Words %1</source>
        <translation>Parole %1</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Verde prato</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Azzurro</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrone</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>%1 text</source>
        <translation>Testo %1</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Striscione</translation>
    </message>
    <message>
        <source>Banner words</source>
        <translation>Parole dello striscione</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettere</translation>
    </message>
    <message>
        <source>Thinnest letters</source>
        <translation>Lettere più sottili</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>Thickest letters</source>
        <translation>Lettere più spesse</translation>
    </message>
    <message>
        <source>Banner colour</source>
        <translation>Colore dello striscione</translation>
    </message>
    <message>
        <source>Letter colour</source>
        <translation>Colore delle lettere</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Colore del contorno</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <source>Bubble %1</source>
        <translation>Fumetto %1</translation>
    </message>
    <message>
        <source>Bubble %1 words</source>
        <translation>Parole del fumetto %1</translation>
    </message>
    <message>
        <source>Bubble %1 point</source>
        <translation>Punta del fumetto %1</translation>
    </message>
    <message>
        <source>Bubble %1 size</source>
        <translation>Dimensione del fumetto %1</translation>
    </message>
    <message>
        <source>Drag to point the bubble</source>
        <translation>Trascina per orientare il fumetto</translation>
    </message>
    <message>
        <source>Drag to make the bubble bigger or smaller</source>
        <translation>Trascina per rendere il fumetto più grande o più piccolo</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone speak</source>
        <translation>Trascina su un&apos;immagine per far parlare qualcuno</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone think</source>
        <translation>Trascina su un&apos;immagine per far pensare qualcuno</translation>
    </message>
    <message>
        <source>Drag onto a picture to add some words</source>
        <translation>Trascina su un&apos;immagine per aggiungere delle parole</translation>
    </message>
    <message>
        <source>Drop a bubble here to throw it away</source>
        <translation>Lascia qui un fumetto per buttarlo via</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anello</translation>
    </message>
    <message>
        <source>Turn clockwise</source>
        <translation>Gira a destra</translation>
    </message>
    <message>
        <source>Turn anticlockwise</source>
        <translation>Gira a sinistra</translation>
    </message>
    <message>
        <source>Sheet of copies</source>
        <translation>Foglio di copie</translation>
    </message>
    <message>
        <source>Fewest copies</source>
        <translation>Meno copie</translation>
    </message>
    <message>
        <source>Most copies</source>
        <translation>Più copie</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Numero di copie</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Bigger text</source>
        <translation>Più grande</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>Più piccolo</translation>
    </message>
    <message>
        <source>Felt pens</source>
        <translation>Pennarelli</translation>
    </message>
    <message>
        <source>Paint tools</source>
        <translation>Pittura</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>Use this border</source>
        <translation>Usa questo bordo</translation>
    </message>
    <message>
        <source>Read it to me</source>
        <translation>Leggimelo</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Pick a paint tool over there!</source>
        <translation>Scegli uno strumento di pittura lì!</translation>
    </message>
    <message>
        <source>Pick a felt pen over there!</source>
        <translation>Scegli un pennarello lì!</translation>
    </message>
    <message>
        <source>Leaflet</source>
        <translation>Pieghevole</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Open the flap</source>
        <translation>Apri l&apos;aletta</translation>
    </message>
    <message>
        <source>Close the flap</source>
        <translation>Chiudi l&apos;aletta</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Text box %1</source>
        <translation>Casella di testo %1</translation>
    </message>
    <message>
        <source>Rich text box %1</source>
        <translation>Casella di testo formattato %1</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Immagine %1</translation>
    </message>
    <message>
        <source>Turn over</source>
        <translation>Gira</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>More columns</source>
        <translation>Più colonne</translation>
    </message>
    <message>
        <source>Fewer columns</source>
        <translation>Meno colonne</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Più righe</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Meno righe</translation>
    </message>
    <message>
        <source>Layouts</source>
        <translation>Impaginazioni</translation>
    </message>
    <message>
        <source>Sorry. That layout couldn&apos;t be used. Your work is still here.</source>
        <translation>Mi dispiace. Non si è potuta usare quell&apos;impaginazione. Il tuo lavoro è ancora qui.</translation>
    </message>
    <message>
        <source>Save Work</source>
        <translation>Salva il lavoro</translation>
    </message>
    <message>
        <source>Open Work</source>
        <translation>Apri un lavoro</translation>
    </message>
    <message>
        <source>Your work</source>
        <translation>Il tuo lavoro</translation>
    </message>
    <message>
        <source>Picture of your work</source>
        <translation>Immagine del tuo lavoro</translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation>Butta via</translation>
    </message>
    <message>
        <source>Open it</source>
        <translation>Aprilo</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>There is already a work called &apos;%1&apos;. Replace it?</source>
        <translation>C&apos;è già un lavoro chiamato «%1». Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>No pictures of this work yet.</source>
        <translation>Non ci sono ancora immagini di questo lavoro.</translation>
    </message>
    <message>
        <source>Watch it grow</source>
        <translation>Guardalo crescere</translation>
    </message>
    <message>
        <source>Progress pictures</source>
        <translation>Immagini di avanzamento</translation>
    </message>
    <message>
        <source>More files</source>
        <translation>Altri file</translation>
    </message>
    <message>
        <source>Type a name for your work first.</source>
        <translation>Prima scrivi un nome per il tuo lavoro.</translation>
    </message>
    <message>
        <source>Choose a work to open first.</source>
        <translation>Prima scegli un lavoro da aprire.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome del file</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Divider %1</source>
        <translation>Divisore %1</translation>
    </message>
    <message>
        <source>Drag onto the page to add some writing</source>
        <translation>Trascina sulla pagina per aggiungere del testo</translation>
    </message>
    <message>
        <source>Drag onto the page to add a picture</source>
        <translation>Trascina sulla pagina per aggiungere un&apos;immagine</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Dipingi</translation>
    </message>
    <message>
        <source>Do you want to paint on this picture?</source>
        <translation>Vuoi dipingere su questa immagine?</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Paint on this picture</source>
        <translation>Dipingi su questa immagine</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Meno</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Spicchi</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Size?</source>
        <translation>Dimensione?</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Piccolo</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Aspetta un momento</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aspetta un momento...</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Salvare?</translation>
    </message>
    <message>
        <source>Don&apos;t keep it</source>
        <translation>Non tenerlo</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>Salvalo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Border magnifier</source>
        <translation>Lente del bordo</translation>
    </message>
    <message>
        <source>Border picture</source>
        <translation>Immagine del bordo</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Importa immagine</translation>
    </message>
    <message>
        <source>Fill the box</source>
        <translation>Riempi tutto</translation>
    </message>
    <message>
        <source>Show it all</source>
        <translation>Mostra tutto</translation>
    </message>
    <message>
        <source>Thick pen</source>
        <translation>Penna grossa</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Matita</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Rettangolo pieno</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>Cerchio pieno</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Linea dritta</translation>
    </message>
    <message>
        <source>Paint pot</source>
        <translation>Barattolo di colore</translation>
    </message>
    <message>
        <source>Starburst</source>
        <translation>Esplosione</translation>
    </message>
    <message>
        <source>Scribble</source>
        <translation>Scarabocchio</translation>
    </message>
    <message>
        <source>Splat</source>
        <translation>Macchia</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>Verde brillante</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turchese</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Grigio chiaro</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Blu scuro</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Pesca</translation>
    </message>
    <message>
        <source>Olive green</source>
        <translation>Verde oliva</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Fulvo</translation>
    </message>
    <message>
        <source>Bright pink</source>
        <translation>Rosa acceso</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Pale yellow</source>
        <translation>Giallo pallido</translation>
    </message>
    <message>
        <source>Pale green</source>
        <translation>Verde pallido</translation>
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
        <translation>Blu marino</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rosso scuro</translation>
    </message>
    <message>
        <source>Bright red</source>
        <translation>Rosso acceso</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Rosso chiaro</translation>
    </message>
    <message>
        <source>Rust</source>
        <translation>Ruggine</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Ambra</translation>
    </message>
    <message>
        <source>Golden yellow</source>
        <translation>Giallo oro</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limone</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Senape</translation>
    </message>
    <message>
        <source>Leaf green</source>
        <translation>Verde foglia</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde acqua</translation>
    </message>
    <message>
        <source>Lilac</source>
        <translation>Lilla</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>Celeste</translation>
    </message>
    <message>
        <source>Royal blue</source>
        <translation>Blu reale</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Viola acceso</translation>
    </message>
    <message>
        <source>Light pink</source>
        <translation>Rosa chiaro</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Castagna</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Cremisi</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Coal black</source>
        <translation>Nero carbone</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Grigio scuro</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Antracite</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Picture menu</source>
        <translation>Menu dell&apos;immagine</translation>
    </message>
    <message>
        <source>Sorry. This picture couldn&apos;t be opened.</source>
        <translation>Mi dispiace. Non si è potuta aprire questa immagine.</translation>
    </message>
    <message>
        <source>This page has no picture for the camera.</source>
        <translation>Questa pagina non ha un&apos;immagine per la fotocamera.</translation>
    </message>
    <message>
        <source>Touch a picture on the page first, then the camera.</source>
        <translation>Prima tocca un&apos;immagine sulla pagina, poi la fotocamera.</translation>
    </message>
    <message>
        <source>Sorry. The picture couldn&apos;t be taken.</source>
        <translation>Mi dispiace. Non si è potuta scattare la foto.</translation>
    </message>
    <message>
        <source>Sorry. No webcam was found.</source>
        <translation>Mi dispiace. Non è stata trovata nessuna webcam.</translation>
    </message>
    <message>
        <source>Sorry. The webcam isn&apos;t working.</source>
        <translation>Mi dispiace. La webcam non funziona.</translation>
    </message>
    <message>
        <source>In colour</source>
        <translation>A colori</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Foto antica</translation>
    </message>
    <message>
        <source>Pop art</source>
        <translation>Pop art</translation>
    </message>
    <message>
        <source>Take a picture</source>
        <translation>Scatta una foto</translation>
    </message>
    <message>
        <source>Take the picture</source>
        <translation>Scatta la foto</translation>
    </message>
    <message>
        <source>Lighter or darker</source>
        <translation>Più chiaro o più scuro</translation>
    </message>
    <message>
        <source>Darker</source>
        <translation>Più scuro</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Più chiaro</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>How to fold</source>
        <translation>Come piegare</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge.</source>
        <translation>Stampa fronte e retro, girando il foglio sul lato corto.</translation>
    </message>
    <message>
        <source>Leaflets always print at full size, so that the folds meet.</source>
        <translation>I pieghevoli si stampano sempre a grandezza intera, così le pieghe combaciano.</translation>
    </message>
    <message>
        <source>Fold the top half back, behind the sheet.</source>
        <translation>Piega la metà di sopra all&apos;indietro, dietro il foglio.</translation>
    </message>
    <message>
        <source>Fold the bottom half back, behind the sheet.</source>
        <translation>Piega la metà di sotto all&apos;indietro, dietro il foglio.</translation>
    </message>
    <message>
        <source>Fold the right side in.</source>
        <translation>Piega il lato destro verso l&apos;interno.</translation>
    </message>
    <message>
        <source>Fold the left side over. The cover is now on top.</source>
        <translation>Ripiega sopra il lato sinistro. Adesso la copertina è sopra.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>File PDF</translation>
    </message>
    <message>
        <source>Print?</source>
        <translation>Stampare?</translation>
    </message>
    <message>
        <source>How many?</source>
        <translation>Quante?</translation>
    </message>
    <message>
        <source>Check printer is set to A4</source>
        <translation>Controlla che la stampante sia impostata su A4</translation>
    </message>
    <message>
        <source>Pen %1</source>
        <translation>Penna %1</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>All text boxes</source>
        <translation>Tutte le caselle di testo</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>On screen keyboard</source>
        <translation>Tastiera sullo schermo</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiusc</translation>
    </message>
    <message>
        <source>Caps</source>
        <translation>Bloc Maiusc</translation>
    </message>
    <message>
        <source>Close keyboard</source>
        <translation>Chiudi la tastiera</translation>
    </message>
    <message>
        <source>Open keyboard</source>
        <translation>Apri la tastiera</translation>
    </message>
    <message>
        <source>Pull down</source>
        <translation>Tira giù</translation>
    </message>
    <message>
        <source>No voice is installed</source>
        <translation>Non è installata nessuna voce</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Text toolbar</source>
        <translation>Barra del testo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Elenco puntato</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Colore %1</translation>
    </message>
    <message>
        <source>The text is not in Rich Text Format.</source>
        <translation>Il testo non è in formato RTF (Rich Text Format).</translation>
    </message>
    <message>
        <source>The text is too long to be read.</source>
        <translation>Il testo è troppo lungo per essere letto.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Printing on both sides? Flip on the short edge.</source>
        <translation>Stampi fronte e retro? Gira sul lato corto.</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Libretto</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Biglietto</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Multi</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Notizie</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Libera</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Cartello</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Striscione</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordi</translation>
    </message>
    <message>
        <source>My layout</source>
        <translation>La mia impaginazione</translation>
    </message>
    <message>
        <source>Posters</source>
        <translation>Poster</translation>
    </message>
    <message>
        <source>Picture, row %1 column %2</source>
        <translation>Immagine, riga %1 colonna %2</translation>
    </message>
    <message>
        <source>Words, row %1 column %2</source>
        <translation>Parole, riga %1 colonna %2</translation>
    </message>
    <message>
        <source>Quillora Files</source>
        <translation>File di Quillora</translation>
    </message>
    <message>
        <source>PNG file</source>
        <translation>File PNG</translation>
    </message>
    <message>
        <source>%1 felt pen</source>
        <translation>Pennarello %1</translation>
    </message>
    <message>
        <source>%1 pen lid</source>
        <translation>Tappo del pennarello %1</translation>
    </message>
    <message>
        <source>Pen sizes</source>
        <translation>Dimensioni della penna</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>Dimensione %1</translation>
    </message>
    <message>
        <source>page</source>
        <translation>pagina</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>pagine</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The computer&apos;s language</source>
        <translation>La lingua del computer</translation>
    </message>
    <message>
        <source>never</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A long press opens the picture menu</source>
        <translation>Una pressione lunga apre il menu dell&apos;immagine</translation>
    </message>
    <message>
        <source>Abc</source>
        <translation>Abc</translation>
    </message>
    <message numerus="yes">
        <source>minute(s)</source>
        <translation>
            <numerusform>minuto</numerusform>
            <numerusform>minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n pagina</numerusform>
            <numerusform>%n pagine</numerusform>
        </translation>
    </message>
    <message>
        <source>Press a pen harder for a wider line</source>
        <translation>Premi di più la penna per una linea più larga</translation>
    </message>
</context>
</TS>
