<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Quillora</name>
    <message>
        <source>Went down to the woods today. Got a big surprise. Hope all well, Love from FB x</source>
        <translation>Poszedłem dziś do lasu. Spotkała mnie wielka niespodzianka. Mam nadzieję, że wszystko u was dobrze. Buziaki, FB x</translation>
    </message>
    <message>
        <source>Baby bear</source>
        <translation>Mały Miś</translation>
    </message>
    <message>
        <source>Bear town</source>
        <translation>Misiowo</translation>
    </message>
    <message>
        <source>BT8 8TP</source>
        <translation>BT8 8TP</translation>
    </message>
    <message>
        <source>Once upon a time there was an old old man called Mr Grumpy.</source>
        <translation>Dawno, dawno temu żył sobie stary, bardzo stary pan, którego wszyscy nazywali Panem Zrzędą.</translation>
    </message>
    <message>
        <source>Sorry, this screen cannot be saved as a PNG file.</source>
        <translation>Przepraszamy, tego ekranu nie można zapisać jako pliku PNG.</translation>
    </message>
    <message>
        <source>Sorry. There are some layout files missing. Please re-install Quillora</source>
        <translation>Przepraszamy. Brakuje niektórych plików układów. Zainstaluj ponownie program Quillora</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be opened (%2).</source>
        <translation>Nie udało się otworzyć pliku układu „%1” (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; is too large to be a layout.</source>
        <translation>Plik układu „%1” jest za duży, żeby być układem.</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; has no layout line.</source>
        <translation>Plik układu „%1” nie ma wiersza układu.</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge</source>
        <translation>Drukuj na obu stronach, obracając kartkę wzdłuż krótszej krawędzi</translation>
    </message>
    <message>
        <source>The stamp picture &quot;%1&quot; could not be read.</source>
        <translation>Nie udało się odczytać obrazka znaczka „%1”.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be saved: ask your teacher to make some room, or save it somewhere else.</source>
        <translation>Dysk jest pełny, więc nie udało się zapisać tego pliku: poproś nauczyciela, żeby zrobił trochę miejsca, albo zapisz plik gdzie indziej.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be saved here: choose another folder, or ask your teacher.</source>
        <translation>Nie udało się zapisać tego pliku tutaj: wybierz inny folder albo zapytaj nauczyciela.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be saved.</source>
        <translation>Przepraszamy. Nie udało się zapisać tego pliku.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be found: it may have been moved or renamed.</source>
        <translation>Nie można znaleźć tego pliku: może został przeniesiony albo ma inną nazwę.</translation>
    </message>
    <message>
        <source>This file is damaged: it may not have finished copying.</source>
        <translation>Ten plik jest uszkodzony: może nie skończył się kopiować.</translation>
    </message>
    <message>
        <source>This file is too big to open: ask your teacher to look at it.</source>
        <translation>Ten plik jest za duży, żeby go otworzyć: poproś nauczyciela, żeby na niego spojrzał.</translation>
    </message>
    <message>
        <source>This file was made by a newer Quillora: ask your teacher to update this one.</source>
        <translation>Ten plik zrobiono w nowszej wersji programu Quillora: poproś nauczyciela, żeby zaktualizował ten program.</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be opened: ask your teacher to make some room.</source>
        <translation>Dysk jest pełny, więc nie udało się otworzyć tego pliku: poproś nauczyciela, żeby zrobił trochę miejsca.</translation>
    </message>
    <message>
        <source>This file may not be opened: ask your teacher to check it.</source>
        <translation>Tego pliku nie wolno otwierać: poproś nauczyciela, żeby go sprawdził.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be opened.</source>
        <translation>Przepraszamy. Nie udało się otworzyć tego pliku.</translation>
    </message>
    <message>
        <source>Some parts of this file could not be used, so they were left out.</source>
        <translation>Niektórych części tego pliku nie dało się użyć, więc zostały pominięte.</translation>
    </message>
    <message>
        <source>Your work from today at %1</source>
        <translation>Twoja praca z dzisiaj, godz. %1</translation>
    </message>
    <message>
        <source>Your work from yesterday at %1</source>
        <translation>Twoja praca z wczoraj, godz. %1</translation>
    </message>
    <message>
        <source>Your work from %1 at %2</source>
        <translation>Twoja praca z %1, godz. %2</translation>
    </message>
    <message>
        <source>Comic-strip</source>
        <translation>Komiks</translation>
    </message>
    <message>
        <source>Not ready</source>
        <translation>Niegotowe</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be read (%2).</source>
        <translation>Nie udało się odczytać pliku układu „%1” (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; gives no usable page size.</source>
        <translation>Plik układu „%1” nie podaje rozmiaru strony, którego da się użyć.</translation>
    </message>
    <message>
        <source>Tall page</source>
        <translation>Wysoka strona</translation>
    </message>
    <message>
        <source>My page</source>
        <translation>Moja strona</translation>
    </message>
    <message>
        <source>Two columns</source>
        <translation>Dwie kolumny</translation>
    </message>
    <message>
        <source>Wide page</source>
        <translation>Szeroka strona</translation>
    </message>
    <message>
        <source>A visit</source>
        <translation>Wizyta</translation>
    </message>
    <message>
        <source>Our visit</source>
        <translation>Nasza wizyta</translation>
    </message>
    <message>
        <source>We went to</source>
        <translation>Byliśmy w</translation>
    </message>
    <message>
        <source>We saw</source>
        <translation>Widzieliśmy</translation>
    </message>
    <message>
        <source>It was</source>
        <translation>Było</translation>
    </message>
    <message>
        <source>by</source>
        <translation>autor:</translation>
    </message>
    <message>
        <source>All about me</source>
        <translation>Wszystko o mnie</translation>
    </message>
    <message>
        <source>I am this old</source>
        <translation>Mam tyle lat</translation>
    </message>
    <message>
        <source>My family</source>
        <translation>Moja rodzina</translation>
    </message>
    <message>
        <source>I like</source>
        <translation>Lubię</translation>
    </message>
    <message>
        <source>My name is</source>
        <translation>Mam na imię</translation>
    </message>
    <message>
        <source>My book</source>
        <translation>Moja książka</translation>
    </message>
    <message>
        <source>Once upon a time</source>
        <translation>Dawno, dawno temu</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Potem</translation>
    </message>
    <message>
        <source>The end</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>My topic</source>
        <translation>Mój temat</translation>
    </message>
    <message>
        <source>My writing</source>
        <translation>Mój tekst</translation>
    </message>
    <message>
        <source>Poem</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>My poem</source>
        <translation>Mój wiersz</translation>
    </message>
    <message>
        <source>Story time</source>
        <translation>Czas na bajkę</translation>
    </message>
    <message>
        <source>Birthday card</source>
        <translation>Kartka urodzinowa</translation>
    </message>
    <message>
        <source>Happy birthday</source>
        <translation>Wszystkiego najlepszego</translation>
    </message>
    <message>
        <source>Dear</source>
        <translation>Kochany/Kochana</translation>
    </message>
    <message>
        <source>Love from</source>
        <translation>Buziaki od</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Wykonanie:</translation>
    </message>
    <message>
        <source>Get well card</source>
        <translation>Kartka z życzeniami zdrowia</translation>
    </message>
    <message>
        <source>Get well soon</source>
        <translation>Szybkiego powrotu do zdrowia</translation>
    </message>
    <message>
        <source>Thank you card</source>
        <translation>Kartka z podziękowaniem</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Dziękuję</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>Big and small</source>
        <translation>Duże i małe</translation>
    </message>
    <message>
        <source>Four squares</source>
        <translation>Cztery kwadraty</translation>
    </message>
    <message>
        <source>Six frames</source>
        <translation>Sześć okienek</translation>
    </message>
    <message>
        <source>Tall and wide</source>
        <translation>Wysokie i szerokie</translation>
    </message>
    <message>
        <source>Three in a row</source>
        <translation>Trzy w rzędzie</translation>
    </message>
    <message>
        <source>Two frames</source>
        <translation>Dwa okienka</translation>
    </message>
    <message>
        <source>Award</source>
        <translation>Nagroda</translation>
    </message>
    <message>
        <source>Presented to</source>
        <translation>Dla</translation>
    </message>
    <message>
        <source>for</source>
        <translation>za</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Podpis</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Dyplom</translation>
    </message>
    <message>
        <source>This certificate is awarded to</source>
        <translation>Ten dyplom otrzymuje</translation>
    </message>
    <message>
        <source>Star award</source>
        <translation>Gwiezdna nagroda</translation>
    </message>
    <message>
        <source>This star award goes to</source>
        <translation>Gwiezdną nagrodę otrzymuje</translation>
    </message>
    <message>
        <source>Well done</source>
        <translation>Brawo</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Brawo!</translation>
    </message>
    <message>
        <source>This award is for</source>
        <translation>Ta nagroda jest dla</translation>
    </message>
    <message>
        <source>No border</source>
        <translation>Bez ramki</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Witamy</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Impreza</translation>
    </message>
    <message>
        <source>Party!</source>
        <translation>Impreza!</translation>
    </message>
    <message>
        <source>With border</source>
        <translation>Z ramką</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Cześć</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>O mnie</translation>
    </message>
    <message>
        <source>I am</source>
        <translation>Jestem</translation>
    </message>
    <message>
        <source>I live in</source>
        <translation>Mieszkam w</translation>
    </message>
    <message>
        <source>When I grow up I want to be</source>
        <translation>Kiedy dorosnę, chcę być</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Pamiętnik</translation>
    </message>
    <message>
        <source>My diary</source>
        <translation>Mój pamiętnik</translation>
    </message>
    <message>
        <source>Today is</source>
        <translation>Dzisiaj jest</translation>
    </message>
    <message>
        <source>Today I</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Kalejdoskop</translation>
    </message>
    <message>
        <source>I used the colours</source>
        <translation>Moje kolory to</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Lustro</translation>
    </message>
    <message>
        <source>Mirror magic</source>
        <translation>Magiczne lustro</translation>
    </message>
    <message>
        <source>My picture is called</source>
        <translation>Mój obrazek nazywa się</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Obrót</translation>
    </message>
    <message>
        <source>Spinning pattern</source>
        <translation>Wirujący wzór</translation>
    </message>
    <message>
        <source>My pattern looks like</source>
        <translation>Mój wzór wygląda jak</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Pory roku</translation>
    </message>
    <message>
        <source>The four seasons</source>
        <translation>Cztery pory roku</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Wiosna</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Lato</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Jesień</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Zima</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Kroki</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Jak to zrobić</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Najpierw</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następnie</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Na koniec</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Opowiadanie</translation>
    </message>
    <message>
        <source>My story</source>
        <translation>Moje opowiadanie</translation>
    </message>
    <message>
        <source>Then and now</source>
        <translation>Dawniej i dziś</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Teraz</translation>
    </message>
    <message>
        <source>A trip</source>
        <translation>Wycieczka</translation>
    </message>
    <message>
        <source>Our trip</source>
        <translation>Nasza wycieczka</translation>
    </message>
    <message>
        <source>Where we went</source>
        <translation>Dokąd pojechaliśmy</translation>
    </message>
    <message>
        <source>What we saw</source>
        <translation>Co widzieliśmy</translation>
    </message>
    <message>
        <source>What we did</source>
        <translation>Co robiliśmy</translation>
    </message>
    <message>
        <source>The best bit</source>
        <translation>Najlepsze było</translation>
    </message>
    <message>
        <source>Next time</source>
        <translation>Następnym razem</translation>
    </message>
    <message>
        <source>You need</source>
        <translation>Potrzebujesz</translation>
    </message>
    <message>
        <source>What it is</source>
        <translation>Co to jest</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Gdzie</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Ciekawostki</translation>
    </message>
    <message>
        <source>Did you know</source>
        <translation>Czy wiesz</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Obrazki</translation>
    </message>
    <message>
        <source>A recipe</source>
        <translation>Przepis</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Krok 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Krok 2</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Krok 3</translation>
    </message>
    <message>
        <source>Enjoy</source>
        <translation>Smacznego!</translation>
    </message>
    <message>
        <source>My day</source>
        <translation>Mój dzień</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Rano</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Obiad</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>Popołudnie</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Wieczór</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noc</translation>
    </message>
    <message>
        <source>My pet</source>
        <translation>Mój zwierzak</translation>
    </message>
    <message>
        <source>Its name</source>
        <translation>Ma na imię</translation>
    </message>
    <message>
        <source>It eats</source>
        <translation>Je</translation>
    </message>
    <message>
        <source>It likes</source>
        <translation>Lubi</translation>
    </message>
    <message>
        <source>It sleeps</source>
        <translation>Śpi</translation>
    </message>
    <message>
        <source>I love it</source>
        <translation>Bardzo go kocham</translation>
    </message>
    <message>
        <source>Badges</source>
        <translation>Odznaki</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Zakładki</translation>
    </message>
    <message>
        <source>Happy reading!</source>
        <translation>Miłego czytania!</translation>
    </message>
    <message>
        <source>This book belongs to</source>
        <translation>Ta książka należy do</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etykiety</translation>
    </message>
    <message>
        <source>This belongs to</source>
        <translation>To należy do</translation>
    </message>
    <message>
        <source>Name cards</source>
        <translation>Identyfikatory</translation>
    </message>
    <message>
        <source>Hello, my name is</source>
        <translation>Cześć, mam na imię</translation>
    </message>
    <message>
        <source>Raffle tickets</source>
        <translation>Losy</translation>
    </message>
    <message>
        <source>No. ^</source>
        <translation>Nr ^</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Raffle ticket</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Class news</source>
        <translation>Wiadomości z klasy</translation>
    </message>
    <message>
        <source>Class News</source>
        <translation>Gazetka Klasowa</translation>
    </message>
    <message>
        <source>Written by</source>
        <translation>Napisał(a):</translation>
    </message>
    <message>
        <source>Our big news</source>
        <translation>Nasza wielka wiadomość</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>W tym tygodniu</translation>
    </message>
    <message>
        <source>Nature notes</source>
        <translation>Notatki przyrodnicze</translation>
    </message>
    <message>
        <source>Nature Notes</source>
        <translation>Wieści z Przyrody</translation>
    </message>
    <message>
        <source>What we found outside</source>
        <translation>Co znaleźliśmy na dworze</translation>
    </message>
    <message>
        <source>We looked for</source>
        <translation>Szukaliśmy</translation>
    </message>
    <message>
        <source>School times</source>
        <translation>Wieści szkolne</translation>
    </message>
    <message>
        <source>School Times</source>
        <translation>Szkolne Wieści</translation>
    </message>
    <message>
        <source>Read all about it!</source>
        <translation>Najświeższe wiadomości!</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>Sports news</source>
        <translation>Wiadomości sportowe</translation>
    </message>
    <message>
        <source>Sports News</source>
        <translation>Wieści Sportowe</translation>
    </message>
    <message>
        <source>What a race!</source>
        <translation>Co za wyścig!</translation>
    </message>
    <message>
        <source>The winner was</source>
        <translation>Wygrał(a)</translation>
    </message>
    <message>
        <source>Weekend news</source>
        <translation>Wiadomości z weekendu</translation>
    </message>
    <message>
        <source>Weekend News</source>
        <translation>Wieści z Weekendu</translation>
    </message>
    <message>
        <source>My weekend</source>
        <translation>Mój weekend</translation>
    </message>
    <message>
        <source>On Saturday</source>
        <translation>W sobotę</translation>
    </message>
    <message>
        <source>On Sunday</source>
        <translation>W niedzielę</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Pocztówka</translation>
    </message>
    <message>
        <source>Fact file</source>
        <translation>Karta ciekawostek</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>Czy wiesz?</translation>
    </message>
    <message>
        <source>Party time!</source>
        <translation>Czas na imprezę!</translation>
    </message>
    <message>
        <source>You are invited!</source>
        <translation>Zapraszamy cię!</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>Save our planet</source>
        <translation>Ratujmy naszą planetę</translation>
    </message>
    <message>
        <source>We can help by</source>
        <translation>Możemy pomóc</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Przedstawienie</translation>
    </message>
    <message>
        <source>Come to our show!</source>
        <translation>Przyjdź na nasze przedstawienie!</translation>
    </message>
    <message>
        <source>When:
Where:
Tickets:</source>
        <translation>Kiedy:
Gdzie:
Bilety:</translation>
    </message>
    <message>
        <source>Wanted</source>
        <translation>Poszukiwany</translation>
    </message>
    <message>
        <source>WANTED</source>
        <translation>POSZUKIWANY</translation>
    </message>
    <message>
        <source>Last seen
Reward</source>
        <translation>Ostatnio widziany
Nagroda</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Gwiazda</translation>
    </message>
    <message>
        <source>My wish</source>
        <translation>Moje marzenie</translation>
    </message>
    <message>
        <source>I wish</source>
        <translation>Marzę o</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Serce</translation>
    </message>
    <message>
        <source>I love</source>
        <translation>Kocham</translation>
    </message>
    <message>
        <source>I love it because</source>
        <translation>Kocham to, bo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Koło</translation>
    </message>
    <message>
        <source>Look at me!</source>
        <translation>Popatrz na mnie!</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Chmurka</translation>
    </message>
    <message>
        <source>In the sky</source>
        <translation>Na niebie</translation>
    </message>
    <message>
        <source>Up in the sky I can see</source>
        <translation>Wysoko na niebie widzę</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>My home</source>
        <translation>Mój dom</translation>
    </message>
    <message>
        <source>At home I like to</source>
        <translation>W domu lubię</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Tarcza</translation>
    </message>
    <message>
        <source>My coat of arms</source>
        <translation>Mój herb</translation>
    </message>
    <message>
        <source>My motto is</source>
        <translation>Moje motto to</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Ryba</translation>
    </message>
    <message>
        <source>Under the sea</source>
        <translation>W głębinach morza</translation>
    </message>
    <message>
        <source>My fish is called</source>
        <translation>Moja rybka ma na imię</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Motyl</translation>
    </message>
    <message>
        <source>Beautiful butterfly</source>
        <translation>Piękny motyl</translation>
    </message>
    <message>
        <source>My butterfly likes</source>
        <translation>Mój motyl lubi</translation>
    </message>
    <message>
        <source>Big sign</source>
        <translation>Duży napis</translation>
    </message>
    <message>
        <source>Quiet please</source>
        <translation>Proszę o ciszę</translation>
    </message>
    <message>
        <source>Quiet
please</source>
        <translation>Proszę
o ciszę</translation>
    </message>
    <message>
        <source>We are busy learning</source>
        <translation>Właśnie się uczymy</translation>
    </message>
    <message>
        <source>to our
classroom</source>
        <translation>w naszej
klasie</translation>
    </message>
    <message>
        <source>Our class</source>
        <translation>Nasza klasa</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasa</translation>
    </message>
    <message>
        <source>Keep out</source>
        <translation>Nie wchodzić</translation>
    </message>
    <message>
        <source>KEEP OUT!</source>
        <translation>NIE WCHODZIĆ!</translation>
    </message>
    <message>
        <source>Dragon
zone</source>
        <translation>Strefa
smoka</translation>
    </message>
    <message>
        <source>Found it</source>
        <translation>Znalezione</translation>
    </message>
    <message>
        <source>Lost &amp; found</source>
        <translation>Rzeczy znalezione</translation>
    </message>
    <message>
        <source>Is this yours?</source>
        <translation>Czy to twoje?</translation>
    </message>
    <message>
        <source>Please ask your teacher</source>
        <translation>Zapytaj nauczyciela</translation>
    </message>
    <message>
        <source>Wash hands</source>
        <translation>Mycie rąk</translation>
    </message>
    <message>
        <source>Wash your hands</source>
        <translation>Umyj ręce</translation>
    </message>
    <message>
        <source>Soap and water!</source>
        <translation>Woda i mydło!</translation>
    </message>
    <message>
        <source>Shop open</source>
        <translation>Sklep otwarty</translation>
    </message>
    <message>
        <source>Welcome to our shop</source>
        <translation>Witamy w naszym sklepie</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OTWARTE</translation>
    </message>
    <message>
        <source>Come in!</source>
        <translation>Wejdź!</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Puk, puk</translation>
    </message>
    <message>
        <source>Please
knock</source>
        <translation>Proszę
pukać</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>Dziękujemy!</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Prosta</translation>
    </message>
    <message>
        <source>There seems to be some problem with your Printer.</source>
        <translation>Wygląda na to, że z twoją drukarką jest jakiś problem.</translation>
    </message>
    <message>
        <source>There are no printers available on this computer.</source>
        <translation>Na tym komputerze nie ma dostępnych drukarek.</translation>
    </message>
    <message>
        <source>Write some words first, then print them.</source>
        <translation>Najpierw napisz kilka słów, potem je wydrukuj.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Wyjść?</translation>
    </message>
    <message>
        <source>Where to store files</source>
        <translation>Gdzie zapisywać pliki</translation>
    </message>
    <message>
        <source>Use &apos;My Documents&apos; folder</source>
        <translation>Używaj folderu &apos;Moje dokumenty&apos;</translation>
    </message>
    <message>
        <source>Use:</source>
        <translation>Użyj:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Dysk</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drukowanie</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Czcionki</translation>
    </message>
    <message>
        <source>Show printer button all the time</source>
        <translation>Pokazuj przycisk drukowania cały czas</translation>
    </message>
    <message>
        <source>Hide printer button after printing for</source>
        <translation>Ukrywaj przycisk drukowania po wydruku na</translation>
    </message>
    <message>
        <source>Don&apos;t allow any printing</source>
        <translation>Nie pozwalaj drukować</translation>
    </message>
    <message>
        <source>Allow multiple copies to be printed</source>
        <translation>Pozwalaj drukować wiele kopii</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drukarka</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drukarka:</translation>
    </message>
    <message>
        <source>Page Scale Factor:</source>
        <translation>Skala strony:</translation>
    </message>
    <message>
        <source>Page scale factor down</source>
        <translation>Zmniejsz skalę strony</translation>
    </message>
    <message>
        <source>Page scale factor up</source>
        <translation>Zwiększ skalę strony</translation>
    </message>
    <message>
        <source>Text Scale Factor:</source>
        <translation>Skala tekstu:</translation>
    </message>
    <message>
        <source>Text scale factor down</source>
        <translation>Zmniejsz skalę tekstu</translation>
    </message>
    <message>
        <source>Text scale factor up</source>
        <translation>Zwiększ skalę tekstu</translation>
    </message>
    <message>
        <source>Show pull-down string</source>
        <translation>Pokazuj sznurek do ciągnięcia w dół</translation>
    </message>
    <message>
        <source>Use darker frame colours</source>
        <translation>Używaj ciemniejszych kolorów ramek</translation>
    </message>
    <message>
        <source>Show on screen keyboard</source>
        <translation>Pokazuj klawiaturę ekranową</translation>
    </message>
    <message>
        <source>Turn pages in leaflets quickly</source>
        <translation>Szybko przewracaj strony ulotek</translation>
    </message>
    <message>
        <source>Show Webcam button</source>
        <translation>Pokazuj przycisk kamerki</translation>
    </message>
    <message>
        <source>Show the “Read it to me” button</source>
        <translation>Pokazuj przycisk „Przeczytaj mi”</translation>
    </message>
    <message>
        <source>Say each letter as it is typed</source>
        <translation>Wymawiaj każdą literę podczas pisania</translation>
    </message>
    <message>
        <source>Progress pictures every</source>
        <translation>Obrazki postępów co</translation>
    </message>
    <message>
        <source>Store Files in:</source>
        <translation>Zapisuj pliki w:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Zmień...</translation>
    </message>
    <message>
        <source>Allow choices from these fonts:</source>
        <translation>Pozwalaj wybierać z tych czcionek:</translation>
    </message>
    <message>
        <source>Font %1</source>
        <translation>Czcionka %1</translation>
    </message>
    <message>
        <source>The school has fixed this setting.</source>
        <translation>Szkoła zablokowała to ustawienie.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Filmy</translation>
    </message>
    <message>
        <source>Make the text bigger or smaller</source>
        <translation>Powiększ lub zmniejsz tekst</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Wybierz czcionkę</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Tekst %1</translation>
    </message>
    <message>
        <source>Words %1</source>
        <translation>Słowa %1</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Pomarańczowy</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Złoty</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Trawiasty</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Błękitny</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Purpurowy</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brązowy</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Pisz</translation>
    </message>
    <message>
        <source>%1 text</source>
        <translation>Tekst (%1)</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Baner</translation>
    </message>
    <message>
        <source>Banner words</source>
        <translation>Słowa na banerze</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Litery</translation>
    </message>
    <message>
        <source>Thinnest letters</source>
        <translation>Najcieńsze litery</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grubość</translation>
    </message>
    <message>
        <source>Thickest letters</source>
        <translation>Najgrubsze litery</translation>
    </message>
    <message>
        <source>Banner colour</source>
        <translation>Kolor banera</translation>
    </message>
    <message>
        <source>Letter colour</source>
        <translation>Kolor liter</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Kolor obrysu</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Ramka</translation>
    </message>
    <message>
        <source>Bubble %1</source>
        <translation>Dymek %1</translation>
    </message>
    <message>
        <source>Bubble %1 words</source>
        <translation>Słowa w dymku %1</translation>
    </message>
    <message>
        <source>Bubble %1 point</source>
        <translation>Ogonek dymka %1</translation>
    </message>
    <message>
        <source>Bubble %1 size</source>
        <translation>Rozmiar dymka %1</translation>
    </message>
    <message>
        <source>Drag to point the bubble</source>
        <translation>Przeciągnij, żeby skierować dymek</translation>
    </message>
    <message>
        <source>Drag to make the bubble bigger or smaller</source>
        <translation>Przeciągnij, żeby powiększyć lub zmniejszyć dymek</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone speak</source>
        <translation>Przeciągnij na obrazek, żeby ktoś coś powiedział</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone think</source>
        <translation>Przeciągnij na obrazek, żeby ktoś coś pomyślał</translation>
    </message>
    <message>
        <source>Drag onto a picture to add some words</source>
        <translation>Przeciągnij na obrazek, żeby dodać słowa</translation>
    </message>
    <message>
        <source>Drop a bubble here to throw it away</source>
        <translation>Upuść tu dymek, żeby go wyrzucić</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Pierścień</translation>
    </message>
    <message>
        <source>Turn clockwise</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message>
        <source>Turn anticlockwise</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Sheet of copies</source>
        <translation>Arkusz kopii</translation>
    </message>
    <message>
        <source>Fewest copies</source>
        <translation>Najmniej kopii</translation>
    </message>
    <message>
        <source>Most copies</source>
        <translation>Najwięcej kopii</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Liczba kopii</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Bigger text</source>
        <translation>Większy tekst</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>Mniejszy tekst</translation>
    </message>
    <message>
        <source>Felt pens</source>
        <translation>Flamastry</translation>
    </message>
    <message>
        <source>Paint tools</source>
        <translation>Malowanie</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Use this border</source>
        <translation>Użyj tej ramki</translation>
    </message>
    <message>
        <source>Read it to me</source>
        <translation>Przeczytaj mi</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Pick a paint tool over there!</source>
        <translation>Wybierz tam narzędzie do malowania!</translation>
    </message>
    <message>
        <source>Pick a felt pen over there!</source>
        <translation>Wybierz tam flamaster!</translation>
    </message>
    <message>
        <source>Leaflet</source>
        <translation>Ulotka</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Poprzednia strona</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Następna strona</translation>
    </message>
    <message>
        <source>Open the flap</source>
        <translation>Otwórz klapkę</translation>
    </message>
    <message>
        <source>Close the flap</source>
        <translation>Zamknij klapkę</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Strona %1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Strona</translation>
    </message>
    <message>
        <source>Text box %1</source>
        <translation>Pole tekstowe %1</translation>
    </message>
    <message>
        <source>Rich text box %1</source>
        <translation>Pole tekstu sformatowanego %1</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Obrazek %1</translation>
    </message>
    <message>
        <source>Turn over</source>
        <translation>Odwróć</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Wiersz %1</translation>
    </message>
    <message>
        <source>More columns</source>
        <translation>Więcej kolumn</translation>
    </message>
    <message>
        <source>Fewer columns</source>
        <translation>Mniej kolumn</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Więcej wierszy</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Mniej wierszy</translation>
    </message>
    <message>
        <source>Layouts</source>
        <translation>Układy</translation>
    </message>
    <message>
        <source>Sorry. That layout couldn&apos;t be used. Your work is still here.</source>
        <translation>Przepraszamy. Nie udało się użyć tego układu. Twoja praca wciąż tu jest.</translation>
    </message>
    <message>
        <source>Save Work</source>
        <translation>Zapisz pracę</translation>
    </message>
    <message>
        <source>Open Work</source>
        <translation>Otwórz pracę</translation>
    </message>
    <message>
        <source>Your work</source>
        <translation>Twoja praca</translation>
    </message>
    <message>
        <source>Picture of your work</source>
        <translation>Obrazek twojej pracy</translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation>Wyrzuć</translation>
    </message>
    <message>
        <source>Open it</source>
        <translation>Otwórz ją</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nie teraz</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>There is already a work called &apos;%1&apos;. Replace it?</source>
        <translation>Już jest praca o nazwie &apos;%1&apos;. Zastąpić ją?</translation>
    </message>
    <message>
        <source>No pictures of this work yet.</source>
        <translation>Nie ma jeszcze obrazków tej pracy.</translation>
    </message>
    <message>
        <source>Watch it grow</source>
        <translation>Zobacz, jak rośnie</translation>
    </message>
    <message>
        <source>Progress pictures</source>
        <translation>Obrazki postępów</translation>
    </message>
    <message>
        <source>More files</source>
        <translation>Więcej plików</translation>
    </message>
    <message>
        <source>Type a name for your work first.</source>
        <translation>Najpierw wpisz nazwę swojej pracy.</translation>
    </message>
    <message>
        <source>Choose a work to open first.</source>
        <translation>Najpierw wybierz pracę do otwarcia.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Więcej</translation>
    </message>
    <message>
        <source>Divider %1</source>
        <translation>Przegroda %1</translation>
    </message>
    <message>
        <source>Drag onto the page to add some writing</source>
        <translation>Przeciągnij na stronę, żeby coś napisać</translation>
    </message>
    <message>
        <source>Drag onto the page to add a picture</source>
        <translation>Przeciągnij na stronę, żeby dodać obrazek</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obrazek</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Maluj</translation>
    </message>
    <message>
        <source>Do you want to paint on this picture?</source>
        <translation>Chcesz malować na tym obrazku?</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Zmień rozmiar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Przesuń</translation>
    </message>
    <message>
        <source>Paint on this picture</source>
        <translation>Maluj na tym obrazku</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Mniej</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Części</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolumny</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Wiersze</translation>
    </message>
    <message>
        <source>Size?</source>
        <translation>Rozmiar?</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Duży</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Mały</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Wiadomość</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Poczekaj</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Poczekaj...</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Zapisać?</translation>
    </message>
    <message>
        <source>Don&apos;t keep it</source>
        <translation>Nie zachowuj</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Border magnifier</source>
        <translation>Lupa ramki</translation>
    </message>
    <message>
        <source>Border picture</source>
        <translation>Obrazek ramki</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Wstaw obrazek</translation>
    </message>
    <message>
        <source>Fill the box</source>
        <translation>Wypełnij ramkę</translation>
    </message>
    <message>
        <source>Show it all</source>
        <translation>Pokaż całość</translation>
    </message>
    <message>
        <source>Thick pen</source>
        <translation>Gruby pisak</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Ołówek</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Prostokąt</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Pełny prostokąt</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>Pełne koło</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Prosta linia</translation>
    </message>
    <message>
        <source>Paint pot</source>
        <translation>Puszka farby</translation>
    </message>
    <message>
        <source>Starburst</source>
        <translation>Gwiazdka</translation>
    </message>
    <message>
        <source>Scribble</source>
        <translation>Bazgroł</translation>
    </message>
    <message>
        <source>Splat</source>
        <translation>Kleks</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>Jaskrawozielony</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turkusowy</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Jasnoszary</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Ciemnoniebieski</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Brzoskwiniowy</translation>
    </message>
    <message>
        <source>Olive green</source>
        <translation>Oliwkowy</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Rudy</translation>
    </message>
    <message>
        <source>Bright pink</source>
        <translation>Jaskraworóżowy</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lawendowy</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Szary</translation>
    </message>
    <message>
        <source>Pale yellow</source>
        <translation>Bladożółty</translation>
    </message>
    <message>
        <source>Pale green</source>
        <translation>Bladozielony</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Mint green</source>
        <translation>Miętowy</translation>
    </message>
    <message>
        <source>Navy blue</source>
        <translation>Granatowy</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Ciemnoczerwony</translation>
    </message>
    <message>
        <source>Bright red</source>
        <translation>Jaskrawoczerwony</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Jasnoczerwony</translation>
    </message>
    <message>
        <source>Rust</source>
        <translation>Rdzawy</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Bursztynowy</translation>
    </message>
    <message>
        <source>Golden yellow</source>
        <translation>Złotożółty</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Cytrynowy</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Musztardowy</translation>
    </message>
    <message>
        <source>Leaf green</source>
        <translation>Zielony jak liść</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Morski</translation>
    </message>
    <message>
        <source>Lilac</source>
        <translation>Liliowy</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>Bladoniebieski</translation>
    </message>
    <message>
        <source>Royal blue</source>
        <translation>Szafirowy</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>Light pink</source>
        <translation>Jasnoróżowy</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Kasztanowy</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Karmazynowy</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordowy</translation>
    </message>
    <message>
        <source>Coal black</source>
        <translation>Czarny jak węgiel</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Ciemnoszary</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Grafitowy</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Srebrny</translation>
    </message>
    <message>
        <source>Picture menu</source>
        <translation>Menu obrazka</translation>
    </message>
    <message>
        <source>Sorry. This picture couldn&apos;t be opened.</source>
        <translation>Przepraszamy. Nie udało się otworzyć tego obrazka.</translation>
    </message>
    <message>
        <source>This page has no picture for the camera.</source>
        <translation>Na tej stronie nie ma obrazka dla kamery.</translation>
    </message>
    <message>
        <source>Touch a picture on the page first, then the camera.</source>
        <translation>Najpierw dotknij obrazka na stronie, potem kamery.</translation>
    </message>
    <message>
        <source>Sorry. The picture couldn&apos;t be taken.</source>
        <translation>Przepraszamy. Nie udało się zrobić zdjęcia.</translation>
    </message>
    <message>
        <source>Sorry. No webcam was found.</source>
        <translation>Przepraszamy. Nie znaleziono kamerki.</translation>
    </message>
    <message>
        <source>Sorry. The webcam isn&apos;t working.</source>
        <translation>Przepraszamy. Kamerka nie działa.</translation>
    </message>
    <message>
        <source>In colour</source>
        <translation>W kolorze</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Czarno-białe</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Stare zdjęcie</translation>
    </message>
    <message>
        <source>Pop art</source>
        <translation>Pop-art</translation>
    </message>
    <message>
        <source>Take a picture</source>
        <translation>Zrób zdjęcie</translation>
    </message>
    <message>
        <source>Take the picture</source>
        <translation>Zrób to zdjęcie</translation>
    </message>
    <message>
        <source>Lighter or darker</source>
        <translation>Jaśniej lub ciemniej</translation>
    </message>
    <message>
        <source>Darker</source>
        <translation>Ciemniej</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Jaśniej</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ukryj</translation>
    </message>
    <message>
        <source>How to fold</source>
        <translation>Jak złożyć</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge.</source>
        <translation>Drukuj na obu stronach, obracając kartkę wzdłuż krótszej krawędzi.</translation>
    </message>
    <message>
        <source>Leaflets always print at full size, so that the folds meet.</source>
        <translation>Ulotki zawsze drukują się w pełnym rozmiarze, żeby zagięcia do siebie pasowały.</translation>
    </message>
    <message>
        <source>Fold the top half back, behind the sheet.</source>
        <translation>Zegnij górną połowę do tyłu, za kartkę.</translation>
    </message>
    <message>
        <source>Fold the bottom half back, behind the sheet.</source>
        <translation>Zegnij dolną połowę do tyłu, za kartkę.</translation>
    </message>
    <message>
        <source>Fold the right side in.</source>
        <translation>Zegnij prawą stronę do środka.</translation>
    </message>
    <message>
        <source>Fold the left side over. The cover is now on top.</source>
        <translation>Zegnij lewą stronę na wierzch. Teraz okładka jest na górze.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Zapisz jako PDF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Plik PDF</translation>
    </message>
    <message>
        <source>Print?</source>
        <translation>Drukować?</translation>
    </message>
    <message>
        <source>How many?</source>
        <translation>Ile?</translation>
    </message>
    <message>
        <source>Check printer is set to A4</source>
        <translation>Sprawdź, czy drukarka jest ustawiona na A4</translation>
    </message>
    <message>
        <source>Pen %1</source>
        <translation>Pisak %1</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Rozmiary</translation>
    </message>
    <message>
        <source>All text boxes</source>
        <translation>Wszystkie pola tekstowe</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Kasuj</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>On screen keyboard</source>
        <translation>Klawiatura ekranowa</translation>
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
        <translation>Zamknij klawiaturę</translation>
    </message>
    <message>
        <source>Open keyboard</source>
        <translation>Otwórz klawiaturę</translation>
    </message>
    <message>
        <source>Pull down</source>
        <translation>Pociągnij w dół</translation>
    </message>
    <message>
        <source>No voice is installed</source>
        <translation>Nie zainstalowano żadnego głosu</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Text toolbar</source>
        <translation>Pasek tekstu</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Pogrubienie</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursywa</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Podkreślenie</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Punktory</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Do lewej</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Do prawej</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Do środka</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Kolor %1</translation>
    </message>
    <message>
        <source>The text is not in Rich Text Format.</source>
        <translation>Tekst nie jest w formacie RTF.</translation>
    </message>
    <message>
        <source>The text is too long to be read.</source>
        <translation>Tekst jest za długi, żeby go przeczytać.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Kształty</translation>
    </message>
    <message>
        <source>Printing on both sides? Flip on the short edge.</source>
        <translation>Drukujesz dwustronnie? Obracaj wzdłuż krótszej krawędzi.</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Książeczka</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Kartka</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Multi</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Gazetka</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Swobodna</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Tabliczka</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Ramki</translation>
    </message>
    <message>
        <source>My layout</source>
        <translation>Mój układ</translation>
    </message>
    <message>
        <source>Posters</source>
        <translation>Plakaty</translation>
    </message>
    <message>
        <source>Picture, row %1 column %2</source>
        <translation>Obrazek, wiersz %1 kolumna %2</translation>
    </message>
    <message>
        <source>Words, row %1 column %2</source>
        <translation>Słowa, wiersz %1 kolumna %2</translation>
    </message>
    <message>
        <source>Quillora Files</source>
        <translation>Pliki Quillora</translation>
    </message>
    <message>
        <source>PNG file</source>
        <translation>Plik PNG</translation>
    </message>
    <message>
        <source>%1 felt pen</source>
        <translation>Flamaster (%1)</translation>
    </message>
    <message>
        <source>%1 pen lid</source>
        <translation>Skuwka flamastra (%1)</translation>
    </message>
    <message>
        <source>Pen sizes</source>
        <translation>Rozmiary pisaków</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>Rozmiar %1</translation>
    </message>
    <message>
        <source>page</source>
        <translation>strona</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>strony</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minut</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>The computer&apos;s language</source>
        <translation>Język komputera</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nigdy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A long press opens the picture menu</source>
        <translation>Długie przytrzymanie otwiera menu obrazka</translation>
    </message>
    <message>
        <source>Abc</source>
        <translation>Abc</translation>
    </message>
    <message numerus="yes">
        <source>minute(s)</source>
        <translation>
            <numerusform>minutę</numerusform>
            <numerusform>minuty</numerusform>
            <numerusform>minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n strona</numerusform>
            <numerusform>%n strony</numerusform>
            <numerusform>%n stron</numerusform>
        </translation>
    </message>
    <message>
        <source>Press a pen harder for a wider line</source>
        <translation>Naciśnij mocniej rysik, a linia będzie szersza</translation>
    </message>
</context>
</TS>
