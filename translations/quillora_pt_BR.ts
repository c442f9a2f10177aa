<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Quillora</name>
    <message>
        <source>Went down to the woods today. Got a big surprise. Hope all well, Love from FB x</source>
        <translation>Fui ao bosque hoje. Tive uma grande surpresa. Espero que esteja tudo bem. Com carinho, FB x</translation>
    </message>
    <message>
        <source>Baby bear</source>
        <translation>Ursinho</translation>
    </message>
    <message>
        <source>Bear town</source>
        <translation>Vila dos Ursos</translation>
    </message>
    <message>
        <source>BT8 8TP</source>
        <translation>BT8 8TP</translation>
    </message>
    <message>
        <source>Once upon a time there was an old old man called Mr Grumpy.</source>
        <translation>Era uma vez um velho, muito velho, chamado Seu Rabugento.</translation>
    </message>
    <message>
        <source>Sorry, this screen cannot be saved as a PNG file.</source>
        <translation>Desculpe, não é possível salvar esta tela como arquivo PNG.</translation>
    </message>
    <message>
        <source>Sorry. There are some layout files missing. Please re-install Quillora</source>
        <translation>Desculpe. Estão faltando alguns arquivos de modelo. Instale o Quillora de novo</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be opened (%2).</source>
        <translation>Não foi possível abrir o arquivo de modelo &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; is too large to be a layout.</source>
        <translation>O arquivo de modelo &quot;%1&quot; é grande demais para ser um modelo.</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; has no layout line.</source>
        <translation>O arquivo de modelo &quot;%1&quot; não tem linha de modelo.</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge</source>
        <translation>Imprima dos dois lados, virando a folha pela borda curta</translation>
    </message>
    <message>
        <source>The stamp picture &quot;%1&quot; could not be read.</source>
        <translation>Não foi possível ler a imagem do selo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be saved: ask your teacher to make some room, or save it somewhere else.</source>
        <translation>O disco está cheio e este arquivo não pôde ser salvo: peça ao seu professor para liberar espaço ou salve em outro lugar.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be saved here: choose another folder, or ask your teacher.</source>
        <translation>Este arquivo não pôde ser salvo aqui: escolha outra pasta ou peça ajuda ao seu professor.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be saved.</source>
        <translation>Desculpe. Este arquivo não pôde ser salvo.</translation>
    </message>
    <message>
        <source>This file couldn&apos;t be found: it may have been moved or renamed.</source>
        <translation>Este arquivo não foi encontrado: talvez tenha sido movido ou renomeado.</translation>
    </message>
    <message>
        <source>This file is damaged: it may not have finished copying.</source>
        <translation>Este arquivo está danificado: talvez a cópia não tenha terminado.</translation>
    </message>
    <message>
        <source>This file is too big to open: ask your teacher to look at it.</source>
        <translation>Este arquivo é grande demais para abrir: peça ao seu professor para olhar.</translation>
    </message>
    <message>
        <source>This file was made by a newer Quillora: ask your teacher to update this one.</source>
        <translation>Este arquivo foi feito por um Quillora mais novo: peça ao seu professor para atualizar este aqui.</translation>
    </message>
    <message>
        <source>The disk is full, so this file couldn&apos;t be opened: ask your teacher to make some room.</source>
        <translation>O disco está cheio e este arquivo não pôde ser aberto: peça ao seu professor para liberar espaço.</translation>
    </message>
    <message>
        <source>This file may not be opened: ask your teacher to check it.</source>
        <translation>Este arquivo não pode ser aberto: peça ao seu professor para verificar.</translation>
    </message>
    <message>
        <source>Sorry. This file couldn&apos;t be opened.</source>
        <translation>Desculpe. Este arquivo não pôde ser aberto.</translation>
    </message>
    <message>
        <source>Some parts of this file could not be used, so they were left out.</source>
        <translation>Algumas partes deste arquivo não puderam ser usadas e foram deixadas de fora.</translation>
    </message>
    <message>
        <source>Your work from today at %1</source>
        <translation>Seu trabalho de hoje às %1</translation>
    </message>
    <message>
        <source>Your work from yesterday at %1</source>
        <translation>Seu trabalho de ontem às %1</translation>
    </message>
    <message>
        <source>Your work from %1 at %2</source>
        <translation>Seu trabalho de %1 às %2</translation>
    </message>
    <message>
        <source>Comic-strip</source>
        <translation>História em quadrinhos</translation>
    </message>
    <message>
        <source>Not ready</source>
        <translation>Não está pronto</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; could not be read (%2).</source>
        <translation>Não foi possível ler o arquivo de modelo &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; gives no usable page size.</source>
        <translation>O arquivo de modelo &quot;%1&quot; não indica um tamanho de página que dê para usar.</translation>
    </message>
    <message>
        <source>Tall page</source>
        <translation>Página em pé</translation>
    </message>
    <message>
        <source>My page</source>
        <translation>Minha página</translation>
    </message>
    <message>
        <source>Two columns</source>
        <translation>Duas colunas</translation>
    </message>
    <message>
        <source>Wide page</source>
        <translation>Página deitada</translation>
    </message>
    <message>
        <source>A visit</source>
        <translation>Uma visita</translation>
    </message>
    <message>
        <source>Our visit</source>
        <translation>Nossa visita</translation>
    </message>
    <message>
        <source>We went to</source>
        <translation>Nós fomos a</translation>
    </message>
    <message>
        <source>We saw</source>
        <translation>Nós vimos</translation>
    </message>
    <message>
        <source>It was</source>
        <translation>Foi</translation>
    </message>
    <message>
        <source>by</source>
        <translation>por</translation>
    </message>
    <message>
        <source>All about me</source>
        <translation>Tudo sobre mim</translation>
    </message>
    <message>
        <source>I am this old</source>
        <translation>Eu tenho esta idade</translation>
    </message>
    <message>
        <source>My family</source>
        <translation>Minha família</translation>
    </message>
    <message>
        <source>I like</source>
        <translation>Eu gosto de</translation>
    </message>
    <message>
        <source>My name is</source>
        <translation>Meu nome é</translation>
    </message>
    <message>
        <source>My book</source>
        <translation>Meu livro</translation>
    </message>
    <message>
        <source>Once upon a time</source>
        <translation>Era uma vez</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Depois</translation>
    </message>
    <message>
        <source>The end</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>My topic</source>
        <translation>Meu tema</translation>
    </message>
    <message>
        <source>My writing</source>
        <translation>Meu texto</translation>
    </message>
    <message>
        <source>Poem</source>
        <translation>Poema</translation>
    </message>
    <message>
        <source>My poem</source>
        <translation>Meu poema</translation>
    </message>
    <message>
        <source>Story time</source>
        <translation>Hora da história</translation>
    </message>
    <message>
        <source>Birthday card</source>
        <translation>Cartão de aniversário</translation>
    </message>
    <message>
        <source>Happy birthday</source>
        <translation>Feliz aniversário</translation>
    </message>
    <message>
        <source>Dear</source>
        <translation>Querido(a)</translation>
    </message>
    <message>
        <source>Love from</source>
        <translation>Com carinho,</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Feito por</translation>
    </message>
    <message>
        <source>Get well card</source>
        <translation>Cartão de melhoras</translation>
    </message>
    <message>
        <source>Get well soon</source>
        <translation>Fique bom logo</translation>
    </message>
    <message>
        <source>Thank you card</source>
        <translation>Cartão de agradecimento</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Obrigado</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Big and small</source>
        <translation>Grande e pequeno</translation>
    </message>
    <message>
        <source>Four squares</source>
        <translation>Quatro quadrados</translation>
    </message>
    <message>
        <source>Six frames</source>
        <translation>Seis quadrinhos</translation>
    </message>
    <message>
        <source>Tall and wide</source>
        <translation>Alto e largo</translation>
    </message>
    <message>
        <source>Three in a row</source>
        <translation>Três em fila</translation>
    </message>
    <message>
        <source>Two frames</source>
        <translation>Dois quadrinhos</translation>
    </message>
    <message>
        <source>Award</source>
        <translation>Prêmio</translation>
    </message>
    <message>
        <source>Presented to</source>
        <translation>Entregue a</translation>
    </message>
    <message>
        <source>for</source>
        <translation>por</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Assinatura</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Certificado</translation>
    </message>
    <message>
        <source>This certificate is awarded to</source>
        <translation>Este certificado é entregue a</translation>
    </message>
    <message>
        <source>Star award</source>
        <translation>Prêmio estrela</translation>
    </message>
    <message>
        <source>This star award goes to</source>
        <translation>Este prêmio estrela vai para</translation>
    </message>
    <message>
        <source>Well done</source>
        <translation>Muito bem</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Muito bem!</translation>
    </message>
    <message>
        <source>This award is for</source>
        <translation>Este prêmio é para</translation>
    </message>
    <message>
        <source>No border</source>
        <translation>Sem moldura</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bem-vindos</translation>
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
        <translation>Com moldura</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Olá</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>Sobre mim</translation>
    </message>
    <message>
        <source>I am</source>
        <translation>Eu sou</translation>
    </message>
    <message>
        <source>I live in</source>
        <translation>Eu moro em</translation>
    </message>
    <message>
        <source>When I grow up I want to be</source>
        <translation>Quando eu crescer, quero ser</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Diário</translation>
    </message>
    <message>
        <source>My diary</source>
        <translation>Meu diário</translation>
    </message>
    <message>
        <source>Today is</source>
        <translation>Hoje é</translation>
    </message>
    <message>
        <source>Today I</source>
        <translation>Hoje eu</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Caleidoscópio</translation>
    </message>
    <message>
        <source>I used the colours</source>
        <translation>Eu usei as cores</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espelho</translation>
    </message>
    <message>
        <source>Mirror magic</source>
        <translation>Espelho mágico</translation>
    </message>
    <message>
        <source>My picture is called</source>
        <translation>Minha imagem se chama</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Spinning pattern</source>
        <translation>Padrão que gira</translation>
    </message>
    <message>
        <source>My pattern looks like</source>
        <translation>Meu padrão parece</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Estações</translation>
    </message>
    <message>
        <source>The four seasons</source>
        <translation>As quatro estações</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Primavera</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verão</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Outono</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Inverno</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passos</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Como fazer</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primeiro</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Em seguida</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Por último</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>História</translation>
    </message>
    <message>
        <source>My story</source>
        <translation>Minha história</translation>
    </message>
    <message>
        <source>Then and now</source>
        <translation>Antes e agora</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>A trip</source>
        <translation>Um passeio</translation>
    </message>
    <message>
        <source>Our trip</source>
        <translation>Nosso passeio</translation>
    </message>
    <message>
        <source>Where we went</source>
        <translation>Aonde fomos</translation>
    </message>
    <message>
        <source>What we saw</source>
        <translation>O que vimos</translation>
    </message>
    <message>
        <source>What we did</source>
        <translation>O que fizemos</translation>
    </message>
    <message>
        <source>The best bit</source>
        <translation>A melhor parte</translation>
    </message>
    <message>
        <source>Next time</source>
        <translation>Da próxima vez</translation>
    </message>
    <message>
        <source>You need</source>
        <translation>Você precisa de</translation>
    </message>
    <message>
        <source>What it is</source>
        <translation>O que é</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Onde</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Fatos</translation>
    </message>
    <message>
        <source>Did you know</source>
        <translation>Você sabia</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>A recipe</source>
        <translation>Uma receita</translation>
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
        <translation>Bom apetite!</translation>
    </message>
    <message>
        <source>My day</source>
        <translation>Meu dia</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Manhã</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Almoço</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>Tarde</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Fim de tarde</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noite</translation>
    </message>
    <message>
        <source>My pet</source>
        <translation>Meu bichinho</translation>
    </message>
    <message>
        <source>Its name</source>
        <translation>O nome dele</translation>
    </message>
    <message>
        <source>It eats</source>
        <translation>Ele come</translation>
    </message>
    <message>
        <source>It likes</source>
        <translation>Ele gosta de</translation>
    </message>
    <message>
        <source>It sleeps</source>
        <translation>Ele dorme</translation>
    </message>
    <message>
        <source>I love it</source>
        <translation>Eu amo meu bichinho</translation>
    </message>
    <message>
        <source>Badges</source>
        <translation>Distintivos</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores de livro</translation>
    </message>
    <message>
        <source>Happy reading!</source>
        <translation>Boa leitura!</translation>
    </message>
    <message>
        <source>This book belongs to</source>
        <translation>Este livro é de</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>This belongs to</source>
        <translation>Isto é de</translation>
    </message>
    <message>
        <source>Name cards</source>
        <translation>Crachás</translation>
    </message>
    <message>
        <source>Hello, my name is</source>
        <translation>Olá, meu nome é</translation>
    </message>
    <message>
        <source>Raffle tickets</source>
        <translation>Rifas</translation>
    </message>
    <message>
        <source>No. ^</source>
        <translation>Nº ^</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Raffle ticket</source>
        <translation>Rifa</translation>
    </message>
    <message>
        <source>Class news</source>
        <translation>Notícias da turma</translation>
    </message>
    <message>
        <source>Class News</source>
        <translation>Jornal da Turma</translation>
    </message>
    <message>
        <source>Written by</source>
        <translation>Escrito por</translation>
    </message>
    <message>
        <source>Our big news</source>
        <translation>Nossa grande notícia</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>Nature notes</source>
        <translation>Notas da natureza</translation>
    </message>
    <message>
        <source>Nature Notes</source>
        <translation>Diário da Natureza</translation>
    </message>
    <message>
        <source>What we found outside</source>
        <translation>O que encontramos lá fora</translation>
    </message>
    <message>
        <source>We looked for</source>
        <translation>Nós procuramos</translation>
    </message>
    <message>
        <source>School times</source>
        <translation>Jornal da escola</translation>
    </message>
    <message>
        <source>School Times</source>
        <translation>Jornal da Escola</translation>
    </message>
    <message>
        <source>Read all about it!</source>
        <translation>Extra! Extra!</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Sports news</source>
        <translation>Notícias do esporte</translation>
    </message>
    <message>
        <source>Sports News</source>
        <translation>Jornal do Esporte</translation>
    </message>
    <message>
        <source>What a race!</source>
        <translation>Que corrida!</translation>
    </message>
    <message>
        <source>The winner was</source>
        <translation>Quem ganhou foi</translation>
    </message>
    <message>
        <source>Weekend news</source>
        <translation>Notícias do fim de semana</translation>
    </message>
    <message>
        <source>Weekend News</source>
        <translation>Jornal do Fim de Semana</translation>
    </message>
    <message>
        <source>My weekend</source>
        <translation>Meu fim de semana</translation>
    </message>
    <message>
        <source>On Saturday</source>
        <translation>No sábado</translation>
    </message>
    <message>
        <source>On Sunday</source>
        <translation>No domingo</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Cartão-postal</translation>
    </message>
    <message>
        <source>Fact file</source>
        <translation>Ficha de fatos</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>Você sabia?</translation>
    </message>
    <message>
        <source>Party time!</source>
        <translation>Hora da festa!</translation>
    </message>
    <message>
        <source>You are invited!</source>
        <translation>Você está convidado!</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planeta</translation>
    </message>
    <message>
        <source>Save our planet</source>
        <translation>Salve nosso planeta</translation>
    </message>
    <message>
        <source>We can help by</source>
        <translation>Podemos ajudar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Espetáculo</translation>
    </message>
    <message>
        <source>Come to our show!</source>
        <translation>Venha ver nosso espetáculo!</translation>
    </message>
    <message>
        <source>When:
Where:
Tickets:</source>
        <translation>Quando:
Onde:
Ingressos:</translation>
    </message>
    <message>
        <source>Wanted</source>
        <translation>Procura-se</translation>
    </message>
    <message>
        <source>WANTED</source>
        <translation>PROCURA-SE</translation>
    </message>
    <message>
        <source>Last seen
Reward</source>
        <translation>Visto pela última vez
Recompensa</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrela</translation>
    </message>
    <message>
        <source>My wish</source>
        <translation>Meu desejo</translation>
    </message>
    <message>
        <source>I wish</source>
        <translation>Eu queria</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Coração</translation>
    </message>
    <message>
        <source>I love</source>
        <translation>Eu amo</translation>
    </message>
    <message>
        <source>I love it because</source>
        <translation>Eu adoro porque</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Look at me!</source>
        <translation>Olhe para mim!</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nuvem</translation>
    </message>
    <message>
        <source>In the sky</source>
        <translation>No céu</translation>
    </message>
    <message>
        <source>Up in the sky I can see</source>
        <translation>Lá no céu eu vejo</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>My home</source>
        <translation>Minha casa</translation>
    </message>
    <message>
        <source>At home I like to</source>
        <translation>Em casa eu gosto de</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Escudo</translation>
    </message>
    <message>
        <source>My coat of arms</source>
        <translation>Meu brasão</translation>
    </message>
    <message>
        <source>My motto is</source>
        <translation>Meu lema é</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Peixe</translation>
    </message>
    <message>
        <source>Under the sea</source>
        <translation>No fundo do mar</translation>
    </message>
    <message>
        <source>My fish is called</source>
        <translation>Meu peixe se chama</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Borboleta</translation>
    </message>
    <message>
        <source>Beautiful butterfly</source>
        <translation>Borboleta linda</translation>
    </message>
    <message>
        <source>My butterfly likes</source>
        <translation>Minha borboleta gosta de</translation>
    </message>
    <message>
        <source>Big sign</source>
        <translation>Placa grande</translation>
    </message>
    <message>
        <source>Quiet please</source>
        <translation>Silêncio, por favor</translation>
    </message>
    <message>
        <source>Quiet
