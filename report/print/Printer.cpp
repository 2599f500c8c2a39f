#include "report/print/Printer.h"

#include "platform/graphics/PainterCanvas.h"
#include "report/model/PaperSizes.h"
#include "report/print/PrintError.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quitanza::report {

using namespace platform;

namespace {

constexpr int kVirtualDpi = 600;
constexpr double kVirtualMargin = 4;
constexpr qsizetype kPaperNameLength = 64;

QString Tr(const char* text)
{
  return QCoreApplication::translate("quitanza::report::Printer", text);
}

int Millimetres(int dots, int dpi)
{
  return static_cast<int>(std::lround(dots / static_cast<double>(dpi) * 25.4));
}

// The platform's number of a paper size; sizes it does not number are custom.
int NumberOfPaper(const QPageSize& size)
{
  const int number = size.windowsId();
  return number > 0 ? number : kCustomPaper;
}

// A numbered paper; a custom one (or a number Qt does not know) takes the
// size given, upright: Qt turns it with the orientation.
QPageSize PageSizeFor(int paper, double width, double height, PrinterOrientation orientation)
{
  const QPageSize::PageSizeId id = QPageSize::id(paper);
  if (paper != kCustomPaper && id != QPageSize::Custom)
    return QPageSize(id);
  if (orientation == PrinterOrientation::Landscape)
    std::swap(width, height);
  return QPageSize(QSizeF(width, height), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

QPageLayout::Orientation LayoutOrientation(PrinterOrientation orientation)
{
  return orientation == PrinterOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QPrinter::DuplexMode DeviceDuplex(DuplexMode duplex)
{
  switch (duplex) {
  case DuplexMode::Vertical: return QPrinter::DuplexLongSide;
  case DuplexMode::Horizontal: return QPrinter::DuplexShortSide;
  case DuplexMode::Simplex: return QPrinter::DuplexNone;
  case DuplexMode::None: break;
  }
  return QPrinter::DuplexAuto;
}

DuplexMode ReportDuplex(QPrinter::DuplexMode duplex)
{
  switch (duplex) {
  case QPrinter::DuplexLongSide: return DuplexMode::Vertical;
  case QPrinter::DuplexShortSide: return DuplexMode::Horizontal;
  case QPrinter::DuplexNone: return DuplexMode::Simplex;
  case QPrinter::DuplexAuto: break;
  }
  return DuplexMode::None;
}

PrinterItem PaperItem(const QPageSize& size)
{
  return {NumberOfPaper(size), size.name().left(kPaperNameLength)};
}

// Every paper of the table, for the printer that has no driver to ask.
QList<PrinterItem> TablePapers()
{
  QList<PrinterItem> papers;
  for (int number = 1; number < kCustomPaper; ++number) {
    const PaperSize* paper = FindPaperSize(number);
    if (!paper)
      continue;
    const QPageSize::PageSizeId id = QPageSize::id(number);
    papers.append({number, id != QPageSize::Custom
                               ? QPageSize::name(id)
                               : Tr("%1 x %2 mm").arg(paper->Width / 10.0).arg(paper->Height / 10.0)});
  }
  return papers;
}

}  // namespace

Printer::Printer(const QString& name) : Printer(name, false) {}

Printer::Printer(const QString& name, bool isVirtual)
  : m_name(name), m_virtual(isVirtual),
    m_device(isVirtual ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                       : std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name), QPrinter::HighResolution))
{
  if (m_virtual) {
    m_device->setOutputFormat(QPrinter::PdfFormat);
    m_device->setResolution(kVirtualDpi);
    m_device->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(kVirtualMargin, kVirtualMargin, kVirtualMargin, kVirtualMargin),
                                        QPageLayout::Millimeter));
  }
}

std::unique_ptr<Printer> Printer::Virtual()
{
  return std::unique_ptr<Printer>(new Printer(QStringLiteral("Virtual"), true));
}

Printer::~Printer()
{
  if (Printing())
    Abort();
}

QString Printer::Location() const
{
  if (m_virtual)
    return {};
  const QPrinterInfo info = QPrinterInfo::printerInfo(m_name);
  return info.location().isEmpty() ? info.description() : info.location();
}

