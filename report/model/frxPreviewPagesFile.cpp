// TfrxPreviewPages: prepared report files.
#include "report/model/frxPreviewPages.h"

#include "platform/files/FileReplacement.h"
#include "platform/files/SystemError.h"
#include "report/format/frxBinaryProps.h"
#include "report/format/frxErrors.h"
#include "report/format/frxXMLEscape.h"
#include "report/format/frxXMLReader.h"
#include "report/format/frxXMLWriter.h"
#include "report/model/frxReport.h"
#include "report/model/frxReportPage.h"
#include "report/model/frxXMLSerializer.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cctype>

using namespace quitanza::platform;

namespace {

const QString kReport = QStringLiteral("report");
const QString kSourcePages = QStringLiteral("sourcepages");
const QString kDictionary = QStringLiteral("dictionary");
const QString kPictureCache = QStringLiteral("picturecache");
const QString kPreviewPages = QStringLiteral("previewpages");
const QString kPreparedReport = QStringLiteral("preparedreport");

QString InvalidFormat(const QString& detail) { return QStringLiteral("Invalid file format: ") + detail; }

std::string ToStd(const QString& text) { return text.toStdString(); }

}  // namespace

// ---------------------------------------------------------------- writing

void TfrxPreviewPages::FillFileSections()
{
  TfrxXMLItem& report = Section(kReport).Add(FReport.ClassName());
  report.SetProp("DotMatrixReport", FReport.DotMatrixReport ? QStringLiteral("1") : QStringLiteral("0"));
  report.SetProp("PreviewOptions.OutlineVisible",
                 FReport.PreviewOptions.OutlineVisible ? QStringLiteral("1") : QStringLiteral("0"));
  report.SetProp("PreviewOptions.OutlineWidth", QString::number(FReport.PreviewOptions.OutlineWidth));
  report.SetProp("ReportOptions.Name", FReport.ReportOptions.Name);

  TfrxXMLItem& sources = Section(kSourcePages);
  const TfrxXMLSerializer serializer;
  for (const SourceCopy& source : FSourcePages) {
    TfrxXMLItem& element = sources.Add();
    serializer.WriteRootComponent(*source.Page, element, true, false);
    std::string name = "Name=\"";
    frxAppendXMLUtf8(name, source.Page->Name());
    name += "\" ";
    element.Text.prepend(name.data(), static_cast<qsizetype>(name.size()));
  }

  TfrxXMLItem& dictionary = Section(kDictionary);
  for (int i = 0; i < FDictionary.Count(); ++i) {
    const TfrxSourceObject& entry = FDictionary.Items(i);
    dictionary.Add(entry.Alias).SetProp("name", entry.SourceName);
  }

  TfrxXMLItem& pictures = Section(kPictureCache);
  for (int i = 1; i <= FPictureCache.Count(); ++i)
    pictures.Add(QStringLiteral("item")).SetProp("stream", QString::fromLatin1(FPictureCache.Data(i).toHex().toUpper()));
}

void TfrxPreviewPages::RemoveFileSections()
{
  for (const QString& name : {kReport, kSourcePages, kDictionary, kPictureCache}) {
    const int index = FXMLDoc.Root().Find(name);
    if (index >= 0)
      FXMLDoc.Root().TakeItem(index);
  }
}

void TfrxPreviewPages::WritePagesSection(TfrxXMLWriter& writer, const TfrxXMLItem& pages)
{
  writer.OpenElement(1, ToStd(pages.Name), {}, pages.Count() > 0);
  if (pages.Count() == 0)
    return;
  for (int i = 0; i < pages.Count(); ++i) {
    const TfrxXMLItem& page = pages.Items(i);
    // Unloaded pages are read back for the moment of writing only.
    TfrxXMLItem stored;
    const TfrxXMLItem* children = &page;
    if (!page.Loaded) {
      ReadStoredChildren(page, stored);
      children = &stored;
    }
    QByteArray attributes = page.Text;
    if (page.Unloadable)
      attributes += attributes.isEmpty() ? "ld=\"0\"" : " ld=\"0\"";
    const std::string name = ToStd(page.Name);
    const bool hasChildren = children->Count() > 0;
    writer.OpenElement(2, name, std::string_view(attributes.constData(), static_cast<std::size_t>(attributes.size())),
                       hasChildren);
    for (int j = 0; j < children->Count(); ++j)
      writer.WriteItem(children->Items(j), 3);
    if (hasChildren)
      writer.CloseElement(2, name);
  }
  writer.CloseElement(1, ToStd(pages.Name));
}

