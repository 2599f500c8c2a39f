// PreviewPages: prepared report files.
#include "report/model/PreviewPages.h"

#include "platform/files/FileReplacement.h"
#include "platform/files/SystemError.h"
#include "report/format/BinaryProps.h"
#include "report/format/Errors.h"
#include "report/format/XMLEscape.h"
#include "report/format/XMLReader.h"
#include "report/format/XMLWriter.h"
#include "report/model/Report.h"
#include "report/model/ReportPage.h"
#include "report/model/XMLSerializer.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cctype>

namespace quitanza::report {

using namespace platform;

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

void PreviewPages::FillFileSections()
{
  quitanza::report::XMLItem& report = Section(kReport).Add(m_report.ClassName());
  report.SetProp("DotMatrixReport", m_report.DotMatrixReport ? QStringLiteral("1") : QStringLiteral("0"));
  report.SetProp("PreviewOptions.OutlineVisible",
                 m_report.PreviewOptions.OutlineVisible ? QStringLiteral("1") : QStringLiteral("0"));
  report.SetProp("PreviewOptions.OutlineWidth", QString::number(m_report.PreviewOptions.OutlineWidth));
  report.SetProp("ReportOptions.Name", m_report.ReportOptions.Name);

  quitanza::report::XMLItem& sources = Section(kSourcePages);
  const XMLSerializer serializer;
  for (const SourceCopy& source : m_sourcePages) {
    quitanza::report::XMLItem& element = sources.Add();
    serializer.WriteRootComponent(*source.Page, element, true, false);
    std::string name = "Name=\"";
    AppendXMLUtf8(name, source.Page->Name());
    name += "\" ";
    element.Text.prepend(name.data(), static_cast<qsizetype>(name.size()));
  }

  quitanza::report::XMLItem& dictionary = Section(kDictionary);
  for (int i = 0; i < m_dictionary.Count(); ++i) {
    const SourceObject& entry = m_dictionary.Items(i);
    dictionary.Add(entry.Alias).SetProp("name", entry.SourceName);
  }

  quitanza::report::XMLItem& pictures = Section(kPictureCache);
  for (int i = 1; i <= m_pictureCache.Count(); ++i)
    pictures.Add(QStringLiteral("item")).SetProp("stream", QString::fromLatin1(m_pictureCache.Data(i).toHex().toUpper()));
}

void PreviewPages::RemoveFileSections()
{
  for (const QString& name : {kReport, kSourcePages, kDictionary, kPictureCache}) {
    const int index = m_xmlDoc.Root().Find(name);
    if (index >= 0)
      m_xmlDoc.Root().TakeItem(index);
  }
}

void PreviewPages::WritePagesSection(quitanza::report::XMLWriter& writer, const quitanza::report::XMLItem& pages)
{
  writer.OpenElement(1, ToStd(pages.Name), {}, pages.Count() > 0);
  if (pages.Count() == 0)
    return;
  for (int i = 0; i < pages.Count(); ++i) {
    const quitanza::report::XMLItem& page = pages.Items(i);
    // Unloaded pages are read back for the moment of writing only.
    quitanza::report::XMLItem stored;
    const quitanza::report::XMLItem* children = &page;
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

void PreviewPages::WriteDocument(QIODevice& stream)
{
  quitanza::report::XMLWriter writer(stream, false);
  writer.WriteHeader();
  const quitanza::report::XMLItem& root = m_xmlDoc.Root();
  writer.OpenElement(0, ToStd(kPreparedReport), {}, true);
  for (int i = 0; i < root.Count(); ++i) {
    const quitanza::report::XMLItem& section = root.Items(i);
    if (&section == m_pagesItem)
      WritePagesSection(writer, section);
    else
      writer.WriteItem(section, 1);
  }
  writer.CloseElement(0, ToStd(kPreparedReport));
  writer.Flush();
}

void PreviewPages::SaveToStream(QIODevice& Stream)
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

void PreviewPages::SaveToFile(const QString& FileName)
{
  FileReplacement file(FileName);
  SaveToStream(file.Device());
  file.Commit();
}

// ---------------------------------------------------------------- reading

bool PreviewPages::FailLoading(const QString& message)
{
  Clear();
  m_report.Errors.Add(message);
  m_report.ReportErrors();
  return false;
}

void PreviewPages::ReadDocument(QIODevice& stream, bool partial)
{
  quitanza::report::XMLReader reader(stream);
  reader.SetPartialLoading(partial);
  m_xmlDoc.SetOldVersion(reader.ReadHeader());
  reader.ReadRootItem(m_xmlDoc.Root(), m_xmlDoc.OldVersion());
  if (m_xmlDoc.Root().Name.compare(kPreparedReport, Qt::CaseInsensitive) != 0)
    throw InvalidXMLException();
}

void PreviewPages::ReadReportSection()
{
  const quitanza::report::XMLItem* section = FindSection(kReport);
  if (!section || section->Count() == 0)
    return;
  XMLSerializer serializer;
  serializer.ReadAttributes(m_report, QByteArrayView(section->Items(0).Text));
  for (const QString& error : serializer.Errors().Items())
    m_report.Errors.Add(error);
}

void PreviewPages::ReadSourcePages()
{
  quitanza::report::XMLItem* section = FindSection(kSourcePages);
  if (!section)
    return;
  for (int i = 0; i < section->Count(); ++i) {
    const quitanza::report::XMLItem& element = section->Items(i);
    if (element.Name.compare(u"TfrxReportPage", Qt::CaseInsensitive) != 0)
      throw ReportError(InvalidFormat(QStringLiteral("source page of class \"%1\"").arg(element.Name)));
    auto page = std::make_unique<quitanza::report::ReportPage>();
    XMLSerializer serializer;
    serializer.SetOldFormat(m_xmlDoc.OldVersion());
    serializer.ReadRootComponent(*page, element);
    for (const QString& error : serializer.Errors().Items())
      m_report.Errors.Add(error);
    m_sourcePages.push_back({std::move(page)});
  }
  section->Clear();
}

void PreviewPages::ReadDictionary()
{
  const quitanza::report::XMLItem* section = FindSection(kDictionary);
  if (!section)
    return;
  for (int i = 0; i < section->Count(); ++i) {
    const quitanza::report::XMLItem& entry = section->Items(i);
    const QString sourceName = entry.Prop("name");
    const qsizetype dot = sourceName.indexOf(QLatin1Char('.'));
    bool ok = false;
    const int pageIndex = dot > 4 ? QStringView(sourceName).sliced(4, dot - 4).toInt(&ok) : -1;
    quitanza::report::Component* object = nullptr;
    if (ok && pageIndex >= 0 && pageIndex < SourcePageCount())
      object = m_sourcePages[static_cast<std::size_t>(pageIndex)].Page->FindObject(sourceName.sliced(dot + 1));
    if (!object || m_dictionary.Contains(entry.Name))
      throw ReportError(InvalidFormat(QStringLiteral("dictionary entry \"%1\" names no source object (\"%2\")")
                                        .arg(entry.Name, sourceName)));
    m_dictionary.Add(entry.Name, sourceName, *object);
    object->AliasName = entry.Name;
  }
}

void PreviewPages::ReadPictureCache()
{
  const quitanza::report::XMLItem* section = FindSection(kPictureCache);
  if (!section)
    return;
  for (int i = 0; i < section->Count(); ++i) {
    const QByteArray hex = section->Items(i).Prop("stream").toLatin1();
    if (hex.size() % 2 != 0 || !std::all_of(hex.begin(), hex.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
      throw ReportError(InvalidFormat(QStringLiteral("picture %1 is not hexadecimal").arg(i + 1)));
    m_pictureCache.Add(QByteArray::fromHex(hex));
  }
}

bool PreviewPages::LoadDocument(QIODevice& stream, std::unique_ptr<QIODevice> partialSource)
{
  Clear();
  m_report.Errors.Clear();
  try {
    ReadDocument(stream, partialSource != nullptr);
    m_xmlDoc.Root().Name = kPreparedReport;
    ReadReportSection();
    ReadSourcePages();
    ReadDictionary();
    ReadPictureCache();
    RemoveFileSections();
  } catch (const ReportError& error) {
    return FailLoading(error.Message());
  }
  m_partialSource = std::move(partialSource);
  m_pagesItem = FindSection(kPreviewPages);
  CurPage = Count() - 1;
  if (!m_report.Errors.IsEmpty())
    m_report.ReportErrors();
  return true;
}

bool PreviewPages::LoadFromStream(QIODevice& Stream, bool AllowPartialLoading)
{
  if (!AllowPartialLoading)
    return LoadDocument(Stream, nullptr);
  // Pages are read when first shown, from a copy that lives as long as they do.
  auto copy = std::make_unique<QTemporaryFile>(TempFileTemplate(m_report.EngineOptions.TempDir));
  if (!copy->open())
    throw ReportError(QStringLiteral(u"Não foi possível criar um arquivo temporário: %1").arg(copy->errorString()));
  for (QByteArray block = Stream.read(1 << 16); !block.isEmpty(); block = Stream.read(1 << 16)) {
    if (copy->write(block) != block.size())
      throw ReportError(QStringLiteral(u"Não foi possível gravar um arquivo temporário: %1").arg(copy->errorString()));
  }
  copy->seek(0);
  QIODevice& source = *copy;
  return LoadDocument(source, std::move(copy));
}

bool PreviewPages::LoadFromFile(const QString& FileName, bool ExceptionIfNotFound)
{
  if (!QFileInfo(FileName).isFile()) {
    if (ExceptionIfNotFound)
      throw ReportError(QStringLiteral(u"Não foi possível abrir o arquivo \"%1\"").arg(FileName));
    return false;
  }
  auto file = std::make_unique<QFile>(FileName);
  if (!file->open(QIODevice::ReadOnly))
    throw ReportError(QStringLiteral(u"Não foi possível abrir o arquivo \"%1\": %2").arg(FileName, UnreadableFileReason(FileName)));
  // The file stays open: its pages are read when first shown.
  QIODevice& source = *file;
  LoadDocument(source, std::move(file));
  return true;
}

}  // namespace quitanza::report
