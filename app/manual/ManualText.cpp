#include "app/manual/ManualText.h"

namespace quitanza::app {

namespace {

ManualBlock Title(const char16_t* text)
{
  return {ManualBlock::BlockKind::Title, QString::fromUtf16(text)};
}

ManualBlock Heading(const char16_t* text)
{
  return {ManualBlock::BlockKind::Heading, QString::fromUtf16(text)};
}

ManualBlock Paragraph(const char16_t* text)
{
  return {ManualBlock::BlockKind::Paragraph, QString::fromUtf16(text)};
}

ManualBlock Picture(const char16_t* window)
{
  return {ManualBlock::BlockKind::Picture, QString::fromUtf16(window)};
}

}  // namespace

std::vector<ManualBlock> ManualText()
{
  return {
    Title(u"Quitanza - Manual do operador"),
    Paragraph(u"O Quitanza emite recibos de recebimento e de pagamento. Cada recibo recebe um número em sequência, "
              u"o valor escrito por extenso e um código de autenticação que permite conferir, mais tarde, se um "
              u"recibo impresso é verdadeiro. Todo recibo emitido fica guardado no registro do programa, de onde "
              u"pode ser consultado, impresso de novo ou excluído."),
    Paragraph(u"Tudo pode ser feito com o teclado ou com o mouse. A tecla Enter passa para o campo seguinte, como "
              u"a tecla Tab. As letras sublinhadas nos botões acionam o botão junto com a tecla Alt: Alt+E emite, "
              u"Alt+L limpa, Alt+F fecha. A tecla F1 abre este manual."),
    Picture(u"frmPrincipal"),

    Heading(u"1. Configurar o emitente"),
    Paragraph(u"Antes do primeiro recibo, informe quem emite os recibos. Na janela principal, clique em "
              u"Configuração. Preencha o nome da empresa, o endereço, o bairro, a cidade, o CPF ou CNPJ, o telefone "
              u"com DDD, o e-mail e o site. Esses dados saem no cabeçalho de todos os recibos."),
    Paragraph(u"Para pôr a logomarca no recibo, clique no botão de pasta no fim do campo Imagem e escolha o arquivo "
              u"da figura (PNG, JPG, BMP e outros formatos comuns). A figura aparece ao lado dos campos. A logomarca "
              u"sai nos recibos de recebimento."),
    Paragraph(u"Clique em Salvar para gravar. Fechar ou a tecla Esc saem sem gravar. Os novos dados valem a partir "
              u"do próximo recibo."),
    Paragraph(u"Atenção: o CPF ou CNPJ do emitente entra no código de autenticação. Depois de alterá-lo, os recibos "
              u"emitidos antes da alteração não são mais confirmados pela verificação de autenticação."),
    Picture(u"frmConfiguracao"),

    Heading(u"2. Emitir um recibo"),
    Paragraph(u"Na janela principal, escolha o tipo: Recebimento, para dinheiro recebido, ou Pagamento, para "
              u"dinheiro pago. Digite o nome do cliente, o CPF ou o CNPJ (só os números; o CNPJ com letras também é "
              u"aceito), o valor e a que se refere o pagamento. O nome do cliente e o valor são obrigatórios."),
    Paragraph(u"Os campos conferem o que foi digitado ao sair deles: um CPF ou CNPJ com dígitos errados é recusado "
              u"com uma mensagem, e o cursor fica no campo para a correção. O valor é escrito com pontos de milhar e "
              u"duas casas decimais, por exemplo 1.500,00."),
    Paragraph(u"Clique em Emitir ou tecle Alt+E. O programa numera o recibo, escreve o valor por extenso, calcula "
              u"a autenticação e mostra o recibo na visualização, de onde ele pode ser impresso ou salvo em PDF. "
              u"Ao fechar a visualização, o recibo fica guardado no registro e os campos são limpos para o próximo. "
              u"O número é consumido mesmo que o recibo não seja impresso."),
    Paragraph(u"O botão Limpar apaga os campos sem emitir nada; o tipo escolhido continua o mesmo."),

    Heading(u"3. Consultar, imprimir de novo e excluir"),
    Paragraph(u"Clique em Consultar/Reimprimir. A janela lista os recibos guardados com o cliente, o CPF ou CNPJ e o "
              u"valor. Escolha uma linha com o mouse ou com as setas."),
    Paragraph(u"Imprimir, ou um clique duplo na linha, mostra o recibo de novo na visualização, com o mesmo número "
              u"e a mesma autenticação. Os dados do emitente e a logomarca são os da configuração atual."),
    Paragraph(u"Excluir apaga a linha escolhida depois da pergunta \u201cDeseja realmente excluir?\u201d. A exclusão "
              u"não pode ser desfeita depois que o programa é fechado."),
    Picture(u"frmConsultar"),

    Heading(u"4. Verificar uma autenticação"),
    Paragraph(u"Para saber se um recibo impresso é verdadeiro, clique em Autenticar na janela principal. Digite o "
              u"número do recibo sem os zeros à esquerda (para N°: 0000000042, digite 42), o nome do cliente e o "
              u"valor exatamente como impressos, e clique em Autenticar."),
    Paragraph(u"O programa mostra o código que o recibo deve ter. Compare-o com o código impresso depois de "
              u"\u201cAutenticação:\u201d. Se forem iguais, o recibo foi emitido por este programa com esses dados."),
    Picture(u"frmAutenticar"),

    Heading(u"5. Onde ficam os dados"),
    Paragraph(u"O Quitanza guarda os dados em arquivos na pasta de dados do usuário, ~/.local/share/Quitanza "
              u"(\u201cquitanza --dados-padrao\u201d mostra qual é), ou na pasta dada com a opção --dados: config.ini "
              u"tem os dados do emitente e o número do último recibo; recibo.xml tem o registro dos recibos. Os "
              u"modelos dos recibos, Recibo.fr3 e Pagar.fr3, vêm com o programa; um modelo posto na pasta de dados "
              u"toma o lugar do que vem com o programa. A figura da logomarca fica onde foi escolhida."),
    Paragraph(u"O registro é gravado a cada recibo emitido e quando a janela principal é fechada. Se o arquivo "
              u"recibo.xml não puder ser lido, o programa avisa e não grava por cima dele: guarde uma cópia e "
              u"procure ajuda antes de continuar."),

    Heading(u"6. Cópia de segurança"),
    Paragraph(u"Feche o programa e copie os arquivos config.ini e recibo.xml, e também a figura da logomarca, para "
              u"um pendrive ou outro computador. Faça a cópia com frequência, por exemplo toda semana."),
    Paragraph(u"Para restaurar, feche o programa e ponha as cópias de volta na mesma pasta. Restaure sempre os "
              u"dois arquivos juntos, para que a numeração dos recibos continue a partir do último emitido."),
  };
}

}  // namespace quitanza::app
