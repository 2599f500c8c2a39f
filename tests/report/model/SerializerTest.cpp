#include "TestStreams.h"

#include "report/format/Errors.h"
#include "report/format/Float.h"
#include "report/model/Class.h"
#include "report/model/MemoView.h"
#include "report/model/XMLSerializer.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quitanza::platform;
using namespace quitanza::report;

namespace {

// Counts the messages the report shows instead of printing them.
class RecordingReporter : public quitanza::report::ErrorReporter {
public:
  void ShowError(const QString& title, const QString& message) override
  {
    titles.append(title);
    messages.append(message);
  }
  QStringList titles;
  QStringList messages;
};

class Loading : public testing::Test {
protected:
  void SetUp() override { report.SetErrorReporter(reporter); }
  void Load(const QByteArray& bytes) { LoadFromBytes(report, bytes); }

  quitanza::report::Report report;
  std::shared_ptr<RecordingReporter> reporter = std::make_shared<RecordingReporter>();
};

TEST_F(Loading, EnumerationsReadOrdinalsAndNamesIgnoringCase)
{
  Load(Template("<TfrxReport><TfrxReportPage Name=\"Page1\">"
                "<TfrxMemoView Name=\"A\" HAlign=\"2\"/><TfrxMemoView Name=\"B\" HAlign=\"HACENTER\"/>"
                "<TfrxMemoView Name=\"C\" HAlign=\"haNowhere\" WordWrap=\"false\"/>"
                "</TfrxReportPage></TfrxReport>"));
  auto memo = [this](const char* name) {
    return static_cast<quitanza::report::MemoView*>(report.FindObject(QString::fromLatin1(name)));
  };
  EXPECT_EQ(memo("A")->HAlign, quitanza::report::HAlign::Center);
  EXPECT_EQ(memo("B")->HAlign, quitanza::report::HAlign::Center);
  EXPECT_EQ(static_cast<int>(memo("C")->HAlign), -1);
  EXPECT_FALSE(memo("C")->WordWrap);
  EXPECT_TRUE(reporter->messages.isEmpty());
}

TEST_F(Loading, ARepeatedNameReadsIntoTheObjectAlreadyRead)
{
  // Enough objects that the index of names read so far grows several times.
  QByteArray body;
  for (int i = 0; i < 200; ++i)
    body += "<TfrxMemoView Name=\"Memo" + QByteArray::number(i) + "\" Left=\"" + QByteArray::number(i) + "\"/>";
  const QByteArray text = "<TfrxReport><TfrxReportPage Name=\"Page1\">" + body +
                         "<TfrxMemoView Name=\"MEMO7\" Top=\"3\"/><inherited Name=\"memo150\" Top=\"4\"/>"
                         "<inherited Name=\"Missing\" Top=\"5\"/></TfrxReportPage></TfrxReport>";
  Load(Template(text.constData()));
  const quitanza::report::Component* page = report.FindObject(QStringLiteral("Page1"));
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Objects().size(), 200U);
  EXPECT_EQ(report.FindObject(QStringLiteral("Memo7"))->Left(), 7);
  EXPECT_EQ(report.FindObject(QStringLiteral("Memo7"))->Top(), 3);
  EXPECT_EQ(report.FindObject(QStringLiteral("Memo150"))->Top(), 4);
  EXPECT_EQ(report.FindObject(QStringLiteral("Missing")), nullptr);
  EXPECT_TRUE(reporter->messages.isEmpty());
}

