#include "report/model/frxReport.h"

#include "platform/files/FileReplacement.h"
#include "platform/files/SystemError.h"
#include "report/expressions/frxExpressionEvaluator.h"
#include "report/expressions/frxExpressionLiteralCompiler.h"
#include "report/format/frxBinaryProps.h"
#include "report/format/frxErrors.h"
#include "report/format/frxXML.h"
#include "report/model/frxDataSet.h"
#include "report/model/frxEngine.h"
#include "report/model/frxPage.h"
#include "report/model/frxPreviewPages.h"
#include "report/model/frxPropBuilder.h"
#include "report/model/frxReportExpressionHost.h"
#include "report/model/frxXMLSerializer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <unordered_set>

using namespace quitanza::platform;

namespace {

const QString kLoadedVersion = QStringLiteral("4.13.2");

template <class Item>
void WriteCollection(TfrxBinaryWriter& writer, const QString& name, const std::vector<Item>& items,
                     const TfrxXMLSerializer& serializer)
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
void ReadCollection(TfrxBinaryReader& reader, TfrxXMLSerializer& serializer, Add add)
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

void WriteDefined(const TfrxReport& report, TfrxBinaryWriter& writer, const TfrxXMLSerializer& serializer)
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
  std::vector<TfrxVariable> variables;
  for (int i = 0; i < report.Variables.Count(); ++i)
    variables.push_back(report.Variables.Items(i));
  WriteCollection(writer, QStringLiteral("Variables"), variables, serializer);
  WriteCollection(writer, QStringLiteral("Style"), report.Styles.Items, serializer);
}

