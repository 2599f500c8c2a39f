<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Propriedades...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Print to file</source>
        <translation>Imprimir em arquivo</translation>
    </message>
    <message>
        <source>Where:</source>
        <translation>Onde:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
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
        <translation>Informe números e/ou intervalos de páginas separados por vírgulas. Por exemplo, 1,3,5-12</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Cópias</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Número de cópias</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Agrupar</translation>
    </message>
    <message>
        <source>Print mode</source>
        <translation>Modo de impressão</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Split big pages</source>
        <translation>Dividir páginas grandes</translation>
    </message>
    <message>
        <source>Join small pages</source>
        <translation>Juntar páginas pequenas</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Ajustar à folha</translation>
    </message>
    <message>
        <source>Print on sheet</source>
        <translation>Imprimir na folha</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>Todas as páginas</translation>
    </message>
    <message>
        <source>Odd pages</source>
        <translation>Páginas ímpares</translation>
    </message>
    <message>
        <source>Even pages</source>
        <translation>Páginas pares</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Frente e verso</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Só frente</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordem</translation>
    </message>
    <message>
        <source>Direct (1-9)</source>
        <translation>Direta (1-9)</translation>
    </message>
    <message>
        <source>Reverse (9-1)</source>
        <translation>Inversa (9-1)</translation>
    </message>
    <message>
        <source>Printer file (*.prn)</source>
        <translation>Arquivo de impressora (*.prn)</translation>
    </message>
</context>
<context>
    <name>PrintProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Printing page %1</source>
        <translation>Imprimindo a página %1</translation>
    </message>
</context>
<context>
    <name>quitanza::report::Print</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>No printers installed on your system</source>
        <translation>Nenhuma impressora instalada no sistema</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not installed</source>
        <translation>A impressora &quot;%1&quot; não está instalada</translation>
    </message>
</context>
<context>
    <name>quitanza::report::Printer</name>
    <message>
        <source>Printer selected is not valid</source>
        <translation>A impressora selecionada não é válida</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>No printers installed on your system</source>
        <translation>Nenhuma impressora instalada no sistema</translation>
    </message>
    <message>
        <source>The printer %1 did not accept the job</source>
        <translation>A impressora %1 não aceitou o trabalho</translation>
    </message>
    <message>
        <source>The printer %1 did not accept a new page</source>
        <translation>A impressora %1 não aceitou uma nova página</translation>
    </message>
    <message>
        <source>The printer %1 did not complete the job</source>
        <translation>A impressora %1 não concluiu o trabalho</translation>
    </message>
</context>
</TS>