// A later element finds an object read earlier by its name ignoring case,
// non-ASCII letters and signs that fold to a letter included; other names
// make new objects.
TEST_F(Loading, ALaterElementFindsAnEarlierObjectByNameIgnoringCase)
{
  const struct {
    const char* stored;
    const char* asked;
    bool same;
  } cases[] = {
      {"Memo1", "MEMO1", true},
      {"CidadeData", "cidadedata", true},
      {"Informa\xC3\xA7\xC3\xA3o", "INFORMA\xC3\x87\xC3\x83O", true},
      {"\xE2\x84\xAA" "elvin", "kELVIN", true},  // Kelvin sign
      {"A", "a", true},
      {"Memo2", "Memo3", false},
      {"Informa\xC3\xA7\xC3\xA3o", "Informacao", false},
      {"A", "@", false},
      {"A", "`", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.asked);
    const QByteArray text = QByteArray("<TfrxReport><TfrxReportPage Name=\"Page1\"><TfrxMemoView Name=\"") + c.stored +
                            "\" Left=\"1\"/><TfrxMemoView Name=\"" + c.asked +
                            "\" Top=\"2\"/></TfrxReportPage></TfrxReport>";
    Load(Template(text.constData()));
    const quitanza::report::Component* page = report.FindObject(QStringLiteral("Page1"));
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->Objects().size(), c.same ? 1U : 2U);
    const quitanza::report::Component* first = page->Objects().front();
    EXPECT_EQ(first->Left(), 1);
    EXPECT_EQ(first->Top(), c.same ? 2 : 0);
  }
}

TEST_F(Loading, CoordinatesNamesAndCommentsReadAsWritten)
{
  Load(Template("<TfrxReport Left=\"12\" Tag=\"3\"><!-- a <remark> --><TfrxReportPage Name=\"Page1\">"
                "<TfrxMemoView Name=\"M&#38;1\" left=\"5,5\" Top=\"7\" Width=\"x\"/>"
                "<!----><TfrxLineView Top=\"2\" Name=\"Line1\"/></TfrxReportPage></TfrxReport>"));
  // The report publishes no coordinates: its Left attribute is not applied.
  EXPECT_EQ(report.Left(), 0);
  EXPECT_EQ(report.Tag, 3);
  const quitanza::report::Component* memo = report.FindObject(QStringLiteral("M&1"));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->Left(), 5.5L);
  EXPECT_EQ(memo->Top(), 7);
  EXPECT_EQ(memo->Width(), 0);
  EXPECT_TRUE(report.Errors.Contains(QStringLiteral("'x' is not a valid floating point value")));
  ASSERT_NE(report.FindObject(QStringLiteral("Line1")), nullptr);
  EXPECT_EQ(report.FindObject(QStringLiteral("Line1"))->Top(), 2);
}

// Elements of one class usually repeat their attribute names in the same
// order; here the same places hold other names, spellings and values.
TEST_F(Loading, EachElementReadsItsOwnAttributesWhateverTheOrder)
{
  Load(Template("<TfrxReport><TfrxReportPage Name=\"Page1\">"
                "<TfrxMemoView Name=\"A\" Font.Name=\"Courier New\" HAlign=\"haRight\" Top=\"1\"/>"
                "<TfrxMemoView Name=\"B\" HAlign=\"haCenter\" Font.Name=\"Tahoma\" top=\"2\"/>"
                "<TfrxMemoView Name=\"C\" font.name=\"Verdana\" Font.Nope=\"1\" halign=\"haBlock\"/>"
                "<TfrxMemoView Name=\"D\" Font.Nope=\"1\" Font.Name=\"Arial\" Text=\"d\"/>"
                "</TfrxReportPage></TfrxReport>"));
  struct Expected {
    const char* name;
    const char* fontName;
    quitanza::report::HAlign align;
    long double top;
  };
  for (const Expected& e : {Expected{"A", "Courier New", quitanza::report::HAlign::Right, 1}, Expected{"B", "Tahoma", quitanza::report::HAlign::Center, 2},
                            Expected{"C", "Verdana", quitanza::report::HAlign::Block, 0}, Expected{"D", "Arial", quitanza::report::HAlign::Left, 0}}) {
    SCOPED_TRACE(e.name);
    const auto* memo = dynamic_cast<const quitanza::report::MemoView*>(report.FindObject(QString::fromLatin1(e.name)));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Font().Name, QString::fromLatin1(e.fontName));
    EXPECT_FALSE(memo->ParentFont());
    EXPECT_EQ(memo->HAlign, e.align);
    EXPECT_EQ(memo->Top(), e.top);
  }
  EXPECT_EQ(static_cast<const quitanza::report::MemoView*>(report.FindObject(QStringLiteral("D")))->Text().trimmed(), QStringLiteral("d"));
}

