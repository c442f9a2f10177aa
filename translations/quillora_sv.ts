<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Quillora</name>
    <message>
        <source>Went down to the woods today. Got a big surprise. Hope all well, Love from FB x</source>
        <translation>Gick ner till skogen i dag. Fick en stor överraskning. Hoppas allt är bra. Kram från FB x</translation>
    </message>
    <message>
        <source>Baby bear</source>
        <translation>Björnbebis</translation>
    </message>
    <message>
        <source>Bear town</source>
        <translation>Björnstad</translation>
    </message>
    <message>
        <source>BT8 8TP</source>
        <translation>BT8 8TP</translation>
    </message>
    <message>
        <source>Once upon a time there was an old old man called Mr Grumpy.</source>
        <translation>Det var en gång en gammal, gammal man som hette herr Grinig.</translation>
    </message>
    <message>
        <source>Sorry, this screen cannot be saved as a PNG file.</source>
        <translation>Förlåt, den här skärmen kan inte sparas som en PNG-fil.</translation>
    </message>
    <message>
        <source>Sorry. There are some layout files missing. Please re-install Quillora</source>
        <translation>Förlåt. Några layoutfiler saknas. Installera om Quillora</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be opened (%2).</source>
        <translation>Layoutfilen &quot;%1&quot; kunde inte öppnas (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; is too large to be a layout.</source>
        <translation>Layoutfilen &quot;%1&quot; är för stor för att vara en layout.</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; has no layout line.</source>
        <translation>Layoutfilen &quot;%1&quot; har ingen layoutrad.</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge</source>
        <translation>Skriv ut på båda sidor och vänd arket längs kortsidan</translation>
    </message>
    <message>
        <source>The stamp picture &quot;%1&quot; could not be read.</source>
        <translation>Frimärksbilden &quot;%1&quot; kunde inte läsas.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Rubrik</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be saved: ask your teacher to make some room, or save it somewhere else.</source>
        <translation>Disken är full, så den här filen kunde inte sparas: be din lärare att göra plats, eller spara den någon annanstans.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be saved here: choose another folder, or ask your teacher.</source>
        <translation>Den här filen kunde inte sparas här: välj en annan mapp, eller fråga din lärare.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be saved.</source>
        <translation>Förlåt. Den här filen kunde inte sparas.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be found: it may have been moved or renamed.</source>
        <translation>Den här filen hittades inte: den kan ha flyttats eller bytt namn.</translation>
    </message>
    <message>
        <source>This file is damaged: it may not have finished copying.</source>
        <translation>Den här filen är skadad: den kanske inte kopierades färdigt.</translation>
    </message>
    <message>
        <source>This file is too big to open: ask your teacher to look at it.</source>
        <translation>Den här filen är för stor att öppna: be din lärare att titta på den.</translation>
    </message>
    <message>
        <source>This file was made by a newer Quillora: ask your teacher to update this one.</source>
        <translation>Den här filen gjordes med en nyare Quillora: be din lärare att uppdatera den här.</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be opened: ask your teacher to make some room.</source>
        <translation>Disken är full, så den här filen kunde inte öppnas: be din lärare att göra plats.</translation>
    </message>
    <message>
        <source>This file may not be opened: ask your teacher to check it.</source>
        <translation>Den här filen får inte öppnas: be din lärare att kontrollera den.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be opened.</source>
        <translation>Förlåt. Den här filen kunde inte öppnas.</translation>
    </message>
    <message>
        <source>Some parts of this file could not be used, so they were left out.</source>
        <translation>Några delar av den här filen kunde inte användas, så de utelämnades.</translation>
    </message>
    <message>
        <source>Your work from today at %1</source>
        <translation>Ditt arbete från i dag kl. %1</translation>
    </message>
    <message>
        <source>Your work from yesterday at %1</source>
        <translation>Ditt arbete från i går kl. %1</translation>
    </message>
    <message>
        <source>Your work from %1 at %2</source>
        <translation>Ditt arbete från %1 kl. %2</translation>
    </message>
    <message>
        <source>Comic-strip</source>
        <translation>Seriestripp</translation>
    </message>
    <message>
        <source>Not ready</source>
        <translation>Inte klar</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be read (%2).</source>
        <translation>Layoutfilen &quot;%1&quot; kunde inte läsas (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; gives no usable page size.</source>
        <translation>Layoutfilen &quot;%1&quot; anger ingen användbar sidstorlek.</translation>
    </message>
    <message>
        <source>Tall page</source>
        <translation>Hög sida</translation>
    </message>
    <message>
        <source>My page</source>
        <translation>Min sida</translation>
    </message>
    <message>
        <source>Two columns</source>
        <translation>Två kolumner</translation>
    </message>
    <message>
        <source>Wide page</source>
        <translation>Bred sida</translation>
    </message>
    <message>
        <source>A visit</source>
        <translation>Ett besök</translation>
    </message>
    <message>
        <source>Our visit</source>
        <translation>Vårt besök</translation>
    </message>
    <message>
        <source>We went to</source>
        <translation>Vi åkte till</translation>
    </message>
    <message>
        <source>We saw</source>
        <translation>Vi såg</translation>
    </message>
    <message>
        <source>It was</source>
        <translation>Det var</translation>
    </message>
    <message>
        <source>by</source>
        <translation>av</translation>
    </message>
    <message>
        <source>All about me</source>
        <translation>Allt om mig</translation>
    </message>
    <message>
        <source>I am this old</source>
        <translation>Så här gammal är jag</translation>
    </message>
    <message>
        <source>My family</source>
        <translation>Min familj</translation>
    </message>
    <message>
        <source>I like</source>
        <translation>Jag tycker om</translation>
    </message>
    <message>
        <source>My name is</source>
        <translation>Jag heter</translation>
    </message>
    <message>
        <source>My book</source>
        <translation>Min bok</translation>
    </message>
    <message>
        <source>Once upon a time</source>
        <translation>Det var en gång</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Sedan</translation>
    </message>
    <message>
        <source>The end</source>
        <translation>Slut</translation>
    </message>
    <message>
        <source>My topic</source>
        <translation>Mitt ämne</translation>
    </message>
    <message>
        <source>My writing</source>
        <translation>Min text</translation>
    </message>
    <message>
        <source>Poem</source>
        <translation>Dikt</translation>
    </message>
    <message>
        <source>My poem</source>
        <translation>Min dikt</translation>
    </message>
    <message>
        <source>Story time</source>
        <translation>Sagostund</translation>
    </message>
    <message>
        <source>Birthday card</source>
        <translation>Födelsedagskort</translation>
    </message>
    <message>
        <source>Happy birthday</source>
        <translation>Grattis på födelsedagen</translation>
    </message>
    <message>
        <source>Dear</source>
        <translation>Kära</translation>
    </message>
    <message>
        <source>Love from</source>
        <translation>Kram från</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Gjort av</translation>
    </message>
    <message>
        <source>Get well card</source>
        <translation>Krya på dig-kort</translation>
    </message>
    <message>
        <source>Get well soon</source>
        <translation>Krya på dig</translation>
    </message>
    <message>
        <source>Thank you card</source>
        <translation>Tackkort</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Tack</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Från</translation>
    </message>
    <message>
        <source>Big and small</source>
        <translation>Stor och liten</translation>
    </message>
    <message>
        <source>Four squares</source>
        <translation>Fyra rutor</translation>
    </message>
    <message>
        <source>Six frames</source>
        <translation>Sex ramar</translation>
    </message>
    <message>
        <source>Tall and wide</source>
        <translation>Hög och bred</translation>
    </message>
    <message>
        <source>Three in a row</source>
        <translation>Tre i rad</translation>
    </message>
    <message>
        <source>Two frames</source>
        <translation>Två ramar</translation>
    </message>
    <message>
        <source>Award</source>
        <translation>Utmärkelse</translation>
    </message>
    <message>
        <source>Presented to</source>
        <translation>Delas ut till</translation>
    </message>
    <message>
        <source>for</source>
        <translation>för</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Underskrift</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Diplom</translation>
    </message>
    <message>
        <source>This certificate is awarded to</source>
        <translation>Det här diplomet går till</translation>
    </message>
    <message>
        <source>Star award</source>
        <translation>Stjärnutmärkelse</translation>
    </message>
    <message>
        <source>This star award goes to</source>
        <translation>Den här stjärnutmärkelsen går till</translation>
    </message>
    <message>
        <source>Well done</source>
        <translation>Bra jobbat</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bra jobbat!</translation>
    </message>
    <message>
        <source>This award is for</source>
        <translation>Den här utmärkelsen är för</translation>
    </message>
    <message>
        <source>No border</source>
        <translation>Utan kant</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Välkommen</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Party!</source>
        <translation>Fest!</translation>
    </message>
    <message>
        <source>With border</source>
        <translation>Med kant</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hej</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>Om mig</translation>
    </message>
    <message>
        <source>I am</source>
        <translation>Jag är</translation>
    </message>
    <message>
        <source>I live in</source>
        <translation>Jag bor i</translation>
    </message>
    <message>
        <source>When I grow up I want to be</source>
        <translation>När jag blir stor vill jag bli</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Dagbok</translation>
    </message>
    <message>
        <source>My diary</source>
        <translation>Min dagbok</translation>
    </message>
    <message>
        <source>Today is</source>
        <translation>I dag är det</translation>
    </message>
    <message>
        <source>Today I</source>
        <translation>I dag har jag</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Kalejdoskop</translation>
    </message>
    <message>
        <source>I used the colours</source>
        <translation>Jag använde färgerna</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spegel</translation>
    </message>
    <message>
        <source>Mirror magic</source>
        <translation>Spegelmagi</translation>
    </message>
    <message>
        <source>My picture is called</source>
        <translation>Min bild heter</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Vrid</translation>
    </message>
    <message>
        <source>Spinning pattern</source>
        <translation>Snurrmönster</translation>
    </message>
    <message>
        <source>My pattern looks like</source>
        <translation>Mitt mönster ser ut som</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Årstider</translation>
    </message>
    <message>
        <source>The four seasons</source>
        <translation>De fyra årstiderna</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Vår</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommar</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Höst</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Vinter</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Steg</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Så här gör du</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Först</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Sedan</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Sist</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Berättelse</translation>
    </message>
    <message>
        <source>My story</source>
        <translation>Min berättelse</translation>
    </message>
    <message>
        <source>Then and now</source>
        <translation>Då och nu</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>A trip</source>
        <translation>En utflykt</translation>
    </message>
    <message>
        <source>Our trip</source>
        <translation>Vår utflykt</translation>
    </message>
    <message>
        <source>Where we went</source>
        <translation>Vart vi åkte</translation>
    </message>
    <message>
        <source>What we saw</source>
        <translation>Vad vi såg</translation>
    </message>
    <message>
        <source>What we did</source>
        <translation>Vad vi gjorde</translation>
    </message>
    <message>
        <source>The best bit</source>
        <translation>Det bästa</translation>
    </message>
    <message>
        <source>Next time</source>
        <translation>Nästa gång</translation>
    </message>
    <message>
        <source>You need</source>
        <translation>Du behöver</translation>
    </message>
    <message>
        <source>What it is</source>
        <translation>Vad det är</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Var</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Fakta</translation>
    </message>
    <message>
        <source>Did you know</source>
        <translation>Visste du att</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>A recipe</source>
        <translation>Ett recept</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Steg 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Steg 2</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Steg 3</translation>
    </message>
    <message>
        <source>Enjoy</source>
        <translation>Smaklig måltid</translation>
    </message>
    <message>
        <source>My day</source>
        <translation>Min dag</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Morgon</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Lunch</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>Eftermiddag</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Kväll</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Natt</translation>
    </message>
    <message>
        <source>My pet</source>
        <translation>Mitt husdjur</translation>
    </message>
    <message>
        <source>Its name</source>
        <translation>Den heter</translation>
    </message>
    <message>
        <source>It eats</source>
        <translation>Den äter</translation>
    </message>
    <message>
        <source>It likes</source>
        <translation>Den tycker om</translation>
    </message>
    <message>
        <source>It sleeps</source>
        <translation>Den sover</translation>
    </message>
    <message>
        <source>I love it</source>
        <translation>Jag älskar den</translation>
    </message>
    <message>
        <source>Badges</source>
        <translation>Märken</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Bokmärken</translation>
    </message>
    <message>
        <source>Happy reading!</source>
        <translation>Trevlig läsning!</translation>
    </message>
    <message>
        <source>This book belongs to</source>
        <translation>Den här boken tillhör</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketter</translation>
    </message>
    <message>
        <source>This belongs to</source>
        <translation>Det här tillhör</translation>
    </message>
    <message>
        <source>Name cards</source>
        <translation>Namnkort</translation>
    </message>
    <message>
        <source>Hello, my name is</source>
        <translation>Hej, jag heter</translation>
    </message>
    <message>
        <source>Raffle tickets</source>
        <translation>Lotter</translation>
    </message>
    <message>
        <source>No. ^</source>
        <translation>Nr ^</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Namn:</translation>
    </message>
    <message>
        <source>Raffle ticket</source>
        <translation>Lott</translation>
    </message>
    <message>
        <source>Class news</source>
        <translation>Klassnyheter</translation>
    </message>
    <message>
        <source>Class News</source>
        <translation>Klassnyheter</translation>
    </message>
    <message>
        <source>Written by</source>
        <translation>Skrivet av</translation>
    </message>
    <message>
        <source>Our big news</source>
        <translation>Vår stora nyhet</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Den här veckan</translation>
    </message>
    <message>
        <source>Nature notes</source>
        <translation>Naturanteckningar</translation>
    </message>
    <message>
        <source>Nature Notes</source>
        <translation>Naturanteckningar</translation>
    </message>
    <message>
        <source>What we found outside</source>
        <translation>Vad vi hittade ute</translation>
    </message>
    <message>
        <source>We looked for</source>
        <translation>Vi letade efter</translation>
    </message>
    <message>
        <source>School times</source>
        <translation>Skoltidningen</translation>
    </message>
    <message>
        <source>School Times</source>
        <translation>Skoltidningen</translation>
    </message>
    <message>
        <source>Read all about it!</source>
        <translation>Läs allt om det!</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Sports news</source>
        <translation>Sportnyheter</translation>
    </message>
    <message>
        <source>Sports News</source>
        <translation>Sportnyheter</translation>
    </message>
    <message>
        <source>What a race!</source>
        <translation>Vilket lopp!</translation>
    </message>
    <message>
        <source>The winner was</source>
        <translation>Vinnaren var</translation>
    </message>
    <message>
        <source>Weekend news</source>
        <translation>Helgnyheter</translation>
    </message>
    <message>
        <source>Weekend News</source>
        <translation>Helgnyheter</translation>
    </message>
    <message>
        <source>My weekend</source>
        <translation>Min helg</translation>
    </message>
    <message>
        <source>On Saturday</source>
        <translation>I lördags</translation>
    </message>
    <message>
        <source>On Sunday</source>
        <translation>I söndags</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Vykort</translation>
    </message>
    <message>
        <source>Fact file</source>
        <translation>Faktablad</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>Visste du det?</translation>
    </message>
    <message>
        <source>Party time!</source>
        <translation>Festdags!</translation>
    </message>
    <message>
        <source>You are invited!</source>
        <translation>Du är bjuden!</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Save our planet</source>
        <translation>Rädda vår planet</translation>
    </message>
    <message>
        <source>We can help by</source>
        <translation>Vi kan hjälpa till genom att</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Föreställning</translation>
    </message>
    <message>
        <source>Come to our show!</source>
        <translation>Kom till vår föreställning!</translation>
    </message>
    <message>
        <source>When:
Where:
Tickets:</source>
        <translation>När:
Var:
Biljetter:</translation>
    </message>
    <message>
        <source>Wanted</source>
        <translation>Efterlyst</translation>
    </message>
    <message>
        <source>WANTED</source>
        <translation>EFTERLYST</translation>
    </message>
    <message>
        <source>Last seen
Reward</source>
        <translation>Senast sedd
Belöning</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stjärna</translation>
    </message>
    <message>
        <source>My wish</source>
        <translation>Min önskan</translation>
    </message>
    <message>
        <source>I wish</source>
        <translation>Jag önskar</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Hjärta</translation>
    </message>
    <message>
        <source>I love</source>
        <translation>Jag älskar</translation>
    </message>
    <message>
        <source>I love it because</source>
        <translation>Jag älskar det för att</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Look at me!</source>
        <translation>Titta på mig!</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Moln</translation>
    </message>
    <message>
        <source>In the sky</source>
        <translation>På himlen</translation>
    </message>
    <message>
        <source>Up in the sky I can see</source>
        <translation>Uppe på himlen ser jag</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Hus</translation>
    </message>
    <message>
        <source>My home</source>
        <translation>Mitt hem</translation>
    </message>
    <message>
        <source>At home I like to</source>
        <translation>Hemma tycker jag om att</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Sköld</translation>
    </message>
    <message>
        <source>My coat of arms</source>
        <translation>Mitt vapen</translation>
    </message>
    <message>
        <source>My motto is</source>
        <translation>Mitt motto är</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Fisk</translation>
    </message>
    <message>
        <source>Under the sea</source>
        <translation>Under havet</translation>
    </message>
    <message>
        <source>My fish is called</source>
        <translation>Min fisk heter</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Fjäril</translation>
    </message>
    <message>
        <source>Beautiful butterfly</source>
        <translation>Vacker fjäril</translation>
    </message>
    <message>
        <source>My butterfly likes</source>
        <translation>Min fjäril tycker om</translation>
    </message>
    <message>
        <source>Big sign</source>
        <translation>Stor skylt</translation>
    </message>
    <message>
        <source>Quiet please</source>
        <translation>Tyst, tack</translation>
    </message>
    <message>
        <source>Quiet
please</source>
        <translation>Tyst,
tack</translation>
    </message>
    <message>
        <source>We are busy learning</source>
        <translation>Vi håller på att lära oss</translation>
    </message>
    <message>
        <source>to our
classroom</source>
        <translation>till vårt
klassrum</translation>
    </message>
    <message>
        <source>Our class</source>
        <translation>Vår klass</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klass</translation>
    </message>
    <message>
        <source>Keep out</source>
        <translation>Håll dig ute</translation>
    </message>
    <message>
        <source>KEEP OUT!</source>
        <translation>HÅLL DIG UTE!</translation>
    </message>
    <message>
        <source>Dragon
zone</source>
        <translation>Drak-
zon</translation>
    </message>
    <message>
        <source>Found it</source>
        <translation>Hittat</translation>
    </message>
    <message>
        <source>Lost &amp; found</source>
        <translation>Hittegods</translation>
    </message>
    <message>
        <source>Is this yours?</source>
        <translation>Är det här ditt?</translation>
    </message>
    <message>
        <source>Please ask your teacher</source>
        <translation>Fråga din lärare</translation>
    </message>
    <message>
        <source>Wash hands</source>
        <translation>Tvätta händerna</translation>
    </message>
    <message>
        <source>Wash your hands</source>
        <translation>Tvätta dina händer</translation>
    </message>
    <message>
        <source>Soap and water!</source>
        <translation>Tvål och vatten!</translation>
    </message>
    <message>
        <source>Shop open</source>
        <translation>Affären är öppen</translation>
    </message>
    <message>
        <source>Welcome to our shop</source>
        <translation>Välkommen till vår affär</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ÖPPET</translation>
    </message>
    <message>
        <source>Come in!</source>
        <translation>Kom in!</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Knacka</translation>
    </message>
    <message>
        <source>Please
knock</source>
        <translation>Knacka
på</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>Tack!</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <source>There seems to be some problem with your Printer.</source>
        <translation>Det verkar vara något problem med din skrivare.</translation>
    </message>
    <message>
        <source>There are no printers available on this computer.</source>
        <translation>Det finns inga skrivare på den här datorn.</translation>
    </message>
    <message>
        <source>Write some words first, then print them.</source>
        <translation>Skriv några ord först, skriv sedan ut dem.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Avsluta?</translation>
    </message>
    <message>
        <source>Where to store files</source>
        <translation>Var filer sparas</translation>
    </message>
    <message>
        <source>Use &apos;My Documents&apos; folder</source>
        <translation>Använd mappen Mina dokument</translation>
    </message>
    <message>
        <source>Use:</source>
        <translation>Använd:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mapp</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Utskrift</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Typsnitt</translation>
    </message>
    <message>
        <source>Show printer button all the time</source>
        <translation>Visa skrivarknappen hela tiden</translation>
    </message>
    <message>
        <source>Hide printer button after printing for</source>
        <translation>Dölj skrivarknappen efter utskrift i</translation>
    </message>
    <message>
        <source>Don&apos;t allow any printing</source>
        <translation>Tillåt ingen utskrift alls</translation>
    </message>
    <message>
        <source>Allow multiple copies to be printed</source>
        <translation>Tillåt utskrift av flera kopior</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Skrivare</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Skrivare:</translation>
    </message>
    <message>
        <source>Page Scale Factor:</source>
        <translation>Sidskala:</translation>
    </message>
    <message>
        <source>Page scale factor down</source>
        <translation>Sidskala ner</translation>
    </message>
    <message>
        <source>Page scale factor up</source>
        <translation>Sidskala upp</translation>
    </message>
    <message>
        <source>Text Scale Factor:</source>
        <translation>Textskala:</translation>
    </message>
    <message>
        <source>Text scale factor down</source>
        <translation>Textskala ner</translation>
    </message>
    <message>
        <source>Text scale factor up</source>
        <translation>Textskala upp</translation>
    </message>
    <message>
        <source>Show pull-down string</source>
        <translation>Visa dragsnöret</translation>
    </message>
    <message>
        <source>Use darker frame colours</source>
        <translation>Använd mörkare ramfärger</translation>
    </message>
    <message>
        <source>Show on screen keyboard</source>
        <translation>Visa skärmtangentbord</translation>
    </message>
    <message>
        <source>Turn pages in leaflets quickly</source>
        <translation>Bläddra snabbt i foldrar</translation>
    </message>
    <message>
        <source>Show Webcam button</source>
        <translation>Visa webbkameraknappen</translation>
    </message>
    <message>
        <source>Show the “Read it to me” button</source>
        <translation>Visa knappen ”Läs upp för mig”</translation>
    </message>
    <message>
        <source>Say each letter as it is typed</source>
        <translation>Säg varje bokstav när den skrivs</translation>
    </message>
    <message>
        <source>Progress pictures every</source>
        <translation>Förloppsbilder var</translation>
    </message>
    <message>
        <source>Store Files in:</source>
        <translation>Spara filer i:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Ändra...</translation>
    </message>
    <message>
        <source>Allow choices from these fonts:</source>
        <translation>Tillåt val bland dessa typsnitt:</translation>
    </message>
    <message>
        <source>Font %1</source>
        <translation>Typsnitt %1</translation>
    </message>
    <message>
        <source>The school has fixed this setting.</source>
        <translation>Skolan har låst den här inställningen.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videor</translation>
    </message>
    <message>
        <source>Make the text bigger or smaller</source>
        <translation>Gör texten större eller mindre</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Välj ett typsnitt</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Text %1</translation>
    </message>
    <message>
        <source>Words %1</source>
        <translation>Ord %1</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Svart</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Röd</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Guld</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grön</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Gräsgrön</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blå</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Himmelsblå</translation>
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
        <translation>Brun</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Vit</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Skriv</translation>
    </message>
    <message>
        <source>%1 text</source>
        <translation>Textfärg %1</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Banderoll</translation>
    </message>
    <message>
        <source>Banner words</source>
        <translation>Banderollord</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Bokstäver</translation>
    </message>
    <message>
        <source>Thinnest letters</source>
        <translation>Tunnaste bokstäverna</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Tjocklek</translation>
    </message>
    <message>
        <source>Thickest letters</source>
        <translation>Tjockaste bokstäverna</translation>
    </message>
    <message>
        <source>Banner colour</source>
        <translation>Banderollfärg</translation>
    </message>
    <message>
        <source>Letter colour</source>
        <translation>Bokstavsfärg</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Konturfärg</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Kant</translation>
    </message>
    <message>
        <source>Bubble %1</source>
        <translation>Pratbubbla %1</translation>
    </message>
    <message>
        <source>Bubble %1 words</source>
        <translation>Ord i pratbubbla %1</translation>
    </message>
    <message>
        <source>Bubble %1 point</source>
        <translation>Spets på pratbubbla %1</translation>
    </message>
    <message>
        <source>Bubble %1 size</source>
        <translation>Storlek på pratbubbla %1</translation>
    </message>
    <message>
        <source>Drag to point the bubble</source>
        <translation>Dra för att rikta pratbubblan</translation>
    </message>
    <message>
        <source>Drag to make the bubble bigger or smaller</source>
        <translation>Dra för att göra pratbubblan större eller mindre</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone speak</source>
        <translation>Dra till en bild för att få någon att prata</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone think</source>
        <translation>Dra till en bild för att få någon att tänka</translation>
    </message>
    <message>
        <source>Drag onto a picture to add some words</source>
        <translation>Dra till en bild för att lägga till ord</translation>
    </message>
    <message>
        <source>Drop a bubble here to throw it away</source>
        <translation>Släpp en pratbubbla här för att slänga den</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Turn clockwise</source>
        <translation>Vrid medurs</translation>
    </message>
    <message>
        <source>Turn anticlockwise</source>
        <translation>Vrid moturs</translation>
    </message>
    <message>
        <source>Sheet of copies</source>
        <translation>Ark med kopior</translation>
    </message>
    <message>
        <source>Fewest copies</source>
        <translation>Färst kopior</translation>
    </message>
    <message>
        <source>Most copies</source>
        <translation>Flest kopior</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Antal kopior</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
    <message>
        <source>Bigger text</source>
        <translation>Större text</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>Mindre text</translation>
    </message>
    <message>
        <source>Felt pens</source>
        <translation>Tuschpennor</translation>
    </message>
    <message>
        <source>Paint tools</source>
        <translation>Målarverktyg</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Use this border</source>
        <translation>Använd den här kanten</translation>
    </message>
    <message>
        <source>Read it to me</source>
        <translation>Läs upp för mig</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimera</translation>
    </message>
    <message>
        <source>Pick a paint tool over there!</source>
        <translation>Välj ett målarverktyg där borta!</translation>
    </message>
    <message>
        <source>Pick a felt pen over there!</source>
        <translation>Välj en tuschpenna där borta!</translation>
    </message>
    <message>
        <source>Leaflet</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Föregående sida</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nästa sida</translation>
    </message>
    <message>
        <source>Open the flap</source>
        <translation>Öppna fliken</translation>
    </message>
    <message>
        <source>Close the flap</source>
        <translation>Stäng fliken</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Sida %1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Sida</translation>
    </message>
    <message>
        <source>Text box %1</source>
        <translation>Textruta %1</translation>
    </message>
    <message>
        <source>Rich text box %1</source>
        <translation>Formaterad textruta %1</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>Turn over</source>
        <translation>Vänd</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rad %1</translation>
    </message>
    <message>
        <source>More columns</source>
        <translation>Fler kolumner</translation>
    </message>
    <message>
        <source>Fewer columns</source>
        <translation>Färre kolumner</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Fler rader</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Färre rader</translation>
    </message>
    <message>
        <source>Layouts</source>
        <translation>Layouter</translation>
    </message>
    <message>
        <source>Sorry. That layout couldn&apos;t be used. Your work is still here.</source>
        <translation>Förlåt. Den layouten kunde inte användas. Ditt arbete finns kvar.</translation>
    </message>
    <message>
        <source>Save Work</source>
        <translation>Spara arbete</translation>
    </message>
    <message>
        <source>Open Work</source>
        <translation>Öppna arbete</translation>
    </message>
    <message>
        <source>Your work</source>
        <translation>Ditt arbete</translation>
    </message>
    <message>
        <source>Picture of your work</source>
        <translation>Bild av ditt arbete</translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation>Släng</translation>
    </message>
    <message>
        <source>Open it</source>
        <translation>Öppna det</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Inte nu</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersätt</translation>
    </message>
    <message>
        <source>There is already a work called &apos;%1&apos;. Replace it?</source>
        <translation>Det finns redan ett arbete som heter &apos;%1&apos;. Vill du ersätta det?</translation>
    </message>
    <message>
        <source>No pictures of this work yet.</source>
        <translation>Inga bilder av det här arbetet än.</translation>
    </message>
    <message>
        <source>Watch it grow</source>
        <translation>Se det växa</translation>
    </message>
    <message>
        <source>Progress pictures</source>
        <translation>Förloppsbilder</translation>
    </message>
    <message>
        <source>More files</source>
        <translation>Fler filer</translation>
    </message>
    <message>
        <source>Type a name for your work first.</source>
        <translation>Skriv ett namn på ditt arbete först.</translation>
    </message>
    <message>
        <source>Choose a work to open first.</source>
        <translation>Välj ett arbete att öppna först.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Divider %1</source>
        <translation>Avdelare %1</translation>
    </message>
    <message>
        <source>Drag onto the page to add some writing</source>
        <translation>Dra till sidan för att skriva något</translation>
    </message>
    <message>
        <source>Drag onto the page to add a picture</source>
        <translation>Dra till sidan för att lägga till en bild</translation>
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
        <translation>Måla</translation>
    </message>
    <message>
        <source>Do you want to paint on this picture?</source>
        <translation>Vill du måla på den här bilden?</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Ändra storlek</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Flytta</translation>
    </message>
    <message>
        <source>Paint on this picture</source>
        <translation>Måla på den här bilden</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Färre</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segment</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolumner</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rader</translation>
    </message>
    <message>
        <source>Size?</source>
        <translation>Storlek?</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Stor</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Liten</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meddelande</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Vänta lite</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Vänta lite...</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Spara?</translation>
    </message>
    <message>
        <source>Don&apos;t keep it</source>
        <translation>Spara inte</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>Spara det</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Border magnifier</source>
        <translation>Kantförstoring</translation>
    </message>
    <message>
        <source>Border picture</source>
        <translation>Kantbild</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Importera bild</translation>
    </message>
    <message>
        <source>Fill the box</source>
        <translation>Fyll rutan</translation>
    </message>
    <message>
        <source>Show it all</source>
        <translation>Visa allt</translation>
    </message>
    <message>
        <source>Thick pen</source>
        <translation>Tjock penna</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Blyertspenna</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rektangel</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Fylld rektangel</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>Fylld cirkel</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Rak linje</translation>
    </message>
    <message>
        <source>Paint pot</source>
        <translation>Färgburk</translation>
    </message>
    <message>
        <source>Starburst</source>
        <translation>Strålstjärna</translation>
    </message>
    <message>
        <source>Scribble</source>
        <translation>Klotter</translation>
    </message>
    <message>
        <source>Splat</source>
        <translation>Klick</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gul</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>Klargrön</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turkos</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Ljusgrå</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Mörkblå</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Persika</translation>
    </message>
    <message>
        <source>Olive green</source>
        <translation>Olivgrön</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Rödbrun</translation>
    </message>
    <message>
        <source>Bright pink</source>
        <translation>Klarrosa</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grå</translation>
    </message>
    <message>
        <source>Pale yellow</source>
        <translation>Blekgul</translation>
    </message>
    <message>
        <source>Pale green</source>
        <translation>Blekgrön</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Mint green</source>
        <translation>Mintgrön</translation>
    </message>
    <message>
        <source>Navy blue</source>
        <translation>Marinblå</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Mörkröd</translation>
    </message>
    <message>
        <source>Bright red</source>
        <translation>Klarröd</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Ljusröd</translation>
    </message>
    <message>
        <source>Rust</source>
        <translation>Rost</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Bärnsten</translation>
    </message>
    <message>
        <source>Golden yellow</source>
        <translation>Guldgul</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Senap</translation>
    </message>
    <message>
        <source>Leaf green</source>
        <translation>Lövgrön</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blågrön</translation>
    </message>
    <message>
        <source>Lilac</source>
        <translation>Syren</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>Blekblå</translation>
    </message>
    <message>
        <source>Royal blue</source>
        <translation>Kungsblå</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Light pink</source>
        <translation>Ljusrosa</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Kastanjebrun</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Karmosinröd</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Vinröd</translation>
    </message>
    <message>
        <source>Coal black</source>
        <translation>Kolsvart</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Mörkgrå</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Koksgrå</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Picture menu</source>
        <translation>Bildmeny</translation>
    </message>
    <message>
        <source>Sorry. This picture couldn&apos;t be opened.</source>
        <translation>Förlåt. Den här bilden kunde inte öppnas.</translation>
    </message>
    <message>
        <source>This page has no picture for the camera.</source>
        <translation>Den här sidan har ingen bild för kameran.</translation>
    </message>
    <message>
        <source>Touch a picture on the page first, then the camera.</source>
        <translation>Tryck först på en bild på sidan, sedan på kameran.</translation>
    </message>
    <message>
        <source>Sorry. The picture couldn&apos;t be taken.</source>
        <translation>Förlåt. Bilden kunde inte tas.</translation>
    </message>
    <message>
        <source>Sorry. No webcam was found.</source>
        <translation>Förlåt. Ingen webbkamera hittades.</translation>
    </message>
    <message>
        <source>Sorry. The webcam isn&apos;t working.</source>
        <translation>Förlåt. Webbkameran fungerar inte.</translation>
    </message>
    <message>
        <source>In colour</source>
        <translation>I färg</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Svartvitt</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Gammalt foto</translation>
    </message>
    <message>
        <source>Pop art</source>
        <translation>Popkonst</translation>
    </message>
    <message>
        <source>Take a picture</source>
        <translation>Ta en bild</translation>
    </message>
    <message>
        <source>Take the picture</source>
        <translation>Ta bilden</translation>
    </message>
    <message>
        <source>Lighter or darker</source>
        <translation>Ljusare eller mörkare</translation>
    </message>
    <message>
        <source>Darker</source>
        <translation>Mörkare</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Ljusare</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Dölj</translation>
    </message>
    <message>
        <source>How to fold</source>
        <translation>Så här viker du</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge.</source>
        <translation>Skriv ut på båda sidor och vänd arket längs kortsidan.</translation>
    </message>
    <message>
        <source>Leaflets always print at full size, so that the folds meet.</source>
        <translation>Foldrar skrivs alltid ut i full storlek, så att vikningarna möts.</translation>
    </message>
    <message>
        <source>Fold the top half back, behind the sheet.</source>
        <translation>Vik den övre halvan bakåt, bakom arket.</translation>
    </message>
    <message>
        <source>Fold the bottom half back, behind the sheet.</source>
        <translation>Vik den nedre halvan bakåt, bakom arket.</translation>
    </message>
    <message>
        <source>Fold the right side in.</source>
        <translation>Vik in den högra sidan.</translation>
    </message>
    <message>
        <source>Fold the left side over. The cover is now on top.</source>
        <translation>Vik över den vänstra sidan. Nu ligger framsidan överst.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Spara som PDF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-fil</translation>
    </message>
    <message>
        <source>Print?</source>
        <translation>Skriva ut?</translation>
    </message>
    <message>
        <source>How many?</source>
        <translation>Hur många?</translation>
    </message>
    <message>
        <source>Check printer is set to A4</source>
        <translation>Kontrollera att skrivaren är inställd på A4</translation>
    </message>
    <message>
        <source>Pen %1</source>
        <translation>Penna %1</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Typsnitt</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Storlekar</translation>
    </message>
    <message>
        <source>All text boxes</source>
        <translation>Alla textrutor</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backsteg</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mellanslag</translation>
    </message>
    <message>
        <source>On screen keyboard</source>
        <translation>Skärmtangentbord</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Caps</source>
        <translation>Caps</translation>
    </message>
    <message>
        <source>Close keyboard</source>
        <translation>Stäng tangentbordet</translation>
    </message>
    <message>
        <source>Open keyboard</source>
        <translation>Öppna tangentbordet</translation>
    </message>
    <message>
        <source>Pull down</source>
        <translation>Dra ner</translation>
    </message>
    <message>
        <source>No voice is installed</source>
        <translation>Ingen röst är installerad</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Text toolbar</source>
        <translation>Textverktygsfält</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Storlek</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Färg</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fet</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Understruken</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Punktlista</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vänster</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Höger</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitten</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Färger</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Färg %1</translation>
    </message>
    <message>
        <source>The text is not in Rich Text Format.</source>
        <translation>Texten är inte i Rich Text-format.</translation>
    </message>
    <message>
        <source>The text is too long to be read.</source>
        <translation>Texten är för lång för att läsas upp.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabell</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Former</translation>
    </message>
    <message>
        <source>Printing on both sides? Flip on the short edge.</source>
        <translation>Skriva ut på båda sidor? Vänd längs kortsidan.</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Häfte</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Kort</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Kopior</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Nyheter</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Var som helst</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Skylt</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Banderoll</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Kanter</translation>
    </message>
    <message>
        <source>My layout</source>
        <translation>Min layout</translation>
    </message>
    <message>
        <source>Posters</source>
        <translation>Affischer</translation>
    </message>
    <message>
        <source>Picture, row %1 column %2</source>
        <translation>Bild, rad %1 kolumn %2</translation>
    </message>
    <message>
        <source>Words, row %1 column %2</source>
        <translation>Ord, rad %1 kolumn %2</translation>
    </message>
    <message>
        <source>Quillora Files</source>
        <translation>Quillora-filer</translation>
    </message>
    <message>
        <source>PNG file</source>
        <translation>PNG-fil</translation>
    </message>
    <message>
        <source>%1 felt pen</source>
        <translation>Tuschpenna %1</translation>
    </message>
    <message>
        <source>%1 pen lid</source>
        <translation>Lock till tuschpenna %1</translation>
    </message>
    <message>
        <source>Pen sizes</source>
        <translation>Pennstorlekar</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>Storlek %1</translation>
    </message>
    <message>
        <source>page</source>
        <translation>sida</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>sidor</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuter</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>The computer&apos;s language</source>
        <translation>Datorns språk</translation>
    </message>
    <message>
        <source>never</source>
        <translation>aldrig</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A long press opens the picture menu</source>
        <translation>Ett långt tryck öppnar bildmenyn</translation>
    </message>
    <message>
        <source>Abc</source>
        <translation>Abc</translation>
    </message>
    <message numerus="yes">
        <source>minute(s)</source>
        <translation>
            <numerusform>minut</numerusform>
            <numerusform>minuter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n sida</numerusform>
            <numerusform>%n sidor</numerusform>
        </translation>
    </message>
    <message>
        <source>Press a pen harder for a wider line</source>
        <translation>Tryck hårdare med pennan för en bredare linje</translation>
    </message>
</context>
</TS>