void Printer::Init()
{
  if (m_initialized)
    return;
  if (m_device->resolution() <= 0)
    throw PrintError(Tr("Printer selected is not valid"));
  m_defaultDuplex = m_virtual ? DuplexMode::None : ReportDuplex(QPrinterInfo::printerInfo(m_name).defaultDuplexMode());
  if (m_virtual) {
    m_papers = TablePapers();
  } else {
    for (const QPageSize& size : QPrinterInfo::printerInfo(m_name).supportedPageSizes())
      if (NumberOfPaper(size) != kCustomPaper)
        m_papers.append(PaperItem(size));
  }
  ReadCapabilities();
  m_defaultPaper = m_paper;
  m_initialized = true;
}

void Printer::ReadCapabilities()
{
  m_dpiX = m_dpiY = m_device->resolution();
  const QPageLayout layout = m_device->pageLayout();
  const QRect paper = layout.fullRectPixels(m_dpiX);
  const QRect printable = layout.paintRectPixels(m_dpiX);
  m_paper = NumberOfPaper(layout.pageSize());
  m_orientation = layout.orientation() == QPageLayout::Landscape ? PrinterOrientation::Landscape
                                                                  : PrinterOrientation::Portrait;
  m_paperWidth = Millimetres(paper.width(), m_dpiX);
  m_paperHeight = Millimetres(paper.height(), m_dpiY);
  m_leftMargin = Millimetres(printable.left(), m_dpiX);
  m_topMargin = Millimetres(printable.top(), m_dpiY);
  m_rightMargin = m_paperWidth - Millimetres(printable.width(), m_dpiX) - m_leftMargin;
  m_bottomMargin = m_paperHeight - Millimetres(printable.height(), m_dpiY) - m_topMargin;
}

void Printer::SetViewParams(int paper, double width, double height, PrinterOrientation orientation)
{
  if (paper == kCustomPaper && !m_virtual) {
    // The driver's margins for a custom size are those of its A4.
    m_device->setPageSize(QPageSize(QPageSize::A4));
    m_device->setPageOrientation(LayoutOrientation(orientation));
  }
  m_device->setPageSize(PageSizeFor(paper, width, height, orientation));
  m_device->setPageOrientation(LayoutOrientation(orientation));
  ReadCapabilities();
}

void Printer::SetPrintParams(int paper, double width, double height, PrinterOrientation orientation, int bin,
                             DuplexMode duplex, int copies)
{
  // Qt's print support lists and chooses paper sources on Windows only: on
  // CUPS the queue takes the paper from its own default source.
  Q_UNUSED(bin);
  m_device->setPageSize(PageSizeFor(paper, width, height, orientation));
  m_device->setPageOrientation(LayoutOrientation(orientation));
  m_copies = std::max(1, copies);
  m_device->setCopyCount(m_copies);
  const DuplexMode chosen = ChosenDuplex != DuplexMode::None ? ChosenDuplex : duplex;
  m_device->setDuplex(chosen == DuplexMode::None ? DeviceDuplex(m_defaultDuplex) : DeviceDuplex(chosen));
  ReadCapabilities();
}

DuplexMode Printer::CurrentDuplex() const
{
  return ReportDuplex(m_device->duplex());
}

void Printer::BeginDoc()
{
  if (m_virtual && FileName.isEmpty())
    throw PrintError(Tr("No printers installed on your system"));
  m_device->setDocName(Title.isEmpty() ? QStringLiteral("Pellwick Document") : Title);
  m_device->setOutputFileName(FileName);
  m_painter = std::make_unique<QPainter>();
  if (!m_painter->begin(m_device.get())) {
    m_painter.reset();
    throw PrintError(Tr("The printer %1 did not accept the job").arg(m_name));
  }
  m_canvas = std::make_unique<PainterCanvas>(*m_painter, m_dpiX, m_dpiY, true);
  m_pagesStarted = 0;
}

void Printer::BeginPage()
{
  // Beginning the document began its first page.
  if (m_pagesStarted++ > 0 && !m_device->newPage())
    throw PrintError(Tr("The printer %1 did not accept a new page").arg(m_name));
}

Canvas& Printer::Canvas()
{
  return *m_canvas;
}

void Printer::EndDoc()
{
  const bool ended = m_painter->end();
  Finish();
  if (!ended || m_device->printerState() == QPrinter::Error)
    throw PrintError(Tr("The printer %1 did not complete the job").arg(m_name));
}

void Printer::Abort()
{
  m_device->abort();
  m_painter->end();
  Finish();
}

void Printer::Finish()
{
  m_canvas.reset();
  m_painter.reset();
  ChosenDuplex = DuplexMode::None;
  m_device->setDuplex(DeviceDuplex(m_defaultDuplex));
}

}  // namespace quitanza::report