// Values of every length up to and past two words end at their own quote,
// whatever follows them.
TEST_F(Loading, ValuesOfEveryLengthEndAtTheirQuote)
{
  QByteArray elements;
  for (int length = 0; length <= 24; ++length)
    elements += "<TfrxMemoView Name=\"M" + QByteArray::number(length) + "\" Hint=\"" + QByteArray(length, 'h') +
                "\" TagStr=\"t\"/>";
  Load(Template("<TfrxReport><TfrxReportPage Name=\"Page1\">" + elements + "</TfrxReportPage></TfrxReport>"));
  for (int length = 0; length <= 24; ++length) {
    const auto* memo = dynamic_cast<const quitanza::report::MemoView*>(report.FindObject(QStringLiteral("M%1").arg(length)));
    ASSERT_NE(memo, nullptr) << length;
    EXPECT_EQ(memo->Hint, QString(length, u'h'));
    EXPECT_EQ(memo->TagStr, QStringLiteral("t"));
  }
}

TEST_F(Loading, PaperSizeCodeDecidesAfterTheDimensions)
{
  Load(Template("<TfrxReport><TfrxReportPage Name=\"Custom\" PaperWidth=\"100\" PaperHeight=\"50\"/>"
                "<TfrxReportPage Name=\"A4\" PaperWidth=\"100\" PaperHeight=\"50\" PaperSize=\"9\"/></TfrxReport>"));
  auto* custom = static_cast<quitanza::report::ReportPage*>(report.FindObject(QStringLiteral("Custom")));
  auto* a4 = static_cast<quitanza::report::ReportPage*>(report.FindObject(QStringLiteral("A4")));
  EXPECT_EQ(custom->PaperSize(), 256);
  EXPECT_EQ(custom->PaperWidth(), 100);
  EXPECT_EQ(custom->Height(), 189);
  EXPECT_EQ(a4->PaperSize(), 9);
  EXPECT_EQ(a4->PaperWidth(), 210);
}

TEST_F(Loading, UnknownClassIsListedOnceAndTheRestLoads)
{
  Load(Template("<TfrxReport><TfrxReportPage Name=\"Page1\">"
                "<TfrxChartView Name=\"Chart1\"><TfrxMemoView Name=\"Inside\"/></TfrxChartView>"
                "<TfrxMemoView Name=\"Memo1\" Left=\"abc\" Top=\"5\" Unknown=\"1\"/>"
                "<TfrxChartView Name=\"Chart2\"/></TfrxReportPage></TfrxReport>"));
  EXPECT_NE(report.FindObject(QStringLiteral("Memo1")), nullptr);
  EXPECT_EQ(report.FindObject(QStringLiteral("Inside")), nullptr);
  EXPECT_EQ(report.FindObject(QStringLiteral("Memo1"))->Top(), 5);
  ASSERT_EQ(reporter->messages.size(), 1);
  EXPECT_EQ(reporter->titles.first(), QStringLiteral("Error"));
  EXPECT_EQ(reporter->messages.first(), QStringLiteral("The following error(s) have occured:\r\n"
                                                       "'abc' is not a valid floating point value\r\n"
                                                       "Cannot find class TfrxChartView"));
}

TEST_F(Loading, NotATemplateLeavesTheReportEmpty)
{
  for (const QByteArray& bytes : {QByteArray("MZ\x90\0\3\0\0\0", 8), Template("<TfrxReport><TfrxReportPage Name=\"P\">"),
                                  QByteArray("<TfrxReport/>")}) {
    reporter->messages.clear();
    Load(bytes);
    EXPECT_EQ(report.PagesCount(), 1);  // the data page every report gets
    EXPECT_TRUE(report.Errors.Contains(QStringLiteral("Invalid file format")));
    EXPECT_EQ(reporter->messages.size(), 1);
  }
}

TEST_F(Loading, SilentModesDecideHowErrorsAreReported)
{
  report.EngineOptions.NewSilentMode = quitanza::report::SilentMode::Silent;
  Load(QByteArray("garbage"));
  EXPECT_TRUE(reporter->messages.isEmpty());
  EXPECT_EQ(report.Errors.Count(), 1);
  report.EngineOptions.NewSilentMode = quitanza::report::SilentMode::ReThrow;
  EXPECT_THROW(Load(QByteArray("garbage")), quitanza::report::ReportError);
}