void TfrxPreviewPages::WriteDocument(QIODevice& stream)
{
  TfrxXMLWriter writer(stream, false);
  writer.WriteHeader();
  const TfrxXMLItem& root = FXMLDoc.Root();
  writer.OpenElement(0, ToStd(kPreparedReport), {}, true);
  for (int i = 0; i < root.Count(); ++i) {
    const TfrxXMLItem& section = root.Items(i);
    if (&section == FPagesItem)
      WritePagesSection(writer, section);
    else
      writer.WriteItem(section, 1);
  }
  writer.CloseElement(0, ToStd(kPreparedReport));
  writer.Flush();
}

void TfrxPreviewPages::SaveToStream(QIODevice& Stream)
{
  PagesItem();
  LogicalPagesItem();
  FillFileSections();
  try {
    WriteDocument(Stream);
  } catch (...) {
    RemoveFileSections();
    throw;
  }
  RemoveFileSections();
}

void TfrxPreviewPages::SaveToFile(const QString& FileName)
{
  FileReplacement file(FileName);
  SaveToStream(file.Device());
  file.Commit();
}

// ---------------------------------------------------------------- reading

bool TfrxPreviewPages::FailLoading(const QString& message)
{
  Clear();
  FReport.Errors.Add(message);
  FReport.ReportErrors();
  return false;
}

void TfrxPreviewPages::ReadDocument(QIODevice& stream, bool partial)
{
  TfrxXMLReader reader(stream);
  reader.SetPartialLoading(partial);
  FXMLDoc.SetOldVersion(reader.ReadHeader());
  reader.ReadRootItem(FXMLDoc.Root(), FXMLDoc.OldVersion());
  if (FXMLDoc.Root().Name.compare(kPreparedReport, Qt::CaseInsensitive) != 0)
    throw TfrxInvalidXMLException();
}

void TfrxPreviewPages::ReadReportSection()
{
  const TfrxXMLItem* section = FindSection(kReport);
  if (!section || section->Count() == 0)
    return;
  TfrxXMLSerializer serializer;
  serializer.ReadAttributes(FReport, QByteArrayView(section->Items(0).Text));
  for (const QString& error : serializer.Errors().Items())
    FReport.Errors.Add(error);
}

void TfrxPreviewPages::ReadSourcePages()
{
  TfrxXMLItem* section = FindSection(kSourcePages);
  if (!section)
    return;
  for (int i = 0; i < section->Count(); ++i) {
    const TfrxXMLItem& element = section->Items(i);
    if (element.Name.compare(u"TfrxReportPage", Qt::CaseInsensitive) != 0)
      throw EfrxError(InvalidFormat(QStringLiteral("source page of class \"%1\"").arg(element.Name)));
    auto page = std::make_unique<TfrxReportPage>();
    TfrxXMLSerializer serializer;
    serializer.SetOldFormat(FXMLDoc.OldVersion());
    serializer.ReadRootComponent(*page, element);
    for (const QString& error : serializer.Errors().Items())
      FReport.Errors.Add(error);
    FSourcePages.push_back({std::move(page)});
  }
  section->Clear();
}

