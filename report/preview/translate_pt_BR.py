#!/usr/bin/env python3
# Fills the Brazilian Portuguese translation of the preview's texts. After
# changing a text, from this folder:
#   rm quitanza_report_preview_pt_BR.ts
#   /usr/lib/qt6/bin/lupdate -no-obsolete -locations none -target-language pt_BR \
#       *.h *.cpp -ts quitanza_report_preview_pt_BR.ts
#   python3 translate_pt_BR.py quitanza_report_preview_pt_BR.ts
# lupdate's parser does not follow "namespace a::b {", so the contexts are
# given their namespace here, as tr() looks them up at run time.
import re
import sys

PT = {
    "Search from beginning": "Procurar desde o início",
    "Case sensitive": "Diferenciar maiúsculas e minúsculas",
    "Find Text": "Localizar texto",
    "Text to find:": "Texto a localizar:",
    "Search options": "Opções de busca",
    "OK": "OK",
    "Cancel": "Cancelar",
    "Portrait": "Retrato",
    "Landscape": "Paisagem",
    "Apply to the current page": "Aplicar à página atual",
    "Apply to all pages": "Aplicar a todas as páginas",
    "Page Settings": "Configurar página",
    "Custom": "Personalizado",
    "Paper": "Papel",
    "Width": "Largura",
    "Height": "Altura",
    "Orientation": "Orientação",
    "Margins": "Margens",
    "Left": "Esquerda",
    "Top": "Superior",
    "Right": "Direita",
    "Bottom": "Inferior",
    "Other": "Aplicação",
    "Export to PDF": "Exportar para PDF",
    "Export": "Exportar",
    "Information": "Informações",
    "Security": "Segurança",
    "Viewer": "Visualizador",
    " Page range  ": " Intervalo de páginas  ",
    "All": "Todas",
    "Current page": "Página atual",
    "Pages:": "Páginas:",
    "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12":
        "Informe números e/ou intervalos de páginas, separados por vírgulas. Por exemplo, 1,3,5-12",
    " Export settings ": " Opções de exportação ",
    "Compressed": "Compactado",
    "Embedded fonts": "Fontes embutidas",
    "Background": "Fundo",
    "Print optimized": "Otimizado para impressão",
    "Outline": "Estrutura",
    "JPEG Quality": "Qualidade JPEG",
    "Open after export": "Abrir após exportar",
    "Document information": "Informações do documento",
    "Title": "Título",
    "Author": "Autor",
    "Subject": "Assunto",
    "Keywords": "Palavras-chave",
    "Creator": "Criador",
    "Producer": "Produtor",
    "Authentification": "Autenticação",
    "Owner password": "Senha do proprietário",
    "User password": "Senha do usuário",
    "Permissions": "Permissões",
    "Print the document": "Imprimir o documento",
    "Modify the document": "Modificar o documento",
    "Copy of text and graphics": "Copiar texto e gráficos",
    "Add or modify text annotations": "Adicionar ou modificar anotações",
    "Viewer preferences": "Preferências do visualizador",
    "Hide toolbar": "Ocultar barra de ferramentas",
    "Hide menubar": "Ocultar barra de menus",
    "Hide window user interface": "Ocultar interface da janela",
    "Fit window": "Ajustar à janela",
    "Center window": "Centralizar janela",
    "Print scaling": "Escala de impressão",
    "&apos;%1&apos; is not a valid integer value": "&apos;%1&apos; não é um número inteiro válido",
    "Adobe PDF file": "Arquivo PDF da Adobe",
    "Saving file...": "Salvando arquivo...",
    "Loading file...": "Carregando arquivo...",
    "Printing is not available in this program": "A impressão não está disponível neste programa",
    "Prepared Report": "Relatório preparado",
    "Print": "Imprimir",
    "Open": "Abrir",
    "Save": "Salvar",
    "Send by E-mail": "Enviar por e-mail",
    "Find": "Localizar",
    "Zoom In": "Aumentar zoom",
    "Page width": "Largura da página",
    "Whole page": "Página inteira",
    "Zoom": "Zoom",
    "Zoom Out": "Diminuir zoom",
    "Full Screen": "Tela cheia",
    "Report outline": "Estrutura do relatório",
    "Thumbnails": "Miniaturas",
    "Edit": "Editar",
    "Edit Page": "Editar página",
    "First": "Primeira",
    "First Page": "Primeira página",
    "Prior": "Anterior",
    "Prior Page": "Página anterior",
    "Page Number": "Número da página",
    "Next": "Próxima",
    "Next Page": "Próxima página",
    "Last": "Última",
    "Last Page": "Última página",
    "Close": "Fechar",
    "Preview": "Visualização",
    "First pass: page ": "Primeira passagem: página ",
    "Page %d of %d": "Página %d de %d",
    "Text not found": "Texto não encontrado",
    "PDF file": "Arquivo PDF",
    "Cannot open %1": "Não foi possível abrir %1",
    "Exporting page %d": "Exportando a página %d",
    "Collapse all": "Recolher tudo",
    "Expand all": "Expandir tudo",
}

path = sys.argv[1]
text = open(path, encoding="utf-8").read()
# Qt's own contexts are translated by Qt's files.
text = re.sub(r"<context>\s*<name>Q[A-Z]\w*</name>.*?</context>\s*", "", text, flags=re.S)
text = re.sub(r"<name>(?!quitanza::)(\w+)</name>", r"<name>quitanza::report::\1</name>", text)
merged = {}
for name, body in re.findall(r"<context>\s*<name>(.*?)</name>(.*?)</context>", text, flags=re.S):
    merged.setdefault(name, []).append(body)
missing = []


def translate(match):
    source = match.group(1)
    if source not in PT:
        missing.append(source)
        return match.group(0)
    return "<source>%s</source>\n        <translation>%s</translation>" % (source, PT[source])


out = ['<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="pt_BR">\n']
for name in sorted(merged):
    out.append("<context>\n    <name>%s</name>" % name)
    for body in merged[name]:
        out.append(re.sub(r"<source>(.*?)</source>\s*<translation[^>]*>.*?</translation>", translate, body, flags=re.S).rstrip() + "\n")
    out.append("</context>\n")
out.append("</TS>\n")
open(path, "w", encoding="utf-8").write("".join(out))
if missing:
    sys.exit("No translation for: " + ", ".join(missing))