TEST_F(Loading, VersionIsNotTakenFromTheFileAndADataPageIsAdded)
{
  Load(Template("<TfrxReport Version=\"9.9\" ScriptLanguage=\"JScript\"><TfrxReportPage Name=\"Data\"/></TfrxReport>"));
  EXPECT_EQ(report.Version, QStringLiteral("4.13.2"));
  EXPECT_EQ(report.ScriptLanguage, QStringLiteral("JScript"));
  ASSERT_EQ(report.PagesCount(), 2);
  EXPECT_NE(dynamic_cast<quitanza::report::DataPage*>(report.Pages(0)), nullptr);
  EXPECT_EQ(report.Pages(0)->Name(), QStringLiteral("DataPage1"));
}

TEST_F(Loading, BrokenPropDataIsIgnored)
{
  Load(Template("<TfrxReport PropData=\"0844617461736574730100095661726961626C6573010106FF\"/>"));
  EXPECT_EQ(report.Variables.Count(), 0);
  EXPECT_TRUE(reporter->messages.isEmpty());
  Load(Template("<TfrxReport PropData=\"not hex\"/>"));
  EXPECT_TRUE(reporter->messages.isEmpty());
}

TEST_F(Loading, OldFormatMemoTextIsUtf8)
{
  Load("<?xml version=\"1.0\"?><TfrxReport><TfrxReportPage Name=\"P\">"
       "<TfrxMemoView Name=\"M\" Text=\"Jo\xC3\xA3o\" Hint=\"Jo\xE3o\"/></TfrxReportPage></TfrxReport>");
  auto* memo = static_cast<quitanza::report::MemoView*>(report.FindObject(QStringLiteral("M")));
  EXPECT_EQ(memo->Text(), QStringLiteral("João\r\n"));
  EXPECT_EQ(memo->Hint, QStringLiteral("João"));
}

TEST_F(Loading, MissingFileLeavesAnEmptyReport)
{
  new quitanza::report::ReportPage(&report);
  const QString missing = QStringLiteral(QUITANZA_BINARY_DIR "/no-such-template.fr3");
  EXPECT_FALSE(report.LoadFromFile(missing));
  EXPECT_EQ(report.PagesCount(), 0);
  EXPECT_TRUE(report.FileName.isEmpty());
  EXPECT_THROW(report.LoadFromFile(missing, true), quitanza::report::ReportError);
}

// A template file is parsed once for as long as its bytes stay the same; a
// file rewritten between two loads is read as it is now, and what a load
// did to its objects does not reach the next load.
TEST_F(Loading, ATemplateFileLoadsAsItIsEveryTime)
{
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("recibo.fr3"));
  const auto write = [&](const char* memoText) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?><TfrxReport><TfrxReportPage Name=\"Page1\">"
                          "<TfrxMemoView Name=\"Memo1\" Text=\"") + memoText + "\"/></TfrxReportPage></TfrxReport>");
  };
  const auto memoText = [&] { return static_cast<MemoView*>(report.FindObject(QStringLiteral("Memo1")))->Text().trimmed(); };
  write("Recebi");
  ASSERT_TRUE(report.LoadFromFile(path));
  EXPECT_EQ(memoText(), QStringLiteral("Recebi"));
  static_cast<MemoView*>(report.FindObject(QStringLiteral("Memo1")))->SetText(QStringLiteral("mudado"));
  ASSERT_TRUE(report.LoadFromFile(path));
  EXPECT_EQ(memoText(), QStringLiteral("Recebi"));
  write("Paguei");
  ASSERT_TRUE(report.LoadFromFile(path));
  EXPECT_EQ(memoText(), QStringLiteral("Paguei"));
}

TEST_F(Loading, CommaAndPointFilesReadAlike)
{
  for (const char* left : {"7,55906", "7.55906"}) {
    Load(Template("<TfrxReport><TfrxReportPage Name=\"P\"><TfrxLineView Name=\"L\" Left=\"") + left +
         "\"/></TfrxReportPage></TfrxReport>");
    EXPECT_EQ(report.FindObject(QStringLiteral("L"))->Left(), 7.55906L);
  }
}