void TfrxPreviewPages::ReadDictionary()
{
  const TfrxXMLItem* section = FindSection(kDictionary);
  if (!section)
    return;
  for (int i = 0; i < section->Count(); ++i) {
    const TfrxXMLItem& entry = section->Items(i);
    const QString sourceName = entry.Prop("name");
    const qsizetype dot = sourceName.indexOf(QLatin1Char('.'));
    bool ok = false;
    const int pageIndex = dot > 4 ? QStringView(sourceName).sliced(4, dot - 4).toInt(&ok) : -1;
    TfrxComponent* object = nullptr;
    if (ok && pageIndex >= 0 && pageIndex < SourcePageCount())
      object = FSourcePages[static_cast<std::size_t>(pageIndex)].Page->FindObject(sourceName.sliced(dot + 1));
    if (!object || FDictionary.Contains(entry.Name))
      throw EfrxError(InvalidFormat(QStringLiteral("dictionary entry \"%1\" names no source object (\"%2\")")
                                        .arg(entry.Name, sourceName)));
    FDictionary.Add(entry.Name, sourceName, *object);
    object->AliasName = entry.Name;
  }
}

void TfrxPreviewPages::ReadPictureCache()
{
  const TfrxXMLItem* section = FindSection(kPictureCache);
  if (!section)
    return;
  for (int i = 0; i < section->Count(); ++i) {
    const QByteArray hex = section->Items(i).Prop("stream").toLatin1();
    if (hex.size() % 2 != 0 || !std::all_of(hex.begin(), hex.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
      throw EfrxError(InvalidFormat(QStringLiteral("picture %1 is not hexadecimal").arg(i + 1)));
    FPictureCache.Add(QByteArray::fromHex(hex));
  }
}

bool TfrxPreviewPages::LoadDocument(QIODevice& stream, std::unique_ptr<QIODevice> partialSource)
{
  Clear();
  FReport.Errors.Clear();
  try {
    ReadDocument(stream, partialSource != nullptr);
    FXMLDoc.Root().Name = kPreparedReport;
    ReadReportSection();
    ReadSourcePages();
    ReadDictionary();
    ReadPictureCache();
    RemoveFileSections();
  } catch (const EfrxError& error) {
    return FailLoading(error.Message());
  }
  FPartialSource = std::move(partialSource);
  FPagesItem = FindSection(kPreviewPages);
  CurPage = Count() - 1;
  if (!FReport.Errors.IsEmpty())
    FReport.ReportErrors();
  return true;
}

bool TfrxPreviewPages::LoadFromStream(QIODevice& Stream, bool AllowPartialLoading)
{
  if (!AllowPartialLoading)
    return LoadDocument(Stream, nullptr);
  // Pages are read when first shown, from a copy that lives as long as they do.
  auto copy = std::make_unique<QTemporaryFile>(frxTempFileTemplate(FReport.EngineOptions.TempDir));
  if (!copy->open())
    throw EfrxError(QStringLiteral(u"Não foi possível criar um arquivo temporário: %1").arg(copy->errorString()));
  for (QByteArray block = Stream.read(1 << 16); !block.isEmpty(); block = Stream.read(1 << 16)) {
    if (copy->write(block) != block.size())
      throw EfrxError(QStringLiteral(u"Não foi possível gravar um arquivo temporário: %1").arg(copy->errorString()));
  }
  copy->seek(0);
  QIODevice& source = *copy;
  return LoadDocument(source, std::move(copy));
}

bool TfrxPreviewPages::LoadFromFile(const QString& FileName, bool ExceptionIfNotFound)
{
  if (!QFileInfo(FileName).isFile()) {
    if (ExceptionIfNotFound)
      throw EfrxError(QStringLiteral(u"Não foi possível abrir o arquivo \"%1\"").arg(FileName));
    return false;
  }
  auto file = std::make_unique<QFile>(FileName);
  if (!file->open(QIODevice::ReadOnly))
    throw EfrxError(QStringLiteral(u"Não foi possível abrir o arquivo \"%1\": %2").arg(FileName, UnreadableFileReason(FileName)));
  // The file stays open: its pages are read when first shown.
  QIODevice& source = *file;
  LoadDocument(source, std::move(file));
  return true;
}