please</source>
        <translation>Silêncio,
por favor</translation>
    </message>
    <message>
        <source>We are busy learning</source>
        <translation>Estamos aprendendo</translation>
    </message>
    <message>
        <source>to our
classroom</source>
        <translation>à nossa
sala de aula</translation>
    </message>
    <message>
        <source>Our class</source>
        <translation>Nossa turma</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Turma</translation>
    </message>
    <message>
        <source>Keep out</source>
        <translation>Não entre</translation>
    </message>
    <message>
        <source>KEEP OUT!</source>
        <translation>NÃO ENTRE!</translation>
    </message>
    <message>
        <source>Dragon
zone</source>
        <translation>Zona do
dragão</translation>
    </message>
    <message>
        <source>Found it</source>
        <translation>Achei!</translation>
    </message>
    <message>
        <source>Lost &amp; found</source>
        <translation>Achados e perdidos</translation>
    </message>
    <message>
        <source>Is this yours?</source>
        <translation>Isto é seu?</translation>
    </message>
    <message>
        <source>Please ask your teacher</source>
        <translation>Pergunte ao seu professor</translation>
    </message>
    <message>
        <source>Wash hands</source>
        <translation>Lavar as mãos</translation>
    </message>
    <message>
        <source>Wash your hands</source>
        <translation>Lave as mãos</translation>
    </message>
    <message>
        <source>Soap and water!</source>
        <translation>Água e sabão!</translation>
    </message>
    <message>
        <source>Shop open</source>
        <translation>Loja aberta</translation>
    </message>
    <message>
        <source>Welcome to our shop</source>
        <translation>Bem-vindos à nossa loja</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ABERTO</translation>
    </message>
    <message>
        <source>Come in!</source>
        <translation>Entre!</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Bata na porta</translation>
    </message>
    <message>
        <source>Please