// The ordinal of a published property reached by a dotted path ("Frame.Style").
qint64 OrdinalAt(quitanza::report::Component& component, QStringView path)
{
  void* object = &component;
  const quitanza::report::PropTable* table = &component.Props();
  const quitanza::report::PropInfo* property = nullptr;
  for (QStringView part : path.tokenize(u'.')) {
    if (property) {
      object = property->Sub(object);
      table = property->SubTable;
    }
    property = table->Find(part);
    if (!property)
      throw quitanza::report::ReportError(QStringLiteral("No property ") + path.toString());
  }
  return property->GetOrd(object);
}

TEST_F(Loading, OrdinalsNoNameStandsForAreKeptAsReadThroughASaveAndALoad)
{
  struct Case {
    const char* object;
    const char16_t* property;
    qint64 ordinal;  // -1: a name the enumeration does not have
  };
  const Case cases[] = {
      {"Page1", u"Orientation", -1},       {"Page1", u"Duplex", 7},
      {"Memo1", u"HAlign", -1},            {"Memo1", u"VAlign", -5},
      {"Memo1", u"Frame.Style", -1},       {"Memo1", u"Frame.LeftLine.Style", 12},
      {"Memo1", u"Font.Pitch", -1},        {"Memo1", u"Font.Quality", 99},
      {"Memo1", u"DisplayFormat.Kind", 4}, {"Memo1", u"ShiftMode", -1},
      {"Memo1", u"StretchMode", -2},       {"Shape1", u"Shape", -1},
      {"Shape1", u"BrushStyle", 2147483647}, {"Shape1", u"Align", -1},
  };
  ASSERT_TRUE(report.LoadFromFile(QStringLiteral(QUITANZA_TEST_DATA "/templates/enum-out-of-range.fr3")));
  for (int pass = 0; pass < 2; ++pass) {
    for (const Case& c : cases) {
      quitanza::report::Component* object = report.FindObject(QString::fromLatin1(c.object));
      ASSERT_NE(object, nullptr) << c.object;
      EXPECT_EQ(OrdinalAt(*object, QStringView(c.property)), c.ordinal)
          << c.object << '.' << QStringView(c.property).toString().toStdString() << " after " << pass << " saves";
    }
    Load(SaveToBytes(report));
  }
  EXPECT_EQ(report.EngineOptions.NewSilentMode, quitanza::report::SilentMode::MessageBoxes);  // never taken from a file
  EXPECT_TRUE(reporter->messages.isEmpty());
}

// A picture's table has no properties of its own: its data is all PropData.
struct PictureTemplate {
  const char* file;
  const char* owner;  // the object that holds the picture
};

class UnknownPictureAttribute : public Loading, public testing::WithParamInterface<PictureTemplate> {};

