<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Quillora</name>
    <message>
        <source>Went down to the woods today. Got a big surprise. Hope all well, Love from FB x</source>
        <translation>ذهبتُ اليوم إلى الغابة، ووجدتُ مفاجأة كبيرة. أرجو أن تكونوا جميعًا بخير. مع حبي، FB x</translation>
    </message>
    <message>
        <source>Baby bear</source>
        <translation>الدبدوب الصغير</translation>
    </message>
    <message>
        <source>Bear town</source>
        <translation>مدينة الدببة</translation>
    </message>
    <message>
        <source>BT8 8TP</source>
        <translation>BT8 8TP</translation>
    </message>
    <message>
        <source>Once upon a time there was an old old man called Mr Grumpy.</source>
        <translation>كان يا ما كان، رجل عجوز عجوز اسمه السيد عبوس.</translation>
    </message>
    <message>
        <source>Sorry, this screen cannot be saved as a PNG file.</source>
        <translation>عذرًا، لا يمكن حفظ هذه الشاشة كملف PNG.</translation>
    </message>
    <message>
        <source>Sorry. There are some layout files missing. Please re-install Quillora</source>
        <translation>عذرًا. بعض ملفات التخطيط مفقودة. من فضلك أعد تثبيت Quillora</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be opened (%2).</source>
        <translation>تعذّر فتح ملف التخطيط «%1» (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; is too large to be a layout.</source>
        <translation>ملف التخطيط «%1» أكبر من أن يكون تخطيطًا.</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; has no layout line.</source>
        <translation>ملف التخطيط «%1» ليس فيه سطر تخطيط.</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge</source>
        <translation>اطبع على الوجهين، واقلب الورقة من حافتها القصيرة</translation>
    </message>
    <message>
        <source>The stamp picture &quot;%1&quot; could not be read.</source>
        <translation>تعذّرت قراءة صورة الطابع «%1».</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be saved: ask your teacher to make some room, or save it somewhere else.</source>
        <translation>القرص ممتلئ، لذلك تعذّر حفظ هذا الملف: اطلب من معلمك أن يفرغ بعض المساحة، أو احفظه في مكان آخر.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be saved here: choose another folder, or ask your teacher.</source>
        <translation>تعذّر حفظ هذا الملف هنا: اختر مجلدًا آخر، أو اسأل معلمك.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be saved.</source>
        <translation>عذرًا. تعذّر حفظ هذا الملف.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be found: it may have been moved or renamed.</source>
        <translation>تعذّر العثور على هذا الملف: ربما نُقل أو تغيّر اسمه.</translation>
    </message>
    <message>
        <source>This file is damaged: it may not have finished copying.</source>
        <translation>هذا الملف تالف: ربما لم يكتمل نسخه.</translation>
    </message>
    <message>
        <source>This file is too big to open: ask your teacher to look at it.</source>
        <translation>هذا الملف أكبر من أن يُفتح: اطلب من معلمك أن ينظر فيه.</translation>
    </message>
    <message>
        <source>This file was made by a newer Quillora: ask your teacher to update this one.</source>
        <translation>صُنع هذا الملف بإصدار أحدث من Quillora: اطلب من معلمك أن يحدّث هذا الإصدار.</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be opened: ask your teacher to make some room.</source>
        <translation>القرص ممتلئ، لذلك تعذّر فتح هذا الملف: اطلب من معلمك أن يفرغ بعض المساحة.</translation>
    </message>
    <message>
        <source>This file may not be opened: ask your teacher to check it.</source>
        <translation>لا يُسمح بفتح هذا الملف: اطلب من معلمك أن يتحقق منه.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be opened.</source>
        <translation>عذرًا. تعذّر فتح هذا الملف.</translation>
    </message>
    <message>
        <source>Some parts of this file could not be used, so they were left out.</source>
        <translation>تعذّر استخدام بعض أجزاء هذا الملف، لذلك تُركت.</translation>
    </message>
    <message>
        <source>Your work from today at %1</source>
        <translation>عملك من اليوم الساعة %1</translation>
    </message>
    <message>
        <source>Your work from yesterday at %1</source>
        <translation>عملك من أمس الساعة %1</translation>
    </message>
    <message>
        <source>Your work from %1 at %2</source>
        <translation>عملك من %1 الساعة %2</translation>
    </message>
    <message>
        <source>Comic-strip</source>
        <translation>قصة مصوّرة</translation>
    </message>
    <message>
        <source>Not ready</source>
        <translation>غير جاهز</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be read (%2).</source>
        <translation>تعذّرت قراءة ملف التخطيط «%1» (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; gives no usable page size.</source>
        <translation>ملف التخطيط «%1» لا يعطي مقاس صفحة صالحًا.</translation>
    </message>
    <message>
        <source>Tall page</source>
        <translation>صفحة طويلة</translation>
    </message>
    <message>
        <source>My page</source>
        <translation>صفحتي</translation>
    </message>
    <message>
        <source>Two columns</source>
        <translation>عمودان</translation>
    </message>
    <message>
        <source>Wide page</source>
        <translation>صفحة عريضة</translation>
    </message>
    <message>
        <source>A visit</source>
        <translation>زيارة</translation>
    </message>
    <message>
        <source>Our visit</source>
        <translation>زيارتنا</translation>
    </message>
    <message>
        <source>We went to</source>
        <translation>ذهبنا إلى</translation>
    </message>
    <message>
        <source>We saw</source>
        <translation>رأينا</translation>
    </message>
    <message>
        <source>It was</source>
        <translation>كان</translation>
    </message>
    <message>
        <source>by</source>
        <translation>بقلم</translation>
    </message>
    <message>
        <source>All about me</source>
        <translation>كل شيء عني</translation>
    </message>
    <message>
        <source>I am this old</source>
        <translation>عمري</translation>
    </message>
    <message>
        <source>My family</source>
        <translation>عائلتي</translation>
    </message>
    <message>
        <source>I like</source>
        <translation>أحب</translation>
    </message>
    <message>
        <source>My name is</source>
        <translation>اسمي</translation>
    </message>
    <message>
        <source>My book</source>
        <translation>كتابي</translation>
    </message>
    <message>
        <source>Once upon a time</source>
        <translation>كان يا ما كان</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>ثم</translation>
    </message>
    <message>
        <source>The end</source>
        <translation>النهاية</translation>
    </message>
    <message>
        <source>My topic</source>
        <translation>موضوعي</translation>
    </message>
    <message>
        <source>My writing</source>
        <translation>كتابتي</translation>
    </message>
    <message>
        <source>Poem</source>
        <translation>قصيدة</translation>
    </message>
    <message>
        <source>My poem</source>
        <translation>قصيدتي</translation>
    </message>
    <message>
        <source>Story time</source>
        <translation>وقت القصة</translation>
    </message>
    <message>
        <source>Birthday card</source>
        <translation>بطاقة عيد ميلاد</translation>
    </message>
    <message>
        <source>Happy birthday</source>
        <translation>عيد ميلاد سعيد</translation>
    </message>
    <message>
        <source>Dear</source>
        <translation>عزيزي</translation>
    </message>
    <message>
        <source>Love from</source>
        <translation>مع حبي</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>من صنع</translation>
    </message>
    <message>
        <source>Get well card</source>
        <translation>بطاقة تمنيات بالشفاء</translation>
    </message>
    <message>
        <source>Get well soon</source>
        <translation>أتمنى لك الشفاء العاجل</translation>
    </message>
    <message>
        <source>Thank you card</source>
        <translation>بطاقة شكر</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>شكرًا لك</translation>
    </message>
    <message>
        <source>From</source>
        <translation>من</translation>
    </message>
    <message>
        <source>Big and small</source>
        <translation>كبير وصغير</translation>
    </message>
    <message>
        <source>Four squares</source>
        <translation>أربعة مربعات</translation>
    </message>
    <message>
        <source>Six frames</source>
        <translation>ستة إطارات</translation>
    </message>
    <message>
        <source>Tall and wide</source>
        <translation>طويل وعريض</translation>
    </message>
    <message>
        <source>Three in a row</source>
        <translation>ثلاثة في صف</translation>
    </message>
    <message>
        <source>Two frames</source>
        <translation>إطاران</translation>
    </message>
    <message>
        <source>Award</source>
        <translation>جائزة</translation>
    </message>
    <message>
        <source>Presented to</source>
        <translation>تُقدَّم إلى</translation>
    </message>
    <message>
        <source>for</source>
        <translation>على</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>التوقيع</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>شهادة</translation>
    </message>
    <message>
        <source>This certificate is awarded to</source>
        <translation>تُمنح هذه الشهادة إلى</translation>
    </message>
    <message>
        <source>Star award</source>
        <translation>جائزة النجمة</translation>
    </message>
    <message>
        <source>This star award goes to</source>
        <translation>تُمنح جائزة النجمة هذه إلى</translation>
    </message>
    <message>
        <source>Well done</source>
        <translation>أحسنت</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>أحسنت!</translation>
    </message>
    <message>
        <source>This award is for</source>
        <translation>هذه الجائزة من أجل</translation>
    </message>
    <message>
        <source>No border</source>
        <translation>بلا إطار</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>أهلًا وسهلًا</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>حفلة</translation>
    </message>
    <message>
        <source>Party!</source>
        <translation>حفلة!</translation>
    </message>
    <message>
        <source>With border</source>
        <translation>بإطار</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>مرحبًا</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>عني</translation>
    </message>
    <message>
        <source>I am</source>
        <translation>أنا</translation>
    </message>
    <message>
        <source>I live in</source>
        <translation>أسكن في</translation>
    </message>
    <message>
        <source>When I grow up I want to be</source>
        <translation>عندما أكبر أريد أن أصبح</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>يوميات</translation>
    </message>
    <message>
        <source>My diary</source>
        <translation>يومياتي</translation>
    </message>
    <message>
        <source>Today is</source>
        <translation>اليوم هو</translation>
    </message>
    <message>
        <source>Today I</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>مشكال</translation>
    </message>
    <message>
        <source>I used the colours</source>
        <translation>استخدمتُ الألوان</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>مرآة</translation>
    </message>
    <message>
        <source>Mirror magic</source>
        <translation>سحر المرآة</translation>
    </message>
    <message>
        <source>My picture is called</source>
        <translation>اسم صورتي</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>تدوير</translation>
    </message>
    <message>
        <source>Spinning pattern</source>
        <translation>نقش دوّار</translation>
    </message>
    <message>
        <source>My pattern looks like</source>
        <translation>نقشي يشبه</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>الفصول</translation>
    </message>
    <message>
        <source>The four seasons</source>
        <translation>فصول السنة الأربعة</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>الربيع</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>الصيف</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>الخريف</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>الشتاء</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>خطوات</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>كيف</translation>
    </message>
    <message>
        <source>First</source>
        <translation>أولًا</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>بعد ذلك</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>أخيرًا</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>قصة</translation>
    </message>
    <message>
        <source>My story</source>
        <translation>قصتي</translation>
    </message>
    <message>
        <source>Then and now</source>
        <translation>في الماضي والآن</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>A trip</source>
        <translation>رحلة</translation>
    </message>
    <message>
        <source>Our trip</source>
        <translation>رحلتنا</translation>
    </message>
    <message>
        <source>Where we went</source>
        <translation>أين ذهبنا</translation>
    </message>
    <message>
        <source>What we saw</source>
        <translation>ماذا رأينا</translation>
    </message>
    <message>
        <source>What we did</source>
        <translation>ماذا فعلنا</translation>
    </message>
    <message>
        <source>The best bit</source>
        <translation>أجمل جزء</translation>
    </message>
    <message>
        <source>Next time</source>
        <translation>في المرة القادمة</translation>
    </message>
    <message>
        <source>You need</source>
        <translation>تحتاج إلى</translation>
    </message>
    <message>
        <source>What it is</source>
        <translation>ما هو</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>أين</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>حقائق</translation>
    </message>
    <message>
        <source>Did you know</source>
        <translation>هل تعلم</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>صور</translation>
    </message>
    <message>
        <source>A recipe</source>
        <translation>وصفة</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>الخطوة 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>الخطوة 2</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>الخطوة 3</translation>
    </message>
    <message>
        <source>Enjoy</source>
        <translation>بالهناء والشفاء!</translation>
    </message>
    <message>
        <source>My day</source>
        <translation>يومي</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>الصباح</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>الغداء</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>بعد الظهر</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>المساء</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>الليل</translation>
    </message>
    <message>
        <source>My pet</source>
        <translation>حيواني الأليف</translation>
    </message>
    <message>
        <source>Its name</source>
        <translation>اسمه</translation>
    </message>
    <message>
        <source>It eats</source>
        <translation>يأكل</translation>
    </message>
    <message>
        <source>It likes</source>
        <translation>يحب</translation>
    </message>
    <message>
        <source>It sleeps</source>
        <translation>ينام</translation>
    </message>
    <message>
        <source>I love it</source>
        <translation>أحبه</translation>
    </message>
    <message>
        <source>Badges</source>
        <translation>شارات</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>فواصل كتب</translation>
    </message>
    <message>
        <source>Happy reading!</source>
        <translation>قراءة ممتعة!</translation>
    </message>
    <message>
        <source>This book belongs to</source>
        <translation>هذا الكتاب ملك</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>بطاقات لاصقة</translation>
    </message>
    <message>
        <source>This belongs to</source>
        <translation>هذا ملك</translation>
    </message>
    <message>
        <source>Name cards</source>
        <translation>بطاقات الأسماء</translation>
    </message>
    <message>
        <source>Hello, my name is</source>
        <translation>مرحبًا، اسمي</translation>
    </message>
    <message>
        <source>Raffle tickets</source>
        <translation>تذاكر السحب</translation>
    </message>
    <message>
        <source>No. ^</source>
        <translation>رقم ^</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Raffle ticket</source>
        <translation>تذكرة سحب</translation>
    </message>
    <message>
        <source>Class news</source>
        <translation>أخبار الصف</translation>
    </message>
    <message>
        <source>Class News</source>
        <translation>أخبار الصف</translation>
    </message>
    <message>
        <source>Written by</source>
        <translation>كتبه</translation>
    </message>
    <message>
        <source>Our big news</source>
        <translation>خبرنا الكبير</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>هذا الأسبوع</translation>
    </message>
    <message>
        <source>Nature notes</source>
        <translation>ملاحظات عن الطبيعة</translation>
    </message>
    <message>
        <source>Nature Notes</source>
        <translation>ملاحظات الطبيعة</translation>
    </message>
    <message>
        <source>What we found outside</source>
        <translation>ما وجدناه في الخارج</translation>
    </message>
    <message>
        <source>We looked for</source>
        <translation>بحثنا عن</translation>
    </message>
    <message>
        <source>School times</source>
        <translation>أخبار المدرسة</translation>
    </message>
    <message>
        <source>School Times</source>
        <translation>صحيفة المدرسة</translation>
    </message>
    <message>
        <source>Read all about it!</source>
        <translation>اقرأ كل التفاصيل!</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Sports news</source>
        <translation>أخبار الرياضة</translation>
    </message>
    <message>
        <source>Sports News</source>
        <translation>أخبار الرياضة</translation>
    </message>
    <message>
        <source>What a race!</source>
        <translation>يا له من سباق!</translation>
    </message>
    <message>
        <source>The winner was</source>
        <translation>الفائز هو</translation>
    </message>
    <message>
        <source>Weekend news</source>
        <translation>أخبار العطلة</translation>
    </message>
    <message>
        <source>Weekend News</source>
        <translation>أخبار العطلة</translation>
    </message>
    <message>
        <source>My weekend</source>
        <translation>عطلتي</translation>
    </message>
    <message>
        <source>On Saturday</source>
        <translation>يوم السبت</translation>
    </message>
    <message>
        <source>On Sunday</source>
        <translation>يوم الأحد</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>بطاقة بريدية</translation>
    </message>
    <message>
        <source>Fact file</source>
        <translation>بطاقة حقائق</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>هل تعلم؟</translation>
    </message>
    <message>
        <source>Party time!</source>
        <translation>وقت الحفلة!</translation>
    </message>
    <message>
        <source>You are invited!</source>
        <translation>أنت مدعو!</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>كوكب</translation>
    </message>
    <message>
        <source>Save our planet</source>
        <translation>لنحمِ كوكبنا</translation>
    </message>
    <message>
        <source>We can help by</source>
        <translation>يمكننا المساعدة بأن</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>Come to our show!</source>
        <translation>تعال إلى عرضنا!</translation>
    </message>
    <message>
        <source>When:
Where:
Tickets:</source>
        <translation>متى:
أين:
التذاكر:</translation>
    </message>
    <message>
        <source>Wanted</source>
        <translation>مطلوب</translation>
    </message>
    <message>
        <source>WANTED</source>
        <translation>مطلوب!</translation>
    </message>
    <message>
        <source>Last seen
Reward</source>
        <translation>شوهد آخر مرة
المكافأة</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>نجمة</translation>
    </message>
    <message>
        <source>My wish</source>
        <translation>أمنيتي</translation>
    </message>
    <message>
        <source>I wish</source>
        <translation>أتمنى</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>قلب</translation>
    </message>
    <message>
        <source>I love</source>
        <translation>أحب</translation>
    </message>
    <message>
        <source>I love it because</source>
        <translation>أحبه لأن</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>دائرة</translation>
    </message>
    <message>
        <source>Look at me!</source>
        <translation>انظر إليّ!</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>سحابة</translation>
    </message>
    <message>
        <source>In the sky</source>
        <translation>في السماء</translation>
    </message>
    <message>
        <source>Up in the sky I can see</source>
        <translation>في السماء أرى</translation>
    </message>
    <message>
        <source>House</source>
        <translation>بيت</translation>
    </message>
    <message>
        <source>My home</source>
        <translation>بيتي</translation>
    </message>
    <message>
        <source>At home I like to</source>
        <translation>في البيت أحب أن</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>درع</translation>
    </message>
    <message>
        <source>My coat of arms</source>
        <translation>شعاري</translation>
    </message>
    <message>
        <source>My motto is</source>
        <translation>حكمتي هي</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>سمكة</translation>
    </message>
    <message>
        <source>Under the sea</source>
        <translation>تحت البحر</translation>
    </message>
    <message>
        <source>My fish is called</source>
        <translation>اسم سمكتي</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>فراشة</translation>
    </message>
    <message>
        <source>Beautiful butterfly</source>
        <translation>فراشة جميلة</translation>
    </message>
    <message>
        <source>My butterfly likes</source>
        <translation>فراشتي تحب</translation>
    </message>
    <message>
        <source>Big sign</source>
        <translation>لوحة كبيرة</translation>
    </message>
    <message>
        <source>Quiet please</source>
        <translation>الهدوء من فضلك</translation>
    </message>
    <message>
        <source>Quiet
please</source>
        <translation>الهدوء
من فضلك</translation>
    </message>
    <message>
        <source>We are busy learning</source>
        <translation>نحن مشغولون بالتعلّم</translation>
    </message>
    <message>
        <source>to our
classroom</source>
        <translation>في
صفّنا</translation>
    </message>
    <message>
        <source>Our class</source>
        <translation>صفّنا</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>الصف</translation>
    </message>
    <message>
        <source>Keep out</source>
        <translation>ممنوع الدخول</translation>
    </message>
    <message>
        <source>KEEP OUT!</source>
        <translation>ممنوع الدخول!</translation>
    </message>
    <message>
        <source>Dragon
zone</source>
        <translation>منطقة
التنانين</translation>
    </message>
    <message>
        <source>Found it</source>
        <translation>وجدناه</translation>
    </message>
    <message>
        <source>Lost &amp; found</source>
        <translation>المفقودات</translation>
    </message>
    <message>
        <source>Is this yours?</source>
        <translation>هل هذا لك؟</translation>
    </message>
    <message>
        <source>Please ask your teacher</source>
        <translation>اسأل معلمك من فضلك</translation>
    </message>
    <message>
        <source>Wash hands</source>
        <translation>اغسل اليدين</translation>
    </message>
    <message>
        <source>Wash your hands</source>
        <translation>اغسل يديك</translation>
    </message>
    <message>
        <source>Soap and water!</source>
        <translation>ماء وصابون!</translation>
    </message>
    <message>
        <source>Shop open</source>
        <translation>المتجر مفتوح</translation>
    </message>
    <message>
        <source>Welcome to our shop</source>
        <translation>أهلًا بكم في متجرنا</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>مفتوح</translation>
    </message>
    <message>
        <source>Come in!</source>
        <translation>تفضّل بالدخول!</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>اطرق الباب</translation>
    </message>
    <message>
        <source>Please
knock</source>
        <translation>من فضلك
اطرق الباب</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>شكرًا!</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>بسيطة</translation>
    </message>
    <message>
        <source>There seems to be some problem with your Printer.</source>
        <translation>يبدو أن هناك مشكلة في طابعتك.</translation>
    </message>
    <message>
        <source>There are no printers available on this computer.</source>
        <translation>لا توجد طابعات متاحة على هذا الحاسوب.</translation>
    </message>
    <message>
        <source>Write some words first, then print them.</source>
        <translation>اكتب بعض الكلمات أولًا، ثم اطبعها.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>خروج؟</translation>
    </message>
    <message>
        <source>Where to store files</source>
        <translation>مكان حفظ الملفات</translation>
    </message>
    <message>
        <source>Use &apos;My Documents&apos; folder</source>
        <translation>استخدام مجلد «مستنداتي»</translation>
    </message>
    <message>
        <source>Use:</source>
        <translation>استخدم:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>محرك الأقراص</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>المجلد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>الطباعة</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>الخطوط</translation>
    </message>
    <message>
        <source>Show printer button all the time</source>
        <translation>إظهار زر الطابعة دائمًا</translation>
    </message>
    <message>
        <source>Hide printer button after printing for</source>
        <translation>إخفاء زر الطابعة بعد الطباعة لمدة</translation>
    </message>
    <message>
        <source>Don&apos;t allow any printing</source>
        <translation>منع الطباعة تمامًا</translation>
    </message>
    <message>
        <source>Allow multiple copies to be printed</source>
        <translation>السماح بطباعة عدة نسخ</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>الطابعة</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>الطابعة:</translation>
    </message>
    <message>
        <source>Page Scale Factor:</source>
        <translation>مقياس الصفحة:</translation>
    </message>
    <message>
        <source>Page scale factor down</source>
        <translation>تصغير مقياس الصفحة</translation>
    </message>
    <message>
        <source>Page scale factor up</source>
        <translation>تكبير مقياس الصفحة</translation>
    </message>
    <message>
        <source>Text Scale Factor:</source>
        <translation>مقياس النص:</translation>
    </message>
    <message>
        <source>Text scale factor down</source>
        <translation>تصغير مقياس النص</translation>
    </message>
    <message>
        <source>Text scale factor up</source>
        <translation>تكبير مقياس النص</translation>
    </message>
    <message>
        <source>Show pull-down string</source>
        <translation>إظهار خيط السحب</translation>
    </message>
    <message>
        <source>Use darker frame colours</source>
        <translation>استخدام ألوان أغمق للإطارات</translation>
    </message>
    <message>
        <source>Show on screen keyboard</source>
        <translation>إظهار لوحة المفاتيح على الشاشة</translation>
    </message>
    <message>
        <source>Turn pages in leaflets quickly</source>
        <translation>قلب صفحات المطويات بسرعة</translation>
    </message>
    <message>
        <source>Show Webcam button</source>
        <translation>إظهار زر كاميرا الويب</translation>
    </message>
    <message>
        <source>Show the “Read it to me” button</source>
        <translation>إظهار زر «اقرأه لي»</translation>
    </message>
    <message>
        <source>Say each letter as it is typed</source>
        <translation>نطق كل حرف عند كتابته</translation>
    </message>
    <message>
        <source>Progress pictures every</source>
        <translation>صور التقدّم كل</translation>
    </message>
    <message>
        <source>Store Files in:</source>
        <translation>حفظ الملفات في:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>تغيير...</translation>
    </message>
    <message>
        <source>Allow choices from these fonts:</source>
        <translation>السماح بالاختيار من هذه الخطوط:</translation>
    </message>
    <message>
        <source>Font %1</source>
        <translation>الخط %1</translation>
    </message>
    <message>
        <source>The school has fixed this setting.</source>
        <translation>ثبّتت المدرسة هذا الإعداد.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>فيديوهات</translation>
    </message>
    <message>
        <source>Make the text bigger or smaller</source>
        <translation>كبّر النص أو صغّره</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>اختر خطًا</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>نص %1</translation>
    </message>
    <message>
        <source>Words %1</source>
        <translation>كلمات %1</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>ذهبي</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>عشبي</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>بنفسجي</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>بني</translation>
    </message>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>اكتب</translation>
    </message>
    <message>
        <source>%1 text</source>
        <translation>نص %1</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>لافتة</translation>
    </message>
    <message>
        <source>Banner words</source>
        <translation>كلمات اللافتة</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>الحروف</translation>
    </message>
    <message>
        <source>Thinnest letters</source>
        <translation>أرفع الحروف</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>السُّمك</translation>
    </message>
    <message>
        <source>Thickest letters</source>
        <translation>أسمك الحروف</translation>
    </message>
    <message>
        <source>Banner colour</source>
        <translation>لون اللافتة</translation>
    </message>
    <message>
        <source>Letter colour</source>
        <translation>لون الحروف</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>لون الحافة</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>إطار</translation>
    </message>
    <message>
        <source>Bubble %1</source>
        <translation>فقاعة %1</translation>
    </message>
    <message>
        <source>Bubble %1 words</source>
        <translation>كلمات الفقاعة %1</translation>
    </message>
    <message>
        <source>Bubble %1 point</source>
        <translation>طرف الفقاعة %1</translation>
    </message>
    <message>
        <source>Bubble %1 size</source>
        <translation>حجم الفقاعة %1</translation>
    </message>
    <message>
        <source>Drag to point the bubble</source>
        <translation>اسحب لتوجيه الفقاعة</translation>
    </message>
    <message>
        <source>Drag to make the bubble bigger or smaller</source>
        <translation>اسحب لتكبير الفقاعة أو تصغيرها</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone speak</source>
        <translation>اسحب إلى صورة لتجعل أحدًا يتكلم</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone think</source>
        <translation>اسحب إلى صورة لتجعل أحدًا يفكّر</translation>
    </message>
    <message>
        <source>Drag onto a picture to add some words</source>
        <translation>اسحب إلى صورة لتضيف بعض الكلمات</translation>
    </message>
    <message>
        <source>Drop a bubble here to throw it away</source>
        <translation>أفلت الفقاعة هنا لترميها</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>حلقة</translation>
    </message>
    <message>
        <source>Turn clockwise</source>
        <translation>أدر مع عقارب الساعة</translation>
    </message>
    <message>
        <source>Turn anticlockwise</source>
        <translation>أدر عكس عقارب الساعة</translation>
    </message>
    <message>
        <source>Sheet of copies</source>
        <translation>ورقة نسخ</translation>
    </message>
    <message>
        <source>Fewest copies</source>
        <translation>أقل عدد من النسخ</translation>
    </message>
    <message>
        <source>Most copies</source>
        <translation>أكبر عدد من النسخ</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>عدد النسخ</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Bigger text</source>
        <translation>نص أكبر</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>نص أصغر</translation>
    </message>
    <message>
        <source>Felt pens</source>
        <translation>أقلام التلوين</translation>
    </message>
    <message>
        <source>Paint tools</source>
        <translation>أدوات الرسم</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>الكاميرا</translation>
    </message>
    <message>
        <source>Use this border</source>
        <translation>استخدم هذا الإطار</translation>
    </message>
    <message>
        <source>Read it to me</source>
        <translation>اقرأه لي</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Pick a paint tool over there!</source>
        <translation>اختر أداة رسم من هناك!</translation>
    </message>
    <message>
        <source>Pick a felt pen over there!</source>
        <translation>اختر قلم تلوين من هناك!</translation>
    </message>
    <message>
        <source>Leaflet</source>
        <translation>مطوية</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>الصفحة السابقة</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>الصفحة التالية</translation>
    </message>
    <message>
        <source>Open the flap</source>
        <translation>افتح الطيّة</translation>
    </message>
    <message>
        <source>Close the flap</source>
        <translation>أغلق الطيّة</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>الصفحة %1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>الصفحة</translation>
    </message>
    <message>
        <source>Text box %1</source>
        <translation>مربع النص %1</translation>
    </message>
    <message>
        <source>Rich text box %1</source>
        <translation>مربع النص المنسّق %1</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>الصورة %1</translation>
    </message>
    <message>
        <source>Turn over</source>
        <translation>اقلب</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>الصف %1</translation>
    </message>
    <message>
        <source>More columns</source>
        <translation>أعمدة أكثر</translation>
    </message>
    <message>
        <source>Fewer columns</source>
        <translation>أعمدة أقل</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>صفوف أكثر</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>صفوف أقل</translation>
    </message>
    <message>
        <source>Layouts</source>
        <translation>تخطيطات</translation>
    </message>
    <message>
        <source>Sorry. That layout couldn&apos;t be used. Your work is still here.</source>
        <translation>عذرًا. تعذّر استخدام هذا التخطيط. عملك ما زال هنا.</translation>
    </message>
    <message>
        <source>Save Work</source>
        <translation>حفظ العمل</translation>
    </message>
    <message>
        <source>Open Work</source>
        <translation>فتح عمل</translation>
    </message>
    <message>
        <source>Your work</source>
        <translation>عملك</translation>
    </message>
    <message>
        <source>Picture of your work</source>
        <translation>صورة عملك</translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation>ارمِه</translation>
    </message>
    <message>
        <source>Open it</source>
        <translation>افتحه</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>ليس الآن</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>There is already a work called &apos;%1&apos;. Replace it?</source>
        <translation>يوجد عمل اسمه «%1». هل تستبدله؟</translation>
    </message>
    <message>
        <source>No pictures of this work yet.</source>
        <translation>لا توجد صور لهذا العمل بعد.</translation>
    </message>
    <message>
        <source>Watch it grow</source>
        <translation>شاهده ينمو</translation>
    </message>
    <message>
        <source>Progress pictures</source>
        <translation>صور التقدّم</translation>
    </message>
    <message>
        <source>More files</source>
        <translation>ملفات أخرى</translation>
    </message>
    <message>
        <source>Type a name for your work first.</source>
        <translation>اكتب اسمًا لعملك أولًا.</translation>
    </message>
    <message>
        <source>Choose a work to open first.</source>
        <translation>اختر عملًا لتفتحه أولًا.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>اسم الملف</translation>
    </message>
    <message>
        <source>More</source>
        <translation>المزيد</translation>
    </message>
    <message>
        <source>Divider %1</source>
        <translation>الفاصل %1</translation>
    </message>
    <message>
        <source>Drag onto the page to add some writing</source>
        <translation>اسحب إلى الصفحة لتضيف كتابة</translation>
    </message>
    <message>
        <source>Drag onto the page to add a picture</source>
        <translation>اسحب إلى الصفحة لتضيف صورة</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>صورة</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>ارسم</translation>
    </message>
    <message>
        <source>Do you want to paint on this picture?</source>
        <translation>هل تريد أن ترسم على هذه الصورة؟</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>تغيير الحجم</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>تحريك</translation>
    </message>
    <message>
        <source>Paint on this picture</source>
        <translation>ارسم على هذه الصورة</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>اختر</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>أقل</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>أجزاء</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>أعمدة</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>صفوف</translation>
    </message>
    <message>
        <source>Size?</source>
        <translation>الحجم؟</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>كبير</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>صغير</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>رسالة</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>انتظر من فضلك</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>انتظر من فضلك...</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>حفظ؟</translation>
    </message>
    <message>
        <source>Don&apos;t keep it</source>
        <translation>لا تحتفظ به</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>احفظه</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Border magnifier</source>
        <translation>مكبّر الإطار</translation>
    </message>
    <message>
        <source>Border picture</source>
        <translation>صورة الإطار</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>استيراد صورة</translation>
    </message>
    <message>
        <source>Fill the box</source>
        <translation>املأ المربع</translation>
    </message>
    <message>
        <source>Show it all</source>
        <translation>أظهرها كلها</translation>
    </message>
    <message>
        <source>Thick pen</source>
        <translation>قلم عريض</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>قلم رصاص</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>مستطيل ممتلئ</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>دائرة ممتلئة</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>خط مستقيم</translation>
    </message>
    <message>
        <source>Paint pot</source>
        <translation>علبة الطلاء</translation>
    </message>
    <message>
        <source>Starburst</source>
        <translation>انفجار نجمي</translation>
    </message>
    <message>
        <source>Scribble</source>
        <translation>خربشة</translation>
    </message>
    <message>
        <source>Splat</source>
        <translation>بقعة</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>أخضر زاهٍ</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>فيروزي</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>رمادي فاتح</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>أزرق داكن</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>خوخي</translation>
    </message>
    <message>
        <source>Olive green</source>
        <translation>زيتوني</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>برتقالي محمرّ</translation>
    </message>
    <message>
        <source>Bright pink</source>
        <translation>وردي زاهٍ</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>خزامي</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>رمادي</translation>
    </message>
    <message>
        <source>Pale yellow</source>
        <translation>أصفر باهت</translation>
    </message>
    <message>
        <source>Pale green</source>
        <translation>أخضر باهت</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>أرجواني</translation>
    </message>
    <message>
        <source>Mint green</source>
        <translation>أخضر نعناعي</translation>
    </message>
    <message>
        <source>Navy blue</source>
        <translation>كحلي</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>أحمر داكن</translation>
    </message>
    <message>
        <source>Bright red</source>
        <translation>أحمر زاهٍ</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>أحمر فاتح</translation>
    </message>
    <message>
        <source>Rust</source>
        <translation>صدئي</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>كهرماني</translation>
    </message>
    <message>
        <source>Golden yellow</source>
        <translation>أصفر ذهبي</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>ليموني</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>خردلي</translation>
    </message>
    <message>
        <source>Leaf green</source>
        <translation>أخضر الشجر</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>أزرق مخضرّ</translation>
    </message>
    <message>
        <source>Lilac</source>
        <translation>ليلكي</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>أزرق باهت</translation>
    </message>
    <message>
        <source>Royal blue</source>
        <translation>أزرق ملكي</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>بنفسجي فاتح</translation>
    </message>
    <message>
        <source>Light pink</source>
        <translation>وردي فاتح</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>كستنائي</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>قرمزي</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>خمري</translation>
    </message>
    <message>
        <source>Coal black</source>
        <translation>أسود فحمي</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>رمادي داكن</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>رمادي فحمي</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>فضي</translation>
    </message>
    <message>
        <source>Picture menu</source>
        <translation>قائمة الصورة</translation>
    </message>
    <message>
        <source>Sorry. This picture couldn&apos;t be opened.</source>
        <translation>عذرًا. تعذّر فتح هذه الصورة.</translation>
    </message>
    <message>
        <source>This page has no picture for the camera.</source>
        <translation>لا توجد في هذه الصفحة صورة للكاميرا.</translation>
    </message>
    <message>
        <source>Touch a picture on the page first, then the camera.</source>
        <translation>المس صورة في الصفحة أولًا، ثم الكاميرا.</translation>
    </message>
    <message>
        <source>Sorry. The picture couldn&apos;t be taken.</source>
        <translation>عذرًا. تعذّر التقاط الصورة.</translation>
    </message>
    <message>
        <source>Sorry. No webcam was found.</source>
        <translation>عذرًا. لم يُعثر على كاميرا ويب.</translation>
    </message>
    <message>
        <source>Sorry. The webcam isn&apos;t working.</source>
        <translation>عذرًا. كاميرا الويب لا تعمل.</translation>
    </message>
    <message>
        <source>In colour</source>
        <translation>ملوّنة</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>أبيض وأسود</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>صورة قديمة</translation>
    </message>
    <message>
        <source>Pop art</source>
        <translation>فن البوب</translation>
    </message>
    <message>
        <source>Take a picture</source>
        <translation>التقط صورة</translation>
    </message>
    <message>
        <source>Take the picture</source>
        <translation>التقط الصورة</translation>
    </message>
    <message>
        <source>Lighter or darker</source>
        <translation>أفتح أو أغمق</translation>
    </message>
    <message>
        <source>Darker</source>
        <translation>أغمق</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>أفتح</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>إخفاء</translation>
    </message>
    <message>
        <source>How to fold</source>
        <translation>طريقة الطي</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge.</source>
        <translation>اطبع على الوجهين، واقلب الورقة من حافتها القصيرة.</translation>
    </message>
    <message>
        <source>Leaflets always print at full size, so that the folds meet.</source>
        <translation>تُطبع المطويات دائمًا بالحجم الكامل، لكي تتطابق الطيّات.</translation>
    </message>
    <message>
        <source>Fold the top half back, behind the sheet.</source>
        <translation>اطوِ النصف العلوي إلى الخلف، خلف الورقة.</translation>
    </message>
    <message>
        <source>Fold the bottom half back, behind the sheet.</source>
        <translation>اطوِ النصف السفلي إلى الخلف، خلف الورقة.</translation>
    </message>
    <message>
        <source>Fold the right side in.</source>
        <translation>اطوِ الجانب الأيمن إلى الداخل.</translation>
    </message>
    <message>
        <source>Fold the left side over. The cover is now on top.</source>
        <translation>اطوِ الجانب الأيسر فوقه. الغلاف الآن في الأعلى.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>حفظ بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>ملف PDF</translation>
    </message>
    <message>
        <source>Print?</source>
        <translation>طباعة؟</translation>
    </message>
    <message>
        <source>How many?</source>
        <translation>كم نسخة؟</translation>
    </message>
    <message>
        <source>Check printer is set to A4</source>
        <translation>تأكد أن الطابعة مضبوطة على A4</translation>
    </message>
    <message>
        <source>Pen %1</source>
        <translation>القلم %1</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>الأحجام</translation>
    </message>
    <message>
        <source>All text boxes</source>
        <translation>كل مربعات النص</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>إدخال</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>مسافة</translation>
    </message>
    <message>
        <source>On screen keyboard</source>
        <translation>لوحة المفاتيح على الشاشة</translation>
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
        <translation>أغلق لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Open keyboard</source>
        <translation>افتح لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Pull down</source>
        <translation>اسحب للأسفل</translation>
    </message>
    <message>
        <source>No voice is installed</source>
        <translation>لا يوجد صوت مثبّت</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>توقّف</translation>
    </message>
    <message>
        <source>Text toolbar</source>
        <translation>شريط أدوات النص</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>عريض</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>مائل</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>تسطير</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>تعداد نقطي</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>وسط</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>الألوان</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>اللون %1</translation>
    </message>
    <message>
        <source>The text is not in Rich Text Format.</source>
        <translation>النص ليس بتنسيق RTF.</translation>
    </message>
    <message>
        <source>The text is too long to be read.</source>
        <translation>النص أطول من أن يُقرأ.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>جدول</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>أشكال</translation>
    </message>
    <message>
        <source>Printing on both sides? Flip on the short edge.</source>
        <translation>تطبع على الوجهين؟ اقلب الورقة من الحافة القصيرة.</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>كتيّب</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>بطاقة</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>News</source>
        <translation>أخبار</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>حرّة</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>لوحة</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>لافتة</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>إطارات</translation>
    </message>
    <message>
        <source>My layout</source>
        <translation>تخطيطي</translation>
    </message>
    <message>
        <source>Posters</source>
        <translation>ملصقات</translation>
    </message>
    <message>
        <source>Picture, row %1 column %2</source>
        <translation>صورة، الصف %1 العمود %2</translation>
    </message>
    <message>
        <source>Words, row %1 column %2</source>
        <translation>كلمات، الصف %1 العمود %2</translation>
    </message>
    <message>
        <source>Quillora Files</source>
        <translation>ملفات Quillora</translation>
    </message>
    <message>
        <source>PNG file</source>
        <translation>ملف PNG</translation>
    </message>
    <message>
        <source>%1 felt pen</source>
        <translation>قلم تلوين %1</translation>
    </message>
    <message>
        <source>%1 pen lid</source>
        <translation>غطاء قلم %1</translation>
    </message>
    <message>
        <source>Pen sizes</source>
        <translation>أحجام القلم</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>الحجم %1</translation>
    </message>
    <message>
        <source>page</source>
        <translation>صفحة</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>صفحات</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>دقائق</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>The computer&apos;s language</source>
        <translation>لغة الحاسوب</translation>
    </message>
    <message>
        <source>never</source>
        <translation>أبدًا</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>A long press opens the picture menu</source>
        <translation>الضغط المطوّل يفتح قائمة الصورة</translation>
    </message>
    <message>
        <source>Abc</source>
        <translation>أبت</translation>
    </message>
    <message numerus="yes">
        <source>minute(s)</source>
        <translation>
            <numerusform>دقيقة</numerusform>
            <numerusform>دقيقة</numerusform>
            <numerusform>دقيقتان</numerusform>
            <numerusform>دقائق</numerusform>
            <numerusform>دقيقة</numerusform>
            <numerusform>دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n صفحة</numerusform>
            <numerusform>%n صفحة</numerusform>
            <numerusform>%n صفحتان</numerusform>
            <numerusform>%n صفحات</numerusform>
            <numerusform>%n صفحة</numerusform>
            <numerusform>%n صفحة</numerusform>
        </translation>
    </message>
    <message>
        <source>Press a pen harder for a wider line</source>
        <translation>اضغط على القلم أكثر لخط أعرض</translation>
    </message>
</context>
</TS>