bool ReadDefined(TfrxReport& report, QByteArrayView name, TfrxBinaryReader& reader, TfrxXMLSerializer& serializer)
{
  if (name == "Left" || name == "Top") {
    // Loading keeps the report's current position.
    reader.ReadInteger();
  } else if (name == "Datasets") {
    report.DataSets.Clear();
    ReadCollection<TfrxDataSetItem>(reader, serializer, [&]() -> TfrxDataSetItem& {
      return report.DataSets.Items.emplace_back();
    });
  } else if (name == "Variables") {
    report.Variables.Clear();
    ReadCollection<TfrxVariable>(reader, serializer, [&]() -> TfrxVariable& { return report.Variables.Add(); });
  } else if (name == "Style") {
    report.Styles.Clear();
    ReadCollection<TfrxStyleItem>(reader, serializer, [&]() -> TfrxStyleItem& {
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
bool CopyDefined(TfrxReport& to, const TfrxReport& from, TfrxPropCopy& copy)
{
  TfrxPropCopy items;
  items.IncludeDefaults = false;
  items.FileFloats = copy.FileFloats;
  to.DataSets.Clear();
  // Room first: the references gathered point into the items.
  to.DataSets.Items.reserve(from.DataSets.Items.size());
  for (const TfrxDataSetItem& item : from.DataSets.Items)
    TfrxDataSetItem::Props().Copy(&to.DataSets.Items.emplace_back(), &item, items);
  to.Variables.Clear();
  for (int i = 0; i < from.Variables.Count(); ++i)
    TfrxVariable::Props().Copy(&to.Variables.Add(), &from.Variables.Items(i), items);
  to.Styles.Clear();
  for (const TfrxStyleItem& item : from.Styles.Items)
    TfrxStyleItem::Props().Copy(&to.Styles.Items.emplace_back(), &item, items);
  copy.References.insert(copy.References.end(), items.References.begin(), items.References.end());
  return true;
}

}  // namespace

TfrxReport::TfrxReport()
    : FErrorReporter(std::make_shared<TfrxStderrErrorReporter>()),
      FExpressionHost(std::make_unique<TfrxReportExpressionHost>(*this)),
      FEvaluator(std::make_unique<TfrxExpressionEvaluator>(*FExpressionHost, std::make_unique<TfrxLiteralCompiler>())),
      FEngine(std::make_unique<TfrxEngine>(*this)),
      FPreviewPages(std::make_unique<TfrxPreviewPages>(*this))
{
  Clear();
}

TfrxReport::~TfrxReport()
{
  // Children go first: their destructors still look at the report.
  ReleaseChildrenOf(*this);
}

namespace {

void ForgetIn(void* object, const TfrxPropTable& table, const std::unordered_set<const TfrxComponent*>& gone)
{
  for (const TfrxPropInfo& property : table.Props()) {
    if (property.Kind == TfrxPropKind::Component && gone.count(property.GetRef(object)))
      property.SetRef(object, nullptr);
    else if (property.Kind == TfrxPropKind::Object)
      ForgetIn(property.Sub(object), *property.SubTable, gone);
  }
}

}  // namespace

void TfrxReport::ForgetReferencesTo(const std::vector<const TfrxComponent*>& gone)
{
  if (FReleasing || gone.empty())
    return;
  const std::unordered_set<const TfrxComponent*> set(gone.begin(), gone.end());
  std::vector<TfrxComponent*> objects = AllObjects();
  objects.push_back(this);
  for (TfrxComponent* object : objects) {
    if (!set.count(object))
      ForgetIn(static_cast<void*>(object), object->Props(), set);
  }
  for (TfrxDataSetItem& item : DataSets.Items)
    ForgetIn(&item, TfrxDataSetItem::Props(), set);
}

void TfrxReport::ReleaseChildrenOf(TfrxComponent& parent)
{
  const bool releasing = FReleasing;
  FReleasing = true;
  parent.DeleteChildren();
  FReleasing = releasing;
}

TfrxPage* TfrxReport::Pages(int index) const
{
  return dynamic_cast<TfrxPage*>(Objects().at(static_cast<std::size_t>(index)));
}

void TfrxReport::Clear()
{
  // Everything that could refer to the pages' objects goes with them.
  ReleaseChildrenOf(*this);
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

bool TfrxReport::LoadFromFile(const QString& fileName, bool exceptionIfNotFound)
{
  Clear();
  FileName.clear();
  const bool exists = QFileInfo(fileName).isFile();
  if (!exists && !exceptionIfNotFound)
    return false;
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw EfrxError(QStringLiteral(u"Não foi possível abrir o arquivo \"%1\": %2").arg(fileName, UnreadableFileReason(fileName)));
  FileName = fileName;
  LoadFromStream(file);
  return exists;
}

void TfrxReport::LoadFromStream(QIODevice& stream)
{
  Errors.Clear();
  const TfrxEngineOptions engineOptions = EngineOptions;
  const TfrxPreviewOptions previewOptions = PreviewOptions;
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
    TfrxXMLDocument document;
    document.LoadFromStream(stream);
    TfrxXMLSerializer serializer(this);
    serializer.SetOldFormat(document.OldVersion());
    serializer.ReadRootComponent(*this, document.Root());
  } catch (const EfrxError& error) {
    Errors.Add(error.Message());
  }
  Version = kLoadedVersion;
  EnsureDataPage();

  const TfrxEngineOptions readEngine = EngineOptions;
  const TfrxPreviewOptions readPreview = PreviewOptions;
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

void TfrxReport::EnsureDataPage()
{
  for (TfrxComponent* child : Objects()) {
    if (dynamic_cast<TfrxDataPage*>(child))
      return;
  }
  auto* page = new TfrxDataPage(this);
  if (FindObject(QStringLiteral("Data")))
    page->CreateUniqueName();
  else
    page->SetName(QStringLiteral("Data"));
  MoveChild(page, 0);
}

void TfrxReport::SaveToFile(const QString& fileName)
{
  const bool absolute = (ParentReport.size() > 1 && ParentReport[1] == QLatin1Char(':')) ||
                        (!ParentReport.isEmpty() && QDir::isAbsolutePath(ParentReport));
  if (absolute)
    ParentReport = QFileInfo(fileName).absoluteDir().relativeFilePath(ParentReport);
  FileReplacement file(fileName);
  SaveToStream(file.Device());
  file.Commit();
}

void TfrxReport::ReportErrors()
{
  const QString message = QStringLiteral("The following error(s) have occured:\r\n") + Errors.Text();
  switch (EngineOptions.NewSilentMode) {
  case simMessageBoxes:
    FErrorReporter->ShowError(QStringLiteral("Error"), message);
    break;
  case simSilent:
    break;
  case simReThrow:
    throw EfrxError(message);
  }
}

const TfrxPropTable& TfrxReport::Props() const
{
  static const TfrxPropTable table = [] {
    using C = TfrxReport;
    TfrxPropTable t;
    t.Append(TfrxPropTable::Select(ComponentCatalog(), {u"Tag"}));
    TfrxPropBuilder<C, TfrxComponent> b(t);
    b.Str(QStringLiteral("Version"), &C::Version);
    b.Str(QStringLiteral("ParentReport"), &C::ParentReport);
    b.Ref<TfrxDataSet>(QStringLiteral("DataSet"), &C::DataSet);
    b.Str(QStringLiteral("DataSetName"), &C::DataSetName);
    b.Bool(QStringLiteral("DotMatrixReport"), &C::DotMatrixReport, std::nullopt);
    b.Sub(QStringLiteral("EngineOptions"), &C::EngineOptions, TfrxEngineOptions::Props());
    b.Str(QStringLiteral("IniFile"), &C::IniFile);
    b.Bool(QStringLiteral("OldStyleProgress"), &C::OldStyleProgress, false);
    b.Sub(QStringLiteral("PreviewOptions"), &C::PreviewOptions, TfrxPreviewOptions::Props());
    b.Sub(QStringLiteral("PrintOptions"), &C::PrintOptions, TfrxPrintOptions::Props());
    b.Sub(QStringLiteral("ReportOptions"), &C::ReportOptions, TfrxReportOptions::Props());
    b.Str(QStringLiteral("ScriptLanguage"), &C::ScriptLanguage);
    b.List(QStringLiteral("ScriptText"), &C::ScriptText);
    b.Bool(QStringLiteral("ShowProgress"), &C::ShowProgress, true);
    b.Bool(QStringLiteral("StoreInDFM"), &C::StoreInDFM, true);
    b.Str(QStringLiteral("OnRunDialogs"), &C::OnRunDialogs);
    b.Str(QStringLiteral("OnStartReport"), &C::OnStartReport);
    b.Str(QStringLiteral("OnStopReport"), &C::OnStopReport);
    b.Str(QStringLiteral("OnReportPrint"), &C::OnReportPrint);
    t.Defined.Write = [](const void* object, TfrxBinaryWriter& writer, const TfrxXMLSerializer& serializer) {
      WriteDefined(TfrxPropBuilder<C, TfrxComponent>::Self(object), writer, serializer);
    };
    t.Defined.Read = [](void* object, QByteArrayView name, TfrxBinaryReader& reader, TfrxXMLSerializer& serializer) {
      return ReadDefined(TfrxPropBuilder<C, TfrxComponent>::Self(object), name, reader, serializer);
    };
    t.Defined.Copy = [](void* to, const void* from, TfrxPropCopy& copy) {
      return CopyDefined(TfrxPropBuilder<C, TfrxComponent>::Self(to), TfrxPropBuilder<C, TfrxComponent>::Self(from),
                         copy);
    };
    return t;
  }();
  return table;
}
