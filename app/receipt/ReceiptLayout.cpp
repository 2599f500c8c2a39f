#include "app/receipt/ReceiptLayout.h"

#include "app/receipt/MakerLogo.h"
#include "report/model/Class.h"

#include <array>

namespace quitanza::app {

using namespace platform;
using namespace report;

namespace {

constexpr long double Millimetres(long double millimetres) { return millimetres * fr1mm; }

enum class ObjectKind { Shape, Line, Picture, Memo };

// One object of the first copy. Positions that are whole or half millimetres
// are given as such; the others are the values of the original layout.
struct ObjectSpec {
  ObjectKind kind;
  QStringView name;
  long double left, top, width, height;
  int fontPixels;  // 0: the page's font
  bool bold;
  quitanza::report::HAlign align;
  QStringView text;
};

using K = ObjectKind;

// clang-format off
constexpr std::array<ObjectSpec, 31> kFirstCopy = {{
    {K::Shape,   u"Shape1",     Millimetres(2),    Millimetres(2),    Millimetres(186),   Millimetres(113),  0,  false, HAlign::Left,   u""},
    {K::Line,    u"Line1",      Millimetres(2),    Millimetres(27),   Millimetres(186),   0,        0,  false, HAlign::Left,   u""},
    {K::Line,    u"Line2",      548.71L,  Millimetres(2),    0,         Millimetres(25),   0,  false, HAlign::Left,   u""},
    {K::Picture, u"Picture1",   Millimetres(4),    13.12L,   Millimetres(33),    Millimetres(22),   0,  false, HAlign::Left,   u""},
    {K::Memo,    u"Empresa",    148.30L,  8.12L,    Millimetres(105),   Millimetres(5),    16, true,  HAlign::Center, u"[Empresa]"},
    {K::Memo,    u"CPF_CNPJ",   148.30L,  29.24L,   Millimetres(105),   Millimetres(5),    11, true,  HAlign::Center, u"[CNPJ_Empresa]"},
    {K::Memo,    u"Endereco",   148.30L,  44.47L,   Millimetres(105),   Millimetres(5),    11, false, HAlign::Center, u"[Endereco]"},
    {K::Memo,    u"Cidade",     148.30L,  58.69L,   Millimetres(105),   Millimetres(5),    11, false, HAlign::Center, u"[Cidade]"},
    {K::Memo,    u"Email_Site", 148.30L,  83.83L,   Millimetres(105),   Millimetres(4),    11, false, HAlign::Center, u"[Email_Site]"},
    {K::Memo,    u"Memo1",      548.9295L, 11.11812L, Millimetres(43),  Millimetres(5),    16, true,  HAlign::Center, u"RECIBO"},
    {K::Memo,    u"Codigo",     552.49L,  Millimetres(9),    Millimetres(41),    Millimetres(5),    12, false, HAlign::Center, u"[Codigo]"},
    {K::Shape,   u"Shape2",     582.72L,  60.35L,   Millimetres(32),    Millimetres(7),    0,  false, HAlign::Left,   u""},
    {K::Memo,    u"Memo2",      556.27L,  64.13L,   Millimetres(7),     Millimetres(5),    13, true,  HAlign::Left,   u"R$:"},
    {K::Memo,    u"Valor",      584.72L,  64.03L,   Millimetres(31),    Millimetres(5),    13, true,  HAlign::Center, u"[Valor]"},
    {K::Memo,    u"Memo3",      Millimetres(4),    Millimetres(31),   109.17L,   Millimetres(5),    0,  false, HAlign::Left,   u"Recebi(emos) de:"},
    {K::Memo,    u"Cliente",    130.71L,  113.02L,  Millimetres(151),   Millimetres(5),    0,  false, HAlign::Left,   u"[CPF_CNPJ] - [Cliente]"},
    {K::Line,    u"Line3",      Millimetres(35),   134.28L,  Millimetres(151),   0,        0,  false, HAlign::Left,   u""},
    {K::Memo,    u"Memo9",      16,       145,      108,       16,       0,  false, HAlign::Left,   u"A importância de:"},
    {K::Memo,    u"Informacao", Millimetres(35),   141.06L,  Millimetres(151),   Millimetres(5),    0,  false, HAlign::Left,   u"[Informacao]"},
    {K::Line,    u"Line4",      Millimetres(35),   161.96L,  Millimetres(151),   0,        0,  false, HAlign::Left,   u""},
    {K::Memo,    u"Memo4",      Millimetres(4),    169.39L,  Millimetres(29),    Millimetres(5),    0,  false, HAlign::Left,   u"Referente a........:"},
    {K::Memo,    u"Referente",  Millimetres(35),   168.61L,  Millimetres(151),   Millimetres(22),   0,  false, HAlign::Left,   u"[Referente]"},
    {K::Memo,    u"Date",       Millimetres(4),    277.02L,  Millimetres(183),   Millimetres(5),    13, false, HAlign::Left,   u"[CidadeData] , [Date]"},
    {K::Line,    u"Line5",      328.94L,  367.82L,  Millimetres(99),    0,        0,  false, HAlign::Left,   u""},
    {K::Memo,    u"Memo7",      328.94L,  371.16L,  Millimetres(99),    Millimetres(5),    13, false, HAlign::Center, u"Assinatura"},
    {K::Memo,    u"Memo6",      13.98L,   381.17L,  Millimetres(25),    Millimetres(3),    8,  false, HAlign::Left,   u"Desenvolvido por:"},
    {K::Line,    u"Line7",      13.98L,   394.29L,  Millimetres(47),    0,        0,  false, HAlign::Left,   u""},
    {K::Picture, u"Picture2",   14.12L,   399.85L,  Millimetres(11),    Millimetres(8),    0,  false, HAlign::Left,   u""},
    {K::Memo,    u"Memo5",      58.25L,   399.85L,  Millimetres(50),    Millimetres(8),    8,  false, HAlign::Left,
     u"Quitanza - emissão de recibos\r\nwww.quitanza.com.br\r\ncontato@quitanza.com.br"},
    {K::Memo,    u"Memo8",      591.28L,  417.53L,  Millimetres(30),    Millimetres(5),    11, false, HAlign::Right,  u"1° Via"},
    {K::Memo,    u"MD5",        328.94L,  419.91L,  Millimetres(94),    Millimetres(5),    9,  false, HAlign::Left,   u"Autenticação: [MD5]"},
}};
// clang-format on

// The second copy, in the first copy's order: twin name, original name.
constexpr std::array<std::pair<QStringView, QStringView>, 31> kTwins = {{
    {u"Shape3", u"Shape1"},     {u"Line8", u"Line1"},       {u"Line9", u"Line2"},      {u"Picture3", u"Picture1"},
    {u"Memo12", u"Empresa"},    {u"Memo19", u"CPF_CNPJ"},   {u"Memo13", u"Endereco"},  {u"Memo14", u"Cidade"},
    {u"Memo15", u"Email_Site"}, {u"Memo10", u"Memo1"},      {u"Memo24", u"Codigo"},    {u"Shape4", u"Shape2"},
    {u"Memo11", u"Memo2"},      {u"Memo20", u"Valor"},      {u"Memo25", u"Memo3"},     {u"Memo18", u"Cliente"},
    {u"Line10", u"Line3"},      {u"Memo26", u"Memo9"},      {u"Memo27", u"Informacao"}, {u"Line12", u"Line4"},
    {u"Memo16", u"Memo4"},      {u"Memo17", u"Referente"},  {u"Memo22", u"Date"},      {u"Line11", u"Line5"},
    {u"Memo21", u"Memo7"},      {u"Memo30", u"Memo6"},      {u"Line13", u"Line7"},     {u"Picture4", u"Picture2"},
    {u"Memo29", u"Memo5"},      {u"Memo23", u"Memo8"},      {u"Memo28", u"MD5"},
}};

constexpr long double kCopyPitch = Millimetres(160);

// What the receipt certifies is shown whole: a text too long for its box at
// the template's size is set smaller, down to these sizes in points (the
// issuer's header lines may go smaller than the receipt's own lines). The
// twins take them with the rest of their original.
constexpr std::array<std::pair<QStringView, int>, 10> kSmallestSizes = {{
    {u"Empresa", 6}, {u"CPF_CNPJ", 6}, {u"Endereco", 6}, {u"Cidade", 6}, {u"Email_Site", 6},
    {u"Valor", 7}, {u"Cliente", 7}, {u"Informacao", 7}, {u"Referente", 7}, {u"Date", 7},
}};

constexpr std::array<QStringView, 14> kVariables = {
    u"Empresa", u"Endereco", u"Cidade",   u"Telefone", u"Email_Site", u"Informacao",   u"Valor",
    u"Cliente", u"Referente", u"CPF_CNPJ", u"Codigo",   u"MD5",        u"CNPJ_Empresa", u"CidadeData"};

Component* CreateObject(const ObjectSpec& spec, ReportPage& page)
{
  View* view = nullptr;
  switch (spec.kind) {
  case ObjectKind::Shape:
    view = new ShapeView(&page);
    break;
  case ObjectKind::Line: {
    auto* line = new LineView(&page);
    line->Diagonal = true;
    view = line;
    break;
  }
  case ObjectKind::Picture:
    view = new PictureView(&page);
    break;
  case ObjectKind::Memo: {
    auto* memo = new MemoView(&page);
    memo->HAlign = spec.align;
    memo->SetText(spec.text.toString());
    if (spec.fontPixels != 0) {
      Font font;
      font.Height = -spec.fontPixels;
      font.Style = spec.bold ? FontStyles(FontStyle::Bold) : FontStyles();
      memo->SetFont(font);
    }
    view = memo;
    break;
  }
  }
  view->SetName(spec.name.toString());
  view->SetBounds(spec.left, spec.top, spec.width, spec.height);
  return view;
}

void SetVariables(Report& report)
{
  report.Variables.Clear();
  report.Variables.SetValue(QStringLiteral(" Sistema"), QString());
  for (QStringView name : kVariables)
    report.Variables.SetValue(name.toString(), QString());
}

void BuildFirstCopy(Report& report, ReportPage& page)
{
  for (const ObjectSpec& spec : kFirstCopy)
    CreateObject(spec, page);

  auto* shape2 = static_cast<ShapeView*>(report.FindObject(QStringLiteral("Shape2")));
  shape2->Color = clSilver;
  static_cast<PictureView*>(report.FindObject(QStringLiteral("Picture1")))->Center = true;
  Picture logo;
  logo.SetImage(DrawMakerLogo());
  static_cast<PictureView*>(report.FindObject(QStringLiteral("Picture2")))->SetPicture(logo);
  for (const auto& [name, points] : kSmallestSizes)
    static_cast<MemoView*>(report.FindObject(name.toString()))->MinFontSize = points;
  auto* date = static_cast<MemoView*>(report.FindObject(QStringLiteral("Date")));
  date->DisplayFormat.Kind = FormatKind::DateTime;
  date->DisplayFormat.FormatStr = QStringLiteral("dddd, dd \"de\" mmmm \"de\" yyyy");
}

void BuildCutLine(ReportPage& page)
{
  auto* cut = new LineView(&page);
  cut->SetName(QStringLiteral("Line6"));
  cut->SetBounds(0, 525.13L, Millimetres(190), 0);
  cut->Diagonal = true;
  cut->Frame.SetStyle(FrameStyle::Dot);
}

void BuildSecondCopy(Report& report, ReportPage& page)
{
  for (const auto& [twinName, originalName] : kTwins) {
    Component* original = report.FindObject(originalName.toString());
    Component* twin = FindClass(original->ClassName())(&page);
    twin->Assign(*original);
    twin->SetName(twinName.toString());
    twin->SetTop(original->Top() + kCopyPitch);
  }
  auto* via = static_cast<MemoView*>(report.FindObject(QStringLiteral("Memo23")));
  via->SetText(QStringLiteral("2° Via"));
  via->SetTop(417.53L + 605.95L);
  report.FindObject(QStringLiteral("Memo24"))->SetLeft(550.49L);
  report.FindObject(QStringLiteral("Memo24"))->SetWidth(Millimetres(42));
  report.FindObject(QStringLiteral("Memo27"))->SetLeft(130.77L);
  report.FindObject(QStringLiteral("Memo22"))->SetWidth(Millimetres(182));
  report.FindObject(QStringLiteral("Memo28"))->SetWidth(Millimetres(95));
}

// The payment receipt says who was paid instead of who paid.
void WordForPayment(Report& report)
{
  for (QStringView name : {u"Memo1", u"Memo10"}) {
    auto* title = static_cast<MemoView*>(report.FindObject(name.toString()));
    title->SetText(QStringLiteral("RECIBO DE PAGAMENTO"));
    Font font = title->Font();
    font.Height = -12;
    title->SetFont(font);
  }
  for (QStringView name : {u"Memo3", u"Memo25"})
    static_cast<MemoView*>(report.FindObject(name.toString()))->SetText(QStringLiteral("Pagamos a:"));
}

}  // namespace

QString FirstCopyName(QStringView objectName)
{
  for (const auto& [twinName, originalName] : kTwins) {
    if (twinName == objectName)
      return originalName.toString();
  }
  return objectName.toString();
}

void BuildReceiptLayout(Report& report, ReceiptKind kind)
{
  report.Clear();
  report.PreviewOptions.Buttons = AllPreviewButtons;
  report.PreviewOptions.Zoom = 1;
  report.PrintOptions.Printer = QStringLiteral("Default");
  report.DotMatrixReport = false;
  SetVariables(report);

  auto* data = new DataPage(&report);
  data->SetName(QStringLiteral("Data"));
  auto* page = new ReportPage(&report);
  page->SetName(QStringLiteral("Page1"));
  page->SetPaperSize(9);
  page->LeftMargin = page->RightMargin = page->TopMargin = page->BottomMargin = 10;

  BuildFirstCopy(report, *page);
  BuildCutLine(*page);
  BuildSecondCopy(report, *page);
  if (kind == ReceiptKind::Pagamento)
    WordForPayment(report);
}

}  // namespace quitanza::app