TEST_P(UnknownPictureAttribute, IsIgnoredAndTheRestLoads)
{
  const QString path = QStringLiteral(QUITANZA_TEST_DATA "/templates/") + QString::fromLatin1(GetParam().file);
  ASSERT_TRUE(report.LoadFromFile(path));
  EXPECT_NE(report.FindObject(QString::fromLatin1(GetParam().owner)), nullptr);
  EXPECT_EQ(report.Errors.Count(), 0);
  EXPECT_TRUE(reporter->messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Templates, UnknownPictureAttribute,
                         testing::Values(PictureTemplate{"picture-subproperty.fr3", "P"},
                                         PictureTemplate{"backpicture-subproperty.fr3", "Page1"}));

// A report using every kind of property, with values off their defaults.
void BuildRichReport(quitanza::report::Report& report)
{
  report.ReportOptions.Password = QStringLiteral("segredo");
  report.ReportOptions.Description = {QStringLiteral("linha 1"), QStringLiteral("linha 2")};
  report.Styles.Items.push_back(quitanza::report::StyleItem());
  report.Styles.Items.back().Name = QStringLiteral("Title");
  report.Variables.SetValue(QStringLiteral(" Sistema"), QString());
  report.Variables.SetValue(QStringLiteral("Valor"), QStringLiteral("'1.500,00' & <x>"));
  new quitanza::report::DataPage(&report);
  auto* page = new quitanza::report::ReportPage(&report);
  page->SetName(QStringLiteral("Page1"));
  page->SetOrientation(quitanza::report::PrinterOrientation::Landscape);
  page->BackPicture().Color = clSilver;
  page->HGuides = {QStringLiteral("10"), QStringLiteral("20")};
  auto* first = new quitanza::report::MemoView(page);
  first->SetName(QStringLiteral("First"));
  auto* memo = new quitanza::report::MemoView(page);
  memo->SetName(QStringLiteral("Memo1"));
  memo->SetBounds(1.5L, 2.25L, 100, 18.89765L);
  memo->SetText(QStringLiteral("Autenticação: [MD5]\r\n\"quoted\" & more text beyond thirty-two characters"));
  memo->Frame.Typ = quitanza::report::FrameType::Left | quitanza::report::FrameType::Bottom;
  memo->Frame.SetColor(clRed);
  memo->Frame.BottomLine.Width = 2;
  memo->Frame.SetStyle(quitanza::report::FrameStyle::Dash);
  memo->DisplayFormat.Kind = quitanza::report::FormatKind::Numeric;
  memo->DisplayFormat.FormatStr = QStringLiteral("%2.2f");
  memo->Highlight.Condition = QStringLiteral("Value > 0");
  memo->Highlight.Font.Style = FontStyle::Italic;
  memo->GapX = 3;
  memo->FlowTo = first;
  memo->Restrictions = quitanza::report::Restriction::DontDelete;
  memo->SetVisible(false);
  Font font;
  font.Name = QStringLiteral("Courier New");
  font.Height = -20;
  memo->SetFont(font);
  auto* shape = new quitanza::report::ShapeView(page);
  shape->SetName(QStringLiteral("Shape1"));
  shape->Shape = quitanza::report::ShapeKind::RoundRectangle;
  shape->Curve = 4;
  auto* line = new quitanza::report::LineView(page);
  line->SetName(QStringLiteral("Line1"));
  line->ArrowEnd = true;
  line->ArrowLength = 30;
  auto* picture = new quitanza::report::PictureView(page);
  picture->SetName(QStringLiteral("Picture1"));
  QImage image(3, 2, QImage::Format_RGB32);
  image.fill(Qt::blue);
  QByteArray bmp;
  QBuffer buffer(&bmp);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "bmp");
  quitanza::report::Picture graphic;
  graphic.LoadFromData(bmp);
  picture->SetPicture(graphic);
  picture->SetTransparent(true);
  auto* sys = new quitanza::report::SysMemoView(page);
  sys->SetName(QStringLiteral("SysMemo1"));
}

TEST(RoundTrip, SaveLoadSaveGivesTheSameBytesAndObjects)
{
  quitanza::report::Report original;
  BuildRichReport(original);
  const QByteArray saved = SaveToBytes(original);

  quitanza::report::Report copy;
  LoadFromBytes(copy, saved);
  EXPECT_TRUE(copy.Errors.IsEmpty()) << copy.Errors.Text().toStdString();
  EXPECT_EQ(SaveToBytes(copy), saved);

  auto* memo = static_cast<quitanza::report::MemoView*>(copy.FindObject(QStringLiteral("Memo1")));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->Lines().size(), 2);
  EXPECT_EQ(memo->FlowTo, copy.FindObject(QStringLiteral("First")));
  EXPECT_EQ(memo->Frame.BottomLine.Width, 2);
  EXPECT_EQ(memo->Frame.LeftLine.Color, clRed);
  EXPECT_EQ(memo->Font().Name, QStringLiteral("Courier New"));
  EXPECT_FALSE(memo->ParentFont());
  EXPECT_EQ(memo->Highlight.Font.Style, FontStyle::Italic);
  auto* picture = static_cast<quitanza::report::PictureView*>(copy.FindObject(QStringLiteral("Picture1")));
  const auto* originalPicture = static_cast<quitanza::report::PictureView*>(original.FindObject(QStringLiteral("Picture1")));
  EXPECT_EQ(picture->Picture().GraphicClass(), quitanza::report::GraphicClass::Bitmap);
  EXPECT_EQ(picture->Picture().FileData(), originalPicture->Picture().FileData());
  EXPECT_EQ(picture->Color, clNone);
  EXPECT_EQ(copy.Variables.Value(QStringLiteral("Valor")).toString(), QStringLiteral("'1.500,00' & <x>"));
  EXPECT_EQ(copy.ReportOptions.Password, QStringLiteral("segredo"));
  EXPECT_EQ(copy.Styles.Items.size(), 1U);
  auto* page = static_cast<quitanza::report::ReportPage*>(copy.FindObject(QStringLiteral("Page1")));
  EXPECT_EQ(page->Orientation(), quitanza::report::PrinterOrientation::Landscape);
  EXPECT_EQ(page->PaperWidth(), 297);
  EXPECT_EQ(page->BackPicture().Color, clSilver);
}

