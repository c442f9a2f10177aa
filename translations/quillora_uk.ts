<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Quillora</name>
    <message>
        <source>Went down to the woods today. Got a big surprise. Hope all well, Love from FB x</source>
        <translation>Сьогодні ходив до лісу. На мене чекав великий сюрприз. Сподіваюся, у вас усе добре. З любов’ю, FB x</translation>
    </message>
    <message>
        <source>Baby bear</source>
        <translation>Ведмежатко</translation>
    </message>
    <message>
        <source>Bear town</source>
        <translation>Ведмежин</translation>
    </message>
    <message>
        <source>BT8 8TP</source>
        <translation>BT8 8TP</translation>
    </message>
    <message>
        <source>Once upon a time there was an old old man called Mr Grumpy.</source>
        <translation>Жив собі колись старий-престарий дідусь на ім’я пан Буркотун.</translation>
    </message>
    <message>
        <source>Sorry, this screen cannot be saved as a PNG file.</source>
        <translation>Вибач, цей екран не можна зберегти як файл PNG.</translation>
    </message>
    <message>
        <source>Sorry. There are some layout files missing. Please re-install Quillora</source>
        <translation>Вибач. Бракує деяких файлів макетів. Перевстанови Quillora, будь ласка</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be opened (%2).</source>
        <translation>Не вдалося відкрити файл макета «%1» (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; is too large to be a layout.</source>
        <translation>Файл макета «%1» завеликий для макета.</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; has no layout line.</source>
        <translation>У файлі макета «%1» немає рядка макета.</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge</source>
        <translation>Друкуй з обох боків, перевертаючи аркуш через короткий край</translation>
    </message>
    <message>
        <source>The stamp picture &quot;%1&quot; could not be read.</source>
        <translation>Не вдалося прочитати малюнок марки «%1».</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be saved: ask your teacher to make some room, or save it somewhere else.</source>
        <translation>Диск заповнений, тому цей файл не вдалося зберегти: попроси вчителя звільнити місце або збережи файл деінде.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be saved here: choose another folder, or ask your teacher.</source>
        <translation>Цей файл не вдалося зберегти тут: вибери іншу теку або запитай свого вчителя.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be saved.</source>
        <translation>Вибач. Цей файл не вдалося зберегти.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be found: it may have been moved or renamed.</source>
        <translation>Цей файл не знайдено: можливо, його перемістили або перейменували.</translation>
    </message>
    <message>
        <source>This file is damaged: it may not have finished copying.</source>
        <translation>Цей файл пошкоджено: можливо, його не докопіювали.</translation>
    </message>
    <message>
        <source>This file is too big to open: ask your teacher to look at it.</source>
        <translation>Цей файл завеликий, щоб його відкрити: попроси вчителя подивитися на нього.</translation>
    </message>
    <message>
        <source>This file was made by a newer Quillora: ask your teacher to update this one.</source>
        <translation>Цей файл створено в новішій Quillora: попроси вчителя оновити цю програму.</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be opened: ask your teacher to make some room.</source>
        <translation>Диск заповнений, тому цей файл не вдалося відкрити: попроси вчителя звільнити місце.</translation>
    </message>
    <message>
        <source>This file may not be opened: ask your teacher to check it.</source>
        <translation>Цей файл не можна відкривати: попроси вчителя перевірити його.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be opened.</source>
        <translation>Вибач. Цей файл не вдалося відкрити.</translation>
    </message>
    <message>
        <source>Some parts of this file could not be used, so they were left out.</source>
        <translation>Деякі частини цього файлу не вдалося використати, тому їх пропущено.</translation>
    </message>
    <message>
        <source>Your work from today at %1</source>
        <translation>Твоя робота за сьогодні о %1</translation>
    </message>
    <message>
        <source>Your work from yesterday at %1</source>
        <translation>Твоя робота за вчора о %1</translation>
    </message>
    <message>
        <source>Your work from %1 at %2</source>
        <translation>Твоя робота за %1 о %2</translation>
    </message>
    <message>
        <source>Comic-strip</source>
        <translation>Комікс</translation>
    </message>
    <message>
        <source>Not ready</source>
        <translation>Не готово</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be read (%2).</source>
        <translation>Не вдалося прочитати файл макета «%1» (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; gives no usable page size.</source>
        <translation>Файл макета «%1» не містить придатного розміру сторінки.</translation>
    </message>
    <message>
        <source>Tall page</source>
        <translation>Висока сторінка</translation>
    </message>
    <message>
        <source>My page</source>
        <translation>Моя сторінка</translation>
    </message>
    <message>
        <source>Two columns</source>
        <translation>Дві колонки</translation>
    </message>
    <message>
        <source>Wide page</source>
        <translation>Широка сторінка</translation>
    </message>
    <message>
        <source>A visit</source>
        <translation>Екскурсія</translation>
    </message>
    <message>
        <source>Our visit</source>
        <translation>Наша екскурсія</translation>
    </message>
    <message>
        <source>We went to</source>
        <translation>Ми ходили до</translation>
    </message>
    <message>
        <source>We saw</source>
        <translation>Ми бачили</translation>
    </message>
    <message>
        <source>It was</source>
        <translation>Було</translation>
    </message>
    <message>
        <source>by</source>
        <translation>автор</translation>
    </message>
    <message>
        <source>All about me</source>
        <translation>Усе про мене</translation>
    </message>
    <message>
        <source>I am this old</source>
        <translation>Мені стільки років</translation>
    </message>
    <message>
        <source>My family</source>
        <translation>Моя родина</translation>
    </message>
    <message>
        <source>I like</source>
        <translation>Я люблю</translation>
    </message>
    <message>
        <source>My name is</source>
        <translation>Мене звати</translation>
    </message>
    <message>
        <source>My book</source>
        <translation>Моя книжка</translation>
    </message>
    <message>
        <source>Once upon a time</source>
        <translation>Жили-були</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Потім</translation>
    </message>
    <message>
        <source>The end</source>
        <translation>Кінець</translation>
    </message>
    <message>
        <source>My topic</source>
        <translation>Моя тема</translation>
    </message>
    <message>
        <source>My writing</source>
        <translation>Мій твір</translation>
    </message>
    <message>
        <source>Poem</source>
        <translation>Вірш</translation>
    </message>
    <message>
        <source>My poem</source>
        <translation>Мій вірш</translation>
    </message>
    <message>
        <source>Story time</source>
        <translation>Час казки</translation>
    </message>
    <message>
        <source>Birthday card</source>
        <translation>Листівка на день народження</translation>
    </message>
    <message>
        <source>Happy birthday</source>
        <translation>З днем народження</translation>
    </message>
    <message>
        <source>Dear</source>
        <translation>Дорогий</translation>
    </message>
    <message>
        <source>Love from</source>
        <translation>З любов’ю</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Автор:</translation>
    </message>
    <message>
        <source>Get well card</source>
        <translation>Листівка «Одужуй»</translation>
    </message>
    <message>
        <source>Get well soon</source>
        <translation>Одужуй швидше</translation>
    </message>
    <message>
        <source>Thank you card</source>
        <translation>Листівка-подяка</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Дякую</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Від</translation>
    </message>
    <message>
        <source>Big and small</source>
        <translation>Велике й мале</translation>
    </message>
    <message>
        <source>Four squares</source>
        <translation>Чотири квадрати</translation>
    </message>
    <message>
        <source>Six frames</source>
        <translation>Шість кадрів</translation>
    </message>
    <message>
        <source>Tall and wide</source>
        <translation>Високе й широке</translation>
    </message>
    <message>
        <source>Three in a row</source>
        <translation>Три в ряд</translation>
    </message>
    <message>
        <source>Two frames</source>
        <translation>Два кадри</translation>
    </message>
    <message>
        <source>Award</source>
        <translation>Нагорода</translation>
    </message>
    <message>
        <source>Presented to</source>
        <translation>Вручається</translation>
    </message>
    <message>
        <source>for</source>
        <translation>за</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Підпис</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Грамота</translation>
    </message>
    <message>
        <source>This certificate is awarded to</source>
        <translation>Цю грамоту вручено</translation>
    </message>
    <message>
        <source>Star award</source>
        <translation>Зіркова нагорода</translation>
    </message>
    <message>
        <source>This star award goes to</source>
        <translation>Цю зіркову нагороду отримує</translation>
    </message>
    <message>
        <source>Well done</source>
        <translation>Молодець</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Молодець!</translation>
    </message>
    <message>
        <source>This award is for</source>
        <translation>Цю нагороду вручено за</translation>
    </message>
    <message>
        <source>No border</source>
        <translation>Без рамки</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Ласкаво просимо</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Свято</translation>
    </message>
    <message>
        <source>Party!</source>
        <translation>Свято!</translation>
    </message>
    <message>
        <source>With border</source>
        <translation>З рамкою</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Привіт</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>Про мене</translation>
    </message>
    <message>
        <source>I am</source>
        <translation>Я</translation>
    </message>
    <message>
        <source>I live in</source>
        <translation>Я живу в</translation>
    </message>
    <message>
        <source>When I grow up I want to be</source>
        <translation>Коли я виросту, я хочу бути</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Щоденник</translation>
    </message>
    <message>
        <source>My diary</source>
        <translation>Мій щоденник</translation>
    </message>
    <message>
        <source>Today is</source>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <source>Today I</source>
        <translation>Сьогодні я</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Калейдоскоп</translation>
    </message>
    <message>
        <source>I used the colours</source>
        <translation>Мої кольори:</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Дзеркало</translation>
    </message>
    <message>
        <source>Mirror magic</source>
        <translation>Дзеркальне диво</translation>
    </message>
    <message>
        <source>My picture is called</source>
        <translation>Мій малюнок називається</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Обертання</translation>
    </message>
    <message>
        <source>Spinning pattern</source>
        <translation>Обертовий візерунок</translation>
    </message>
    <message>
        <source>My pattern looks like</source>
        <translation>Мій візерунок схожий на</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Пори року</translation>
    </message>
    <message>
        <source>The four seasons</source>
        <translation>Чотири пори року</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Весна</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Літо</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Осінь</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Зима</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Кроки</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Як</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Спочатку</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Наостанок</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Оповідання</translation>
    </message>
    <message>
        <source>My story</source>
        <translation>Моє оповідання</translation>
    </message>
    <message>
        <source>Then and now</source>
        <translation>Тоді й тепер</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Тепер</translation>
    </message>
    <message>
        <source>A trip</source>
        <translation>Подорож</translation>
    </message>
    <message>
        <source>Our trip</source>
        <translation>Наша подорож</translation>
    </message>
    <message>
        <source>Where we went</source>
        <translation>Куди ми ходили</translation>
    </message>
    <message>
        <source>What we saw</source>
        <translation>Що ми бачили</translation>
    </message>
    <message>
        <source>What we did</source>
        <translation>Що ми робили</translation>
    </message>
    <message>
        <source>The best bit</source>
        <translation>Найкраще</translation>
    </message>
    <message>
        <source>Next time</source>
        <translation>Наступного разу</translation>
    </message>
    <message>
        <source>You need</source>
        <translation>Тобі потрібно</translation>
    </message>
    <message>
        <source>What it is</source>
        <translation>Що це</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Де</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Факти</translation>
    </message>
    <message>
        <source>Did you know</source>
        <translation>Чи знаєш ти</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Малюнки</translation>
    </message>
    <message>
        <source>A recipe</source>
        <translation>Рецепт</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Крок 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Крок 2</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Крок 3</translation>
    </message>
    <message>
        <source>Enjoy</source>
        <translation>Смачного!</translation>
    </message>
    <message>
        <source>My day</source>
        <translation>Мій день</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Ранок</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Обід</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>По обіді</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Вечір</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Ніч</translation>
    </message>
    <message>
        <source>My pet</source>
        <translation>Мій улюбленець</translation>
    </message>
    <message>
        <source>Its name</source>
        <translation>Його звати</translation>
    </message>
    <message>
        <source>It eats</source>
        <translation>Він їсть</translation>
    </message>
    <message>
        <source>It likes</source>
        <translation>Він любить</translation>
    </message>
    <message>
        <source>It sleeps</source>
        <translation>Він спить</translation>
    </message>
    <message>
        <source>I love it</source>
        <translation>Я його люблю</translation>
    </message>
    <message>
        <source>Badges</source>
        <translation>Значки</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Закладки</translation>
    </message>
    <message>
        <source>Happy reading!</source>
        <translation>Приємного читання!</translation>
    </message>
    <message>
        <source>This book belongs to</source>
        <translation>Ця книжка належить</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Наліпки</translation>
    </message>
    <message>
        <source>This belongs to</source>
        <translation>Це належить</translation>
    </message>
    <message>
        <source>Name cards</source>
        <translation>Картки з іменем</translation>
    </message>
    <message>
        <source>Hello, my name is</source>
        <translation>Привіт, мене звати</translation>
    </message>
    <message>
        <source>Raffle tickets</source>
        <translation>Лотерейні квитки</translation>
    </message>
    <message>
        <source>No. ^</source>
        <translation>№ ^</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ім’я:</translation>
    </message>
    <message>
        <source>Raffle ticket</source>
        <translation>Лотерейний квиток</translation>
    </message>
    <message>
        <source>Class news</source>
        <translation>Новини класу</translation>
    </message>
    <message>
        <source>Class News</source>
        <translation>Новини класу</translation>
    </message>
    <message>
        <source>Written by</source>
        <translation>Автор:</translation>
    </message>
    <message>
        <source>Our big news</source>
        <translation>Наша велика новина</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Цього тижня</translation>
    </message>
    <message>
        <source>Nature notes</source>
        <translation>Нотатки про природу</translation>
    </message>
    <message>
        <source>Nature Notes</source>
        <translation>Нотатки про природу</translation>
    </message>
    <message>
        <source>What we found outside</source>
        <translation>Що ми знайшли надворі</translation>
    </message>
    <message>
        <source>We looked for</source>
        <translation>Ми шукали</translation>
    </message>
    <message>
        <source>School times</source>
        <translation>Шкільний вісник</translation>
    </message>
    <message>
        <source>School Times</source>
        <translation>Шкільний вісник</translation>
    </message>
    <message>
        <source>Read all about it!</source>
        <translation>Свіжі новини!</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <source>Sports news</source>
        <translation>Спортивні новини</translation>
    </message>
    <message>
        <source>Sports News</source>
        <translation>Спортивні новини</translation>
    </message>
    <message>
        <source>What a race!</source>
        <translation>Оце забіг!</translation>
    </message>
    <message>
        <source>The winner was</source>
        <translation>Переможець —</translation>
    </message>
    <message>
        <source>Weekend news</source>
        <translation>Новини вихідних</translation>
    </message>
    <message>
        <source>Weekend News</source>
        <translation>Новини вихідних</translation>
    </message>
    <message>
        <source>My weekend</source>
        <translation>Мої вихідні</translation>
    </message>
    <message>
        <source>On Saturday</source>
        <translation>У суботу</translation>
    </message>
    <message>
        <source>On Sunday</source>
        <translation>У неділю</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Поштівка</translation>
    </message>
    <message>
        <source>Fact file</source>
        <translation>Картка фактів</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>Чи знаєш ти?</translation>
    </message>
    <message>
        <source>Party time!</source>
        <translation>Час свята!</translation>
    </message>
    <message>
        <source>You are invited!</source>
        <translation>Запрошуємо тебе!</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Планета</translation>
    </message>
    <message>
        <source>Save our planet</source>
        <translation>Бережімо нашу планету</translation>
    </message>
    <message>
        <source>We can help by</source>
        <translation>Ми можемо допомогти, якщо</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Вистава</translation>
    </message>
    <message>
        <source>Come to our show!</source>
        <translation>Приходь на нашу виставу!</translation>
    </message>
    <message>
        <source>When:
Where:
Tickets:</source>
        <translation>Коли:
Де:
Квитки:</translation>
    </message>
    <message>
        <source>Wanted</source>
        <translation>Розшукується</translation>
    </message>
    <message>
        <source>WANTED</source>
        <translation>РОЗШУКУЄТЬСЯ</translation>
    </message>
    <message>
        <source>Last seen
Reward</source>
        <translation>Востаннє бачили
Винагорода</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Зірка</translation>
    </message>
    <message>
        <source>My wish</source>
        <translation>Моє бажання</translation>
    </message>
    <message>
        <source>I wish</source>
        <translation>Я бажаю</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Серце</translation>
    </message>
    <message>
        <source>I love</source>
        <translation>Я люблю</translation>
    </message>
    <message>
        <source>I love it because</source>
        <translation>Я люблю це, бо</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Коло</translation>
    </message>
    <message>
        <source>Look at me!</source>
        <translation>Подивись на мене!</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Хмарка</translation>
    </message>
    <message>
        <source>In the sky</source>
        <translation>У небі</translation>
    </message>
    <message>
        <source>Up in the sky I can see</source>
        <translation>У небі я бачу</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Будинок</translation>
    </message>
    <message>
        <source>My home</source>
        <translation>Мій дім</translation>
    </message>
    <message>
        <source>At home I like to</source>
        <translation>Удома я люблю</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Щит</translation>
    </message>
    <message>
        <source>My coat of arms</source>
        <translation>Мій герб</translation>
    </message>
    <message>
        <source>My motto is</source>
        <translation>Мій девіз</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Рибка</translation>
    </message>
    <message>
        <source>Under the sea</source>
        <translation>У морі</translation>
    </message>
    <message>
        <source>My fish is called</source>
        <translation>Мою рибку звати</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Метелик</translation>
    </message>
    <message>
        <source>Beautiful butterfly</source>
        <translation>Гарний метелик</translation>
    </message>
    <message>
        <source>My butterfly likes</source>
        <translation>Мій метелик любить</translation>
    </message>
    <message>
        <source>Big sign</source>
        <translation>Велика табличка</translation>
    </message>
    <message>
        <source>Quiet please</source>
        <translation>Тихо, будь ласка</translation>
    </message>
    <message>
        <source>Quiet
please</source>
        <translation>Тихо,
будь ласка</translation>
    </message>
    <message>
        <source>We are busy learning</source>
        <translation>Ми вчимося</translation>
    </message>
    <message>
        <source>to our
classroom</source>
        <translation>до нашого
класу</translation>
    </message>
    <message>
        <source>Our class</source>
        <translation>Наш клас</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Клас</translation>
    </message>
    <message>
        <source>Keep out</source>
        <translation>Не заходити</translation>
    </message>
    <message>
        <source>KEEP OUT!</source>
        <translation>НЕ ЗАХОДИТИ!</translation>
    </message>
    <message>
        <source>Dragon
zone</source>
        <translation>Зона
драконів</translation>
    </message>
    <message>
        <source>Found it</source>
        <translation>Знахідка</translation>
    </message>
    <message>
        <source>Lost &amp; found</source>
        <translation>Бюро знахідок</translation>
    </message>
    <message>
        <source>Is this yours?</source>
        <translation>Це твоє?</translation>
    </message>
    <message>
        <source>Please ask your teacher</source>
        <translation>Запитай учителя, будь ласка</translation>
    </message>
    <message>
        <source>Wash hands</source>
        <translation>Мий руки</translation>
    </message>
    <message>
        <source>Wash your hands</source>
        <translation>Помий руки</translation>
    </message>
    <message>
        <source>Soap and water!</source>
        <translation>Мило й вода!</translation>
    </message>
    <message>
        <source>Shop open</source>
        <translation>Магазин відчинено</translation>
    </message>
    <message>
        <source>Welcome to our shop</source>
        <translation>Ласкаво просимо до нашого магазину</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ВІДЧИНЕНО</translation>
    </message>
    <message>
        <source>Come in!</source>
        <translation>Заходь!</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Стукай</translation>
    </message>
    <message>
        <source>Please
knock</source>
        <translation>Будь ласка,
стукай</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>Дякую!</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Проста</translation>
    </message>
    <message>
        <source>There seems to be some problem with your Printer.</source>
        <translation>Здається, з твоїм принтером щось не так.</translation>
    </message>
    <message>
        <source>There are no printers available on this computer.</source>
        <translation>На цьому комп’ютері немає доступних принтерів.</translation>
    </message>
    <message>
        <source>Write some words first, then print them.</source>
        <translation>Спершу напиши кілька слів, а потім друкуй.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Вийти?</translation>
    </message>
    <message>
        <source>Where to store files</source>
        <translation>Де зберігати файли</translation>
    </message>
    <message>
        <source>Use &apos;My Documents&apos; folder</source>
        <translation>Використовувати теку «Мої документи»</translation>
    </message>
    <message>
        <source>Use:</source>
        <translation>Використати:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Тека</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Шрифти</translation>
    </message>
    <message>
        <source>Show printer button all the time</source>
        <translation>Завжди показувати кнопку друку</translation>
    </message>
    <message>
        <source>Hide printer button after printing for</source>
        <translation>Ховати кнопку друку після друку на</translation>
    </message>
    <message>
        <source>Don&apos;t allow any printing</source>
        <translation>Зовсім не дозволяти друк</translation>
    </message>
    <message>
        <source>Allow multiple copies to be printed</source>
        <translation>Дозволити друк кількох копій</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Принтер</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Принтер:</translation>
    </message>
    <message>
        <source>Page Scale Factor:</source>
        <translation>Масштаб сторінки:</translation>
    </message>
    <message>
        <source>Page scale factor down</source>
        <translation>Зменшити масштаб сторінки</translation>
    </message>
    <message>
        <source>Page scale factor up</source>
        <translation>Збільшити масштаб сторінки</translation>
    </message>
    <message>
        <source>Text Scale Factor:</source>
        <translation>Масштаб тексту:</translation>
    </message>
    <message>
        <source>Text scale factor down</source>
        <translation>Зменшити масштаб тексту</translation>
    </message>
    <message>
        <source>Text scale factor up</source>
        <translation>Збільшити масштаб тексту</translation>
    </message>
    <message>
        <source>Show pull-down string</source>
        <translation>Показувати шнурок, щоб опускати панель</translation>
    </message>
    <message>
        <source>Use darker frame colours</source>
        <translation>Темніші кольори рамок</translation>
    </message>
    <message>
        <source>Show on screen keyboard</source>
        <translation>Показувати екранну клавіатуру</translation>
    </message>
    <message>
        <source>Turn pages in leaflets quickly</source>
        <translation>Швидко гортати сторінки в буклетах</translation>
    </message>
    <message>
        <source>Show Webcam button</source>
        <translation>Показувати кнопку вебкамери</translation>
    </message>
    <message>
        <source>Show the “Read it to me” button</source>
        <translation>Показувати кнопку «Прочитай мені»</translation>
    </message>
    <message>
        <source>Say each letter as it is typed</source>
        <translation>Промовляти кожну літеру під час введення</translation>
    </message>
    <message>
        <source>Progress pictures every</source>
        <translation>Малюнки поступу кожні</translation>
    </message>
    <message>
        <source>Store Files in:</source>
        <translation>Зберігати файли в:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Змінити...</translation>
    </message>
    <message>
        <source>Allow choices from these fonts:</source>
        <translation>Дозволити вибір із цих шрифтів:</translation>
    </message>
    <message>
        <source>Font %1</source>
        <translation>Шрифт %1</translation>
    </message>
    <message>
        <source>The school has fixed this setting.</source>
        <translation>Школа заблокувала це налаштування.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Відео</translation>
    </message>
    <message>
        <source>Make the text bigger or smaller</source>
        <translation>Зроби текст більшим або меншим</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Вибери шрифт</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Текст %1</translation>
    </message>
    <message>
        <source>Words %1</source>
        <translation>Слова %1</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чорний</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червоний</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Помаранчевий</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Золотий</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелений</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Трав’яний</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Блакитний</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фіолетовий</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Рожевий</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Коричневий</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Білий</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Пиши</translation>
    </message>
    <message>
        <source>%1 text</source>
        <translation>%1 текст</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Банер</translation>
    </message>
    <message>
        <source>Banner words</source>
        <translation>Слова банера</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Літери</translation>
    </message>
    <message>
        <source>Thinnest letters</source>
        <translation>Найтонші літери</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Товщина</translation>
    </message>
    <message>
        <source>Thickest letters</source>
        <translation>Найтовщі літери</translation>
    </message>
    <message>
        <source>Banner colour</source>
        <translation>Колір банера</translation>
    </message>
    <message>
        <source>Letter colour</source>
        <translation>Колір літер</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Колір контуру</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Рамка</translation>
    </message>
    <message>
        <source>Bubble %1</source>
        <translation>Бульбашка %1</translation>
    </message>
    <message>
        <source>Bubble %1 words</source>
        <translation>Слова бульбашки %1</translation>
    </message>
    <message>
        <source>Bubble %1 point</source>
        <translation>Хвостик бульбашки %1</translation>
    </message>
    <message>
        <source>Bubble %1 size</source>
        <translation>Розмір бульбашки %1</translation>
    </message>
    <message>
        <source>Drag to point the bubble</source>
        <translation>Потягни, щоб спрямувати бульбашку</translation>
    </message>
    <message>
        <source>Drag to make the bubble bigger or smaller</source>
        <translation>Потягни, щоб збільшити або зменшити бульбашку</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone speak</source>
        <translation>Перетягни на малюнок, щоб хтось заговорив</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone think</source>
        <translation>Перетягни на малюнок, щоб хтось задумався</translation>
    </message>
    <message>
        <source>Drag onto a picture to add some words</source>
        <translation>Перетягни на малюнок, щоб додати слова</translation>
    </message>
    <message>
        <source>Drop a bubble here to throw it away</source>
        <translation>Кинь бульбашку сюди, щоб викинути її</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Кільце</translation>
    </message>
    <message>
        <source>Turn clockwise</source>
        <translation>Повернути за годинниковою стрілкою</translation>
    </message>
    <message>
        <source>Turn anticlockwise</source>
        <translation>Повернути проти годинникової стрілки</translation>
    </message>
    <message>
        <source>Sheet of copies</source>
        <translation>Аркуш копій</translation>
    </message>
    <message>
        <source>Fewest copies</source>
        <translation>Найменше копій</translation>
    </message>
    <message>
        <source>Most copies</source>
        <translation>Найбільше копій</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Кількість копій</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Нове</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Bigger text</source>
        <translation>Більший текст</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>Менший текст</translation>
    </message>
    <message>
        <source>Felt pens</source>
        <translation>Фломастери</translation>
    </message>
    <message>
        <source>Paint tools</source>
        <translation>Фарби</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Use this border</source>
        <translation>Взяти цю рамку</translation>
    </message>
    <message>
        <source>Read it to me</source>
        <translation>Прочитай мені</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Pick a paint tool over there!</source>
        <translation>Вибери інструмент для малювання там!</translation>
    </message>
    <message>
        <source>Pick a felt pen over there!</source>
        <translation>Вибери фломастер там!</translation>
    </message>
    <message>
        <source>Leaflet</source>
        <translation>Буклет</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Попередня сторінка</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Наступна сторінка</translation>
    </message>
    <message>
        <source>Open the flap</source>
        <translation>Відкрити клапан</translation>
    </message>
    <message>
        <source>Close the flap</source>
        <translation>Закрити клапан</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Сторінка %1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Сторінка</translation>
    </message>
    <message>
        <source>Text box %1</source>
        <translation>Текстове поле %1</translation>
    </message>
    <message>
        <source>Rich text box %1</source>
        <translation>Поле форматованого тексту %1</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Малюнок %1</translation>
    </message>
    <message>
        <source>Turn over</source>
        <translation>Переверни</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Рядок %1</translation>
    </message>
    <message>
        <source>More columns</source>
        <translation>Більше стовпців</translation>
    </message>
    <message>
        <source>Fewer columns</source>
        <translation>Менше стовпців</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Більше рядків</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Менше рядків</translation>
    </message>
    <message>
        <source>Layouts</source>
        <translation>Макети</translation>
    </message>
    <message>
        <source>Sorry. That layout couldn&apos;t be used. Your work is still here.</source>
        <translation>Вибач. Цей макет не вдалося використати. Твоя робота на місці.</translation>
    </message>
    <message>
        <source>Save Work</source>
        <translation>Зберегти роботу</translation>
    </message>
    <message>
        <source>Open Work</source>
        <translation>Відкрити роботу</translation>
    </message>
    <message>
        <source>Your work</source>
        <translation>Твоя робота</translation>
    </message>
    <message>
        <source>Picture of your work</source>
        <translation>Малюнок твоєї роботи</translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation>Викинути</translation>
    </message>
    <message>
        <source>Open it</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Не зараз</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Замінити</translation>
    </message>
    <message>
        <source>There is already a work called &apos;%1&apos;. Replace it?</source>
        <translation>Уже є робота з назвою «%1». Замінити її?</translation>
    </message>
    <message>
        <source>No pictures of this work yet.</source>
        <translation>Малюнків цієї роботи ще немає.</translation>
    </message>
    <message>
        <source>Watch it grow</source>
        <translation>Подивися, як вона росте</translation>
    </message>
    <message>
        <source>Progress pictures</source>
        <translation>Малюнки поступу</translation>
    </message>
    <message>
        <source>More files</source>
        <translation>Інші файли</translation>
    </message>
    <message>
        <source>Type a name for your work first.</source>
        <translation>Спершу введи назву своєї роботи.</translation>
    </message>
    <message>
        <source>Choose a work to open first.</source>
        <translation>Спершу вибери роботу, яку відкрити.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Назва файлу</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Більше</translation>
    </message>
    <message>
        <source>Divider %1</source>
        <translation>Роздільник %1</translation>
    </message>
    <message>
        <source>Drag onto the page to add some writing</source>
        <translation>Перетягни на сторінку, щоб додати текст</translation>
    </message>
    <message>
        <source>Drag onto the page to add a picture</source>
        <translation>Перетягни на сторінку, щоб додати малюнок</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Малюнок</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Малюй</translation>
    </message>
    <message>
        <source>Do you want to paint on this picture?</source>
        <translation>Хочеш малювати на цьому малюнку?</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Розмір</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Рухати</translation>
    </message>
    <message>
        <source>Paint on this picture</source>
        <translation>Малюй на цьому малюнку</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Вибери</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Менше</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Частини</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Стовпці</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Рядки</translation>
    </message>
    <message>
        <source>Size?</source>
        <translation>Розмір?</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Великий</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Малий</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Зачекай</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Зачекай...</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Зберегти?</translation>
    </message>
    <message>
        <source>Don&apos;t keep it</source>
        <translation>Не зберігати</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Border magnifier</source>
        <translation>Лупа рамки</translation>
    </message>
    <message>
        <source>Border picture</source>
        <translation>Малюнок рамки</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Вставити малюнок</translation>
    </message>
    <message>
        <source>Fill the box</source>
        <translation>Заповнити поле</translation>
    </message>
    <message>
        <source>Show it all</source>
        <translation>Показати все</translation>
    </message>
    <message>
        <source>Thick pen</source>
        <translation>Товстий пензлик</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Олівець</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямокутник</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Зафарбований прямокутник</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>Зафарбоване коло</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Пряма лінія</translation>
    </message>
    <message>
        <source>Paint pot</source>
        <translation>Банка фарби</translation>
    </message>
    <message>
        <source>Starburst</source>
        <translation>Спалах</translation>
    </message>
    <message>
        <source>Scribble</source>
        <translation>Каракулі</translation>
    </message>
    <message>
        <source>Splat</source>
        <translation>Ляпка</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жовтий</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>Яскраво-зелений</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Бірюзовий</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Світло-сірий</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Темно-синій</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Персиковий</translation>
    </message>
    <message>
        <source>Olive green</source>
        <translation>Оливковий</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Рудий</translation>
    </message>
    <message>
        <source>Bright pink</source>
        <translation>Яскраво-рожевий</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Лавандовий</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Сірий</translation>
    </message>
    <message>
        <source>Pale yellow</source>
        <translation>Блідо-жовтий</translation>
    </message>
    <message>
        <source>Pale green</source>
        <translation>Блідо-зелений</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Пурпуровий</translation>
    </message>
    <message>
        <source>Mint green</source>
        <translation>М’ятний</translation>
    </message>
    <message>
        <source>Navy blue</source>
        <translation>Глибокий синій</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Темно-червоний</translation>
    </message>
    <message>
        <source>Bright red</source>
        <translation>Яскраво-червоний</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Світло-червоний</translation>
    </message>
    <message>
        <source>Rust</source>
        <translation>Іржавий</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Бурштиновий</translation>
    </message>
    <message>
        <source>Golden yellow</source>
        <translation>Золотисто-жовтий</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Лимонний</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Гірчичний</translation>
    </message>
    <message>
        <source>Leaf green</source>
        <translation>Листяний зелений</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Синьо-зелений</translation>
    </message>
    <message>
        <source>Lilac</source>
        <translation>Бузковий</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>Блідо-блакитний</translation>
    </message>
    <message>
        <source>Royal blue</source>
        <translation>Королівський синій</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Фіалковий</translation>
    </message>
    <message>
        <source>Light pink</source>
        <translation>Світло-рожевий</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Каштановий</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Малиновий</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Бордовий</translation>
    </message>
    <message>
        <source>Coal black</source>
        <translation>Вугільно-чорний</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Темно-сірий</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Графітовий</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Сріблястий</translation>
    </message>
    <message>
        <source>Picture menu</source>
        <translation>Меню малюнка</translation>
    </message>
    <message>
        <source>Sorry. This picture couldn&apos;t be opened.</source>
        <translation>Вибач. Цей малюнок не вдалося відкрити.</translation>
    </message>
    <message>
        <source>This page has no picture for the camera.</source>
        <translation>На цій сторінці немає місця для знімка з камери.</translation>
    </message>
    <message>
        <source>Touch a picture on the page first, then the camera.</source>
        <translation>Спершу торкнися малюнка на сторінці, а потім камери.</translation>
    </message>
    <message>
        <source>Sorry. The picture couldn&apos;t be taken.</source>
        <translation>Вибач. Не вдалося зробити знімок.</translation>
    </message>
    <message>
        <source>Sorry. No webcam was found.</source>
        <translation>Вибач. Вебкамеру не знайдено.</translation>
    </message>
    <message>
        <source>Sorry. The webcam isn&apos;t working.</source>
        <translation>Вибач. Вебкамера не працює.</translation>
    </message>
    <message>
        <source>In colour</source>
        <translation>Кольорове</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Чорно-біле</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Старе фото</translation>
    </message>
    <message>
        <source>Pop art</source>
        <translation>Поп-арт</translation>
    </message>
    <message>
        <source>Take a picture</source>
        <translation>Зроби знімок</translation>
    </message>
    <message>
        <source>Take the picture</source>
        <translation>Зробити знімок</translation>
    </message>
    <message>
        <source>Lighter or darker</source>
        <translation>Світліше чи темніше</translation>
    </message>
    <message>
        <source>Darker</source>
        <translation>Темніше</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Світліше</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Сховати</translation>
    </message>
    <message>
        <source>How to fold</source>
        <translation>Як скласти</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge.</source>
        <translation>Друкуй з обох боків, перевертаючи аркуш через короткий край.</translation>
    </message>
    <message>
        <source>Leaflets always print at full size, so that the folds meet.</source>
        <translation>Буклети завжди друкуються в повному розмірі, щоб згини збігалися.</translation>
    </message>
    <message>
        <source>Fold the top half back, behind the sheet.</source>
        <translation>Загни верхню половину назад, за аркуш.</translation>
    </message>
    <message>
        <source>Fold the bottom half back, behind the sheet.</source>
        <translation>Загни нижню половину назад, за аркуш.</translation>
    </message>
    <message>
        <source>Fold the right side in.</source>
        <translation>Загни праву частину всередину.</translation>
    </message>
    <message>
        <source>Fold the left side over. The cover is now on top.</source>
        <translation>Загни ліву частину зверху. Тепер обкладинка вгорі.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Зберегти як PDF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Файл PDF</translation>
    </message>
    <message>
        <source>Print?</source>
        <translation>Друкувати?</translation>
    </message>
    <message>
        <source>How many?</source>
        <translation>Скільки?</translation>
    </message>
    <message>
        <source>Check printer is set to A4</source>
        <translation>Перевір, чи в принтері вибрано A4</translation>
    </message>
    <message>
        <source>Pen %1</source>
        <translation>Фломастер %1</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Розміри</translation>
    </message>
    <message>
        <source>All text boxes</source>
        <translation>Усі текстові поля</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Стерти</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Ввід</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробіл</translation>
    </message>
    <message>
        <source>On screen keyboard</source>
        <translation>Екранна клавіатура</translation>
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
        <translation>Закрити клавіатуру</translation>
    </message>
    <message>
        <source>Open keyboard</source>
        <translation>Відкрити клавіатуру</translation>
    </message>
    <message>
        <source>Pull down</source>
        <translation>Потягни вниз</translation>
    </message>
    <message>
        <source>No voice is installed</source>
        <translation>Не встановлено жодного голосу</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Text toolbar</source>
        <translation>Панель тексту</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Розмір</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Колір</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Жирний</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Підкреслений</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Ліворуч</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Праворуч</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Кольори</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Колір %1</translation>
    </message>
    <message>
        <source>The text is not in Rich Text Format.</source>
        <translation>Текст не у форматі RTF.</translation>
    </message>
    <message>
        <source>The text is too long to be read.</source>
        <translation>Текст задовгий, щоб його прочитати.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблиця</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Фігури</translation>
    </message>
    <message>
        <source>Printing on both sides? Flip on the short edge.</source>
        <translation>Друкуєш з обох боків? Перевертай через короткий край.</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Книжечка</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Листівка</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Копії</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Новини</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Вільна</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Табличка</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Банер</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Рамки</translation>
    </message>
    <message>
        <source>My layout</source>
        <translation>Мій макет</translation>
    </message>
    <message>
        <source>Posters</source>
        <translation>Плакати</translation>
    </message>
    <message>
        <source>Picture, row %1 column %2</source>
        <translation>Малюнок, рядок %1 стовпець %2</translation>
    </message>
    <message>
        <source>Words, row %1 column %2</source>
        <translation>Слова, рядок %1 стовпець %2</translation>
    </message>
    <message>
        <source>Quillora Files</source>
        <translation>Файли Quillora</translation>
    </message>
    <message>
        <source>PNG file</source>
        <translation>Файл PNG</translation>
    </message>
    <message>
        <source>%1 felt pen</source>
        <translation>%1 фломастер</translation>
    </message>
    <message>
        <source>%1 pen lid</source>
        <translation>%1 ковпачок</translation>
    </message>
    <message>
        <source>Pen sizes</source>
        <translation>Розміри пензлика</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>Розмір %1</translation>
    </message>
    <message>
        <source>page</source>
        <translation>сторінка</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>сторінки</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>хвилин</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>The computer&apos;s language</source>
        <translation>Мова комп&apos;ютера</translation>
    </message>
    <message>
        <source>never</source>
        <translation>ніколи</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>A long press opens the picture menu</source>
        <translation>Довге натискання відкриває меню малюнка</translation>
    </message>
    <message>
        <source>Abc</source>
        <translation>Абв</translation>
    </message>
    <message numerus="yes">
        <source>minute(s)</source>
        <translation>
            <numerusform>хвилину</numerusform>
            <numerusform>хвилини</numerusform>
            <numerusform>хвилин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n сторінка</numerusform>
            <numerusform>%n сторінки</numerusform>
            <numerusform>%n сторінок</numerusform>
        </translation>
    </message>
    <message>
        <source>Press a pen harder for a wider line</source>
        <translation>Натисни на перо сильніше — лінія стане ширшою</translation>
    </message>
</context>
</TS>
