<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Quillora</name>
    <message>
        <source>Went down to the woods today. Got a big surprise. Hope all well, Love from FB x</source>
        <translation>Je suis allé dans les bois aujourd&apos;hui. J&apos;ai eu une grosse surprise. J&apos;espère que tout va bien. Gros bisous, FB x</translation>
    </message>
    <message>
        <source>Baby bear</source>
        <translation>Petit Ours</translation>
    </message>
    <message>
        <source>Bear town</source>
        <translation>Ville-des-Ours</translation>
    </message>
    <message>
        <source>BT8 8TP</source>
        <translation>BT8 8TP</translation>
    </message>
    <message>
        <source>Once upon a time there was an old old man called Mr Grumpy.</source>
        <translation>Il était une fois un très vieux monsieur qui s&apos;appelait Monsieur Grognon.</translation>
    </message>
    <message>
        <source>Sorry, this screen cannot be saved as a PNG file.</source>
        <translation>Désolé, cet écran ne peut pas être enregistré en fichier PNG.</translation>
    </message>
    <message>
        <source>Sorry. There are some layout files missing. Please re-install Quillora</source>
        <translation>Désolé. Il manque des fichiers de mise en page. Réinstalle Quillora, s&apos;il te plaît</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be opened (%2).</source>
        <translation>Le fichier de mise en page &quot;%1&quot; n&apos;a pas pu être ouvert (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; is too large to be a layout.</source>
        <translation>Le fichier de mise en page &quot;%1&quot; est trop grand pour être une mise en page.</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; has no layout line.</source>
        <translation>Le fichier de mise en page &quot;%1&quot; n&apos;a pas de ligne de mise en page.</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge</source>
        <translation>Imprime recto verso, en retournant la feuille sur son bord court</translation>
    </message>
    <message>
        <source>The stamp picture &quot;%1&quot; could not be read.</source>
        <translation>L&apos;image du timbre &quot;%1&quot; n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be saved: ask your teacher to make some room, or save it somewhere else.</source>
        <translation>Le disque est plein, ce fichier n&apos;a pas pu être enregistré : demande à ton enseignant de faire de la place, ou enregistre-le ailleurs.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be saved here: choose another folder, or ask your teacher.</source>
        <translation>Ce fichier n&apos;a pas pu être enregistré ici : choisis un autre dossier, ou demande à ton enseignant.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be saved.</source>
        <translation>Désolé. Ce fichier n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be found: it may have been moved or renamed.</source>
        <translation>Ce fichier est introuvable : il a peut-être été déplacé ou renommé.</translation>
    </message>
    <message>
        <source>This file is damaged: it may not have finished copying.</source>
        <translation>Ce fichier est abîmé : sa copie n&apos;est peut-être pas terminée.</translation>
    </message>
    <message>
        <source>This file is too big to open: ask your teacher to look at it.</source>
        <translation>Ce fichier est trop gros pour être ouvert : demande à ton enseignant de le regarder.</translation>
    </message>
    <message>
        <source>This file was made by a newer Quillora: ask your teacher to update this one.</source>
        <translation>Ce fichier a été fait avec un Quillora plus récent : demande à ton enseignant de mettre celui-ci à jour.</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be opened: ask your teacher to make some room.</source>
        <translation>Le disque est plein, ce fichier n&apos;a pas pu être ouvert : demande à ton enseignant de faire de la place.</translation>
    </message>
    <message>
        <source>This file may not be opened: ask your teacher to check it.</source>
        <translation>Ce fichier ne peut pas être ouvert : demande à ton enseignant de le vérifier.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be opened.</source>
        <translation>Désolé. Ce fichier n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Some parts of this file could not be used, so they were left out.</source>
        <translation>Certaines parties de ce fichier n&apos;ont pas pu être utilisées, elles ont été laissées de côté.</translation>
    </message>
    <message>
        <source>Your work from today at %1</source>
        <translation>Ton travail d&apos;aujourd&apos;hui à %1</translation>
    </message>
    <message>
        <source>Your work from yesterday at %1</source>
        <translation>Ton travail d&apos;hier à %1</translation>
    </message>
    <message>
        <source>Your work from %1 at %2</source>
        <translation>Ton travail du %1 à %2</translation>
    </message>
    <message>
        <source>Comic-strip</source>
        <translation>Bande dessinée</translation>
    </message>
    <message>
        <source>Not ready</source>
        <translation>Pas prêt</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be read (%2).</source>
        <translation>Le fichier de mise en page &quot;%1&quot; n&apos;a pas pu être lu (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; gives no usable page size.</source>
        <translation>Le fichier de mise en page &quot;%1&quot; ne donne aucune taille de page utilisable.</translation>
    </message>
    <message>
        <source>Tall page</source>
        <translation>Page haute</translation>
    </message>
    <message>
        <source>My page</source>
        <translation>Ma page</translation>
    </message>
    <message>
        <source>Two columns</source>
        <translation>Deux colonnes</translation>
    </message>
    <message>
        <source>Wide page</source>
        <translation>Page large</translation>
    </message>
    <message>
        <source>A visit</source>
        <translation>Une visite</translation>
    </message>
    <message>
        <source>Our visit</source>
        <translation>Notre visite</translation>
    </message>
    <message>
        <source>We went to</source>
        <translation>Nous sommes allés à</translation>
    </message>
    <message>
        <source>We saw</source>
        <translation>Nous avons vu</translation>
    </message>
    <message>
        <source>It was</source>
        <translation>C&apos;était</translation>
    </message>
    <message>
        <source>by</source>
        <translation>par</translation>
    </message>
    <message>
        <source>All about me</source>
        <translation>Tout sur moi</translation>
    </message>
    <message>
        <source>I am this old</source>
        <translation>Mon âge</translation>
    </message>
    <message>
        <source>My family</source>
        <translation>Ma famille</translation>
    </message>
    <message>
        <source>I like</source>
        <translation>J&apos;aime</translation>
    </message>
    <message>
        <source>My name is</source>
        <translation>Je m&apos;appelle</translation>
    </message>
    <message>
        <source>My book</source>
        <translation>Mon livre</translation>
    </message>
    <message>
        <source>Once upon a time</source>
        <translation>Il était une fois</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Puis</translation>
    </message>
    <message>
        <source>The end</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>My topic</source>
        <translation>Mon sujet</translation>
    </message>
    <message>
        <source>My writing</source>
        <translation>Mon texte</translation>
    </message>
    <message>
        <source>Poem</source>
        <translation>Poème</translation>
    </message>
    <message>
        <source>My poem</source>
        <translation>Mon poème</translation>
    </message>
    <message>
        <source>Story time</source>
        <translation>L&apos;heure des histoires</translation>
    </message>
    <message>
        <source>Birthday card</source>
        <translation>Carte d&apos;anniversaire</translation>
    </message>
    <message>
        <source>Happy birthday</source>
        <translation>Joyeux anniversaire</translation>
    </message>
    <message>
        <source>Dear</source>
        <translation>Cher</translation>
    </message>
    <message>
        <source>Love from</source>
        <translation>Gros bisous de</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Fait par</translation>
    </message>
    <message>
        <source>Get well card</source>
        <translation>Carte de bon rétablissement</translation>
    </message>
    <message>
        <source>Get well soon</source>
        <translation>Bon rétablissement</translation>
    </message>
    <message>
        <source>Thank you card</source>
        <translation>Carte de remerciement</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Merci</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De la part de</translation>
    </message>
    <message>
        <source>Big and small</source>
        <translation>Grand et petit</translation>
    </message>
    <message>
        <source>Four squares</source>
        <translation>Quatre carrés</translation>
    </message>
    <message>
        <source>Six frames</source>
        <translation>Six cadres</translation>
    </message>
    <message>
        <source>Tall and wide</source>
        <translation>Haut et large</translation>
    </message>
    <message>
        <source>Three in a row</source>
        <translation>Trois à la suite</translation>
    </message>
    <message>
        <source>Two frames</source>
        <translation>Deux cadres</translation>
    </message>
    <message>
        <source>Award</source>
        <translation>Récompense</translation>
    </message>
    <message>
        <source>Presented to</source>
        <translation>Décerné à</translation>
    </message>
    <message>
        <source>for</source>
        <translation>pour</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Signé</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Diplôme</translation>
    </message>
    <message>
        <source>This certificate is awarded to</source>
        <translation>Ce diplôme est décerné à</translation>
    </message>
    <message>
        <source>Star award</source>
        <translation>Super étoile</translation>
    </message>
    <message>
        <source>This star award goes to</source>
        <translation>La super étoile est pour</translation>
    </message>
    <message>
        <source>Well done</source>
        <translation>Bravo</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bravo !</translation>
    </message>
    <message>
        <source>This award is for</source>
        <translation>Cette récompense est pour</translation>
    </message>
    <message>
        <source>No border</source>
        <translation>Sans bordure</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Fête</translation>
    </message>
    <message>
        <source>Party!</source>
        <translation>C&apos;est la fête !</translation>
    </message>
    <message>
        <source>With border</source>
        <translation>Avec bordure</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Bonjour</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>À propos de moi</translation>
    </message>
    <message>
        <source>I am</source>
        <translation>Je suis</translation>
    </message>
    <message>
        <source>I live in</source>
        <translation>J&apos;habite à</translation>
    </message>
    <message>
        <source>When I grow up I want to be</source>
        <translation>Plus tard, je veux être</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>My diary</source>
        <translation>Mon journal</translation>
    </message>
    <message>
        <source>Today is</source>
        <translation>Aujourd&apos;hui, c&apos;est</translation>
    </message>
    <message>
        <source>Today I</source>
        <translation>Aujourd&apos;hui, j&apos;ai</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Kaléidoscope</translation>
    </message>
    <message>
        <source>I used the colours</source>
        <translation>J&apos;ai utilisé les couleurs</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Mirror magic</source>
        <translation>Magie du miroir</translation>
    </message>
    <message>
        <source>My picture is called</source>
        <translation>Mon image s&apos;appelle</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Spinning pattern</source>
        <translation>Motif qui tourne</translation>
    </message>
    <message>
        <source>My pattern looks like</source>
        <translation>Mon motif ressemble à</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Saisons</translation>
    </message>
    <message>
        <source>The four seasons</source>
        <translation>Les quatre saisons</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Printemps</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Été</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Automne</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Comment faire</translation>
    </message>
    <message>
        <source>First</source>
        <translation>D&apos;abord</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Ensuite</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Enfin</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Histoire</translation>
    </message>
    <message>
        <source>My story</source>
        <translation>Mon histoire</translation>
    </message>
    <message>
        <source>Then and now</source>
        <translation>Avant et maintenant</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>A trip</source>
        <translation>Une sortie</translation>
    </message>
    <message>
        <source>Our trip</source>
        <translation>Notre sortie</translation>
    </message>
    <message>
        <source>Where we went</source>
        <translation>Où nous sommes allés</translation>
    </message>
    <message>
        <source>What we saw</source>
        <translation>Ce que nous avons vu</translation>
    </message>
    <message>
        <source>What we did</source>
        <translation>Ce que nous avons fait</translation>
    </message>
    <message>
        <source>The best bit</source>
        <translation>Le meilleur moment</translation>
    </message>
    <message>
        <source>Next time</source>
        <translation>La prochaine fois</translation>
    </message>
    <message>
        <source>You need</source>
        <translation>Il te faut</translation>
    </message>
    <message>
        <source>What it is</source>
        <translation>Ce que c&apos;est</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Où</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Did you know</source>
        <translation>Le savais-tu</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>A recipe</source>
        <translation>Une recette</translation>
    </message>
    <message>
        <source>Step 1</source>
        <translation>Étape 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Étape 2</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Étape 3</translation>
    </message>
    <message>
        <source>Enjoy</source>
        <translation>Bon appétit</translation>
    </message>
    <message>
        <source>My day</source>
        <translation>Ma journée</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Matin</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Déjeuner</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>Après-midi</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Soir</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>My pet</source>
        <translation>Mon animal</translation>
    </message>
    <message>
        <source>Its name</source>
        <translation>Son nom</translation>
    </message>
    <message>
        <source>It eats</source>
        <translation>Il mange</translation>
    </message>
    <message>
        <source>It likes</source>
        <translation>Il aime</translation>
    </message>
    <message>
        <source>It sleeps</source>
        <translation>Il dort</translation>
    </message>
    <message>
        <source>I love it</source>
        <translation>Je l&apos;aime</translation>
    </message>
    <message>
        <source>Badges</source>
        <translation>Badges</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marque-pages</translation>
    </message>
    <message>
        <source>Happy reading!</source>
        <translation>Bonne lecture !</translation>
    </message>
    <message>
        <source>This book belongs to</source>
        <translation>Ce livre appartient à</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>This belongs to</source>
        <translation>Ceci appartient à</translation>
    </message>
    <message>
        <source>Name cards</source>
        <translation>Porte-noms</translation>
    </message>
    <message>
        <source>Hello, my name is</source>
        <translation>Bonjour, je m&apos;appelle</translation>
    </message>
    <message>
        <source>Raffle tickets</source>
        <translation>Billets de tombola</translation>
    </message>
    <message>
        <source>No. ^</source>
        <translation>N° ^</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Raffle ticket</source>
        <translation>Billet de tombola</translation>
    </message>
    <message>
        <source>Class news</source>
        <translation>Nouvelles de la classe</translation>
    </message>
    <message>
        <source>Class News</source>
        <translation>Les nouvelles de la classe</translation>
    </message>
    <message>
        <source>Written by</source>
        <translation>Écrit par</translation>
    </message>
    <message>
        <source>Our big news</source>
        <translation>Notre grande nouvelle</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>Nature notes</source>
        <translation>Carnet nature</translation>
    </message>
    <message>
        <source>Nature Notes</source>
        <translation>Le carnet nature</translation>
    </message>
    <message>
        <source>What we found outside</source>
        <translation>Ce que nous avons trouvé dehors</translation>
    </message>
    <message>
        <source>We looked for</source>
        <translation>Nous avons cherché</translation>
    </message>
    <message>
        <source>School times</source>
        <translation>Journal de l&apos;école</translation>
    </message>
    <message>
        <source>School Times</source>
        <translation>Le journal de l&apos;école</translation>
    </message>
    <message>
        <source>Read all about it!</source>
        <translation>Toutes les nouvelles !</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Sports news</source>
        <translation>Nouvelles du sport</translation>
    </message>
    <message>
        <source>Sports News</source>
        <translation>Les nouvelles du sport</translation>
    </message>
    <message>
        <source>What a race!</source>
        <translation>Quelle course !</translation>
    </message>
    <message>
        <source>The winner was</source>
        <translation>Le gagnant, c&apos;était</translation>
    </message>
    <message>
        <source>Weekend news</source>
        <translation>Nouvelles du week-end</translation>
    </message>
    <message>
        <source>Weekend News</source>
        <translation>Les nouvelles du week-end</translation>
    </message>
    <message>
        <source>My weekend</source>
        <translation>Mon week-end</translation>
    </message>
    <message>
        <source>On Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>On Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Carte postale</translation>
    </message>
    <message>
        <source>Fact file</source>
        <translation>Fiche d&apos;infos</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>Le savais-tu ?</translation>
    </message>
    <message>
        <source>Party time!</source>
        <translation>Vive la fête !</translation>
    </message>
    <message>
        <source>You are invited!</source>
        <translation>On t&apos;invite !</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planète</translation>
    </message>
    <message>
        <source>Save our planet</source>
        <translation>Sauvons notre planète</translation>
    </message>
    <message>
        <source>We can help by</source>
        <translation>Nous pouvons aider en</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Spectacle</translation>
    </message>
    <message>
        <source>Come to our show!</source>
        <translation>Viens voir notre spectacle !</translation>
    </message>
    <message>
        <source>When:
Where:
Tickets:</source>
        <translation>Quand :
Où :
Billets :</translation>
    </message>
    <message>
        <source>Wanted</source>
        <translation>Recherché</translation>
    </message>
    <message>
        <source>WANTED</source>
        <translation>RECHERCHÉ</translation>
    </message>
    <message>
        <source>Last seen
Reward</source>
        <translation>Vu pour la dernière fois
Récompense</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>My wish</source>
        <translation>Mon vœu</translation>
    </message>
    <message>
        <source>I wish</source>
        <translation>Je souhaite</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>I love</source>
        <translation>J&apos;aime</translation>
    </message>
    <message>
        <source>I love it because</source>
        <translation>Je l&apos;aime parce que</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Look at me!</source>
        <translation>Regarde-moi !</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nuage</translation>
    </message>
    <message>
        <source>In the sky</source>
        <translation>Dans le ciel</translation>
    </message>
    <message>
        <source>Up in the sky I can see</source>
        <translation>Là-haut dans le ciel, je vois</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>My home</source>
        <translation>Ma maison</translation>
    </message>
    <message>
        <source>At home I like to</source>
        <translation>À la maison, j&apos;aime</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Bouclier</translation>
    </message>
    <message>
        <source>My coat of arms</source>
        <translation>Mon blason</translation>
    </message>
    <message>
        <source>My motto is</source>
        <translation>Ma devise est</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Poisson</translation>
    </message>
    <message>
        <source>Under the sea</source>
        <translation>Sous la mer</translation>
    </message>
    <message>
        <source>My fish is called</source>
        <translation>Mon poisson s&apos;appelle</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Papillon</translation>
    </message>
    <message>
        <source>Beautiful butterfly</source>
        <translation>Joli papillon</translation>
    </message>
    <message>
        <source>My butterfly likes</source>
        <translation>Mon papillon aime</translation>
    </message>
    <message>
        <source>Big sign</source>
        <translation>Grand panneau</translation>
    </message>
    <message>
        <source>Quiet please</source>
        <translation>Silence, s&apos;il vous plaît</translation>
    </message>
    <message>
        <source>Quiet
please</source>
        <translation>Silence
s&apos;il vous plaît</translation>
    </message>
    <message>
        <source>We are busy learning</source>
        <translation>Nous sommes en train d&apos;apprendre</translation>
    </message>
    <message>
        <source>to our
classroom</source>
        <translation>dans notre
classe</translation>
    </message>
    <message>
        <source>Our class</source>
        <translation>Notre classe</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Keep out</source>
        <translation>Défense d&apos;entrer</translation>
    </message>
    <message>
        <source>KEEP OUT!</source>
        <translation>DÉFENSE D&apos;ENTRER !</translation>
    </message>
    <message>
        <source>Dragon
zone</source>
        <translation>Zone
des dragons</translation>
    </message>
    <message>
        <source>Found it</source>
        <translation>Objet trouvé</translation>
    </message>
    <message>
        <source>Lost &amp; found</source>
        <translation>Objets trouvés</translation>
    </message>
    <message>
        <source>Is this yours?</source>
        <translation>C&apos;est à toi ?</translation>
    </message>
    <message>
        <source>Please ask your teacher</source>
        <translation>Demande à l&apos;enseignant, s&apos;il te plaît</translation>
    </message>
    <message>
        <source>Wash hands</source>
        <translation>Lavage des mains</translation>
    </message>
    <message>
        <source>Wash your hands</source>
        <translation>Lave-toi les mains</translation>
    </message>
    <message>
        <source>Soap and water!</source>
        <translation>De l&apos;eau et du savon !</translation>
    </message>
    <message>
        <source>Shop open</source>
        <translation>Boutique ouverte</translation>
    </message>
    <message>
        <source>Welcome to our shop</source>
        <translation>Bienvenue dans notre boutique</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OUVERT</translation>
    </message>
    <message>
        <source>Come in!</source>
        <translation>Entrez !</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Frapper</translation>
    </message>
    <message>
        <source>Please
knock</source>
        <translation>Merci de
frapper</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>Merci !</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>There seems to be some problem with your Printer.</source>
        <translation>Il semble y avoir un problème avec ton imprimante.</translation>
    </message>
    <message>
        <source>There are no printers available on this computer.</source>
        <translation>Aucune imprimante n&apos;est disponible sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Write some words first, then print them.</source>
        <translation>Écris d&apos;abord quelques mots, puis imprime-les.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Quitter ?</translation>
    </message>
    <message>
        <source>Where to store files</source>
        <translation>Où ranger les fichiers</translation>
    </message>
    <message>
        <source>Use &apos;My Documents&apos; folder</source>
        <translation>Utiliser le dossier « Mes documents »</translation>
    </message>
    <message>
        <source>Use:</source>
        <translation>Utiliser :</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Show printer button all the time</source>
        <translation>Toujours afficher le bouton d&apos;impression</translation>
    </message>
    <message>
        <source>Hide printer button after printing for</source>
        <translation>Cacher le bouton d&apos;impression après l&apos;impression pendant</translation>
    </message>
    <message>
        <source>Don&apos;t allow any printing</source>
        <translation>Interdire toute impression</translation>
    </message>
    <message>
        <source>Allow multiple copies to be printed</source>
        <translation>Permettre d&apos;imprimer plusieurs exemplaires</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Imprimante :</translation>
    </message>
    <message>
        <source>Page Scale Factor:</source>
        <translation>Échelle de la page :</translation>
    </message>
    <message>
        <source>Page scale factor down</source>
        <translation>Réduire l&apos;échelle de la page</translation>
    </message>
    <message>
        <source>Page scale factor up</source>
        <translation>Agrandir l&apos;échelle de la page</translation>
    </message>
    <message>
        <source>Text Scale Factor:</source>
        <translation>Échelle du texte :</translation>
    </message>
    <message>
        <source>Text scale factor down</source>
        <translation>Réduire l&apos;échelle du texte</translation>
    </message>
    <message>
        <source>Text scale factor up</source>
        <translation>Agrandir l&apos;échelle du texte</translation>
    </message>
    <message>
        <source>Show pull-down string</source>
        <translation>Afficher la ficelle à tirer</translation>
    </message>
    <message>
        <source>Use darker frame colours</source>
        <translation>Utiliser des cadres plus foncés</translation>
    </message>
    <message>
        <source>Show on screen keyboard</source>
        <translation>Afficher le clavier à l&apos;écran</translation>
    </message>
    <message>
        <source>Turn pages in leaflets quickly</source>
        <translation>Tourner vite les pages des dépliants</translation>
    </message>
    <message>
        <source>Show Webcam button</source>
        <translation>Afficher le bouton Webcam</translation>
    </message>
    <message>
        <source>Show the “Read it to me” button</source>
        <translation>Afficher le bouton « Lis-le-moi »</translation>
    </message>
    <message>
        <source>Say each letter as it is typed</source>
        <translation>Dire chaque lettre tapée</translation>
    </message>
    <message>
        <source>Progress pictures every</source>
        <translation>Images d&apos;étape toutes les</translation>
    </message>
    <message>
        <source>Store Files in:</source>
        <translation>Ranger les fichiers dans :</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Changer...</translation>
    </message>
    <message>
        <source>Allow choices from these fonts:</source>
        <translation>Proposer ces polices :</translation>
    </message>
    <message>
        <source>Font %1</source>
        <translation>Police %1</translation>
    </message>
    <message>
        <source>The school has fixed this setting.</source>
        <translation>L&apos;école a fixé ce réglage.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>Make the text bigger or smaller</source>
        <translation>Agrandis ou rapetisse le texte</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Choisis une police</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Texte %1</translation>
    </message>
    <message>
        <source>Words %1</source>
        <translation>Mots %1</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Doré</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Vert herbe</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>%1 text</source>
        <translation>Texte %1</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Banderole</translation>
    </message>
    <message>
        <source>Banner words</source>
        <translation>Mots de la banderole</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettres</translation>
    </message>
    <message>
        <source>Thinnest letters</source>
        <translation>Lettres les plus fines</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Thickest letters</source>
        <translation>Lettres les plus épaisses</translation>
    </message>
    <message>
        <source>Banner colour</source>
        <translation>Couleur de la banderole</translation>
    </message>
    <message>
        <source>Letter colour</source>
        <translation>Couleur des lettres</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Couleur du contour</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <source>Bubble %1</source>
        <translation>Bulle %1</translation>
    </message>
    <message>
        <source>Bubble %1 words</source>
        <translation>Mots de la bulle %1</translation>
    </message>
    <message>
        <source>Bubble %1 point</source>
        <translation>Pointe de la bulle %1</translation>
    </message>
    <message>
        <source>Bubble %1 size</source>
        <translation>Taille de la bulle %1</translation>
    </message>
    <message>
        <source>Drag to point the bubble</source>
        <translation>Fais glisser pour orienter la bulle</translation>
    </message>
    <message>
        <source>Drag to make the bubble bigger or smaller</source>
        <translation>Fais glisser pour agrandir ou rapetisser la bulle</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone speak</source>
        <translation>Fais glisser sur une image pour faire parler quelqu&apos;un</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone think</source>
        <translation>Fais glisser sur une image pour faire penser quelqu&apos;un</translation>
    </message>
    <message>
        <source>Drag onto a picture to add some words</source>
        <translation>Fais glisser sur une image pour ajouter des mots</translation>
    </message>
    <message>
        <source>Drop a bubble here to throw it away</source>
        <translation>Dépose une bulle ici pour la jeter</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Turn clockwise</source>
        <translation>Tourner à droite</translation>
    </message>
    <message>
        <source>Turn anticlockwise</source>
        <translation>Tourner à gauche</translation>
    </message>
    <message>
        <source>Sheet of copies</source>
        <translation>Feuille de copies</translation>
    </message>
    <message>
        <source>Fewest copies</source>
        <translation>Le moins de copies</translation>
    </message>
    <message>
        <source>Most copies</source>
        <translation>Le plus de copies</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Nombre de copies</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Bigger text</source>
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>Plus petit</translation>
    </message>
    <message>
        <source>Felt pens</source>
        <translation>Feutres</translation>
    </message>
    <message>
        <source>Paint tools</source>
        <translation>Peinture</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Use this border</source>
        <translation>Prendre cette bordure</translation>
    </message>
    <message>
        <source>Read it to me</source>
        <translation>Lis-le-moi</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Pick a paint tool over there!</source>
        <translation>Choisis un outil de peinture là-bas !</translation>
    </message>
    <message>
        <source>Pick a felt pen over there!</source>
        <translation>Choisis un feutre là-bas !</translation>
    </message>
    <message>
        <source>Leaflet</source>
        <translation>Dépliant</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Open the flap</source>
        <translation>Ouvrir le rabat</translation>
    </message>
    <message>
        <source>Close the flap</source>
        <translation>Fermer le rabat</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Text box %1</source>
        <translation>Zone de texte %1</translation>
    </message>
    <message>
        <source>Rich text box %1</source>
        <translation>Zone de texte enrichi %1</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Image %1</translation>
    </message>
    <message>
        <source>Turn over</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>More columns</source>
        <translation>Plus de colonnes</translation>
    </message>
    <message>
        <source>Fewer columns</source>
        <translation>Moins de colonnes</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Plus de lignes</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Moins de lignes</translation>
    </message>
    <message>
        <source>Layouts</source>
        <translation>Mises en page</translation>
    </message>
    <message>
        <source>Sorry. That layout couldn&apos;t be used. Your work is still here.</source>
        <translation>Désolé. Cette mise en page n&apos;a pas pu être utilisée. Ton travail est toujours là.</translation>
    </message>
    <message>
        <source>Save Work</source>
        <translation>Enregistrer le travail</translation>
    </message>
    <message>
        <source>Open Work</source>
        <translation>Ouvrir un travail</translation>
    </message>
    <message>
        <source>Your work</source>
        <translation>Ton travail</translation>
    </message>
    <message>
        <source>Picture of your work</source>
        <translation>Image de ton travail</translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation>Jeter</translation>
    </message>
    <message>
        <source>Open it</source>
        <translation>Ouvre-le</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>There is already a work called &apos;%1&apos;. Replace it?</source>
        <translation>Il y a déjà un travail appelé « %1 ». Tu veux le remplacer ?</translation>
    </message>
    <message>
        <source>No pictures of this work yet.</source>
        <translation>Pas encore d&apos;images de ce travail.</translation>
    </message>
    <message>
        <source>Watch it grow</source>
        <translation>Regarde-le grandir</translation>
    </message>
    <message>
        <source>Progress pictures</source>
        <translation>Images d&apos;étape</translation>
    </message>
    <message>
        <source>More files</source>
        <translation>Plus de fichiers</translation>
    </message>
    <message>
        <source>Type a name for your work first.</source>
        <translation>Tape d&apos;abord un nom pour ton travail.</translation>
    </message>
    <message>
        <source>Choose a work to open first.</source>
        <translation>Choisis d&apos;abord un travail à ouvrir.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Divider %1</source>
        <translation>Séparateur %1</translation>
    </message>
    <message>
        <source>Drag onto the page to add some writing</source>
        <translation>Fais glisser sur la page pour ajouter du texte</translation>
    </message>
    <message>
        <source>Drag onto the page to add a picture</source>
        <translation>Fais glisser sur la page pour ajouter une image</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Peindre</translation>
    </message>
    <message>
        <source>Do you want to paint on this picture?</source>
        <translation>Tu veux peindre sur cette image ?</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Paint on this picture</source>
        <translation>Peindre sur cette image</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Parts</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Size?</source>
        <translation>Taille ?</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petit</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Attends un instant</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attends un instant...</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Enregistrer ?</translation>
    </message>
    <message>
        <source>Don&apos;t keep it</source>
        <translation>Ne pas le garder</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>L&apos;enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Border magnifier</source>
        <translation>Loupe de bordure</translation>
    </message>
    <message>
        <source>Border picture</source>
        <translation>Image de bordure</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>Fill the box</source>
        <translation>Remplir le cadre</translation>
    </message>
    <message>
        <source>Show it all</source>
        <translation>Tout montrer</translation>
    </message>
    <message>
        <source>Thick pen</source>
        <translation>Gros stylo</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Rectangle plein</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>Cercle plein</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Ligne droite</translation>
    </message>
    <message>
        <source>Paint pot</source>
        <translation>Pot de peinture</translation>
    </message>
    <message>
        <source>Starburst</source>
        <translation>Éclat</translation>
    </message>
    <message>
        <source>Scribble</source>
        <translation>Gribouillis</translation>
    </message>
    <message>
        <source>Splat</source>
        <translation>Tache</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>Vert vif</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Pêche</translation>
    </message>
    <message>
        <source>Olive green</source>
        <translation>Vert olive</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Roux</translation>
    </message>
    <message>
        <source>Bright pink</source>
        <translation>Rose vif</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Pale yellow</source>
        <translation>Jaune pâle</translation>
    </message>
    <message>
        <source>Pale green</source>
        <translation>Vert pâle</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Mint green</source>
        <translation>Vert menthe</translation>
    </message>
    <message>
        <source>Navy blue</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Bright red</source>
        <translation>Rouge vif</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Rouge clair</translation>
    </message>
    <message>
        <source>Rust</source>
        <translation>Rouille</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Ambre</translation>
    </message>
    <message>
        <source>Golden yellow</source>
        <translation>Jaune d&apos;or</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Moutarde</translation>
    </message>
    <message>
        <source>Leaf green</source>
        <translation>Vert feuille</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>Lilac</source>
        <translation>Lilas</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>Bleu pâle</translation>
    </message>
    <message>
        <source>Royal blue</source>
        <translation>Bleu roi</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet vif</translation>
    </message>
    <message>
        <source>Light pink</source>
        <translation>Rose clair</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Châtain</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Cramoisi</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Coal black</source>
        <translation>Noir charbon</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Anthracite</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Picture menu</source>
        <translation>Menu image</translation>
    </message>
    <message>
        <source>Sorry. This picture couldn&apos;t be opened.</source>
        <translation>Désolé. Cette image n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>This page has no picture for the camera.</source>
        <translation>Cette page n&apos;a pas d&apos;image pour la caméra.</translation>
    </message>
    <message>
        <source>Touch a picture on the page first, then the camera.</source>
        <translation>Touche d&apos;abord une image sur la page, puis la caméra.</translation>
    </message>
    <message>
        <source>Sorry. The picture couldn&apos;t be taken.</source>
        <translation>Désolé. La photo n&apos;a pas pu être prise.</translation>
    </message>
    <message>
        <source>Sorry. No webcam was found.</source>
        <translation>Désolé. Aucune webcam n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>Sorry. The webcam isn&apos;t working.</source>
        <translation>Désolé. La webcam ne marche pas.</translation>
    </message>
    <message>
        <source>In colour</source>
        <translation>En couleur</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Vieille photo</translation>
    </message>
    <message>
        <source>Pop art</source>
        <translation>Pop art</translation>
    </message>
    <message>
        <source>Take a picture</source>
        <translation>Prendre une photo</translation>
    </message>
    <message>
        <source>Take the picture</source>
        <translation>Prendre la photo</translation>
    </message>
    <message>
        <source>Lighter or darker</source>
        <translation>Plus clair ou plus foncé</translation>
    </message>
    <message>
        <source>Darker</source>
        <translation>Plus foncé</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Plus clair</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Cacher</translation>
    </message>
    <message>
        <source>How to fold</source>
        <translation>Comment plier</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge.</source>
        <translation>Imprime recto verso, en retournant la feuille sur son bord court.</translation>
    </message>
    <message>
        <source>Leaflets always print at full size, so that the folds meet.</source>
        <translation>Les dépliants s&apos;impriment toujours en taille réelle, pour que les plis se rejoignent.</translation>
    </message>
    <message>
        <source>Fold the top half back, behind the sheet.</source>
        <translation>Plie la moitié du haut en arrière, derrière la feuille.</translation>
    </message>
    <message>
        <source>Fold the bottom half back, behind the sheet.</source>
        <translation>Plie la moitié du bas en arrière, derrière la feuille.</translation>
    </message>
    <message>
        <source>Fold the right side in.</source>
        <translation>Plie le côté droit vers l&apos;intérieur.</translation>
    </message>
    <message>
        <source>Fold the left side over. The cover is now on top.</source>
        <translation>Replie le côté gauche par-dessus. La couverture est maintenant au-dessus.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <source>Print?</source>
        <translation>Imprimer ?</translation>
    </message>
    <message>
        <source>How many?</source>
        <translation>Combien ?</translation>
    </message>
    <message>
        <source>Check printer is set to A4</source>
        <translation>Vérifie que l&apos;imprimante est réglée sur A4</translation>
    </message>
    <message>
        <source>Pen %1</source>
        <translation>Stylo %1</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Tailles</translation>
    </message>
    <message>
        <source>All text boxes</source>
        <translation>Toutes les zones de texte</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>On screen keyboard</source>
        <translation>Clavier à l&apos;écran</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Caps</source>
        <translation>Verr. Maj</translation>
    </message>
    <message>
        <source>Close keyboard</source>
        <translation>Fermer le clavier</translation>
    </message>
    <message>
        <source>Open keyboard</source>
        <translation>Ouvrir le clavier</translation>
    </message>
    <message>
        <source>Pull down</source>
        <translation>Tirer</translation>
    </message>
    <message>
        <source>No voice is installed</source>
        <translation>Aucune voix n&apos;est installée</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Text toolbar</source>
        <translation>Barre d&apos;outils du texte</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Puces</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Couleur %1</translation>
    </message>
    <message>
        <source>The text is not in Rich Text Format.</source>
        <translation>Le texte n&apos;est pas au format Rich Text.</translation>
    </message>
    <message>
        <source>The text is too long to be read.</source>
        <translation>Le texte est trop long pour être lu.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formes</translation>
    </message>
    <message>
        <source>Printing on both sides? Flip on the short edge.</source>
        <translation>Recto verso ? Retourne la feuille sur le bord court.</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Livret</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Multi</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Panneau</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Banderole</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordures</translation>
    </message>
    <message>
        <source>My layout</source>
        <translation>Ma mise en page</translation>
    </message>
    <message>
        <source>Posters</source>
        <translation>Affiches</translation>
    </message>
    <message>
        <source>Picture, row %1 column %2</source>
        <translation>Image, ligne %1 colonne %2</translation>
    </message>
    <message>
        <source>Words, row %1 column %2</source>
        <translation>Mots, ligne %1 colonne %2</translation>
    </message>
    <message>
        <source>Quillora Files</source>
        <translation>Fichiers Quillora</translation>
    </message>
    <message>
        <source>PNG file</source>
        <translation>Fichier PNG</translation>
    </message>
    <message>
        <source>%1 felt pen</source>
        <translation>Feutre %1</translation>
    </message>
    <message>
        <source>%1 pen lid</source>
        <translation>Capuchon du feutre %1</translation>
    </message>
    <message>
        <source>Pen sizes</source>
        <translation>Tailles du crayon</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>Taille %1</translation>
    </message>
    <message>
        <source>page</source>
        <translation>page</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>pages</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The computer&apos;s language</source>
        <translation>La langue de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A long press opens the picture menu</source>
        <translation>Un appui long ouvre le menu de l&apos;image</translation>
    </message>
    <message>
        <source>Abc</source>
        <translation>Abc</translation>
    </message>
    <message numerus="yes">
        <source>minute(s)</source>
        <translation>
            <numerusform>minute</numerusform>
            <numerusform>minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message>
        <source>Press a pen harder for a wider line</source>
        <translation>Appuie plus fort sur le stylet pour un trait plus large</translation>
    </message>
</context>
</TS>
