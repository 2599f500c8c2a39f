#pragma once

#include "report/model/Types.h"

#include <QList>
#include <QString>

#include <memory>

class QPainter;
class QPrinter;

namespace quitanza::platform { class PainterCanvas; class Canvas; }

namespace quitanza::report {

// A paper size as the printer names it, with the platform's number for it
// (9 = A4; 256 = custom size).
struct PrinterItem {
  int Number;
  QString Name;
};

inline constexpr int kCustomPaper = 256;
inline constexpr int kA4Paper = 9;

// One printer of the system (a CUPS queue) or the virtual printer that
// stands in when there is none: its paper, resolution and unprintable
// margins, and the print job. Sizes and margins are whole millimetres, as
// the page layout rounds them. The virtual printer writes its jobs to a
// file only (600 dpi, A4, margins of 4 mm), so a run can be checked without
// any spooler.
class Printer {
public:
  // A system printer of that name.
  explicit Printer(const QString& name);
  static std::unique_ptr<Printer> Virtual();
  ~Printer();
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  const QString& Name() const { return m_name; }
  bool IsVirtual() const { return m_virtual; }
  // Where the printer is (its location, else its description), for the dialog.
  QString Location() const;

  // Reads the printer's settings and capabilities once. A printer that
  // reports no resolution stays uninitialised.
  void Init();
  bool Initialized() const { return m_initialized; }

  int DpiX() const { return m_dpiX; }
  int DpiY() const { return m_dpiY; }
  int PaperNumber() const { return m_paper; }
  PrinterOrientation Orientation() const { return m_orientation; }
  double PaperWidth() const { return m_paperWidth; }
  double PaperHeight() const { return m_paperHeight; }
  double LeftMargin() const { return m_leftMargin; }
  double TopMargin() const { return m_topMargin; }
  double RightMargin() const { return m_rightMargin; }
  double BottomMargin() const { return m_bottomMargin; }
  int DefaultPaper() const { return m_defaultPaper; }
  DuplexMode DefaultDuplex() const { return m_defaultDuplex; }
  const QList<PrinterItem>& Papers() const { return m_papers; }
  // Copies the spooler is asked for per page, as last set.
  int Copies() const { return m_copies; }
  // What the properties of the queue chose; DuplexMode::None when nothing.
  DuplexMode ChosenDuplex = DuplexMode::None;
  // The duplex the device is set to now (after the properties dialog, say).
  DuplexMode CurrentDuplex() const;

  // The paper to lay pages out on (width and height in millimetres serve a
  // custom paper and an unknown number).
  void SetViewParams(int paper, double width, double height, PrinterOrientation orientation);
  // The paper, source, duplex and copies of the pages printed from now on.
  void SetPrintParams(int paper, double width, double height, PrinterOrientation orientation, int bin,
                      DuplexMode duplex, int copies);

  // The job's name in the queue, and a file that takes the job instead of
  // the printer (empty: the printer prints).
  QString Title;
  QString FileName;

  void BeginDoc();
  void BeginPage();
  platform::Canvas& Canvas();
  void EndPage() {}
  // Hands the job over to the spooler (or closes the file).
  void EndDoc();
  // Drops the job.
  void Abort();
  bool Printing() const { return m_painter != nullptr; }

  // The device itself, for the platform's properties dialog.
  QPrinter& Device() { return *m_device; }

private:
  Printer(const QString& name, bool isVirtual);
  void ReadCapabilities();
  void Finish();

  QString m_name;
  bool m_virtual;
  std::unique_ptr<QPrinter> m_device;
  std::unique_ptr<QPainter> m_painter;
  std::unique_ptr<platform::PainterCanvas> m_canvas;
  int m_pagesStarted = 0;
  bool m_initialized = false;
  int m_dpiX = 0;
  int m_dpiY = 0;
  int m_paper = kA4Paper;
  PrinterOrientation m_orientation = PrinterOrientation::Portrait;
  double m_paperWidth = 0;
  double m_paperHeight = 0;
  double m_leftMargin = 0;
  double m_topMargin = 0;
  double m_rightMargin = 0;
  double m_bottomMargin = 0;
  int m_defaultPaper = kA4Paper;
  DuplexMode m_defaultDuplex = DuplexMode::None;
  int m_copies = 1;
  QList<PrinterItem> m_papers;
};

}  // namespace quitanza::report