knock</source>
        <translation>Por favor,
bata</translation>
    </message>
    <message>
        <source>Thank you!</source>
        <translation>Obrigado!</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>There seems to be some problem with your Printer.</source>
        <translation>Parece que há algum problema com a sua impressora.</translation>
    </message>
    <message>
        <source>There are no printers available on this computer.</source>
        <translation>Não há impressoras disponíveis neste computador.</translation>
    </message>
    <message>
        <source>Write some words first, then print them.</source>
        <translation>Escreva algumas palavras primeiro e depois imprima.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Sair?</translation>
    </message>
    <message>
        <source>Where to store files</source>
        <translation>Onde guardar os arquivos</translation>
    </message>
    <message>
        <source>Use &apos;My Documents&apos; folder</source>
        <translation>Usar a pasta &apos;Meus Documentos&apos;</translation>
    </message>
    <message>
        <source>Use:</source>
        <translation>Usar:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impressão</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fontes</translation>
    </message>
    <message>
        <source>Show printer button all the time</source>
        <translation>Mostrar o botão de imprimir o tempo todo</translation>
    </message>
    <message>
        <source>Hide printer button after printing for</source>
        <translation>Esconder o botão de imprimir depois de imprimir por</translation>
    </message>
    <message>
        <source>Don&apos;t allow any printing</source>
        <translation>Não permitir nenhuma impressão</translation>
    </message>
    <message>
        <source>Allow multiple copies to be printed</source>
        <translation>Permitir imprimir várias cópias</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impressora:</translation>
    </message>
    <message>
        <source>Page Scale Factor:</source>
        <translation>Escala da página:</translation>
    </message>
    <message>
        <source>Page scale factor down</source>
        <translation>Diminuir a escala da página</translation>
    </message>
    <message>
        <source>Page scale factor up</source>
        <translation>Aumentar a escala da página</translation>
    </message>
    <message>
        <source>Text Scale Factor:</source>
        <translation>Escala do texto:</translation>
    </message>
    <message>
        <source>Text scale factor down</source>
        <translation>Diminuir a escala do texto</translation>
    </message>
    <message>
        <source>Text scale factor up</source>
        <translation>Aumentar a escala do texto</translation>
    </message>
    <message>
        <source>Show pull-down string</source>
        <translation>Mostrar a cordinha de puxar</translation>
    </message>
    <message>
        <source>Use darker frame colours</source>
        <translation>Usar cores de moldura mais escuras</translation>
    </message>
    <message>
        <source>Show on screen keyboard</source>
        <translation>Mostrar teclado na tela</translation>
    </message>
    <message>
        <source>Turn pages in leaflets quickly</source>
        <translation>Virar as páginas dos folhetos rapidamente</translation>
    </message>
    <message>
        <source>Show Webcam button</source>
        <translation>Mostrar o botão da webcam</translation>
    </message>
    <message>
        <source>Show the “Read it to me” button</source>
        <translation>Mostrar o botão “Leia para mim”</translation>
    </message>
    <message>
        <source>Say each letter as it is typed</source>
        <translation>Falar cada letra quando for digitada</translation>
    </message>
    <message>
        <source>Progress pictures every</source>
        <translation>Imagens do progresso a cada</translation>
    </message>
    <message>
        <source>Store Files in:</source>
        <translation>Guardar arquivos em:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Trocar...</translation>
    </message>
    <message>
        <source>Allow choices from these fonts:</source>
        <translation>Permitir escolher entre estas fontes:</translation>
    </message>
    <message>
        <source>Font %1</source>
        <translation>Fonte %1</translation>
    </message>
    <message>
        <source>The school has fixed this setting.</source>
        <translation>A escola fixou esta configuração.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>Make the text bigger or smaller</source>
        <translation>Deixe o texto maior ou menor</translation>
    </message>
    <message>
        <source>Choose a font</source>
        <translation>Escolha uma fonte</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Texto %1</translation>
    </message>
    <message>
        <source>Words %1</source>
        <translation>Palavras %1</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Dourado</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Verde-grama</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Azul-céu</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrom</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escrever</translation>
    </message>
    <message>
        <source>%1 text</source>
        <translation>Texto (%1)</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Faixa</translation>
    </message>
    <message>
        <source>Banner words</source>
        <translation>Palavras da faixa</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Thinnest letters</source>
        <translation>Letras mais finas</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Espessura</translation>
    </message>
    <message>
        <source>Thickest letters</source>
        <translation>Letras mais grossas</translation>
    </message>
    <message>
        <source>Banner colour</source>
        <translation>Cor da faixa</translation>
    </message>
    <message>
        <source>Letter colour</source>
        <translation>Cor das letras</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Cor do contorno</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Moldura</translation>
    </message>
    <message>
        <source>Bubble %1</source>
        <translation>Balão %1</translation>
    </message>
    <message>
        <source>Bubble %1 words</source>
        <translation>Palavras do balão %1</translation>
    </message>
    <message>
        <source>Bubble %1 point</source>
        <translation>Ponta do balão %1</translation>
    </message>
    <message>
        <source>Bubble %1 size</source>
        <translation>Tamanho do balão %1</translation>
    </message>
    <message>
        <source>Drag to point the bubble</source>
        <translation>Arraste para apontar o balão</translation>
    </message>
    <message>
        <source>Drag to make the bubble bigger or smaller</source>
        <translation>Arraste para deixar o balão maior ou menor</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone speak</source>
        <translation>Arraste até uma imagem para alguém falar</translation>
    </message>
    <message>
        <source>Drag onto a picture to make someone think</source>
        <translation>Arraste até uma imagem para alguém pensar</translation>
    </message>
    <message>
        <source>Drag onto a picture to add some words</source>
        <translation>Arraste até uma imagem para pôr algumas palavras</translation>
    </message>
    <message>
        <source>Drop a bubble here to throw it away</source>
        <translation>Solte um balão aqui para jogá-lo fora</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anel</translation>
    </message>
    <message>
        <source>Turn clockwise</source>
        <translation>Girar no sentido horário</translation>
    </message>
    <message>
        <source>Turn anticlockwise</source>
        <translation>Girar no sentido anti-horário</translation>
    </message>
    <message>
        <source>Sheet of copies</source>
        <translation>Folha de cópias</translation>
    </message>
    <message>
        <source>Fewest copies</source>
        <translation>Menos cópias</translation>
    </message>
    <message>
        <source>Most copies</source>
        <translation>Mais cópias</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Número de cópias</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Bigger text</source>
        <translation>Texto maior</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>Texto menor</translation>
    </message>
    <message>
        <source>Felt pens</source>
        <translation>Canetinhas</translation>
    </message>
    <message>
        <source>Paint tools</source>
        <translation>Pintura</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmera</translation>
    </message>
    <message>
        <source>Use this border</source>
        <translation>Usar esta moldura</translation>
    </message>
    <message>
        <source>Read it to me</source>
        <translation>Leia para mim</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Pick a paint tool over there!</source>
        <translation>Escolha uma ferramenta de pintura ali!</translation>
    </message>
    <message>
        <source>Pick a felt pen over there!</source>
        <translation>Escolha uma canetinha ali!</translation>
    </message>
    <message>
        <source>Leaflet</source>
        <translation>Folheto</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Open the flap</source>
        <translation>Abrir a aba</translation>
    </message>
    <message>
        <source>Close the flap</source>
        <translation>Fechar a aba</translation>
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
        <translation>Caixa de texto %1</translation>
    </message>
    <message>
        <source>Rich text box %1</source>
        <translation>Caixa de texto formatado %1</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Imagem %1</translation>
    </message>
    <message>
        <source>Turn over</source>
        <translation>Virar</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>More columns</source>
        <translation>Mais colunas</translation>
    </message>
    <message>
        <source>Fewer columns</source>
        <translation>Menos colunas</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Mais linhas</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Menos linhas</translation>
    </message>
    <message>
        <source>Layouts</source>
        <translation>Modelos</translation>
    </message>
    <message>
        <source>Sorry. That layout couldn&apos;t be used. Your work is still here.</source>
        <translation>Desculpe. Não foi possível usar esse modelo. Seu trabalho continua aqui.</translation>
    </message>
    <message>
        <source>Save Work</source>
        <translation>Salvar trabalho</translation>
    </message>
    <message>
        <source>Open Work</source>
        <translation>Abrir trabalho</translation>
    </message>
    <message>
        <source>Your work</source>
        <translation>Seu trabalho</translation>
    </message>
    <message>
        <source>Picture of your work</source>
        <translation>Imagem do seu trabalho</translation>
    </message>
    <message>
        <source>Throw away</source>
        <translation>Jogar fora</translation>
    </message>
    <message>
        <source>Open it</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>There is already a work called &apos;%1&apos;. Replace it?</source>
        <translation>Já existe um trabalho chamado &apos;%1&apos;. Substituir?</translation>
    </message>
    <message>
        <source>No pictures of this work yet.</source>
        <translation>Ainda não há imagens deste trabalho.</translation>
    </message>
    <message>
        <source>Watch it grow</source>
        <translation>Veja crescer</translation>
    </message>
    <message>
        <source>Progress pictures</source>
        <translation>Imagens do progresso</translation>
    </message>
    <message>
        <source>More files</source>
        <translation>Mais arquivos</translation>
    </message>
    <message>
        <source>Type a name for your work first.</source>
        <translation>Primeiro digite um nome para o seu trabalho.</translation>
    </message>
    <message>
        <source>Choose a work to open first.</source>
        <translation>Primeiro escolha um trabalho para abrir.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Divider %1</source>
        <translation>Divisória %1</translation>
    </message>
    <message>
        <source>Drag onto the page to add some writing</source>
        <translation>Arraste até a página para escrever</translation>
    </message>
    <message>
        <source>Drag onto the page to add a picture</source>
        <translation>Arraste até a página para pôr uma imagem</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Pintar</translation>
    </message>
    <message>
        <source>Do you want to paint on this picture?</source>
        <translation>Você quer pintar nesta imagem?</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Paint on this picture</source>
        <translation>Pintar nesta imagem</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segmentos</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Size?</source>
        <translation>Tamanho?</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeno</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Espere um pouco</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espere um pouco...</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Salvar?</translation>
    </message>
    <message>
        <source>Don&apos;t keep it</source>
        <translation>Não guardar</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Border magnifier</source>
        <translation>Lupa da moldura</translation>
    </message>
    <message>
        <source>Border picture</source>
        <translation>Imagem da moldura</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Importar imagem</translation>
    </message>
    <message>
        <source>Fill the box</source>
        <translation>Preencher tudo</translation>
    </message>
    <message>
        <source>Show it all</source>
        <translation>Mostrar tudo</translation>
    </message>
    <message>
        <source>Thick pen</source>
        <translation>Caneta grossa</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lápis</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Retângulo cheio</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>Círculo cheio</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Linha reta</translation>
    </message>
    <message>
        <source>Paint pot</source>
        <translation>Balde de tinta</translation>
    </message>
    <message>
        <source>Starburst</source>
        <translation>Estrela</translation>
    </message>
    <message>
        <source>Scribble</source>
        <translation>Rabisco</translation>
    </message>
    <message>
        <source>Splat</source>
        <translation>Mancha</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>Verde-vivo</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Cinza-claro</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Azul-escuro</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Pêssego</translation>
    </message>
    <message>
        <source>Olive green</source>
        <translation>Verde-oliva</translation>
    </message>
    <message>
        <source>Ginger</source>
        <translation>Acobreado</translation>
    </message>
    <message>
        <source>Bright pink</source>
        <translation>Rosa-choque</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Pale yellow</source>
        <translation>Amarelo-claro</translation>
    </message>
    <message>
        <source>Pale green</source>
        <translation>Verde-claro</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Mint green</source>
        <translation>Verde-menta</translation>
    </message>
    <message>
        <source>Navy blue</source>
        <translation>Azul-marinho</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Vermelho-escuro</translation>
    </message>
    <message>
        <source>Bright red</source>
        <translation>Vermelho-vivo</translation>
    </message>
    <message>
        <source>Light red</source>
        <translation>Vermelho-claro</translation>
    </message>
    <message>
        <source>Rust</source>
        <translation>Ferrugem</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Âmbar</translation>
    </message>
    <message>
        <source>Golden yellow</source>
        <translation>Amarelo-ouro</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limão</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Mostarda</translation>
    </message>
    <message>
        <source>Leaf green</source>
        <translation>Verde-folha</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Azul-petróleo</translation>
    </message>
    <message>
        <source>Lilac</source>
        <translation>Lilás</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>Azul-pálido</translation>
    </message>
    <message>
        <source>Royal blue</source>
        <translation>Azul-royal</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Light pink</source>
        <translation>Rosa-claro</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <translation>Castanho</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Carmesim</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordô</translation>
    </message>
    <message>
        <source>Coal black</source>
        <translation>Preto-carvão</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Cinza-escuro</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>Grafite</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prateado</translation>
    </message>
    <message>
        <source>Picture menu</source>
        <translation>Menu da imagem</translation>
    </message>
    <message>
        <source>Sorry. This picture couldn&apos;t be opened.</source>
        <translation>Desculpe. Não foi possível abrir esta imagem.</translation>
    </message>
    <message>
        <source>This page has no picture for the camera.</source>
        <translation>Esta página não tem imagem para a câmera.</translation>
    </message>
    <message>
        <source>Touch a picture on the page first, then the camera.</source>
        <translation>Toque primeiro numa imagem da página e depois na câmera.</translation>
    </message>
    <message>
        <source>Sorry. The picture couldn&apos;t be taken.</source>
        <translation>Desculpe. Não foi possível tirar a foto.</translation>
    </message>
    <message>
        <source>Sorry. No webcam was found.</source>
        <translation>Desculpe. Nenhuma webcam foi encontrada.</translation>
    </message>
    <message>
        <source>Sorry. The webcam isn&apos;t working.</source>
        <translation>Desculpe. A webcam não está funcionando.</translation>
    </message>
    <message>
        <source>In colour</source>
        <translation>Colorida</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Preto e branco</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Foto antiga</translation>
    </message>
    <message>
        <source>Pop art</source>
        <translation>Pop art</translation>
    </message>
    <message>
        <source>Take a picture</source>
        <translation>Tirar uma foto</translation>
    </message>
    <message>
        <source>Take the picture</source>
        <translation>Tirar a foto</translation>
    </message>
    <message>
        <source>Lighter or darker</source>
        <translation>Mais claro ou mais escuro</translation>
    </message>
    <message>
        <source>Darker</source>
        <translation>Mais escuro</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Mais claro</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Esconder</translation>
    </message>
    <message>
        <source>How to fold</source>
        <translation>Como dobrar</translation>
    </message>
    <message>
        <source>Print on both sides, turning the sheet over on its short edge.</source>
        <translation>Imprima dos dois lados, virando a folha pela borda curta.</translation>
    </message>
    <message>
        <source>Leaflets always print at full size, so that the folds meet.</source>
        <translation>Os folhetos são sempre impressos em tamanho real, para que as dobras se encontrem.</translation>
    </message>
    <message>
        <source>Fold the top half back, behind the sheet.</source>
        <translation>Dobre a metade de cima para trás da folha.</translation>
    </message>
    <message>
        <source>Fold the bottom half back, behind the sheet.</source>
        <translation>Dobre a metade de baixo para trás da folha.</translation>
    </message>
    <message>
        <source>Fold the right side in.</source>
        <translation>Dobre o lado direito para dentro.</translation>
    </message>
    <message>
        <source>Fold the left side over. The cover is now on top.</source>
        <translation>Dobre o lado esquerdo por cima. Agora a capa fica em cima.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salvar como PDF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Arquivo PDF</translation>
    </message>
    <message>
        <source>Print?</source>
        <translation>Imprimir?</translation>
    </message>
    <message>
        <source>How many?</source>
        <translation>Quantas?</translation>
    </message>
    <message>
        <source>Check printer is set to A4</source>
        <translation>Confira se a impressora está em A4</translation>
    </message>
    <message>
        <source>Pen %1</source>
        <translation>Caneta %1</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Tamanhos</translation>
    </message>
    <message>
        <source>All text boxes</source>
        <translation>Todas as caixas de texto</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>On screen keyboard</source>
        <translation>Teclado na tela</translation>
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
        <translation>Fechar teclado</translation>
    </message>
    <message>
        <source>Open keyboard</source>
        <translation>Abrir teclado</translation>
    </message>
    <message>
        <source>Pull down</source>
        <translation>Puxar para baixo</translation>
    </message>
    <message>
        <source>No voice is installed</source>
        <translation>Nenhuma voz está instalada</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Text toolbar</source>
        <translation>Barra de texto</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sublinhado</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Cor %1</translation>
    </message>
    <message>
        <source>The text is not in Rich Text Format.</source>
        <translation>O texto não está em formato RTF.</translation>
    </message>
    <message>
        <source>The text is too long to be read.</source>
        <translation>O texto é longo demais para ser lido.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formas</translation>
    </message>
    <message>
        <source>Printing on both sides? Flip on the short edge.</source>
        <translation>Imprimindo dos dois lados? Vire pela borda curta.</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Livrinho</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Cartão</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Multi</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Jornal</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Mural</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Molduras</translation>
    </message>
    <message>
        <source>My layout</source>
        <translation>Meu modelo</translation>
    </message>
    <message>
        <source>Posters</source>
        <translation>Cartazes</translation>
    </message>
    <message>
        <source>Picture, row %1 column %2</source>
        <translation>Imagem, linha %1 coluna %2</translation>
    </message>
    <message>
        <source>Words, row %1 column %2</source>
        <translation>Palavras, linha %1 coluna %2</translation>
    </message>
    <message>
        <source>Quillora Files</source>
        <translation>Arquivos do Quillora</translation>
    </message>
    <message>
        <source>PNG file</source>
        <translation>Arquivo PNG</translation>
    </message>
    <message>
        <source>%1 felt pen</source>
        <translation>Canetinha (%1)</translation>
    </message>
    <message>
        <source>%1 pen lid</source>
        <translation>Tampa da canetinha (%1)</translation>
    </message>
    <message>
        <source>Pen sizes</source>
        <translation>Tamanhos da caneta</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>Tamanho %1</translation>
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
        <translation>O idioma do computador</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A long press opens the picture menu</source>
        <translation>Um toque longo abre o menu da imagem</translation>
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
        <translation>Aperte mais a caneta para uma linha mais grossa</translation>
    </message>
</context>
</TS>
