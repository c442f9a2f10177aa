<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Quillora</name>
    <message>
        <source>Went down to the woods today. Got a big surprise. Hope all well, Love from FB x</source>
        <translation>Vandaag naar het bos geweest. Kreeg een grote verrassing. Hoop dat alles goed gaat. Liefs van FB x</translation>
    </message>
    <message>
        <source>Baby bear</source>
        <translation>Babybeer</translation>
    </message>
    <message>
        <source>Bear town</source>
        <translation>Berendorp</translation>
    </message>
    <message>
        <source>BT8 8TP</source>
        <translation>BT8 8TP</translation>
    </message>
    <message>
        <source>Once upon a time there was an old old man called Mr Grumpy.</source>
        <translation>Er was eens een oude, oude man die meneer Mopper heette.</translation>
    </message>
    <message>
        <source>Sorry, this screen cannot be saved as a PNG file.</source>
        <translation>Sorry, dit scherm kan niet als PNG-bestand worden opgeslagen.</translation>
    </message>
    <message>
        <source>Sorry. There are some layout files missing. Please re-install Quillora</source>
        <translation>Sorry. Er ontbreken een paar indelingsbestanden. Installeer Quillora opnieuw</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be opened (%2).</source>
        <translation>Het indelingsbestand &quot;%1&quot; kon niet worden geopend (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; is too large to be a layout.</source>
        <translation>Het indelingsbestand &quot;%1&quot; is te groot voor een indeling.</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; has no layout line.</source>
        <translation>Het indelingsbestand &quot;%1&quot; heeft geen indelingsregel.</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge</source>
        <translation>Dubbelzijdig printen, en het vel omdraaien over de korte kant</translation>
    </message>
    <message>
        <source>The stamp picture &quot;%1&quot; could not be read.</source>
        <translation>De postzegelafbeelding &quot;%1&quot; kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be saved: ask your teacher to make some room, or save it somewhere else.</source>
        <translation>De schijf is vol, dus dit bestand kon niet worden opgeslagen: vraag je juf of meester om wat ruimte te maken, of sla het ergens anders op.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be saved here: choose another folder, or ask your teacher.</source>
        <translation>Dit bestand kon hier niet worden opgeslagen: kies een andere map, of vraag het je juf of meester.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be saved.</source>
        <translation>Sorry. Dit bestand kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be found: it may have been moved or renamed.</source>
        <translation>Dit bestand is niet gevonden: misschien is het verplaatst of heeft het een andere naam.</translation>
    </message>
    <message>
        <source>This file is damaged: it may not have finished copying.</source>
        <translation>Dit bestand is beschadigd: misschien is het kopiëren niet afgemaakt.</translation>
    </message>
    <message>
        <source>This file is too big to open: ask your teacher to look at it.</source>
        <translation>Dit bestand is te groot om te openen: vraag je juf of meester om ernaar te kijken.</translation>
    </message>
    <message>
        <source>This file was made by a newer Quillora: ask your teacher to update this one.</source>
        <translation>Dit bestand is gemaakt met een nieuwere Quillora: vraag je juf of meester om deze bij te werken.</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be opened: ask your teacher to make some room.</source>
        <translation>De schijf is vol, dus dit bestand kon niet worden geopend: vraag je juf of meester om wat ruimte te maken.</translation>
    </message>
    <message>
        <source>This file may not be opened: ask your teacher to check it.</source>
        <translation>Dit bestand mag niet worden geopend: vraag je juf of meester om het te controleren.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be opened.</source>
        <translation>Sorry. Dit bestand kon niet worden geopend.</translation>
    </message>
    <message>
        <source>Some parts of this file could not be used, so they were left out.</source>
        <translation>Sommige delen van dit bestand konden niet worden gebruikt, dus die zijn weggelaten.</translation>
    </message>
    <message>
        <source>Your work from today at %1</source>
        <translation>Je werk van vandaag om %1</translation>
    </message>
    <message>
        <source>Your work from yesterday at %1</source>
        <translation>Je werk van gisteren om %1</translation>
    </message>
    <message>
        <source>Your work from %1 at %2</source>
        <translation>Je werk van %1 om %2</translation>
    </message>
    <message>
        <source>Comic-strip</source>
        <translation>Stripverhaal</translation>
    </message>
    <message>
        <source>Not ready</source>
        <translation>Niet klaar</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be read (%2).</source>
        <translation>Het indelingsbestand &quot;%1&quot; kon niet worden gelezen (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; gives no usable page size.</source>
        <translation>Het indelingsbestand &quot;%1&quot; geeft geen bruikbare paginagrootte.</translation>
    </message>
    <message>
        <source>Tall page</source>
        <translation>Hoge pagina</translation>
    </message>
    <message>
        <source>My page</source>
        <translation>Mijn pagina</translation>
    </message>
    <message>
        <source>Two columns</source>
        <translation>Twee kolommen</translation>
    </message>
    <message>
        <source>Wide page</source>
        <translation>Brede pagina</translation>
    </message>
    <message>
        <source>A visit</source>
        <translation>Een bezoek</translation>
    </message>
    <message>
        <source>Our visit</source>
        <translation>Ons bezoek</translation>
    </message>
    <message>
        <source>We went to</source>
        <translation>We gingen naar</translation>
    </message>
    <message>
        <source>We saw</source>
        <translation>We zagen</translation>
    </message>
    <message>
        <source>It was</source>
        <translation>Het was</translation>
    </message>
    <message>
        <source>by</source>
        <translation>door</translation>
    </message>
    <message>
        <source>All about me</source>
        <translation>Alles over mij</translation>
    </message>
    <message>
        <source>I am this old</source>
        <translation>Zo oud ben ik</translation>
    </message>
    <message>
        <source>My family</source>
        <translation>Mijn familie</translation>
    </message>
    <message>
        <source>I like</source>
        <translation>Ik vind leuk</translation>
    </message>
    <message>
        <source>My name is</source>
        <translation>Ik heet</translation>
    </message>
    <message>
        <source>My book</source>
        <translation>Mijn boek</translation>
    </message>
    <message>
        <source>Once upon a time</source>
        <translation>Er was eens</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Toen</translation>
    </message>
    <message>
        <source>The end</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>My topic</source>
        <translation>Mijn onderwerp</translation>
    </message>
    <message>
        <source>My writing</source>
        <translation>Mijn tekst</translation>
    </message>
    <message>
        <source>Poem</source>
        <translation>Gedicht</translation>
    </message>
    <message>
        <source>My poem</source>
        <translation>Mijn gedicht</translation>
    </message>
    <message>
        <source>Story time</source>
        <translation>Verhaaltjestijd</translation>
    </message>
    <message>
        <source>Birthday card</source>
        <translation>Verjaardagskaart</translation>
    </message>
    <message>
        <source>Happy birthday</source>
        <translation>Gefeliciteerd</translation>
    </message>
    <message>
        <source>Dear</source>
        <translation>Lieve</translation>
    </message>
    <message>
        <source>Love from</source>
        <translation>Liefs van</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Gemaakt door</translation>
    </message>
    <message>
        <source>Get well card</source>
        <translation>Beterschapskaart</translation>
    </message>
    <message>
        <source>Get well soon</source>
        <translation>Beterschap</translation>
    </message>
    <message>
        <source>Thank you card</source>
        <translation>Bedankkaart</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Dank je wel</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>Big and small</source>
        <translation>Groot en klein</translation>
    </message>
    <message>
        <source>Four squares</source>
        <translation>Vier vierkanten</translation>
    </message>
    <message>
        <source>Six frames</source>
        <translation>Zes kaders</translation>
    </message>
    <message>
        <source>Tall and wide</source>
        <translation>Hoog en breed</translation>
    </message>
    <message>
        <source>Three in a row</source>
        <translation>Drie op een rij</translation>
    </message>
    <message>
        <source>Two frames</source>
        <translation>Twee kaders</translation>
    </message>
    <message>
        <source>Award</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Presented to</source>
        <translation>Uitgereikt aan</translation>
    </message>
    <message>
        <source>for</source>
        <translation>voor</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Handtekening</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Oorkonde</translation>
    </message>
    <message>
        <source>This certificate is awarded to</source>
        <translation>Deze oorkonde is voor</translation>
    </message>
    <message>
        <source>Star award</source>
        <translation>Sterrenprijs</translation>
    </message>
    <message>
        <source>This star award goes to</source>
        <translation>Deze sterrenprijs is voor</translation>
    </message>
    <message>
        <source>Well done</source>
        <translation>Goed gedaan</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Goed gedaan!</translation>
    </message>
    <message>
        <source>This award is for</source>
        <translation>Deze prijs is voor</translation>
    </message>
    <message>
        <source>No border</source>
        <translation>Zonder rand</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Feest</translation>
    </message>
    <message>
        <source>Party!</source>
        <translation>Feest!</translation>
    </message>
    <message>
        <source>With border</source>
        <translation>Met rand</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hallo</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>Over mij</translation>
    </message>
    <message>
        <source>I am</source>
        <translation>Ik ben</translation>
    </message>
    <message>
        <source>I live in</source>
        <translation>Ik woon in</translation>
    </message>
    <message>
        <source>When I grow up I want to be</source>
        <translation>Als ik groot ben, word ik</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Dagboek</translation>
    </message>
    <message>
        <source>My diary</source>
        <translation>Mijn dagboek</translation>
    </message>
    <message>
        <source>Today is</source>
        <translation>Vandaag is het</translation>
    </message>
    <message>
        <source>Today I</source>
        <translation>Vandaag heb ik</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Caleidoscoop</translation>
    </message>
    <message>
        <source>I used the colours</source>
        <translation>Ik gebruikte de kleuren</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegel</translation>
    </message>
    <message>
        <source>Mirror magic</source>
        <translation>Spiegeltoverij</translation>
    </message>
    <message>
        <source>My picture is called</source>
        <translation>Mijn tekening heet</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Spinning pattern</source>
        <translation>Draaipatroon</translation>
    </message>
    <message>
        <source>My pattern looks like</source>
        <translation>Mijn patroon lijkt op</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Seizoenen</translation>
    </message>
    <message>
        <source>The four seasons</source>
        <translation>De vier seizoenen</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Zomer</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Herfst</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Stappen</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Zo doe je het</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Eerst</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Daarna</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Als laatste</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Verhaal</translation>
    </message>
    <message>
        <source>My story</source>
        <translation>Mijn verhaal</translation>
    </message>
    <message>
        <source>Then and now</source>
        <translation>Vroeger en nu</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>A trip</source>
        <translation>Een uitstapje</translation>
    </message>
    <message>
        <source>Our trip</source>
        <translation>Ons uitstapje</translation>
    </message>
    <message>
        <source>Where we went</source>
        <translation>Waar we heen gingen</translation>
    </message>
    <message>
        <source>What we saw</source>
        <translation>Wat we zagen</translation>
    </message>
    <message>
        <source>What we did</source>
        <translation>Wat we deden</translation>
    </message>
    <message>
        <source>The best bit</source>
        <translation>Het leukste stuk</translation>
    </message>
    <message>
        <source>Next time</source>
        <translation>Volgende keer</translation>
    </message>
    <message>
        <source>You need</source>
        <translation>Je hebt nodig</translation>
    </message>
    <message>
        <source>What it is</source>
        <translation>Wat het is</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Waar</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Feiten</translation>
    </message>
    <message>
        <source>Did you know</source>
        <translation>Wist je dat</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>A recipe</source>
        <translation>Een recept</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Stap 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Stap 2</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Stap 3</translation>
    </message>
    <message>
        <source>Enjoy</source>
        <translation>Eet smakelijk</translation>
    </message>
    <message>
        <source>My day</source>
        <translation>Mijn dag</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Ochtend</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Lunch</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>Middag</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Avond</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>My pet</source>
        <translation>Mijn huisdier</translation>
    </message>
    <message>
        <source>Its name</source>
        <translation>Zijn naam</translation>
    </message>
    <message>
        <source>It eats</source>
        <translation>Het eet</translation>
    </message>
    <message>
        <source>It likes</source>
        <translation>Het houdt van</translation>
    </message>
    <message>
        <source>It sleeps</source>
        <translation>Het slaapt</translation>
    </message>
    <message>
        <source>I love it</source>
        <translation>Ik hou ervan</translation>
    </message>
    <message>
        <source>Badges</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Boekenleggers</translation>
    </message>
    <message>
        <source>Happy reading!</source>
        <translation>Veel leesplezier!</translation>
    </message>
    <message>
        <source>This book belongs to</source>
        <translation>Dit boek is van</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>This belongs to</source>
        <translation>Dit is van</translation>
    </message>
    <message>
        <source>Name cards</source>
        <translation>Naamkaartjes</translation>
    </message>
    <message>
        <source>Hello, my name is</source>
        <translation>Hallo, ik heet</translation>
    </message>
    <message>
        <source>Raffle tickets</source>
        <translation>Lootjes</translation>
    </message>
    <message>
        <source>No. ^</source>
        <translation>Nr. ^</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Raffle ticket</source>
        <translation>Lootje</translation>
    </message>
    <message>
        <source>Class news</source>
        <translation>Klasnieuws</translation>
    </message>
    <message>
        <source>Class News</source>
        <translation>Klasnieuws</translation>
    </message>
    <message>
        <source>Written by</source>
        <translation>Geschreven door</translation>
    </message>
    <message>
        <source>Our big news</source>
        <translation>Ons grote nieuws</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Deze week</translation>
    </message>
    <message>
        <source>Nature notes</source>
        <translation>Natuurnotities</translation>
    </message>
    <message>
        <source>Nature Notes</source>
        <translation>Natuurnotities</translation>
    </message>
    <message>
        <source>What we found outside</source>
        <translation>Wat we buiten vonden</translation>
    </message>
    <message>
        <source>We looked for</source>
        <translation>We zochten naar</translation>
    </message>
    <message>
        <source>School times</source>
        <translation>Schoolkrant</translation>
    </message>
    <message>
        <source>School Times</source>
        <translation>Schoolkrant</translation>
    </message>
    <message>
        <source>Read all about it!</source>
        <translation>Lees er alles over!</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Sports news</source>
        <translation>Sportnieuws</translation>
    </message>
    <message>
        <source>Sports News</source>
        <translation>Sportnieuws</translation>
    </message>
    <message>
        <source>What a race!</source>
        <translation>Wat een race!</translation>
    </message>
    <message>
        <source>The winner was</source>
        <translation>De winnaar was</translation>
    </message>
    <message>
        <source>Weekend news</source>
        <translation>Weekendnieuws</translation>
    </message>
    <message>
        <source>Weekend News</source>
        <translation>Weekendnieuws</translation>
    </message>
    <message>
        <source>My weekend</source>
        <translation>Mijn weekend</translation>
    </message>
    <message>
        <source>On Saturday</source>
        <translation>Op zaterdag</translation>
    </message>
    <message>
        <source>On Sunday</source>
        <translation>Op zondag</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Ansichtkaart</translation>
    </message>
    <message>
        <source>Fact file</source>
        <translation>Feitenblad</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>Wist je dat?</translation>
    </message>
    <message>
        <source>Party time!</source>
        <translation>Feesttijd!</translation>
    </message>
    <message>
        <source>You are invited!</source>
        <translation>Je bent uitgenodigd!</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeet</translation>
    </message>
    <message>
        <source>Save our planet</source>
        <translation>Red onze planeet</translation>
    </message>
    <message>
        <source>We can help by</source>
        <translation>We kunnen helpen door</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Voorstelling</translation>
    </message>
    <message>
        <source>Come to our show!</source>
        <translation>Kom naar onze voorstelling!</translation>
    </message>
    <message>
        <source>When:
Where:
Tickets:</source>
        <translation>Wanneer:
Waar:
Kaartjes:</translation>
    </message>
    <message>
        <source>Wanted</source>
        <translation>Gezocht</translation>
    </message>
    <message>
        <source>WANTED</source>
        <translation>GEZOCHT</translation>
    </message>
    <message>
        <source>Last seen
Reward</source>
        <translation>Laatst gezien
Beloning</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Ster</translation>
    </message>
    <message>
        <source>My wish</source>
        <translation>Mijn wens</translation>
    </message>
    <message>
        <source>I wish</source>
        <translation>Ik wou dat</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Hart</translation>
    </message>
    <message>
        <source>I love</source>
        <translation>Ik hou van</translation>
    </message>
    <message>
        <source>I love it because</source>
        <translation>Ik hou ervan omdat</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Look at me!</source>
        <translation>Kijk naar mij!</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Wolk</translation>
    </message>
    <message>
        <source>In the sky</source>
        <translation>In de lucht</translation>
    </message>
    <message>
        <source>Up in the sky I can see</source>
        <translation>Boven in de lucht zie ik</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Huis</translation>
    </message>
    <message>
        <source>My home</source>
        <translation>Mijn huis</translation>
    </message>
    <message>
        <source>At home I like to</source>
        <translation>Thuis vind ik het leuk om</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Schild</translation>
    </message>
    <message>
        <source>My coat of arms</source>
        <translation>Mijn wapenschild</translation>
    </message>
    <message>
        <source>My motto is</source>
        <translation>Mijn motto is</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Under the sea</source>
        <translation>Onder de zee</translation>
    </message>
    <message>
        <source>My fish is called</source>
        <translation>Mijn vis heet</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Vlinder</translation>
    </message>
    <message>
        <source>Beautiful butterfly</source>
        <translation>Mooie vlinder</translation>
    </message>
    <message>
        <source>My butterfly likes</source>
        <translation>Mijn vlinder houdt van</translation>
    </message>
    <message>
        <source>Big sign</source>
        <translation>Groot bord</translation>
    </message>
    <message>
        <source>Quiet please</source>
        <translation>Stilte graag</translation>
    </message>
    <message>
        <source>Quiet
please</source>
        <translation>Stilte
graag</translation>
    </message>
    <message>
        <source>We are busy learning</source>
        <translation>We zijn hard aan het leren</translation>
    </message>
    <message>
        <source>to our
classroom</source>
        <translation>in onze
klas</translation>
    </message>
    <message>
        <source>Our class</source>
        <translation>Onze klas</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klas</translation>
    </message>
    <message>
        <source>Keep out</source>
        <translation>Verboden toegang</translation>
    </message>
    <message>
        <source>KEEP OUT!</source>
        <translation>VERBODEN TOEGANG!</translation>
    </message>
    <message>
        <source>Dragon
zone</source>
        <translation>Draken-
zone</translation>
    </message>
    <message>
        <source>Found it</source>
        <translation>Gevonden</translation>
    </message>
    <message>
        <source>Lost &amp; found</source>
        <translation>Gevonden voorwerpen</translation>
    </message>
    <message>
        <source>Is this yours?</source>
        <translation>Is dit van jou?</translation>
    </message>
    <message>
        <source>Please ask your teacher</source>
        <translation>Vraag het aan je juf of meester</translation>
    </message>
    <message>
        <source>Wash hands</source>
        <translation>Handen wassen</translation>
    </message>
    <message>
        <source>Wash your hands</source>
        <translation>Was je handen</translation>
    </message>
    <message>
        <source>Soap and water!</source>
        <translation>Zeep en water!</translation>
    </message>
    <message>
        <source>Shop open</source>
        <translation>Winkel open</translation>
    </message>
    <message>
        <source>Welcome to our shop</source>
        <translation>Welkom in onze winkel</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OPEN</translation>
    </message>
    <message>
        <source>Come in!</source>
        <translation>Kom binnen!</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Kloppen</translation>
    </message>
    <message>
        <source>Please
knock</source>
        <translation>Graag
kloppen</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>Dank je wel!</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Eenvoudig</translation>
    </message>
    <message>
        <source>There seems to be some problem with your Printer.</source>
        <translation>Er lijkt iets mis te zijn met je printer.</translation>
    </message>
    <message>
        <source>There are no printers available on this computer.</source>
        <translation>Er zijn geen printers op deze computer.</translation>
    </message>
    <message>
        <source>Write some words first, then print them.</source>
        <translation>Schrijf eerst een paar woorden, en print ze dan.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Stoppen?</translation>
    </message>
    <message>
        <source>Where to store files</source>
        <translation>Waar bestanden worden opgeslagen</translation>
    </message>
    <message>
        <source>Use &apos;My Documents&apos; folder</source>
        <translation>Map &apos;Mijn documenten&apos; gebruiken</translation>
    </message>
    <message>
        <source>Use:</source>
        <translation>Gebruiken:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Printen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Lettertypen</translation>
    </message>
    <message>
        <source>Show printer button all the time</source>
        <translation>Printknop altijd tonen</translation>
    </message>
    <message>
        <source>Hide printer button after printing for</source>
        <translation>Printknop na het printen verbergen gedurende</translation>
    </message>
    <message>
        <source>Don&apos;t allow any printing</source>
        <translation>Helemaal niet laten printen</translation>
    </message>
    <message>
        <source>Allow multiple copies to be printed</source>
        <translation>Meerdere kopieën laten printen</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>Page Scale Factor:</source>
        <translation>Paginaschaal:</translation>
    </message>
    <message>
        <source>Page scale factor down</source>
        <translation>Paginaschaal omlaag</translation>
    </message>
    <message>
        <source>Page scale factor up</source>
        <translation>Paginaschaal omhoog</translation>
    </message>
    <message>
        <source>Text Scale Factor:</source>
        <translation>Tekstschaal:</translation>
    </message>
    <message>
        <source>Text scale factor down</source>
        <translation>Tekstschaal omlaag</translation>
    </message>
    <message>
        <source>Text scale factor up</source>
        <translation>Tekstschaal omhoog</translation>
    </message>
    <message>
        <source>Show pull-down string</source>
        <translation>Trektouwtje tonen</translation>
    </message>
    <message>
        <source>Use darker frame colours</source>
        <translation>Donkerdere kaderkleuren gebruiken</translation>
    </message>
    <message>
        <source>Show on screen keyboard</source>
        <translation>Schermtoetsenbord tonen</translation>
    </message>
    <message>
        <source>Turn pages in leaflets quickly</source>
        <translation>Snel bladeren in folders</translation>
    </message>
    <message>
        <source>Show Webcam button</source>
        <translation>Webcamknop tonen</translation>
    </message>
    <message>
        <source>Show the “Read it to me” button</source>
        <translation>De knop ‘Lees het voor’ tonen</translation>
    </message>
    <message>
        <source>Say each letter as it is typed</source>
        <translation>Elke letter uitspreken bij het typen</translation>
    </message>
    <message>
        <source>Progress pictures every</source>
        <translation>Voortgangsafbeeldingen elke</translation>
    </message>
    <message>
        <source>Store Files in:</source>
        <translation>Bestanden opslaan in:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Wijzigen...</translation>
    </message>
    <message>
        <source>Allow choices from these fonts:</source>
        <translation>Keuze uit deze lettertypen toestaan:</translation>
    </message>
    <message>
        <source>Font %1</source>
        <translation>Lettertype %1</translation>
    </message>
    <message>
        <source>The school has fixed this setting.</source>
        <translation>De school heeft deze instelling vastgezet.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Video&apos;s</translation>
    </message>
    <message>
        <source>Make the text bigger or smaller</source>
        <translation>Maak de tekst groter of kleiner</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Kies een lettertype</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Tekst %1</translation>
    </message>
    <message>
        <source>Words %1</source>
        <translation>Woorden %1</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Goud</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Grasgroen</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Hemelsblauw</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Roze</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Bruin</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>%1 text</source>
        <translation>Tekstkleur %1</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Spandoek</translation>
    </message>
    <message>
        <source>Banner words</source>
        <translation>Spandoekwoorden</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letters</translation>
    </message>
    <message>
        <source>Thinnest letters</source>
        <translation>Dunste letters</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Dikte</translation>
    </message>
    <message>
        <source>Thickest letters</source>
        <translation>Dikste letters</translation>
    </message>
    <message>
        <source>Banner colour</source>
        <translation>Spandoekkleur</translation>
    </message>
    <message>
        <source>Letter colour</source>
        <translation>Letterkleur</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Omtrekkleur</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Bubble %1</source>
        <translation>Ballon %1</translation>
    </message>
    <message>
        <source>Bubble %1 words</source>
        <translation>Woorden in ballon %1</translation>
    </message>
    <message>
        <source>Bubble %1 point</source>
        <translation>Punt van ballon %1</translation>
    </message>
    <message>
        <source>Bubble %1 size</source>
        <translation>Grootte van ballon %1</translation>
    </message>
    <message>
        <source>Drag to point the bubble</source>
        <translation>Sleep om de punt van de ballon te draaien</translation>
    </message>
    <message>
        <source>Drag to make the bubble bigger or smaller</source>
        <translation>Sleep om de ballon groter of kleiner te maken</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone speak</source>
        <translation>Sleep op een plaatje om iemand te laten praten</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone think</source>
        <translation>Sleep op een plaatje om iemand te laten denken</translation>
    </message>
    <message>
        <source>Drag onto a picture to add some words</source>
        <translation>Sleep op een plaatje om woorden toe te voegen</translation>
    </message>
    <message>
        <source>Drop a bubble here to throw it away</source>
        <translation>Laat een ballon hier los om hem weg te gooien</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Turn clockwise</source>
        <translation>Rechtsom draaien</translation>
    </message>
    <message>
        <source>Turn anticlockwise</source>
        <translation>Linksom draaien</translation>
    </message>
    <message>
        <source>Sheet of copies</source>
        <translation>Vel met kopieën</translation>
    </message>
    <message>
        <source>Fewest copies</source>
        <translation>Minste kopieën</translation>
    </message>
    <message>
        <source>Most copies</source>
        <translation>Meeste kopieën</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Aantal kopieën</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Printen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Bigger text</source>
        <translation>Grotere tekst</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>Kleinere tekst</translation>
    </message>
    <message>
        <source>Felt pens</source>
        <translation>Stiften</translation>
    </message>
    <message>
        <source>Paint tools</source>
        <translation>Verftools</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Use this border</source>
        <translation>Deze rand gebruiken</translation>
    </message>
    <message>
        <source>Read it to me</source>
        <translation>Lees het voor</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Pick a paint tool over there!</source>
        <translation>Kies daar een verftool!</translation>
    </message>
    <message>
        <source>Pick a felt pen over there!</source>
        <translation>Kies daar een stift!</translation>
    </message>
    <message>
        <source>Leaflet</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige pagina</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Volgende pagina</translation>
    </message>
    <message>
        <source>Open the flap</source>
        <translation>Flap openen</translation>
    </message>
    <message>
        <source>Close the flap</source>
        <translation>Flap sluiten</translation>
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
        <translation>Tekstvak %1</translation>
    </message>
    <message>
        <source>Rich text box %1</source>
        <translation>Opgemaakt tekstvak %1</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Afbeelding %1</translation>
    </message>
    <message>
        <source>Turn over</source>
        <translation>Omdraaien</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rij %1</translation>
    </message>
    <message>
        <source>More columns</source>
        <translation>Meer kolommen</translation>
    </message>
    <message>
        <source>Fewer columns</source>
        <translation>Minder kolommen</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Meer rijen</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Minder rijen</translation>
    </message>
    <message>
        <source>Layouts</source>
        <translation>Indelingen</translation>
    </message>
    <message>
        <source>Sorry. That layout couldn&apos;t be used. Your work is still here.</source>
        <translation>Sorry. Die indeling kon niet worden gebruikt. Je werk is er nog.</translation>
    </message>
    <message>
        <source>Save Work</source>
        <translation>Werk opslaan</translation>
    </message>
    <message>
        <source>Open Work</source>
        <translation>Werk openen</translation>
    </message>
    <message>
        <source>Your work</source>
        <translation>Je werk</translation>
    </message>
    <message>
        <source>Picture of your work</source>
        <translation>Afbeelding van je werk</translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation>Weggooien</translation>
    </message>
    <message>
        <source>Open it</source>
        <translation>Open het</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Niet nu</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Vervangen</translation>
    </message>
    <message>
        <source>There is already a work called &apos;%1&apos;. Replace it?</source>
        <translation>Er is al een werk met de naam &apos;%1&apos;. Vervangen?</translation>
    </message>
    <message>
        <source>No pictures of this work yet.</source>
        <translation>Nog geen afbeeldingen van dit werk.</translation>
    </message>
    <message>
        <source>Watch it grow</source>
        <translation>Zie het groeien</translation>
    </message>
    <message>
        <source>Progress pictures</source>
        <translation>Voortgangsafbeeldingen</translation>
    </message>
    <message>
        <source>More files</source>
        <translation>Meer bestanden</translation>
    </message>
    <message>
        <source>Type a name for your work first.</source>
        <translation>Typ eerst een naam voor je werk.</translation>
    </message>
    <message>
        <source>Choose a work to open first.</source>
        <translation>Kies eerst een werk om te openen.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Meer</translation>
    </message>
    <message>
        <source>Divider %1</source>
        <translation>Scheidingslijn %1</translation>
    </message>
    <message>
        <source>Drag onto the page to add some writing</source>
        <translation>Sleep op de pagina om iets te schrijven</translation>
    </message>
    <message>
        <source>Drag onto the page to add a picture</source>
        <translation>Sleep op de pagina om een afbeelding toe te voegen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Verven</translation>
    </message>
    <message>
        <source>Do you want to paint on this picture?</source>
        <translation>Wil je op deze afbeelding verven?</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Grootte wijzigen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verplaatsen</translation>
    </message>
    <message>
        <source>Paint on this picture</source>
        <translation>Verf op deze afbeelding</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Minder</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Size?</source>
        <translation>Grootte?</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Even wachten</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Even wachten...</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Opslaan?</translation>
    </message>
    <message>
        <source>Don&apos;t keep it</source>
        <translation>Niet bewaren</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Border magnifier</source>
        <translation>Randvergrootglas</translation>
    </message>
    <message>
        <source>Border picture</source>
        <translation>Randafbeelding</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Afbeelding importeren</translation>
    </message>
    <message>
        <source>Fill the box</source>
        <translation>Vak vullen</translation>
    </message>
    <message>
        <source>Show it all</source>
        <translation>Alles tonen</translation>
    </message>
    <message>
        <source>Thick pen</source>
        <translation>Dikke pen</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Potlood</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Gevulde rechthoek</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>Gevulde cirkel</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Rechte lijn</translation>
    </message>
    <message>
        <source>Paint pot</source>
        <translation>Verfpot</translation>
    </message>
    <message>
        <source>Starburst</source>
        <translation>Sterretje</translation>
    </message>
    <message>
        <source>Scribble</source>
        <translation>Gekrabbel</translation>
    </message>
    <message>
        <source>Splat</source>
        <translation>Spetter</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>Felgroen</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Lichtgrijs</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Donkerblauw</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Perzik</translation>
    </message>
    <message>
        <source>Olive green</source>
        <translation>Olijfgroen</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Roodbruin</translation>
    </message>
    <message>
        <source>Bright pink</source>
        <translation>Felroze</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>Pale yellow</source>
        <translation>Lichtgeel</translation>
    </message>
    <message>
        <source>Pale green</source>
        <translation>Lichtgroen</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Mint green</source>
        <translation>Mintgroen</translation>
    </message>
    <message>
        <source>Navy blue</source>
        <translation>Marineblauw</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Donkerrood</translation>
    </message>
    <message>
        <source>Bright red</source>
        <translation>Felrood</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Lichtrood</translation>
    </message>
    <message>
        <source>Rust</source>
        <translation>Roest</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Amber</translation>
    </message>
    <message>
        <source>Golden yellow</source>
        <translation>Goudgeel</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citroen</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Mosterd</translation>
    </message>
    <message>
        <source>Leaf green</source>
        <translation>Bladgroen</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blauwgroen</translation>
    </message>
    <message>
        <source>Lilac</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>Bleekblauw</translation>
    </message>
    <message>
        <source>Royal blue</source>
        <translation>Koningsblauw</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Light pink</source>
        <translation>Lichtroze</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Kastanjebruin</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Karmijnrood</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeauxrood</translation>
    </message>
    <message>
        <source>Coal black</source>
        <translation>Koolzwart</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Donkergrijs</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Antraciet</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Zilver</translation>
    </message>
    <message>
        <source>Picture menu</source>
        <translation>Afbeeldingsmenu</translation>
    </message>
    <message>
        <source>Sorry. This picture couldn&apos;t be opened.</source>
        <translation>Sorry. Deze afbeelding kon niet worden geopend.</translation>
    </message>
    <message>
        <source>This page has no picture for the camera.</source>
        <translation>Deze pagina heeft geen afbeelding voor de camera.</translation>
    </message>
    <message>
        <source>Touch a picture on the page first, then the camera.</source>
        <translation>Tik eerst op een afbeelding op de pagina, en dan op de camera.</translation>
    </message>
    <message>
        <source>Sorry. The picture couldn&apos;t be taken.</source>
        <translation>Sorry. De foto kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>Sorry. No webcam was found.</source>
        <translation>Sorry. Er is geen webcam gevonden.</translation>
    </message>
    <message>
        <source>Sorry. The webcam isn&apos;t working.</source>
        <translation>Sorry. De webcam werkt niet.</translation>
    </message>
    <message>
        <source>In colour</source>
        <translation>In kleur</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Zwart-wit</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Oude foto</translation>
    </message>
    <message>
        <source>Pop art</source>
        <translation>Popart</translation>
    </message>
    <message>
        <source>Take a picture</source>
        <translation>Maak een foto</translation>
    </message>
    <message>
        <source>Take the picture</source>
        <translation>Maak de foto</translation>
    </message>
    <message>
        <source>Lighter or darker</source>
        <translation>Lichter of donkerder</translation>
    </message>
    <message>
        <source>Darker</source>
        <translation>Donkerder</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Lichter</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>How to fold</source>
        <translation>Zo vouw je het</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge.</source>
        <translation>Dubbelzijdig printen, en het vel omdraaien over de korte kant.</translation>
    </message>
    <message>
        <source>Leaflets always print at full size, so that the folds meet.</source>
        <translation>Folders worden altijd op ware grootte geprint, zodat de vouwen op elkaar passen.</translation>
    </message>
    <message>
        <source>Fold the top half back, behind the sheet.</source>
        <translation>Vouw de bovenste helft naar achteren, achter het vel.</translation>
    </message>
    <message>
        <source>Fold the bottom half back, behind the sheet.</source>
        <translation>Vouw de onderste helft naar achteren, achter het vel.</translation>
    </message>
    <message>
        <source>Fold the right side in.</source>
        <translation>Vouw de rechterkant naar binnen.</translation>
    </message>
    <message>
        <source>Fold the left side over. The cover is now on top.</source>
        <translation>Vouw de linkerkant eroverheen. De voorkant ligt nu bovenop.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Opslaan als PDF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-bestand</translation>
    </message>
    <message>
        <source>Print?</source>
        <translation>Printen?</translation>
    </message>
    <message>
        <source>How many?</source>
        <translation>Hoeveel?</translation>
    </message>
    <message>
        <source>Check printer is set to A4</source>
        <translation>Controleer of de printer op A4 staat</translation>
    </message>
    <message>
        <source>Pen %1</source>
        <translation>Pen %1</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Groottes</translation>
    </message>
    <message>
        <source>All text boxes</source>
        <translation>Alle tekstvakken</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spatie</translation>
    </message>
    <message>
        <source>On screen keyboard</source>
        <translation>Schermtoetsenbord</translation>
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
        <translation>Toetsenbord sluiten</translation>
    </message>
    <message>
        <source>Open keyboard</source>
        <translation>Toetsenbord openen</translation>
    </message>
    <message>
        <source>Pull down</source>
        <translation>Naar beneden trekken</translation>
    </message>
    <message>
        <source>No voice is installed</source>
        <translation>Er is geen stem geïnstalleerd</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Text toolbar</source>
        <translation>Tekstwerkbalk</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Vet</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursief</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Onderstrepen</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Opsommingstekens</translation>
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
        <translation>Midden</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Kleur %1</translation>
    </message>
    <message>
        <source>The text is not in Rich Text Format.</source>
        <translation>De tekst is niet in Rich Text Format.</translation>
    </message>
    <message>
        <source>The text is too long to be read.</source>
        <translation>De tekst is te lang om voor te lezen.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabel</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Vormen</translation>
    </message>
    <message>
        <source>Printing on both sides? Flip on the short edge.</source>
        <translation>Dubbelzijdig printen? Omdraaien over de korte kant.</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Boekje</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Kaart</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Kopieën</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Krant</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Overal</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Spandoek</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Randen</translation>
    </message>
    <message>
        <source>My layout</source>
        <translation>Mijn indeling</translation>
    </message>
    <message>
        <source>Posters</source>
        <translation>Posters</translation>
    </message>
    <message>
        <source>Picture, row %1 column %2</source>
        <translation>Plaatje, rij %1 kolom %2</translation>
    </message>
    <message>
        <source>Words, row %1 column %2</source>
        <translation>Woorden, rij %1 kolom %2</translation>
    </message>
    <message>
        <source>Quillora Files</source>
        <translation>Quillora-bestanden</translation>
    </message>
    <message>
        <source>PNG file</source>
        <translation>PNG-bestand</translation>
    </message>
    <message>
        <source>%1 felt pen</source>
        <translation>Stift %1</translation>
    </message>
    <message>
        <source>%1 pen lid</source>
        <translation>Dop van stift %1</translation>
    </message>
    <message>
        <source>Pen sizes</source>
        <translation>Pengroottes</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>Grootte %1</translation>
    </message>
    <message>
        <source>page</source>
        <translation>pagina</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>pagina&apos;s</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>The computer&apos;s language</source>
        <translation>De taal van de computer</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nooit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A long press opens the picture menu</source>
        <translation>Lang drukken opent het plaatjesmenu</translation>
    </message>
    <message>
        <source>Abc</source>
        <translation>Abc</translation>
    </message>
    <message numerus="yes">
        <source>minute(s)</source>
        <translation>
            <numerusform>minuut</numerusform>
            <numerusform>minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n pagina</numerusform>
            <numerusform>%n pagina&apos;s</numerusform>
        </translation>
    </message>
    <message>
        <source>Press a pen harder for a wider line</source>
        <translation>Druk harder op de pen voor een bredere lijn</translation>
    </message>
</context>
</TS>
