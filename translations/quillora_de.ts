<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Quillora</name>
    <message>
        <source>Went down to the woods today. Got a big surprise. Hope all well, Love from FB x</source>
        <translation>War heute unten im Wald. Hatte eine große Überraschung. Hoffe, euch geht&apos;s gut. Alles Liebe, FB x</translation>
    </message>
    <message>
        <source>Baby bear</source>
        <translation>Kleiner Bär</translation>
    </message>
    <message>
        <source>Bear town</source>
        <translation>Bärenstadt</translation>
    </message>
    <message>
        <source>BT8 8TP</source>
        <translation>BT8 8TP</translation>
    </message>
    <message>
        <source>Once upon a time there was an old old man called Mr Grumpy.</source>
        <translation>Es war einmal ein alter, alter Mann, der hieß Herr Grummel.</translation>
    </message>
    <message>
        <source>Sorry, this screen cannot be saved as a PNG file.</source>
        <translation>Entschuldigung, dieser Bildschirm kann nicht als PNG-Datei gespeichert werden.</translation>
    </message>
    <message>
        <source>Sorry. There are some layout files missing. Please re-install Quillora</source>
        <translation>Entschuldigung. Einige Layout-Dateien fehlen. Bitte installiere Quillora neu</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be opened (%2).</source>
        <translation>Die Layout-Datei &quot;%1&quot; konnte nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; is too large to be a layout.</source>
        <translation>Die Layout-Datei &quot;%1&quot; ist zu groß für ein Layout.</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; has no layout line.</source>
        <translation>Die Layout-Datei &quot;%1&quot; hat keine Layout-Zeile.</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge</source>
        <translation>Beidseitig drucken, dabei das Blatt über die kurze Kante wenden</translation>
    </message>
    <message>
        <source>The stamp picture &quot;%1&quot; could not be read.</source>
        <translation>Das Briefmarkenbild &quot;%1&quot; konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be saved: ask your teacher to make some room, or save it somewhere else.</source>
        <translation>Die Festplatte ist voll, darum konnte diese Datei nicht gespeichert werden: Bitte deine Lehrkraft, Platz zu schaffen, oder speichere sie woanders.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be saved here: choose another folder, or ask your teacher.</source>
        <translation>Diese Datei konnte hier nicht gespeichert werden: Wähl einen anderen Ordner oder frag deine Lehrkraft.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be saved.</source>
        <translation>Entschuldigung. Diese Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be found: it may have been moved or renamed.</source>
        <translation>Diese Datei wurde nicht gefunden: Vielleicht wurde sie verschoben oder umbenannt.</translation>
    </message>
    <message>
        <source>This file is damaged: it may not have finished copying.</source>
        <translation>Diese Datei ist beschädigt: Vielleicht wurde sie nicht fertig kopiert.</translation>
    </message>
    <message>
        <source>This file is too big to open: ask your teacher to look at it.</source>
        <translation>Diese Datei ist zu groß zum Öffnen: Bitte deine Lehrkraft, sie sich anzusehen.</translation>
    </message>
    <message>
        <source>This file was made by a newer Quillora: ask your teacher to update this one.</source>
        <translation>Diese Datei wurde mit einem neueren Quillora gemacht: Bitte deine Lehrkraft, dieses hier zu aktualisieren.</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be opened: ask your teacher to make some room.</source>
        <translation>Die Festplatte ist voll, darum konnte diese Datei nicht geöffnet werden: Bitte deine Lehrkraft, Platz zu schaffen.</translation>
    </message>
    <message>
        <source>This file may not be opened: ask your teacher to check it.</source>
        <translation>Diese Datei darf nicht geöffnet werden: Bitte deine Lehrkraft, sie zu prüfen.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be opened.</source>
        <translation>Entschuldigung. Diese Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Some parts of this file could not be used, so they were left out.</source>
        <translation>Einige Teile dieser Datei konnten nicht verwendet werden, darum wurden sie weggelassen.</translation>
    </message>
    <message>
        <source>Your work from today at %1</source>
        <translation>Deine Arbeit von heute um %1</translation>
    </message>
    <message>
        <source>Your work from yesterday at %1</source>
        <translation>Deine Arbeit von gestern um %1</translation>
    </message>
    <message>
        <source>Your work from %1 at %2</source>
        <translation>Deine Arbeit vom %1 um %2</translation>
    </message>
    <message>
        <source>Comic-strip</source>
        <translation>Comic</translation>
    </message>
    <message>
        <source>Not ready</source>
        <translation>Nicht bereit</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be read (%2).</source>
        <translation>Die Layout-Datei &quot;%1&quot; konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; gives no usable page size.</source>
        <translation>Die Layout-Datei &quot;%1&quot; gibt keine brauchbare Seitengröße an.</translation>
    </message>
    <message>
        <source>Tall page</source>
        <translation>Hohe Seite</translation>
    </message>
    <message>
        <source>My page</source>
        <translation>Meine Seite</translation>
    </message>
    <message>
        <source>Two columns</source>
        <translation>Zwei Spalten</translation>
    </message>
    <message>
        <source>Wide page</source>
        <translation>Breite Seite</translation>
    </message>
    <message>
        <source>A visit</source>
        <translation>Ein Besuch</translation>
    </message>
    <message>
        <source>Our visit</source>
        <translation>Unser Besuch</translation>
    </message>
    <message>
        <source>We went to</source>
        <translation>Wir waren in</translation>
    </message>
    <message>
        <source>We saw</source>
        <translation>Wir haben gesehen</translation>
    </message>
    <message>
        <source>It was</source>
        <translation>Es war</translation>
    </message>
    <message>
        <source>by</source>
        <translation>von</translation>
    </message>
    <message>
        <source>All about me</source>
        <translation>Alles über mich</translation>
    </message>
    <message>
        <source>I am this old</source>
        <translation>So alt bin ich</translation>
    </message>
    <message>
        <source>My family</source>
        <translation>Meine Familie</translation>
    </message>
    <message>
        <source>I like</source>
        <translation>Ich mag</translation>
    </message>
    <message>
        <source>My name is</source>
        <translation>Ich heiße</translation>
    </message>
    <message>
        <source>My book</source>
        <translation>Mein Buch</translation>
    </message>
    <message>
        <source>Once upon a time</source>
        <translation>Es war einmal</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Dann</translation>
    </message>
    <message>
        <source>The end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>My topic</source>
        <translation>Mein Thema</translation>
    </message>
    <message>
        <source>My writing</source>
        <translation>Mein Text</translation>
    </message>
    <message>
        <source>Poem</source>
        <translation>Gedicht</translation>
    </message>
    <message>
        <source>My poem</source>
        <translation>Mein Gedicht</translation>
    </message>
    <message>
        <source>Story time</source>
        <translation>Geschichtenzeit</translation>
    </message>
    <message>
        <source>Birthday card</source>
        <translation>Geburtstagskarte</translation>
    </message>
    <message>
        <source>Happy birthday</source>
        <translation>Alles Gute zum Geburtstag</translation>
    </message>
    <message>
        <source>Dear</source>
        <translation>Liebe/r</translation>
    </message>
    <message>
        <source>Love from</source>
        <translation>Liebe Grüße von</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Gemacht von</translation>
    </message>
    <message>
        <source>Get well card</source>
        <translation>Gute-Besserung-Karte</translation>
    </message>
    <message>
        <source>Get well soon</source>
        <translation>Gute Besserung</translation>
    </message>
    <message>
        <source>Thank you card</source>
        <translation>Dankeskarte</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Danke</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Big and small</source>
        <translation>Groß und klein</translation>
    </message>
    <message>
        <source>Four squares</source>
        <translation>Vier Quadrate</translation>
    </message>
    <message>
        <source>Six frames</source>
        <translation>Sechs Rahmen</translation>
    </message>
    <message>
        <source>Tall and wide</source>
        <translation>Hoch und breit</translation>
    </message>
    <message>
        <source>Three in a row</source>
        <translation>Drei in einer Reihe</translation>
    </message>
    <message>
        <source>Two frames</source>
        <translation>Zwei Rahmen</translation>
    </message>
    <message>
        <source>Award</source>
        <translation>Auszeichnung</translation>
    </message>
    <message>
        <source>Presented to</source>
        <translation>Überreicht an</translation>
    </message>
    <message>
        <source>for</source>
        <translation>für</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Unterschrift</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Urkunde</translation>
    </message>
    <message>
        <source>This certificate is awarded to</source>
        <translation>Diese Urkunde erhält</translation>
    </message>
    <message>
        <source>Star award</source>
        <translation>Sterne-Urkunde</translation>
    </message>
    <message>
        <source>This star award goes to</source>
        <translation>Diese Sterne-Urkunde geht an</translation>
    </message>
    <message>
        <source>Well done</source>
        <translation>Gut gemacht</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>This award is for</source>
        <translation>Diese Auszeichnung gibt es für</translation>
    </message>
    <message>
        <source>No border</source>
        <translation>Ohne Rahmen</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Party</translation>
    </message>
    <message>
        <source>Party!</source>
        <translation>Party!</translation>
    </message>
    <message>
        <source>With border</source>
        <translation>Mit Rahmen</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hallo</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>Über mich</translation>
    </message>
    <message>
        <source>I am</source>
        <translation>Ich bin</translation>
    </message>
    <message>
        <source>I live in</source>
        <translation>Ich wohne in</translation>
    </message>
    <message>
        <source>When I grow up I want to be</source>
        <translation>Wenn ich groß bin, werde ich</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>My diary</source>
        <translation>Mein Tagebuch</translation>
    </message>
    <message>
        <source>Today is</source>
        <translation>Heute ist</translation>
    </message>
    <message>
        <source>Today I</source>
        <translation>Heute habe ich</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Kaleidoskop</translation>
    </message>
    <message>
        <source>I used the colours</source>
        <translation>Ich habe diese Farben benutzt</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegel</translation>
    </message>
    <message>
        <source>Mirror magic</source>
        <translation>Spiegelzauber</translation>
    </message>
    <message>
        <source>My picture is called</source>
        <translation>Mein Bild heißt</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Spinning pattern</source>
        <translation>Drehmuster</translation>
    </message>
    <message>
        <source>My pattern looks like</source>
        <translation>Mein Muster sieht aus wie</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Jahreszeiten</translation>
    </message>
    <message>
        <source>The four seasons</source>
        <translation>Die vier Jahreszeiten</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Frühling</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Herbst</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>So geht&apos;s</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Zuerst</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Danach</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Geschichte</translation>
    </message>
    <message>
        <source>My story</source>
        <translation>Meine Geschichte</translation>
    </message>
    <message>
        <source>Then and now</source>
        <translation>Früher und heute</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>A trip</source>
        <translation>Ein Ausflug</translation>
    </message>
    <message>
        <source>Our trip</source>
        <translation>Unser Ausflug</translation>
    </message>
    <message>
        <source>Where we went</source>
        <translation>Wo wir waren</translation>
    </message>
    <message>
        <source>What we saw</source>
        <translation>Was wir gesehen haben</translation>
    </message>
    <message>
        <source>What we did</source>
        <translation>Was wir gemacht haben</translation>
    </message>
    <message>
        <source>The best bit</source>
        <translation>Das Beste daran</translation>
    </message>
    <message>
        <source>Next time</source>
        <translation>Nächstes Mal</translation>
    </message>
    <message>
        <source>You need</source>
        <translation>Du brauchst</translation>
    </message>
    <message>
        <source>What it is</source>
        <translation>Was es ist</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Fakten</translation>
    </message>
    <message>
        <source>Did you know</source>
        <translation>Wusstest du schon</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>A recipe</source>
        <translation>Ein Rezept</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Schritt 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Schritt 2</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Schritt 3</translation>
    </message>
    <message>
        <source>Enjoy</source>
        <translation>Guten Appetit</translation>
    </message>
    <message>
        <source>My day</source>
        <translation>Mein Tag</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Morgens</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Mittags</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>Nachmittags</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Abends</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nachts</translation>
    </message>
    <message>
        <source>My pet</source>
        <translation>Mein Haustier</translation>
    </message>
    <message>
        <source>Its name</source>
        <translation>Es heißt</translation>
    </message>
    <message>
        <source>It eats</source>
        <translation>Es frisst</translation>
    </message>
    <message>
        <source>It likes</source>
        <translation>Es mag</translation>
    </message>
    <message>
        <source>It sleeps</source>
        <translation>Es schläft</translation>
    </message>
    <message>
        <source>I love it</source>
        <translation>Ich hab es lieb</translation>
    </message>
    <message>
        <source>Badges</source>
        <translation>Anstecker</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Happy reading!</source>
        <translation>Viel Spaß beim Lesen!</translation>
    </message>
    <message>
        <source>This book belongs to</source>
        <translation>Dieses Buch gehört</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>This belongs to</source>
        <translation>Das gehört</translation>
    </message>
    <message>
        <source>Name cards</source>
        <translation>Namensschilder</translation>
    </message>
    <message>
        <source>Hello, my name is</source>
        <translation>Hallo, ich heiße</translation>
    </message>
    <message>
        <source>Raffle tickets</source>
        <translation>Tombola-Lose</translation>
    </message>
    <message>
        <source>No. ^</source>
        <translation>Nr. ^</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Raffle ticket</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Class news</source>
        <translation>Klassen-News</translation>
    </message>
    <message>
        <source>Class News</source>
        <translation>Klassen-News</translation>
    </message>
    <message>
        <source>Written by</source>
        <translation>Geschrieben von</translation>
    </message>
    <message>
        <source>Our big news</source>
        <translation>Unsere große Neuigkeit</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>Nature notes</source>
        <translation>Naturnotizen</translation>
    </message>
    <message>
        <source>Nature Notes</source>
        <translation>Naturnotizen</translation>
    </message>
    <message>
        <source>What we found outside</source>
        <translation>Was wir draußen gefunden haben</translation>
    </message>
    <message>
        <source>We looked for</source>
        <translation>Wir haben gesucht nach</translation>
    </message>
    <message>
        <source>School times</source>
        <translation>Schulzeitung</translation>
    </message>
    <message>
        <source>School Times</source>
        <translation>Schulzeitung</translation>
    </message>
    <message>
        <source>Read all about it!</source>
        <translation>Extrablatt!</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Sports news</source>
        <translation>Sportnachrichten</translation>
    </message>
    <message>
        <source>Sports News</source>
        <translation>Sportnachrichten</translation>
    </message>
    <message>
        <source>What a race!</source>
        <translation>Was für ein Rennen!</translation>
    </message>
    <message>
        <source>The winner was</source>
        <translation>Gewonnen hat</translation>
    </message>
    <message>
        <source>Weekend news</source>
        <translation>Wochenend-News</translation>
    </message>
    <message>
        <source>Weekend News</source>
        <translation>Wochenend-News</translation>
    </message>
    <message>
        <source>My weekend</source>
        <translation>Mein Wochenende</translation>
    </message>
    <message>
        <source>On Saturday</source>
        <translation>Am Samstag</translation>
    </message>
    <message>
        <source>On Sunday</source>
        <translation>Am Sonntag</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Postkarte</translation>
    </message>
    <message>
        <source>Fact file</source>
        <translation>Steckbrief</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>Wusstest du schon?</translation>
    </message>
    <message>
        <source>Party time!</source>
        <translation>Partyzeit!</translation>
    </message>
    <message>
        <source>You are invited!</source>
        <translation>Du bist eingeladen!</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Save our planet</source>
        <translation>Rettet unsere Erde</translation>
    </message>
    <message>
        <source>We can help by</source>
        <translation>Wir können helfen, indem wir</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Aufführung</translation>
    </message>
    <message>
        <source>Come to our show!</source>
        <translation>Komm zu unserer Aufführung!</translation>
    </message>
    <message>
        <source>When:
Where:
Tickets:</source>
        <translation>Wann:
Wo:
Karten:</translation>
    </message>
    <message>
        <source>Wanted</source>
        <translation>Gesucht</translation>
    </message>
    <message>
        <source>WANTED</source>
        <translation>GESUCHT</translation>
    </message>
    <message>
        <source>Last seen
Reward</source>
        <translation>Zuletzt gesehen
Belohnung</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>My wish</source>
        <translation>Mein Wunsch</translation>
    </message>
    <message>
        <source>I wish</source>
        <translation>Ich wünsche mir</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>I love</source>
        <translation>Ich liebe</translation>
    </message>
    <message>
        <source>I love it because</source>
        <translation>Ich liebe es, weil</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Look at me!</source>
        <translation>Schau mich an!</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Wolke</translation>
    </message>
    <message>
        <source>In the sky</source>
        <translation>Am Himmel</translation>
    </message>
    <message>
        <source>Up in the sky I can see</source>
        <translation>Oben am Himmel sehe ich</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Haus</translation>
    </message>
    <message>
        <source>My home</source>
        <translation>Mein Zuhause</translation>
    </message>
    <message>
        <source>At home I like to</source>
        <translation>Zu Hause mache ich gern</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Wappen</translation>
    </message>
    <message>
        <source>My coat of arms</source>
        <translation>Mein Wappen</translation>
    </message>
    <message>
        <source>My motto is</source>
        <translation>Mein Motto ist</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>Under the sea</source>
        <translation>Unter Wasser</translation>
    </message>
    <message>
        <source>My fish is called</source>
        <translation>Mein Fisch heißt</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <source>Beautiful butterfly</source>
        <translation>Schöner Schmetterling</translation>
    </message>
    <message>
        <source>My butterfly likes</source>
        <translation>Mein Schmetterling mag</translation>
    </message>
    <message>
        <source>Big sign</source>
        <translation>Großes Schild</translation>
    </message>
    <message>
        <source>Quiet please</source>
        <translation>Bitte leise</translation>
    </message>
    <message>
        <source>Quiet
