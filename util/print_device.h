#pragma once
// The printer device: what a printout draws on. Every printout lays its page
// out in millimetres from the paper's top-left corner, sets the position
// before each text, draws straight black lines, and ends each page with
// EndDoc, which submits it as a job of its own (N pages or N copies are N
// jobs).
//
// No operation throws. A step the device cannot carry out (no printer, a
// failing spooler, a size out of range) is skipped and the printout goes on;
// EndDoc says whether the page went out.

#include <string>
#include <string_view>
#include <vector>

namespace util {

// The printer that writes each job to a PDF file instead of paper. The
// program's device always offers it beside the installed printers.
inline constexpr std::string_view kPdfPrinterName = "PDF";

class PrintDevice {
 public:
  static constexpr int kPortrait = 1;
  static constexpr int kLandscape = 2;

  virtual ~PrintDevice() = default;

  // Scale mode millimetres. The device measures in millimetres only; each
  // printout still sets it first, and the call changes nothing else (the
  // scale left stays as set).
  virtual void SetScaleModeMillimetres() = 0;

  // 1 portrait, 2 landscape; any other value is ignored. The paper size is
  // the device's own. Holds for the current page only: EndDoc returns to
  // portrait.
  virtual void SetOrientation(int orientation) = 0;
  virtual int Orientation() const = 0;

  // The x coordinate given to the paper's left edge: -3 moves everything
  // drawn afterwards 3 mm to the right. Holds for the current page only:
  // EndDoc returns it to 0.
  virtual void SetScaleLeft(double mm) = 0;
  virtual double ScaleLeft() const = 0;

  // The printable page height in mm, in the current orientation.
  virtual double ScaleHeight() const = 0;

  // The font of the following texts, in points, and its weight. The face is
  // the device's default. They hold until changed, also over EndDoc. A size
  // of 0 or below is ignored.
  virtual void SetFontSize(double points) = 0;
  virtual double FontSize() const = 0;
  virtual void SetFontBold(bool bold) = 0;
  virtual bool FontBold() const = 0;

  // The position of the next text, in mm: x is the text's left edge, y its
  // top. EndDoc returns both to 0.
  virtual void SetCurrentX(double mm) = 0;
  virtual double CurrentX() const = 0;
  virtual void SetCurrentY(double mm) = 0;
  virtual double CurrentY() const = 0;

  // Draws the text (UTF-8) with its left edge at the current x and its top
  // at the current y. Arabic is passed whole, in logical order; the device
  // shapes it and lays it out right to left. Afterwards the current x is
  // the text's right edge (x + TextWidth(text)) and the current y is
  // unchanged, so a second Print continues on the same line.
  virtual void Print(std::string_view text) = 0;
  // The width of the text in mm in the current font.
  virtual double TextWidth(std::string_view text) const = 0;

  // The thickness of the following lines in device pixels (1 to 5 are
  // used); below 1 counts as 1. Holds until changed, also over EndDoc.
  virtual void SetDrawWidth(int pixels) = 0;
  virtual int DrawWidth() const = 0;

  // A straight black line from (x1, y1) to (x2, y2), in mm.
  virtual void Line(double x1, double y1, double x2, double y2) = 0;

  // Ends the page and submits it as one job. False when nothing went out: a
  // page with nothing drawn, no active printer, or a failing spooler.
  virtual bool EndDoc() = 0;

  // The names of the printers, the active one, and the choice of another by
  // the exact name (the given name is trimmed of blanks first). False, and
  // the active printer kept, when no printer has that name.
  virtual std::vector<std::string> DeviceNames() const = 0;
  virtual std::string DeviceName() const = 0;
  virtual bool SetActiveDevice(std::string_view name) = 0;

  // The name of the printout, for the jobs that follow: the spooler's title
  // of the job and the name of a PDF file.
  virtual void SetJobName(std::string_view name) = 0;
};

}  // namespace util
