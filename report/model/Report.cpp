#include "report/model/Report.h"

#include "platform/files/FileReplacement.h"
#include "platform/files/SystemError.h"
#include "report/expressions/ExpressionEvaluator.h"
#include "report/expressions/ExpressionLiteralCompiler.h"
#include "report/format/BinaryProps.h"
#include "report/format/Errors.h"
#include "report/format/XML.h"
#include "report/model/DataSet.h"
#include "report/model/Engine.h"
#include "report/model/Page.h"
#include "report/model/PreviewPages.h"
#include "report/model/PropBuilder.h"
#include "report/model/ReportExpressionHost.h"
#include "report/model/XMLSerializer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <deque>
#include <memory>
#include <mutex>
#include <unordered_set>

namespace quitanza::report {

using namespace platform;

namespace {

// The document of a template file's bytes. A batch that mixes receipts and
// payments loads a template at every change of type, and parsing is a third
// of a load: the documents of the last files read are kept with the bytes
// they came from.
std::shared_ptr<const XMLDocument> ParsedDocument(const QByteArray& bytes)
{
  struct Parsed {
    QByteArray Bytes;
    std::shared_ptr<const XMLDocument> Document;
  };
  constexpr std::size_t Kept = 2;  // a receipt's and a payment's template
  static std::mutex guard;
  static std::deque<Parsed> recent;
  {
    const std::lock_guard lock(guard);
    for (const Parsed& parsed : recent) {
      if (parsed.Bytes == bytes)
        return parsed.Document;
    }
  }
  auto document = std::make_shared<XMLDocument>();
  QByteArray source = bytes;
  QBuffer buffer(&source);
  buffer.open(QIODevice::ReadOnly);
  document->LoadFromStream(buffer);
  const std::lock_guard lock(guard);
  recent.push_front({bytes, document});
  if (recent.size() > Kept)
    recent.pop_back();
  return document;
}

const QString kLoadedVersion = QStringLiteral("4.13.2");

template <class Item>
void WriteCollection(BinaryWriter& writer, const QString& name, const std::vector<Item>& items,
                     const XMLSerializer& serializer)
{
  writer.WritePropName(name);
  writer.WriteListBegin();
  for (const Item& item : items) {
    writer.WriteListBegin();
    writer.WriteString(serializer.ObjToXML(&item, Item::Props()));
    writer.WriteListEnd();
  }
  writer.WriteListEnd();
}

template <class Item, class Add>
void ReadCollection(BinaryReader& reader, XMLSerializer& serializer, Add add)
{
  reader.ReadListBegin();
  while (!reader.EndOfList()) {
    reader.ReadListBegin();
    Item& item = add();
    while (!reader.EndOfList())
      serializer.ReadObjectAttributes(&item, Item::Props(), reader.ReadString());
    reader.ReadListEnd();
  }
  reader.ReadListEnd();
}

void WriteDefined(const Report& report, BinaryWriter& writer, const XMLSerializer& serializer)
{
  if (report.DesignLeft != 0) {
    writer.WritePropName(QStringLiteral("Left"));
    writer.WriteInteger(report.DesignLeft);
  }
  if (report.DesignTop != 0) {
    writer.WritePropName(QStringLiteral("Top"));
    writer.WriteInteger(report.DesignTop);
  }
  WriteCollection(writer, QStringLiteral("Datasets"), report.DataSets.Items, serializer);
  std::vector<Variable> variables;
  for (int i = 0; i < report.Variables.Count(); ++i)
    variables.push_back(report.Variables.Items(i));
  WriteCollection(writer, QStringLiteral("Variables"), variables, serializer);
  WriteCollection(writer, QStringLiteral("Style"), report.Styles.Items, serializer);
}

bool ReadDefined(Report& report, QByteArrayView name, BinaryReader& reader, XMLSerializer& serializer)
{
  if (name == "Left" || name == "Top") {
    // Loading keeps the report's current position.
    reader.ReadInteger();
  } else if (name == "Datasets") {
    report.DataSets.Clear();
    ReadCollection<DataSetItem>(reader, serializer, [&]() -> DataSetItem& {
      return report.DataSets.Items.emplace_back();
    });
  } else if (name == "Variables") {
    report.Variables.Clear();
    ReadCollection<Variable>(reader, serializer, [&]() -> Variable& { return report.Variables.Add(); });
  } else if (name == "Style") {
    report.Styles.Clear();
    ReadCollection<StyleItem>(reader, serializer, [&]() -> StyleItem& {
      return report.Styles.Items.emplace_back();
    });
  } else {
    return false;
  }
  return true;
}

// The collections as reading what WriteDefined writes leaves them: the
// position stays, the collections are replaced by the source's, whose items
// are written without their defaults.
bool CopyDefined(Report& to, const Report& from, PropCopy& copy)
{
  PropCopy items;
  items.IncludeDefaults = false;
  items.FileFloats = copy.FileFloats;
  to.DataSets.Clear();
  // Room first: the references gathered point into the items.
  to.DataSets.Items.reserve(from.DataSets.Items.size());
  for (const DataSetItem& item : from.DataSets.Items)
    DataSetItem::Props().Copy(&to.DataSets.Items.emplace_back(), &item, items);
  to.Variables.Clear();
  for (int i = 0; i < from.Variables.Count(); ++i)
    Variable::Props().Copy(&to.Variables.Add(), &from.Variables.Items(i), items);
  to.Styles.Clear();
  for (const StyleItem& item : from.Styles.Items)
    StyleItem::Props().Copy(&to.Styles.Items.emplace_back(), &item, items);
  copy.References.insert(copy.References.end(), items.References.begin(), items.References.end());
  return true;
}

}  // namespace

Report::Report()
    : m_errorReporter(std::make_shared<StderrErrorReporter>()),
      m_expressionHost(std::make_unique<ReportExpressionHost>(*this)),
      m_evaluator(std::make_unique<ExpressionEvaluator>(*m_expressionHost, std::make_unique<LiteralCompiler>())),
      m_engine(std::make_unique<quitanza::report::Engine>(*this)),
      m_previewPages(std::make_unique<quitanza::report::PreviewPages>(*this))
{
  Clear();
}

Report::~Report()
{
  // Children go first: their destructors still look at the report.
  ReleaseChildrenOf(*this);
}

namespace {

void ForgetIn(void* object, const PropTable& table, const std::unordered_set<const Component*>& gone)
{
  for (const PropInfo& property : table.Props()) {
    if (property.Kind == PropKind::Component && gone.count(property.GetRef(object)))
      property.SetRef(object, nullptr);
    else if (property.Kind == PropKind::Object)
      ForgetIn(property.Sub(object), *property.SubTable, gone);
  }
}

}  // namespace

void Report::ForgetReferencesTo(const std::vector<const quitanza::report::Component*>& gone)
{
  if (m_releasing || gone.empty())
    return;
  const std::unordered_set<const quitanza::report::Component*> set(gone.begin(), gone.end());
  std::vector<quitanza::report::Component*> objects = AllObjects();
  objects.push_back(this);
  for (quitanza::report::Component* object : objects) {
    if (!set.count(object))
      ForgetIn(static_cast<void*>(object), object->Props(), set);
  }
  for (DataSetItem& item : DataSets.Items)
    ForgetIn(&item, DataSetItem::Props(), set);
}

void Report::ReleaseChildrenOf(quitanza::report::Component& parent)
{
  const bool releasing = m_releasing;
  m_releasing = true;
  parent.DeleteChildren();
  m_releasing = releasing;
}

Page* Report::Pages(int index) const
{
  return dynamic_cast<quitanza::report::Page*>(Objects().at(static_cast<std::size_t>(index)));
}

void Report::Clear()
{
  // Everything that could refer to the pages' objects goes with them.
  ReleaseChildrenOf(*this);
  m_previewPages->TemplateReplaced();
  DataSets.Clear();
  Variables.Clear();
  Styles.Clear();
  EngineOptions.Clear();
  PreviewOptions.Clear();
  PrintOptions.Clear();
  ReportOptions.Clear();
  DataSet = nullptr;
  DataSetName.clear();
  DotMatrixReport = false;
  ParentReport.clear();
  ScriptLanguage = QStringLiteral("PascalScript");
  ScriptText = {QStringLiteral("begin"), QString(), QStringLiteral("end.")};
  SystemVariables = {QStringLiteral("Date"),  QStringLiteral("Time"),        QStringLiteral("Page"),
                     QStringLiteral("Page#"), QStringLiteral("TotalPages"),  QStringLiteral("TotalPages#"),
                     QStringLiteral("Line"),  QStringLiteral("Line#"),       QStringLiteral("CopyName#")};
  OnRunDialogs.clear();
  OnStartReport.clear();
  OnStopReport.clear();
  SelfValue = nullptr;
}

bool Report::LoadFromFile(const QString& fileName, bool exceptionIfNotFound)
{
  Clear();
  FileName.clear();
  const bool exists = QFileInfo(fileName).isFile();
  if (!exists && !exceptionIfNotFound)
    return false;
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw ReportError(QStringLiteral(u"Não foi possível abrir o arquivo \"%1\": %2").arg(fileName, UnreadableFileReason(fileName)));
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw ReportError(QStringLiteral(u"Não foi possível ler o arquivo \"%1\": %2").arg(fileName, file.errorString()));
  FileName = fileName;
  LoadFromDocument([&] { return ParsedDocument(bytes); });
  return exists;
}

void Report::LoadFromStream(QIODevice& stream)
{
  LoadFromDocument([&] {
    auto document = std::make_shared<XMLDocument>();
    document->LoadFromStream(stream);
    return std::shared_ptr<const XMLDocument>(std::move(document));
  });
}

void Report::LoadFromDocument(const std::function<std::shared_ptr<const XMLDocument>()>& parse)
{
  Errors.Clear();
  const quitanza::report::EngineOptions engineOptions = EngineOptions;
  const quitanza::report::PreviewOptions previewOptions = PreviewOptions;
  const QString iniFile = IniFile;
  const bool oldStyleProgress = OldStyleProgress;
  const bool showProgress = ShowProgress;
  const bool storeInDFM = StoreInDFM;
  const int designLeft = DesignLeft;
  const int designTop = DesignTop;

  Clear();
  try {
    // The whole document is read before any object is made, so a damaged
    // file leaves the report empty.
    const std::shared_ptr<const XMLDocument> document = parse();
    XMLSerializer serializer(this);
    serializer.SetOldFormat(document->OldVersion());
    serializer.ReadRootComponent(*this, document->Root());
  } catch (const ReportError& error) {
    Errors.Add(error.Message());
  }
  Version = kLoadedVersion;
  EnsureDataPage();

  const quitanza::report::EngineOptions readEngine = EngineOptions;
  const quitanza::report::PreviewOptions readPreview = PreviewOptions;
  EngineOptions = engineOptions;
  EngineOptions.ConvertNulls = readEngine.ConvertNulls;
  EngineOptions.IgnoreDevByZero = readEngine.IgnoreDevByZero;
  EngineOptions.DoublePass = readEngine.DoublePass;
  PreviewOptions = previewOptions;
  PreviewOptions.OutlineVisible = readPreview.OutlineVisible;
  PreviewOptions.OutlineWidth = readPreview.OutlineWidth;
  PreviewOptions.OutlineExpand = readPreview.OutlineExpand;
  PreviewOptions.PagesInCache = readPreview.PagesInCache;
  PreviewOptions.ThumbnailVisible = readPreview.ThumbnailVisible;
  IniFile = iniFile;
  OldStyleProgress = oldStyleProgress;
  ShowProgress = showProgress;
  StoreInDFM = storeInDFM;
  DesignLeft = designLeft;
  DesignTop = designTop;

  if (!Errors.IsEmpty())
    ReportErrors();
}

void Report::EnsureDataPage()
{
  for (quitanza::report::Component* child : Objects()) {
    if (dynamic_cast<DataPage*>(child))
      return;
  }
  auto* page = new DataPage(this);
  if (FindObject(QStringLiteral("Data")))
    page->CreateUniqueName();
  else
    page->SetName(QStringLiteral("Data"));
  MoveChild(page, 0);
}

void Report::SaveToFile(const QString& fileName)
{
  const bool absolute = (ParentReport.size() > 1 && ParentReport[1] == QLatin1Char(':')) ||
                        (!ParentReport.isEmpty() && QDir::isAbsolutePath(ParentReport));
  if (absolute)
    ParentReport = QFileInfo(fileName).absoluteDir().relativeFilePath(ParentReport);
  FileReplacement file(fileName);
  SaveToStream(file.Device());
  file.Commit();
}

void Report::ReportErrors()
{
  const QString message = QStringLiteral("The following error(s) have occured:\r\n") + Errors.Text();
  switch (EngineOptions.NewSilentMode) {
  case SilentMode::MessageBoxes:
    m_errorReporter->ShowError(QStringLiteral("Error"), message);
    break;
  case SilentMode::Silent:
    break;
  case SilentMode::ReThrow:
    throw ReportError(message);
  }
}

const PropTable& Report::Props() const
{
  static const PropTable table = [] {
    using C = quitanza::report::Report;
    PropTable t;
    t.Append(PropTable::Select(ComponentCatalog(), {u"Tag"}));
    PropBuilder<C, quitanza::report::Component> b(t);
    b.Str(QStringLiteral("Version"), &C::Version);
    b.Str(QStringLiteral("ParentReport"), &C::ParentReport);
    b.Ref<quitanza::report::DataSet>(QStringLiteral("DataSet"), &C::DataSet);
    b.Str(QStringLiteral("DataSetName"), &C::DataSetName);
    b.Bool(QStringLiteral("DotMatrixReport"), &C::DotMatrixReport, std::nullopt);
    b.Sub(QStringLiteral("EngineOptions"), &C::EngineOptions, quitanza::report::EngineOptions::Props());
    b.Str(QStringLiteral("IniFile"), &C::IniFile);
    b.Bool(QStringLiteral("OldStyleProgress"), &C::OldStyleProgress, false);
    b.Sub(QStringLiteral("PreviewOptions"), &C::PreviewOptions, quitanza::report::PreviewOptions::Props());
    b.Sub(QStringLiteral("PrintOptions"), &C::PrintOptions, quitanza::report::PrintOptions::Props());
    b.Sub(QStringLiteral("ReportOptions"), &C::ReportOptions, quitanza::report::ReportOptions::Props());
    b.Str(QStringLiteral("ScriptLanguage"), &C::ScriptLanguage);
    b.List(QStringLiteral("ScriptText"), &C::ScriptText);
    b.Bool(QStringLiteral("ShowProgress"), &C::ShowProgress, true);
    b.Bool(QStringLiteral("StoreInDFM"), &C::StoreInDFM, true);
    b.Str(QStringLiteral("OnRunDialogs"), &C::OnRunDialogs);
    b.Str(QStringLiteral("OnStartReport"), &C::OnStartReport);
    b.Str(QStringLiteral("OnStopReport"), &C::OnStopReport);
    b.Str(QStringLiteral("OnReportPrint"), &C::OnReportPrint);
    t.Defined.Write = [](const void* object, BinaryWriter& writer, const XMLSerializer& serializer) {
      WriteDefined(PropBuilder<C, quitanza::report::Component>::Self(object), writer, serializer);
    };
    t.Defined.Read = [](void* object, QByteArrayView name, BinaryReader& reader, XMLSerializer& serializer) {
      return ReadDefined(PropBuilder<C, quitanza::report::Component>::Self(object), name, reader, serializer);
    };
    t.Defined.Copy = [](void* to, const void* from, PropCopy& copy) {
      return CopyDefined(PropBuilder<C, quitanza::report::Component>::Self(to), PropBuilder<C, quitanza::report::Component>::Self(from),
                         copy);
    };
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