please</source>
        <translation>Bitte
leise</translation>
    </message>
    <message>
        <source>We are busy learning</source>
        <translation>Wir lernen gerade fleißig</translation>
    </message>
    <message>
        <source>to our
classroom</source>
        <translation>in unserem
Klassenzimmer</translation>
    </message>
    <message>
        <source>Our class</source>
        <translation>Unsere Klasse</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Keep out</source>
        <translation>Betreten verboten</translation>
    </message>
    <message>
        <source>KEEP OUT!</source>
        <translation>BETRETEN VERBOTEN!</translation>
    </message>
    <message>
        <source>Dragon
zone</source>
        <translation>Drachen-
Zone</translation>
    </message>
    <message>
        <source>Found it</source>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>Lost &amp; found</source>
        <translation>Fundsachen</translation>
    </message>
    <message>
        <source>Is this yours?</source>
        <translation>Gehört das dir?</translation>
    </message>
    <message>
        <source>Please ask your teacher</source>
        <translation>Bitte frag deine Lehrkraft</translation>
    </message>
    <message>
        <source>Wash hands</source>
        <translation>Hände waschen</translation>
    </message>
    <message>
        <source>Wash your hands</source>
        <translation>Wasch deine Hände</translation>
    </message>
    <message>
        <source>Soap and water!</source>
        <translation>Seife und Wasser!</translation>
    </message>
    <message>
        <source>Shop open</source>
        <translation>Laden offen</translation>
    </message>
    <message>
        <source>Welcome to our shop</source>
        <translation>Willkommen in unserem Laden</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>GEÖFFNET</translation>
    </message>
    <message>
        <source>Come in!</source>
        <translation>Komm rein!</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Klopfen</translation>
    </message>
    <message>
        <source>Please
