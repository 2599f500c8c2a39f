<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>quitanza::report::ExportProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Exporting page %d</source>
        <translation>Exportando a página %d</translation>
    </message>
</context>
<context>
    <name>quitanza::report::DialogButtons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>quitanza::report::FindDialog</name>
    <message>
        <source>Search from beginning</source>
        <translation>Procurar desde o início</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Diferenciar maiúsculas e minúsculas</translation>
    </message>
    <message>
        <source>Find Text</source>
        <translation>Localizar texto</translation>
    </message>
    <message>
        <source>Text to find:</source>
        <translation>Texto a localizar:</translation>
    </message>
    <message>
        <source>Search options</source>
        <translation>Opções de busca</translation>
    </message>
</context>
<context>
    <name>quitanza::report::PageSettingsDialog</name>
    <message>
        <source>Portrait</source>
        <translation>Retrato</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paisagem</translation>
    </message>
    <message>
        <source>Apply to the current page</source>
        <translation>Aplicar à página atual</translation>
    </message>
    <message>
        <source>Apply to all pages</source>
        <translation>Aplicar a todas as páginas</translation>
    </message>
    <message>
        <source>Page Settings</source>
        <translation>Configurar página</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientação</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margens</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Aplicação</translation>
    </message>
</context>
<context>
    <name>quitanza::report::PdfExportDialog</name>
    <message>
        <source>Export to PDF</source>
        <translation>Exportar para PDF</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Segurança</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Visualizador</translation>
    </message>
    <message>
        <source> Page range  </source>
        <translation> Intervalo de páginas  </translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Página atual</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Páginas:</translation>
    </message>
    <message>
        <source>Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12</source>
        <translation>Informe números e/ou intervalos de páginas, separados por vírgulas. Por exemplo, 1,3,5-12</translation>
    </message>
    <message>
        <source> Export settings </source>
        <translation> Opções de exportação </translation>
    </message>
    <message>
        <source>Compressed</source>
        <translation>Compactado</translation>
    </message>
    <message>
        <source>Embedded fonts</source>
        <translation>Fontes embutidas</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Print optimized</source>
        <translation>Otimizado para impressão</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Estrutura</translation>
    </message>
    <message>
        <source>JPEG Quality</source>
        <translation>Qualidade JPEG</translation>
    </message>
    <message>
        <source>Open after export</source>
        <translation>Abrir após exportar</translation>
    </message>
    <message>
        <source>Document information</source>
        <translation>Informações do documento</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Assunto</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palavras-chave</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>Criador</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Produtor</translation>
    </message>
    <message>
        <source>Authentification</source>
        <translation>Autenticação</translation>
    </message>
    <message>
        <source>Owner password</source>
        <translation>Senha do proprietário</translation>
    </message>
    <message>
        <source>User password</source>
        <translation>Senha do usuário</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permissões</translation>
    </message>
    <message>
        <source>Print the document</source>
        <translation>Imprimir o documento</translation>
    </message>
    <message>
        <source>Modify the document</source>
        <translation>Modificar o documento</translation>
    </message>
    <message>
        <source>Copy of text and graphics</source>
        <translation>Copiar texto e gráficos</translation>
    </message>
    <message>
        <source>Add or modify text annotations</source>
        <translation>Adicionar ou modificar anotações</translation>
    </message>
    <message>
        <source>Viewer preferences</source>
        <translation>Preferências do visualizador</translation>
    </message>
    <message>
        <source>Hide toolbar</source>
        <translation>Ocultar barra de ferramentas</translation>
    </message>
    <message>
        <source>Hide menubar</source>
        <translation>Ocultar barra de menus</translation>
    </message>
    <message>
        <source>Hide window user interface</source>
        <translation>Ocultar interface da janela</translation>
    </message>
    <message>
        <source>Fit window</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>Center window</source>
        <translation>Centralizar janela</translation>
    </message>
    <message>
        <source>Print scaling</source>
        <translation>Escala de impressão</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; não é um número inteiro válido</translation>
    </message>
    <message>
        <source>Adobe PDF file</source>
        <translation>Arquivo PDF da Adobe</translation>
    </message>
</context>
<context>
    <name>quitanza::report::Preview</name>
    <message>
        <source>Collapse all</source>
        <translation>Recolher tudo</translation>
    </message>
    <message>
        <source>Expand all</source>
        <translation>Expandir tudo</translation>
    </message>
    <message>
        <source>Saving file...</source>
        <translation>Salvando arquivo...</translation>
    </message>
    <message>
        <source>Loading file...</source>
        <translation>Carregando arquivo...</translation>
    </message>
    <message>
        <source>Printing is not available in this program</source>
        <translation>A impressão não está disponível neste programa</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Não foi possível abrir %1</translation>
    </message>
</context>
<context>
    <name>quitanza::report::PreviewForm</name>
    <message>
        <source>Prepared Report</source>
        <translation>Relatório preparado</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
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
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Exportar para PDF</translation>
    </message>
    <message>
        <source>Send by E-mail</source>
        <translation>Enviar por e-mail</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Aumentar zoom</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Largura da página</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Página inteira</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Diminuir zoom</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Estrutura</translation>
    </message>
    <message>
        <source>Report outline</source>
        <translation>Estrutura do relatório</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturas</translation>
    </message>
    <message>
        <source>Page Settings</source>
        <translation>Configurar página</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit Page</source>
        <translation>Editar página</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primeira</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Primeira página</translation>
    </message>
    <message>
        <source>Prior</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Prior Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Page Number</source>
        <translation>Número da página</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; não é um número inteiro válido</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próxima</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>First pass: page </source>
        <translation>Primeira passagem: página </translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Página %d de %d</translation>
    </message>
    <message>
        <source>Text not found</source>
        <translation>Texto não encontrado</translation>
    </message>

    <message>
        <source>PDF file</source>
        <translation>Arquivo PDF</translation>
    </message>
</context>
</TS>