TEST(RoundTrip, PasswordIsStoredShifted)
{
  quitanza::report::Report report;
  report.ReportOptions.Password = QStringLiteral("kl");
  EXPECT_TRUE(SaveToBytes(report).contains("ReportOptions.Password=\"ab\""));
}

TEST(RoundTrip, ACommaSeparatorFileLoadsUnderThePointSetting)
{
  quitanza::report::Report original;
  BuildRichReport(original);
  SetDecimalSeparator(QLatin1Char(','));
  const QByteArray comma = SaveToBytes(original);
  SetDecimalSeparator(QLatin1Char('.'));
  EXPECT_TRUE(comma.contains("Left=\"1,5\""));
  quitanza::report::Report copy;
  LoadFromBytes(copy, comma);
  EXPECT_TRUE(copy.Errors.IsEmpty());
  EXPECT_EQ(SaveToBytes(copy), SaveToBytes(original));
}

TEST(Assign, CopiesPropertiesWithoutChildrenAndAssignAllWithThem)
{
  quitanza::report::Report report;
  BuildRichReport(report);
  auto* source = static_cast<quitanza::report::MemoView*>(report.FindObject(QStringLiteral("Memo1")));
  quitanza::report::MemoView copy;
  copy.Assign(*source);
  EXPECT_EQ(copy.Text(), source->Text());
  EXPECT_EQ(copy.Font(), source->Font());
  EXPECT_EQ(copy.GapX, 3);
  EXPECT_FALSE(copy.Visible());
  EXPECT_TRUE(copy.Name().isEmpty());

  auto* page = report.Pages(1);
  quitanza::report::ReportPage pageCopy;
  pageCopy.Assign(*page);
  EXPECT_TRUE(pageCopy.Objects().empty());
  pageCopy.AssignAll(*page);
  EXPECT_EQ(pageCopy.Objects().size(), page->Objects().size());
  EXPECT_EQ(pageCopy.Objects()[1]->Name(), QStringLiteral("Memo1"));
}

TEST(ComponentText, ClassNameAndAttributesWithCompactForms)
{
  quitanza::report::XMLSerializer serializer;
  quitanza::report::MemoView memo;
  memo.SetText(QStringLiteral("RECIBO"));
  memo.SetBounds(1, 2, 3, 4);
  const QString text = serializer.WriteComponentStr(memo);
  EXPECT_TRUE(text.startsWith(QStringLiteral("TfrxMemoView Left=\"1\"")));
  auto copy = serializer.ReadComponentStr(text + QStringLiteral(" l=\"10,5\" u=\"Jo&#227;o\""));
  auto* memoCopy = dynamic_cast<quitanza::report::MemoView*>(copy.get());
  ASSERT_NE(memoCopy, nullptr);
  EXPECT_EQ(memoCopy->Left(), 10.5L);
  EXPECT_EQ(memoCopy->Top(), 2);
  EXPECT_EQ(memoCopy->Text(), QStringLiteral("João\r\n"));
  EXPECT_THROW(serializer.ReadComponentStr(QStringLiteral("TfrxNoSuchView l=\"1\"")), quitanza::report::ReportError);
}

}  // namespace