knock</source>
        <translation>Bitte
klopfen</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>Danke!</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>There seems to be some problem with your Printer.</source>
        <translation>Es scheint ein Problem mit deinem Drucker zu geben.</translation>
    </message>
    <message>
        <source>There are no printers available on this computer.</source>
        <translation>Auf diesem Computer gibt es keine Drucker.</translation>
    </message>
    <message>
        <source>Write some words first, then print them.</source>
        <translation>Schreib zuerst ein paar Wörter, dann druck sie aus.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Beenden?</translation>
    </message>
    <message>
        <source>Where to store files</source>
        <translation>Wo Dateien gespeichert werden</translation>
    </message>
    <message>
        <source>Use &apos;My Documents&apos; folder</source>
        <translation>Ordner „Eigene Dokumente“ verwenden</translation>
    </message>
    <message>
        <source>Use:</source>
        <translation>Verwenden:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>Show printer button all the time</source>
        <translation>Drucker-Knopf immer anzeigen</translation>
    </message>
    <message>
        <source>Hide printer button after printing for</source>
        <translation>Drucker-Knopf nach dem Drucken ausblenden für</translation>
    </message>
    <message>
        <source>Don&apos;t allow any printing</source>
        <translation>Drucken gar nicht erlauben</translation>
    </message>
    <message>
        <source>Allow multiple copies to be printed</source>
        <translation>Drucken mehrerer Kopien erlauben</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>Page Scale Factor:</source>
        <translation>Seiten-Skalierungsfaktor:</translation>
    </message>
    <message>
        <source>Page scale factor down</source>
        <translation>Seiten-Skalierungsfaktor kleiner</translation>
    </message>
    <message>
        <source>Page scale factor up</source>
        <translation>Seiten-Skalierungsfaktor größer</translation>
    </message>
    <message>
        <source>Text Scale Factor:</source>
        <translation>Text-Skalierungsfaktor:</translation>
    </message>
    <message>
        <source>Text scale factor down</source>
        <translation>Text-Skalierungsfaktor kleiner</translation>
    </message>
    <message>
        <source>Text scale factor up</source>
        <translation>Text-Skalierungsfaktor größer</translation>
    </message>
    <message>
        <source>Show pull-down string</source>
        <translation>Zugschnur anzeigen</translation>
    </message>
    <message>
        <source>Use darker frame colours</source>
        <translation>Dunklere Rahmenfarben verwenden</translation>
    </message>
    <message>
        <source>Show on screen keyboard</source>
        <translation>Bildschirmtastatur anzeigen</translation>
    </message>
    <message>
        <source>Turn pages in leaflets quickly</source>
        <translation>Seiten in Faltblättern schnell umblättern</translation>
    </message>
    <message>
        <source>Show Webcam button</source>
        <translation>Webcam-Knopf anzeigen</translation>
    </message>
    <message>
        <source>Show the “Read it to me” button</source>
        <translation>Knopf „Lies es mir vor“ anzeigen</translation>
    </message>
    <message>
        <source>Say each letter as it is typed</source>
        <translation>Jeden Buchstaben beim Tippen vorsprechen</translation>
    </message>
    <message>
        <source>Progress pictures every</source>
        <translation>Fortschrittsbilder alle</translation>
    </message>
    <message>
        <source>Store Files in:</source>
        <translation>Dateien speichern in:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>Allow choices from these fonts:</source>
        <translation>Diese Schriften zur Auswahl erlauben:</translation>
    </message>
    <message>
        <source>Font %1</source>
        <translation>Schrift %1</translation>
    </message>
    <message>
        <source>The school has fixed this setting.</source>
        <translation>Die Schule hat diese Einstellung festgelegt.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>Make the text bigger or smaller</source>
        <translation>Mach den Text größer oder kleiner</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Wähl eine Schrift</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Text %1</translation>
    </message>
    <message>
        <source>Words %1</source>
        <translation>Wörter %1</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Grasgrün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>%1 text</source>
        <translation>Textfarbe %1</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>Banner words</source>
        <translation>Banner-Wörter</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Thinnest letters</source>
        <translation>Dünnste Buchstaben</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Dicke</translation>
    </message>
    <message>
        <source>Thickest letters</source>
        <translation>Dickste Buchstaben</translation>
    </message>
    <message>
        <source>Banner colour</source>
        <translation>Bannerfarbe</translation>
    </message>
    <message>
        <source>Letter colour</source>
        <translation>Buchstabenfarbe</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Umrissfarbe</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Bubble %1</source>
        <translation>Sprechblase %1</translation>
    </message>
    <message>
        <source>Bubble %1 words</source>
        <translation>Wörter in Sprechblase %1</translation>
    </message>
    <message>
        <source>Bubble %1 point</source>
        <translation>Spitze von Sprechblase %1</translation>
    </message>
    <message>
        <source>Bubble %1 size</source>
        <translation>Größe von Sprechblase %1</translation>
    </message>
    <message>
        <source>Drag to point the bubble</source>
        <translation>Zieh, um die Spitze der Blase zu bewegen</translation>
    </message>
    <message>
        <source>Drag to make the bubble bigger or smaller</source>
        <translation>Zieh, um die Blase größer oder kleiner zu machen</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone speak</source>
        <translation>Zieh auf ein Bild, damit jemand spricht</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone think</source>
        <translation>Zieh auf ein Bild, damit jemand denkt</translation>
    </message>
    <message>
        <source>Drag onto a picture to add some words</source>
        <translation>Zieh auf ein Bild, um Wörter hinzuzufügen</translation>
    </message>
    <message>
        <source>Drop a bubble here to throw it away</source>
        <translation>Lass eine Blase hier fallen, um sie wegzuwerfen</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Turn clockwise</source>
        <translation>Rechtsherum drehen</translation>
    </message>
    <message>
        <source>Turn anticlockwise</source>
        <translation>Linksherum drehen</translation>
    </message>
    <message>
        <source>Sheet of copies</source>
        <translation>Blatt mit Kopien</translation>
    </message>
    <message>
        <source>Fewest copies</source>
        <translation>Wenigste Kopien</translation>
    </message>
    <message>
        <source>Most copies</source>
        <translation>Meiste Kopien</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Anzahl der Kopien</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Bigger text</source>
        <translation>Größerer Text</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>Kleinerer Text</translation>
    </message>
    <message>
        <source>Felt pens</source>
        <translation>Filzstifte</translation>
    </message>
    <message>
        <source>Paint tools</source>
        <translation>Malwerkzeuge</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Use this border</source>
        <translation>Diesen Rahmen nehmen</translation>
    </message>
    <message>
        <source>Read it to me</source>
        <translation>Lies es mir vor</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Pick a paint tool over there!</source>
        <translation>Wähl dort drüben ein Malwerkzeug!</translation>
    </message>
    <message>
        <source>Pick a felt pen over there!</source>
        <translation>Wähl dort drüben einen Filzstift!</translation>
    </message>
    <message>
        <source>Leaflet</source>
        <translation>Faltblatt</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Open the flap</source>
        <translation>Klappe öffnen</translation>
    </message>
    <message>
        <source>Close the flap</source>
        <translation>Klappe schließen</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Text box %1</source>
        <translation>Textfeld %1</translation>
    </message>
    <message>
        <source>Rich text box %1</source>
        <translation>Formatiertes Textfeld %1</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>Turn over</source>
        <translation>Umdrehen</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>More columns</source>
        <translation>Mehr Spalten</translation>
    </message>
    <message>
        <source>Fewer columns</source>
        <translation>Weniger Spalten</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Mehr Zeilen</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Weniger Zeilen</translation>
    </message>
    <message>
        <source>Layouts</source>
        <translation>Layouts</translation>
    </message>
    <message>
        <source>Sorry. That layout couldn&apos;t be used. Your work is still here.</source>
        <translation>Entschuldigung. Dieses Layout konnte nicht verwendet werden. Deine Arbeit ist noch da.</translation>
    </message>
    <message>
        <source>Save Work</source>
        <translation>Arbeit speichern</translation>
    </message>
    <message>
        <source>Open Work</source>
        <translation>Arbeit öffnen</translation>
    </message>
    <message>
        <source>Your work</source>
        <translation>Deine Arbeit</translation>
    </message>
    <message>
        <source>Picture of your work</source>
        <translation>Bild deiner Arbeit</translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation>Wegwerfen</translation>
    </message>
    <message>
        <source>Open it</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>There is already a work called &apos;%1&apos;. Replace it?</source>
        <translation>Es gibt schon eine Arbeit namens „%1“. Ersetzen?</translation>
    </message>
    <message>
        <source>No pictures of this work yet.</source>
        <translation>Von dieser Arbeit gibt es noch keine Bilder.</translation>
    </message>
    <message>
        <source>Watch it grow</source>
        <translation>Sieh sie wachsen</translation>
    </message>
    <message>
        <source>Progress pictures</source>
        <translation>Fortschrittsbilder</translation>
    </message>
    <message>
        <source>More files</source>
        <translation>Mehr Dateien</translation>
    </message>
    <message>
        <source>Type a name for your work first.</source>
        <translation>Tipp zuerst einen Namen für deine Arbeit ein.</translation>
    </message>
    <message>
        <source>Choose a work to open first.</source>
        <translation>Wähl zuerst eine Arbeit zum Öffnen aus.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Divider %1</source>
        <translation>Trenner %1</translation>
    </message>
    <message>
        <source>Drag onto the page to add some writing</source>
        <translation>Zieh auf die Seite, um etwas zu schreiben</translation>
    </message>
    <message>
        <source>Drag onto the page to add a picture</source>
        <translation>Zieh auf die Seite, um ein Bild hinzuzufügen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Malen</translation>
    </message>
    <message>
        <source>Do you want to paint on this picture?</source>
        <translation>Willst du auf diesem Bild malen?</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Paint on this picture</source>
        <translation>Auf diesem Bild malen</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Weniger</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segmente</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Size?</source>
        <translation>Größe?</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Speichern?</translation>
    </message>
    <message>
        <source>Don&apos;t keep it</source>
        <translation>Nicht behalten</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Border magnifier</source>
        <translation>Rahmenlupe</translation>
    </message>
    <message>
        <source>Border picture</source>
        <translation>Rahmenbild</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>Fill the box</source>
        <translation>Feld ausfüllen</translation>
    </message>
    <message>
        <source>Show it all</source>
        <translation>Alles zeigen</translation>
    </message>
    <message>
        <source>Thick pen</source>
        <translation>Dicker Stift</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Gefülltes Rechteck</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>Gefüllter Kreis</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Gerade Linie</translation>
    </message>
    <message>
        <source>Paint pot</source>
        <translation>Farbtopf</translation>
    </message>
    <message>
        <source>Starburst</source>
        <translation>Strahlenstern</translation>
    </message>
    <message>
        <source>Scribble</source>
        <translation>Gekritzel</translation>
    </message>
    <message>
        <source>Splat</source>
        <translation>Klecks</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Pfirsich</translation>
    </message>
    <message>
        <source>Olive green</source>
        <translation>Olivgrün</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>Bright pink</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Pale yellow</source>
        <translation>Blassgelb</translation>
    </message>
    <message>
        <source>Pale green</source>
        <translation>Blassgrün</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Mint green</source>
        <translation>Mintgrün</translation>
    </message>
    <message>
        <source>Navy blue</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Bright red</source>
        <translation>Knallrot</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Hellrot</translation>
    </message>
    <message>
        <source>Rust</source>
        <translation>Rost</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Bernstein</translation>
    </message>
    <message>
        <source>Golden yellow</source>
        <translation>Goldgelb</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Zitronengelb</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Senfgelb</translation>
    </message>
    <message>
        <source>Leaf green</source>
        <translation>Blattgrün</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Lilac</source>
        <translation>Flieder</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>Blassblau</translation>
    </message>
    <message>
        <source>Royal blue</source>
        <translation>Königsblau</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Light pink</source>
        <translation>Hellrosa</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Karminrot</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Weinrot</translation>
    </message>
    <message>
        <source>Coal black</source>
        <translation>Kohlschwarz</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Anthrazit</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Picture menu</source>
        <translation>Bildmenü</translation>
    </message>
    <message>
        <source>Sorry. This picture couldn&apos;t be opened.</source>
        <translation>Entschuldigung. Dieses Bild konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>This page has no picture for the camera.</source>
        <translation>Auf dieser Seite gibt es kein Bild für die Kamera.</translation>
    </message>
    <message>
        <source>Touch a picture on the page first, then the camera.</source>
        <translation>Tipp zuerst ein Bild auf der Seite an, dann die Kamera.</translation>
    </message>
    <message>
        <source>Sorry. The picture couldn&apos;t be taken.</source>
        <translation>Entschuldigung. Das Foto konnte nicht gemacht werden.</translation>
    </message>
    <message>
        <source>Sorry. No webcam was found.</source>
        <translation>Entschuldigung. Es wurde keine Webcam gefunden.</translation>
    </message>
    <message>
        <source>Sorry. The webcam isn&apos;t working.</source>
        <translation>Entschuldigung. Die Webcam funktioniert nicht.</translation>
    </message>
    <message>
        <source>In colour</source>
        <translation>In Farbe</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Altes Foto</translation>
    </message>
    <message>
        <source>Pop art</source>
        <translation>Pop-Art</translation>
    </message>
    <message>
        <source>Take a picture</source>
        <translation>Mach ein Foto</translation>
    </message>
    <message>
        <source>Take the picture</source>
        <translation>Foto machen</translation>
    </message>
    <message>
        <source>Lighter or darker</source>
        <translation>Heller oder dunkler</translation>
    </message>
    <message>
        <source>Darker</source>
        <translation>Dunkler</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Heller</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>How to fold</source>
        <translation>So wird gefaltet</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge.</source>
        <translation>Beidseitig drucken, dabei das Blatt über die kurze Kante wenden.</translation>
    </message>
    <message>
        <source>Leaflets always print at full size, so that the folds meet.</source>
        <translation>Faltblätter werden immer in voller Größe gedruckt, damit die Falten genau passen.</translation>
    </message>
    <message>
        <source>Fold the top half back, behind the sheet.</source>
        <translation>Falte die obere Hälfte nach hinten, hinter das Blatt.</translation>
    </message>
    <message>
        <source>Fold the bottom half back, behind the sheet.</source>
        <translation>Falte die untere Hälfte nach hinten, hinter das Blatt.</translation>
    </message>
    <message>
        <source>Fold the right side in.</source>
        <translation>Falte die rechte Seite nach innen.</translation>
    </message>
    <message>
        <source>Fold the left side over. The cover is now on top.</source>
        <translation>Falte die linke Seite darüber. Jetzt ist die Vorderseite oben.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>Print?</source>
        <translation>Drucken?</translation>
    </message>
    <message>
        <source>How many?</source>
        <translation>Wie viele?</translation>
    </message>
    <message>
        <source>Check printer is set to A4</source>
        <translation>Prüfe, ob der Drucker auf A4 eingestellt ist</translation>
    </message>
    <message>
        <source>Pen %1</source>
        <translation>Stift %1</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Größen</translation>
    </message>
    <message>
        <source>All text boxes</source>
        <translation>Alle Textfelder</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>On screen keyboard</source>
        <translation>Bildschirmtastatur</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Caps</source>
        <translation>Feststell</translation>
    </message>
    <message>
        <source>Close keyboard</source>
        <translation>Tastatur schließen</translation>
    </message>
    <message>
        <source>Open keyboard</source>
        <translation>Tastatur öffnen</translation>
    </message>
    <message>
        <source>Pull down</source>
        <translation>Runterziehen</translation>
    </message>
    <message>
        <source>No voice is installed</source>
        <translation>Es ist keine Stimme installiert</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Text toolbar</source>
        <translation>Text-Werkzeugleiste</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Aufzählung</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <source>The text is not in Rich Text Format.</source>
        <translation>Der Text ist nicht im Rich-Text-Format.</translation>
    </message>
    <message>
        <source>The text is too long to be read.</source>
        <translation>Der Text ist zu lang zum Vorlesen.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formen</translation>
    </message>
    <message>
        <source>Printing on both sides? Flip on the short edge.</source>
        <translation>Beidseitig drucken? Über die kurze Kante wenden.</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Heftchen</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Kopien</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Zeitung</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Überall</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Schild</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>My layout</source>
        <translation>Mein Layout</translation>
    </message>
    <message>
        <source>Posters</source>
        <translation>Poster</translation>
    </message>
    <message>
        <source>Picture, row %1 column %2</source>
        <translation>Bild, Zeile %1 Spalte %2</translation>
    </message>
    <message>
        <source>Words, row %1 column %2</source>
        <translation>Wörter, Zeile %1 Spalte %2</translation>
    </message>
    <message>
        <source>Quillora Files</source>
        <translation>Quillora-Dateien</translation>
    </message>
    <message>
        <source>PNG file</source>
        <translation>PNG-Datei</translation>
    </message>
    <message>
        <source>%1 felt pen</source>
        <translation>Filzstift %1</translation>
    </message>
    <message>
        <source>%1 pen lid</source>
        <translation>Kappe von Filzstift %1</translation>
    </message>
    <message>
        <source>Pen sizes</source>
        <translation>Stiftgrößen</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>Größe %1</translation>
    </message>
    <message>
        <source>page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The computer&apos;s language</source>
        <translation>Die Sprache des Computers</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A long press opens the picture menu</source>
        <translation>Langes Drücken öffnet das Bildmenü</translation>
    </message>
    <message>
        <source>Abc</source>
        <translation>Abc</translation>
    </message>
    <message numerus="yes">
        <source>minute(s)</source>
        <translation>
            <numerusform>Minute</numerusform>
            <numerusform>Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>Press a pen harder for a wider line</source>
        <translation>Drück den Stift fester für eine breitere Linie</translation>
    </message>
</context>
</TS>
